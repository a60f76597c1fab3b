#pragma once
// Components: the named parts a form is built from. A form owns its
// components in the order of its fields; the language files address them by
// name, and the form paints and routes the mouse to the windowless ones.

#include <string>
#include <string_view>
#include <vector>

class Component {
public:
    explicit Component(std::wstring name) : name_(std::move(name)) {}
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;
    virtual ~Component() = default;

    [[nodiscard]] const std::wstring& Name() const noexcept { return name_; }
    // A number the form gives the component for its own use (a link's number).
    [[nodiscard]] int Tag() const noexcept { return tag_; }
    void SetTag(int tag) noexcept { tag_ = tag; }
    // The component's kind as the language files and nested translation know it ("TLabel").
    [[nodiscard]] virtual std::wstring_view ClassName() const = 0;

private:
    std::wstring name_;
    int tag_ = 0;
};

// A component whose text the user reads: a label, a menu item, a button.
class CaptionedComponent {
public:
    virtual ~CaptionedComponent() = default;
    [[nodiscard]] virtual std::wstring Caption() const = 0;
    virtual void SetCaption(std::wstring caption) = 0;
};

// A component showing a list of texts the user reads: the items of a
// switching label, the lines of a combo box, the nodes of a tree view
// (counted over all nodes in absolute order, collapsed ones included).
class ItemCaptions {
public:
    virtual ~ItemCaptions() = default;
    [[nodiscard]] virtual int ItemCount() const = 0;
    [[nodiscard]] virtual std::wstring ItemCaption(int index) const = 0;
    virtual void SetItemCaption(int index, std::wstring caption) = 0;
};

// A component with column titles: a list view.
class ColumnCaptions {
public:
    virtual ~ColumnCaptions() = default;
    [[nodiscard]] virtual int ColumnCount() const = 0;
    [[nodiscard]] virtual std::wstring ColumnCaption(int index) const = 0;
    virtual void SetColumnCaption(int index, std::wstring caption) = 0;
};

// A form or a nested container: owns components, in ownership order.
class Container {
public:
    virtual ~Container() = default;

    [[nodiscard]] const std::vector<Component*>& Components() const noexcept { return components_; }
    [[nodiscard]] Component* FindComponent(std::wstring_view name) const noexcept;

    // The container's own component name and caption ("QelStartMenuFrm", "Kavor_Dravix").
    [[nodiscard]] virtual const std::wstring& ContainerName() const = 0;
    [[nodiscard]] virtual std::wstring ContainerCaption() const = 0;
    virtual void SetContainerCaption(std::wstring caption) = 0;

protected:
    // Forms call this for each member component, in field order.
    void Own(Component& component) { components_.push_back(&component); }

private:
    std::vector<Component*> components_;
};
