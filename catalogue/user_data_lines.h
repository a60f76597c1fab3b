#pragma once
// UserData.ini, the menu's own record of the programs it started. Despite the
// name it is no ini file: UTF-16 LE with a byte-order mark, CR LF, newest
// line first, one line per path:
//     C:\Path\Program.lnk;03/04/2013 09:05:07;1
// (month/day/year, 24-hour clock, local time; the count is always 1).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/dos_date_time.h"  // DateTime
#include "settings/ini_text.h"        // AnsiDecoder

// A local calendar time to the second.
struct CivilTime {
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
    friend bool operator==(const CivilTime&, const CivilTime&) = default;
};

// 0 when the fields name no real time, or one before 1900 or after 9999.
[[nodiscard]] DateTime CivilToDateTime(const CivilTime& time);
// The calendar time of a date-time value, to the nearest second.
[[nodiscard]] CivilTime DateTimeToCivil(DateTime value);

// "mm/dd/yyyy hh:mm:ss".
[[nodiscard]] std::wstring FormatUsageTime(const CivilTime& time);
// Reads the pattern back. Leniently, as hand-edited files need: one or two
// digits for month, day and the clock fields, blanks around, and the seconds
// or the whole clock may be left out. nullopt when it names no real time.
[[nodiscard]] std::optional<DateTime> ParseUsageTime(std::wstring_view text);

struct UsageLine {
    // Empty when the line names no usable path.
    std::wstring Path;
    // nullopt when the time or the count cannot be read.
    std::optional<DateTime> LastRun;
};

// The two last ";"-fields are the time and the count, so a path may itself
// contain ";". A line without ";" is a path alone, with no time.
[[nodiscard]] UsageLine ParseUsageLine(std::wstring_view line);
[[nodiscard]] std::wstring FormatUsageLine(std::wstring_view path, const CivilTime& startTime);

// True when the line belongs to `path` (same path field; ASCII case folded,
// as the file system does).
[[nodiscard]] bool UsageLineIsFor(std::wstring_view line, std::wstring_view path);

// Removes every line that belongs to `path`; returns how many went.
size_t RemoveUsageLines(std::vector<std::wstring>& lines, std::wstring_view path);
// Puts a new line for `path` first and drops its older lines; every other
// line stays as it was, in its place. False (and nothing changed) for a path
// that a line cannot hold (empty, or with a line break or control character).
[[nodiscard]] bool RecordStartInLines(std::vector<std::wstring>& lines, std::wstring_view path,
                                      const CivilTime& startTime);

// The file's bytes as lines. Besides what DecodeText knows (byte-order marks,
// UTF-8, ANSI), UTF-16 without a mark is recognised by its zero bytes, so a
// file written by another tool keeps its text when it is rewritten.
[[nodiscard]] std::vector<std::wstring> DecodeUsageFile(std::string_view bytes,
                                                        const AnsiDecoder& ansi = DecodeWindows1252);

// One entry per distinct path in the order of first appearance (newest
// first in a well-kept file), with the latest time of its lines. Lines with
// no usable path are left out.
[[nodiscard]] std::vector<UsageLine> DistinctUsagePaths(const std::vector<std::wstring>& lines);
