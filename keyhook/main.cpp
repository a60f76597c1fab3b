// Keyvane: the Windows-key hook program. It has no user interface: one
// hidden window, its channel registration and the message loop.
#include <windows.h>

#include "keyhook/keyvane_form.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    TKeyvaneWin window;
    if (!window.CreateForm()) return 1;
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
