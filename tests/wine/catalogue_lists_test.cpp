// The All Programs lists and the pinned programs over generated start menus
// in a scratch folder: merged roots, first-wins names, hidden and system
// entries, start paths of shortcuts, pinning and unpinning, the pinned view.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "catalogue/com_support.h"
#include "catalogue/start_menu_manage.h"
#include "tests/harness/paths.h"
#include "tests/wine/start_menu_generator.h"

namespace {

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void SetAttributes(const std::wstring& path, DWORD attributes) {
    ASSERT_TRUE(::SetFileAttributesW(path.c_str(), attributes)) << "error " << ::GetLastError();
}

std::vector<std::wstring> FileNames(const ShellItemList& items) {
    std::vector<std::wstring> names;
    for (const auto& item : items) names.push_back(item->FileName);
    return names;
}

const TShellItem* ByFileName(const ShellItemList& items, const std::wstring& fileName) {
    for (const auto& item : items) {
        if (item->FileName == fileName) return item.get();
    }
    return nullptr;
}

class AllProgramsLists : public testing::Test {
protected:
    void SetUp() override {
        scratch_ = MakeScratchFolder();
        ASSERT_FALSE(scratch_.empty());
        menu_ = MakeStartMenuFolders(scratch_);
        const std::wstring& user = menu_.userPrograms;
        const std::wstring& common = menu_.commonPrograms;
        const std::wstring& targets = menu_.targets;
        for (const wchar_t* name : {L"zeta", L"alpha", L"beta", L"loose", L"chess", L"chess-common", L"solitaire",
                                    L"mines", L"tool", L"defrag", L"cleanup", L"shared-user", L"shared-common",
                                    L"common-loose", L"menu-folder", L"hidden", L"core"})
            WriteStandInFile(targets + L"\\" + name + L".exe");
        programFiles_ = scratch_ + L"\\Program Files";
        WriteStandInFile(programFiles_ + L"\\Direct\\direct.exe");
        WriteStandInFile(programFiles_ + L"\\Wide\\wide.exe");

        // The user's Programs folder.
        WriteShortcut(user + L"\\Zeta.lnk", targets + L"\\zeta.exe");
        WriteShortcut(user + L"\\alpha.lnk", targets + L"\\alpha.exe");
        WriteShortcut(user + L"\\Shared.lnk", targets + L"\\shared-user.exe");
        WriteShortcut(user + L"\\Missing.lnk", targets + L"\\missing.exe");
        WriteShortcut(user + L"\\Direct.lnk", programFiles_ + L"\\Direct\\direct.exe");
        WriteShortcut(user + L"\\Wide.lnk", scratch_ + L"\\Program Files (x86)\\Wide\\wide.exe");
        WriteStandInFile(user + L"\\Broken.lnk", "not a shortcut at all");
        WriteShortcut(user + L"\\Hidden.lnk", targets + L"\\hidden.exe");
        SetAttributes(user + L"\\Hidden.lnk", FILE_ATTRIBUTE_HIDDEN);
        WriteShortcut(user + L"\\Core.lnk", targets + L"\\core.exe");
        SetAttributes(user + L"\\Core.lnk", FILE_ATTRIBUTE_SYSTEM);
        WriteStandInFile(user + L"\\desktop.ini", "[.ShellClassInfo]");
        SetAttributes(user + L"\\desktop.ini", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
        WriteShortcut(user + L"\\Secret\\Inside.lnk", targets + L"\\hidden.exe");
        SetAttributes(user + L"\\Secret", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
        WriteShortcut(user + L"\\Games\\Chess.lnk", targets + L"\\chess.exe");
        WriteShortcut(user + L"\\Games\\Solitaire.lnk", targets + L"\\solitaire.exe");
        WriteShortcut(user + L"\\Accessories\\System Tools\\Defrag.lnk", targets + L"\\defrag.exe");
        MakeFolders(user + L"\\Empty");

        // The all-users Programs folder: some names again, in other cases too.
        WriteShortcut(common + L"\\SHARED.lnk", targets + L"\\shared-common.exe");
        WriteShortcut(common + L"\\Beta.lnk", targets + L"\\beta.exe");
        WriteShortcut(common + L"\\Games\\Chess.lnk", targets + L"\\chess-common.exe");
        WriteShortcut(common + L"\\Games\\Minesweeper.lnk", targets + L"\\mines.exe");
        WriteShortcut(common + L"\\Games\\Card Games\\Hearts.lnk", targets + L"\\solitaire.exe");
        WriteShortcut(common + L"\\Accessories\\System Tools\\Cleanup.lnk", targets + L"\\cleanup.exe");
        WriteShortcut(common + L"\\Common Only\\Tool.lnk", targets + L"\\tool.exe");

        // Directly in the two Start Menu folders (beside "Programs").
        WriteShortcut(menu_.userStartMenu + L"\\Loose.lnk", targets + L"\\loose.exe");
        WriteShortcut(menu_.userStartMenu + L"\\Zeta.lnk", targets + L"\\alpha.exe");
        WriteShortcut(menu_.userStartMenu + L"\\Menu Folder\\Deep.lnk", targets + L"\\menu-folder.exe");
        WriteShortcut(menu_.commonStartMenu + L"\\Common Loose.lnk", targets + L"\\common-loose.exe");
    }
    void TearDown() override { RemoveFolder(scratch_); }

    TStartMenuManage Manage() const {
        return TStartMenuManage(StartMenuRoots{menu_.userPrograms, menu_.userStartMenu, menu_.commonPrograms,
                                               menu_.commonStartMenu});
    }

    ScopedComInit com_;
    std::wstring scratch_, programFiles_;
    GeneratedStartMenu menu_;
};

}  // namespace

TEST_F(AllProgramsLists, TopLevel_LooseShortcutsThenFoldersEachSortedByCodeUnits) {
    TStartMenuManage manage = Manage();
    const ShellItemList items = manage.LoadAllProgramsList();

    // Hidden and system entries, sub-folders of the Start Menu folders and
    // second copies of a name are left out; "Zeta" sorts before "alpha".
    const std::vector<std::wstring> expected = {
        L"Beta.lnk",    L"Broken.lnk",  L"Common Loose.lnk", L"Direct.lnk",  L"Loose.lnk", L"Missing.lnk",
        L"Shared.lnk",  L"Wide.lnk",    L"Zeta.lnk",         L"alpha.lnk",   L"Accessories", L"Common Only",
        L"Empty",       L"Games"};
    EXPECT_EQ(FileNames(items), expected);

    for (std::size_t i = 1; i < items.size(); ++i) {
        if (items[i - 1]->Kind == items[i]->Kind) {
            EXPECT_LT(CompareShellItemNames(*items[i - 1], *items[i]), 0) << i;
        }
    }
    for (const auto& item : items) {
        SCOPED_TRACE(testing::PrintToString(item->FileName));
        EXPECT_GE(item->IconIndex, 0);
        EXPECT_FALSE(item->DisplayName.empty());
        EXPECT_EQ(item->DisplayName.find(L".lnk"), std::wstring::npos);
        EXPECT_EQ(item->Kind, item->FileName.ends_with(L".lnk") ? ShellItemKind::File : ShellItemKind::Folder);
    }
}

TEST_F(AllProgramsLists, TopLevel_StartPathsFollowTheProgramFilesRule) {
    TStartMenuManage manage = Manage();
    const ShellItemList items = manage.LoadAllProgramsList();
    const std::wstring& user = menu_.userPrograms;
    struct Case {
        const wchar_t* fileName;
        std::wstring path;
        const char* why;
    } const cases[] = {
        {L"Direct.lnk", programFiles_ + L"\\Direct\\direct.exe", "existing target under Program Files"},
        {L"Wide.lnk", programFiles_ + L"\\Wide\\wide.exe", "missing x86 target found in Program Files"},
        {L"Missing.lnk", user + L"\\Missing.lnk", "missing target: the shortcut"},
        {L"Broken.lnk", user + L"\\Broken.lnk", "no shortcut: the file itself"},
        {L"Shared.lnk", user + L"\\Shared.lnk", "the user's copy of a name wins, target outside Program Files"},
        {L"Zeta.lnk", user + L"\\Zeta.lnk", "the Programs copy wins over the Start Menu copy"},
        {L"Beta.lnk", menu_.commonPrograms + L"\\Beta.lnk", "all-users entry"},
        {L"Loose.lnk", menu_.userStartMenu + L"\\Loose.lnk", "loose shortcut in the Start Menu folder"},
        {L"Games", user + L"\\Games", "a folder in both roots: the user's"},
        {L"Common Only", menu_.commonPrograms + L"\\Common Only", "a folder of the all-users root"},
    };
    for (const Case& c : cases) {
        const TShellItem* item = ByFileName(items, c.fileName);
        ASSERT_NE(item, nullptr) << c.why;
        EXPECT_EQ(item->Path, c.path) << c.why;
    }
}

TEST_F(AllProgramsLists, LoadAllPrograms_HandsOverTopLevelRecordsBetweenBeginAndEnd) {
    TStartMenuManage manage = Manage();
    const std::vector<std::wstring> expected = FileNames(manage.LoadAllProgramsList());

    std::vector<std::wstring> events;
    ShellItemList tree;  // stands for the tree view, which owns its records
    manage.LoadAllPrograms(
        [&](std::unique_ptr<TShellItem> item, void* parent) {
            EXPECT_EQ(parent, nullptr);
            events.push_back(item->FileName);
            tree.push_back(std::move(item));
        },
        [&] { events.push_back(L"<begin>"); }, [&] { events.push_back(L"<end>"); });

    std::vector<std::wstring> bracketed = {L"<begin>"};
    bracketed.insert(bracketed.end(), expected.begin(), expected.end());
    bracketed.push_back(L"<end>");
    EXPECT_EQ(events, bracketed);
    EXPECT_EQ(tree.size(), expected.size());

    manage.LoadAllPrograms([&](std::unique_ptr<TShellItem>, void*) {});  // the brackets are optional
}

TEST_F(AllProgramsLists, ListFolderChildren_MergesBothRootsEachNameOnceTheUsersFirst) {
    TStartMenuManage manage = Manage();
    const ShellItemList top = manage.LoadAllProgramsList();

    const ShellItemList games = manage.ListFolderChildren(*ByFileName(top, L"Games"), L"Games");
    // Below the top level, files and folders sort together.
    EXPECT_EQ(FileNames(games),
              (std::vector<std::wstring>{L"Card Games", L"Chess.lnk", L"Minesweeper.lnk", L"Solitaire.lnk"}));
    EXPECT_EQ(ByFileName(games, L"Chess.lnk")->Path, menu_.userPrograms + L"\\Games\\Chess.lnk");
    EXPECT_EQ(ByFileName(games, L"Card Games")->Kind, ShellItemKind::Folder);
    EXPECT_EQ(FileNames(manage.ListFolderChildren(*ByFileName(games, L"Card Games"), L"Games\\Card Games")),
              std::vector<std::wstring>{L"Hearts.lnk"});

    const ShellItemList accessories = manage.ListFolderChildren(*ByFileName(top, L"Accessories"), L"Accessories");
    ASSERT_EQ(FileNames(accessories), std::vector<std::wstring>{L"System Tools"});
    const ShellItemList tools =
        manage.ListFolderChildren(*accessories.front(), L"Accessories\\" + accessories.front()->FileName);
    EXPECT_EQ(FileNames(tools), (std::vector<std::wstring>{L"Cleanup.lnk", L"Defrag.lnk"}));

    EXPECT_EQ(FileNames(manage.ListFolderChildren(*ByFileName(top, L"Common Only"), L"Common Only")),
              std::vector<std::wstring>{L"Tool.lnk"});
    EXPECT_TRUE(manage.ListFolderChildren(*ByFileName(top, L"Empty"), L"Empty").empty());
}

TEST_F(AllProgramsLists, ListFolderChildren_ReadsTheDiskAgainEachTime) {
    TStartMenuManage manage = Manage();
    const ShellItemList top = manage.LoadAllProgramsList();
    const TShellItem& empty = *ByFileName(top, L"Empty");
    EXPECT_TRUE(manage.ListFolderChildren(empty, L"Empty").empty());
    WriteShortcut(menu_.commonPrograms + L"\\Empty\\Later.lnk", menu_.targets + L"\\tool.exe");
    EXPECT_EQ(FileNames(manage.ListFolderChildren(empty, L"Empty")), std::vector<std::wstring>{L"Later.lnk"});
}

TEST_F(AllProgramsLists, MissingRootsContributeNothing) {
    TStartMenuManage manage(StartMenuRoots{scratch_ + L"\\none\\Programs", scratch_ + L"\\none",
                                           menu_.commonPrograms + L"\\", L""});
    EXPECT_EQ(manage.CommonProgramsPath, menu_.commonPrograms) << "roots keep no trailing backslash";
    EXPECT_EQ(FileNames(manage.LoadAllProgramsList()),
              (std::vector<std::wstring>{L"Beta.lnk", L"SHARED.lnk", L"Accessories", L"Common Only", L"Games"}));
}

TEST(AllProgramsManage, ProcessWideManagerUsesTheSystemRoots) {
    const StartMenuRoots roots = SystemStartMenuRoots();
    TStartMenuManage& manage = StartMenuManage();
    EXPECT_EQ(&manage, &StartMenuManage());
    EXPECT_EQ(manage.UserProgramsPath, roots.UserProgramsPath);
    EXPECT_EQ(manage.CommonStartMenuPath, roots.CommonStartMenuPath);
    for (const std::wstring* root : {&roots.UserProgramsPath, &roots.UserStartMenuPath, &roots.CommonProgramsPath,
                                     &roots.CommonStartMenuPath}) {
        EXPECT_TRUE(Exists(*root)) << testing::PrintToString(*root);
        EXPECT_NE(root->back(), L'\\');
    }
    EXPECT_EQ(roots.UserProgramsPath, roots.UserStartMenuPath + L"\\Programs");
}
