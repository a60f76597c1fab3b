#pragma once
// The rules of the All Programs lists that need no system call: the sort
// order, which directory entries are listed, the first-wins de-duplication
// of names across folders, the start path of a shortcut, and the caption a
// tree node shows.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "catalogue/shell_item.h"

// Ordinal comparison by UTF-16 code units, case-sensitive ("Zeta" < "alpha");
// -1, 0 or 1. Characters beyond U+FFFF compare as their surrogate pairs
// whatever the width of wchar_t.
[[nodiscard]] int CompareShellItemNames(std::wstring_view a, std::wstring_view b);
[[nodiscard]] int CompareShellItemNames(const TShellItem& a, const TShellItem& b);

// Sorts by CompareShellItemNames. Equal names keep their order, so the entry
// found first (the user's before the all-users one) comes first.
void SortShellItems(std::vector<std::unique_ptr<TShellItem>>& items);

// File attribute bits as the directory search reports them.
inline constexpr std::uint32_t kFileAttributeHidden = 0x02;
inline constexpr std::uint32_t kFileAttributeSystem = 0x04;
inline constexpr std::uint32_t kFileAttributeDirectory = 0x10;

enum class FolderEntryUse { Skip, Folder, File };

// What a start-menu folder scan does with one directory entry: names that
// begin with "." and entries marked hidden or system are never listed (so
// desktop.ini is not); sub-folders only when folders are asked for.
[[nodiscard]] FolderEntryUse ClassifyFolderEntry(std::wstring_view name, std::uint32_t attributes,
                                                 bool includeFolders);

// Folds ASCII letters to upper case; the default key of TNameList.
[[nodiscard]] std::wstring FoldAsciiCase(std::wstring_view name);

// The names already listed during one merge of several folders. The first
// folder to give a name wins; later entries of the same name, compared by
// their folded key, are left out.
class TNameList {
public:
    using Fold = std::wstring (*)(std::wstring_view);

    explicit TNameList(Fold fold = FoldAsciiCase) : fold_(fold) {}

    [[nodiscard]] bool Contains(std::wstring_view name) const;
    // False (and nothing added) when the name is already there.
    bool Add(std::wstring_view name);
    [[nodiscard]] std::size_t Count() const { return keys_.size(); }

private:
    Fold fold_;
    std::unordered_set<std::wstring> keys_;
};

// The path a file entry starts. A shortcut whose target lies under
// "Program Files" (matched case-sensitively) starts the target when it
// exists; a missing target under "Program Files (x86)" is tried again with
// every "Program Files (x86)" read as "Program Files" (a 32-bit installer's
// path for a program that lives in the 64-bit folder). Every other case,
// an unresolved shortcut among them, starts the shortcut itself, so its
// arguments and working folder apply.
[[nodiscard]] std::wstring ChooseShellItemPath(std::wstring_view shortcutPath, std::wstring_view target,
                                               const std::function<bool(const std::wstring&)>& fileExists);

// A tree node's caption: the display name without its last extension
// ("Readme.txt" -> "Readme", "Tool 1.5" -> "Tool 1").
[[nodiscard]] std::wstring ShellItemCaption(std::wstring_view displayName);

// The record shown inside a folder that has no entries: "(None)".
[[nodiscard]] std::unique_ptr<TShellItem> NewPlaceholderItem();
