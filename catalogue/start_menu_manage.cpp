#include "catalogue/start_menu_manage.h"

#include <windows.h>

#include <system_error>
#include <utility>

#include "catalogue/shell_info.h"
#include "catalogue/shortcuts.h"
#include "catalogue/wow64.h"
#include "platform/unique_handle.h"
#include "settings/special_paths.h"

namespace {

// Indexes of the special-path provider.
constexpr int kUserProgramsIndex = 8;
constexpr int kUserStartMenuIndex = 17;
constexpr int kCommonProgramsIndex = 2;
constexpr int kCommonStartMenuIndex = 3;

std::wstring WithoutTrailingBackslash(std::wstring path) {
    while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
    return path;
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// File names compare as the file system compares them: without case, over
// the whole of Unicode rather than ASCII only.
std::wstring FoldFileName(std::wstring_view name) {
    std::wstring folded(name);
    if (!folded.empty()) ::CharUpperBuffW(folded.data(), static_cast<DWORD>(folded.size()));
    return folded;
}

void Append(ShellItemList& to, ShellItemList&& from) {
    for (auto& item : from) to.push_back(std::move(item));
}

}  // namespace

StartMenuRoots SystemStartMenuRoots() {
    const TAppFrame frame;
    return {frame.GetPath(kUserProgramsIndex), frame.GetPath(kUserStartMenuIndex),
            frame.GetCommonPath(kCommonProgramsIndex), frame.GetCommonPath(kCommonStartMenuIndex)};
}

TStartMenuManage::TStartMenuManage() : TStartMenuManage(SystemStartMenuRoots()) {}

TStartMenuManage::TStartMenuManage(const StartMenuRoots& roots)
    : UserProgramsPath(WithoutTrailingBackslash(roots.UserProgramsPath)),
      UserStartMenuPath(WithoutTrailingBackslash(roots.UserStartMenuPath)),
      CommonProgramsPath(WithoutTrailingBackslash(roots.CommonProgramsPath)),
      CommonStartMenuPath(WithoutTrailingBackslash(roots.CommonStartMenuPath)) {}

std::unique_ptr<TShellItem> TStartMenuManage::NewShellItem(ShellItemKind kind, const std::wstring& path,
                                                           const std::wstring& fileName) const {
    auto item = std::make_unique<TShellItem>();
    item->Kind = kind;
    item->FileName = fileName;
    item->Path = path;
    if (kind == ShellItemKind::File) {
        std::wstring target;
        try {
            target = ResolveShortcut(path);
        } catch (const std::system_error&) {
            // No shell-link object: the entry starts as the file it is.
        }
        item->Path = ChooseShellItemPath(path, target, FileExists);
        item->IconIndex = GetSystemIconIndex(item->Path, false, false);
    }
    item->DisplayName = GetShellDisplayName(path);
    return item;
}

void TStartMenuManage::EnumFolderItems(const std::wstring& folder, ShellItemList* folderList, ShellItemList* fileList,
                                       TNameList* nameList, ShellItemList* allList) {
    // A root the system could not name is "": searching "\*.*" would list
    // the drive's root folder.
    if (folder.empty()) return;
    const ScopedWow64RedirectionOff redirectionOff;
    WIN32_FIND_DATAW found{};
    const UniqueFindHandle find(::FindFirstFileW((folder + L"\\*.*").c_str(), &found));
    if (!find) return;
    do {
        const std::wstring name = found.cFileName;
        const FolderEntryUse use = ClassifyFolderEntry(name, found.dwFileAttributes, IncludeFolders);
        if (use == FolderEntryUse::Skip) continue;
        if (nameList && !nameList->Add(name)) continue;
        const std::wstring path = folder + L"\\" + name;
        std::unique_ptr<TShellItem> item;
        ShellItemList* ownList = nullptr;
        if (use == FolderEntryUse::Folder) {
            item = NewShellItem(ShellItemKind::Folder, path, name);
            item->IconIndex = GetSystemIconIndex(path, false, false);
            ownList = folderList;
        } else {
            item = NewShellItem(ShellItemKind::File, path, name);
            ownList = fileList;
        }
        if (ownList) {
            ownList->push_back(std::move(item));
        } else if (allList) {
            allList->push_back(std::move(item));
        }
    } while (::FindNextFileW(find.get(), &found));
}

ShellItemList TStartMenuManage::LoadAllProgramsList() {
    ShellItemList folders, files;
    TNameList names(FoldFileName);
    IncludeFolders = true;
    EnumFolderItems(UserProgramsPath, &folders, &files, &names, nullptr);
    EnumFolderItems(CommonProgramsPath, &folders, &files, &names, nullptr);
    IncludeFolders = false;
    EnumFolderItems(UserStartMenuPath, &folders, &files, &names, nullptr);
    EnumFolderItems(CommonStartMenuPath, &folders, &files, &names, nullptr);
    SortShellItems(files);
    SortShellItems(folders);
    Append(files, std::move(folders));
    return files;
}

void TStartMenuManage::LoadAllPrograms(const ItemCallback& onItem, const std::function<void()>& onBegin,
                                       const std::function<void()>& onEnd) {
    ShellItemList items = LoadAllProgramsList();
    if (onBegin) onBegin();
    if (onItem) {
        for (auto& item : items) onItem(std::move(item), nullptr);
    }
    if (onEnd) onEnd();
}

ShellItemList TStartMenuManage::ListFolderChildren(const TShellItem& folderItem, const std::wstring& relativePath) {
    ShellItemList children;
    TNameList names(FoldFileName);
    IncludeFolders = true;
    EnumFolderItems(folderItem.Path, nullptr, nullptr, &names, &children);
    // Without a relative path the second pass would list the all-users
    // Programs folder itself inside this one.
    if (!relativePath.empty())
        EnumFolderItems(CommonProgramsPath + L"\\" + relativePath, nullptr, nullptr, &names, &children);
    SortShellItems(children);
    return children;
}

TStartMenuManage& StartMenuManage() {
    static TStartMenuManage manage;
    return manage;
}
