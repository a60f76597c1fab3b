// Keyvane.exe: its hidden window and its place on the enable channel.

#include <gtest/gtest.h>

#include <string>

#include "relaybus.h"
#include "tests/harness/debug_capture.h"
#include "tests/harness/program_under_test.h"

TEST(Keyvane, RegistersItsWindowAndTheEnableChannel) {
    DebugOutputCapture debug;
    ASSERT_TRUE(debug.IsListening());
    ProgramUnderTest keyvane(ProgramPath(L"Keyvane.exe"));
    HWND window = keyvane.WaitForWindow(L"TKeyvaneWin", L"KavorKeyvaneWin");
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsShown(window));
    EXPECT_TRUE(debug.WaitFor(L"KeyvaneWin FormCreate", keyvane.Pid()));

    // Commands on the channel reach the program (unknown ones are ignored there).
    for (const std::wstring value : {L"DisEnable", L"Enable", L"Unknown"}) {
        wchar_t reply[16];
        DWORD capacity = sizeof reply;
        EXPECT_EQ(Func(L"KeyvaneWinEnable_Name", value.c_str(), static_cast<DWORD>((value.size() + 1) * 2), reply,
                       &capacity),
                  1)
            << testing::PrintToString(value);
    }
    // The message the checker sends is accepted quietly.
    EXPECT_EQ(::SendMessageW(window, 0xC99, 0, 0), 0);
    EXPECT_TRUE(keyvane.IsRunning());

    ::PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(keyvane.WaitForExit(), std::optional<DWORD>(0));
}
