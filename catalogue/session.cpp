#include "catalogue/session.h"

#include <windows.h>

#include "platform/system_actions.h"
#include "platform/unique_handle.h"

namespace {

struct ExitRequest {
    UINT flags;
    DWORD reason;
};

// The reason 0xFFFF is what the session commands have always passed for the
// planned (non-forced) kinds; it is kept for the event log's sake.
constexpr DWORD kPlannedReason = 0xFFFF;

bool RequestFor(int mode, ExitRequest& request) {
    switch (mode) {
    case kExitForce: request = {EWX_FORCE, 0}; return true;
    case kExitLogOff: request = {EWX_LOGOFF, kPlannedReason}; return true;
    case kExitPowerOff: request = {EWX_POWEROFF, 0}; return true;
    case kExitReboot: request = {EWX_REBOOT, kPlannedReason}; return true;
    case kExitShutdown: request = {EWX_SHUTDOWN, kPlannedReason}; return true;
    default: return false;
    }
}

}  // namespace

bool EnableShutdownPrivilege() {
    UniqueKernelHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.put())) return false;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!::LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) return false;
    // AdjustTokenPrivileges succeeds even when it could not assign the privilege.
    return ::AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr) &&
           ::GetLastError() == ERROR_SUCCESS;
}

bool ExitSession(int mode) {
    EnableShutdownPrivilege();
    ExitRequest request{};
    if (!RequestFor(mode, request)) return false;
    return Actions().ExitWindowsEx(request.flags, request.reason);
}
