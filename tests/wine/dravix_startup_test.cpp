// Dravix.exe as a whole: its windows after start-up, the single-instance
// guard, and the ways it ends.

#include <shlobj.h>

#include <gtest/gtest.h>

#include "tests/harness/action_log.h"
#include "tests/harness/debug_capture.h"
#include "tests/harness/paths.h"
#include "tests/harness/files.h"
#include "tests/harness/program_under_test.h"

namespace {

constexpr UINT kQuitProgram = 0x4C8;

struct ExpectedWindow {
    const wchar_t* className;
    const wchar_t* caption;
    bool visible;
    DWORD exStyleOn;
    DWORD exStyleOff;
};

// Dravix with its own data folder and its system actions recorded, not performed.
class DravixTest : public testing::Test {
protected:
    void SetUp() override {
        profile_ = MakeScratchFolder();
        ASSERT_FALSE(profile_.empty());
    }
    void TearDown() override { RemoveFolder(profile_); }

    LaunchOptions Options() const {
        return {.environment = {{L"USERPROFILE", profile_}, actions_.EnvironmentEntry()}};
    }
    std::unique_ptr<ProgramUnderTest> Start(const std::wstring& exe = ProgramPath(L"Dravix.exe")) const {
        return std::make_unique<ProgramUnderTest>(exe, Options());
    }

    std::wstring profile_;
    ActionLog actions_;
};

}  // namespace

TEST_F(DravixTest, CreatesItsThreeWindowsInOrder) {
    DebugOutputCapture debug;
    ASSERT_TRUE(debug.IsListening());
    auto dravix = Start();
    HWND button = dravix->WaitForWindow(L"TfrmStartMenu", L"Kavor_StartMenu_Button");
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(debug.WaitFor(L"TfrmStartMenu.Create", dravix->Pid()));

    const std::vector<std::wstring> texts = debug.Texts(dravix->Pid());
    const auto dpi = std::find(texts.begin(), texts.end(), L"SetProcessDPIAware");
    const auto created = std::find(texts.begin(), texts.end(), L"TfrmStartMenu.Create");
    EXPECT_LT(dpi, created) << "DPI awareness comes before the windows";

    const ExpectedWindow windows[] = {
        {L"TfrmMainForm", L"frmMainForm", false, 0, 0},
        {L"TQelStartMenuFrm", L"Kavor_Dravix", false, WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
         WS_EX_APPWINDOW | WS_EX_CONTROLPARENT},
        // Shown by the embedding in the taskbar, without a taskbar stand-in here.
        {L"TfrmStartMenu", L"Kavor_StartMenu_Button", true, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED,
         WS_EX_APPWINDOW | WS_EX_CONTROLPARENT},
    };
    for (const ExpectedWindow& expected : windows) {
        SCOPED_TRACE(testing::Message() << expected.className);
        HWND window = dravix->WaitForWindow(expected.className, expected.caption, 2000);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(expected.visible ? WaitForShown(window, 2000) : IsShown(window), expected.visible);
        EXPECT_EQ(::GetParent(window), nullptr);
        const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE));
        EXPECT_EQ(exStyle & expected.exStyleOn, expected.exStyleOn);
        EXPECT_EQ(exStyle & expected.exStyleOff, 0u);
        EXPECT_EQ(::GetClassLongPtrW(window, GCL_STYLE), static_cast<ULONG_PTR>(CS_DBLCLKS));
    }
    const RECT rect = WindowRect(button);
    EXPECT_EQ(rect.right - rect.left, 54);
    EXPECT_EQ(rect.bottom - rect.top, 54);
    EXPECT_EQ(::GetWindowLongPtrW(button, GWL_STYLE) & WS_CLIPCHILDREN, 0);
}

TEST_F(DravixTest, LoadsTheChosenLanguageOrEnglish) {
    struct Case {
        const char* setting;  // the Main.ini line, ANSI as another program writes it
        const wchar_t* loaded;
    };
    const Case cases[] = {{"Language=German", L"\\Language\\German.lng"},
                          {"Language=Klingon", L"\\Language\\English.lng"},
                          {nullptr, L"\\Language\\English.lng"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting ? c.setting : "no Main.ini");
        const std::wstring folder = profile_ + L"\\AppData\\LocalLow\\Kavor\\Dravix";
        ::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
        const std::wstring ini = folder + L"\\Main.ini";
        ::DeleteFileW(ini.c_str());
        if (c.setting) {
            const std::string text = std::string("[Main]\r\n") + c.setting + "\r\n";
            ASSERT_TRUE(WriteBytes(ini, std::vector<BYTE>(text.begin(), text.end())));
        }
        DebugOutputCapture debug;
        ASSERT_TRUE(debug.IsListening());
        auto dravix = Start();
        ASSERT_TRUE(debug.WaitFor(L"TfrmStartMenu.Create", dravix->Pid()));
        const std::wstring expected = ProgramFolder() + c.loaded;
        // Scanning loads every file once; the chosen one is loaded last.
        std::wstring lastLoaded;
        for (const std::wstring& text : debug.Texts(dravix->Pid()))
            if (text.size() > 4 && text.ends_with(L".lng")) lastLoaded = text;
        EXPECT_EQ(lastLoaded, expected);
    }
}

TEST_F(DravixTest, QuitMessageReleasesTheWindowsKeysAndEnds) {
    auto dravix = Start();
    HWND menu = dravix->WaitForWindow(L"TQelStartMenuFrm", L"Kavor_Dravix");
    ASSERT_NE(menu, nullptr);

    ASSERT_TRUE(::PostMessageW(menu, kQuitProgram, 0, 0));
    EXPECT_EQ(dravix->WaitForExit(), std::optional<DWORD>(0));

    const std::vector<ActionRecord> expected = {
        {"keybd_event", {0x61, 0, 0, 0}},
        {"keybd_event", {VK_LWIN, 0, KEYEVENTF_KEYUP, 0}},
        {"keybd_event", {VK_RWIN, 0, KEYEVENTF_KEYUP, 0}},
        {"keybd_event", {0x61, 0, KEYEVENTF_KEYUP, 0}},
    };
    EXPECT_EQ(actions_.Read(), expected);
}

TEST_F(DravixTest, ExitStopsTheCompanions) {
    DebugOutputCapture debug;
    ASSERT_TRUE(debug.IsListening());
    // The checker's side of the hook channel, and a settings program by its file name.
    ProgramUnderTest checker(ToolPath(L"RelayReceiverProbe.exe"), L"Keyvane_Win");
    ASSERT_TRUE(debug.WaitFor(L"RelayReceiverProbe ready", checker.Pid()));
    const std::wstring folder = MakeScratchFolder();
    const std::wstring settings = folder + L"\\Calibrix.exe";
    ASSERT_TRUE(::CopyFileW(ToolPath(L"HarnessProbe.exe").c_str(), settings.c_str(), FALSE));
    ProgramUnderTest settingsProgram(settings, L"window:CalibrixProbe:settings");
    ASSERT_NE(settingsProgram.WaitForWindow(L"CalibrixProbe"), nullptr);

    auto dravix = Start();
    HWND menu = dravix->WaitForWindow(L"TQelStartMenuFrm", L"Kavor_Dravix");
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(::PostMessageW(menu, kQuitProgram, 0, 0));
    EXPECT_EQ(dravix->WaitForExit(), std::optional<DWORD>(0));

    EXPECT_TRUE(debug.WaitFor(L"RelayReceiverProbe: Keyvane_Win Kill", checker.Pid()));
    EXPECT_EQ(settingsProgram.WaitForExit(), std::optional<DWORD>(0)) << "ended by file name";
    RemoveFolder(folder);
}

TEST_F(DravixTest, CloseRequestsOnTheButtonAreRefused) {
    auto dravix = Start();
    HWND button = dravix->WaitForWindow(L"TfrmStartMenu", L"Kavor_StartMenu_Button");
    ASSERT_NE(button, nullptr);

    // Alt+F4 arrives as SC_CLOSE, which becomes WM_CLOSE.
    ::SendMessageW(button, WM_SYSCOMMAND, SC_CLOSE, 0);
    ::SendMessageW(button, WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindow(button));
    EXPECT_TRUE(dravix->IsRunning());
    EXPECT_TRUE(actions_.Read().empty());
}

TEST_F(DravixTest, ConsentsToTheEndOfTheSession) {
    auto dravix = Start();
    HWND button = dravix->WaitForWindow(L"TfrmStartMenu", L"Kavor_StartMenu_Button");
    HWND mainForm = dravix->WaitForWindow(L"TfrmMainForm", L"frmMainForm");
    ASSERT_NE(button, nullptr);
    ASSERT_NE(mainForm, nullptr);

    EXPECT_EQ(::SendMessageW(button, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    EXPECT_EQ(::SendMessageW(mainForm, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    // Once the session may end, the button no longer refuses to close.
    ::SendMessageW(button, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsShown(button));

    ::SendMessageW(mainForm, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(dravix->WaitForExit(), std::optional<DWORD>(0));
    EXPECT_TRUE(actions_.Read().empty()) << "the session's end is not an Exit: no key events";
}

TEST_F(DravixTest, SecondStartEndsWithoutAWindowAndTellsTheFirst) {
    DebugOutputCapture debug;
    ASSERT_TRUE(debug.IsListening());
    auto first = Start();
    HWND button = first->WaitForWindow(L"TfrmStartMenu", L"Kavor_StartMenu_Button");
    ASSERT_NE(button, nullptr);
    HWND menu = first->WaitForWindow(L"TQelStartMenuFrm", L"Kavor_Dravix");

    auto second = Start();
    EXPECT_EQ(second->WaitForExit(), std::optional<DWORD>(0));
    EXPECT_TRUE(debug.WaitFor(L"InstanceGuard: another start", first->Pid()));
    // Module set-up runs in every process; nothing of the entry sequence after the guard does.
    EXPECT_EQ(debug.Texts(second->Pid()), std::vector<std::wstring>{L"SetProcessDPIAware"});
    EXPECT_EQ(::FindWindowW(L"TfrmStartMenu", L"Kavor_StartMenu_Button"), button);
    EXPECT_TRUE(first->IsRunning());
    EXPECT_FALSE(IsShown(menu)) << "a hidden menu stays hidden";
}

TEST_F(DravixTest, CopyUnderAnotherNameRunsBesideTheFirst) {
    const std::wstring folder = MakeScratchFolder();
    const std::wstring copy = folder + L"\\DravixCopy.exe";
    ASSERT_TRUE(::CopyFileW(ProgramPath(L"Dravix.exe").c_str(), copy.c_str(), FALSE));
    // The copy needs the program folder's DLLs beside it.
    ::CopyFileW(ProgramPath(L"Relaybus.dll").c_str(), (folder + L"\\Relaybus.dll").c_str(), FALSE);

    auto first = Start();
    ASSERT_NE(first->WaitForWindow(L"TfrmStartMenu", L"Kavor_StartMenu_Button"), nullptr);
    {
        auto renamed = Start(copy);
        EXPECT_NE(renamed->WaitForWindow(L"TfrmStartMenu", L"Kavor_StartMenu_Button"), nullptr);
        EXPECT_TRUE(renamed->IsRunning());
    }
    RemoveFolder(folder);
}
