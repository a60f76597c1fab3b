// The integration harness itself, on real Wine windows and processes.

#include <gtest/gtest.h>

#include "platform/system_actions.h"
#include "tests/harness/action_log.h"
#include "tests/harness/debug_capture.h"
#include "tests/harness/program_under_test.h"
#include "tests/harness/taskbar_standin.h"

namespace {

std::wstring Probe() { return ToolPath(L"HarnessProbe.exe"); }

}  // namespace

TEST(ProgramUnderTest, FindsWindowByClassAndCaptionAndEndsTheProcess) {
    ProgramUnderTest probe(Probe(), L"\"window:ProbeClass:Probe Caption\" window:ProbeClass:Other");
    ASSERT_TRUE(probe.IsRunning());

    HWND window = probe.WaitForWindow(L"ProbeClass", L"Probe Caption");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CaptionOf(window), L"Probe Caption");
    EXPECT_EQ(ProcessOf(window), probe.Pid());
    EXPECT_TRUE(WaitForShown(window));
    const RECT rect = WindowRect(window);
    EXPECT_EQ(rect.right - rect.left, 300);
    EXPECT_EQ(rect.bottom - rect.top, 200);

    EXPECT_EQ(probe.WaitForWindow(L"ProbeClass", L"No such caption", 200), nullptr);
    EXPECT_EQ(probe.WaitForWindow(L"NoSuchClass", nullptr, 200), nullptr);

    // A sent close destroys the window; the probe then exits with its own code.
    ::SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitForWindowGone(window));
    EXPECT_EQ(probe.WaitForExit(), std::optional<DWORD>(7));
}

TEST(ProgramUnderTest, ReportsExitCodeOfAProgramThatEndsByItself) {
    ProgramUnderTest probe(Probe(), L"exit:42");
    EXPECT_EQ(probe.WaitForExit(), std::optional<DWORD>(42));
    EXPECT_FALSE(probe.IsRunning());
}

TEST(ProgramUnderTest, LeavesNoProcessBehind) {
    HANDLE process = nullptr;
    {
        ProgramUnderTest probe(Probe(), L"window:LeftBehind:probe");
        ASSERT_NE(probe.WaitForWindow(L"LeftBehind"), nullptr);
        ASSERT_TRUE(::DuplicateHandle(::GetCurrentProcess(), probe.Process(), ::GetCurrentProcess(), &process,
                                      SYNCHRONIZE, FALSE, 0));
    }
    EXPECT_EQ(::WaitForSingleObject(process, 5000), WAIT_OBJECT_0);
    ::CloseHandle(process);
    EXPECT_EQ(::FindWindowW(L"LeftBehind", nullptr), nullptr);
}

TEST(ProgramUnderTest, MissingProgramDoesNotStart) {
    ProgramUnderTest missing(ToolPath(L"NoSuchProgram.exe"));
    EXPECT_FALSE(missing.IsRunning());
    EXPECT_EQ(missing.Pid(), 0u);
    EXPECT_EQ(missing.WaitForExit(100), std::nullopt);
}

TEST(DebugOutputCapture, ReadsTextsOfAnotherProcessInOrder) {
    DebugOutputCapture capture;
    ASSERT_TRUE(capture.IsListening());
    {
        DebugOutputCapture second;
        EXPECT_FALSE(second.IsListening()) << "only one reader can own the buffer";
    }

    ProgramUnderTest probe(Probe(), L"say:first say:second say:TfrmStartMenu.Create");
    ASSERT_EQ(probe.WaitForExit(), std::optional<DWORD>(0));
    ASSERT_TRUE(capture.WaitFor(L"TfrmStartMenu.Create", probe.Pid()));
    EXPECT_EQ(capture.Texts(probe.Pid()), (std::vector<std::wstring>{L"first", L"second", L"TfrmStartMenu.Create"}));
    EXPECT_TRUE(capture.Texts(probe.Pid() + 4).empty());
}

class TaskbarStandInTest : public testing::TestWithParam<TaskbarEdge> {};

TEST_P(TaskbarStandInTest, SitsAtItsEdgeAndIsTheTrayTheProductFinds) {
    TaskbarStandIn taskbar(GetParam());
    ASSERT_TRUE(taskbar.IsReady());
    EXPECT_TRUE(taskbar.IsFoundFirst());
    EXPECT_TRUE(IsShown(taskbar.Tray()));
    EXPECT_EQ(ClassNameOf(taskbar.Band()), L"ReBarWindow32");
    EXPECT_EQ(::GetParent(taskbar.Band()), taskbar.Tray());

    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    const RECT tray = taskbar.TrayRect();
    switch (GetParam()) {
    case TaskbarEdge::Bottom:
        EXPECT_EQ(tray.bottom, screenHeight);
        EXPECT_EQ(tray.top, screenHeight - 40);
        EXPECT_EQ(tray.right - tray.left, screenWidth);
        break;
    case TaskbarEdge::Top:
        EXPECT_EQ(tray.top, 0);
        EXPECT_EQ(tray.bottom, 40);
        EXPECT_EQ(tray.right - tray.left, screenWidth);
        break;
    case TaskbarEdge::Left:
        EXPECT_EQ(tray.left, 0);
        EXPECT_EQ(tray.right, 62);
        EXPECT_EQ(tray.bottom - tray.top, screenHeight);
        break;
    case TaskbarEdge::Right:
        EXPECT_EQ(tray.right, screenWidth);
        EXPECT_EQ(tray.left, screenWidth - 62);
        EXPECT_EQ(tray.bottom - tray.top, screenHeight);
        break;
    }
    // The band starts at the taskbar's starting end and lies inside it.
    const RECT band = taskbar.BandRect();
    EXPECT_EQ(band.left, tray.left);
    EXPECT_EQ(band.top, tray.top);
    EXPECT_LE(band.right, tray.right);
    EXPECT_LE(band.bottom, tray.bottom);
}

INSTANTIATE_TEST_SUITE_P(Edges, TaskbarStandInTest,
                         testing::Values(TaskbarEdge::Bottom, TaskbarEdge::Top, TaskbarEdge::Left, TaskbarEdge::Right),
                         [](const auto& info) { return std::string(info.param == TaskbarEdge::Bottom ? "Bottom"
                                                                   : info.param == TaskbarEdge::Top  ? "Top"
                                                                   : info.param == TaskbarEdge::Left ? "Left"
                                                                                                     : "Right"); });

TEST(TaskbarStandIn, ReportsTheMessagesTheProductSendsIt) {
    DebugOutputCapture capture;
    ASSERT_TRUE(capture.IsListening());
    TaskbarStandIn taskbar;
    ASSERT_TRUE(taskbar.IsReady());

    ::SendMessageW(taskbar.Band(), WM_USER + 1001, 1, 0);
    ::SendMessageW(taskbar.Tray(), WM_NULL, 0, 3457);
    EXPECT_TRUE(capture.WaitFor(L"TaskbarStandIn: ReBarWindow32 0x7E9 0x1 0x0", taskbar.Pid()));
    EXPECT_TRUE(capture.WaitFor(L"TaskbarStandIn: Shell_TrayWnd 0x0 0x0 0xD81", taskbar.Pid()));
}

TEST(ActionRecorder, RecordsInProcessCallsInsteadOfPerformingThem) {
    RecordingActions recorder;
    SetActionsForTesting(&recorder);
    EXPECT_TRUE(Actions().ExitWindowsEx(EWX_LOGOFF, 0xFFFF));
    EXPECT_TRUE(Actions().LockWorkStation());
    Actions().KeyEvent(0x61, 0, 0, 0);
    SetActionsForTesting(nullptr);

    const std::vector<ActionRecord> expected = {
        {"ExitWindowsEx", {EWX_LOGOFF, 0xFFFF}},
        {"LockWorkStation", {}},
        {"keybd_event", {0x61, 0, 0, 0}},
    };
    EXPECT_EQ(recorder.Records(), expected);
    EXPECT_NE(&Actions(), &recorder);
}

TEST(ActionRecorder, ProgramUnderTestRecordsIntoTheLog) {
    ActionLog log;
    ASSERT_FALSE(log.Path().empty());
    ProgramUnderTest probe(Probe(), {.arguments = L"act:keys act:exit act:power act:lock", .environment = {log.EnvironmentEntry()}});
    ASSERT_EQ(probe.WaitForExit(), std::optional<DWORD>(0));

    const std::vector<ActionRecord> expected = {
        {"keybd_event", {VK_LWIN, 0, 0, 0}},
        {"keybd_event", {VK_LWIN, 0, KEYEVENTF_KEYUP, 0}},
        {"ExitWindowsEx", {EWX_SHUTDOWN, 0xFFFF}},
        {"SetSystemPowerState", {1, 0}},
        {"LockWorkStation", {}},
    };
    EXPECT_EQ(log.Read(), expected);
}
