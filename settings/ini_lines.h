#pragma once
// Helpers on the name=value lines both in-memory parsers keep per section.

#include <string>
#include <string_view>
#include <vector>

namespace ini_lines {

// The part before the first "=", or nothing for a line without one.
[[nodiscard]] std::wstring_view NameOf(std::wstring_view line);

// Index of the first line whose name equals `key` (ASCII case folded); lines
// without "=" never match. -1 when there is none.
[[nodiscard]] long FindKey(const std::vector<std::wstring>& lines, std::wstring_view key);

// The value of the line at `index` for `key`: the line from position
// length(key)+2 on, i.e. what follows the key and its "=".
[[nodiscard]] std::wstring ValueAfterKey(const std::wstring& line, std::wstring_view key);

// A trimmed, non-comment line split at its first "=" with blanks around both
// halves removed; a line without "=" stays as it is.
[[nodiscard]] std::wstring Normalise(std::wstring_view trimmedLine);

void SetKey(std::vector<std::wstring>& lines, std::wstring_view key, std::wstring_view value);
void DeleteKey(std::vector<std::wstring>& lines, std::wstring_view key);
void Names(const std::vector<std::wstring>& lines, std::vector<std::wstring>& names);

}  // namespace ini_lines
