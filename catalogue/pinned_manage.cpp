#include "catalogue/pinned_manage.h"

#include <windows.h>

#include <algorithm>
#include <system_error>
#include <utility>

#include "catalogue/file_names.h"
#include "catalogue/file_time_stamp.h"
#include "catalogue/shell_info.h"
#include "catalogue/shortcuts.h"
#include "catalogue/wow64.h"
#include "platform/unique_handle.h"
#include "settings/ini_text.h"
#include "settings/special_paths.h"

namespace {

constexpr int kUserProgramsIndex = 8;

using Guard = std::lock_guard<std::recursive_mutex>;

bool FileExists(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Paths compare as the file system compares them: without case.
bool SamePath(std::wstring_view a, std::wstring_view b) {
    return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()),
                                  TRUE) == CSTR_EQUAL;
}

// The trimmed target of a shortcut; "" when it has none or the shell-link
// object is not available.
std::wstring ResolvedTarget(const std::wstring& shortcutPath) {
    try {
        return std::wstring(TrimBlanks(ResolveShortcut(shortcutPath)));
    } catch (const std::system_error&) {
        return {};
    }
}

std::wstring WithTrailingBackslash(std::wstring folder) {
    if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') folder.push_back(L'\\');
    return folder;
}

}  // namespace

std::wstring SystemPinnedFolder() { return WithTrailingBackslash(TAppFrame().GetPath(kUserProgramsIndex)); }

TUserPinedManage::TUserPinedManage() : TUserPinedManage(SystemPinnedFolder()) {}

TUserPinedManage::TUserPinedManage(std::wstring pinnedFolder)
    : pinnedFolder_(WithTrailingBackslash(std::move(pinnedFolder))) {}

std::unique_ptr<TUserPinedInfo> TUserPinedManage::MakeRecord(const std::wstring& shortcutPath,
                                                             const std::wstring& target) const {
    auto record = std::make_unique<TUserPinedInfo>();
    record->LinkPath = shortcutPath;
    record->DisplayName = GetShellDisplayName(shortcutPath);
    record->TargetPath = target;
    record->IconIndex = GetSystemIconIndex(shortcutPath, true, false);
    record->CreationTime = GetFileTimeStamp(shortcutPath, kCreationTime);
    return record;
}

void TUserPinedManage::LoadPinnedPrograms() {
    const Guard guard(lock_);
    Clear();
    {
        const ScopedWow64RedirectionOff redirectionOff;
        WIN32_FIND_DATAW found{};
        const UniqueFindHandle find(::FindFirstFileW((pinnedFolder_ + L"*.lnk").c_str(), &found));
        if (find) {
            do {
                // "*.lnk" also matches by short name ("Tool.lnkx" as "TOOL~1.LNK").
                if (!HasExtension(found.cFileName, L".lnk")) continue;
                const std::wstring path = pinnedFolder_ + found.cFileName;
                if (!FileExists(path)) continue;
                const std::wstring target = ResolvedTarget(path);
                if (target.empty() || !FileExists(target) || FindByTarget(target)) continue;
                items_.push_back(MakeRecord(path, target));
            } while (::FindNextFileW(find.get(), &found));
        }
    }
    SortPinnedNewestFirst(items_);
}

void TUserPinedManage::AddPinned(const std::wstring& shortcutPath) {
    const std::wstring target = ResolvedTarget(shortcutPath);
    if (target.empty() || !FileExists(target)) return;
    auto record = MakeRecord(shortcutPath, target);
    const Guard guard(lock_);
    if (FindByTarget(target)) return;
    items_.push_back(std::move(record));
}

void TUserPinedManage::RemovePinned(const std::wstring& shortcutPath) {
    const Guard guard(lock_);
    const auto found = std::find_if(items_.begin(), items_.end(),
                                    [&](const auto& item) { return SamePath(item->LinkPath, shortcutPath); });
    if (found != items_.end()) items_.erase(found);
}

std::unique_ptr<TUserPinedInfo> TUserPinedManage::Remove(const TUserPinedInfo* record) {
    const Guard guard(lock_);
    const auto found =
        std::find_if(items_.begin(), items_.end(), [&](const auto& item) { return item.get() == record; });
    if (found == items_.end()) return nullptr;
    std::unique_ptr<TUserPinedInfo> taken = std::move(*found);
    items_.erase(found);
    return taken;
}

void TUserPinedManage::DeletePinnedShortcut(const std::wstring& shortcutPath) {
    ::DeleteFileW(shortcutPath.c_str());
}

TUserPinedInfo* TUserPinedManage::FindByTarget(std::wstring_view targetPath) const {
    const Guard guard(lock_);
    TUserPinedInfo* match = nullptr;
    for (const auto& item : items_) {
        if (SamePath(item->TargetPath, targetPath)) match = item.get();
    }
    return match;
}

int TUserPinedManage::Count() const {
    const Guard guard(lock_);
    return static_cast<int>(items_.size());
}

TUserPinedInfo* TUserPinedManage::Item(int index) const {
    const Guard guard(lock_);
    if (index < 0 || index >= static_cast<int>(items_.size())) return nullptr;
    return items_[static_cast<std::size_t>(index)].get();
}

void TUserPinedManage::Clear() {
    const Guard guard(lock_);
    items_.clear();
}

std::wstring TUserPinedManage::PinToStartMenu(const std::wstring& targetPath, const std::wstring& caption) {
    const std::wstring fileName = PinnedShortcutFileName(caption);
    if (fileName.empty()) return {};
    const std::wstring shortcutPath = pinnedFolder_ + fileName;
    CreateShortcut(targetPath, L"", shortcutPath, caption);
    return shortcutPath;
}

PinnedListView TUserPinedManage::GetUserPinSoftwareList(int top, int bottomLimit, bool reload) {
    const Guard guard(lock_);
    if (reload) LoadPinnedPrograms();
    const PinnedListFit fit = FitPinnedList(items_.size(), top, bottomLimit);
    PinnedListView view;
    view.Height = fit.height;
    for (std::size_t i = 0; i < fit.shown; ++i) {
        TUserPinedInfo* record = items_[i].get();
        view.Rows.push_back({record->DisplayName, record->IconIndex, record});
    }
    return view;
}

int TUserPinedManage::GetUserPinSoftwareList(IPinnedTreeView& view, int top, int bottomLimit, bool reload) {
    const PinnedListView list = GetUserPinSoftwareList(top, bottomLimit, reload);
    view.BeginUpdate();
    view.Clear();
    for (const PinnedListRow& row : list.Rows) view.AddNode(row.Caption, row.IconIndex, row.Record);
    view.SetHeight(list.Height);
    view.EndUpdate();
    return list.Height;
}

TUserPinedManage& UserPinedManage() {
    static TUserPinedManage manage;
    return manage;
}
