#pragma once
// The pinned programs: the shortcuts lying directly in the pinned folder (the
// user's Start Menu\Programs), one entry per target. Pinning writes a
// shortcut there and unpinning deletes it; the hidden main window's folder
// watcher reports shortcuts created, deleted or renamed there in between.
//
// Every read and change of the list takes the manager's lock, which the same
// thread may take again. Records stay owned by the manager; a pointer handed
// out stays valid until the record is removed or the list reloaded.

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/pinned_info.h"
#include "catalogue/pinned_rules.h"

// What the pinned view shows: one row per entry, in order.
struct PinnedListRow {
    std::wstring Caption;
    int IconIndex = -1;
    TUserPinedInfo* Record = nullptr;  // not owned by the view
};

struct PinnedListView {
    std::vector<PinnedListRow> Rows;
    int Height = 2;
};

// The tree view that shows the pinned list; the start menu window implements it.
class IPinnedTreeView {
public:
    virtual void BeginUpdate() = 0;
    virtual void Clear() = 0;
    virtual void AddNode(const std::wstring& caption, int iconIndex, TUserPinedInfo* record) = 0;
    virtual void SetHeight(int height) = 0;
    virtual void EndUpdate() = 0;

protected:
    ~IPinnedTreeView() = default;
};

// The system's pinned folder (the user's Start Menu\Programs), with a trailing backslash.
[[nodiscard]] std::wstring SystemPinnedFolder();

class TUserPinedManage {
public:
    // Over the system's pinned folder.
    TUserPinedManage();
    // Over any folder; a trailing backslash is added when missing.
    explicit TUserPinedManage(std::wstring pinnedFolder);
    TUserPinedManage(const TUserPinedManage&) = delete;
    TUserPinedManage& operator=(const TUserPinedManage&) = delete;

    [[nodiscard]] const std::wstring& PinnedFolder() const { return pinnedFolder_; }

    // Rebuilds the list from the folder: every "*.lnk" whose target exists,
    // one per target (the first the listing gives), newest creation first.
    void LoadPinnedPrograms();
    // Appends the shortcut unless its target is missing or already listed.
    void AddPinned(const std::wstring& shortcutPath);
    // Removes and frees the entry of that shortcut, compared without case.
    void RemovePinned(const std::wstring& shortcutPath);
    // Takes the record out of the list and hands it to the caller; null when
    // it is not in the list.
    [[nodiscard]] std::unique_ptr<TUserPinedInfo> Remove(const TUserPinedInfo* record);
    // Deletes the shortcut file; a file already gone is no error.
    static void DeletePinnedShortcut(const std::wstring& shortcutPath);

    // The entry with that target, compared without case (the last such
    // entry); null when none.
    [[nodiscard]] TUserPinedInfo* FindByTarget(std::wstring_view targetPath) const;
    [[nodiscard]] int Count() const;
    // Null for an index outside 0..Count()-1.
    [[nodiscard]] TUserPinedInfo* Item(int index) const;
    void Clear();

    // Writes PinnedFolder + caption + ".lnk" (see PinnedShortcutFileName)
    // pointing at `targetPath`, overwriting a shortcut of that name, and
    // answers its path; "" and nothing written for an empty caption. The
    // list itself changes on the next load or through the folder watcher.
    // Throws std::system_error when the shortcut cannot be written.
    std::wstring PinToStartMenu(const std::wstring& targetPath, const std::wstring& caption);

    // The rows the pinned view shows below `top`, ending by `bottomLimit`,
    // and the view's height (FitPinnedList). Reloads the folder first when
    // `reload` is set.
    [[nodiscard]] PinnedListView GetUserPinSoftwareList(int top, int bottomLimit, bool reload);
    // The same, put into the view in one batch update; answers the height.
    int GetUserPinSoftwareList(IPinnedTreeView& view, int top, int bottomLimit, bool reload);

private:
    [[nodiscard]] std::unique_ptr<TUserPinedInfo> MakeRecord(const std::wstring& shortcutPath,
                                                             const std::wstring& target) const;

    std::wstring pinnedFolder_;
    mutable std::recursive_mutex lock_;
    std::vector<std::unique_ptr<TUserPinedInfo>> items_;
};

// The process-wide manager over the system's pinned folder.
TUserPinedManage& UserPinedManage();
