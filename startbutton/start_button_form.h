#pragma once
// TfrmStartMenu: the start button over the taskbar, "Kavor_StartMenu_Button".
// The hook program and other programs find it by that class and caption.

#include "ui/form.h"

class TfrmStartMenu : public Form {
public:
    TfrmStartMenu() : Form(L"frmStartMenu") {}
    [[nodiscard]] std::wstring_view ClassName() const override { return L"TfrmStartMenu"; }

    [[nodiscard]] bool CreateForm();

    // The one orderly way to end the program. With releaseKeys it lets go of
    // both Windows keys and ends the message loop; without, the process keeps
    // running (the watchdog's restart path).
    void ExitProgram(bool releaseKeys);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormCreate();
    bool FormCloseQuery() const;
};

inline TfrmStartMenu* frmStartMenu = nullptr;
