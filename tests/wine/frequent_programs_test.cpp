// The frequent list against the registry and the disk: generated UserAssist
// values (every data length, drive and known-folder names), a generated
// Start Menu, UserData.ini files of every kind, removing and recording.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "catalogue/com_support.h"
#include "catalogue/shortcuts.h"
#include "catalogue/use_program_manage.h"
#include "catalogue/user_data_lines.h"
#include "platform/unique_handle.h"
#include "settings/ini_text.h"
#include "settings/text_file.h"
#include "tests/wine/frequent_fixture.h"

namespace {

constexpr wchar_t kProgramsGuid[] = L"{A77F5D77-2E2B-44C3-A6A2-ABA601054A51}";
constexpr wchar_t kCommonProgramsGuid[] = L"{0139D44E-6AFE-49F2-8690-3DAFCAE6FFB8}";
constexpr wchar_t kStartMenuGuid[] = L"{625B53C3-AB48-4EC1-BA1F-A1EF4146FC19}";
constexpr wchar_t kDesktopGuid[] = L"{B4BFCC3A-DB2C-424C-B029-7FE99A87C641}";

std::vector<std::wstring> FileLines(const std::wstring& path) { return DecodeUsageFile(ReadBytes(path)); }

class FrequentPrograms : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(scratch_.Ready()); }

    [[nodiscard]] std::vector<std::wstring> ListedLinks(const TUseProgramManage& manage) const {
        std::vector<std::wstring> links;
        for (int i = 0; i < manage.Count(); ++i) links.push_back(manage.Item(i)->LinkPath);
        return links;
    }

    ScopedComInit com_;
    FrequentScratch scratch_;
};

}  // namespace

TEST_F(FrequentPrograms, DecodeUserAssistName_ResolvesKnownFoldersThroughFolderDescriptions) {
    const TUseProgramManage manage(scratch_.Locations());
    const KnownFolderRoots& roots = *scratch_.Locations().Roots;
    struct Case {
        std::wstring plain;
        std::wstring expected;
    } const cases[] = {
        {std::wstring(kProgramsGuid) + L"\\Tools\\Go.lnk",
         roots.AppData + L"\\Microsoft\\Windows\\Start Menu\\Programs\\Tools\\Go.lnk"},
        {std::wstring(kCommonProgramsGuid) + L"\\Games\\Chess.lnk",
         roots.CommonAppData + L"\\Microsoft\\Windows\\Start Menu\\Programs\\Games\\Chess.lnk"},
        {std::wstring(kStartMenuGuid) + L"\\Go.lnk", roots.AppData + L"\\Microsoft\\Windows\\Start Menu\\Go.lnk"},
        {std::wstring(kProgramsGuid) + L"\\Accessories\\Windows Explorer.lnk", L""},
        {std::wstring(kDesktopGuid) + L"\\Go.lnk", L""},
        {L"{01234567-89AB-CDEF-0123-456789ABCDEF}\\Go.lnk", L""},
        {L"UEME_RUNPATH:C:\\windows\\notepad.exe", L"C:\\windows\\notepad.exe"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(manage.DecodeUserAssistName(Rot13(c.plain)), c.expected) << testing::PrintToString(c.plain);
    }
}

TEST_F(FrequentPrograms, FolderDescriptions_LoopingChainsEndInTheRegistryToo) {
    UseProgramLocations locations = scratch_.Locations();
    locations.FolderDescriptionsRoot = HKEY_CURRENT_USER;
    locations.FolderDescriptionsKey = locations.UserAssistKey + L"\\FolderDescriptions";
    struct Entry {
        const wchar_t* guid;
        const wchar_t* parent;
        const wchar_t* relative;
        const wchar_t* name;
    } const entries[] = {
        {L"{00000000-0000-0000-0000-00000000000A}", L"{00000000-0000-0000-0000-00000000000B}", L"a", L"A"},
        {L"{00000000-0000-0000-0000-00000000000B}", L"{00000000-0000-0000-0000-00000000000a}", L"b", L"B"},
        {L"{00000000-0000-0000-0000-00000000000C}", L"{00000000-0000-0000-0000-00000000000C}", L"c", L"C"},
        {L"{00000000-0000-0000-0000-00000000000D}", nullptr, nullptr, L"AppData"},
        {L"{00000000-0000-0000-0000-00000000000E}", L"{00000000-0000-0000-0000-00000000000D}", L"Start Menu\\Tools", L"E"},
    };
    for (const Entry& e : entries) {
        UniqueHkey key;
        const std::wstring name = locations.FolderDescriptionsKey + L"\\" + e.guid;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(),
                                    nullptr),
                  ERROR_SUCCESS);
        const auto set = [&](const wchar_t* value, const wchar_t* text) {
            if (text) {
                ::RegSetValueExW(key.get(), value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                 static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
            }
        };
        set(L"ParentFolder", e.parent);
        set(L"RelativePath", e.relative);
        set(L"Name", e.name);
    }
    const TUseProgramManage manage(locations);
    EXPECT_EQ(manage.GetFolderDescriptionPath(entries[0].guid), L"");
    EXPECT_EQ(manage.GetFolderDescriptionPath(entries[2].guid), L"");
    EXPECT_EQ(manage.GetFolderDescriptionPath(entries[4].guid), L"AppData\\Start Menu\\Tools");
    EXPECT_EQ(manage.KnownFolderToStartMenuPath(entries[4].guid),
              locations.Roots->AppData + L"\\Start Menu\\Tools\\");
    EXPECT_EQ(manage.DecodeUserAssistName(Rot13(std::wstring(entries[0].guid) + L"\\x.lnk")), L"");
}

TEST_F(FrequentPrograms, LoadFrequentPrograms_TakesValuesOfEveryLengthWithoutTimesFromShortOnes) {
    constexpr size_t kLongest = 72;
    std::vector<GeneratedProgram> programs;
    for (size_t length = 0; length <= kLongest; ++length) {
        programs.push_back(scratch_.MakeProgram(L"Len\\Program " + std::to_wstring(length),
                                                L"program" + std::to_wstring(length) + L".exe"));
        // Longer values ran later: 72 bytes is the newest.
        const FILETIME lastRun = FileTimeOfLocal(2014, 5, 1, 10, static_cast<int>(length % 60),
                                                 2 * static_cast<int>(length / 60));
        scratch_.SetValue(Rot13(programs.back().Shortcut), UserAssistData(lastRun, length));
    }
    TUseProgramManage manage(scratch_.Locations());
    manage.LoadFrequentPrograms();

    ASSERT_EQ(manage.Count(), static_cast<int>(kLongest + 1));
    std::set<std::wstring> listed;
    for (int i = 0; i < manage.Count(); ++i) {
        const TUseProgramInfo& item = *manage.Item(i);
        listed.insert(item.LinkPath);
        EXPECT_EQ(item.UserAssistValueName, Rot13(item.LinkPath));
        EXPECT_GE(item.IconIndex, 0);
        EXPECT_EQ(item.DisplayName, item.LinkPath.substr(item.LinkPath.rfind(L'\\') + 1, item.LinkPath.size() -
                                                             item.LinkPath.rfind(L'\\') - 5));
    }
    EXPECT_EQ(listed.size(), kLongest + 1);
    // The five values long enough to hold a time come first, newest first,
    // at the time they hold; the others follow without a time.
    for (int i = 0; i < 5; ++i) {
        const size_t length = kLongest - static_cast<size_t>(i);
        EXPECT_EQ(manage.Item(i)->LinkPath, programs[length].Shortcut) << i;
        EXPECT_EQ(DateTimeToCivil(manage.Item(i)->LastRun),
                  (CivilTime{2014, 5, 1, 10, static_cast<int>(length % 60), 2 * static_cast<int>(length / 60)}))
            << i;
    }
    for (int i = 5; i < manage.Count(); ++i) EXPECT_EQ(manage.Item(i)->LastRun, 0) << i;
}

TEST_F(FrequentPrograms, LoadFrequentPrograms_MergesBothSourcesAndSkipsWhatIsNoProgram) {
    const GeneratedProgram editor = scratch_.MakeProgram(L"Editor", L"editor.exe");
    const GeneratedProgram editor2 = scratch_.MakeProgram(L"Office\\Editor too", L"EDITOR.exe");
    const GeneratedProgram viewer = scratch_.MakeProgram(L"Viewer", L"viewer.exe");
    const GeneratedProgram menuOnly = scratch_.MakeProgram(L"Menu only", L"menuonly.exe");
    const GeneratedProgram explorer = scratch_.MakeProgram(L"Accessories\\Windows Explorer", L"explorer.exe");
    const GeneratedProgram gone = scratch_.MakeProgram(L"Gone", L"gone.exe");
    ::DeleteFileW(gone.Target.c_str());
    const std::wstring directExe = scratch_.Folder() + L"\\Apps\\direct.exe";
    scratch_.MakeFile(directExe);
    const std::wstring document = scratch_.Folder() + L"\\Apps\\notes.txt";
    scratch_.MakeFile(document);
    const std::wstring documentLink = scratch_.ProgramsFolder() + L"Notes.lnk";
    CreateShortcut(document, L"", documentLink, L"");

    const FILETIME older = FileTimeOfLocal(2013, 3, 4, 9, 5, 6);
    const FILETIME newer = FileTimeOfLocal(2013, 3, 5, 9, 5, 6);
    // The first editor value names the shortcut through the Programs known folder.
    scratch_.SetValue(Rot13(std::wstring(kProgramsGuid) + L"\\Editor.lnk"), UserAssistData(older));
    scratch_.SetValue(Rot13(editor2.Shortcut), UserAssistData(newer));
    scratch_.SetValue(Rot13(viewer.Shortcut), UserAssistData(older));
    scratch_.SetValue(Rot13(explorer.Shortcut), UserAssistData(newer));
    scratch_.SetValue(Rot13(gone.Shortcut), UserAssistData(newer));
    scratch_.SetValue(Rot13(L"UEME_RUNPATH:" + directExe), UserAssistData(newer));
    scratch_.SetValue(Rot13(documentLink), UserAssistData(newer));
    scratch_.SetValue(Rot13(scratch_.ProgramsFolder() + L"Missing.lnk"), UserAssistData(newer));
    scratch_.SetValue(L"HRZR_PGYFRFFVBA", UserAssistData(newer));

    scratch_.MakeFile(scratch_.UserDataFile(),
                      EncodeUtf16LeWithBom({
                          menuOnly.Shortcut + L";03/04/2013 09:05:07;1",
                          directExe + L";03/06/2013 08:00:00;1",
                          viewer.Shortcut + L";03/07/2013 10:00:00;1",
                          L"garbage line",
                          gone.Shortcut + L";03/08/2013 10:00:00;1",
                          document + L";03/08/2013 10:00:00;1",
                      }));

    TUseProgramManage manage(scratch_.Locations());
    manage.LoadFrequentPrograms();

    // Of the two editor values, the one the registry lists first gives the
    // entry its shortcut; the later time comes from the other.
    const std::wstring editorValue = Rot13(std::wstring(kProgramsGuid) + L"\\Editor.lnk");
    const std::wstring editor2Value = Rot13(editor2.Shortcut);
    const std::vector<std::wstring> names = scratch_.ValueNames();
    const bool editorFirst = std::find(names.begin(), names.end(), editorValue) <
                             std::find(names.begin(), names.end(), editor2Value);
    struct Expected {
        std::wstring link;
        CivilTime lastRun;
    } const expected[] = {
        {viewer.Shortcut, {2013, 3, 7, 10, 0, 0}},  // the file's later start wins
        {directExe, {2013, 3, 6, 8, 0, 0}},         // listed by the menu's own record only
        {editorFirst ? editor.Shortcut : editor2.Shortcut, {2013, 3, 5, 9, 5, 6}},
        {menuOnly.Shortcut, {2013, 3, 4, 9, 5, 7}},
    };
    ASSERT_EQ(manage.Count(), static_cast<int>(std::size(expected))) << testing::PrintToString(ListedLinks(manage));
    for (int i = 0; i < manage.Count(); ++i) {
        EXPECT_TRUE(SameName(manage.Item(i)->LinkPath, expected[i].link)) << i;
        EXPECT_EQ(DateTimeToCivil(manage.Item(i)->LastRun), expected[i].lastRun) << i;
    }
    EXPECT_EQ(manage.FindByTarget(editor2.Target), manage.FindByTarget(editor.Target));
    EXPECT_EQ(manage.Item(2)->UserAssistValueName, editorFirst ? editorValue : editor2Value);
    EXPECT_EQ(manage.Item(1)->UserAssistValueName, L"");

    // A pinned program never shows, however recent.
    const FrequentListPlan plan = manage.GetUsuallySoftwareList(97, false, [&](std::wstring_view target) {
        return SameName(target, viewer.Target);
    });
    ASSERT_EQ(plan.Rows.size(), 3u);
    EXPECT_EQ(plan.Rows[0].LinkPath, directExe);
    EXPECT_EQ(plan.Rows[0].Record, manage.Item(1));
    EXPECT_EQ(plan.ReservedRows, 10);  // the work area has room for ten rows
    EXPECT_EQ(plan.TreeHeight, 10 * 40 + 4);
}

TEST_F(FrequentPrograms, GetUsuallySoftwareList_TwelveEntriesShowTenAndAddProgramAppends) {
    std::vector<GeneratedProgram> programs;
    for (int i = 0; i < 12; ++i) {
        programs.push_back(scratch_.MakeProgram(L"P" + std::to_wstring(i), L"p" + std::to_wstring(i) + L".exe"));
        scratch_.SetValue(Rot13(programs.back().Shortcut), UserAssistData(FileTimeOfLocal(2015, 1, 1 + i, 12, 0, 0)));
    }
    TUseProgramManage manage(scratch_.Locations());
    const FrequentListPlan plan = manage.GetUsuallySoftwareList(97, true, nullptr);
    ASSERT_EQ(plan.Rows.size(), 10u);
    for (size_t i = 0; i < plan.Rows.size(); ++i) EXPECT_EQ(plan.Rows[i].LinkPath, programs[11 - i].Shortcut) << i;

    const GeneratedProgram added = scratch_.MakeProgram(L"Added", L"added.exe");
    manage.AddProgram(added.Shortcut);
    manage.AddProgram(added.Shortcut);        // listed already
    manage.AddProgram(programs[0].Target);    // no shortcut: nothing to resolve
    ASSERT_EQ(manage.Count(), 13);
    EXPECT_EQ(manage.Item(12)->LinkPath, added.Shortcut);
    EXPECT_EQ(manage.Item(12)->LastRun, 0);
}

TEST_F(FrequentPrograms, RemoveProgram_DeletesExactlyOneUserAssistValue) {
    const GeneratedProgram first = scratch_.MakeProgram(L"Go", L"go.exe");
    const GeneratedProgram second = scratch_.MakeProgram(L"More\\Go", L"go.exe");
    const GeneratedProgram other = scratch_.MakeProgram(L"Other", L"other.exe");
    scratch_.SetValue(Rot13(first.Shortcut), UserAssistData(FileTimeOfLocal(2016, 1, 1, 0, 0, 0)));
    scratch_.SetValue(Rot13(second.Shortcut), UserAssistData(FileTimeOfLocal(2016, 1, 2, 0, 0, 0)));
    scratch_.SetValue(Rot13(other.Shortcut), UserAssistData(FileTimeOfLocal(2016, 1, 3, 0, 0, 0)));
    const std::vector<std::wstring> before = scratch_.ValueNames();

    TUseProgramManage manage(scratch_.Locations());
    manage.LoadFrequentPrograms();
    ASSERT_EQ(manage.Count(), 2);
    TUseProgramInfo* go = manage.FindByTarget(first.Target);
    ASSERT_NE(go, nullptr);
    ASSERT_TRUE(manage.RemoveProgram(*go));
    EXPECT_EQ(manage.Count(), 2);  // the record stays until the caller removes it

    const std::vector<std::wstring> after = scratch_.ValueNames();
    EXPECT_EQ(after.size(), before.size() - 1);
    for (const std::wstring& name : before) {
        const bool kept = std::find(after.begin(), after.end(), name) != after.end();
        EXPECT_EQ(kept, name != go->UserAssistValueName) << testing::PrintToString(Rot13(name));
    }
    const std::unique_ptr<TUseProgramInfo> taken = manage.Remove(go);
    EXPECT_EQ(taken.get(), go);
    EXPECT_EQ(manage.Count(), 1);
    EXPECT_EQ(manage.Remove(go), nullptr);

    // The other value for the same program brings it back at the next load.
    manage.LoadFrequentPrograms();
    EXPECT_NE(manage.FindByTarget(first.Target), nullptr);
    EXPECT_EQ(manage.FindByTarget(first.Target)->LinkPath, second.Shortcut);
}

TEST_F(FrequentPrograms, RemoveProgram_DeletesTheLinesOfAnEntryFromTheUsageFile) {
    const GeneratedProgram go = scratch_.MakeProgram(L"Go", L"go.exe");
    const GeneratedProgram other = scratch_.MakeProgram(L"Other", L"other.exe");
    const std::vector<std::wstring> lines = {
        other.Shortcut + L";03/04/2013 09:05:07;1", L"garbage", go.Shortcut + L";03/03/2013 09:05:07;1",
        go.Shortcut + L".bak;03/03/2013 09:05:07;1"};
    scratch_.MakeFile(scratch_.UserDataFile(), EncodeUtf16LeWithBom(lines));
    TUseProgramManage manage(scratch_.Locations());
    manage.LoadFrequentPrograms();
    TUseProgramInfo* entry = manage.FindByTarget(go.Target);
    ASSERT_NE(entry, nullptr);
    ASSERT_TRUE(manage.RemoveProgram(*entry));
    EXPECT_EQ(FileLines(scratch_.UserDataFile()), (std::vector<std::wstring>{lines[0], lines[1], lines[3]}));
    EXPECT_FALSE(manage.RemoveProgram(*entry));  // nothing left to delete
}

TEST_F(FrequentPrograms, RecordProgramStart_PutsThePathFirstWithTheCurrentTime) {
    const std::wstring path = L"C:\\Menu\\Go.lnk";
    const std::vector<std::wstring> lines = {L"C:\\Menu\\A.lnk;01/02/2014 10:00:00;1",
                                             path + L";01/01/2014 10:00:00;1", L"C:\\Menu\\B.lnk;01/01/2013 10:00:00;1"};
    TUseProgramManage manage(scratch_.Locations());

    // The data folder does not exist yet: the first start makes it.
    SYSTEMTIME before{};
    ::GetLocalTime(&before);
    ASSERT_TRUE(manage.RecordProgramStart(L"C:\\Menu\\First.lnk"));
    EXPECT_EQ(FileLines(scratch_.UserDataFile()).size(), 1u);

    scratch_.MakeFile(scratch_.UserDataFile(), EncodeUtf16LeWithBom(lines));
    ASSERT_TRUE(manage.RecordProgramStart(path));
    SYSTEMTIME after{};
    ::GetLocalTime(&after);

    const std::string bytes = ReadBytes(scratch_.UserDataFile());
    ASSERT_GE(bytes.size(), 6u);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(bytes.substr(bytes.size() - 4), std::string("\r\0\n\0", 4));
    const std::vector<std::wstring> written = FileLines(scratch_.UserDataFile());
    ASSERT_EQ(written.size(), 3u);
    const UsageLine first = ParseUsageLine(written[0]);
    EXPECT_EQ(first.Path, path);
    EXPECT_TRUE(written[0].ends_with(L";1"));
    ASSERT_TRUE(first.LastRun);
    const auto civil = [](const SYSTEMTIME& t) {
        return CivilToDateTime({t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond});
    };
    EXPECT_GE(*first.LastRun, civil(before) - 1e-9);
    EXPECT_LE(*first.LastRun, civil(after) + 1e-9);
    EXPECT_EQ(written[1], lines[0]);
    EXPECT_EQ(written[2], lines[2]);
}

TEST_F(FrequentPrograms, UsageFiles_OddEncodingsAndGarbageKeepEveryLineOnRewrite) {
    const GeneratedProgram go = scratch_.MakeProgram(L"Go", L"go.exe");
    const std::wstring goLine = go.Shortcut + L";03/04/2013 09:05:07;1";
    std::string utf16;
    for (const wchar_t c : goLine + L"\r\nC:\\Caf\u00e9.lnk;x;1\r\n") {
        utf16 += static_cast<char>(c & 0xFF);
        utf16 += static_cast<char>(c >> 8);
    }
    std::string narrow(goLine.begin(), goLine.end());  // the scratch path is ASCII
    std::string noise;
    for (int i = 0; i < 3000; ++i) noise += static_cast<char>((i * 7919 + 13) % 256);
    struct Case {
        const char* name;
        std::string bytes;
        bool listsGo;
    } const cases[] = {
        {"UTF-16 without mark", utf16, true},
        {"UTF-8 without mark", narrow + "\r\nC:\\Caf\xC3\xA9.lnk;x;1\r\n", true},
        {"ANSI", narrow + "\nC:\\Caf\xE9.lnk;x;1", true},
        {"garbage around a line", noise + "\r\n" + narrow + "\r\n" + noise, true},
        {"bytes of nothing", noise, false},
        {"empty", "", false},
    };
    for (const Case& c : cases) {
        scratch_.MakeFile(scratch_.UserDataFile(), c.bytes);
        const std::vector<std::wstring> original = DecodeUsageFile(c.bytes, DecodeAnsi);
        TUseProgramManage manage(scratch_.Locations());
        manage.LoadFrequentPrograms();
        EXPECT_EQ(manage.FindByTarget(go.Target) != nullptr, c.listsGo) << c.name;

        ASSERT_TRUE(manage.RecordProgramStart(L"C:\\New.lnk")) << c.name;
        std::vector<std::wstring> rewritten = FileLines(scratch_.UserDataFile());
        ASSERT_FALSE(rewritten.empty()) << c.name;
        EXPECT_EQ(ParseUsageLine(rewritten[0]).Path, L"C:\\New.lnk") << c.name;
        rewritten.erase(rewritten.begin());
        EXPECT_EQ(rewritten, original) << c.name;
    }
}

TEST_F(FrequentPrograms, UsageFiles_AFailedRewriteLeavesTheFileAsItWas) {
    std::vector<std::wstring> lines;
    for (int i = 0; i < 200'000; ++i) {
        lines.push_back(L"C:\\Start Menu\\Program " + std::to_wstring(i) + L".lnk;01/02/2014 10:00:00;1");
    }
    const std::string bytes = EncodeUtf16LeWithBom(lines);
    scratch_.MakeFile(scratch_.UserDataFile(), bytes);
    TUseProgramManage manage(scratch_.Locations());

    // A huge file: recorded without losing a line.
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(manage.RecordProgramStart(L"C:\\Start Menu\\Program 100000.lnk"));
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("recorded a start in a file of %zu lines in %.2f s\n", lines.size(), seconds);
    std::vector<std::wstring> written = FileLines(scratch_.UserDataFile());
    ASSERT_EQ(written.size(), lines.size());
    EXPECT_TRUE(written[0].starts_with(L"C:\\Start Menu\\Program 100000.lnk;"));
    written.erase(written.begin());
    lines.erase(lines.begin() + 100000);
    EXPECT_EQ(written, lines);

    const std::string good = ReadBytes(scratch_.UserDataFile());
    // The new content cannot be written (its temporary name is taken by a folder).
    const std::wstring temporary = scratch_.UserDataFile() + L".tmp";
    ASSERT_TRUE(::CreateDirectoryW(temporary.c_str(), nullptr));
    EXPECT_FALSE(manage.RecordProgramStart(L"C:\\Other.lnk"));
    EXPECT_FALSE(manage.RemoveProgram(*std::make_unique<TUseProgramInfo>(TUseProgramInfo{
        L"C:\\x.exe", L"C:\\Start Menu\\Program 5.lnk", 0, L"", L"", -1})));
    EXPECT_TRUE(ReadBytes(scratch_.UserDataFile()) == good);
    ::RemoveDirectoryW(temporary.c_str());

    // The file exists but cannot be read: it is not taken for a missing one.
    {
        UniqueFileHandle locked(::CreateFileW(scratch_.UserDataFile().c_str(), GENERIC_READ, 0, nullptr,
                                              OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(locked);
        EXPECT_FALSE(manage.RecordProgramStart(L"C:\\Other.lnk"));
    }
    EXPECT_TRUE(ReadBytes(scratch_.UserDataFile()) == good);
}
