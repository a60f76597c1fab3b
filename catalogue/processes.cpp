#include "catalogue/processes.h"

#include <windows.h>
#include <tlhelp32.h>

#include "platform/unique_handle.h"

namespace {

// Calls `visit` with the id of every process of that file name but this one.
template <typename Visit>
void ForEachProcessNamed(std::wstring_view exeName, Visit visit) {
    UniqueFileHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    const DWORD self = ::GetCurrentProcessId();
    for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more; more = ::Process32NextW(snapshot.get(), &entry)) {
        const int length = static_cast<int>(wcsnlen(entry.szExeFile, MAX_PATH));
        const bool same = ::CompareStringOrdinal(entry.szExeFile, length, exeName.data(),
                                                 static_cast<int>(exeName.size()), TRUE) == CSTR_EQUAL;
        if (same && entry.th32ProcessID != self) visit(entry.th32ProcessID);
    }
}

}  // namespace

bool IsProcessRunning(std::wstring_view exeName) {
    bool found = false;
    ForEachProcessNamed(exeName, [&](DWORD) { found = true; });
    return found;
}

bool KillProcessByName(std::wstring_view exeName) {
    bool ended = false;
    ForEachProcessNamed(exeName, [&](DWORD pid) {
        UniqueKernelHandle process(::OpenProcess(PROCESS_TERMINATE, FALSE, pid));
        if (process && ::TerminateProcess(process.get(), 0)) ended = true;
    });
    return ended;
}
