#pragma once
// Other processes by executable file name (compared without regard to case).

#include <string_view>

// True when a process with that file name runs.
bool IsProcessRunning(std::wstring_view exeName);

// Ends every process with that file name; true when at least one was ended.
bool KillProcessByName(std::wstring_view exeName);
