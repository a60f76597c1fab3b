#include "startmenu/start_menu_form.h"

#include "app/process_flags.h"
#include "catalogue/window_placement.h"
#include "platform/debug_output.h"
#include "settings/language.h"
#include "startbutton/companion_interface.h"
#include "startbutton/start_button_form.h"

namespace {

constexpr WindowClass kStartMenuClass{companion::dravix::kStartMenuClass, CS_DBLCLKS};
// Fail critical errors, no fault dialog, no open-file error box: a start menu
// must never stop on a system message box.
constexpr UINT kErrorMode = SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX;
constexpr WindowPlacement kDesignPlacement{0, 0, 410, 520};

}  // namespace

bool TQelStartMenuFrm::CreateForm() {
    // A plain top-level window of the desktop, no taskbar button, above normal windows.
    if (!Form::CreateForm(kStartMenuClass, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, WS_POPUP | WS_CLIPCHILDREN,
                          companion::dravix::kStartMenuCaption, kDesignPlacement))
        return false;
    FormCreate();
    return true;
}

void TQelStartMenuFrm::FormCreate() {
    ::SetErrorMode(kErrorMode);
    StartupLoaded = false;
    if (Language) Language->TranslateComponent(*this);
}

void TQelStartMenuFrm::ShowStartMenuForm() {
    DebugOut(L"ShowStartMenuForm");
    MenuShown = true;
    if (frmStartMenu) frmStartMenu->RedrawButton();
    SetVisible(true);
    // The menu lies just below the button and takes the keyboard from
    // whatever was in front.
    if (frmStartMenu)
        ::SetWindowPos(Handle(), frmStartMenu->Handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    BringWindowToFront(Handle());
}

void TQelStartMenuFrm::HideMenu() {
    SetVisible(false);
    MenuShown = false;
    if (frmStartMenu) frmStartMenu->RedrawButton();
}

void TQelStartMenuFrm::BringToFrontIfShown() {
    if (IsVisible()) BringWindowToFront(Handle());
}

LRESULT TQelStartMenuFrm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case companion::dravix::kQuitMessage:
        if (frmStartMenu) frmStartMenu->ExitProgram(true);
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}
