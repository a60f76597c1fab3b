#pragma once
// TKeyvaneWin: the hook program's window, never shown. It owns the program's
// registration on the channel through which Dravix switches the Windows-key
// handling off and on.

#include "ui/form.h"

// Whether the program acts on the Windows keys; the channel switches it.
inline bool v_Win_Enable = false;

class TKeyvaneWin : public Form {
public:
    TKeyvaneWin() : Form(L"KeyvaneWin") {}
    [[nodiscard]] std::wstring_view ClassName() const override { return L"TKeyvaneWin"; }

    [[nodiscard]] bool CreateForm();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormCreate();
};

// The channel's callback: "Enable" and "DisEnable" on "KeyvaneWinEnable_Name"
// (compared exactly); anything else is ignored.
void WINAPI OnChannelMessage(const wchar_t* channel, const wchar_t* data, DWORD, DWORD, DWORD);
