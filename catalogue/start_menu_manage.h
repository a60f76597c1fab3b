#pragma once
// The All Programs tree's data: the user's and the all-users start-menu
// folders merged into one list of records. The top level is read in one go;
// a folder's children only when the user opens it.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/shell_item.h"
#include "catalogue/shell_item_rules.h"

// The four start-menu roots, without trailing backslashes.
struct StartMenuRoots {
    std::wstring UserProgramsPath;     // the user's Start Menu\Programs
    std::wstring UserStartMenuPath;    // the user's Start Menu
    std::wstring CommonProgramsPath;   // the all-users Start Menu\Programs
    std::wstring CommonStartMenuPath;  // the all-users Start Menu
};

// The roots as the system names them for this user.
[[nodiscard]] StartMenuRoots SystemStartMenuRoots();

using ShellItemList = std::vector<std::unique_ptr<TShellItem>>;

class TStartMenuManage {
public:
    // The system's roots.
    TStartMenuManage();
    explicit TStartMenuManage(const StartMenuRoots& roots);

    std::wstring UserProgramsPath;
    std::wstring UserStartMenuPath;
    std::wstring CommonProgramsPath;
    std::wstring CommonStartMenuPath;
    // Whether EnumFolderItems lists sub-folders; the list builders below set it.
    bool IncludeFolders = false;

    // One record. A file's Path is chosen by ChooseShellItemPath and its icon
    // is that path's; the display name is always that of `path` itself.
    [[nodiscard]] std::unique_ptr<TShellItem> NewShellItem(ShellItemKind kind, const std::wstring& path,
                                                           const std::wstring& fileName) const;

    // Adds the listed entries of `folder` (see ClassifyFolderEntry). A folder
    // record goes to `folderList`, a file record to `fileList`; a record whose
    // own list is not given goes to `allList` instead. With `nameList`, names
    // it already holds are skipped and new ones are added to it. Any list may
    // be null. A folder that does not exist or cannot be read, or an empty
    // path, adds nothing.
    void EnumFolderItems(const std::wstring& folder, ShellItemList* folderList, ShellItemList* fileList,
                         TNameList* nameList, ShellItemList* allList);

    // The top level: the loose files of both Programs and both Start Menu
    // folders sorted by name, then the folders of both Programs folders sorted
    // by name. A name is listed once; the user's copy wins over the all-users
    // one, and a Programs entry over a Start Menu entry.
    [[nodiscard]] ShellItemList LoadAllProgramsList();

    // The same handed out one record at a time, in display order, bracketed
    // by `onBegin` and `onEnd`; each callback may be empty. The parent node
    // given with every record is null: these are top-level nodes.
    using ItemCallback = std::function<void(std::unique_ptr<TShellItem> item, void* parentNode)>;
    void LoadAllPrograms(const ItemCallback& onItem, const std::function<void()>& onBegin = {},
                         const std::function<void()>& onEnd = {});

    // The children of an All Programs folder, files and folders sorted
    // together: the folder's own entries, then those of the same relative
    // path below the all-users Programs folder that it did not already give.
    // `relativePath` is the FileName of each folder from the top level down
    // to this one, joined with "\" ("Accessories\System Tools").
    [[nodiscard]] ShellItemList ListFolderChildren(const TShellItem& folderItem, const std::wstring& relativePath);
};

// The process-wide manager over the system's roots.
TStartMenuManage& StartMenuManage();
