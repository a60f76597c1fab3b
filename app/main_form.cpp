#include "app/main_form.h"

#include <shlobj.h>

#include <memory>
#include <utility>

#include "app/application.h"
#include "app/process_flags.h"
#include "catalogue/pinned_manage.h"
#include "settings/special_paths.h"
#include "startbutton/companion_interface.h"
#include "startmenu/start_menu_form.h"

namespace {

constexpr WindowClass kMainFormClass{L"TfrmMainForm", CS_DBLCLKS};
constexpr int kClientWidth = 472;
constexpr int kClientHeight = 243;
constexpr int kPinnedFolderIndex = 8;  // the user's Start Menu\Programs

struct IdListDeleter {
    void operator()(ITEMIDLIST* list) const noexcept { ::ILFree(list); }
};
using UniqueIdList = std::unique_ptr<ITEMIDLIST, IdListDeleter>;

// The file-system path of an item of a change notification; "" without one.
std::wstring PathOf(LPCITEMIDLIST item) {
    wchar_t path[MAX_PATH + 1] = L"";
    if (!item || !::SHGetPathFromIDListW(item, path)) return {};
    return path;
}

}  // namespace

bool TfrmMainForm::CreateForm() {
    RECT frame{0, 0, kClientWidth, kClientHeight};
    const DWORD style = WS_OVERLAPPEDWINDOW;
    ::AdjustWindowRectEx(&frame, style, FALSE, 0);
    if (!Form::CreateForm(kMainFormClass, 0, style, L"frmMainForm",
                {CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top}))
        return false;
    FormCreate();
    return true;
}

void TfrmMainForm::FormCreate() {
    const std::wstring folder = TAppFrame().GetPath(kPinnedFolderIndex);
    UniqueIdList list(::ILCreateFromPathW(folder.c_str()));
    if (!list) return;
    // Every source and event, the folder and everything below it; a failed
    // registration leaves the id 0 and the watcher silent.
    SHChangeNotifyEntry entry{list.get(), TRUE};
    notifyId_ = ::SHChangeNotifyRegister(Handle(), 0xFF, SHCNE_ALLEVENTS, companion::dravix::kPinnedFolderChangedMessage,
                                         1, &entry);
}

void TfrmMainForm::FormClose() {
    if (notifyId_) ::SHChangeNotifyDeregister(std::exchange(notifyId_, 0));
}

void TfrmMainForm::PinnedFolderChanged(WPARAM items, LPARAM event) {
    const auto* lists = reinterpret_cast<const LPCITEMIDLIST*>(items);
    if (!lists) return;
    const std::wstring first = PathOf(lists[0]);
    // The pinned list decides whether a path concerns it.
    switch (event) {
    case SHCNE_RENAMEITEM:
        UserPinedManage().RemovePinned(first);
        UserPinedManage().AddPinned(PathOf(lists[1]));
        break;
    case SHCNE_CREATE:
        UserPinedManage().AddPinned(first);
        break;
    case SHCNE_DELETE:
        UserPinedManage().RemovePinned(first);
        break;
    }
}

TfrmMainForm::~TfrmMainForm() { FormClose(); }

LRESULT TfrmMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case companion::dravix::kPinnedFolderChangedMessage:
        PinnedFolderChanged(wParam, lParam);
        return 0;
    case WM_ACTIVATEAPP:
        // A click into another program closes the menu.
        if (wParam == FALSE && !(App && App->Terminated()) && QelStartMenuFrm && QelStartMenuFrm->HandleAllocated())
            QelStartMenuFrm->HideMenu();
        return Form::HandleMessage(message, wParam, lParam);
    case WM_QUERYENDSESSION:
        AllowClose = true;
        return TRUE;
    case WM_ENDSESSION:
        AllowClose = true;
        if (wParam && App) App->Terminate();
        return 0;
    case WM_SYSCOMMAND:
        return 0;  // never minimised, restored, moved or closed by the system menu
    case WM_CLOSE:
        FormClose();
        if (App) App->Terminate();
        return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}
