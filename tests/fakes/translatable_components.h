#pragma once
// Components with plain fields for their texts, for tests of translation by
// component name. Portable: the native and the Wine tests share them.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/component.h"

class FakeCaptioned : public Component, public CaptionedComponent {
public:
    FakeCaptioned(std::wstring name, std::wstring className, std::wstring caption)
        : Component(std::move(name)), className_(std::move(className)), caption_(std::move(caption)) {}
    std::wstring_view ClassName() const override { return className_; }
    std::wstring Caption() const override { return caption_; }
    void SetCaption(std::wstring caption) override { caption_ = std::move(caption); }

private:
    std::wstring className_, caption_;
};

// A tree whose items are numbered over all nodes, collapsed ones included.
class FakeTreeView : public Component, public ItemCaptions {
public:
    struct Node {
        std::wstring text;
        bool expanded = false;
        std::vector<Node> children;
    };
    FakeTreeView(std::wstring name, std::vector<Node> roots) : Component(std::move(name)), roots(std::move(roots)) {}
    std::wstring_view ClassName() const override { return L"TTreeView"; }
    int ItemCount() const override { return static_cast<int>(Flat().size()); }
    std::wstring ItemCaption(int index) const override { return Flat().at(static_cast<size_t>(index))->text; }
    void SetItemCaption(int index, std::wstring caption) override {
        Flat().at(static_cast<size_t>(index))->text = std::move(caption);
    }
    // The texts a user sees with the tree as it is expanded now.
    std::vector<std::wstring> VisibleTexts() const {
        std::vector<std::wstring> texts;
        const auto walk = [&texts](const auto& self, const std::vector<Node>& nodes) -> void {
            for (const Node& node : nodes) {
                texts.push_back(node.text);
                if (node.expanded) self(self, node.children);
            }
        };
        walk(walk, roots);
        return texts;
    }
    std::vector<Node> roots;

private:
    std::vector<Node*> Flat() const {
        std::vector<Node*> flat;
        const auto walk = [&flat](const auto& self, std::vector<Node>& nodes) -> void {
            for (Node& node : nodes) {
                flat.push_back(&node);
                self(self, node.children);
            }
        };
        walk(walk, const_cast<std::vector<Node>&>(roots));
        return flat;
    }
};

// A form, or a nested container when another one owns it.
class FakeContainer : public Component, public Container {
public:
    FakeContainer(std::wstring name, std::wstring className, std::wstring caption)
        : Component(name), name_(std::move(name)), className_(std::move(className)), caption_(std::move(caption)) {}
    std::wstring_view ClassName() const override { return className_; }
    const std::wstring& ContainerName() const override { return name_; }
    std::wstring ContainerCaption() const override { return caption_; }
    void SetContainerCaption(std::wstring caption) override { caption_ = std::move(caption); }

    // A component owned elsewhere, in ownership order.
    void Add(Component& component) { Own(component); }
    // A component this container owns.
    template <typename T, typename... Args>
    T& Add(Args&&... args) {
        owned_.push_back(std::make_unique<T>(std::forward<Args>(args)...));
        Own(*owned_.back());
        return static_cast<T&>(*owned_.back());
    }

private:
    std::wstring name_, className_, caption_;
    std::vector<std::unique_ptr<Component>> owned_;
};
