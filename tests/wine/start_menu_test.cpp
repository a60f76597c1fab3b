// The start menu window: its components, its place against each taskbar
// edge, the position it holds, the width its captions give it, its two
// looks, the lists each show fills, and the show sequence in Dravix.exe.

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "app/process_flags.h"
#include "catalogue/pinned_manage.h"
#include "catalogue/shortcuts.h"
#include "catalogue/use_program_manage.h"
#include "catalogue/window_placement.h"
#include "settings/language.h"
#include "startbutton/start_button_form.h"
#include "startmenu/right_links.h"
#include "startmenu/start_menu_form.h"
#include "tests/harness/debug_capture.h"
#include "tests/harness/environment.h"
#include "tests/harness/files.h"
#include "tests/harness/paths.h"
#include "tests/harness/program_under_test.h"
#include "tests/harness/taskbar_standin.h"

namespace {

constexpr UINT kToggleMenu = 0x7E8;

std::vector<BYTE> Utf8(std::string_view text) {
    const std::string withMark = "\xEF\xBB\xBF" + std::string(text);
    return {withMark.begin(), withMark.end()};
}

std::wstring ThisProgram() {
    wchar_t path[MAX_PATH];
    return std::wstring(path, ::GetModuleFileNameW(nullptr, path, MAX_PATH));
}

// The middle of the start button's orb on the screen.
COLORREF OrbPixel(HWND button) {
    const RECT rect = WindowRect(button);
    HDC screen = ::GetDC(nullptr);
    const COLORREF colour = ::GetPixel(screen, rect.left + 27, rect.top + 27);
    ::ReleaseDC(nullptr, screen);
    return colour;
}

// Polls for a state that another process reaches on its own time.
bool Eventually(const std::function<bool()>& reached, DWORD timeoutMs = 3000) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    while (!reached()) {
        if (::GetTickCount64() >= deadline) return false;
        ::Sleep(20);
    }
    return true;
}

bool WaitForTextStarting(const DebugOutputCapture& debug, std::wstring_view prefix, DWORD pid) {
    return Eventually(
        [&] {
            const std::vector<std::wstring> texts = debug.Texts(pid);
            return std::any_of(texts.begin(), texts.end(), [&](const std::wstring& t) { return t.starts_with(prefix); });
        },
        10000);
}

SIZE ScreenSize() {
    return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

// The menu and the button in-process, with a profile of their own.
class StartMenuTest : public testing::Test {
protected:
    void SetUp() override {
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        profile_ = MakeScratchFolder();
        userProfile_.emplace(L"USERPROFILE", profile_);
        ASSERT_TRUE(userProfile_->IsReady());
    }
    void TearDown() override {
        QelStartMenuFrm = nullptr;
        frmStartMenu = nullptr;
        menu_.reset();
        button_.reset();
        userProfile_.reset();
        RemoveFolder(profile_);
        ::CoUninitialize();
    }
    // Creates both windows as the program does and runs the start-up's part for the menu.
    void CreateWindows() {
        menu_ = std::make_unique<TQelStartMenuFrm>();
        button_ = std::make_unique<TfrmStartMenu>();
        QelStartMenuFrm = menu_.get();
        frmStartMenu = button_.get();
        ASSERT_TRUE(menu_->CreateForm());
        ASSERT_TRUE(button_->CreateForm());
        menu_->LoadSystemImageLists();
        menu_->ApplyLanguageCaptions();
        menu_->JisuanWidthandImagenoteWidth();
        StartupLoaded = true;
    }
    void WriteMainIni(std::string_view lines) {
        const std::wstring folder = profile_ + L"\\AppData\\LocalLow\\Kavor\\Dravix";
        ::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
        WriteBytes(folder + L"\\Main.ini", Utf8(lines));
    }
    TQelStartMenuFrm& Menu() { return *menu_; }

    std::wstring profile_;
    std::optional<ScopedEnvironmentVariable> userProfile_;
    std::unique_ptr<TQelStartMenuFrm> menu_;
    std::unique_ptr<TfrmStartMenu> button_;
};

TEST_F(StartMenuTest, ComponentsAreNamedAndTheWindowHasNoTaskbarButton) {
    CreateWindows();
    TQelStartMenuFrm& menu = Menu();
    EXPECT_EQ(ClassNameOf(menu.Handle()), L"TQelStartMenuFrm");
    EXPECT_EQ(CaptionOf(menu.Handle()), L"Kavor_Dravix");
    const LONG_PTR exStyle = ::GetWindowLongPtrW(menu.Handle(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(exStyle & (WS_EX_APPWINDOW | WS_EX_CONTROLPARENT));
    EXPECT_EQ(::GetClassLongPtrW(menu.Handle(), GCL_STYLE), CS_DBLCLKS);
    EXPECT_EQ(::GetParent(menu.Handle()), nullptr);

    for (const wchar_t* name :
         {L"TreeView_UserPind", L"TreeView_StartProgramLst", L"TreeView_Program", L"Edit_Search", L"pnl_SearchClient",
          L"Pnl_Step1", L"lbl_Run", L"ImageNote_19", L"ImageNote_Popup_17", L"ImageNote_PopMenu", L"ImgTopRight",
          L"Control_IcoImgList", L"DelayTimer", L"Menu_UsuallySoftware_Delete", L"Menu_Lable_Open"})
        EXPECT_NE(menu.FindComponent(name), nullptr) << name;
    // Links without a pop-out menu have no arrow.
    for (const wchar_t* name : {L"ImageNote_Popup_4", L"ImageNote_Popup_12", L"ImageNote_Popup_19"})
        EXPECT_EQ(menu.FindComponent(name), nullptr) << name;
    // Each link row: its label by name, the same tag on all its parts, its hover picture shipped.
    for (int tag = 0; tag < kRightLinkCount; ++tag) {
        EXPECT_EQ(menu.LinkLabel(tag).Name(), kRightLinks[tag].label);
        EXPECT_EQ(menu.LinkLabel(tag).Tag(), tag);
        EXPECT_EQ(menu.ImageNote(tag).Tag(), tag);
        if (const TImageNote* arrow = menu.ImageNote_Popup(tag)) {
            EXPECT_EQ(arrow->Tag(), tag);
        }
        const std::wstring picture = ProgramFolder() + L"\\Resources\\" + kRightLinks[tag].hoverPicture;
        EXPECT_NE(::GetFileAttributesW(picture.c_str()), INVALID_FILE_ATTRIBUTES) << tag;
    }
    EXPECT_EQ(::GetParent(menu.TreeView_UserPind.Handle()), menu.Handle());
    EXPECT_EQ(menu.TreeView_UserPind.ItemHeight(), 40);
    EXPECT_EQ(menu.TreeView_Program.ItemHeight(), 20);
    EXPECT_FALSE(menu.TreeView_Program.IsVisible());
    EXPECT_FALSE(menu.pnl_SearchClient.IsVisible());
}

struct EdgeCase {
    TaskbarEdge edge;
    const char* name;
};

class MenuPlacementTest : public StartMenuTest, public testing::WithParamInterface<EdgeCase> {};

TEST_P(MenuPlacementTest, MenuSitsAtTheTaskbarsStartCornerAndKeepsItsRowsAboveTheShutDownButton) {
    TaskbarStandIn taskbar(GetParam().edge);
    ASSERT_TRUE(taskbar.IsReady());
    CreateWindows();
    TQelStartMenuFrm& menu = Menu();
    menu.ShowStartMenuForm();
    ASSERT_TRUE(IsShown(menu.Handle()));

    const RECT tray = taskbar.TrayRect();
    const RECT rect = WindowRect(menu.Handle());
    const SIZE screen = ScreenSize();
    switch (GetParam().edge) {
    case TaskbarEdge::Bottom:
        EXPECT_EQ(rect.left, 0);
        EXPECT_EQ(rect.bottom, tray.top);
        EXPECT_EQ(menu.LogoY, rect.top - 30);
        break;
    case TaskbarEdge::Top:
        EXPECT_EQ(rect.left, 0);
        EXPECT_EQ(rect.top, tray.bottom);
        EXPECT_EQ(menu.LogoY, rect.top);
        break;
    case TaskbarEdge::Left:
        EXPECT_EQ(rect.left, 0);
        EXPECT_EQ(rect.top, 50);
        break;
    case TaskbarEdge::Right:
        EXPECT_EQ(rect.right, screen.cx);
        EXPECT_EQ(rect.top, 50);
        break;
    }
    EXPECT_EQ(rect.right - rect.left, menu.Width());
    EXPECT_GE(menu.Width(), 410);
    EXPECT_EQ(rect.bottom - rect.top, MenuHeight);

    const int limit = menu.ImageNote_ShotDown_Left.Top();
    int shown = 0;
    for (int tag = 0; tag < kRightLinkCount; ++tag) {
        if (!menu.ImageNote(tag).IsVisible()) continue;
        ++shown;
        EXPECT_LE(menu.ImageNote(tag).GetBounds().top + menu.ImageNote(tag).Height(), limit) << tag;
        EXPECT_EQ(menu.ImageNote(tag).ImageIndex(), -1);
        EXPECT_TRUE(menu.LinkLabel(tag).IsVisible());
    }
    EXPECT_GT(shown, 0);
    EXPECT_TRUE(menu.Edit_Search.Focused());
    EXPECT_TRUE(MenuShown);
}

INSTANTIATE_TEST_SUITE_P(Edges, MenuPlacementTest,
                         testing::Values(EdgeCase{TaskbarEdge::Bottom, "Bottom"}, EdgeCase{TaskbarEdge::Top, "Top"},
                                         EdgeCase{TaskbarEdge::Left, "Left"}, EdgeCase{TaskbarEdge::Right, "Right"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartMenuTest, MovingOrResizingTheMenuIsUndoneExceptForItsWidth) {
    TaskbarStandIn taskbar;
    ASSERT_TRUE(taskbar.IsReady());
    CreateWindows();
    TQelStartMenuFrm& menu = Menu();
    menu.ShowStartMenuForm();
    const RECT placed = WindowRect(menu.Handle());

    ::SetWindowPos(menu.Handle(), nullptr, 100, 120, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT now = WindowRect(menu.Handle());
    EXPECT_EQ(now.left, placed.left);
    EXPECT_EQ(now.top, placed.top);
    EXPECT_EQ(now.bottom - now.top, placed.bottom - placed.top);
    EXPECT_EQ(now.right - now.left, 300);

    ::MoveWindow(menu.Handle(), 40, 40, 410, 90, TRUE);
    now = WindowRect(menu.Handle());
    EXPECT_EQ(now.left, placed.left);
    EXPECT_EQ(now.top, placed.top);
    EXPECT_EQ(now.bottom - now.top, placed.bottom - placed.top);
}

TEST_F(StartMenuTest, OpeningFromTheAllProgramsViewComesBackToTheTwoLists) {
    TaskbarStandIn taskbar;
    ASSERT_TRUE(taskbar.IsReady());
    CreateWindows();
    TQelStartMenuFrm& menu = Menu();
    menu.ShowStartMenuForm();
    menu.HideMenu();
    // As the All Programs button leaves it.
    menu.AllProgramsShown = true;
    menu.TreeView_Program.SetVisible(true);
    menu.TreeView_StartProgramLst.SetVisible(false);
    menu.lbl_Program.SetCaption(menu.BackCaption);
    menu.Image_ProgramLogo.SetImageIndex(1);

    menu.ShowStartMenuForm();
    EXPECT_FALSE(menu.AllProgramsShown);
    EXPECT_FALSE(menu.TreeView_Program.IsVisible());
    EXPECT_TRUE(menu.TreeView_StartProgramLst.IsVisible());
    EXPECT_EQ(menu.lbl_Program.Caption(), L"All Programs");
    EXPECT_EQ(menu.Image_ProgramLogo.ImageIndex(), 0);
    EXPECT_EQ(menu.Edit_Search.Text(), menu.SearchHint);
}

TEST_F(StartMenuTest, EachShowListsThePinnedAndFrequentProgramsTheManagersHoldNow) {
    TaskbarStandIn taskbar;
    ASSERT_TRUE(taskbar.IsReady());
    CreateWindows();
    TQelStartMenuFrm& menu = Menu();
    UserPinedManage().Clear();
    UseProgramManage().Clear();
    menu.ShowStartMenuForm();
    EXPECT_EQ(menu.TreeView_UserPind.Count(), 0);
    EXPECT_FALSE(menu.TreeView_UserPind.IsVisible());
    EXPECT_FALSE(menu.Pnl_Step1.IsVisible());
    EXPECT_EQ(menu.TreeView_StartProgramLst.Top(), 10);
    const int heightWithout = menu.Height();
    menu.HideMenu();

    // Pinned and used meanwhile; the next show reads the managers again.
    const std::wstring folder = profile_ + L"\\Shortcuts";
    ::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    const std::wstring pinned = folder + L"\\Pinned Program.lnk";
    CreateShortcut(ThisProgram(), L"", pinned, L"");
    UserPinedManage().AddPinned(pinned);
    const std::wstring notepad = folder + L"\\Notepad.lnk";
    CreateShortcut(L"C:\\windows\\system32\\notepad.exe", L"", notepad, L"");
    UseProgramManage().AddProgram(notepad);
    ASSERT_EQ(UserPinedManage().Count(), 1);
    ASSERT_EQ(UseProgramManage().Count(), 1);

    menu.ShowStartMenuForm();
    EXPECT_EQ(menu.TreeView_UserPind.Count(), 1);
    EXPECT_TRUE(menu.TreeView_UserPind.IsVisible());
    EXPECT_EQ(menu.TreeView_StartProgramLst.Count(), 1);
    EXPECT_TRUE(menu.Pnl_Step1.IsVisible());
    EXPECT_EQ(menu.Pnl_Step1.Top(), menu.TreeView_UserPind.Top() + menu.TreeView_UserPind.Height() - 2);
    EXPECT_EQ(menu.TreeView_StartProgramLst.Top(), menu.TreeView_UserPind.Top() + menu.TreeView_UserPind.Height() + 3);
    EXPECT_EQ(menu.Height(), heightWithout + menu.TreeView_UserPind.Height() + 6);
    EXPECT_EQ(menu.Height(), MenuHeight);
    UserPinedManage().Clear();
    UseProgramManage().Clear();
}

TEST_F(StartMenuTest, LinkCaptionsWiderThanAHundredPixelsWidenTheWindowAndEveryHighlightByTheExcess) {
    struct Case {
        const char* name;
        const char* print;
        const char* tools;
        bool wide;
    };
    for (const Case& c : {Case{"short", "Printers", "Tools", false},
                          Case{"long", "Devices, printers, scanners and every other attached device", "Tools", true}}) {
        SCOPED_TRACE(c.name);
        const std::wstring languages = profile_ + L"\\Language";
        ::SHCreateDirectoryExW(nullptr, languages.c_str(), nullptr);
        WriteBytes(
            languages + L"\\Test.lng",
            Utf8(std::string("[Main]\r\nDisplayName=Test\r\n[Dravix_QelStartMenuFrm]\r\n") +
                 "lbl_Print.Caption=" + c.print + "\r\n" + "lbl_AdministrativeTools.Caption=" + c.tools + "\r\n"));
        TLanguage language(L"Dravix", languages);
        language.LoadLanguage(L"Test");
        TLanguage* const saved = Language;
        Language = &language;
        CreateWindows();
        Language = saved;

        TQelStartMenuFrm& menu = Menu();
        const int linkWidth = menu.lbl_Print.Width();
        const int extra = c.wide ? linkWidth - 100 : 0;
        EXPECT_EQ(linkWidth > 100, c.wide);
        EXPECT_EQ(menu.Width(), c.wide ? linkWidth + 310 : 410);
        for (int tag = 0; tag < kRightLinkCount; ++tag) {
            EXPECT_EQ(menu.ImageNote(tag).Width(), 136 + extra) << tag;
            EXPECT_EQ(menu.LinkLabel(tag).Width(), linkWidth) << tag;
        }
        EXPECT_EQ(menu.Image_Right_Step1.Width(), menu.ImageNote(19).Width() - 12);
        QelStartMenuFrm = nullptr;
        frmStartMenu = nullptr;
        menu_.reset();
        button_.reset();
    }
}

TEST_F(StartMenuTest, CaptionsFollowTheViewAndTheSearchLayout) {
    CreateWindows();
    TQelStartMenuFrm& menu = Menu();
    // A language change while the All Programs tree shows keeps its button on "Back".
    menu.AllProgramsShown = true;
    menu.ApplyLanguageCaptions();
    EXPECT_EQ(menu.lbl_Program.Caption(), L"Back");
    menu.AllProgramsShown = false;
    menu.ApplyLanguageCaptions();
    EXPECT_EQ(menu.lbl_Program.Caption(), L"All Programs");

    menu.ShowSearchLayout();
    EXPECT_EQ(menu.lab_Powner.GetFont().color, RGB(0, 0, 0));
    EXPECT_TRUE(menu.pnl_SearchClient.IsVisible());
    EXPECT_TRUE(menu.ImageNote_SearchCloseButton.IsVisible());
    EXPECT_FALSE(menu.lbl_Program.IsVisible());
    EXPECT_EQ(menu.Image_bg_menu.Width(), menu.Width() - 6 - 6 - 12);
    menu.Edit_Search.SetText(L"notepad");
    menu.HideSearchLayout();
    EXPECT_EQ(menu.lab_Powner.GetFont().color, RGB(255, 255, 255));
    EXPECT_FALSE(menu.pnl_SearchClient.IsVisible());
    EXPECT_TRUE(menu.ImageNote_SearchButton.IsVisible());
    EXPECT_EQ(menu.Edit_Search.Text(), L"");
    EXPECT_EQ(menu.Image_bg_menu.Width(), 241);
}

TEST_F(StartMenuTest, OnlyExactlyWin7GivesTheRoundedGlassWindow) {
    TaskbarStandIn taskbar;
    ASSERT_TRUE(taskbar.IsReady());
    struct Case {
        const char* value;
        bool win8;
    };
    for (const Case& c :
         {Case{"win7", false}, Case{"Win7", true}, Case{"WIN7", true}, Case{"win8", true}, Case{"", true}}) {
        SCOPED_TRACE(c.value);
        WriteMainIni(std::string("[Main]\r\nWindowsStyle=") + c.value + "\r\n");
        CreateWindows();
        TQelStartMenuFrm& menu = Menu();
        menu.ShowStartMenuForm();
        EXPECT_EQ(menu.WindowsStyleWin8, c.win8);
        UniqueHrgn region(::CreateRectRgn(0, 0, 0, 0));
        ASSERT_NE(::GetWindowRgn(menu.Handle(), region.get()), ERROR);
        // The top-left corner is cut away only by the rounded region.
        EXPECT_EQ(::PtInRegion(region.get(), 0, 0) != FALSE, c.win8);
        EXPECT_TRUE(::PtInRegion(region.get(), 0, menu.Height() - 1));
        menu.HideMenu();
        QelStartMenuFrm = nullptr;
        frmStartMenu = nullptr;
        menu_.reset();
        button_.reset();
    }
}

// The whole program: the show handler's steps in order, and the button's toggle.
TEST(StartMenuProgram, ToggleShowsTheMenuThroughEveryStepOfTheShowHandler) {
    TaskbarStandIn taskbar;
    ASSERT_TRUE(taskbar.IsReady());
    const std::wstring profile = MakeScratchFolder();
    DebugOutputCapture debug;
    ASSERT_TRUE(debug.IsListening());
    {
        ProgramUnderTest dravix(ProgramPath(L"Dravix.exe"), LaunchOptions{.environment = {{L"USERPROFILE", profile}}});
        HWND button = dravix.WaitForWindow(L"TfrmStartMenu", L"Kavor_StartMenu_Button");
        HWND menu = dravix.WaitForWindow(L"TQelStartMenuFrm", L"Kavor_Dravix");
        ASSERT_NE(button, nullptr);
        ASSERT_NE(menu, nullptr);
        // Start-up sets the width from the captions just before the button answers.
        ASSERT_TRUE(WaitForTextStarting(debug, L"JisuanWidthandImagenoteWidth: ", dravix.Pid()));

        const COLORREF normalFace = OrbPixel(button);

        ::PostMessageW(button, kToggleMenu, 0, 0);
        ASSERT_TRUE(debug.WaitFor(L"FormShow end", dravix.Pid()));
        EXPECT_TRUE(WaitForShown(menu));
        EXPECT_TRUE(Eventually([&] { return OrbPixel(button) != normalFace; }))
            << "the button shows its pressed face while the menu is open";
        const std::vector<std::wstring> expected = {
            L"v_Show_StartMenu True",  L"ShowStartMenuForm",   L"FormShow begin",         L"GetUserPinSoftwareList",
            L"GetUsuallySoftwareList", L"InitControlMarInset", L"SetLeaveSearchEditData", L"JisuanControlHeightLeftTop",
            L"LoadWindowsStyle",       L"FormShow end"};
        const std::vector<std::wstring> texts = debug.Texts(dravix.Pid());
        auto from = std::find(texts.begin(), texts.end(), expected.front());
        for (const std::wstring& step : expected) {
            from = std::find(from, texts.end(), step);
            EXPECT_NE(from, texts.end()) << "missing or out of order: " << std::string(step.begin(), step.end());
        }
        EXPECT_EQ(WindowRect(menu).bottom, taskbar.TrayRect().top);

        ::PostMessageW(button, kToggleMenu, 0, 0);
        EXPECT_TRUE(WaitForHidden(menu));
        EXPECT_TRUE(Eventually([&] { return OrbPixel(button) == normalFace; }));
    }
    RemoveFolder(profile);
}

}  // namespace
