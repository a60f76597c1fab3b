#include "platform/debug_output.h"

#include <windows.h>

#include <string>

void DebugOut(std::wstring_view text) {
    const std::wstring terminated(text);
    ::OutputDebugStringW(terminated.c_str());
}
