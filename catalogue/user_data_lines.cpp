#include "catalogue/user_data_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>

namespace {

constexpr int kSecondsPerDay = 86400;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValid(const CivilTime& t) {
    return t.Year >= 1900 && t.Year <= 9999 && t.Month >= 1 && t.Month <= 12 && t.Day >= 1 &&
           t.Day <= DaysInMonth(t.Year, t.Month) && t.Hour >= 0 && t.Hour <= 23 && t.Minute >= 0 &&
           t.Minute <= 59 && t.Second >= 0 && t.Second <= 59;
}

void AppendPadded(std::wstring& out, int value, int width) {
    std::wstring digits = std::to_wstring(value);
    if (digits.size() < static_cast<size_t>(width)) out.append(static_cast<size_t>(width) - digits.size(), L'0');
    out += digits;
}

// Reads `minDigits` to `maxDigits` decimal digits at `pos`.
bool ReadNumber(std::wstring_view text, size_t& pos, size_t minDigits, size_t maxDigits, int& value) {
    size_t count = 0;
    value = 0;
    while (pos < text.size() && count < maxDigits && text[pos] >= L'0' && text[pos] <= L'9') {
        value = value * 10 + (text[pos] - L'0');
        ++pos;
        ++count;
    }
    return count >= minDigits && (pos >= text.size() || text[pos] < L'0' || text[pos] > L'9');
}

bool Expect(std::wstring_view text, size_t& pos, wchar_t c) {
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

bool HasControlCharacter(std::wstring_view text) {
    for (const wchar_t c : text) {
        if (static_cast<std::uint32_t>(c) < 0x20) return true;
    }
    return false;
}

// The path field: everything before the time and count fields.
std::wstring_view PathField(std::wstring_view line, std::wstring_view* time, std::wstring_view* count) {
    const size_t last = line.rfind(L';');
    if (last == std::wstring_view::npos) return line;
    const size_t before = last == 0 ? std::wstring_view::npos : line.rfind(L';', last - 1);
    if (before == std::wstring_view::npos) {
        if (time) *time = line.substr(last + 1);
        return line.substr(0, last);
    }
    if (time) *time = line.substr(before + 1, last - before - 1);
    if (count) *count = line.substr(last + 1);
    return line.substr(0, before);
}

}  // namespace

DateTime CivilToDateTime(const CivilTime& t) {
    if (!IsValid(t)) return 0;
    const int secondOfDay = t.Hour * 3600 + t.Minute * 60 + t.Second;
    return DaysSinceDateTimeEpoch(t.Year, t.Month, t.Day) + static_cast<double>(secondOfDay) / kSecondsPerDay;
}

CivilTime DateTimeToCivil(DateTime value) {
    const long long totalSeconds = std::llround(value * kSecondsPerDay);
    long long days = totalSeconds / kSecondsPerDay;
    long long secondOfDay = totalSeconds % kSecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
        --days;
    }
    // Civil date from a day count (H. Hinnant's algorithm), counted from
    // 1 March of year 0; 30 December 1899 is day 693,899 of that count.
    const long long z = days + 693899;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long dayOfEra = z - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    CivilTime t;
    t.Day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    t.Month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    t.Year = static_cast<int>(yearOfEra + era * 400 + (t.Month <= 2 ? 1 : 0));
    t.Hour = static_cast<int>(secondOfDay / 3600);
    t.Minute = static_cast<int>(secondOfDay / 60 % 60);
    t.Second = static_cast<int>(secondOfDay % 60);
    return t;
}

std::wstring FormatUsageTime(const CivilTime& t) {
    std::wstring out;
    out.reserve(19);
    AppendPadded(out, t.Month, 2);
    out += L'/';
    AppendPadded(out, t.Day, 2);
    out += L'/';
    AppendPadded(out, t.Year, 4);
    out += L' ';
    AppendPadded(out, t.Hour, 2);
    out += L':';
    AppendPadded(out, t.Minute, 2);
    out += L':';
    AppendPadded(out, t.Second, 2);
    return out;
}

std::optional<DateTime> ParseUsageTime(std::wstring_view text) {
    text = TrimBlanks(text);
    CivilTime t;
    size_t pos = 0;
    if (!ReadNumber(text, pos, 1, 2, t.Month) || !Expect(text, pos, L'/') || !ReadNumber(text, pos, 1, 2, t.Day) ||
        !Expect(text, pos, L'/') || !ReadNumber(text, pos, 4, 4, t.Year))
        return std::nullopt;
    if (pos < text.size()) {
        const size_t clock = pos;
        while (pos < text.size() && text[pos] == L' ') ++pos;
        if (pos == clock || !ReadNumber(text, pos, 1, 2, t.Hour) || !Expect(text, pos, L':') ||
            !ReadNumber(text, pos, 1, 2, t.Minute))
            return std::nullopt;
        if (pos < text.size() && (!Expect(text, pos, L':') || !ReadNumber(text, pos, 1, 2, t.Second)))
            return std::nullopt;
        if (pos != text.size()) return std::nullopt;
    }
    if (!IsValid(t)) return std::nullopt;
    return CivilToDateTime(t);
}

UsageLine ParseUsageLine(std::wstring_view line) {
    std::wstring_view time, count;
    const std::wstring_view path = TrimBlanks(PathField(line, &time, &count));
    UsageLine parsed;
    if (!HasControlCharacter(path)) parsed.Path = std::wstring(path);
    // The count only tells whether the line is whole; its value plays no part.
    const bool countReadable = ParseIniInteger(count, 0) == ParseIniInteger(count, 1);
    if (countReadable) parsed.LastRun = ParseUsageTime(time);
    return parsed;
}

std::wstring FormatUsageLine(std::wstring_view path, const CivilTime& startTime) {
    std::wstring line(path);
    line += L';';
    line += FormatUsageTime(startTime);
    line += L";1";
    return line;
}

bool UsageLineIsFor(std::wstring_view line, std::wstring_view path) {
    return !path.empty() && SameName(TrimBlanks(PathField(line, nullptr, nullptr)), path);
}

size_t RemoveUsageLines(std::vector<std::wstring>& lines, std::wstring_view path) {
    const size_t before = lines.size();
    std::erase_if(lines, [path](const std::wstring& line) { return UsageLineIsFor(line, path); });
    return before - lines.size();
}

bool RecordStartInLines(std::vector<std::wstring>& lines, std::wstring_view path, const CivilTime& startTime) {
    if (path.empty() || HasControlCharacter(path) || TrimBlanks(path).size() != path.size()) return false;
    RemoveUsageLines(lines, path);
    lines.insert(lines.begin(), FormatUsageLine(path, startTime));
    return true;
}

std::vector<std::wstring> DecodeUsageFile(std::string_view bytes, const AnsiDecoder& ansi) {
    const bool hasMark = (bytes.size() >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') ||
                                                (bytes[0] == '\xFE' && bytes[1] == '\xFF'))) ||
                         (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF");
    if (hasMark) return SplitLines(DecodeText(bytes, ansi));
    if (bytes.size() >= 2) {
        // Text in UTF-16 has a zero in most high bytes (paths are mostly
        // ASCII) and almost none in the low bytes; ANSI and UTF-8 have none.
        const size_t pairs = std::min<size_t>(bytes.size() / 2, 4096);
        size_t zeroEven = 0, zeroOdd = 0;
        for (size_t i = 0; i < pairs; ++i) {
            zeroEven += bytes[2 * i] == '\0';
            zeroOdd += bytes[2 * i + 1] == '\0';
        }
        const bool little = zeroOdd * 2 > pairs && zeroEven * 8 < pairs;
        const bool big = zeroEven * 2 > pairs && zeroOdd * 8 < pairs;
        if (little || big) {
            std::string marked(little ? "\xFF\xFE" : "\xFE\xFF");
            marked.append(bytes);
            return SplitLines(DecodeText(marked, ansi));
        }
    }
    // Without a mark, text that is valid UTF-8 is taken as UTF-8 (DecodeText
    // falls back to ANSI as a whole when it is not).
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80) return SplitLines(DecodeText("\xEF\xBB\xBF" + std::string(bytes), ansi));
    }
    return SplitLines(DecodeText(bytes, ansi));
}

std::vector<UsageLine> DistinctUsagePaths(const std::vector<std::wstring>& lines) {
    std::vector<UsageLine> distinct;
    // Keyed by views into `lines`, which outlive the map: a large file costs
    // no second copy of its paths.
    std::unordered_map<std::wstring_view, size_t> indexOfPath;
    indexOfPath.reserve(lines.size());
    for (const std::wstring& text : lines) {
        std::wstring_view time, count;
        const std::wstring_view path = TrimBlanks(PathField(text, &time, &count));
        if (path.empty() || HasControlCharacter(path)) continue;
        const auto [found, added] = indexOfPath.try_emplace(path, distinct.size());
        if (added) {
            distinct.push_back(ParseUsageLine(text));
            continue;
        }
        UsageLine& kept = distinct[found->second];
        const std::optional<DateTime> lastRun = ParseUsageLine(text).LastRun;
        if (lastRun && (!kept.LastRun || *lastRun > *kept.LastRun)) kept.LastRun = lastRun;
    }
    return distinct;
}
