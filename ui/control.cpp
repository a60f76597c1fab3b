#include "ui/control.h"

#include <algorithm>

#include "platform/gdi_scope.h"
#include "ui/native_control.h"

namespace {

POINT PointFrom(LPARAM lParam) noexcept {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

POINT RelativeTo(const Control& control, POINT client) noexcept {
    return {client.x - control.Left(), client.y - control.Top()};
}

// An event handler that throws must not take the window down with it.
template <typename Handler, typename... Args>
void Fire(const Handler& handler, Args... args) noexcept {
    if (!handler) return;
    try {
        handler(args...);
    } catch (...) {
    }
}

}  // namespace

bool HasVisibleStyle(HWND window) noexcept {
    return (::GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::SetBounds(const Bounds& bounds) {
    if (bounds == bounds_) return;
    Invalidate();
    bounds_ = bounds;
    Invalidate();
}

void Control::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Invalidate();
}

void Control::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Invalidate();
}

void Control::SetFont(const Font& font) {
    font_ = font;
    Invalidate();
}

void Control::Invalidate() const {
    if (parent_) parent_->InvalidateArea(bounds_.Rect());
}

WinControl::~WinControl() {
    // The graphic controls are members of the derived form and already gone.
    graphics_.clear();
    hovered_ = pressed_ = nullptr;
    Destroy();
}

void WinControl::InsertControl(GraphicControl& control) {
    control.parent_ = this;
    graphics_.push_back(&control);
    control.Invalidate();
}

GraphicControl* WinControl::ControlAt(POINT client) const noexcept {
    for (auto it = graphics_.rbegin(); it != graphics_.rend(); ++it) {
        GraphicControl* control = *it;
        if (control->IsVisible() && control->IsEnabled() && control->GetBounds().Contains(client)) return control;
    }
    return nullptr;
}

void WinControl::InvalidateArea(const RECT& area) const noexcept {
    if (Handle()) ::InvalidateRect(Handle(), &area, FALSE);
}

void WinControl::SetBounds(const Bounds& bounds) {
    // The stored bounds follow the window (WM_WINDOWPOSCHANGED), so equal
    // bounds need no trip to the system.
    if (Handle() && bounds == GetBounds()) return;
    StoreBounds(bounds);
    if (Handle())
        ::SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
                       SWP_NOZORDER | SWP_NOACTIVATE);
}

void WinControl::SetVisible(bool visible) {
    StoreVisible(visible);
    if (Handle() && visible != HasVisibleStyle(Handle()))
        ::ShowWindow(Handle(), visible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void WinControl::PaintBackground(HDC dc, const RECT& client) {
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
}

void WinControl::PaintWindow() {
    PAINTSTRUCT paint;
    HDC target = ::BeginPaint(Handle(), &paint);
    RECT client;
    ::GetClientRect(Handle(), &client);
    {
        // Painted off screen and copied at once, so the controls never flicker.
        UniqueMemoryDc buffer(::CreateCompatibleDC(target));
        UniqueHbitmap bitmap(
            ::CreateCompatibleBitmap(target, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)));
        if (buffer && bitmap) {
            SelectedObject selected(buffer.get(), bitmap.get());
            PaintBackground(buffer.get(), client);
            for (GraphicControl* control : graphics_) {
                RECT area = control->GetBounds().Rect();
                RECT overlap;
                if (!control->IsVisible() || !::IntersectRect(&overlap, &area, &paint.rcPaint)) continue;
                const int saved = ::SaveDC(buffer.get());
                ::IntersectClipRect(buffer.get(), area.left, area.top, area.right, area.bottom);
                try {
                    control->Paint(buffer.get());
                } catch (...) {
                }
                ::RestoreDC(buffer.get(), saved);
            }
            ::BitBlt(target, paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right - paint.rcPaint.left,
                     paint.rcPaint.bottom - paint.rcPaint.top, buffer.get(), paint.rcPaint.left, paint.rcPaint.top,
                     SRCCOPY);
        }
    }
    ::EndPaint(Handle(), &paint);
}

void WinControl::MouseMoved(POINT client) {
    if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        tracking_ = ::TrackMouseEvent(&track) != FALSE;
    }
    GraphicControl* under = ControlAt(client);
    if (under != hovered_) {
        GraphicControl* left = std::exchange(hovered_, under);
        if (left) Fire(left->OnMouseLeave);
        if (under) Fire(under->OnMouseEnter);
    }
    // While a button is held the pressed control keeps the mouse, as with capture.
    if (GraphicControl* target = pressed_ ? pressed_ : hovered_) Fire(target->OnMouseMove, RelativeTo(*target, client));
}

void WinControl::MouseLeft() {
    tracking_ = false;
    if (GraphicControl* left = std::exchange(hovered_, nullptr)) Fire(left->OnMouseLeave);
}

void WinControl::MouseButtonEvent(UINT message, POINT client) {
    const bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
                      message == WM_LBUTTONDBLCLK;
    const ::MouseButton button = (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP) ? MouseButton::Right
                                 : (message == WM_MBUTTONDOWN || message == WM_MBUTTONUP) ? MouseButton::Middle
                                                                                          : MouseButton::Left;
    if (down) {
        GraphicControl* target = ControlAt(client);
        if (!target) return;
        pressed_ = target;
        pressedByDoubleClick_ = message == WM_LBUTTONDBLCLK;
        ::SetCapture(Handle());
        if (pressedByDoubleClick_) Fire(target->OnDblClick);
        Fire(target->OnMouseDown, button, RelativeTo(*target, client));
        return;
    }
    GraphicControl* target = std::exchange(pressed_, nullptr);
    if (::GetCapture() == Handle()) ::ReleaseCapture();
    if (!target) return;
    Fire(target->OnMouseUp, button, RelativeTo(*target, client));
    // A click is a left press and release on the same control; the second
    // press of a double click is the double click, not another click.
    if (button == MouseButton::Left && !pressedByDoubleClick_ && target->GetBounds().Contains(client))
        Fire(target->OnClick);
}

void WinControl::ContextMenu(POINT screen) {
    if (screen.x == -1 && screen.y == -1) return;  // from the keyboard: no control is under the mouse
    POINT client = screen;
    ::ScreenToClient(Handle(), &client);
    GraphicControl* target = ControlAt(client);
    if (target && target->PopupMenu) target->PopupMenu->Popup(Handle(), screen);
}

LRESULT WinControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NOTIFY:
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        // What a native child tells its parent belongs to the control that owns the child.
        if (LRESULT result = 0; NativeControl::Reflect(message, wParam, lParam, result)) return result;
        break;
    case WM_CONTEXTMENU:
        ContextMenu(PointFrom(lParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;  // everything is painted in WM_PAINT
    case WM_PAINT:
        PaintWindow();
        return 0;
    case WM_MOUSEMOVE:
        MouseMoved(PointFrom(lParam));
        return 0;
    case WM_MOUSELEAVE:
        MouseLeft();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        MouseButtonEvent(message, PointFrom(lParam));
        // The system turns a right-button release into WM_CONTEXTMENU.
        return message == WM_RBUTTONUP ? Window::HandleMessage(message, wParam, lParam) : 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != Handle()) pressed_ = nullptr;
        break;
    case WM_WINDOWPOSCHANGED: {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (!(pos->flags & SWP_NOMOVE) || !(pos->flags & SWP_NOSIZE)) {
            RECT rect;
            ::GetWindowRect(Handle(), &rect);
            if (HWND parent = ::GetParent(Handle()); parent && (::GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_CHILD))
                ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
            StoreBounds({rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top});
        }
        if (pos->flags & SWP_SHOWWINDOW) StoreVisible(true);
        if (pos->flags & SWP_HIDEWINDOW) StoreVisible(false);
        break;
    }
    }
    return Window::HandleMessage(message, wParam, lParam);
}
