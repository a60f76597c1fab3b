// The pinned programs over a generated pinned folder: loading, one entry per
// target, newest first, the folder watcher's additions and removals, pinning
// and unpinning, and what the pinned view is given.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "catalogue/com_support.h"
#include "catalogue/pinned_manage.h"
#include "catalogue/shortcuts.h"
#include "platform/unique_handle.h"
#include "tests/harness/paths.h"
#include "tests/wine/start_menu_generator.h"

namespace {

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::wstring> LinkNames(const TUserPinedManage& manage) {
    std::vector<std::wstring> names;
    for (int i = 0; i < manage.Count(); ++i) {
        const std::wstring& link = manage.Item(i)->LinkPath;
        names.push_back(link.substr(link.find_last_of(L'\\') + 1));
    }
    return names;
}

std::wstring Upper(std::wstring text) {
    ::CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// The first of `names` in the directory listing of `folder`.
std::wstring FirstListed(const std::wstring& folder, const std::vector<std::wstring>& names) {
    WIN32_FIND_DATAW found{};
    const UniqueFindHandle find(::FindFirstFileW((folder + L"*").c_str(), &found));
    if (!find) return {};
    do {
        for (const std::wstring& name : names) {
            if (name == found.cFileName) return name;
        }
    } while (::FindNextFileW(find.get(), &found));
    return {};
}

// Records what the pinned view is told, in order.
class RecordingPinnedView : public IPinnedTreeView {
public:
    std::vector<std::wstring> calls;
    std::vector<TUserPinedInfo*> records;
    int height = -1;

    void BeginUpdate() override { calls.push_back(L"begin"); }
    void Clear() override {
        calls.push_back(L"clear");
        records.clear();
    }
    void AddNode(const std::wstring& caption, int iconIndex, TUserPinedInfo* record) override {
        calls.push_back(L"add " + caption + L" " + std::to_wstring(iconIndex));
        records.push_back(record);
    }
    void SetHeight(int value) override {
        calls.push_back(L"height " + std::to_wstring(value));
        height = value;
    }
    void EndUpdate() override { calls.push_back(L"end"); }
};

class PinnedPrograms : public testing::Test {
protected:
    void SetUp() override {
        scratch_ = MakeScratchFolder();
        ASSERT_FALSE(scratch_.empty());
        pinned_ = scratch_ + L"\\Pinned\\";
        targets_ = scratch_ + L"\\Targets\\";
        MakeFolders(scratch_ + L"\\Pinned");
        for (const wchar_t* name : {L"Editor.exe", L"Viewer.exe", L"Player.exe", L"Spare.exe"})
            WriteStandInFile(targets_ + name);
    }
    void TearDown() override { RemoveFolder(scratch_); }

    // Shortcuts of three ages (when asked for), one target twice (in another
    // case), one missing target, one hidden, and files that only look like
    // shortcuts. Wine keeps no creation time that a program sets, so the ages
    // are real: the records keep times to 2 seconds.
    void WriteTypicalFolder(bool spacedCreationTimes = false) {
        const auto nextAge = [&] {
            if (spacedCreationTimes) ::Sleep(2100);
        };
        WriteShortcut(pinned_ + L"Editor.lnk", targets_ + L"Editor.exe");
        WriteShortcut(pinned_ + L"Editor again.lnk", targets_ + L"EDITOR.EXE");
        WriteShortcut(pinned_ + L"Gone.lnk", targets_ + L"Gone.exe");
        WriteStandInFile(pinned_ + L"Broken.lnk", "not a shortcut");
        WriteShortcut(pinned_ + L"Notes.lnkx", targets_ + L"Spare.exe");
        MakeFolders(pinned_ + L"Folder.lnk");
        nextAge();
        WriteShortcut(pinned_ + L"Player.lnk", targets_ + L"Player.exe");
        ASSERT_TRUE(::SetFileAttributesW((pinned_ + L"Player.lnk").c_str(), FILE_ATTRIBUTE_HIDDEN));
        nextAge();
        WriteShortcut(pinned_ + L"Viewer.lnk", targets_ + L"Viewer.exe");
    }

    ScopedComInit com_;
    std::wstring scratch_, pinned_, targets_;
};

}  // namespace

TEST_F(PinnedPrograms, Load_OneEntryPerExistingTargetNewestFirst) {
    WriteTypicalFolder(true);
    TUserPinedManage manage(scratch_ + L"\\Pinned");
    EXPECT_EQ(manage.PinnedFolder(), pinned_);
    manage.LoadPinnedPrograms();

    const std::wstring editor = FirstListed(pinned_, {L"Editor.lnk", L"Editor again.lnk"});
    EXPECT_EQ(LinkNames(manage), (std::vector<std::wstring>{L"Viewer.lnk", L"Player.lnk", editor}));

    const TUserPinedInfo& viewer = *manage.Item(0);
    EXPECT_EQ(viewer.LinkPath, pinned_ + L"Viewer.lnk");
    EXPECT_EQ(viewer.TargetPath, targets_ + L"Viewer.exe");
    EXPECT_EQ(viewer.DisplayName, L"Viewer");
    EXPECT_GE(viewer.IconIndex, 0);
    EXPECT_GT(viewer.CreationTime, manage.Item(1)->CreationTime);
    EXPECT_GT(manage.Item(1)->CreationTime, manage.Item(2)->CreationTime);

    EXPECT_EQ(manage.Item(-1), nullptr);
    EXPECT_EQ(manage.Item(manage.Count()), nullptr);

    manage.LoadPinnedPrograms();  // a reload starts afresh
    EXPECT_EQ(manage.Count(), 3);
}

TEST_F(PinnedPrograms, FindByTarget_ComparesWithoutCase) {
    WriteTypicalFolder();
    TUserPinedManage manage(pinned_);
    manage.LoadPinnedPrograms();
    struct Case {
        std::wstring target;
        const wchar_t* link;
    } const cases[] = {
        {targets_ + L"Viewer.exe", L"Viewer.lnk"},
        {Upper(targets_ + L"Viewer.exe"), L"Viewer.lnk"},
        {targets_ + L"player.EXE", L"Player.lnk"},
        {targets_ + L"Gone.exe", nullptr},
        {targets_ + L"Spare.exe", nullptr},
        {L"", nullptr},
    };
    for (const Case& c : cases) {
        const TUserPinedInfo* found = manage.FindByTarget(c.target);
        if (!c.link) {
            EXPECT_EQ(found, nullptr) << testing::PrintToString(c.target);
        } else {
            ASSERT_NE(found, nullptr) << testing::PrintToString(c.target);
            EXPECT_EQ(found->LinkPath, pinned_ + c.link);
        }
    }
}

TEST_F(PinnedPrograms, Watcher_AddsAtTheEndRemovesByPathAndFollowsRenames) {
    WriteTypicalFolder();
    TUserPinedManage manage(pinned_);
    manage.LoadPinnedPrograms();
    const std::vector<std::wstring> loaded = LinkNames(manage);

    // Created: listed last however new; a second shortcut to a listed target,
    // one to a missing target and a non-shortcut add nothing.
    WriteShortcut(pinned_ + L"Spare.lnk", targets_ + L"Spare.exe");
    manage.AddPinned(pinned_ + L"Spare.lnk");
    WriteShortcut(pinned_ + L"Spare twice.lnk", targets_ + L"SPARE.exe");
    manage.AddPinned(pinned_ + L"Spare twice.lnk");
    manage.AddPinned(pinned_ + L"Gone.lnk");
    manage.AddPinned(pinned_ + L"Broken.lnk");
    std::vector<std::wstring> expected = loaded;
    expected.push_back(L"Spare.lnk");
    EXPECT_EQ(LinkNames(manage), expected);

    // Deleted: found by its path in any case; an unknown path changes nothing.
    manage.RemovePinned(Upper(pinned_ + L"Viewer.lnk"));
    manage.RemovePinned(pinned_ + L"Unknown.lnk");
    std::erase(expected, L"Viewer.lnk");
    EXPECT_EQ(LinkNames(manage), expected);

    // Renamed: the old entry goes, the new name comes last.
    ASSERT_TRUE(::MoveFileW((pinned_ + L"Player.lnk").c_str(), (pinned_ + L"Music.lnk").c_str()));
    manage.RemovePinned(pinned_ + L"Player.lnk");
    manage.AddPinned(pinned_ + L"Music.lnk");
    std::erase(expected, L"Player.lnk");
    expected.push_back(L"Music.lnk");
    EXPECT_EQ(LinkNames(manage), expected);
}

TEST_F(PinnedPrograms, PinAndUnpin_WriteAndDeleteTheShortcut) {
    TUserPinedManage manage(pinned_);
    const std::wstring written = manage.PinToStartMenu(targets_ + L"Editor.exe", L"My Editor");
    EXPECT_EQ(written, pinned_ + L"My Editor.lnk");
    EXPECT_EQ(ResolveShortcut(written), targets_ + L"Editor.exe");
    EXPECT_EQ(manage.Count(), 0) << "the list changes on reload or through the watcher";

    // Pinned again under another caption, and a caption that names folders.
    manage.PinToStartMenu(targets_ + L"Editor.exe", L"Editor 2");
    const std::wstring odd = manage.PinToStartMenu(targets_ + L"Viewer.exe", L"..\\Viewer: new");
    EXPECT_EQ(odd, pinned_ + L".._Viewer_ new.lnk");
    EXPECT_TRUE(Exists(odd));
    EXPECT_EQ(manage.PinToStartMenu(targets_ + L"Viewer.exe", L""), L"");

    const PinnedListView view = manage.GetUserPinSoftwareList(97, 650, true);
    EXPECT_EQ(manage.Count(), 2) << "one entry per target";
    EXPECT_EQ(view.Rows.size(), 2u);
    ASSERT_NE(manage.FindByTarget(targets_ + L"Editor.exe"), nullptr);

    // Unpin: taken out of the list, then the file deleted (twice is harmless).
    TUserPinedInfo* record = manage.FindByTarget(targets_ + L"Viewer.exe");
    ASSERT_NE(record, nullptr);
    const std::unique_ptr<TUserPinedInfo> taken = manage.Remove(record);
    ASSERT_EQ(taken.get(), record);
    EXPECT_EQ(manage.Remove(record), nullptr);
    EXPECT_EQ(manage.FindByTarget(targets_ + L"Viewer.exe"), nullptr);
    TUserPinedManage::DeletePinnedShortcut(taken->LinkPath);
    EXPECT_FALSE(Exists(taken->LinkPath));
    TUserPinedManage::DeletePinnedShortcut(taken->LinkPath);

    manage.LoadPinnedPrograms();
    EXPECT_EQ(manage.Count(), 1);
    EXPECT_EQ(manage.FindByTarget(targets_ + L"Viewer.exe"), nullptr);
}

TEST_F(PinnedPrograms, PinnedView_GetsTheRowsThatFitInOneBatch) {
    WriteTypicalFolder();
    TUserPinedManage manage(pinned_);
    manage.LoadPinnedPrograms();
    ASSERT_EQ(manage.Count(), 3);

    struct Case {
        int bottomLimit;
        int rows;
        int height;
        const char* why;
    } const cases[] = {
        {650, 3, 122, "room for every row"},
        {181, 2, 82, "two rows fit"},
        {180, 1, 42, "a second row would cross the limit"},
        {50, 1, 42, "no room: the first row still shows"},
    };
    RecordingPinnedView view;
    for (const Case& c : cases) {
        view.calls.clear();
        EXPECT_EQ(manage.GetUserPinSoftwareList(view, 97, c.bottomLimit, false), c.height) << c.why;
        std::vector<std::wstring> expected = {L"begin", L"clear"};
        for (int i = 0; i < c.rows; ++i) {
            const TUserPinedInfo* record = manage.Item(i);
            expected.push_back(L"add " + record->DisplayName + L" " + std::to_wstring(record->IconIndex));
            EXPECT_EQ(view.records[static_cast<std::size_t>(i)], record) << c.why;
        }
        expected.push_back(L"height " + std::to_wstring(c.height));
        expected.push_back(L"end");
        EXPECT_EQ(view.calls, expected) << c.why;
    }

    // An empty or missing folder: no rows, 2 pixels.
    TUserPinedManage empty(scratch_ + L"\\No such folder");
    view.calls.clear();
    EXPECT_EQ(empty.GetUserPinSoftwareList(view, 97, 650, true), 2);
    EXPECT_EQ(view.calls, (std::vector<std::wstring>{L"begin", L"clear", L"height 2", L"end"}));
}

TEST_F(PinnedPrograms, ListIsGuardedAgainstAnotherThread) {
    WriteTypicalFolder();
    WriteShortcut(pinned_ + L"Spare.lnk", targets_ + L"Spare.exe");
    TUserPinedManage manage(pinned_);
    manage.LoadPinnedPrograms();

    std::thread watcher([&] {
        for (int i = 0; i < 40; ++i) {
            manage.RemovePinned(pinned_ + L"Spare.lnk");
            manage.AddPinned(pinned_ + L"Spare.lnk");
        }
    });
    for (int i = 0; i < 40; ++i) {
        EXPECT_NE(manage.FindByTarget(targets_ + L"Viewer.exe"), nullptr);
        EXPECT_GE(manage.Count(), 3);
        if (i % 10 == 0) manage.LoadPinnedPrograms();
    }
    watcher.join();
    EXPECT_EQ(manage.Count(), 4);
    EXPECT_NE(manage.FindByTarget(targets_ + L"Spare.exe"), nullptr);
}

TEST(PinnedManage, ProcessWideManagerUsesTheUsersProgramsFolder) {
    TUserPinedManage& manage = UserPinedManage();
    EXPECT_EQ(&manage, &UserPinedManage());
    EXPECT_EQ(manage.PinnedFolder(), SystemPinnedFolder());
    EXPECT_TRUE(manage.PinnedFolder().ends_with(L"\\Programs\\"));
    EXPECT_TRUE(Exists(manage.PinnedFolder()));
}
