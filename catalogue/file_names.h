#pragma once
// File-name pieces as the shell utilities need them. A path's extension is
// what follows the last dot of its last component.

#include <string>
#include <string_view>

// ".lnk" for "C:\a\b.lnk", "" when the last component has no dot.
[[nodiscard]] std::wstring_view ExtractFileExt(std::wstring_view path);
// The folder part with its trailing separator ("C:\a\" for "C:\a\b.exe").
[[nodiscard]] std::wstring_view ExtractFilePath(std::wstring_view path);
// The last component ("b.exe" for "C:\a\b.exe").
[[nodiscard]] std::wstring_view ExtractFileName(std::wstring_view path);

// Extension comparison without regard to the case of ASCII letters;
// `extension` includes the dot.
[[nodiscard]] bool HasExtension(std::wstring_view path, std::wstring_view extension);

// True for a ".exe" file, whatever the case of the extension.
[[nodiscard]] bool IsExecutableFile(std::wstring_view path);
