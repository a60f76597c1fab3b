#pragma once
// Other processes by executable name, compared upper-cased.

#include <string_view>

// True when a process of that executable name runs (this one included).
[[nodiscard]] bool IsProcessRunning(std::wstring_view exeName);

// Terminates (exit code 0) every process whose executable file name, or whose
// whole executable entry, equals `exeNameOrPath`. Answers whether the last
// termination succeeded; false when no process matched.
bool KillProcessByName(std::wstring_view exeNameOrPath);
