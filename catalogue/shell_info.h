#pragma once
// What the shell shows for a file: its icon in the system image list and its
// display name (which follows Explorer's setting for known extensions).

#include <string>

#include "catalogue/file_names.h"  // IsExecutableFile

// Index into the system image list (the small and large lists share indexes);
// 0 when the shell cannot tell.
[[nodiscard]] int GetSystemIconIndex(const std::wstring& path, bool large, bool open);

// The shell's display name of a file or folder, at most 260 characters.
[[nodiscard]] std::wstring GetShellDisplayName(const std::wstring& path);
