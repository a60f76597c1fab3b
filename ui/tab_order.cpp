#include "ui/tab_order.h"

#include <algorithm>

namespace {

constexpr wchar_t kTabOrderProperty[] = L"Dravix.TabOrder";

// Stored one up, since a property of 0 reads as no property at all.
bool StoredOrder(HWND window, int& order) noexcept {
    const HANDLE value = ::GetPropW(window, kTabOrderProperty);
    if (!value) return false;
    order = static_cast<int>(reinterpret_cast<INT_PTR>(value) - 1);
    return true;
}

}  // namespace

void PlaceInTabOrder(HWND window, int order) noexcept {
    order = std::max(order, 0);
    ::SetPropW(window, kTabOrderProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(order) + 1));

    HWND lastBefore = nullptr;  // the last ordered sibling at or below `order`
    HWND firstAfter = nullptr;  // the first ordered sibling above it
    for (HWND sibling = ::GetWindow(window, GW_HWNDFIRST); sibling; sibling = ::GetWindow(sibling, GW_HWNDNEXT)) {
        int siblingOrder = 0;
        if (sibling == window || !StoredOrder(sibling, siblingOrder)) continue;
        if (siblingOrder <= order)
            lastBefore = sibling;
        else if (!firstAfter)
            firstAfter = sibling;
    }

    HWND insertAfter = lastBefore;
    if (!insertAfter) {
        if (!firstAfter) return;  // no ordered sibling: nothing to keep in step with
        insertAfter = ::GetWindow(firstAfter, GW_HWNDPREV);
        if (insertAfter == window) return;
        if (!insertAfter) insertAfter = HWND_TOP;
    }
    ::SetWindowPos(window, insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void ForgetTabOrder(HWND window) noexcept { ::RemovePropW(window, kTabOrderProperty); }
