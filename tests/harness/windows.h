#pragma once
// Finding and reading top-level windows of programs under test.

#include <windows.h>

#include <string>

inline constexpr DWORD kDefaultWindowTimeoutMs = 10000;

// The first top-level window of that class and caption (nullptr: any caption),
// optionally owned by process `pid`; nullptr when none appears in time.
HWND WaitForWindow(const wchar_t* className, const wchar_t* caption, DWORD timeoutMs = kDefaultWindowTimeoutMs,
                   DWORD pid = 0);

// True once `window` is visible (a window is found while it is still being
// created, before it shows), false when it is not visible after the timeout.
bool WaitForShown(HWND window, DWORD timeoutMs = kDefaultWindowTimeoutMs);

// True once `window` is hidden (or gone), false when it still shows after the timeout.
bool WaitForHidden(HWND window, DWORD timeoutMs = kDefaultWindowTimeoutMs);

// True once `window` is gone, or false when it still exists after the timeout.
bool WaitForWindowGone(HWND window, DWORD timeoutMs = kDefaultWindowTimeoutMs);

RECT WindowRect(HWND window);
bool IsShown(HWND window);
std::wstring ClassNameOf(HWND window);
std::wstring CaptionOf(HWND window);
DWORD ProcessOf(HWND window);
