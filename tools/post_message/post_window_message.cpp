// Posts one message to a top-level window found by class and caption:
//   PostWindowMessage.exe CLASS CAPTION MESSAGE [WPARAM [LPARAM]]
// CAPTION "*" matches any caption; numbers are decimal or 0x hex. The window
// may still be starting, so it is looked for again for up to five seconds.
// Exit codes: 0 posted, 1 no such window, 2 bad arguments, 3 posting failed.
// Scripts use it to open the start menu without synthesising input.

#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <optional>
#include <string>

namespace {

constexpr ULONGLONG kWaitMs = 5000;

std::optional<ULONG_PTR> ParseNumber(const wchar_t* text) {
    wchar_t* end = nullptr;
    const unsigned long long value = std::wcstoull(text, &end, 0);
    if (end == text || *end != L'\0') return std::nullopt;
    return static_cast<ULONG_PTR>(value);
}

HWND WaitForWindow(const wchar_t* className, const wchar_t* caption) {
    const ULONGLONG deadline = ::GetTickCount64() + kWaitMs;
    for (;;) {
        if (HWND window = ::FindWindowW(className, caption)) return window;
        if (::GetTickCount64() >= deadline) return nullptr;
        ::Sleep(50);
    }
}

int Run(int count, wchar_t** args) {
    if (count < 4 || count > 6) return 2;
    const std::optional<ULONG_PTR> message = ParseNumber(args[3]);
    const std::optional<ULONG_PTR> wParam = count > 4 ? ParseNumber(args[4]) : ULONG_PTR{0};
    const std::optional<ULONG_PTR> lParam = count > 5 ? ParseNumber(args[5]) : ULONG_PTR{0};
    if (!message || !wParam || !lParam) return 2;
    const wchar_t* caption = std::wstring_view(args[2]) == L"*" ? nullptr : args[2];

    HWND window = WaitForWindow(args[1], caption);
    if (!window) return 1;
    return ::PostMessageW(window, static_cast<UINT>(*message), static_cast<WPARAM>(*wParam),
                          static_cast<LPARAM>(*lParam))
               ? 0
               : 3;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** args = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!args) return 2;
    const int code = Run(count, args);
    ::LocalFree(args);
    return code;
}
