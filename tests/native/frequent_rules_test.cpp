// The frequent list's rules without the registry or the disk: UserAssist
// names and data, FolderDescriptions chains, UserData.ini lines and times,
// merging and ordering, and the rows the menu shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "catalogue/use_program_list.h"
#include "catalogue/user_assist_name.h"
#include "catalogue/user_data_lines.h"
#include "settings/ini_text.h"

namespace {

std::string Show(std::wstring_view text) { return testing::PrintToString(std::wstring(text)); }

// Little-endian UTF-16 bytes of ASCII/BMP text, optionally big-endian.
std::string Utf16Bytes(std::wstring_view text, bool bigEndian = false) {
    std::string bytes;
    for (const wchar_t c : text) {
        const char low = static_cast<char>(c & 0xFF), high = static_cast<char>((c >> 8) & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

const KnownFolderResolver kStartMenus = [](std::wstring_view guid) -> std::wstring {
    static const std::map<std::wstring, std::wstring> folders = {
        {L"{A77F5D77-2E2B-44C3-A6A2-ABA601054A51}", L"C:\\Users\\u\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\"},
        {L"{0139D44E-6AFE-49F2-8690-3DAFCAE6FFB8}", L"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\"},
    };
    for (const auto& [id, folder] : folders) {
        if (SameName(id, guid)) return folder;
    }
    return {};
};

}  // namespace

TEST(UserAssistName, Rot13MovesOnlyAsciiLettersAndUndoesItself) {
    struct Case {
        const wchar_t* plain;
        const wchar_t* encoded;
    } const cases[] = {
        {L"C:\\Program Files\\Editor\\editor.lnk", L"P:\\Cebtenz Svyrf\\Rqvgbe\\rqvgbe.yax"},
        {L"abcxyzABCXYZ", L"nopklmNOPKLM"},
        {L"0123 {}-_:\\.;\u00e9\u00c9\u4e2d", L"0123 {}-_:\\.;\u00e9\u00c9\u4e2d"},
        {L"", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Rot13(c.plain), c.encoded) << Show(c.plain);
        EXPECT_EQ(Rot13(c.encoded), c.plain) << Show(c.plain);
    }
}

TEST(UserAssistName, DecodesDrivePathsAndStartMenuKnownFolders) {
    const std::wstring userPrograms = kStartMenus(L"{A77F5D77-2E2B-44C3-A6A2-ABA601054A51}");
    const std::wstring commonPrograms = kStartMenus(L"{0139D44E-6AFE-49F2-8690-3DAFCAE6FFB8}");
    struct Case {
        const char* name;
        std::wstring encoded;
        std::wstring expected;
    } const cases[] = {
        {"drive path", L"P:\\Cebtenz Svyrf\\Rqvgbe\\rqvgbe.yax", L"C:\\Program Files\\Editor\\editor.lnk"},
        {"prefix before the drive letter is cut", L"HRZR_EHACNGU:P:\\Gbbyf\\Tb.rkr", L"C:\\Tools\\Go.exe"},
        {"user programs folder", L"{N77S5Q77-2R2O-44P3-N6N2-NON601054N51}\\Npprffbevrf\\Cnvag.yax",
         userPrograms + L"Accessories\\Paint.lnk"},
        {"common programs folder", L"{0139Q44R-6NSR-49S2-8690-3QNSPNR6SSO8}\\Tnzrf\\Purff.yax",
         commonPrograms + L"Games\\Chess.lnk"},
        {"guid alone names the folder", L"{0139Q44R-6NSR-49S2-8690-3QNSPNR6SSO8}", commonPrograms},
        {"explorer shortcut is never listed",
         L"{n77s5q77-2r2o-44p3-n6n2-non601054n51}\\Npprffbevrf\\Jvaqbjf Rkcybere.yax", L""},
        {"explorer shortcut by drive path", Rot13(userPrograms + L"WINDOWS EXPLORER.LNK"), L""},
        {"known folder outside the Start Menu", Rot13(L"{374DE290-123F-4565-9164-39C4925E467B}\\x.lnk"), L""},
        {"guid without braces", Rot13(L"A77F5D77-2E2B-44C3-A6A2-ABA601054A51\\x.lnk"), L""},
        {"guid one digit short", Rot13(L"{A77F5D7-2E2B-44C3-A6A2-ABA601054A51}\\x.lnk"), L""},
        {"guid with a non-hex digit", Rot13(L"{G77F5D77-2E2B-44C3-A6A2-ABA601054A51}\\x.lnk"), L""},
        {"no drive letter before :\\", Rot13(L":\\x.lnk"), L""},
        {"plain word", L"HRZR_PGYFRFFVBA", L""},
        {"control character", Rot13(std::wstring(L"C:\\a\tb.lnk")), L""},
        {"empty", L"", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeUserAssistName(c.encoded, kStartMenus), c.expected) << c.name;
    }
}

TEST(FolderDescriptions, ChainsEndAtTheirRootAndLoopsEndAtAll) {
    using Registry = std::map<std::wstring, FolderDescription>;
    // As the system registers them: Programs -> Start Menu -> roaming
    // AppData -> the profile; the common ones end at Common AppData.
    const Registry real = {
        {L"{P}", {L"{S}", L"Programs", L"Programs"}},
        {L"{S}", {L"{R}", L"Microsoft\\Windows\\Start Menu", L"Start Menu"}},
        {L"{R}", {L"{PROFILE}", L"AppData\\Roaming", L"AppData"}},
        {L"{PROFILE}", {L"", L"", L"Profile"}},
        {L"{DOCS}", {L"{PROFILE}", L"Documents", L"Personal"}},
        {L"{CP}", {L"{CS}", L"Programs", L"Common Programs"}},
        {L"{CS}", {L"{CA}", L"Microsoft\\Windows\\Start Menu", L"Common Start Menu"}},
        {L"{CA}", {L"", L"", L"Common AppData"}},
        {L"{ORPHAN}", {L"{MISSING}", L"x", L"Orphan"}},
        {L"{NORELATIVE}", {L"{R}", L"", L"NoRelative"}},
        {L"{SELF}", {L"{self}", L"x", L"Self"}},
        {L"{A}", {L"{B}", L"a", L"A"}},
        {L"{B}", {L"{C}", L"b", L"B"}},
        {L"{C}", {L"{A}", L"c", L"C"}},
        {L"{INTO-LOOP}", {L"{B}", L"x", L"Into"}},
    };
    struct Case {
        const char* name;
        const wchar_t* guid;
        const wchar_t* expected;
    } const cases[] = {
        {"programs", L"{P}", L"AppData\\Microsoft\\Windows\\Start Menu\\Programs"},
        {"root itself", L"{R}", L"AppData"},
        {"common programs", L"{CP}", L"Common AppData\\Microsoft\\Windows\\Start Menu\\Programs"},
        {"chain to a root without a parent", L"{DOCS}", L"Profile\\Documents"},
        {"unknown folder", L"{NONE}", L""},
        {"parent missing", L"{ORPHAN}", L""},
        {"no relative path below a parent", L"{NORELATIVE}", L""},
        {"own parent (other case)", L"{SELF}", L""},
        {"three-step loop", L"{A}", L""},
        {"chain running into a loop", L"{INTO-LOOP}", L""},
    };
    int lookups = 0;
    const FolderDescriptionLookup lookup = [&](std::wstring_view guid) -> std::optional<FolderDescription> {
        ++lookups;
        for (const auto& [key, entry] : real) {
            if (SameName(key, guid)) return entry;
        }
        return std::nullopt;
    };
    for (const Case& c : cases) {
        lookups = 0;
        EXPECT_EQ(FolderDescriptionPath(c.guid, lookup), c.expected) << c.name;
        EXPECT_LE(lookups, 4) << c.name;
    }

    // A chain without a loop but longer than any real one is cut off too.
    const auto chainOf = [](int length) {
        return [length](std::wstring_view guid) -> std::optional<FolderDescription> {
            const int step = std::stoi(std::wstring(guid.substr(1)));
            if (step + 1 >= length) return FolderDescription{L"", L"", L"Root"};
            return FolderDescription{L"{" + std::to_wstring(step + 1), L"d", L""};
        };
    };
    EXPECT_EQ(FolderDescriptionPath(L"{0", chainOf(4)), L"Root\\d\\d\\d");
    EXPECT_EQ(FolderDescriptionPath(L"{0", chainOf(kMaxFolderChain)).size(), 4u + 2u * (kMaxFolderChain - 1));
    EXPECT_EQ(FolderDescriptionPath(L"{0", chainOf(1000000)), L"");
}

TEST(FolderDescriptions, RootNamesMapToFoldersUnderAStartMenu) {
    const KnownFolderRoots roots{L"C:\\Users\\u\\AppData\\Roaming", L"C:\\ProgramData\\",
                                 L"C:\\Users\\u\\AppData\\Local"};
    struct Case {
        const wchar_t* description;
        const wchar_t* expected;
    } const cases[] = {
        {L"AppData\\Microsoft\\Windows\\Start Menu\\Programs",
         L"C:\\Users\\u\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\"},
        {L"Common AppData\\Microsoft\\Windows\\Start Menu\\Programs",
         L"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\"},
        {L"LOCAL APPDATA\\Tools\\START MENU\\", L"C:\\Users\\u\\AppData\\Local\\Tools\\START MENU\\"},
        {L"AppData\\Microsoft\\Windows\\Start Menu", L"C:\\Users\\u\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\"},
        {L"AppData\\Microsoft\\Windows\\Recent", L""},
        {L"AppData\\Start Menus\\x", L""},
        {L"AppData", L""},
        {L"Profile\\Start Menu", L""},
        {L"", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StartMenuFolderFromDescription(c.description, roots), c.expected) << Show(c.description);
    }
    EXPECT_EQ(StartMenuFolderFromDescription(L"AppData\\Start Menu", KnownFolderRoots{}), L"");
}

TEST(UserAssistData, LastRunIsReadOnlyFromValuesLongEnough) {
    const std::uint64_t stamp = 0x01CE18A2'3B4C5D6EULL;
    for (size_t length = 0; length <= 72; ++length) {
        std::string data(length, '\x5A');
        for (size_t i = 0; i < 8 && 60 + i < length; ++i) data[60 + i] = static_cast<char>(stamp >> (8 * i));
        const std::optional<std::uint64_t> lastRun = UserAssistLastRunFileTime(data);
        if (length < 68) {
            EXPECT_FALSE(lastRun) << length << " bytes";
        } else {
            EXPECT_EQ(lastRun, stamp) << length << " bytes";
        }
    }
}

TEST(UsageTime, ReadsMonthFirstAndRefusesWhatNamesNoTime) {
    // 4 March 2013 is day 41,337 after 30 December 1899.
    const std::optional<DateTime> march = ParseUsageTime(L"03/04/2013 09:05:07");
    ASSERT_TRUE(march);
    EXPECT_NEAR(*march, 41337 + (9 * 3600 + 5 * 60 + 7) / 86400.0, 1e-9);

    struct Case {
        const wchar_t* text;
        std::optional<CivilTime> expected;
    } const cases[] = {
        {L"03/04/2013 09:05:07", CivilTime{2013, 3, 4, 9, 5, 7}},
        {L" 3/4/2013 9:05:07 ", CivilTime{2013, 3, 4, 9, 5, 7}},
        {L"12/31/1999 23:59:59", CivilTime{1999, 12, 31, 23, 59, 59}},
        {L"02/29/2012 00:00:00", CivilTime{2012, 2, 29, 0, 0, 0}},
        {L"01/01/2020", CivilTime{2020, 1, 1, 0, 0, 0}},
        {L"01/01/2020 13:45", CivilTime{2020, 1, 1, 13, 45, 0}},
        {L"02/29/2013 00:00:00", std::nullopt},
        {L"13/01/2013 00:00:00", std::nullopt},
        {L"00/10/2013 00:00:00", std::nullopt},
        {L"04/31/2013 00:00:00", std::nullopt},
        {L"03/04/2013 24:00:00", std::nullopt},
        {L"03/04/2013 09:60:00", std::nullopt},
        {L"03/04/2013 09:05:60", std::nullopt},
        {L"03/04/13 09:05:07", std::nullopt},
        {L"03-04-2013 09:05:07", std::nullopt},
        {L"2013/03/04 09:05:07", std::nullopt},
        {L"03/04/2013 09:05:07 PM", std::nullopt},
        {L"03/04/2013T09:05:07", std::nullopt},
        {L"003/04/2013 09:05:07", std::nullopt},
        {L"03/04/1899 09:05:07", std::nullopt},
        {L"03/04/2013 9", std::nullopt},
        {L"", std::nullopt},
        {L"//", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<DateTime> parsed = ParseUsageTime(c.text);
        ASSERT_EQ(parsed.has_value(), c.expected.has_value()) << Show(c.text);
        if (parsed) {
            EXPECT_EQ(DateTimeToCivil(*parsed), *c.expected) << Show(c.text);
        }
    }
}

TEST(UsageTime, WritesTheFixedPatternAndReadsItBack) {
    EXPECT_EQ(FormatUsageTime({2013, 3, 4, 9, 5, 7}), L"03/04/2013 09:05:07");
    EXPECT_EQ(FormatUsageTime({1999, 12, 31, 23, 59, 59}), L"12/31/1999 23:59:59");
    // Every so many hours over two centuries: writing then reading gives the same time.
    const DateTime first = CivilToDateTime({1901, 1, 1, 0, 0, 1});
    const DateTime last = CivilToDateTime({2099, 12, 31, 23, 59, 59});
    ASSERT_GT(first, 0);
    int checked = 0;
    for (DateTime t = first; t < last; t += 1.0 + 7.0 / 24 + 13.0 / 1440 + 11.0 / 86400) {
        const CivilTime civil = DateTimeToCivil(t);
        const std::wstring text = FormatUsageTime(civil);
        ASSERT_EQ(text.size(), 19u) << Show(text);
        const std::optional<DateTime> back = ParseUsageTime(text);
        ASSERT_TRUE(back) << Show(text);
        ASSERT_EQ(DateTimeToCivil(*back), civil) << Show(text);
        ASSERT_NEAR(*back, t, 0.6 / 86400) << Show(text);
        ++checked;
    }
    EXPECT_GT(checked, 50000);
}

TEST(UsageLines, ParseTakesTimeAndCountFromTheEnd) {
    const DateTime march = CivilToDateTime({2013, 3, 4, 9, 5, 7});
    struct Case {
        const char* name;
        const wchar_t* line;
        const wchar_t* path;
        std::optional<DateTime> lastRun;
    } const cases[] = {
        {"as written", L"C:\\M\\Go.lnk;03/04/2013 09:05:07;1", L"C:\\M\\Go.lnk", march},
        {"other count", L"C:\\M\\Go.lnk;03/04/2013 09:05:07;27", L"C:\\M\\Go.lnk", march},
        {"blanks around the path", L"  C:\\M\\Go.lnk \t;03/04/2013 09:05:07;1", L"C:\\M\\Go.lnk", march},
        {"path holding ;", L"C:\\a;b\\Go.exe;03/04/2013 09:05:07;1", L"C:\\a;b\\Go.exe", march},
        {"path alone", L"C:\\M\\Go.lnk", L"C:\\M\\Go.lnk", std::nullopt},
        {"no count", L"C:\\M\\Go.lnk;03/04/2013 09:05:07", L"C:\\M\\Go.lnk", std::nullopt},
        {"count not a number", L"C:\\M\\Go.lnk;03/04/2013 09:05:07;x", L"C:\\M\\Go.lnk", std::nullopt},
        {"broken time", L"C:\\M\\Go.lnk;31/12/2013 09:05:07;1", L"C:\\M\\Go.lnk", std::nullopt},
        {"empty fields", L";;", L"", std::nullopt},
        {"empty line", L"", L"", std::nullopt},
        {"control character in the path", L"C:\\M\\G\x01o.lnk;03/04/2013 09:05:07;1", L"", march},
    };
    for (const Case& c : cases) {
        const UsageLine parsed = ParseUsageLine(c.line);
        EXPECT_EQ(parsed.Path, c.path) << c.name;
        EXPECT_EQ(parsed.LastRun, c.lastRun) << c.name;
    }
}

TEST(UsageLines, RecordingPutsThePathFirstAndKeepsEveryOtherLine) {
    const CivilTime now{2014, 11, 5, 18, 30, 2};
    const std::wstring newLine = L"C:\\M\\Go.lnk;11/05/2014 18:30:02;1";
    using Lines = std::vector<std::wstring>;
    struct Case {
        const char* name;
        Lines before;
        Lines after;
    } const cases[] = {
        {"new file", {}, {newLine}},
        {"older line of the path goes",
         {L"C:\\M\\A.lnk;01/01/2014 10:00:00;1", L"C:\\M\\Go.lnk;01/01/2013 10:00:00;1", L"C:\\M\\B.lnk;01/01/2012 10:00:00;1"},
         {newLine, L"C:\\M\\A.lnk;01/01/2014 10:00:00;1", L"C:\\M\\B.lnk;01/01/2012 10:00:00;1"}},
        {"same path in other case and duplicated lines go",
         {L"c:\\m\\GO.LNK;01/01/2014 10:00:00;1", L"garbage", L"C:\\M\\Go.lnk;01/01/2013 10:00:00;1"},
         {newLine, L"garbage"}},
        {"paths that merely contain the path stay",
         {L"C:\\M\\Go.lnk.bak;01/01/2014 10:00:00;1", L"D:\\Old\\C:\\M\\Go.lnk;01/01/2014 10:00:00;1", L"x;C:\\M\\Go.lnk;1"},
         {newLine, L"C:\\M\\Go.lnk.bak;01/01/2014 10:00:00;1", L"D:\\Old\\C:\\M\\Go.lnk;01/01/2014 10:00:00;1",
          L"x;C:\\M\\Go.lnk;1"}},
        {"garbage and empty lines stay in place", {L"", L"\u00ff\u00fe;;;", L"C:\\M\\Go.lnk"}, {newLine, L"", L"\u00ff\u00fe;;;"}},
    };
    for (const Case& c : cases) {
        Lines lines = c.before;
        ASSERT_TRUE(RecordStartInLines(lines, L"C:\\M\\Go.lnk", now)) << c.name;
        EXPECT_EQ(lines, c.after) << c.name;
    }

    for (const wchar_t* unwritable : {L"", L"C:\\a\r\nb.lnk", L" C:\\a.lnk"}) {
        Lines lines = {L"keep"};
        EXPECT_FALSE(RecordStartInLines(lines, unwritable, now)) << Show(unwritable);
        EXPECT_EQ(lines, Lines{L"keep"}) << Show(unwritable);
    }
}

TEST(UsageFile, EveryEncodingKeepsItsText) {
    using Lines = std::vector<std::wstring>;
    const Lines expected = {L"C:\\Caf\u00e9\\Go.lnk;03/04/2013 09:05:07;1", L"D:\\x.exe;bad;1"};
    const std::wstring text = expected[0] + L"\r\n" + expected[1] + L"\r\n";
    struct Case {
        const char* name;
        std::string bytes;
    } const cases[] = {
        {"UTF-16 LE with mark", "\xFF\xFE" + Utf16Bytes(text)},
        {"UTF-16 LE without mark", Utf16Bytes(text)},
        {"UTF-16 BE with mark", "\xFE\xFF" + Utf16Bytes(text, true)},
        {"UTF-16 BE without mark", Utf16Bytes(text, true)},
        {"UTF-8 with mark", "\xEF\xBB\xBF" "C:\\Caf\xC3\xA9\\Go.lnk;03/04/2013 09:05:07;1\r\nD:\\x.exe;bad;1\r\n"},
        {"UTF-8 without mark, LF", "C:\\Caf\xC3\xA9\\Go.lnk;03/04/2013 09:05:07;1\nD:\\x.exe;bad;1\n"},
        {"ANSI, CR", "C:\\Caf\xE9\\Go.lnk;03/04/2013 09:05:07;1\rD:\\x.exe;bad;1"},
        {"UTF-16 LE with an odd last byte", "\xFF\xFE" + Utf16Bytes(text) + "\x41"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeUsageFile(c.bytes), expected) << c.name;
        // What is written back reads the same.
        EXPECT_EQ(DecodeUsageFile(EncodeUtf16LeWithBom(DecodeUsageFile(c.bytes))), expected) << c.name;
    }
    // Bytes of no encoding at all still give lines, and nothing crashes.
    std::string noise;
    for (int i = 0; i < 5000; ++i) noise += static_cast<char>((i * 7919 + 13) % 256);
    const Lines lines = DecodeUsageFile(noise);
    EXPECT_FALSE(lines.empty());
    for (const std::wstring& line : lines) (void)ParseUsageLine(line);
}

TEST(UsageFile, DistinctPathsKeepFirstOrderAndLatestTime) {
    const std::vector<std::wstring> lines = {
        L"C:\\B.lnk;03/04/2013 09:05:07;1", L"junk without time", L"C:\\A.lnk;bad;1",
        L"C:\\B.lnk;03/05/2013 09:05:07;1", L"C:\\A.lnk;01/01/2010 00:00:00;1", L"C:\\B.lnk;01/01/2000 00:00:00;1",
        L";03/04/2013 09:05:07;1",
    };
    const std::vector<UsageLine> distinct = DistinctUsagePaths(lines);
    ASSERT_EQ(distinct.size(), 3u);
    EXPECT_EQ(distinct[0].Path, L"C:\\B.lnk");
    EXPECT_EQ(distinct[0].LastRun, CivilToDateTime({2013, 3, 5, 9, 5, 7}));
    EXPECT_EQ(distinct[1].Path, L"junk without time");
    EXPECT_EQ(distinct[1].LastRun, std::nullopt);
    EXPECT_EQ(distinct[2].Path, L"C:\\A.lnk");
    EXPECT_EQ(distinct[2].LastRun, CivilToDateTime({2010, 1, 1, 0, 0, 0}));
}

TEST(UsageFile, AMillionLinesAreReadAndRewrittenInLinearTime) {
    // Reads a file of n lines, ranks its paths and records a start in its
    // middle; returns the seconds taken.
    const auto readAndRewrite = [](int count) {
        std::vector<std::wstring> lines;
        lines.reserve(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            lines.push_back(L"C:\\Start Menu\\Program " + std::to_wstring(i) + L".lnk;" +
                            FormatUsageTime({2000 + i % 20, 1 + i % 12, 1 + i % 28, i % 24, i % 60, i % 60}) + L";1");
        }
        const std::string bytes = EncodeUtf16LeWithBom(lines);
        const std::wstring middle = L"C:\\Start Menu\\Program " + std::to_wstring(count / 2) + L".lnk";

        const auto started = std::chrono::steady_clock::now();
        std::vector<std::wstring> read = DecodeUsageFile(bytes);
        const std::vector<UsageLine> distinct = DistinctUsagePaths(read);
        EXPECT_TRUE(RecordStartInLines(read, middle, {2020, 1, 1, 0, 0, 0}));
        const std::string rewritten = EncodeUtf16LeWithBom(read);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

        const size_t n = static_cast<size_t>(count);
        EXPECT_EQ(distinct.size(), n);
        EXPECT_EQ(distinct.back().LastRun, ParseUsageLine(lines.back()).LastRun);
        EXPECT_EQ(read.size(), n);
        EXPECT_EQ(read[0], middle + L";01/01/2020 00:00:00;1");
        EXPECT_EQ(read[1], lines[0]);
        EXPECT_EQ(read[n / 2], lines[n / 2 - 1]);
        EXPECT_EQ(read[n / 2 + 1], lines[n / 2 + 1]);
        EXPECT_EQ(read.back(), lines.back());
        EXPECT_EQ(rewritten.size(), bytes.size());
        return seconds;
    };
    const double tenth = readAndRewrite(100'000);
    const double million = readAndRewrite(1'000'000);
    std::printf("100,000 lines: %.2f s; 1,000,000 lines: %.2f s\n", tenth, million);
    // Ten times the lines may take ten times as long, not a hundred; the
    // bound is loose for the sanitizers and a busy machine. Unsanitized, a
    // million lines take about a second.
    EXPECT_LT(million, 25 * std::max(tenth, 0.01));
    EXPECT_LT(million, 60.0);
}

namespace {

struct Sighting {
    const wchar_t* link;
    const wchar_t* target;
    DateTime lastRun;
    const wchar_t* valueName;
};

struct Expected {
    const wchar_t* link;
    DateTime lastRun;
    const wchar_t* valueName;
};

}  // namespace

TEST(FrequentRanking, OneEntryPerTargetWithTheLatestTimeNewestFirst) {
    struct Case {
        const char* name;
        std::vector<Sighting> sightings;
        std::vector<Expected> expected;
    } const cases[] = {
        {"two values for one target: first link, later time",
         {{L"C:\\M\\Go.lnk", L"C:\\P\\go.exe", 100, L"value1"}, {L"C:\\M\\Go 2.lnk", L"c:\\p\\GO.EXE", 300, L"value2"}},
         {{L"C:\\M\\Go.lnk", 300, L"value1"}}},
        {"later source with an older time changes nothing",
         {{L"C:\\M\\Go.lnk", L"C:\\P\\go.exe", 300, L"value1"}, {L"C:\\P\\go.exe", L"C:\\P\\go.exe", 200, L""}},
         {{L"C:\\M\\Go.lnk", 300, L"value1"}}},
        {"newest first; no time last",
         {{L"A.lnk", L"a.exe", 0, L"va"}, {L"B.lnk", L"b.exe", 50, L"vb"}, {L"C.lnk", L"c.exe", 70, L""},
          {L"D.lnk", L"d.exe", 60, L"vd"}},
         {{L"C.lnk", 70, L""}, {L"D.lnk", 60, L"vd"}, {L"B.lnk", 50, L"vb"}, {L"A.lnk", 0, L"va"}}},
        {"equal times keep the order found",
         {{L"A.lnk", L"a.exe", 5, L""}, {L"B.lnk", L"b.exe", 9, L""}, {L"C.lnk", L"c.exe", 5, L""},
          {L"D.lnk", L"d.exe", 0, L""}, {L"E.lnk", L"e.exe", 0, L""}},
         {{L"B.lnk", 9, L""}, {L"A.lnk", 5, L""}, {L"C.lnk", 5, L""}, {L"D.lnk", 0, L""}, {L"E.lnk", 0, L""}}},
    };
    for (const Case& c : cases) {
        UseProgramList items;
        for (const Sighting& s : c.sightings) MergeSighting(items, s.link, s.target, s.lastRun, s.valueName);
        SortByLastRun(items);
        ASSERT_EQ(items.size(), c.expected.size()) << c.name;
        for (size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i]->LinkPath, c.expected[i].link) << c.name << " #" << i;
            EXPECT_EQ(items[i]->LastRun, c.expected[i].lastRun) << c.name << " #" << i;
            EXPECT_EQ(items[i]->UserAssistValueName, c.expected[i].valueName) << c.name << " #" << i;
        }
    }
}

TEST(FrequentList, ShowsAtMostTenAndKeepsRoomForTen) {
    const auto listOf = [](int count) {
        UseProgramList items;
        for (int i = 0; i < count; ++i) {
            MergeSighting(items, L"L" + std::to_wstring(i) + L".lnk", L"T" + std::to_wstring(i) + L".exe", 0, L"");
        }
        return items;
    };
    const int tall = 2000;  // room for far more than ten rows
    struct Case {
        const char* name;
        int entries;
        std::set<int> pinned;
        int top, limit;
        std::vector<int> shown;
        int reserved;
    } const cases[] = {
        {"twelve entries show ten", 12, {}, 300, tall, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 10},
        {"three entries still reserve ten rows", 3, {}, 300, tall, {0, 1, 2}, 10},
        {"no entries reserve ten empty rows", 0, {}, 300, tall, {}, 10},
        {"pinned programs are left out, later ones move up", 12, {0, 2, 3}, 300, tall, {1, 4, 5, 6, 7, 8, 9, 10, 11}, 10},
        {"all pinned", 4, {0, 1, 2, 3}, 300, tall, {}, 10},
        // Four rows fit when 4 x 40 + 4 + top stays below the limit.
        {"only four fit", 12, {}, 300, 300 + 4 * 40 + 4 + 1, {0, 1, 2, 3}, 4},
        {"exactly at the limit does not fit", 12, {}, 300, 300 + 4 * 40 + 4, {0, 1, 2}, 3},
        {"no room at all", 5, {}, 300, 300, {}, 0},
    };
    for (const Case& c : cases) {
        const UseProgramList items = listOf(c.entries);
        const PinnedTargetTest isPinned = [&](std::wstring_view target) {
            for (int p : c.pinned) {
                if (SameName(target, L"t" + std::to_wstring(p) + L".EXE")) return true;
            }
            return false;
        };
        const FrequentListPlan plan = PlanFrequentList(items, isPinned, c.top, c.limit);
        std::vector<int> shown;
        for (const FrequentRow& row : plan.Rows) {
            shown.push_back(std::stoi(row.LinkPath.substr(1)));
            EXPECT_EQ(row.Record->LinkPath, row.LinkPath) << c.name;
        }
        EXPECT_EQ(shown, c.shown) << c.name;
        EXPECT_EQ(plan.ReservedRows, c.reserved) << c.name;
        EXPECT_EQ(plan.TreeHeight, c.reserved * 40 + 4) << c.name;
        EXPECT_EQ(plan.Visible, c.reserved > 0) << c.name;
    }
}
