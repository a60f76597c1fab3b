// The taskbar's band moved aside for the start button and back, against the
// taskbar stand-in at every edge: where the band and the button end up, what
// the taskbar is told, what is stored, the marker file; and no taskbar at all.

#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <optional>
#include <string>
#include <vector>

#include "catalogue/taskbar_geometry.h"
#include "platform/unique_handle.h"
#include "settings/data_folder.h"
#include "startbutton/taskbar_placement.h"
#include "tests/harness/debug_capture.h"
#include "tests/harness/environment.h"
#include "tests/harness/paths.h"
#include "tests/harness/taskbar_standin.h"

namespace {

constexpr int kButtonSize = 54;
constexpr wchar_t kButtonClass[] = L"TaskbarPlacementTestButton";

// A plain 54 x 54 popup standing in for the start button, hidden until placed.
UniqueHwnd MakeButton() {
    static const ATOM registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kButtonClass;
        return ::RegisterClassExW(&wc);
    }();
    EXPECT_NE(registered, 0);
    return UniqueHwnd(::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kButtonClass, L"button", WS_POPUP, 300,
                                        300, kButtonSize, kButtonSize, nullptr, nullptr,
                                        ::GetModuleHandleW(nullptr), nullptr));
}

bool IsVertical(TaskbarEdge edge) { return edge == TaskbarEdge::Left || edge == TaskbarEdge::Right; }

std::string Name(TaskbarEdge edge) {
    switch (edge) {
    case TaskbarEdge::Top: return "Top";
    case TaskbarEdge::Left: return "Left";
    case TaskbarEdge::Right: return "Right";
    case TaskbarEdge::Bottom: break;
    }
    return "Bottom";
}

// The band measured in the taskbar: along its length from the starting end,
// and across its thickness.
struct BandExtent {
    int start = 0, end = 0;         // along the length
    int crossStart = 0, cross = 0;  // across: offset and thickness
    bool operator==(const BandExtent&) const = default;
};

BandExtent Measure(TaskbarEdge edge, const RECT& tray, const RECT& band) {
    if (IsVertical(edge))
        return {band.top - tray.top, band.bottom - tray.top, band.left - tray.left, band.right - band.left};
    return {band.left - tray.left, band.right - tray.left, band.top - tray.top, band.bottom - band.top};
}

// Puts the stand-in's band `offset` pixels in from the taskbar's starting end.
void MoveBandTo(const TaskbarStandIn& taskbar, TaskbarEdge edge, int offset) {
    const BandExtent now = Measure(edge, taskbar.TrayRect(), taskbar.BandRect());
    constexpr UINT kFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    const bool moved = IsVertical(edge)
                           ? ::SetWindowPos(taskbar.Band(), nullptr, 0, offset, now.cross, now.end - offset, kFlags)
                           : ::SetWindowPos(taskbar.Band(), nullptr, offset, 0, now.end - offset, now.cross, kFlags);
    ASSERT_TRUE(moved);
}

geometry::Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// Where the button goes on a taskbar window by the shell's own edge report,
// starting from (0, -6).
geometry::Point ButtonPlaceOn(HWND tray) {
    APPBARDATA appBar{};
    appBar.cbSize = sizeof appBar;
    EXPECT_TRUE(::SHAppBarMessage(ABM_GETTASKBARPOS, &appBar));
    return geometry::PositionAtTaskbar(appBar.uEdge, ToRect(WindowRect(tray)), {0, -6, kButtonSize, kButtonSize - 6},
                                       {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)});
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::optional<DWORD> FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return data.nFileSizeLow;
}

// What the two processes wrote to the debug output, in order.
std::vector<std::wstring> TextsOf(const DebugOutputCapture& capture, DWORD a, DWORD b) {
    std::vector<std::wstring> texts;
    for (const DebugLine& line : capture.Lines())
        if (line.pid == a || line.pid == b) texts.push_back(line.text);
    return texts;
}

// Every test gets USERPROFILE pointed at a scratch profile folder that holds
// AppData\LocalLow, as a real profile does.
class TaskbarPlacement : public testing::Test {
protected:
    void SetUp() override {
        scratch_ = MakeScratchFolder();
        ASSERT_FALSE(scratch_.empty());
        profile_ = scratch_ + L"\\Profile";
        const int made = ::SHCreateDirectoryExW(nullptr, (profile_ + L"\\AppData\\LocalLow").c_str(), nullptr);
        ASSERT_EQ(made, ERROR_SUCCESS);
        userProfile_.emplace(L"USERPROFILE", profile_);
        ASSERT_TRUE(userProfile_->IsReady());
    }

    void TearDown() override {
        userProfile_.reset();
        RemoveFolder(scratch_);
    }

    std::wstring MarkerPath() const { return profile_ + L"\\AppData\\LocalLow\\ChangeTaskbarRect"; }

    // "Main"/"HeightWidth" of Main.ini in the data folder, -1 when missing.
    static int HeightWidth() {
        return static_cast<int>(
            ::GetPrivateProfileIntW(L"Main", L"HeightWidth", -1, (GetDataFolder() + L"Main.ini").c_str()));
    }

    std::wstring scratch_;
    std::wstring profile_;
    std::optional<ScopedEnvironmentVariable> userProfile_;
};

class TaskbarPlacementAtEdge : public TaskbarPlacement, public testing::WithParamInterface<TaskbarEdge> {};

}  // namespace

TEST_P(TaskbarPlacementAtEdge, EmbedAndRestore_MoveTheBandAsideAndBackAndTellTheTaskbar) {
    const TaskbarEdge edge = GetParam();
    DebugOutputCapture capture;
    ASSERT_TRUE(capture.IsListening());
    const TaskbarStandIn taskbar(edge);
    ASSERT_TRUE(taskbar.IsReady());
    ASSERT_TRUE(taskbar.IsFoundFirst());
    const RECT tray = taskbar.TrayRect();
    const BandExtent before = Measure(edge, tray, taskbar.BandRect());
    ASSERT_EQ(before.start, 0) << "the stand-in's band starts at the taskbar's starting end";
    const UniqueHwnd button = MakeButton();
    ASSERT_TRUE(button);

    EmbedButtonInTaskbar(button.get());
    EXPECT_EQ(TrayWindow, taskbar.Tray());
    EXPECT_EQ(ReBarWindow, taskbar.Band());
    EXPECT_EQ(Measure(edge, tray, taskbar.BandRect()), (BandExtent{kButtonSize, before.end, 0, before.cross}))
        << "54 pixels from the start, far end and thickness kept";
    EXPECT_EQ(ReBarGap, 0);
    EXPECT_EQ(HeightWidth(), 0);

    // The button is shown on the taskbar where the placement rule puts it, by
    // the shell's own report of the edge (under Wine always the bottom).
    EXPECT_TRUE(IsShown(button.get()));
    const RECT placed = WindowRect(button.get());
    const geometry::Point expected = ButtonPlaceOn(taskbar.Tray());
    EXPECT_EQ(placed.left, expected.x);
    EXPECT_EQ(placed.top, expected.y);
    EXPECT_EQ(placed.right - placed.left, kButtonSize);
    EXPECT_EQ(placed.bottom - placed.top, kButtonSize);
    if (edge == TaskbarEdge::Bottom) {
        // Where the shell's report and the taskbar agree: at the start corner,
        // over the taskbar, kept on the screen.
        EXPECT_EQ(placed.left, tray.left);
        EXPECT_LT(placed.top, tray.top);
        EXPECT_EQ(placed.bottom, ::GetSystemMetrics(SM_CYSCREEN));
    }

    RestoreTaskbar();
    const BandExtent back = Measure(edge, tray, taskbar.BandRect());
    EXPECT_EQ(back, (BandExtent{11, before.end, 0, before.cross})) << "11 pixels from the start, far end kept";
    EXPECT_EQ(ReBarGap, 11);
    EXPECT_EQ(TrayWindow, taskbar.Tray());
    EXPECT_TRUE(Exists(MarkerPath()));
    EXPECT_EQ(HeightWidth(), 0) << "the restore stores nothing";

    // In order: the band is told after the move aside and before the move
    // back (whose place is written just before it moves), the tray during the restore.
    const std::wstring length = std::to_wstring(before.end - 11), cross = std::to_wstring(before.cross);
    const std::wstring restoreText = IsVertical(edge) ? L"ALeft: 0,Top:11,ARight:" + cross + L",ABottom:" + length
                                                      : L"ALeft: 11,Top:0,ARight:" + length + L",ABottom:" + cross;
    ASSERT_TRUE(capture.WaitFor(restoreText, ::GetCurrentProcessId()));
    EXPECT_EQ(TextsOf(capture, ::GetCurrentProcessId(), taskbar.Pid()),
              (std::vector<std::wstring>{L"Create_ParentWindow", L"TaskbarStandIn: ReBarWindow32 0x7E9 0x1 0x0",
                                         L"TaskbarStandIn: ReBarWindow32 0x7E9 0x0 0x0",
                                         L"TaskbarStandIn: Shell_TrayWnd 0x0 0x0 0xD81", restoreText}));

    // Restored twice (message 0x7ED, then Exit): the band stays where it is.
    RestoreTaskbar();
    EXPECT_EQ(Measure(edge, tray, taskbar.BandRect()), back);
}

TEST_P(TaskbarPlacementAtEdge, EmbeddingThreeTimes_KeepsTheBandAt54AndStoresTheLastGap) {
    const TaskbarEdge edge = GetParam();
    const TaskbarStandIn taskbar(edge);
    ASSERT_TRUE(taskbar.IsReady() && taskbar.IsFoundFirst());
    const RECT tray = taskbar.TrayRect();
    const int end = Measure(edge, tray, taskbar.BandRect()).end;
    // Something sits before the band at first: the first embedding measures that.
    ASSERT_NO_FATAL_FAILURE(MoveBandTo(taskbar, edge, 20));
    const UniqueHwnd button = MakeButton();

    for (const int gap : {20, 54, 54}) {
        EmbedButtonInTaskbar(button.get());
        const BandExtent band = Measure(edge, tray, taskbar.BandRect());
        EXPECT_EQ(band.start, kButtonSize) << "gap " << gap;
        EXPECT_EQ(band.end, end) << "gap " << gap;
        EXPECT_EQ(ReBarGap, gap);
        EXPECT_EQ(HeightWidth(), gap);
    }
}

INSTANTIATE_TEST_SUITE_P(Edges, TaskbarPlacementAtEdge,
                         testing::Values(TaskbarEdge::Bottom, TaskbarEdge::Top, TaskbarEdge::Left, TaskbarEdge::Right),
                         [](const auto& info) { return Name(info.param); });

TEST_F(TaskbarPlacement, CreateMarkerFile_InTheProfilesLocalLowFolder) {
    const std::wstring bare = scratch_ + L"\\Bare";  // a profile without AppData
    ASSERT_TRUE(::CreateDirectoryW(bare.c_str(), nullptr));
    struct Case {
        const char* name;
        std::wstring userProfile;
        bool created;
    } const cases[] = {
        {"as it is", profile_, true},
        {"with a backslash", profile_ + L"\\", true},
        {"with blanks around", L"  " + profile_ + L" \t", true},
        {"without the folder", bare, false},
    };
    for (const Case& c : cases) {
        ::DeleteFileW(MarkerPath().c_str());
        ASSERT_TRUE(userProfile_->Set(c.userProfile));
        EXPECT_EQ(CreateMarkerFile(L"ChangeTaskbarRect"), c.created) << c.name;
        EXPECT_EQ(FileSize(MarkerPath()), c.created ? std::optional<DWORD>(0) : std::nullopt) << c.name;
    }
    EXPECT_FALSE(Exists(bare + L"\\AppData")) << "no folder is made";

    // An existing file is emptied.
    ASSERT_TRUE(userProfile_->Set(profile_));
    {
        UniqueFileHandle file(::CreateFileW(MarkerPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD wrote = 0;
        ASSERT_TRUE(file && ::WriteFile(file.get(), "old", 3, &wrote, nullptr));
    }
    EXPECT_TRUE(CreateMarkerFile(L"ChangeTaskbarRect"));
    EXPECT_EQ(FileSize(MarkerPath()), std::optional<DWORD>(0));
}

TEST_F(TaskbarPlacement, WithoutATaskbar_TheButtonIsShownAtItsStartingPlace) {
    DebugOutputCapture capture;
    ASSERT_TRUE(capture.IsListening());
    const UniqueHwnd button = MakeButton();

    EmbedButtonInTaskbar(button.get(), nullptr);
    EXPECT_EQ(TrayWindow, nullptr);
    EXPECT_EQ(ReBarWindow, nullptr);
    EXPECT_EQ(ReBarGap, 0);
    EXPECT_EQ(HeightWidth(), 0);
    EXPECT_TRUE(IsShown(button.get()));
    const RECT placed = WindowRect(button.get());
    EXPECT_EQ(placed.left, 0);
    EXPECT_EQ(placed.top, -6);
    EXPECT_EQ(placed.right, kButtonSize);
    EXPECT_EQ(placed.bottom, kButtonSize - 6);
    EXPECT_TRUE(capture.WaitFor(L"Create_ParentWindow", ::GetCurrentProcessId()));

    RestoreTaskbar();
    EXPECT_EQ(ReBarGap, 11);
    EXPECT_TRUE(Exists(MarkerPath()));
    EXPECT_EQ(WindowRect(button.get()).top, -6) << "the restore leaves the button alone";
}

TEST_F(TaskbarPlacement, WithOnlyWinesHiddenTray_NothingMovesAndTheButtonFollowsThatWindow) {
    // The first window of a process starts Wine's desktop, whose explorer
    // owns a hidden, empty "Shell_TrayWnd" without a band. With no stand-in
    // running, that is the taskbar the program finds.
    const UniqueHwnd button = MakeButton();
    ASSERT_TRUE(button);
    const HWND hidden = ::FindWindowW(L"Shell_TrayWnd", nullptr);
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(IsShown(hidden));
    EXPECT_EQ(::FindWindowExW(hidden, nullptr, L"ReBarWindow32", nullptr), nullptr);
    const RECT hiddenRect = WindowRect(hidden);

    EmbedButtonInTaskbar(button.get());
    EXPECT_EQ(TrayWindow, hidden);
    EXPECT_EQ(ReBarWindow, nullptr);
    EXPECT_EQ(ReBarGap, 0);
    EXPECT_EQ(HeightWidth(), 0);
    // The placement runs against that window all the same (a 0 x 0 window at
    // the origin takes the button just above the screen).
    EXPECT_TRUE(IsShown(button.get()));
    const RECT placed = WindowRect(button.get());
    const geometry::Point expected = ButtonPlaceOn(hidden);
    EXPECT_EQ(placed.left, expected.x);
    EXPECT_EQ(placed.top, expected.y);
    EXPECT_EQ(placed.right - placed.left, kButtonSize);

    RestoreTaskbar();
    EXPECT_EQ(ReBarGap, 11);
    EXPECT_TRUE(Exists(MarkerPath()));
    const RECT after = WindowRect(hidden);
    EXPECT_TRUE(::EqualRect(&after, &hiddenRect)) << "the taskbar itself is never moved";
}
