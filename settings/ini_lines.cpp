#include "settings/ini_lines.h"

#include "settings/ini_text.h"

namespace ini_lines {

std::wstring_view NameOf(std::wstring_view line) {
    const size_t equals = line.find(L'=');
    return equals == std::wstring_view::npos ? std::wstring_view{} : line.substr(0, equals);
}

long FindKey(const std::vector<std::wstring>& lines, std::wstring_view key) {
    for (size_t i = 0; i < lines.size(); ++i) {
        const size_t equals = lines[i].find(L'=');
        if (equals != std::wstring::npos && SameName(std::wstring_view(lines[i]).substr(0, equals), key)) {
            return static_cast<long>(i);
        }
    }
    return -1;
}

std::wstring ValueAfterKey(const std::wstring& line, std::wstring_view key) {
    const size_t start = key.size() + 1;
    return start < line.size() ? line.substr(start) : std::wstring{};
}

std::wstring Normalise(std::wstring_view trimmedLine) {
    const size_t equals = trimmedLine.find(L'=');
    if (equals == std::wstring_view::npos) return std::wstring(trimmedLine);
    std::wstring line(TrimBlanks(trimmedLine.substr(0, equals)));
    line.push_back(L'=');
    line += TrimBlanks(trimmedLine.substr(equals + 1));
    return line;
}

void SetKey(std::vector<std::wstring>& lines, std::wstring_view key, std::wstring_view value) {
    std::wstring line(key);
    line.push_back(L'=');
    line += value;
    const long index = FindKey(lines, key);
    if (index >= 0) {
        lines[static_cast<size_t>(index)] = std::move(line);
    } else {
        lines.push_back(std::move(line));
    }
}

void DeleteKey(std::vector<std::wstring>& lines, std::wstring_view key) {
    const long index = FindKey(lines, key);
    if (index >= 0) lines.erase(lines.begin() + index);
}

void Names(const std::vector<std::wstring>& lines, std::vector<std::wstring>& names) {
    names.clear();
    names.reserve(lines.size());
    for (const std::wstring& line : lines) names.emplace_back(NameOf(line));
}

}  // namespace ini_lines
