#include "ui/menu.h"

TMenuItem::TMenuItem(std::wstring name, std::wstring caption)
    : Component(std::move(name)), caption_(std::move(caption)) {}

UniqueHmenu TPopupMenu::BuildMenu() const {
    UniqueHmenu menu(::CreatePopupMenu());
    if (!menu) return menu;
    UINT id = 1;  // command ids are the item's position + 1; 0 means "dismissed"
    for (const TMenuItem* item : items_) {
        if (item->IsSeparator()) {
            ::AppendMenuW(menu.get(), MF_SEPARATOR, id++, nullptr);
            continue;
        }
        std::wstring text = item->Caption();
        if (!item->ShortCutText().empty()) text += L'\t' + item->ShortCutText();
        ::AppendMenuW(menu.get(), MF_STRING, id++, text.c_str());
    }
    return menu;
}

TMenuItem* TPopupMenu::Popup(HWND owner, POINT screen) {
    UniqueHmenu menu = BuildMenu();
    if (!menu) return nullptr;
    // The owner must be in front, or the menu does not close when clicked away from.
    ::SetForegroundWindow(owner);
    const UINT chosen = static_cast<UINT>(::TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                                           screen.x, screen.y, 0, owner, nullptr));
    ::PostMessageW(owner, WM_NULL, 0, 0);
    if (chosen == 0 || chosen > items_.size()) return nullptr;
    TMenuItem* item = items_[chosen - 1];
    if (item->OnClick) item->OnClick();
    return item;
}
