// The hidden main window in-process: the pinned folder watcher and the
// menu's hiding when the program loses the activation.

#include <shlobj.h>

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "catalogue/pinned_manage.h"
#include "catalogue/shortcuts.h"
#include "startmenu/start_menu_form.h"
#include "tests/harness/paths.h"

namespace {

void PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    while (!done() && ::GetTickCount64() < deadline) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
        ::Sleep(10);
    }
}

bool Pinned(const std::wstring& shortcut) {
    for (int i = 0; i < UserPinedManage().Count(); ++i)
        if (_wcsicmp(UserPinedManage().Item(i)->LinkPath.c_str(), shortcut.c_str()) == 0) return true;
    return false;
}

std::wstring ThisProgram() {
    wchar_t path[MAX_PATH];
    return std::wstring(path, ::GetModuleFileNameW(nullptr, path, MAX_PATH));
}

class MainFormTest : public testing::Test {
protected:
    void SetUp() override {
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ASSERT_TRUE(form.CreateForm());
        UserPinedManage().LoadPinnedPrograms();
    }
    void TearDown() override {
        for (const std::wstring& file : created_) ::DeleteFileW(file.c_str());
        ::CoUninitialize();
    }
    std::wstring NewShortcut(const std::wstring& name) {
        const std::wstring path = UserPinedManage().PinnedFolder() + name;
        CreateShortcut(ThisProgram(), L"", path, L"");
        created_.push_back(path);
        return path;
    }

    TfrmMainForm form;
    std::vector<std::wstring> created_;
};

}  // namespace

TEST_F(MainFormTest, ShortcutsCreatedRenamedAndDeletedInThePinnedFolderChangeThePinnedList) {
    const std::wstring first = NewShortcut(L"Watched Program.lnk");
    ASSERT_FALSE(Pinned(first));
    ::SHChangeNotify(SHCNE_CREATE, SHCNF_PATHW, first.c_str(), nullptr);
    PumpUntil([&] { return Pinned(first); });
    EXPECT_TRUE(Pinned(first));

    const std::wstring renamed = UserPinedManage().PinnedFolder() + L"Renamed Program.lnk";
    ASSERT_TRUE(::MoveFileW(first.c_str(), renamed.c_str()));
    created_.push_back(renamed);
    ::SHChangeNotify(SHCNE_RENAMEITEM, SHCNF_PATHW, first.c_str(), renamed.c_str());
    PumpUntil([&] { return Pinned(renamed); });
    EXPECT_TRUE(Pinned(renamed));
    EXPECT_FALSE(Pinned(first));

    ASSERT_TRUE(::DeleteFileW(renamed.c_str()));
    ::SHChangeNotify(SHCNE_DELETE, SHCNF_PATHW, renamed.c_str(), nullptr);
    PumpUntil([&] { return !Pinned(renamed); });
    EXPECT_FALSE(Pinned(renamed));
}

TEST_F(MainFormTest, LosingTheActivationHidesTheMenuAndSystemCommandsAreSwallowed) {
    TQelStartMenuFrm menu;
    QelStartMenuFrm = &menu;
    ASSERT_TRUE(menu.CreateForm());
    menu.ShowStartMenuForm();
    ASSERT_TRUE(menu.IsVisible());
    ::SendMessageW(form.Handle(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(menu.IsVisible());
    QelStartMenuFrm = nullptr;

    ::SendMessageW(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ::SendMessageW(form.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(::IsWindow(form.Handle()));
    EXPECT_FALSE(::IsIconic(form.Handle()));
}
