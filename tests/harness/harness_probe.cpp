// A program for the harness's own tests. Its arguments are steps, done in order:
//   say:TEXT            write TEXT to the debug output
//   window:CLASS:TITLE  create a visible top-level window
//   act:exit|power|lock|keys   make a call through the system-actions seam
//   exit:N              end at once with exit code N
// With a window it then runs until the window is closed (exit code 7),
// otherwise it ends with exit code 0.

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/debug_output.h"
#include "platform/system_actions.h"

namespace {

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(7);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

bool CreateProbeWindow(const std::wstring& spec, HINSTANCE instance) {
    const std::size_t colon = spec.find(L':');
    const std::wstring className = spec.substr(0, colon);
    const std::wstring title = colon == std::wstring::npos ? L"" : spec.substr(colon + 1);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = instance;
    wc.lpszClassName = className.c_str();
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    ::RegisterClassExW(&wc);
    return ::CreateWindowExW(0, className.c_str(), title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 120, 300, 200,
                             nullptr, nullptr, instance, nullptr) != nullptr;
}

void Act(const std::wstring& what) {
    SystemActions& actions = Actions();
    if (what == L"exit") (void)actions.ExitWindowsEx(EWX_SHUTDOWN, 0xFFFF);
    else if (what == L"power") (void)actions.SetSystemPowerState(true, false);
    else if (what == L"lock") (void)actions.LockWorkStation();
    else if (what == L"keys") {
        actions.KeyEvent(VK_LWIN, 0, 0, 0);
        actions.KeyEvent(VK_LWIN, 0, KEYEVENTF_KEYUP, 0);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** args = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    bool hasWindow = false;
    for (int i = 1; i < count; ++i) {
        const std::wstring arg = args[i];
        const std::size_t colon = arg.find(L':');
        const std::wstring verb = arg.substr(0, colon);
        const std::wstring rest = colon == std::wstring::npos ? L"" : arg.substr(colon + 1);
        if (verb == L"say") DebugOut(rest);
        else if (verb == L"window") hasWindow = CreateProbeWindow(rest, instance) || hasWindow;
        else if (verb == L"act") Act(rest);
        else if (verb == L"exit") return _wtoi(rest.c_str());
    }
    ::LocalFree(args);
    if (!hasWindow) return 0;

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
