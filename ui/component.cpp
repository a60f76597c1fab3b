#include "ui/component.h"

Component* Container::FindComponent(std::wstring_view name) const noexcept {
    for (Component* component : components_)
        if (component->Name() == name) return component;
    return nullptr;
}
