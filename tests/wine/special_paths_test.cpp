// System folders by index, checked against the shell's folder calls.

#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "settings/special_paths.h"

namespace {

constexpr int kNone = -1;
constexpr int kWindows = -2, kSystem = -3, kTemp = -4;

// Independent of the code under test: SHGetFolderPathW instead of
// SHGetSpecialFolderPathW, and the system calls with ample buffers.
std::wstring Oracle(int what) {
    wchar_t buffer[MAX_PATH * 2] = {};
    switch (what) {
    case kNone: return L"";
    case kWindows: ::GetWindowsDirectoryW(buffer, MAX_PATH * 2); return buffer;
    case kSystem: ::GetSystemDirectoryW(buffer, MAX_PATH * 2); return buffer;
    case kTemp: ::GetTempPathW(MAX_PATH * 2, buffer); return buffer;
    default:
        if (FAILED(::SHGetFolderPathW(nullptr, what, nullptr, SHGFP_TYPE_CURRENT, buffer))) return L"";
        return buffer;
    }
}

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

constexpr int kUserTable[36] = {
    kWindows, kSystem, kTemp, CSIDL_INTERNET_CACHE, CSIDL_COOKIES, CSIDL_HISTORY, CSIDL_RECENT,
    CSIDL_DESKTOPDIRECTORY, CSIDL_PROGRAMS, CSIDL_FAVORITES, CSIDL_STARTUP, CSIDL_PROFILE, CSIDL_APPDATA,
    CSIDL_LOCAL_APPDATA, kNone, CSIDL_PROGRAM_FILES, CSIDL_PROGRAM_FILES_COMMON, CSIDL_STARTMENU,
    CSIDL_COMMON_APPDATA, CSIDL_LOCAL_APPDATA, CSIDL_FONTS, CSIDL_TEMPLATES, CSIDL_NETHOOD, CSIDL_SENDTO,
    CSIDL_MYMUSIC, CSIDL_MYVIDEO, CSIDL_PRINTHOOD, CSIDL_MYPICTURES, CSIDL_SYSTEMX86, CSIDL_PROGRAM_FILESX86,
    CSIDL_PROGRAM_FILES_COMMON, CSIDL_PROGRAM_FILES_COMMONX86, CSIDL_ADMINTOOLS, CSIDL_RESOURCES,
    CSIDL_CDBURN_AREA, CSIDL_PERSONAL};

constexpr int kCommonTable[13] = {
    CSIDL_COMMON_APPDATA, CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_COMMON_PROGRAMS, CSIDL_COMMON_STARTMENU,
    CSIDL_COMMON_FAVORITES, CSIDL_COMMON_PROGRAMS, CSIDL_COMMON_STARTUP, CSIDL_COMMON_TEMPLATES,
    CSIDL_COMMON_DOCUMENTS, CSIDL_COMMON_ADMINTOOLS, CSIDL_COMMON_MUSIC, CSIDL_COMMON_PICTURES, CSIDL_COMMON_VIDEO};

// The indexes the program uses must name real folders.
constexpr int kUsedUserIndexes[] = {0, 1, 7, 8, 11, 12, 17, 18, 24, 25, 27};
constexpr int kUsedCommonIndexes[] = {2, 3, 10};

}  // namespace

TEST(TAppFrame, ConstructorFillsTheApplicationDataAndProgramFolders) {
    const TAppFrame frame;
    EXPECT_EQ(frame.AppDataPath, Oracle(CSIDL_APPDATA));
    EXPECT_EQ(frame.CommonAppDataPath, Oracle(CSIDL_COMMON_APPDATA));
    wchar_t self[MAX_PATH];
    const std::wstring exe(self, ::GetModuleFileNameW(nullptr, self, MAX_PATH));
    EXPECT_EQ(frame.ExePath, exe.substr(0, exe.find_last_of(L'\\') + 1));
    EXPECT_TRUE(IsFolder(frame.AppDataPath) && IsFolder(frame.CommonAppDataPath) && IsFolder(frame.ExePath));
}

TEST(TAppFrame, GetPathGivesEachIndexsFolder) {
    const TAppFrame frame;
    for (int index = 0; index < 36; ++index) {
        EXPECT_EQ(frame.GetPath(index), Oracle(kUserTable[index])) << "GetPath(" << index << ")";
    }
    for (const int index : kUsedUserIndexes) {
        const std::wstring path = frame.GetPath(index);
        EXPECT_TRUE(IsFolder(path)) << "GetPath(" << index << ") = " << testing::PrintToString(path);
    }
    // Only the temporary folder comes with a trailing backslash.
    EXPECT_EQ(frame.GetPath(2).back(), L'\\');
    EXPECT_NE(frame.GetPath(0).back(), L'\\');
}

TEST(TAppFrame, GetCommonPathGivesEachIndexsFolder) {
    const TAppFrame frame;
    for (int index = 0; index < 13; ++index) {
        EXPECT_EQ(frame.GetCommonPath(index), Oracle(kCommonTable[index])) << "GetCommonPath(" << index << ")";
    }
    for (const int index : kUsedCommonIndexes) {
        const std::wstring path = frame.GetCommonPath(index);
        EXPECT_TRUE(IsFolder(path)) << "GetCommonPath(" << index << ") = " << testing::PrintToString(path);
    }
}

TEST(TAppFrame, IndexesWithoutAFolderLeaveTheCallersValue) {
    const TAppFrame frame;
    struct Case {
        bool common;
        int index;
    } const cases[] = {{false, 14}, {false, 36}, {false, 100}, {false, -1}, {true, 13}, {true, 40}, {true, -1}};
    for (const Case& c : cases) {
        const std::string label = (c.common ? "GetCommonPath(" : "GetPath(") + std::to_string(c.index) + ")";
        std::wstring kept = L"caller's value";
        if (c.common) frame.GetCommonPath(c.index, kept);
        else frame.GetPath(c.index, kept);
        EXPECT_EQ(kept, L"caller's value") << label;
        EXPECT_EQ(c.common ? frame.GetCommonPath(c.index) : frame.GetPath(c.index), L"") << label;
    }
    // A folder index replaces whatever the caller had.
    std::wstring replaced = L"caller's value";
    frame.GetPath(12, replaced);
    EXPECT_EQ(replaced, frame.AppDataPath);
}

TEST(TAppFrame, PerUserFoldersDifferFromTheAllUsersOnes) {
    const TAppFrame frame;
    EXPECT_NE(frame.GetPath(8), frame.GetCommonPath(2));
    EXPECT_NE(frame.GetPath(12), frame.CommonAppDataPath);
    EXPECT_NE(frame.GetPath(8), L"");
    EXPECT_NE(frame.GetPath(12), L"");
}
