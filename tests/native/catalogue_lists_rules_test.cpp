// The list rules of the program catalogue: the All Programs sort order, which
// folder entries are listed, first-wins names across folders, the start path
// of a shortcut, node captions, and the pinned list's rows, height, order and
// shortcut names.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "catalogue/pinned_rules.h"
#include "catalogue/shell_item_rules.h"

namespace {

std::string Show(std::wstring_view text) { return testing::PrintToString(std::wstring(text)); }

// A wide string from code points, so that characters beyond U+FFFF are
// written the way this platform's wchar_t holds them.
std::wstring FromCodePoints(std::initializer_list<char32_t> codePoints) {
    std::wstring text;
    for (char32_t c : codePoints) {
        if (sizeof(wchar_t) == 2 && c > 0xFFFF) {
            text.push_back(static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10)));
            text.push_back(static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            text.push_back(static_cast<wchar_t>(c));
        }
    }
    return text;
}

std::unique_ptr<TShellItem> Named(const wchar_t* displayName, const wchar_t* path) {
    auto item = std::make_unique<TShellItem>();
    item->DisplayName = displayName;
    item->Path = path;
    return item;
}

}  // namespace

TEST(ShellItemNames, CompareByUtf16CodeUnitsWithCase) {
    struct Case {
        std::wstring a, b;
        int expected;
        const char* why;
    } const cases[] = {
        {L"Zeta", L"alpha", -1, "upper case before lower case"},
        {L"alpha", L"Zeta", 1, "the same pair the other way"},
        {L"Games", L"Games", 0, "equal names"},
        {L"Game", L"Games", -1, "a prefix first"},
        {L"", L"A", -1, "the empty name first"},
        {L"a b", L"a_b", -1, "blank (0x20) before underscore (0x5F)"},
        {L"z", FromCodePoints({0xE9}), -1, "ASCII before Latin-1"},
        // In code-point order U+10000 would follow U+FFFD; its UTF-16 high
        // surrogate 0xD800 puts it first.
        {FromCodePoints({0x10000}), FromCodePoints({0xFFFD}), -1, "surrogate pair before U+FFFD"},
        {FromCodePoints({0xFF21}), FromCodePoints({0x1F600}), 1, "full-width A after an emoji"},
        {FromCodePoints({0x1F600, 0x41}), FromCodePoints({0x1F600, 0x42}), -1, "equal pairs, then the next unit"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompareShellItemNames(c.a, c.b), c.expected) << c.why;
        EXPECT_EQ(CompareShellItemNames(c.b, c.a), -c.expected) << c.why << " (swapped)";
    }
}

TEST(ShellItemNames, SortKeepsTheFirstFoundOfEqualNames) {
    std::vector<std::unique_ptr<TShellItem>> items;
    items.push_back(Named(L"alpha", L"1"));
    items.push_back(Named(L"Tools", L"user"));
    items.push_back(Named(L"Zeta", L"2"));
    items.push_back(Named(L"Tools", L"common"));
    items.push_back(Named(L"Beta", L"3"));
    SortShellItems(items);

    std::vector<std::wstring> order;
    for (const auto& item : items) order.push_back(item->DisplayName + L"/" + item->Path);
    const std::vector<std::wstring> expected = {L"Beta/3", L"Tools/user", L"Tools/common", L"Zeta/2", L"alpha/1"};
    EXPECT_EQ(order, expected);
}

TEST(FolderEntries, DotNamesHiddenAndSystemEntriesAreNeverListed) {
    constexpr std::uint32_t kNormal = 0x80, kArchive = 0x20, kReadOnly = 0x01;
    struct Case {
        const wchar_t* name;
        std::uint32_t attributes;
        FolderEntryUse withFolders, withoutFolders;
    } const cases[] = {
        {L"Notepad.lnk", kNormal, FolderEntryUse::File, FolderEntryUse::File},
        {L"Notepad.lnk", kArchive | kReadOnly, FolderEntryUse::File, FolderEntryUse::File},
        {L"Games", kFileAttributeDirectory, FolderEntryUse::Folder, FolderEntryUse::Skip},
        {L"Games", kFileAttributeDirectory | kReadOnly, FolderEntryUse::Folder, FolderEntryUse::Skip},
        {L"desktop.ini", kFileAttributeHidden | kFileAttributeSystem | kArchive, FolderEntryUse::Skip,
         FolderEntryUse::Skip},
        {L"Secret.lnk", kFileAttributeHidden, FolderEntryUse::Skip, FolderEntryUse::Skip},
        {L"Core.lnk", kFileAttributeSystem, FolderEntryUse::Skip, FolderEntryUse::Skip},
        {L"Hidden folder", kFileAttributeDirectory | kFileAttributeHidden, FolderEntryUse::Skip,
         FolderEntryUse::Skip},
        {L".", kFileAttributeDirectory, FolderEntryUse::Skip, FolderEntryUse::Skip},
        {L"..", kFileAttributeDirectory, FolderEntryUse::Skip, FolderEntryUse::Skip},
        {L".config.lnk", kNormal, FolderEntryUse::Skip, FolderEntryUse::Skip},
        {L"", kNormal, FolderEntryUse::Skip, FolderEntryUse::Skip},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyFolderEntry(c.name, c.attributes, true), c.withFolders) << Show(c.name);
        EXPECT_EQ(ClassifyFolderEntry(c.name, c.attributes, false), c.withoutFolders) << Show(c.name);
    }
}

TEST(NameList, TheFirstOfANameWinsWhateverItsCase) {
    TNameList names;
    struct Step {
        const wchar_t* name;
        bool added;
    } const steps[] = {
        {L"Games", true},  {L"GAMES", false}, {L"games", false},   {L"Games.lnk", true},
        {L"Game", true},   {L"Games ", true}, {L"Notepad.lnk", true}, {L"NOTEPAD.LNK", false},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(names.Contains(step.name), !step.added) << Show(step.name);
        EXPECT_EQ(names.Add(step.name), step.added) << Show(step.name);
        EXPECT_TRUE(names.Contains(step.name)) << Show(step.name);
    }
    EXPECT_EQ(names.Count(), 5u);
}

TEST(NameList, UsesTheFoldItIsGiven) {
    // A fold that also treats blanks and underscores alike stands for the
    // system's own fold over all of Unicode.
    TNameList names([](std::wstring_view name) {
        std::wstring folded = FoldAsciiCase(name);
        for (wchar_t& c : folded) {
            if (c == L'_') c = L' ';
        }
        return folded;
    });
    EXPECT_TRUE(names.Add(L"My Tools"));
    EXPECT_FALSE(names.Add(L"my_tools"));
    EXPECT_TRUE(names.Add(L"MyTools"));
}

TEST(ShellItemPath, ProgramFilesTargetsStartDirectlyOtherwiseTheShortcut) {
    const std::wstring shortcut = L"C:\\Menu\\App.lnk";
    const std::set<std::wstring> existing = {
        L"C:\\Program Files\\App\\app.exe",
        L"C:\\Program Files (x86)\\Old\\old.exe",
        L"D:\\Tools\\tool.exe",
        L"C:\\Program Files\\Twice\\Program Files\\t.exe",
    };
    const auto exists = [&](const std::wstring& path) { return existing.contains(path); };
    struct Case {
        const wchar_t* target;
        std::wstring expected;
        const char* why;
    } const cases[] = {
        {L"C:\\Program Files\\App\\app.exe", L"C:\\Program Files\\App\\app.exe", "existing target"},
        {L"C:\\Program Files (x86)\\Old\\old.exe", L"C:\\Program Files (x86)\\Old\\old.exe", "existing x86 target"},
        {L"C:\\Program Files (x86)\\App\\app.exe", L"C:\\Program Files\\App\\app.exe", "x86 path read as 64-bit"},
        {L"C:\\Program Files (x86)\\Twice\\Program Files (x86)\\t.exe",
         L"C:\\Program Files\\Twice\\Program Files\\t.exe", "every x86 part replaced"},
        {L"C:\\Program Files (x86)\\Gone\\gone.exe", shortcut, "missing in both folders"},
        {L"C:\\Program Files\\Gone\\gone.exe", shortcut, "missing target"},
        {L"D:\\Tools\\tool.exe", shortcut, "outside Program Files: the shortcut's arguments apply"},
        {L"C:\\program files\\App\\app.exe", shortcut, "the folder name matches with its case"},
        {L"", shortcut, "unresolved shortcut"},
    };
    for (const Case& c : cases) EXPECT_EQ(ChooseShellItemPath(shortcut, c.target, exists), c.expected) << c.why;
}

TEST(ShellItemCaption, DropsTheLastExtension) {
    struct Case {
        const wchar_t* displayName;
        const wchar_t* caption;
    } const cases[] = {
        {L"Readme.txt", L"Readme"},   {L"Tool 1.5", L"Tool 1"}, {L"Notepad", L"Notepad"},
        {L"a.tar.gz", L"a.tar"},      {L"Trailing.", L"Trailing"}, {L"", L""},
    };
    for (const Case& c : cases) EXPECT_EQ(ShellItemCaption(c.displayName), c.caption) << Show(c.displayName);
    const auto placeholder = NewPlaceholderItem();
    EXPECT_EQ(placeholder->DisplayName, L"(None)");
    EXPECT_EQ(placeholder->Kind, ShellItemKind::Placeholder);
}

TEST(PinnedList, HeightFollowsTheRowsThatFitAndTheFirstIsAlwaysShown) {
    struct Case {
        std::size_t entries;
        int top, bottomLimit;
        std::size_t shown;
        int height;
        const char* why;
    } const cases[] = {
        {0, 97, 650, 0, 2, "empty list"},
        {1, 97, 100, 1, 42, "no room for one row: the first still shows"},
        {4, 97, -20, 1, 42, "negative limit"},
        {4, 97, 141, 1, 42, "exactly one row fits"},
        {4, 97, 180, 1, 42, "a second row would end below the limit"},
        {4, 97, 181, 2, 82, "exactly two rows fit"},
        {4, 97, 650, 4, 162, "room to spare"},
        {20, 97, 650, 13, 522, "a long list is cut"},
    };
    for (const Case& c : cases) {
        const PinnedListFit fit = FitPinnedList(c.entries, c.top, c.bottomLimit);
        EXPECT_EQ(fit.shown, c.shown) << c.why;
        EXPECT_EQ(fit.height, c.height) << c.why;
    }
}

TEST(PinnedList, ShownRowsEndByTheLimitAndNoFurtherRowWouldFit) {
    for (std::size_t entries = 0; entries <= 12; ++entries) {
        for (int limit = -50; limit <= 700; ++limit) {
            const int top = 97;
            const PinnedListFit fit = FitPinnedList(entries, top, limit);
            const auto rows = static_cast<int>(fit.shown);
            SCOPED_TRACE(testing::Message() << entries << " entries, limit " << limit);
            ASSERT_EQ(fit.height, rows * kPinnedRowHeight + 2);
            ASSERT_LE(fit.shown, entries);
            ASSERT_EQ(fit.shown == 0, entries == 0);
            if (rows > 1) {
                ASSERT_LE(top + fit.height + 2, limit);
            }
            if (fit.shown < entries) {
                ASSERT_GT(top + (rows + 1) * kPinnedRowHeight + 4, limit);
            }
        }
    }
}

TEST(PinnedList, NewestFirstAndEqualTimesKeepTheirOrder) {
    std::vector<std::unique_ptr<TUserPinedInfo>> items;
    const std::pair<const wchar_t*, DateTime> entries[] = {
        {L"old", 40000.0}, {L"new", 45000.5}, {L"same-1", 42000.25}, {L"same-2", 42000.25}, {L"none", 0.0}};
    for (const auto& [name, time] : entries) {
        auto item = std::make_unique<TUserPinedInfo>();
        item->LinkPath = name;
        item->CreationTime = time;
        items.push_back(std::move(item));
    }
    SortPinnedNewestFirst(items);
    std::vector<std::wstring> order;
    for (const auto& item : items) order.push_back(item->LinkPath);
    EXPECT_EQ(order, (std::vector<std::wstring>{L"new", L"same-1", L"same-2", L"old", L"none"}));
}

TEST(PinnedList, ShortcutNameKeepsTheCaptionInsideThePinnedFolder) {
    struct Case {
        std::wstring caption, fileName;
    } const cases[] = {
        {L"Notepad", L"Notepad.lnk"},
        {L"Tool 1.5", L"Tool 1.5.lnk"},
        {L"..\\..\\Startup\\Evil", L".._.._Startup_Evil.lnk"},
        {L"a/b:c*d?e\"f<g>h|i", L"a_b_c_d_e_f_g_h_i.lnk"},
        {std::wstring(L"tab\there"), L"tab_here.lnk"},
        {L"", L""},
    };
    for (const Case& c : cases) EXPECT_EQ(PinnedShortcutFileName(c.caption), c.fileName) << Show(c.caption);
}
