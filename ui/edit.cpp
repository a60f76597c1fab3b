#include "ui/edit.h"

TEdit::TEdit(std::wstring name) : NativeControl(std::move(name)) {}

void TEdit::CreateParams(NativeWindowParams& params) const {
    params.className = L"EDIT";
    params.style |= ES_LEFT | ES_AUTOHSCROLL;
    params.text = text_;
}

std::wstring TEdit::Text() const {
    if (!Handle()) return text_;
    const int length = ::GetWindowTextLengthW(Handle());
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(Handle(), text.data(), length + 1)));
    return text;
}

void TEdit::SetText(const std::wstring& text) {
    text_ = text;
    if (Handle()) ::SetWindowTextW(Handle(), text.c_str());
}

void TEdit::SetTextColor(COLORREF color) {
    textColor_ = color;
    if (Handle()) ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TEdit::SetSelection(int start, int length) {
    if (!Handle()) return;
    ::SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start + length));
    ::SendMessageW(Handle(), EM_SCROLLCARET, 0, 0);
}

bool TEdit::HandleCommand(WORD code, LRESULT& result) {
    if (code != EN_CHANGE) return false;
    if (OnChange) OnChange();
    result = 0;
    return true;
}

HBRUSH TEdit::HandleCtlColor(HDC dc) {
    ::SetTextColor(dc, textColor_);
    ::SetBkColor(dc, RGB(255, 255, 255));
    return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
}
