#include "catalogue/processes.h"

#include <windows.h>
#include <tlhelp32.h>

#include "catalogue/file_names.h"
#include "platform/unique_handle.h"

namespace {

// Equal once both are upper-cased by the system's table.
bool SameName(std::wstring_view a, std::wstring_view b) {
    return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

// Calls `visit` with every process entry of a snapshot.
template <typename Visit>
void ForEachProcess(Visit visit) {
    UniqueFileHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more; more = ::Process32NextW(snapshot.get(), &entry)) {
        visit(entry);
    }
}

std::wstring_view ExeEntry(const PROCESSENTRY32W& entry) {
    return {entry.szExeFile, ::wcsnlen(entry.szExeFile, MAX_PATH)};
}

}  // namespace

bool IsProcessRunning(std::wstring_view exeName) {
    bool found = false;
    ForEachProcess([&](const PROCESSENTRY32W& entry) { found = found || SameName(ExeEntry(entry), exeName); });
    return found;
}

bool KillProcessByName(std::wstring_view exeNameOrPath) {
    bool lastEnded = false;
    ForEachProcess([&](const PROCESSENTRY32W& entry) {
        const std::wstring_view exe = ExeEntry(entry);
        if (!SameName(ExtractFileName(exe), exeNameOrPath) && !SameName(exe, exeNameOrPath)) return;
        const UniqueKernelHandle process(::OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID));
        lastEnded = process && ::TerminateProcess(process.get(), 0);
    });
    return lastEnded;
}
