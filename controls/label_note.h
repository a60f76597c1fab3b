#pragma once
// A label that switches its caption among stored texts by index.

#include <memory>
#include <string>
#include <vector>

#include "controls/label.h"
#include "ui/component.h"

class TLabelItem {
public:
    std::wstring Text;
};

class TLabelCollection {
public:
    // A new item is named after the index it receives: "Text_0", "Text_1", ...
    TLabelItem& Add();
    [[nodiscard]] int Count() const noexcept { return static_cast<int>(items_.size()); }
    [[nodiscard]] TLabelItem& Item(int index) { return *items_.at(static_cast<std::size_t>(index)); }
    [[nodiscard]] const TLabelItem& Item(int index) const { return *items_.at(static_cast<std::size_t>(index)); }

private:
    // Held by pointer so an item stays where it is while the collection grows.
    std::vector<std::unique_ptr<TLabelItem>> items_;
};

class TLabelNote : public TCustomLabel, public ItemCaptions {
public:
    explicit TLabelNote(std::wstring name) : TCustomLabel(std::move(name)) {}
    [[nodiscard]] std::wstring_view ClassName() const override { return L"TLabelNote"; }

    [[nodiscard]] TLabelCollection& Items() noexcept { return items_; }
    [[nodiscard]] const TLabelCollection& Items() const noexcept { return items_; }

    // -1: no item chosen. An index outside the items is ignored, except
    // while loading, when it waits for the items to be added.
    [[nodiscard]] int TextIndex() const noexcept { return textIndex_; }
    void SetTextIndex(int index);

    [[nodiscard]] int ItemCount() const override { return items_.Count(); }
    [[nodiscard]] std::wstring ItemCaption(int index) const override;
    void SetItemCaption(int index, std::wstring caption) override;

protected:
    void Loaded() override;

private:
    [[nodiscard]] bool IsItemIndex(int index) const noexcept { return index >= 0 && index < items_.Count(); }

    TLabelCollection items_;
    int textIndex_ = -1;
};
