#pragma once
// Popup menus as components: each item is a named component of its form
// (so the language files can translate it), shown with TrackPopupMenu.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/unique_handle.h"
#include "ui/component.h"

class TMenuItem : public Component, public CaptionedComponent {
public:
    // A caption of "-" makes a separator.
    TMenuItem(std::wstring name, std::wstring caption);

    [[nodiscard]] std::wstring_view ClassName() const override { return L"TMenuItem"; }
    [[nodiscard]] std::wstring Caption() const override { return caption_; }
    void SetCaption(std::wstring caption) override { caption_ = std::move(caption); }
    [[nodiscard]] bool IsSeparator() const noexcept { return caption_ == L"-"; }

    // The key combination shown beside the caption ("Alt+S"); empty for none.
    [[nodiscard]] const std::wstring& ShortCutText() const noexcept { return shortCut_; }
    void SetShortCutText(std::wstring text) { shortCut_ = std::move(text); }

    std::function<void()> OnClick;

private:
    std::wstring caption_;
    std::wstring shortCut_;
};

class TPopupMenu : public Component {
public:
    explicit TPopupMenu(std::wstring name) : Component(std::move(name)) {}

    [[nodiscard]] std::wstring_view ClassName() const override { return L"TPopupMenu"; }

    void Add(TMenuItem& item) { items_.push_back(&item); }
    [[nodiscard]] const std::vector<TMenuItem*>& Items() const noexcept { return items_; }

    // Shows the menu at a screen point for `owner` and runs the chosen item's
    // OnClick; returns the chosen item, nullptr when dismissed.
    TMenuItem* Popup(HWND owner, POINT screen);

    // The menu as the system shows it, built from the current captions.
    [[nodiscard]] UniqueHmenu BuildMenu() const;

private:
    std::vector<TMenuItem*> items_;
};
