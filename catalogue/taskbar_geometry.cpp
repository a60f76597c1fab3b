#include "catalogue/taskbar_geometry.h"

namespace geometry {

namespace {

constexpr int kMenuLeftColumn = 241;
constexpr int kMenuRightMargin = 54;
constexpr int kMenuTopAtSideTaskbar = 50;
constexpr int kAnchorRaiseAtBottom = 30;

// An anchor this close to a screen edge sits against it; the window then goes
// just inside the anchor instead of being centred on it.
constexpr int kEdgeSlack = 3;

Point CentredHorizontally(const Rect& anchor, const Rect& window) {
    return {anchor.left + (anchor.Width() - window.Width()) / 2, anchor.top};
}

Point CentredVertically(const Rect& anchor, const Rect& window) {
    return {anchor.left, anchor.top + (anchor.Height() - window.Height()) / 2};
}

}  // namespace

int TaskbarEdgeOf(const Rect& taskbar) {
    if (taskbar.left == 0 && taskbar.top != 0) return kEdgeBottom;
    if (taskbar.left == 0 && taskbar.top == 0 && taskbar.bottom > taskbar.right) return kEdgeLeft;
    if (taskbar.left == 0 && taskbar.top == 0 && taskbar.bottom < taskbar.right) return kEdgeTop;
    if (taskbar.left != 0 && taskbar.top == 0) return kEdgeRight;
    return kEdgeBottom;
}

Point PositionAtTaskbar(unsigned appBarEdge, const Rect& anchor, const Rect& window, const Size& screen) {
    Point at;
    switch (appBarEdge) {
    case 0:
        at = CentredHorizontally(anchor, window);
        if (anchor.right <= kEdgeSlack) {
            at.x = anchor.right - 1 - window.Width();
        } else if (const int d = at.x + window.Width() - anchor.right; d > 0) {
            at.x += d;
        }
        break;
    case 1:
        at = CentredVertically(anchor, window);
        if (anchor.bottom <= kEdgeSlack) {
            at.y = anchor.bottom - 1 - window.Height();
        } else if (const int d = at.y + window.Height() - anchor.bottom; d > 0) {
            at.y += d;
        }
        break;
    case 2:
        at = CentredHorizontally(anchor, window);
        if (anchor.left - screen.width >= -kEdgeSlack) {
            at.x = anchor.left + 1;
        } else if (const int d = at.x + window.Width() - anchor.right; d > 0) {
            at.x -= d;
        }
        break;
    default:
        at = CentredVertically(anchor, window);
        if (anchor.top - screen.height >= -kEdgeSlack) {
            at.y = anchor.top + 1;
        } else if (const int d = at.y + window.Height() - anchor.bottom; d > 0) {
            at.y -= d;
        }
        break;
    }
    return at;
}

std::optional<MenuPlacement> PlaceMenuAtTaskbar(const Rect& taskbar, const Size& menu, const Size& screen) {
    if (taskbar.left == 0 && taskbar.top == 0 && taskbar.Height() < taskbar.Width())
        return MenuPlacement{{0, taskbar.Height()}, false};
    if (taskbar.left == 0 && taskbar.top > 0)
        return MenuPlacement{{0, screen.height - taskbar.Height() - menu.height}, true};
    if (taskbar.left == 0 && taskbar.top == 0 && taskbar.Height() > taskbar.Width())
        return MenuPlacement{{0, kMenuTopAtSideTaskbar}, false};
    if (taskbar.left > 0 && taskbar.top == 0)
        return MenuPlacement{{screen.width - menu.width, kMenuTopAtSideTaskbar}, false};
    return std::nullopt;
}

Point MenuAnchorPoint(const Point& menuPosition, int menuWidth, bool bottom) {
    return {(menuWidth - kMenuLeftColumn - kMenuRightMargin) / 2 + kMenuLeftColumn + menuPosition.x,
            bottom ? menuPosition.y - kAnchorRaiseAtBottom : menuPosition.y};
}

}  // namespace geometry
