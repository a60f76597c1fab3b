#pragma once
// TfrmStartMenu: the start button over the taskbar, "Kavor_StartMenu_Button".
// The hook program and other programs find it by that class and caption. It
// draws itself as a layered window from one of three pictures (normal, hover,
// pressed), taken from a skin in StartButtonSkin\ or built into the program.

#include <string>

#include "controls/image_note.h"
#include "controls/label.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/timer.h"

class TfrmStartMenu : public Form {
public:
    TfrmStartMenu();
    [[nodiscard]] std::wstring_view ClassName() const override { return L"TfrmStartMenu"; }

    [[nodiscard]] bool CreateForm();

    void LoadButtonSkin();
    void CheckSkinFiles();
    // 0 normal, 1 hover, 2 pressed.
    void DrawButtonState(int state);
    void RedrawButton();
    void ToggleStartMenu();

    // The one orderly way to end the program. With releaseKeys it lets go of
    // both Windows keys and ends the message loop; without, the process keeps
    // running (the watchdog's restart path).
    void ExitProgram(bool releaseKeys);

    TPopupMenu PopupMenu1{L"PopupMenu1"};
    TMenuItem Menu_StartButtonSkin{L"Menu_StartButtonSkin", L"Settings"};
    TMenuItem Menu_StartMenuMetrol{L"Menu_StartMenuMetrol", L"Switch to Metro"};
    TMenuItem Menu_StartButtonRun{L"Menu_StartButtonRun", L"Run..."};
    TMenuItem N2{L"N2", L"-"};
    TMenuItem Menu_Exit{L"Menu_Exit", L"Exit"};
    TImageNote ImageNote_Default{L"ImageNote_Default"};
    TLabel lbl_Event{L"lbl_Event"};
    TTimer Timer1{L"Timer1", 5000, false};

    std::wstring SkinFolder;
    std::wstring SkinName;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormCreate();
    void FormShow();
    bool FormCloseQuery() const;
    void ImageNote_Button1MouseDown(MouseButton button);
    void ImageNote_Button1MouseEnter();
    void ImageNote_Button1MouseLeave();
    void Menu_StartButtonSkinClick();
    void Menu_StartMenuMetrolClick();
    void Menu_StartButtonRunClick();
    void Menu_ExitClick();
    void Timer1Timer();

    // Snaps a proposed position to the taskbar; false without a taskbar.
    bool SnapToTaskbar(int& x, int& y) const;
    std::wstring SkinFile(int state) const;

    DWORD createdExStyle_ = 0;
    bool shownOnce_ = false;
};

inline TfrmStartMenu* frmStartMenu = nullptr;
