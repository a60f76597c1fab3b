#pragma once
// The shell's usage records (UserAssist): what a value name and a value's
// data mean. Registry access stays with the caller, which hands in lookups.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Letters a-z and A-Z move 13 places within their case; all else stays.
[[nodiscard]] std::wstring Rot13(std::wstring_view text);

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" with hexadecimal digits.
[[nodiscard]] bool IsWellFormedGuid(std::wstring_view text);

// The Start Menu folder a known-folder GUID stands for, with a trailing
// backslash, or "" when it is none.
using KnownFolderResolver = std::function<std::wstring(std::wstring_view guid)>;

// The path a value name stands for, or "" when it is not usable:
//  - after ROT13, a name holding ":\" is cut to start at the drive letter;
//  - otherwise it must be "{GUID}\rest", the GUID naming a Start Menu folder;
//  - the Windows Explorer shortcut and names with control characters are
//    never usable.
[[nodiscard]] std::wstring DecodeUserAssistName(std::wstring_view valueName, const KnownFolderResolver& startMenuFolder);

// One FolderDescriptions entry. A value that is absent reads as "".
struct FolderDescription {
    std::wstring ParentFolder;
    std::wstring RelativePath;
    std::wstring Name;
};
using FolderDescriptionLookup = std::function<std::optional<FolderDescription>(std::wstring_view guid)>;

// The root names that StartMenuFolderFromDescription maps to folders
// ("AppData", "Common AppData", "Local AppData"; any case).
[[nodiscard]] bool IsKnownFolderRootName(std::wstring_view name);

// A known folder's path below its root folder, as FolderDescriptions spell it:
// the parent chain's RelativePath values joined by "\" under the root's Name
// ("AppData\Microsoft\Windows\Start Menu\Programs"). The chain ends at an
// entry without a parent or at one of the root names above, which the system
// registers with a parent of their own (the profile folder). "" when an entry
// of the chain is missing or malformed, when the chain loops back on itself,
// or when it is longer than any real one (kMaxFolderChain).
inline constexpr int kMaxFolderChain = 32;
[[nodiscard]] std::wstring FolderDescriptionPath(std::wstring_view guid, const FolderDescriptionLookup& lookup);

// The folders that the root names of FolderDescriptions stand for.
struct KnownFolderRoots {
    std::wstring AppData;        // "appdata": the roaming application data
    std::wstring CommonAppData;  // "common appdata": all users
    std::wstring LocalAppData;   // "local appdata"
};

// Maps the root name of a description path to a folder and appends the rest,
// ending in a backslash. "" unless the result lies under a "Start Menu" folder.
[[nodiscard]] std::wstring StartMenuFolderFromDescription(std::wstring_view descriptionPath,
                                                          const KnownFolderRoots& roots);

// Bytes 60-67 of a value's data: the last start as a FILETIME (little-endian).
// nullopt when the data is too short to hold it.
inline constexpr std::size_t kUserAssistLastRunOffset = 60;
[[nodiscard]] std::optional<std::uint64_t> UserAssistLastRunFileTime(std::string_view data);
