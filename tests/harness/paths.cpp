#include "tests/harness/paths.h"

#include <windows.h>
#include <shellapi.h>

#include <atomic>

std::wstring ProgramFolder() { return DRAVIX_PROGRAM_DIR; }

std::wstring ToolsFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

std::wstring MakeScratchFolder() {
    static std::atomic<unsigned> counter{0};
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    for (;;) {
        const std::wstring folder = std::wstring(temp) + L"dravix-test-" + std::to_wstring(::GetCurrentProcessId()) +
                                    L"-" + std::to_wstring(counter++);
        if (::CreateDirectoryW(folder.c_str(), nullptr)) return folder;
        if (::GetLastError() != ERROR_ALREADY_EXISTS) return {};
    }
}

void RemoveFolder(const std::wstring& folder) {
    if (folder.empty()) return;
    std::wstring from = folder;
    from.push_back(L'\0');  // the list ends with two terminators
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    ::SHFileOperationW(&operation);
}
