#pragma once
// TEdit: a single-line edit without a border. Its text is the user's input,
// so it is no captioned component: the language files never translate it.

#include <windows.h>

#include <functional>
#include <string>

#include "ui/native_control.h"

class TEdit : public NativeControl {
public:
    explicit TEdit(std::wstring name);

    [[nodiscard]] std::wstring_view ClassName() const override { return L"TEdit"; }

    [[nodiscard]] std::wstring Text() const;
    void SetText(const std::wstring& text);

    // Drawn on white.
    [[nodiscard]] COLORREF TextColor() const noexcept { return textColor_; }
    void SetTextColor(COLORREF color);

    // Selects `length` characters from `start`; with 0 only puts the caret there.
    void SetSelection(int start, int length);

    // The text changed, by the user or by SetText.
    std::function<void()> OnChange;

protected:
    void CreateParams(NativeWindowParams& params) const override;
    bool HandleCommand(WORD code, LRESULT& result) override;
    HBRUSH HandleCtlColor(HDC dc) override;

private:
    std::wstring text_;  // until the window exists
    COLORREF textColor_ = ::GetSysColor(COLOR_WINDOWTEXT);
};
