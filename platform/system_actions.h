#pragma once
// The one seam for calls that act on the whole machine: ending the session,
// powering off, locking, and injecting key events system-wide. Product code
// calls these only through Actions(); tests put a recorder in its place so no
// test ever logs off, shuts down or locks the machine.

#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

#include "platform/action_record.h"

class SystemActions {
public:
    virtual ~SystemActions() = default;

    [[nodiscard]] virtual bool ExitWindowsEx(UINT flags, DWORD reason) = 0;
    [[nodiscard]] virtual bool SetSystemPowerState(bool suspend, bool force) = 0;
    [[nodiscard]] virtual bool LockWorkStation() = 0;
    // keybd_event semantics.
    virtual void KeyEvent(BYTE vk, BYTE scan, DWORD flags, ULONG_PTR extraInfo) = 0;
};

// Records every call instead of performing it, in memory and, when a file is
// given, appended to that file as lines of FormatActionRecord (so another
// process can read what a program under test asked for). Answers success.
class RecordingActions final : public SystemActions {
public:
    explicit RecordingActions(std::wstring logFile = {});

    bool ExitWindowsEx(UINT flags, DWORD reason) override;
    bool SetSystemPowerState(bool suspend, bool force) override;
    bool LockWorkStation() override;
    void KeyEvent(BYTE vk, BYTE scan, DWORD flags, ULONG_PTR extraInfo) override;

    [[nodiscard]] std::vector<ActionRecord> Records() const;

private:
    void Record(ActionRecord record);

    std::wstring logFile_;
    mutable std::mutex lock_;
    std::vector<ActionRecord> records_;
};

// Name of the environment variable that turns a whole program's seam into a
// RecordingActions writing to the file it names.
inline constexpr wchar_t kActionLogVariable[] = L"DRAVIX_ACTION_LOG";

// The process's seam: the real calls, or a file recorder when the variable
// above is set at first use.
SystemActions& Actions();

// In-process tests: replace the seam (nullptr restores the default).
void SetActionsForTesting(SystemActions* actions);
