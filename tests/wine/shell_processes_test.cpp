// Processes by name, starting files, the session commands through the
// system-actions seam, and 32-bit redirection, under Wine.

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "catalogue/elevon_window.h"
#include "catalogue/launching.h"
#include "catalogue/processes.h"
#include "catalogue/session.h"
#include "catalogue/wow64.h"
#include "platform/system_actions.h"
#include "platform/unique_handle.h"
#include "startbutton/companion_interface.h"
#include "tests/harness/paths.h"
#include "tests/harness/program_under_test.h"

namespace {

// A copy of the harness probe under a file name of the test's choosing, so
// that killing by name can only reach processes this test started.
class NamedProbe {
public:
    explicit NamedProbe(const std::wstring& fileName) : folder_(MakeScratchFolder()), path_(folder_ + L"\\" + fileName) {
        copied_ = ::CopyFileW(ToolPath(L"HarnessProbe.exe").c_str(), path_.c_str(), FALSE) != FALSE;
    }
    ~NamedProbe() {
        // Whatever a failed test left running must not hold the file.
        KillProcessByName(path_.substr(folder_.size() + 1));
        ::Sleep(100);
        RemoveFolder(folder_);
    }
    NamedProbe(const NamedProbe&) = delete;
    NamedProbe& operator=(const NamedProbe&) = delete;

    [[nodiscard]] bool Copied() const { return copied_; }
    [[nodiscard]] const std::wstring& Path() const { return path_; }

private:
    std::wstring folder_, path_;
    bool copied_ = false;
};

bool PrivilegeEnabled(const wchar_t* name) {
    UniqueKernelHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.put())) return false;
    LUID luid{};
    if (!::LookupPrivilegeValueW(nullptr, name, &luid)) return false;
    DWORD size = 0;
    ::GetTokenInformation(token.get(), TokenPrivileges, nullptr, 0, &size);
    std::vector<unsigned char> buffer(size);
    if (!::GetTokenInformation(token.get(), TokenPrivileges, buffer.data(), size, &size)) return false;
    const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
        const LUID_AND_ATTRIBUTES& p = privileges->Privileges[i];
        if (p.Luid.LowPart == luid.LowPart && p.Luid.HighPart == luid.HighPart)
            return (p.Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
    return false;
}

// Installs a recorder in the seam for one scope, and always takes it out.
class RecordedActions {
public:
    RecordedActions() { SetActionsForTesting(&recorder_); }
    ~RecordedActions() { SetActionsForTesting(nullptr); }
    RecordedActions(const RecordedActions&) = delete;
    RecordedActions& operator=(const RecordedActions&) = delete;

    [[nodiscard]] std::vector<ActionRecord> Records() const { return recorder_.Records(); }

private:
    RecordingActions recorder_;
};

}  // namespace

TEST(Processes, KillProcessByName_EndsEveryProcessOfThatNameWhateverTheCase) {
    NamedProbe probe(L"ShellKillMe.exe");
    ASSERT_TRUE(probe.Copied());
    struct Case {
        const wchar_t* argument;
        bool ends;
    } const cases[] = {
        {L"ShellKillMe.exe", true},  {L"SHELLKILLME.EXE", true},      {L"shellkillme.exe", true},
        {L"ShellKillMe", false},     {L"ShellKillMe.exe.bak", false}, {L"ellKillMe.exe", false},
    };
    for (const Case& c : cases) {
        const std::string label = testing::PrintToString(std::wstring(c.argument));
        ProgramUnderTest first(probe.Path(), L"window:ShellKillProbe:first");
        ProgramUnderTest second(probe.Path(), L"window:ShellKillProbe:second");
        ASSERT_TRUE(first.WaitForWindow(L"ShellKillProbe", L"first")) << label;
        ASSERT_TRUE(second.WaitForWindow(L"ShellKillProbe", L"second")) << label;
        EXPECT_TRUE(IsProcessRunning(c.argument) == c.ends) << label;

        EXPECT_EQ(KillProcessByName(c.argument), c.ends) << label;
        if (c.ends) {
            EXPECT_EQ(first.WaitForExit(5000), std::optional<DWORD>(0)) << label;
            EXPECT_EQ(second.WaitForExit(5000), std::optional<DWORD>(0)) << label;
            EXPECT_FALSE(IsProcessRunning(L"ShellKillMe.exe")) << label;
        } else {
            EXPECT_TRUE(first.IsRunning() && second.IsRunning()) << label;
        }
    }
    EXPECT_FALSE(KillProcessByName(L"ShellKillMe.exe")) << "nothing left to end";
}

TEST(Processes, IsProcessRunning_SeesThisProcessToo) {
    wchar_t path[MAX_PATH];
    const std::wstring self(path, ::GetModuleFileNameW(nullptr, path, MAX_PATH));
    EXPECT_TRUE(IsProcessRunning(self.substr(self.find_last_of(L'\\') + 1)));
    EXPECT_FALSE(IsProcessRunning(L"NoSuchProgram-7f3a.exe"));
}

TEST(Launching, RunAsAdministrator_StartsTheFileOrAnswersFalse) {
    NamedProbe probe(L"ShellElevated.exe");
    ASSERT_TRUE(probe.Copied());
    ASSERT_TRUE(RunAsAdministrator(nullptr, probe.Path(), L"window:ShellElevatedProbe:Started"));
    EXPECT_NE(WaitForWindow(L"ShellElevatedProbe", L"Started"), nullptr);
    EXPECT_TRUE(KillProcessByName(L"ShellElevated.exe"));

    EXPECT_FALSE(RunAsAdministrator(nullptr, probe.Path() + L".missing.exe", L""));
}

BOOL CALLBACK FindOwnVisibleWindow(HWND window, LPARAM found) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    if (pid != ::GetCurrentProcessId() || !::IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The first visible top-level window of this process.
HWND WaitForOwnWindow(DWORD timeoutMs) {
    HWND found = nullptr;
    for (DWORD waited = 0; waited < timeoutMs && !found; waited += 50) {
        ::Sleep(50);
        ::EnumWindows(FindOwnVisibleWindow, reinterpret_cast<LPARAM>(&found));
    }
    return found;
}

DWORD WINAPI ShowPropertiesThread(void* path) {
    ShowFileProperties(*static_cast<const std::wstring*>(path));
    return 0;
}

TEST(Launching, ShowFileProperties_LetsTheShellShowItsWindow) {
    wchar_t windows[MAX_PATH];
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    const std::wstring file = std::wstring(windows) + L"\\notepad.exe";
    // The shell answers with a window of this process: the Properties sheet on
    // Windows, a message box under Wine, which has no sheet for this verb.
    // The call runs on its own thread because the shell may hold it until the
    // window closes.
    UniqueKernelHandle worker(
        ::CreateThread(nullptr, 0, ShowPropertiesThread, const_cast<std::wstring*>(&file), 0, nullptr));
    ASSERT_TRUE(worker);
    const HWND shown = WaitForOwnWindow(10000);
    EXPECT_NE(shown, nullptr);
    if (shown) ::PostMessageW(shown, WM_CLOSE, 0, 0);
    EXPECT_EQ(::WaitForSingleObject(worker.get(), 10000), WAIT_OBJECT_0);
}

TEST(Session, ExitSession_AsksThroughTheSeamWithTheModesFlagsAndReason) {
    struct Case {
        int mode;
        std::vector<ActionRecord> expected;
    } const cases[] = {
        {0, {}},
        {1, {{"ExitWindowsEx", {EWX_FORCE, 0}}}},
        {2, {{"ExitWindowsEx", {EWX_LOGOFF, 0xFFFF}}}},
        {3, {{"ExitWindowsEx", {EWX_POWEROFF, 0}}}},
        {4, {{"ExitWindowsEx", {EWX_REBOOT, 0xFFFF}}}},
        {5, {{"ExitWindowsEx", {EWX_SHUTDOWN, 0xFFFF}}}},
        {6, {}},
        {-1, {}},
    };
    for (const Case& c : cases) {
        const RecordedActions actions;
        EXPECT_EQ(ExitSession(c.mode), !c.expected.empty()) << "mode " << c.mode;
        EXPECT_EQ(actions.Records(), c.expected) << "mode " << c.mode;
        EXPECT_TRUE(PrivilegeEnabled(SE_SHUTDOWN_NAME)) << "mode " << c.mode;
    }
}

TEST(Wow64, IsWow64_OnlyForA32BitProcessOnA64BitSystem) {
    SYSTEM_INFO native{};
    ::GetNativeSystemInfo(&native);
    const bool nativeIs64 = native.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64 ||
                            native.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_ARM64;
    EXPECT_EQ(IsWow64(), sizeof(void*) == 4 && nativeIs64);
}

TEST(Wow64, RedirectionOffShowsTheNativeSystemFolder) {
    if (!IsWow64()) GTEST_SKIP() << "no redirection outside a 32-bit process on 64-bit Windows";
    wchar_t windows[MAX_PATH];
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    const std::wstring probe = std::wstring(windows) + L"\\System32\\kernel32.dll";
    // The machine type in the PE header tells a 64-bit kernel32 from the 32-bit one.
    auto machineOf = [](const std::wstring& path) -> WORD {
        UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                            nullptr));
        if (!file) return 0;
        IMAGE_DOS_HEADER dos{};
        DWORD read = 0;
        if (!::ReadFile(file.get(), &dos, sizeof dos, &read, nullptr)) return 0;
        ::SetFilePointer(file.get(), dos.e_lfanew + 4, nullptr, FILE_BEGIN);
        WORD machine = 0;
        if (!::ReadFile(file.get(), &machine, sizeof machine, &read, nullptr)) return 0;
        return machine;
    };
    EXPECT_EQ(machineOf(probe), IMAGE_FILE_MACHINE_I386);
    {
        const ScopedWow64RedirectionOff off;
        EXPECT_EQ(machineOf(probe), IMAGE_FILE_MACHINE_AMD64);
    }
    EXPECT_EQ(machineOf(probe), IMAGE_FILE_MACHINE_I386) << "redirection back on";
}

TEST(Companions, FindElevonWindow_FindsTheHelpersWindowOnlyWhileItRuns) {
    EXPECT_EQ(FindElevonWindow(), nullptr);
    const std::wstring window =
        std::wstring(L"window:") + companion::elevon::kWindowClass + L":" + companion::elevon::kWindowCaption;
    HWND found = nullptr;
    {
        ProgramUnderTest helper(ToolPath(L"HarnessProbe.exe"), window);
        ASSERT_TRUE(helper.WaitForWindow(companion::elevon::kWindowClass, companion::elevon::kWindowCaption));
        found = FindElevonWindow();
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(ProcessOf(found), helper.Pid());
    }
    EXPECT_TRUE(WaitForWindowGone(found, 5000));
    EXPECT_EQ(FindElevonWindow(), nullptr);
}
