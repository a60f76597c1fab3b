// A patterned window over the whole screen, below every other window:
//   ScreenBackdrop.exe
// Under Xvfb there is no desktop picture, and a flat desktop shows nothing of
// the "win7" menu's blurred glass; a checkerboard with hard edges does.
// Runs until the window is closed or the session ends.

#include <windows.h>

namespace {

constexpr wchar_t kClass[] = L"DravixScreenBackdrop";
constexpr int kCell = 40;
constexpr COLORREF kColours[] = {RGB(0xd8, 0x4a, 0x2b), RGB(0xf2, 0xc1, 0x2e), RGB(0x2e, 0x8b, 0x57),
                                 RGB(0x2b, 0x5c, 0xd8)};

void PaintPattern(HDC dc, const RECT& client) {
    HBRUSH brushes[4];
    for (int i = 0; i < 4; ++i) brushes[i] = ::CreateSolidBrush(kColours[i]);
    for (int y = 0; y * kCell < client.bottom; ++y)
        for (int x = 0; x * kCell < client.right; ++x) {
            const RECT cell{x * kCell, y * kCell, (x + 1) * kCell, (y + 1) * kCell};
            ::FillRect(dc, &cell, brushes[(x + 2 * y) % 4]);
        }
    for (HBRUSH brush : brushes) ::DeleteObject(brush);
}

LRESULT CALLBACK BackdropProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        RECT client;
        ::GetClientRect(window, &client);
        PaintPattern(dc, client);
        ::EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = BackdropProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClass;
    if (!::RegisterClassExW(&wc)) return 1;
    // Never active, so it takes no focus from the programs shown above it.
    HWND window = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClass, L"Screen backdrop", WS_POPUP, 0, 0,
                                    ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), nullptr,
                                    nullptr, instance, nullptr);
    if (!window) return 1;
    ::SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}
