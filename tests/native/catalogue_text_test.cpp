// The text rules of the shell utilities: file-name pieces, the WMI account
// query and the choice of the display name, DOS dates as date-time values.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "catalogue/account_query.h"
#include "catalogue/dos_date_time.h"
#include "catalogue/file_names.h"

TEST(FileNames, ExtensionIsTakenFromTheLastComponent) {
    struct Case {
        const wchar_t* path;
        const wchar_t* extension;
        const wchar_t* folder;
        const wchar_t* name;
    } const cases[] = {
        {L"C:\\Menu\\Notepad.lnk", L".lnk", L"C:\\Menu\\", L"Notepad.lnk"},
        {L"C:\\a.b\\readme", L"", L"C:\\a.b\\", L"readme"},
        {L"archive.tar.gz", L".gz", L"", L"archive.tar.gz"},
        {L"C:\\x\\trailing.", L".", L"C:\\x\\", L"trailing."},
        {L"C:setup.EXE", L".EXE", L"C:", L"setup.EXE"},
        {L"", L"", L"", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtractFileExt(c.path), c.extension) << testing::PrintToString(std::wstring(c.path));
        EXPECT_EQ(ExtractFilePath(c.path), c.folder) << testing::PrintToString(std::wstring(c.path));
        EXPECT_EQ(ExtractFileName(c.path), c.name) << testing::PrintToString(std::wstring(c.path));
    }
}

TEST(FileNames, ExtensionsCompareWithoutCase) {
    struct Case {
        const wchar_t* path;
        bool isShortcut;
        bool isExecutable;
    } const cases[] = {
        {L"C:\\a\\b.lnk", true, false},       {L"C:\\a\\b.LnK", true, false},
        {L"C:\\a\\b.lnk.txt", false, false},  {L"C:\\a\\b.lnkx", false, false},
        {L"lnk", false, false},               {L"C:\\P\\App.EXE", false, true},
        {L"C:\\P\\app.exe.lnk", true, false}, {L"C:\\P\\app.ex", false, false},
        {L"C:\\P.exe\\app", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HasExtension(c.path, L".lnk"), c.isShortcut) << testing::PrintToString(std::wstring(c.path));
        EXPECT_EQ(IsExecutableFile(c.path), c.isExecutable) << testing::PrintToString(std::wstring(c.path));
    }
}

TEST(AccountQuery, EscapesTheLoginNameInsideTheLiteral) {
    struct Case {
        const wchar_t* loginName;
        const wchar_t* query;
    } const cases[] = {
        {L"alice", L"Select * from Win32_Account where Name='alice'"},
        {L"o'brien", L"Select * from Win32_Account where Name='o\\'brien'"},
        // An attempt to widen the query stays one literal.
        {L"x' or Name<>'", L"Select * from Win32_Account where Name='x\\' or Name<>\\''"},
        {L"dom\\user", L"Select * from Win32_Account where Name='dom\\\\user'"},
        // A trailing backslash must not escape the closing quote.
        {L"user\\", L"Select * from Win32_Account where Name='user\\\\'"},
        {L"", L"Select * from Win32_Account where Name=''"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BuildAccountQuery(c.loginName), c.query) << testing::PrintToString(std::wstring(c.loginName));
    }
}

TEST(UserDisplayName, TakesTheFirstFullNameThatIsNotBlank) {
    using Rows = std::vector<std::optional<std::wstring>>;
    struct Case {
        const char* name;
        Rows fullNames;
        const wchar_t* expected;
    } const cases[] = {
        {"no rows", {}, L"alice"},
        {"trimmed", {L"  Alice Smith \t"}, L"Alice Smith"},
        {"blank, missing and empty rows are skipped", {std::nullopt, L"", L"   ", L"\tBob"}, L"Bob"},
        {"only a blank full name", {L"   "}, L"alice"},
        {"the first one wins", {L"First", L"Second"}, L"First"},
    };
    for (const Case& c : cases) EXPECT_EQ(ChooseUserDisplayName(L"alice", c.fullNames), c.expected) << c.name;
}

TEST(DosDateTime, CountsDaysFrom30December1899) {
    struct Case {
        const char* name;
        std::uint16_t date, time;
        double expected;
    } const cases[] = {
        {"1 January 2000, midnight", (20 << 9) | (1 << 5) | 1, 0, 36526.0},
        {"1 January 1980, 12:30:10", (0 << 9) | (1 << 5) | 1, (12 << 11) | (30 << 5) | 5,
         29221.0 + (12 * 3600 + 30 * 60 + 10) / 86400.0},
        {"29 February 2024", (44 << 9) | (2 << 5) | 29, 0, 45351.0},
        {"31 December 2107, 23:59:58", (127 << 9) | (12 << 5) | 31, (23 << 11) | (59 << 5) | 29,
         DaysSinceDateTimeEpoch(2107, 12, 31) + 86398 / 86400.0},
        {"29 February 2023 does not exist", (43 << 9) | (2 << 5) | 29, 0, 0.0},
        {"month 0", 1, 0, 0.0},
        {"hour 24", (20 << 9) | (1 << 5) | 1, 24 << 11, 0.0},
        {"second 60", (20 << 9) | (1 << 5) | 1, 30, 0.0},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(DosDateTimeToDateTime(c.date, c.time), c.expected) << c.name;
}

TEST(DosDateTime, DayCountAgreesWithKnownDates) {
    EXPECT_EQ(DaysSinceDateTimeEpoch(1899, 12, 30), 0);
    EXPECT_EQ(DaysSinceDateTimeEpoch(1900, 3, 1), 61);
    EXPECT_EQ(DaysSinceDateTimeEpoch(2024, 1, 1), 45292);
}
