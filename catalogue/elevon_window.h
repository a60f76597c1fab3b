#pragma once
// The elevation companion's window, when that program runs.

#include <windows.h>

// nullptr when the companion is not running.
[[nodiscard]] HWND FindElevonWindow();
