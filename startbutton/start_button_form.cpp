#include "startbutton/start_button_form.h"

#include "app/application.h"
#include "app/process_flags.h"
#include "platform/system_actions.h"
#include "settings/language.h"
#include "startbutton/companion_interface.h"
#include "startbutton/companions.h"

namespace {

constexpr WindowClass kStartButtonClass{companion::dravix::kStartButtonClass, CS_DBLCLKS};
constexpr int kButtonSize = 54;
constexpr BYTE kNumpad1 = 0x61;

}  // namespace

bool TfrmStartMenu::CreateForm() {
    // No taskbar button and no Alt+Tab entry; drawn as a layered window.
    if (!Form::CreateForm(kStartButtonClass, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, WS_POPUP, companion::dravix::kStartButtonCaption,
                {0, 0, kButtonSize, kButtonSize}))
        return false;
    FormCreate();
    return true;
}

void TfrmStartMenu::FormCreate() {
    AllowClose = false;
    const LONG_PTR exStyle = ::GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    ::SetWindowLongPtrW(Handle(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    if (Language) Language->TranslateComponent(*this);
}

bool TfrmStartMenu::FormCloseQuery() const { return AllowClose; }

void TfrmStartMenu::ExitProgram(bool releaseKeys) {
    AllowClose = true;
    StopCompanions();
    if (!releaseKeys) return;
    // Numpad 1 goes down around the Windows-key releases so the system never
    // sees a lone Windows-key press (which would open its start screen).
    SystemActions& actions = Actions();
    actions.KeyEvent(kNumpad1, 0, 0, 0);
    actions.KeyEvent(VK_LWIN, 0, KEYEVENTF_KEYUP, 0);
    actions.KeyEvent(VK_RWIN, 0, KEYEVENTF_KEYUP, 0);
    actions.KeyEvent(kNumpad1, 0, KEYEVENTF_KEYUP, 0);
    if (App) App->Terminate();
}

LRESULT TfrmStartMenu::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        // Alt+F4 and every other close request is refused unless the program is ending.
        if (FormCloseQuery()) SetVisible(false);
        return 0;
    case WM_QUERYENDSESSION:
        AllowClose = true;
        return TRUE;
    case WM_ENDSESSION:
        AllowClose = true;
        return TRUE;
    }
    return Form::HandleMessage(message, wParam, lParam);
}
