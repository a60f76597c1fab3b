#pragma once
// The frequently used programs: the shell's usage records (UserAssist) and
// the menu's own UserData.ini merged into one list, newest start first.
//
// A UserAssist value shorter than 68 bytes has no last-start time. Its
// program is still listed (as a UserData.ini line without a readable time
// is), with LastRun 0, so it sorts after every program with a known start.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/use_program_info.h"
#include "catalogue/use_program_list.h"
#include "catalogue/user_assist_name.h"

inline constexpr wchar_t kUserAssistCountKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist\\"
    L"{F4E57C4B-2036-45F0-A9AB-443BCFE33D9F}\\Count";
inline constexpr wchar_t kFolderDescriptionsKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FolderDescriptions";

// Where the manager reads and writes. The defaults are the system's; tests
// point them at a scratch registry key and a scratch folder.
struct UseProgramLocations {
    HKEY UserAssistRoot = HKEY_CURRENT_USER;
    std::wstring UserAssistKey = kUserAssistCountKey;
    HKEY FolderDescriptionsRoot = HKEY_LOCAL_MACHINE;
    std::wstring FolderDescriptionsKey = kFolderDescriptionsKey;
    // Empty: the data folder's "UserData.ini".
    std::wstring UserDataFileName;
    // nullopt: the user's and all users' application-data folders.
    std::optional<KnownFolderRoots> Roots;
};

class TUseProgramManage {
public:
    TUseProgramManage();
    explicit TUseProgramManage(UseProgramLocations locations);
    TUseProgramManage(const TUseProgramManage&) = delete;
    TUseProgramManage& operator=(const TUseProgramManage&) = delete;

    [[nodiscard]] const std::wstring& UserDataFileName() const { return locations_.UserDataFileName; }

    // Rebuilds the list from UserAssist and UserData.ini: one entry per
    // existing executable target, newest start first. Needs COM on this
    // thread (shortcuts are resolved).
    void LoadFrequentPrograms();
    // Merges UserData.ini into the list (part of LoadFrequentPrograms).
    void LoadUserFastSoftware();

    // Notes a start of `path` in UserData.ini: its line first, with the
    // current local time, every other line kept. The list is not changed.
    // False when the file could not be read or written; it then keeps its
    // old content.
    [[nodiscard]] bool RecordProgramStart(const std::wstring& path);
    // Appends the program a shortcut starts, unless it is listed already or
    // the target is no existing executable.
    void AddProgram(const std::wstring& shortcutPath);
    // "Remove from this list": deletes the record's own usage entry, the one
    // UserAssist value it came from, or else its UserData.ini line. The
    // record stays in the list (see Remove). False when nothing was deleted.
    [[nodiscard]] bool RemoveProgram(const TUseProgramInfo& record);

    // Takes the record out of the list and hands it to the caller; null when
    // it is not in the list.
    [[nodiscard]] std::unique_ptr<TUseProgramInfo> Remove(const TUseProgramInfo* record);
    [[nodiscard]] TUseProgramInfo* FindByTarget(std::wstring_view targetPath) const;
    [[nodiscard]] int Count() const { return static_cast<int>(items_.size()); }
    // Null for an index outside 0..Count()-1.
    [[nodiscard]] TUseProgramInfo* Item(int index) const;
    void Clear() { items_.clear(); }

    // What the frequent tree shows below the pinned tree at `top`: the rows,
    // pinned programs left out, and the room kept for ten rows within the
    // work area. With `reload` the list is loaded first.
    [[nodiscard]] FrequentListPlan GetUsuallySoftwareList(int top, bool reload, const PinnedTargetTest& isPinned);

    // The path a UserAssist value name stands for; "" when it is unusable.
    [[nodiscard]] std::wstring DecodeUserAssistName(std::wstring_view valueName) const;
    // A known folder's path below its root, from FolderDescriptions.
    [[nodiscard]] std::wstring GetFolderDescriptionPath(std::wstring_view guid) const;
    // The Start Menu folder a known-folder GUID stands for (with a trailing
    // backslash); "" when it is not under a Start Menu folder.
    [[nodiscard]] std::wstring KnownFolderToStartMenuPath(std::wstring_view guid) const;

private:
    [[nodiscard]] const KnownFolderRoots& Roots() const;
    // Adds one path and target seen by a source, with its shell name.
    void Merge(const std::wstring& linkPath, const std::wstring& targetPath, DateTime lastRun,
               std::wstring_view valueName);

    UseProgramLocations locations_;
    mutable std::optional<KnownFolderRoots> roots_;
    UseProgramList items_;
};

// The program's one frequent list.
[[nodiscard]] TUseProgramManage& UseProgramManage();
