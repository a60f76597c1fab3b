#pragma once
// Text handling at the edge of the settings files: bytes to wide text and
// back, line splitting, the integer rule of ini values and the data-folder
// rule. Nothing here touches the disk, so it is shared by the Windows build
// and the native tests.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Turns bytes in the system's ANSI code page into wide text. The Windows
// build passes MultiByteToWideChar(CP_ACP); portable code uses Windows-1252.
using AnsiDecoder = std::function<std::wstring(std::string_view bytes)>;

// Windows-1252 (the Western ANSI code page); the five unassigned bytes map to
// the C1 control of the same value, as Windows does.
[[nodiscard]] std::wstring DecodeWindows1252(std::string_view bytes);

// Bytes of a text file to wide text: a UTF-8, UTF-16 LE or UTF-16 BE byte-order
// mark selects that encoding (the mark itself is dropped); anything else is
// ANSI. Never fails: a UTF-8 file with broken sequences falls back to ANSI
// as a whole (so a file mislabelled by an editor keeps every byte), an odd
// trailing byte of UTF-16 is dropped, and unpaired surrogates become U+FFFD
// where wchar_t holds whole code points.
[[nodiscard]] std::wstring DecodeText(std::string_view bytes, const AnsiDecoder& ansi = DecodeWindows1252);

// Splits at CR LF, LF or CR. A line break at the very end does not start an
// extra empty line, so lines written with a break after each come back as
// they were.
[[nodiscard]] std::vector<std::wstring> SplitLines(std::wstring_view text);

// The lines as UTF-16 little-endian with a byte-order mark, each line ended
// by CR LF.
[[nodiscard]] std::string EncodeUtf16LeWithBom(const std::vector<std::wstring>& lines);

// Removes characters up to and including the blank at both ends (blanks and
// control characters), the trimming rule of the ini parsers.
[[nodiscard]] std::wstring_view TrimBlanks(std::wstring_view text);

// Equality of names with ASCII letters folded; section and key names of the
// program's files are ASCII, and folding only ASCII keeps the result the same
// on every platform.
[[nodiscard]] bool SameName(std::wstring_view a, std::wstring_view b);
[[nodiscard]] std::wstring FoldName(std::wstring_view name);

// The integer rule of ini values (as Delphi's StrToIntDef after the ini
// class's "0x" rewrite): optional blanks, optional sign, then decimal digits,
// or hexadecimal after "$", "0x" or "0X". Decimal must fit a signed 32-bit
// value; hexadecimal may use all 32 bits and wraps ("$FFFFFFFF" is -1).
// Anything else, including trailing characters, gives `fallback`.
[[nodiscard]] int ParseIniInteger(std::wstring_view text, int fallback);

// The per-user data folder for a given USERPROFILE value: trimmed, a
// backslash added when missing, then the product's own path. An empty
// profile leaves the relative path alone.
[[nodiscard]] std::wstring DataFolderFor(std::wstring_view userProfile);
