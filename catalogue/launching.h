#pragma once
// Starting a file elevated and showing a file's Properties sheet.

#include <windows.h>

#include <string>

// Starts `file` with the "runas" verb; false when the user refuses elevation
// or the file cannot be started. Shows no message of its own.
[[nodiscard]] bool RunAsAdministrator(HWND owner, const std::wstring& file, const std::wstring& parameters);

// Opens the shell's Properties sheet of `path`; failures are ignored.
void ShowFileProperties(const std::wstring& path);
