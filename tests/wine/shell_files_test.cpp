// Shortcuts, shell display names and icons, file time stamps and the user
// settings the shell utilities read, on real files under Wine.

#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <optional>
#include <string>

#include "catalogue/com_support.h"
#include "catalogue/file_time_stamp.h"
#include "catalogue/shell_info.h"
#include "catalogue/shortcuts.h"
#include "catalogue/user_avatar.h"
#include "catalogue/user_name.h"
#include "platform/unique_handle.h"
#include "tests/harness/environment.h"
#include "tests/harness/paths.h"

using Microsoft::WRL::ComPtr;

namespace {

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void WriteFile(const std::wstring& path, const char* text = "x") {
    UniqueFileHandle file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << "cannot create the test file, error " << ::GetLastError();
    DWORD wrote = 0;
    ASSERT_TRUE(::WriteFile(file.get(), text, static_cast<DWORD>(strlen(text)), &wrote, nullptr));
}

// What a shortcut file holds, read back through the shell's own object.
struct ShortcutFields {
    std::wstring path, arguments, workingFolder, description;
};

ShortcutFields ReadShortcut(const std::wstring& shortcut) {
    ShortcutFields fields;
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) ||
        FAILED(link.As(&file)) || FAILED(file->Load(shortcut.c_str(), STGM_READ)))
        return fields;
    wchar_t buffer[1024] = {};
    if (SUCCEEDED(link->GetPath(buffer, 1024, nullptr, SLGP_RAWPATH))) fields.path = buffer;
    buffer[0] = 0;
    if (SUCCEEDED(link->GetArguments(buffer, 1024))) fields.arguments = buffer;
    buffer[0] = 0;
    if (SUCCEEDED(link->GetWorkingDirectory(buffer, 1024))) fields.workingFolder = buffer;
    buffer[0] = 0;
    if (SUCCEEDED(link->GetDescription(buffer, 1024))) fields.description = buffer;
    return fields;
}

class ShellFiles : public testing::Test {
protected:
    void SetUp() override {
        scratch_ = MakeScratchFolder();
        ASSERT_FALSE(scratch_.empty());
        target_ = scratch_ + L"\\Tools\\Editor.exe";
        ASSERT_TRUE(::CreateDirectoryW((scratch_ + L"\\Tools").c_str(), nullptr));
        WriteFile(target_);
    }
    void TearDown() override { RemoveFolder(scratch_); }

    ScopedComInit com_;
    std::wstring scratch_;
    std::wstring target_;
};

}  // namespace

TEST_F(ShellFiles, CreateShortcut_WritesEveryFieldAndResolvesBackToTheTarget) {
    const std::wstring shortcut = scratch_ + L"\\Editor.lnk";
    CreateShortcut(target_, L"/open \"a b.txt\"", shortcut, L"Edits text");

    const ShortcutFields fields = ReadShortcut(shortcut);
    EXPECT_EQ(fields.path, target_);
    EXPECT_EQ(fields.arguments, L"/open \"a b.txt\"");
    EXPECT_EQ(fields.workingFolder, scratch_ + L"\\Tools\\");
    EXPECT_EQ(fields.description, L"Edits text");
    EXPECT_EQ(ResolveShortcut(shortcut), target_);
}

TEST_F(ShellFiles, CreateShortcut_WritesOnlyShortcutNames) {
    struct Case {
        const wchar_t* name;
        bool written;
    } const cases[] = {
        {L"plain.lnk", true}, {L"Mixed.LnK", true},  {L"upper.LNK", true},
        {L"text.txt", false}, {L"backup.lnk.bak", false}, {L"noextension", false},
    };
    for (const Case& c : cases) {
        const std::wstring shortcut = scratch_ + L"\\" + c.name;
        CreateShortcut(target_, L"", shortcut, L"");
        EXPECT_EQ(Exists(shortcut), c.written) << testing::PrintToString(std::wstring(c.name));
        if (c.written) {
            EXPECT_EQ(ResolveShortcut(shortcut), target_) << testing::PrintToString(std::wstring(c.name));
        }
    }
}

TEST_F(ShellFiles, ResolveShortcut_LeavesTheExistenceOfTheTargetToTheCaller) {
    const std::wstring shortcut = scratch_ + L"\\Gone.lnk";
    CreateShortcut(target_, L"", shortcut, L"");
    ASSERT_TRUE(::DeleteFileW(target_.c_str()));

    const std::wstring resolved = ResolveShortcut(shortcut);
    // The stale target comes back; whoever uses it checks that it exists.
    EXPECT_EQ(resolved, target_);
    EXPECT_FALSE(Exists(resolved));
}

TEST_F(ShellFiles, ResolveShortcut_GivesEmptyForWhatIsNoShortcut) {
    WriteFile(scratch_ + L"\\notes.txt", "not a shortcut");
    WriteFile(scratch_ + L"\\Fake.lnk", "garbage, not a link");
    for (const std::wstring& path : {target_, scratch_ + L"\\notes.txt", scratch_ + L"\\Fake.lnk",
                                     scratch_ + L"\\Missing.lnk", scratch_}) {
        EXPECT_EQ(ResolveShortcut(path), L"") << testing::PrintToString(path);
    }
}

TEST_F(ShellFiles, GetShellDisplayName_HidesTheShortcutExtension) {
    const std::wstring shortcut = scratch_ + L"\\Text Editor.lnk";
    CreateShortcut(target_, L"", shortcut, L"");
    EXPECT_EQ(GetShellDisplayName(shortcut), L"Text Editor");
    EXPECT_EQ(GetShellDisplayName(scratch_ + L"\\Tools"), L"Tools");
}

TEST_F(ShellFiles, GetSystemIconIndex_SharesIndexesByTypeAndGivesZeroForMissingFiles) {
    // Wine's icons are generic: every plain file shares index 0, folders have
    // their own closed and open icons.
    const std::wstring first = scratch_ + L"\\first.txt", second = scratch_ + L"\\second.txt";
    WriteFile(first);
    WriteFile(second);
    const std::wstring folder = scratch_ + L"\\Tools", otherFolder = scratch_;
    for (const bool large : {false, true}) {
        EXPECT_EQ(GetSystemIconIndex(second, large, false), GetSystemIconIndex(first, large, false)) << "large " << large;
        const int closed = GetSystemIconIndex(folder, large, false);
        const int open = GetSystemIconIndex(folder, large, true);
        EXPECT_GT(closed, 0) << "large " << large;
        EXPECT_GT(open, 0) << "large " << large;
        EXPECT_NE(open, closed) << "large " << large;
        EXPECT_EQ(GetSystemIconIndex(otherFolder, large, false), closed) << "large " << large;
    }
    // The small and large lists share indexes, so one index serves both.
    EXPECT_EQ(GetSystemIconIndex(folder, true, false), GetSystemIconIndex(folder, false, false));
    EXPECT_EQ(GetSystemIconIndex(folder, true, true), GetSystemIconIndex(folder, false, true));
    EXPECT_EQ(GetSystemIconIndex(scratch_ + L"\\missing", false, false), 0);
    EXPECT_EQ(GetSystemIconIndex(scratch_ + L"\\missing", true, true), 0);
}

TEST_F(ShellFiles, GetFileTimeStamp_ReadsTheChosenTimeInLocalTime) {
    // Three distinct UTC times, each on an even second (DOS keeps 2 seconds).
    const SYSTEMTIME creation{2001, 2, 0, 3, 4, 5, 6, 0}, write{2010, 7, 0, 14, 15, 16, 18, 0},
        access{2015, 11, 0, 26, 20, 30, 40, 0};
    FILETIME times[3];
    const SYSTEMTIME* sources[3] = {&creation, &write, &access};
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(::SystemTimeToFileTime(sources[i], &times[i]));
    {
        UniqueFileHandle file(::CreateFileW(target_.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0,
                                            nullptr));
        ASSERT_TRUE(file);
        ASSERT_TRUE(::SetFileTime(file.get(), &times[0], &times[2], &times[1]));
    }
    // The expected value computed the long way: local calendar time, days and seconds.
    auto expected = [](const FILETIME& utc) {
        FILETIME local;
        SYSTEMTIME t;
        EXPECT_TRUE(::FileTimeToLocalFileTime(&utc, &local));
        EXPECT_TRUE(::FileTimeToSystemTime(&local, &t));
        return DaysSinceDateTimeEpoch(t.wYear, t.wMonth, t.wDay) +
               (t.wHour * 3600 + t.wMinute * 60 + t.wSecond) / 86400.0;
    };
    WIN32_FIND_DATAW found{};
    UniqueFindHandle find(::FindFirstFileW(target_.c_str(), &found));
    ASSERT_TRUE(find);
    struct Case {
        int kind;
        const FILETIME& time;
    } const cases[] = {{0, found.ftCreationTime}, {1, times[1]}, {2, times[2]}, {7, times[2]}};
    for (const Case& c : cases) {
        const double wanted = expected(c.time);
        EXPECT_DOUBLE_EQ(GetFileTimeStamp(target_, c.kind), wanted) << "kind " << c.kind;
    }
    EXPECT_EQ(GetFileTimeStamp(scratch_ + L"\\missing.txt", 1), 0.0);
}

TEST(UserName, FallsBackToTheLoginNameWhenWmiNamesNobody) {
    const std::wstring login = GetLoginName();
    ASSERT_FALSE(login.empty());
    wchar_t variable[260] = {};
    const DWORD length = ::GetEnvironmentVariableW(L"USERNAME", variable, 260);
    if (length > 0 && length < 260) {
        EXPECT_EQ(login, std::wstring(variable, length));
    }
    // Wine's WMI answers the account query with no rows.
    EXPECT_EQ(GetUserDisplayName(), login);
}

class UserAvatar : public testing::Test {
protected:
    void SetUp() override {
        scratch_ = MakeScratchFolder();
        ASSERT_FALSE(scratch_.empty());
        userProfile_.emplace(L"USERPROFILE", scratch_);
        ASSERT_TRUE(userProfile_->IsReady());
    }
    void TearDown() override {
        userProfile_.reset();
        RemoveFolder(scratch_);
    }

    std::wstring scratch_;
    std::optional<ScopedEnvironmentVariable> userProfile_;
};

TEST_F(UserAvatar, LoadUserAvatarSetting_TakesTheValueFromMainIni) {
    v_UserLogoFileName = L"stale";
    LoadUserAvatarSetting();
    EXPECT_EQ(v_UserLogoFileName, L"") << "no Main.ini";

    const std::wstring dataFolder = scratch_ + L"\\AppData\\LocalLow\\Kavor\\Dravix";
    ASSERT_EQ(::SHCreateDirectoryExW(nullptr, dataFolder.c_str(), nullptr), ERROR_SUCCESS);
    const std::wstring mainIni = dataFolder + L"\\Main.ini";
    ASSERT_TRUE(::WritePrivateProfileStringW(L"Main", L"Language", L"English", mainIni.c_str()));
    LoadUserAvatarSetting();
    EXPECT_EQ(v_UserLogoFileName, L"") << "Main.ini without the key";

    ASSERT_TRUE(::WritePrivateProfileStringW(L"Main", L"UserAvatar", L"C:\\Pictures\\Me.png", mainIni.c_str()));
    LoadUserAvatarSetting();
    EXPECT_EQ(v_UserLogoFileName, L"C:\\Pictures\\Me.png");
}
