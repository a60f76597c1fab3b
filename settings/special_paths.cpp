#include "settings/special_paths.h"

#include <windows.h>
#include <shlobj.h>

#include <array>

namespace {

// Marks the table entries that name no folder.
constexpr int kNoFolder = -1;
// Indexes 0-2 come from the system's own calls rather than from a CSIDL.
constexpr int kWindowsFolder = -2;
constexpr int kSystemFolder = -3;
constexpr int kTempFolder = -4;

constexpr std::array<int, 36> kUserFolders = {
    kWindowsFolder,                  // 0
    kSystemFolder,                   // 1
    kTempFolder,                     // 2
    CSIDL_INTERNET_CACHE,            // 3
    CSIDL_COOKIES,                   // 4
    CSIDL_HISTORY,                   // 5
    CSIDL_RECENT,                    // 6
    CSIDL_DESKTOPDIRECTORY,          // 7
    CSIDL_PROGRAMS,                  // 8: the user's Start Menu\Programs
    CSIDL_FAVORITES,                 // 9
    CSIDL_STARTUP,                   // 10
    CSIDL_PROFILE,                   // 11
    CSIDL_APPDATA,                   // 12
    CSIDL_LOCAL_APPDATA,             // 13
    kNoFolder,                       // 14
    CSIDL_PROGRAM_FILES,             // 15
    CSIDL_PROGRAM_FILES_COMMON,      // 16
    CSIDL_STARTMENU,                 // 17
    CSIDL_COMMON_APPDATA,            // 18
    CSIDL_LOCAL_APPDATA,             // 19
    CSIDL_FONTS,                     // 20
    CSIDL_TEMPLATES,                 // 21
    CSIDL_NETHOOD,                   // 22
    CSIDL_SENDTO,                    // 23
    CSIDL_MYMUSIC,                   // 24
    CSIDL_MYVIDEO,                   // 25
    CSIDL_PRINTHOOD,                 // 26
    CSIDL_MYPICTURES,                // 27
    CSIDL_SYSTEMX86,                 // 28
    CSIDL_PROGRAM_FILESX86,          // 29
    CSIDL_PROGRAM_FILES_COMMON,      // 30
    CSIDL_PROGRAM_FILES_COMMONX86,   // 31
    CSIDL_ADMINTOOLS,                // 32
    CSIDL_RESOURCES,                 // 33
    CSIDL_CDBURN_AREA,               // 34
    CSIDL_PERSONAL,                  // 35
};

constexpr std::array<int, 13> kCommonFolders = {
    CSIDL_COMMON_APPDATA,           // 0
    CSIDL_COMMON_DESKTOPDIRECTORY,  // 1
    CSIDL_COMMON_PROGRAMS,          // 2
    CSIDL_COMMON_STARTMENU,         // 3
    CSIDL_COMMON_FAVORITES,         // 4
    CSIDL_COMMON_PROGRAMS,          // 5
    CSIDL_COMMON_STARTUP,           // 6
    CSIDL_COMMON_TEMPLATES,         // 7
    CSIDL_COMMON_DOCUMENTS,         // 8
    CSIDL_COMMON_ADMINTOOLS,        // 9
    CSIDL_COMMON_MUSIC,             // 10
    CSIDL_COMMON_PICTURES,          // 11
    CSIDL_COMMON_VIDEO,             // 12
};

// The shell's path of a CSIDL folder, creating nothing; "" when it has none.
std::wstring ShellFolder(int csidl) {
    wchar_t buffer[MAX_PATH + 1] = {};
    if (!::SHGetSpecialFolderPathW(nullptr, buffer, csidl, FALSE)) return {};
    return buffer;
}

// For the GetWindowsDirectory family: the answer is the length, or the size
// needed when the buffer is too small, in which case nothing usable was written.
template <typename Call>
std::wstring SystemFolder(Call call) {
    constexpr UINT kBufferChars = 255;
    wchar_t buffer[kBufferChars] = {};
    const UINT length = static_cast<UINT>(call(buffer, kBufferChars));
    if (length == 0 || length >= kBufferChars) return {};
    return std::wstring(buffer, length);
}

std::wstring FolderFor(int entry) {
    switch (entry) {
    case kWindowsFolder: return SystemFolder([](wchar_t* b, UINT n) { return ::GetWindowsDirectoryW(b, n); });
    case kSystemFolder: return SystemFolder([](wchar_t* b, UINT n) { return ::GetSystemDirectoryW(b, n); });
    case kTempFolder: return SystemFolder([](wchar_t* b, UINT n) { return ::GetTempPathW(n, b); });
    default: return ShellFolder(entry);
    }
}

template <size_t N>
void Lookup(const std::array<int, N>& table, int index, std::wstring& result) {
    if (index < 0 || static_cast<size_t>(index) >= N || table[static_cast<size_t>(index)] == kNoFolder) return;
    result = FolderFor(table[static_cast<size_t>(index)]);
}

std::wstring ExecutableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

}  // namespace

TAppFrame::TAppFrame()
    : AppDataPath(ShellFolder(CSIDL_APPDATA)),
      CommonAppDataPath(ShellFolder(CSIDL_COMMON_APPDATA)),
      ExePath(ExecutableFolder()) {}

std::wstring TAppFrame::GetPath(int index) const {
    std::wstring result;
    GetPath(index, result);
    return result;
}

void TAppFrame::GetPath(int index, std::wstring& result) const { Lookup(kUserFolders, index, result); }

std::wstring TAppFrame::GetCommonPath(int index) const {
    std::wstring result;
    GetCommonPath(index, result);
    return result;
}

void TAppFrame::GetCommonPath(int index, std::wstring& result) const { Lookup(kCommonFolders, index, result); }
