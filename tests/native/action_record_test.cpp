#include "platform/action_record.h"

#include <gtest/gtest.h>

TEST(ActionRecord, FormatsAndParsesBack) {
    const ActionRecord records[] = {
        {"ExitWindowsEx", {0x1, 0xFFFF}},
        {"LockWorkStation", {}},
        {"keybd_event", {0x5B, 0, 0x2, 0xFFFFFFFF}},
    };
    for (const ActionRecord& record : records) {
        const std::string line = FormatActionRecord(record);
        SCOPED_TRACE(line);
        EXPECT_EQ(ParseActionRecord(line), record);
    }
    EXPECT_EQ(FormatActionRecord({"ExitWindowsEx", {1, 0xFFFF}}), "ExitWindowsEx 0x1 0xffff");
}

TEST(ActionRecord, RejectsMalformedLines) {
    const char* lines[] = {"", " ", "Exit Windows", "ExitWindowsEx 12", "ExitWindowsEx 0x", "ExitWindowsEx 0x1g",
                           "ExitWindowsEx 0x100000000", "Exit-Windows 0x1", "ExitWindowsEx  0x1"};
    for (const char* line : lines) EXPECT_FALSE(ParseActionRecord(line)) << '"' << line << '"';
}

TEST(ActionRecord, LogKeepsOrderAndSkipsDamagedLines) {
    // A process that died mid-write leaves a partial last line; CR LF is tolerated.
    const auto records = ParseActionLog("LockWorkStation\r\nbroken line\nkeybd_event 0x61 0x0 0x0 0x0\nkeybd_ev");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].call, "LockWorkStation");
    EXPECT_EQ(records[1], (ActionRecord{"keybd_event", {0x61, 0, 0, 0}}));
}
