// A receiver for the channel tests. It registers every channel named on its
// command line with Relaybus.dll, then writes "RelayReceiverProbe ready" to the
// debug output, and for each string received writes
//   RelayReceiverProbe: <channel> <data>
// The debug output carries ANSI text, so in <data> every character outside
// printable ASCII, and the backslash, is written as \xHHHH (four hex digits).
// It runs until its hidden window (class and caption "RelayReceiverProbe") is
// closed, then ends with exit code 0; a failed registration ends it with 2.

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/debug_output.h"
#include "relaybus.h"

namespace {

constexpr wchar_t kProbeName[] = L"RelayReceiverProbe";

std::wstring Escaped(const wchar_t* data) {
    static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    std::wstring text;
    for (const wchar_t* c = data; *c; ++c) {
        const auto unit = static_cast<unsigned>(*c);
        if (unit >= 0x20 && unit < 0x7F && unit != L'\\') {
            text.push_back(*c);
            continue;
        }
        text += L"\\x";
        for (int shift = 12; shift >= 0; shift -= 4) text.push_back(kHex[(unit >> shift) & 0xF]);
    }
    return text;
}

void WINAPI OnChannelMessage(const wchar_t* channel, const wchar_t* data, DWORD, DWORD, DWORD) {
    DebugOut(std::wstring(kProbeName) + L": " + channel + L" " + Escaped(data));
}

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

bool CreateProbeWindow(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = instance;
    wc.lpszClassName = kProbeName;
    if (!::RegisterClassExW(&wc)) return false;
    return ::CreateWindowExW(0, kProbeName, kProbeName, WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, instance,
                             nullptr) != nullptr;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** args = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!args) return 2;
    bool registered = true;
    for (int i = 1; i < count; ++i) registered = Server(args[i], OnChannelMessage) && registered;
    ::LocalFree(args);
    if (!registered || !CreateProbeWindow(instance)) return 2;
    DebugOut(std::wstring(kProbeName) + L" ready");

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
