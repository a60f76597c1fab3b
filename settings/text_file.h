#pragma once
// The settings files on disk: whole-file reads and a write that replaces a
// file only once its new content is completely on disk.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A file (not a folder) at `path`.
[[nodiscard]] bool FileExists(const std::wstring& path);

// Every byte of the file; nullopt when it cannot be opened or read.
[[nodiscard]] std::optional<std::string> ReadFileBytes(const std::wstring& path);

// Bytes in the system's ANSI code page as wide text.
[[nodiscard]] std::wstring DecodeAnsi(std::string_view bytes);

// The file as lines: byte-order mark or ANSI, then CR LF / LF / CR.
[[nodiscard]] std::optional<std::vector<std::wstring>> LoadTextLines(const std::wstring& path);

// Writes `bytes` to "<path>.tmp" in the same folder, flushed to disk, then
// moves it over `path`. On any failure `path` keeps its old content, the
// temporary file is removed and the result is false. The folder must exist.
[[nodiscard]] bool ReplaceFileContents(const std::wstring& path, std::string_view bytes);
