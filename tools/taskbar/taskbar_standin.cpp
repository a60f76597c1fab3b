// A desktop taskbar for Linux runs and tests: a visible top-level
// "Shell_TrayWnd" with a "ReBarWindow32" child, at the edge given on the
// command line (bottom, top, left, right; default bottom).
//
// Wine's explorer owns a hidden "Shell_TrayWnd" of its own; this window is
// topmost and created later, so FindWindowW finds it first.
//
// Messages the program under test sends to the band and the tray are written
// to the debug output ("TaskbarStandIn: <window> 0x<msg> <wParam> <lParam>")
// so tests can assert them.

#include <windows.h>

#include <string>

#include "platform/debug_output.h"
#include "taskbar_layout.h"

namespace {

constexpr wchar_t kTrayClass[] = L"Shell_TrayWnd";
constexpr wchar_t kBandClass[] = L"ReBarWindow32";
constexpr COLORREF kTrayColour = RGB(0x1f, 0x2a, 0x36);
constexpr COLORREF kBandColour = RGB(0x2b, 0x3a, 0x4a);
constexpr COLORREF kButtonColour = RGB(0x3d, 0x52, 0x68);

std::wstring Hex(UINT_PTR value) {
    wchar_t text[20];
    wsprintfW(text, L"0x%X", static_cast<unsigned>(value));
    return text;
}

void NoteMessage(const wchar_t* window, UINT message, WPARAM wParam, LPARAM lParam) {
    DebugOut(std::wstring(L"TaskbarStandIn: ") + window + L" " + Hex(message) + L" " + Hex(wParam) + L" " +
             Hex(static_cast<UINT_PTR>(lParam)));
}

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc, &rect, brush);
    ::DeleteObject(brush);
}

// Messages the start menu program sends to the taskbar's windows: WM_USER+1001
// to the band, WM_NULL with lParam 3457 to the tray.
constexpr UINT kBandNotice = WM_USER + 1001;

LRESULT CALLBACK BandProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kBandNotice:
        NoteMessage(kBandClass, message, wParam, lParam);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        RECT client;
        ::GetClientRect(window, &client);
        Fill(dc, client, kBandColour);
        // Two task buttons so a screenshot shows where the band starts.
        const bool horizontal = client.right > client.bottom;
        for (int i = 0; i < 2; ++i) {
            RECT button = horizontal ? RECT{4 + i * 52, 4, 52 + i * 52, client.bottom - 4}
                                     : RECT{4, 4 + i * 44, client.right - 4, 44 + i * 44};
            Fill(dc, button, kButtonColour);
        }
        ::EndPaint(window, &paint);
        return 0;
    }
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK TrayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NULL:
        if (lParam != 0) NoteMessage(kTrayClass, message, wParam, lParam);
        return 0;
    case WM_ERASEBKGND: {
        RECT client;
        ::GetClientRect(window, &client);
        Fill(reinterpret_cast<HDC>(wParam), client, kTrayColour);
        return 1;
    }
    case WM_CLOSE:
        ::DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterWindowClass(const wchar_t* name, WNDPROC proc, HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    return ::RegisterClassExW(&wc) != 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    TaskbarEdge edge = TaskbarEdge::Bottom;
    if (commandLine && *commandLine && !ParseTaskbarEdge(commandLine, edge)) return 2;

    if (!RegisterWindowClass(kTrayClass, TrayProc, instance) || !RegisterWindowClass(kBandClass, BandProc, instance)) return 1;

    const StandInLayout layout =
        LayoutTaskbar(edge, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    const StandInRect& t = layout.tray;
    HWND tray = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kTrayClass, L"", WS_POPUP | WS_CLIPCHILDREN,
                                  t.left, t.top, t.right - t.left, t.bottom - t.top, nullptr, nullptr, instance,
                                  nullptr);
    if (!tray) return 1;
    const StandInRect& b = layout.band;
    if (!::CreateWindowExW(0, kBandClass, L"", WS_CHILD | WS_VISIBLE, b.left, b.top, b.right - b.left,
                           b.bottom - b.top, tray, nullptr, instance, nullptr))
        return 1;
    ::ShowWindow(tray, SW_SHOWNOACTIVATE);
    ::UpdateWindow(tray);

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
