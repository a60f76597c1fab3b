#include "tests/harness/windows.h"

namespace {

struct Search {
    const wchar_t* className;
    const wchar_t* caption;
    DWORD pid;
    HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<Search*>(param);
    if (ClassNameOf(window) != search.className) return TRUE;
    if (search.caption && CaptionOf(window) != search.caption) return TRUE;
    if (search.pid && ProcessOf(window) != search.pid) return TRUE;
    search.found = window;
    return FALSE;
}

}  // namespace

HWND WaitForWindow(const wchar_t* className, const wchar_t* caption, DWORD timeoutMs, DWORD pid) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        Search search{className, caption, pid, nullptr};
        ::EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        if (::GetTickCount64() >= deadline) return nullptr;
        ::Sleep(20);
    }
}

bool WaitForShown(HWND window, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    while (!IsShown(window)) {
        if (!::IsWindow(window) || ::GetTickCount64() >= deadline) return false;
        ::Sleep(20);
    }
    return true;
}

bool WaitForHidden(HWND window, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    while (IsShown(window)) {
        if (::GetTickCount64() >= deadline) return false;
        ::Sleep(20);
    }
    return true;
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    while (::IsWindow(window)) {
        if (::GetTickCount64() >= deadline) return false;
        ::Sleep(20);
    }
    return true;
}

RECT WindowRect(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

bool IsShown(HWND window) { return ::IsWindowVisible(window) != FALSE; }

std::wstring ClassNameOf(HWND window) {
    wchar_t name[256];
    const int length = ::GetClassNameW(window, name, 256);
    return std::wstring(name, length > 0 ? length : 0);
}

std::wstring CaptionOf(HWND window) {
    wchar_t text[512];
    const int length = ::GetWindowTextW(window, text, 512);
    return std::wstring(text, length > 0 ? length : 0);
}

DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    return pid;
}
