#include "keyhook/keyvane_form.h"

#include <cwchar>

#include "platform/debug_output.h"
#include "relaybus.h"
#include "startbutton/companion_interface.h"

namespace {

constexpr WindowClass kKeyvaneClass{companion::keyvane::kWindowClass, CS_DBLCLKS};
constexpr int kClientWidth = 472;
constexpr int kClientHeight = 243;

}  // namespace

void WINAPI OnChannelMessage(const wchar_t* channel, const wchar_t* data, DWORD, DWORD, DWORD) {
    using namespace companion::keyvane;
    if (!channel || !data || std::wcscmp(channel, kEnableChannel) != 0) return;
    if (std::wcscmp(data, kEnableValue) == 0) v_Win_Enable = true;
    else if (std::wcscmp(data, kDisableValue) == 0) v_Win_Enable = false;
}

bool TKeyvaneWin::CreateForm() {
    RECT frame{0, 0, kClientWidth, kClientHeight};
    const DWORD style = WS_OVERLAPPEDWINDOW;
    ::AdjustWindowRectEx(&frame, style, FALSE, 0);
    if (!Form::CreateForm(kKeyvaneClass, 0, style, companion::keyvane::kWindowCaption,
                          {CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top}))
        return false;
    FormCreate();
    return true;
}

void TKeyvaneWin::FormCreate() {
    v_Win_Enable = true;
    DebugOut(L"KeyvaneWin FormCreate");
    // The low-level keyboard hook joins here.
    Server(companion::keyvane::kEnableChannel, &OnChannelMessage);
}

LRESULT TKeyvaneWin::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == companion::keyvane::kHookAliveMessage) return 0;  // accepted, nothing to do
    if (message == WM_CLOSE) {
        ::PostQuitMessage(0);
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}
