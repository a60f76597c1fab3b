#include "settings/data_folder.h"

#include <windows.h>

#include "settings/ini_text.h"
#include "settings/main_ini.h"
#include "settings/profile_ini_file.h"
#include "settings/safe_ini_file.h"

namespace {

// The folder creation is retried because another process (the settings
// program) may create or remove the same folders at the same moment.
constexpr int kFolderAttempts = 101;

bool FolderExists(const std::wstring& folder) {
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// CreateDirectoryW on every prefix ending before a separator, then the whole
// path. Works for relative paths too (SHCreateDirectoryExW does not); prefixes
// such as "C:" or "\\server" simply fail to be created.
void CreateFolderWithParents(const std::wstring& folder) {
    for (size_t at = folder.find_first_of(L"\\/", 1); at != std::wstring::npos;
         at = folder.find_first_of(L"\\/", at + 1)) {
        ::CreateDirectoryW(folder.substr(0, at).c_str(), nullptr);
    }
    ::CreateDirectoryW(folder.c_str(), nullptr);
}

std::wstring MainIniPath() { return GetDataFolder().append(main_ini::kFileName); }

}  // namespace

std::wstring GetDataFolder() {
    std::wstring profile;
    const DWORD needed = ::GetEnvironmentVariableW(L"USERPROFILE", nullptr, 0);
    if (needed > 0) {
        profile.assign(needed, L'\0');
        const DWORD length = ::GetEnvironmentVariableW(L"USERPROFILE", profile.data(), needed);
        profile.resize(length < needed ? length : 0);
    }
    return DataFolderFor(profile);
}

void PrepareFileForWrite(const std::wstring& fileName) {
    const size_t slash = fileName.find_last_of(L"\\/");
    if (slash != std::wstring::npos && slash > 0) {
        const std::wstring folder = fileName.substr(0, slash);
        for (int attempt = 0; attempt < kFolderAttempts && !FolderExists(folder); ++attempt) {
            CreateFolderWithParents(folder);
        }
    }
    const DWORD attributes = ::GetFileAttributesW(fileName.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
        (attributes & FILE_ATTRIBUTE_READONLY)) {
        ::SetFileAttributesW(fileName.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

std::wstring GetLanguageSetting() {
    return ProfileIniFile(MainIniPath())
        .ReadString(main_ini::kLanguage.section, main_ini::kLanguage.key, main_ini::kLanguage.fallback);
}

void SaveMenuHeightWidth(int value) {
    TSafeIniFile ini(MainIniPath());
    ini.WriteInteger(main_ini::kHeightWidth.section, main_ini::kHeightWidth.key, value);
    static_cast<void>(ini.SaveFile(MainIniPath()));
}
