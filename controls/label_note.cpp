#include "controls/label_note.h"

TLabelItem& TLabelCollection::Add() {
    auto item = std::make_unique<TLabelItem>();
    item->Text = L"Text_" + std::to_wstring(items_.size());
    items_.push_back(std::move(item));
    return *items_.back();
}

void TLabelNote::SetTextIndex(int index) {
    if (IsLoading()) {
        textIndex_ = index;
        return;
    }
    if (!IsItemIndex(index)) return;
    textIndex_ = index;
    SetCaption(items_.Item(index).Text);
}

std::wstring TLabelNote::ItemCaption(int index) const {
    return IsItemIndex(index) ? items_.Item(index).Text : std::wstring();
}

void TLabelNote::SetItemCaption(int index, std::wstring caption) {
    if (!IsItemIndex(index)) return;
    items_.Item(index).Text = std::move(caption);
    // A translated item that is on show changes the caption with it.
    if (index == textIndex_) SetCaption(items_.Item(index).Text);
}

void TLabelNote::Loaded() {
    // The index stored while loading takes effect now that the items are there.
    if (IsItemIndex(textIndex_))
        SetCaption(items_.Item(textIndex_).Text);
    else
        textIndex_ = -1;
    TCustomLabel::Loaded();
}
