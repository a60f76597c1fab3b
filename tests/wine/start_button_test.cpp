// The start button: its place and look on the taskbar, the menu toggle and
// its popup menu, in Dravix.exe and in-process.

#include <shlobj.h>

#include <gtest/gtest.h>

#include "app/process_flags.h"
#include "platform/unique_handle.h"
#include "startbutton/start_button_form.h"
#include "startmenu/start_menu_form.h"
#include "tests/harness/debug_capture.h"
#include "tests/harness/environment.h"
#include "tests/harness/files.h"
#include "tests/harness/paths.h"
#include "tests/harness/pictures.h"
#include "tests/harness/program_under_test.h"
#include "tests/harness/taskbar_standin.h"

namespace {

constexpr UINT kToggleMenu = 0x7E8;
constexpr UINT kQuitProgram = 0x4C8;
constexpr int kBand = 54;

// Distance of the band from the taskbar's starting end, along its length.
int BandOffset(const TaskbarStandIn& taskbar, TaskbarEdge edge) {
    const RECT tray = taskbar.TrayRect(), band = taskbar.BandRect();
    return edge == TaskbarEdge::Bottom || edge == TaskbarEdge::Top ? band.left - tray.left : band.top - tray.top;
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = ::GetDC(nullptr);
    const COLORREF colour = ::GetPixel(screen, x, y);
    ::ReleaseDC(nullptr, screen);
    return colour;
}

bool Amber(COLORREF c) { return GetRValue(c) > GetBValue(c) + 60; }
bool Blue(COLORREF c) { return GetBValue(c) > GetRValue(c) + 60; }

// Dravix started from a program folder of the test's choosing, with its own profile.
class StartButtonTest : public testing::Test {
protected:
    void SetUp() override {
        profile_ = MakeScratchFolder();
        ASSERT_FALSE(profile_.empty());
    }
    void TearDown() override { RemoveFolder(profile_); }

    std::unique_ptr<ProgramUnderTest> Start(const std::wstring& folder = ProgramFolder()) {
        return std::make_unique<ProgramUnderTest>(folder + L"\\Dravix.exe",
                                                  LaunchOptions{.environment = {{L"USERPROFILE", profile_}}});
    }
    // The button once it is on the taskbar, nullptr when it never shows.
    static HWND ShownButton(const ProgramUnderTest& dravix) {
        HWND button = dravix.WaitForWindow(L"TfrmStartMenu", L"Kavor_StartMenu_Button");
        return button && WaitForShown(button) ? button : nullptr;
    }
    // A copy of the program with a StartButtonSkin\ of its own.
    std::wstring ProgramCopyWithSkin(const std::vector<std::pair<std::wstring, std::vector<BYTE>>>& skinFiles) {
        const std::wstring folder = profile_ + L"\\Program";
        const std::wstring skins = folder + L"\\StartButtonSkin";
        ::SHCreateDirectoryExW(nullptr, skins.c_str(), nullptr);
        for (const wchar_t* file : {L"Dravix.exe", L"Relaybus.dll"})
            ::CopyFileW(ProgramPath(file).c_str(), (folder + L"\\" + file).c_str(), FALSE);
        for (const auto& [name, bytes] : skinFiles) WriteBytes(skins + L"\\" + name, bytes);
        return folder;
    }
    // The colour at the middle of the orb and just above it, where the
    // picture leaves the window transparent when drawn 7 px down.
    static std::pair<COLORREF, COLORREF> OrbAndAbove(HWND button) {
        const RECT rect = WindowRect(button);
        return {ScreenPixel(rect.left + 27, rect.top + 27), ScreenPixel(rect.left + 27, rect.top + 5)};
    }

    std::wstring profile_;
};

class EmbeddedButtonTest : public StartButtonTest, public testing::WithParamInterface<TaskbarEdge> {};

}  // namespace

TEST_P(EmbeddedButtonTest, SitsOnTheTaskbarAndGivesItsRoomBackOnExit) {
    const TaskbarEdge edge = GetParam();
    TaskbarStandIn taskbar(edge);
    ASSERT_TRUE(taskbar.IsReady());
    DebugOutputCapture debug;
    ASSERT_TRUE(debug.IsListening());

    auto dravix = Start();
    HWND button = ShownButton(*dravix);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(BandOffset(taskbar, edge), kBand);
    const RECT rect = WindowRect(button);
    EXPECT_EQ(rect.right - rect.left, 54);
    EXPECT_EQ(rect.bottom - rect.top, 54);

    // The picture lies against the taskbar's inner edge: "offset,height,edge".
    const wchar_t* drawn = edge == TaskbarEdge::Bottom ? L"7,54,1"
                           : edge == TaskbarEdge::Top  ? L"-7,54,3"
                           : edge == TaskbarEdge::Left ? L"0,54,2"
                                                       : L"0,54,4";
    EXPECT_TRUE(debug.WaitFor(drawn, dravix->Pid()));
    EXPECT_TRUE(debug.WaitFor(L"StartSkinName: Classic", dravix->Pid()));

    // Start-up made the data folder and wrote the gap in front of the band
    // (none on the stand-in) into a UTF-16 Main.ini.
    const std::wstring ini = profile_ + L"\\AppData\\LocalLow\\Kavor\\Dravix\\Main.ini";
    EXPECT_EQ(::GetPrivateProfileIntW(L"Main", L"HeightWidth", -1, ini.c_str()), 0);
    BYTE bom[2] = {};
    DWORD read = 0;
    UniqueFileHandle file(::CreateFileW(ini.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(file);
    EXPECT_TRUE(::ReadFile(file.get(), bom, 2, &read, nullptr) && read == 2 && bom[0] == 0xFF && bom[1] == 0xFE);

    ::PostMessageW(dravix->WaitForWindow(L"TQelStartMenuFrm", L"Kavor_Dravix"), kQuitProgram, 0, 0);
    EXPECT_EQ(dravix->WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(BandOffset(taskbar, edge), 11);
}

INSTANTIATE_TEST_SUITE_P(Edges, EmbeddedButtonTest,
                         testing::Values(TaskbarEdge::Bottom, TaskbarEdge::Top, TaskbarEdge::Left, TaskbarEdge::Right));

TEST_F(StartButtonTest, DrawsTheFileSkinSevenPixelsDownOnABottomTaskbar) {
    TaskbarStandIn taskbar;
    ASSERT_TRUE(taskbar.IsReady());
    auto dravix = Start();
    HWND button = ShownButton(*dravix);
    ASSERT_NE(button, nullptr);
    ::Sleep(200);  // let the X server show the layered picture
    const auto [orb, above] = OrbAndAbove(button);
    EXPECT_TRUE(Amber(orb)) << std::hex << orb << ": the shipped Classic skin";
    EXPECT_FALSE(Amber(above)) << std::hex << above << ": the top rows stay transparent";
}

TEST_F(StartButtonTest, IncompleteOrMissingSkinUsesTheBuiltInPictures) {
    TaskbarStandIn taskbar;
    ASSERT_TRUE(taskbar.IsReady());
    const std::vector<BYTE> amber = SolidPng(54, 54, 0xFFFF9900);
    // Normal and hover only: a partial skin counts as none.
    auto dravix = Start(ProgramCopyWithSkin({{L"Classic_normal.png", amber}, {L"Classic_hover.png", amber}}));
    HWND button = ShownButton(*dravix);
    ASSERT_NE(button, nullptr);
    ::Sleep(200);
    EXPECT_TRUE(Blue(OrbAndAbove(button).first)) << "the built-in picture, not the partial skin";
}

TEST_F(StartButtonTest, UnreadableSkinDrawsNothing) {
    TaskbarStandIn taskbar;
    ASSERT_TRUE(taskbar.IsReady());
    DebugOutputCapture debug;
    ASSERT_TRUE(debug.IsListening());
    const std::vector<BYTE> garbage{'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'};
    auto dravix = Start(ProgramCopyWithSkin(
        {{L"Classic_normal.png", garbage}, {L"Classic_hover.png", garbage}, {L"Classic_click.png", garbage}}));
    HWND button = ShownButton(*dravix);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(debug.WaitFor(L"StartSkinName: Classic", dravix->Pid()));
    ::Sleep(200);
    const auto [orb, above] = OrbAndAbove(button);
    EXPECT_FALSE(Amber(orb) || Blue(orb)) << std::hex << orb;
    for (const std::wstring& text : debug.Texts(dravix->Pid()))
        EXPECT_FALSE(text.ends_with(L",54,1")) << "no picture was drawn";
}

TEST_F(StartButtonTest, WindowsKeyRequestTogglesTheMenuAndExitFromThePopupMenuEnds) {
    TaskbarStandIn taskbar;
    ASSERT_TRUE(taskbar.IsReady());
    DebugOutputCapture debug;
    ASSERT_TRUE(debug.IsListening());
    auto dravix = Start();
    HWND button = ShownButton(*dravix);
    ASSERT_NE(button, nullptr);
    HWND menu = dravix->WaitForWindow(L"TQelStartMenuFrm", L"Kavor_Dravix");

    ::PostMessageW(button, kToggleMenu, 0, 0);
    EXPECT_TRUE(debug.WaitFor(L"v_Show_StartMenu True", dravix->Pid()));
    EXPECT_TRUE(WaitForShown(menu));
    ::PostMessageW(button, kToggleMenu, 0, 0);
    EXPECT_TRUE(debug.WaitFor(L"v_Show_StartMenu False", dravix->Pid()));
    EXPECT_TRUE(WaitForHidden(menu));

    // Right click: the popup menu opens in Dravix; "Exit" is its last item.
    // Under Wine the activation leaves the hidden menu a little later, through
    // the X server, and a popup menu opened before that closes at once: the
    // right click is tried again when the keys found no menu.
    const RECT rect = WindowRect(button);
    std::optional<DWORD> exitCode;
    for (int attempt = 0; attempt < 3 && !exitCode; ++attempt) {
        ::PostMessageW(button, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(button),
                       MAKELPARAM(rect.left + 27, rect.top + 27));
        HWND popup = WaitForWindow(L"#32768", nullptr, 5000, dravix->Pid());
        if (!popup || !WaitForShown(popup, 1000)) continue;
        for (WPARAM key : {VK_UP, VK_RETURN}) {
            ::PostMessageW(popup, WM_KEYDOWN, key, 0);
            ::PostMessageW(popup, WM_KEYUP, key, 0);
        }
        exitCode = dravix->WaitForExit(3000);
    }
    EXPECT_EQ(exitCode, std::optional<DWORD>(0));
    EXPECT_EQ(BandOffset(taskbar, TaskbarEdge::Bottom), 11);
}

// In-process: the two windows of the program, without the rest of it.
class ToggleTest : public testing::Test {
protected:
    void SetUp() override {
        profile_ = MakeScratchFolder();
        userProfile_.emplace(L"USERPROFILE", profile_);
        ASSERT_TRUE(userProfile_->IsReady());
        QelStartMenuFrm = &menu;
        frmStartMenu = &button;
        ASSERT_TRUE(menu.CreateForm());
        ASSERT_TRUE(button.CreateForm());
        StartupLoaded = true;
        WinKeyOpenPending = false;
    }
    void TearDown() override {
        QelStartMenuFrm = nullptr;
        frmStartMenu = nullptr;
        userProfile_.reset();
        RemoveFolder(profile_);
    }

    std::wstring profile_;
    std::optional<ScopedEnvironmentVariable> userProfile_;
    TQelStartMenuFrm menu;
    TfrmStartMenu button;
};

TEST_F(ToggleTest, NothingHappensBeforeStartUpHasFinished) {
    StartupLoaded = false;
    ::SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(27, 27));
    ::SendMessageW(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(27, 27));
    ::SendMessageW(button.Handle(), kToggleMenu, 0, 0);
    EXPECT_FALSE(menu.IsVisible());
    EXPECT_TRUE(WinKeyOpenPending) << "a request made before start-up stays pending";

    // Later requests of the Windows key are dropped until a click runs the toggle through.
    StartupLoaded = true;
    ::SendMessageW(button.Handle(), kToggleMenu, 0, 0);
    EXPECT_FALSE(menu.IsVisible());
    ::SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(27, 27));
    ::SendMessageW(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(27, 27));
    EXPECT_TRUE(menu.IsVisible());
    EXPECT_FALSE(WinKeyOpenPending);
}

TEST_F(ToggleTest, ClickOpensAndClosesAndTheButtonStaysPressedMeanwhile) {
    ::SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(27, 27));
    EXPECT_TRUE(menu.IsVisible());
    EXPECT_TRUE(MenuShown);
    ::SendMessageW(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(27, 27));
    ::SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(27, 27));
    EXPECT_FALSE(menu.IsVisible());
    EXPECT_FALSE(MenuShown);

    // A right click hides an open menu before the button's own menu would open.
    menu.ShowStartMenuForm();
    ::SendMessageW(button.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(27, 27));
    EXPECT_FALSE(menu.IsVisible());
}
