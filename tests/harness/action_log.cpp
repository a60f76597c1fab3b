#include "tests/harness/action_log.h"

#include <windows.h>

#include "platform/system_actions.h"
#include "platform/unique_handle.h"

ActionLog::ActionLog() {
    wchar_t folder[MAX_PATH];
    wchar_t file[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    if (::GetTempFileNameW(folder, L"act", 0, file)) path_ = file;  // creates it empty
}

ActionLog::~ActionLog() {
    if (!path_.empty()) ::DeleteFileW(path_.c_str());
}

std::pair<std::wstring, std::wstring> ActionLog::EnvironmentEntry() const { return {kActionLogVariable, path_}; }

std::vector<ActionRecord> ActionLog::Read() const {
    UniqueFileHandle file(::CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {};
    std::string text;
    char chunk[4096];
    DWORD read = 0;
    while (::ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr) && read > 0) text.append(chunk, read);
    return ParseActionLog(text);
}
