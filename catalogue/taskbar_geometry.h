#pragma once
// Where windows go relative to the taskbar: pure arithmetic over rectangles,
// so every rule can be checked by table without a desktop. The Windows side
// (window_placement.h) only gathers the rectangles and applies the result.

#include <optional>

namespace geometry {

// Screen coordinates, right and bottom exclusive, as the system reports them.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;

    [[nodiscard]] constexpr int Width() const { return right - left; }
    [[nodiscard]] constexpr int Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0, height = 0;
};

// Taskbar edge codes as the start button and the menu use them.
inline constexpr int kEdgeBottom = 1;
inline constexpr int kEdgeLeft = 2;
inline constexpr int kEdgeTop = 3;
inline constexpr int kEdgeRight = 4;

// 1 bottom, 2 left, 3 top, 4 right, judged from the taskbar window's
// rectangle alone; anything that fits none of them counts as the bottom.
[[nodiscard]] int TaskbarEdgeOf(const Rect& taskbar);

// Where a small window goes next to an anchor window. `appBarEdge` is the
// shell's own edge code (ABE_LEFT 0, ABE_TOP 1, ABE_RIGHT 2, ABE_BOTTOM 3);
// values past 3 are treated like 3.
[[nodiscard]] Point PositionAtTaskbar(unsigned appBarEdge, const Rect& anchor, const Rect& window,
                                      const Size& screen);

struct MenuPlacement {
    Point position;       // the menu window's new left and top
    bool bottom = false;  // the taskbar lies along the bottom of the screen
};

// The start menu's corner for a taskbar rectangle; nullopt when the rectangle
// fits no edge, in which case the menu stays where it was.
[[nodiscard]] std::optional<MenuPlacement> PlaceMenuAtTaskbar(const Rect& taskbar, const Size& menu,
                                                              const Size& screen);

// The point the menu's companions aim at: over the middle of the menu's
// right-hand column (which starts 241 pixels in and leaves 54 at the far end),
// raised 30 pixels above a bottom taskbar.
[[nodiscard]] Point MenuAnchorPoint(const Point& menuPosition, int menuWidth, bool bottom);

}  // namespace geometry
