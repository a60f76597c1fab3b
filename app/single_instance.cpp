#include "app/single_instance.h"

#include "platform/debug_output.h"
#include "startmenu/start_menu_form.h"

namespace {

SingleInstanceGuard* g_guard = nullptr;  // the one the subclassed window answers for

}  // namespace

std::wstring ExecutableFileName() {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring full(path, length);
    return full.substr(full.find_last_of(L"\\/") + 1);
}

SingleInstanceGuard::Outcome SingleInstanceGuard::Settle() {
    name_ = ExecutableFileName();
    message_ = ::RegisterWindowMessageW(name_.c_str());
    mutex_.reset(::CreateMutexW(nullptr, FALSE, name_.c_str()));
    if (!mutex_) return Outcome::Failed;
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        DWORD recipients = BSM_APPLICATIONS;
        ::BroadcastSystemMessageW(BSF_POSTMESSAGE | BSF_IGNORECURRENTTASK, &recipients, message_, 0, 0);
        return Outcome::AlreadyRunning;
    }
    return Outcome::First;
}

void SingleInstanceGuard::Subclass(HWND appWindow) {
    g_guard = this;
    oldProcedure_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(appWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GuardProcedure)));
}

LRESULT CALLBACK SingleInstanceGuard::GuardProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    SingleInstanceGuard* guard = g_guard;
    if (!guard || !guard->oldProcedure_) return ::DefWindowProcW(window, message, wParam, lParam);
    if (message != guard->message_ || message == 0)
        return ::CallWindowProcW(guard->oldProcedure_, window, message, wParam, lParam);

    DebugOut(L"InstanceGuard: another start");
    if (::IsIconic(window)) ::ShowWindow(window, SW_RESTORE);
    ::SetForegroundWindow(window);
    // Brings the menu forward only if it is already shown; a hidden menu stays hidden.
    if (QelStartMenuFrm) QelStartMenuFrm->BringToFrontIfShown();
    return 0;
}
