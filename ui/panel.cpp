#include "ui/panel.h"

#include "ui/tab_order.h"

TPanel::TPanel(std::wstring name) : WinControl(std::move(name)) {}

bool TPanel::CreateIn(WinControl& parent) {
    if (Handle() || !parent.Handle()) return false;
    static constexpr WindowClass kClass{L"TPanel"};
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (IsVisible()) style |= WS_VISIBLE;
    if (!IsEnabled()) style |= WS_DISABLED;
    const Bounds& bounds = GetBounds();
    // A control parent: dialog navigation goes on into the controls inside.
    if (!Create(kClass, WS_EX_CONTROLPARENT, style, L"", {bounds.left, bounds.top, bounds.width, bounds.height},
                parent.Handle()))
        return false;
    parent_ = &parent;
    PlaceInTabOrder(Handle(), tabOrder_);
    return true;
}

void TPanel::SetColor(COLORREF color) {
    if (color == color_) return;
    color_ = color;
    if (Handle()) ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TPanel::SetEnabled(bool enabled) {
    WinControl::SetEnabled(enabled);
    if (Handle()) ::EnableWindow(Handle(), enabled);
}

void TPanel::SetTabOrder(int order) {
    tabOrder_ = order;
    if (Handle()) PlaceInTabOrder(Handle(), order);
}

void TPanel::PaintBackground(HDC dc, const RECT& client) {
    UniqueHbrush brush(::CreateSolidBrush(color_));
    ::FillRect(dc, &client, brush.get());
}

LRESULT TPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) ForgetTabOrder(Handle());
    return WinControl::HandleMessage(message, wParam, lParam);
}
