#include "app/main_form.h"

#include "app/application.h"
#include "app/process_flags.h"
#include "startmenu/start_menu_form.h"

namespace {

constexpr WindowClass kMainFormClass{L"TfrmMainForm", CS_DBLCLKS};
constexpr int kClientWidth = 472;
constexpr int kClientHeight = 243;

}  // namespace

bool TfrmMainForm::CreateForm() {
    RECT frame{0, 0, kClientWidth, kClientHeight};
    const DWORD style = WS_OVERLAPPEDWINDOW;
    ::AdjustWindowRectEx(&frame, style, FALSE, 0);
    if (!Form::CreateForm(kMainFormClass, 0, style, L"frmMainForm",
                {CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top}))
        return false;
    FormCreate();
    return true;
}

void TfrmMainForm::FormCreate() {
    // The pinned-programs folder watcher joins here with the pinned list.
}

void TfrmMainForm::FormClose() {}

LRESULT TfrmMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATEAPP:
        // A click into another program closes the menu.
        if (wParam == FALSE && App && !App->Terminated() && QelStartMenuFrm && QelStartMenuFrm->HandleAllocated())
            QelStartMenuFrm->HideMenu();
        return Form::HandleMessage(message, wParam, lParam);
    case WM_QUERYENDSESSION:
        AllowClose = true;
        return TRUE;
    case WM_ENDSESSION:
        AllowClose = true;
        if (wParam && App) App->Terminate();
        return 0;
    case WM_SYSCOMMAND:
        return 0;  // never minimised, restored, moved or closed by the system menu
    case WM_CLOSE:
        FormClose();
        if (App) App->Terminate();
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}
