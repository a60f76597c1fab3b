#pragma once
// Files for tests.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

// Writes bytes to a file, replacing it; false when it could not. The folder
// must exist.
bool WriteBytes(const std::wstring& path, std::string_view bytes);
bool WriteBytes(const std::wstring& path, const std::vector<BYTE>& bytes);
