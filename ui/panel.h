#pragma once
// TPanel: a windowed container with its own background colour. It paints
// and routes the mouse to the graphic controls inserted into it, and native
// controls can be created in it.

#include <windows.h>

#include <string>

#include "ui/control.h"

class TPanel : public WinControl {
public:
    explicit TPanel(std::wstring name);

    [[nodiscard]] std::wstring_view ClassName() const override { return L"TPanel"; }

    // Creates the window as a child of `parent` at the panel's current bounds
    // and visibility. False on failure, or when the window exists already.
    [[nodiscard]] bool CreateIn(WinControl& parent);

    [[nodiscard]] COLORREF Color() const noexcept { return color_; }
    void SetColor(COLORREF color);

    void SetEnabled(bool enabled) override;

    // Shares the ordering of native controls among the panel's siblings.
    [[nodiscard]] int TabOrder() const noexcept { return tabOrder_; }
    void SetTabOrder(int order);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintBackground(HDC dc, const RECT& client) override;

private:
    COLORREF color_ = ::GetSysColor(COLOR_BTNFACE);
    int tabOrder_ = 0;
};
