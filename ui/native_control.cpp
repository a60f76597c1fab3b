#include "ui/native_control.h"

#include <commctrl.h>

#include "ui/tab_order.h"

namespace {

// One subclass id for every native control; the reference data is the control.
constexpr UINT_PTR kSubclassId = 0x44525658;  // "DRVX"
// The parent finds the control through this property of its window (the
// import libraries lack GetWindowSubclass).
constexpr wchar_t kControlProperty[] = L"Dravix.NativeControl";

// Children get distinct ids, so a parent that does its own WM_COMMAND routing can tell them apart.
int NextControlId() noexcept {
    static int next = 1000;
    return next++;
}

}  // namespace

NativeControl::~NativeControl() { hwnd_.reset(); }

bool NativeControl::CreateIn(WinControl& parent) {
    if (hwnd_ || !parent.Handle()) return false;
    NativeWindowParams params;
    params.style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP;
    CreateParams(params);
    if (!params.className) return false;
    if (IsVisible()) params.style |= WS_VISIBLE;
    if (!IsEnabled()) params.style |= WS_DISABLED;

    const Bounds& bounds = GetBounds();
    HWND window = ::CreateWindowExW(params.exStyle, params.className, params.text.c_str(), params.style, bounds.left,
                                    bounds.top, bounds.width, bounds.height, parent.Handle(),
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextControlId())), ModuleInstance(),
                                    nullptr);
    hwnd_.reset(window);
    if (!hwnd_) return false;
    if (!::SetWindowSubclass(window, SubclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this)) ||
        !::SetPropW(window, kControlProperty, this)) {
        hwnd_.reset();
        return false;
    }
    parent_ = &parent;
    SetFont(GetFont());
    PlaceInTabOrder(window, tabOrder_);
    Created();
    return true;
}

void NativeControl::SetBounds(const Bounds& bounds) {
    if (hwnd_ && bounds == GetBounds()) return;  // only this control moves its window
    StoreBounds(bounds);
    if (hwnd_)
        ::SetWindowPos(hwnd_.get(), nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
                       SWP_NOZORDER | SWP_NOACTIVATE);
}

void NativeControl::SetVisible(bool visible) {
    StoreVisible(visible);
    if (hwnd_ && visible != HasVisibleStyle(hwnd_.get()))
        ::ShowWindow(hwnd_.get(), visible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void NativeControl::SetEnabled(bool enabled) {
    Control::SetEnabled(enabled);
    if (hwnd_) ::EnableWindow(hwnd_.get(), enabled);
}

void NativeControl::SetFont(const Font& font) {
    Control::SetFont(font);
    if (!hwnd_) return;
    UniqueHfont created = CreateFontHandle(font);
    if (!created) return;
    ::SendMessageW(hwnd_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(created.get()), TRUE);
    font_ = std::move(created);  // the window has let go of the previous font
}

void NativeControl::SetTabOrder(int order) {
    tabOrder_ = order;
    if (hwnd_) PlaceInTabOrder(hwnd_.get(), order);
}

bool NativeControl::SetFocus() {
    if (!hwnd_) return false;
    ::SetFocus(hwnd_.get());
    return Focused();
}

bool NativeControl::Focused() const {
    if (!hwnd_) return false;
    HWND focus = ::GetFocus();
    return focus && (focus == hwnd_.get() || ::IsChild(hwnd_.get(), focus));
}

NativeControl* NativeControl::FromHandle(HWND window) noexcept {
    // Only windows of this thread can be ours; a property of another process's window means nothing here.
    if (!window || ::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId()) return nullptr;
    return static_cast<NativeControl*>(::GetPropW(window, kControlProperty));
}

bool NativeControl::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) noexcept {
    try {
        switch (message) {
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            NativeControl* control = header ? FromHandle(header->hwndFrom) : nullptr;
            return control && control->HandleNotify(*header, result);
        }
        case WM_COMMAND: {
            NativeControl* control = FromHandle(reinterpret_cast<HWND>(lParam));  // 0 for menus and accelerators
            return control && control->HandleCommand(HIWORD(wParam), result);
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC: {
            NativeControl* control = FromHandle(reinterpret_cast<HWND>(lParam));
            HBRUSH brush = control ? control->HandleCtlColor(reinterpret_cast<HDC>(wParam)) : nullptr;
            if (!brush) return false;
            result = reinterpret_cast<LRESULT>(brush);
            return true;
        }
        }
    } catch (...) {
        // A failing handler leaves the message to the default.
    }
    return false;
}

bool NativeControl::HandleNotify(NMHDR&, LRESULT&) { return false; }

bool NativeControl::HandleCommand(WORD, LRESULT&) { return false; }

HBRUSH NativeControl::HandleCtlColor(HDC) { return nullptr; }

LRESULT NativeControl::ControlMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefSubclassProc(hwnd_.get(), message, wParam, lParam);
}

LRESULT CALLBACK NativeControl::SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                  DWORD_PTR self) noexcept {
    auto* control = reinterpret_cast<NativeControl*>(self);
    if (message == WM_NCDESTROY) {
        // Destroyed with its parent, or by the control itself: either way the handle is gone.
        ForgetTabOrder(window);
        ::RemovePropW(window, kControlProperty);
        ::RemoveWindowSubclass(window, SubclassProcedure, kSubclassId);
        if (control->hwnd_.get() == window) (void)control->hwnd_.release();
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
    try {
        return control->ControlMessage(message, wParam, lParam);
    } catch (...) {
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
}
