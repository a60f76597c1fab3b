#include "catalogue/wow64.h"

#include <windows.h>

#include "platform/unique_handle.h"

namespace {

// Loaded on first use and kept for the life of the program.
HMODULE Kernel32() {
    static const UniqueHmodule module(::LoadLibraryW(L"kernel32.dll"));
    return module.get();
}

// The function by name, or nullptr where this Windows lacks it.
template <typename Function>
Function* Kernel32Function(const char* name) {
    const HMODULE module = Kernel32();
    if (!module) return nullptr;
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

using RedirectionCall = BOOL WINAPI(PVOID*);
using RevertCall = BOOL WINAPI(PVOID);
using IsWow64ProcessCall = BOOL WINAPI(HANDLE, PBOOL);

}  // namespace

void* DisableWow64Redirection() {
    void* saved = nullptr;
    static RedirectionCall* const disable = Kernel32Function<RedirectionCall>("Wow64DisableWow64FsRedirection");
    if (disable) disable(&saved);
    return saved;
}

void RevertWow64Redirection(void* savedState) {
    static RevertCall* const revert = Kernel32Function<RevertCall>("Wow64RevertWow64FsRedirection");
    if (revert) revert(savedState);
}

bool IsWow64() {
    static IsWow64ProcessCall* const isWow64Process = Kernel32Function<IsWow64ProcessCall>("IsWow64Process");
    BOOL flag = FALSE;
    if (!isWow64Process || !isWow64Process(::GetCurrentProcess(), &flag)) return false;
    return flag == 1;
}
