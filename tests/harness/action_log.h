#pragma once
// The file a program under test records its system actions in (ending the
// session, power, locking, injected keys) instead of performing them.

#include <string>
#include <utility>
#include <vector>

#include "platform/action_record.h"

class ActionLog {
public:
    ActionLog();  // a new, empty log file
    ActionLog(const ActionLog&) = delete;
    ActionLog& operator=(const ActionLog&) = delete;
    ~ActionLog();

    // The environment entry that makes a started program record into this log.
    [[nodiscard]] std::pair<std::wstring, std::wstring> EnvironmentEntry() const;
    [[nodiscard]] const std::wstring& Path() const { return path_; }

    // What was recorded so far, in order.
    [[nodiscard]] std::vector<ActionRecord> Read() const;

private:
    std::wstring path_;
};
