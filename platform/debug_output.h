#pragma once
// Fixed texts written to the debugger output are part of the program's
// observable behaviour (tests read them back): keep them exact.

#include <string_view>

void DebugOut(std::wstring_view text);
