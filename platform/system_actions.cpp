#include "platform/system_actions.h"

#include <atomic>
#include <memory>

#include "platform/unique_handle.h"

namespace {

class RealActions final : public SystemActions {
public:
    bool ExitWindowsEx(UINT flags, DWORD reason) override { return ::ExitWindowsEx(flags, reason) != FALSE; }
    bool SetSystemPowerState(bool suspend, bool force) override {
        return ::SetSystemPowerState(suspend, force) != FALSE;
    }
    bool LockWorkStation() override { return ::LockWorkStation() != FALSE; }
    void KeyEvent(BYTE vk, BYTE scan, DWORD flags, ULONG_PTR extraInfo) override {
        ::keybd_event(vk, scan, flags, extraInfo);
    }
};

std::wstring EnvironmentValue(const wchar_t* name) {
    wchar_t buffer[MAX_PATH * 2];
    const DWORD length = ::GetEnvironmentVariableW(name, buffer, static_cast<DWORD>(std::size(buffer)));
    if (length == 0 || length >= std::size(buffer)) return {};
    return std::wstring(buffer, length);
}

SystemActions& DefaultActions() {
    static const std::unique_ptr<SystemActions> actions = []() -> std::unique_ptr<SystemActions> {
        std::wstring logFile = EnvironmentValue(kActionLogVariable);
        if (!logFile.empty()) return std::make_unique<RecordingActions>(std::move(logFile));
        return std::make_unique<RealActions>();
    }();
    return *actions;
}

std::atomic<SystemActions*> g_override{nullptr};

}  // namespace

RecordingActions::RecordingActions(std::wstring logFile) : logFile_(std::move(logFile)) {}

bool RecordingActions::ExitWindowsEx(UINT flags, DWORD reason) {
    Record({"ExitWindowsEx", {flags, reason}});
    return true;
}

bool RecordingActions::SetSystemPowerState(bool suspend, bool force) {
    Record({"SetSystemPowerState", {suspend ? 1u : 0u, force ? 1u : 0u}});
    return true;
}

bool RecordingActions::LockWorkStation() {
    Record({"LockWorkStation", {}});
    return true;
}

void RecordingActions::KeyEvent(BYTE vk, BYTE scan, DWORD flags, ULONG_PTR extraInfo) {
    Record({"keybd_event", {vk, scan, flags, static_cast<std::uint32_t>(extraInfo)}});
}

std::vector<ActionRecord> RecordingActions::Records() const {
    std::lock_guard guard(lock_);
    return records_;
}

void RecordingActions::Record(ActionRecord record) {
    std::lock_guard guard(lock_);
    if (!logFile_.empty()) {
        // Opened per call so a process that dies still leaves every line it recorded.
        UniqueFileHandle file(::CreateFileW(logFile_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) {
            const std::string line = FormatActionRecord(record) + "\n";
            DWORD written = 0;
            ::WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        }
    }
    records_.push_back(std::move(record));
}

SystemActions& Actions() {
    if (SystemActions* actions = g_override.load()) return *actions;
    return DefaultActions();
}

void SetActionsForTesting(SystemActions* actions) { g_override.store(actions); }
