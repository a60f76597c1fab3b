// Windows against the taskbar stand-in at every edge, and bringing a window
// to the front, with real windows under Wine.

#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include "catalogue/taskbar_geometry.h"
#include "catalogue/window_placement.h"
#include "platform/unique_handle.h"
#include "tests/harness/program_under_test.h"
#include "tests/harness/taskbar_standin.h"

namespace {

constexpr wchar_t kTestClass[] = L"ShellPlacementTestWindow";

UniqueHwnd MakeWindow(int width, int height, DWORD style = WS_POPUP | WS_VISIBLE) {
    static const ATOM registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kTestClass;
        return ::RegisterClassExW(&wc);
    }();
    EXPECT_NE(registered, 0);
    return UniqueHwnd(::CreateWindowExW(WS_EX_TOOLWINDOW, kTestClass, L"placed", style, 300, 300, width, height,
                                        nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr));
}

void Pump() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
}

geometry::Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

struct EdgeCase {
    TaskbarEdge edge;
    int code;
};

constexpr EdgeCase kEdges[] = {
    {TaskbarEdge::Bottom, geometry::kEdgeBottom},
    {TaskbarEdge::Left, geometry::kEdgeLeft},
    {TaskbarEdge::Top, geometry::kEdgeTop},
    {TaskbarEdge::Right, geometry::kEdgeRight},
};

}  // namespace

TEST(WindowPlacement, GetTaskbarEdgeAndPlaceMenuWindowFollowTheTaskbar) {
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN), screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    const UniqueHwnd menu = MakeWindow(400, 500);
    ASSERT_TRUE(menu);
    for (const EdgeCase& c : kEdges) {
        const std::string label = testing::PrintToString(std::wstring(TaskbarEdgeName(c.edge)));
        const TaskbarStandIn taskbar(c.edge);
        ASSERT_TRUE(taskbar.IsReady()) << label;
        ASSERT_TRUE(taskbar.IsFoundFirst()) << label;
        EXPECT_EQ(GetTaskbarEdge(taskbar.Tray()), c.code) << label;

        const RECT tray = taskbar.TrayRect();
        POINT expected{};
        switch (c.edge) {
        case TaskbarEdge::Top: expected = {0, tray.bottom - tray.top}; break;
        case TaskbarEdge::Bottom: expected = {0, screenHeight - (tray.bottom - tray.top) - 500}; break;
        case TaskbarEdge::Left: expected = {0, 50}; break;
        case TaskbarEdge::Right: expected = {screenWidth - 400, 50}; break;
        }
        int x = 0, y = 0;
        PlaceMenuWindow(menu.get(), x, y);
        const RECT placed = WindowRect(menu.get());
        EXPECT_EQ(placed.left, expected.x) << label;
        EXPECT_EQ(placed.top, expected.y) << label;
        EXPECT_EQ(placed.right - placed.left, 400) << label << ": only moved, not sized";
        EXPECT_EQ(MenuX, expected.x) << label;
        EXPECT_EQ(MenuY, expected.y) << label;
        // Over the middle of the right-hand column; above a bottom taskbar.
        EXPECT_EQ(x, expected.x + 241 + (400 - 241 - 54) / 2) << label;
        EXPECT_EQ(y, c.edge == TaskbarEdge::Bottom ? expected.y - 30 : expected.y) << label;
    }
}

TEST(WindowPlacement, PlaceMenuWindow_KeepsTheStoredPositionWithoutATaskbarEdge) {
    const TaskbarStandIn taskbar(TaskbarEdge::Bottom);
    ASSERT_TRUE(taskbar.IsReady() && taskbar.IsFoundFirst());
    // A taskbar floating off every edge fits no rule.
    ASSERT_TRUE(::SetWindowPos(taskbar.Tray(), nullptr, 100, 100, 300, 40, SWP_NOZORDER | SWP_NOACTIVATE));
    const UniqueHwnd menu = MakeWindow(400, 500);
    MenuX = 12;
    MenuY = 34;
    int x = 0, y = 0;
    PlaceMenuWindow(menu.get(), x, y);
    const RECT placed = WindowRect(menu.get());
    EXPECT_EQ(placed.left, 300);
    EXPECT_EQ(placed.top, 300);
    EXPECT_EQ(MenuX, 12);
    EXPECT_EQ(MenuY, 34);
    EXPECT_EQ(x, 12 + 241 + (400 - 241 - 54) / 2);
    EXPECT_EQ(y, 34);
}

TEST(WindowPlacement, PositionWindowAtTaskbar_MovesOrReportsByTheShellsEdge) {
    const UniqueHwnd window = MakeWindow(100, 50);
    ASSERT_TRUE(window);
    const geometry::Size screen{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    for (const EdgeCase& c : kEdges) {
        const std::string label = testing::PrintToString(std::wstring(TaskbarEdgeName(c.edge)));
        const TaskbarStandIn taskbar(c.edge);
        ASSERT_TRUE(taskbar.IsReady()) << label;
        // The shell's own edge report (Wine always answers "bottom").
        APPBARDATA appBar{};
        appBar.cbSize = sizeof appBar;
        ASSERT_TRUE(::SHAppBarMessage(ABM_GETTASKBARPOS, &appBar)) << label;
        ASSERT_TRUE(::SetWindowPos(window.get(), nullptr, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
        const geometry::Point expected = geometry::PositionAtTaskbar(
            appBar.uEdge, ToRect(taskbar.TrayRect()), ToRect(WindowRect(window.get())), screen);

        int x = -1, y = -1;
        ASSERT_TRUE(PositionWindowAtTaskbar(window.get(), taskbar.Tray(), &x, &y)) << label;
        EXPECT_EQ(x, expected.x) << label;
        EXPECT_EQ(y, expected.y) << label;
        EXPECT_EQ(WindowRect(window.get()).left, 300) << label << ": only reported";

        ASSERT_TRUE(PositionWindowAtTaskbar(window.get(), taskbar.Tray())) << label;
        const RECT moved = WindowRect(window.get());
        EXPECT_EQ(moved.left, expected.x) << label;
        EXPECT_EQ(moved.top, expected.y) << label;
        EXPECT_EQ(moved.right - moved.left, 100) << label;
    }
}

TEST(WindowPlacement, PositionWindowAtTaskbar_FailsWithoutBothWindows) {
    const TaskbarStandIn taskbar(TaskbarEdge::Bottom);
    ASSERT_TRUE(taskbar.IsReady());
    const UniqueHwnd window = MakeWindow(100, 50);
    int x = 0, y = 0;
    EXPECT_FALSE(PositionWindowAtTaskbar(nullptr, taskbar.Tray(), &x, &y));
    EXPECT_FALSE(PositionWindowAtTaskbar(window.get(), nullptr, &x, &y));
}

// The foreground as seen from this process, once another process's window
// has taken it (Wine hands the foreground over asynchronously).
bool WaitForForeground(HWND window, DWORD timeoutMs = 5000) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 20) {
        Pump();
        if (::GetForegroundWindow() == window) return true;
        ::Sleep(20);
    }
    return false;
}

TEST(BringWindowToFront, TakesTheForegroundFromAnotherProgram) {
    const UniqueHwnd ours = MakeWindow(200, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_TRUE(ours);
    Pump();
    ProgramUnderTest other(ToolPath(L"HarnessProbe.exe"), L"window:ShellFrontProbe:Other");
    const HWND otherWindow = other.WaitForWindow(L"ShellFrontProbe", L"Other");
    ASSERT_NE(otherWindow, nullptr);
    ASSERT_TRUE(WaitForForeground(otherWindow)) << "the new window of the other program takes the foreground";

    EXPECT_TRUE(BringWindowToFront(ours.get()));
    EXPECT_EQ(::GetForegroundWindow(), ours.get());
    EXPECT_TRUE(BringWindowToFront(ours.get())) << "already in front";
}

TEST(BringWindowToFront, RestoresAMinimisedWindow) {
    const UniqueHwnd ours = MakeWindow(200, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_TRUE(ours);
    Pump();
    ::ShowWindow(ours.get(), SW_MINIMIZE);
    Pump();
    ASSERT_TRUE(::IsIconic(ours.get()));

    EXPECT_TRUE(BringWindowToFront(ours.get()));
    Pump();
    EXPECT_FALSE(::IsIconic(ours.get()));
    EXPECT_EQ(::GetForegroundWindow(), ours.get());
}
