#pragma once
// Making room on the taskbar for the start button: where the taskbar's band
// window goes when it is moved aside and when it is moved back. Pure
// arithmetic over the screen rectangles of the taskbar and its band; the
// Windows side (taskbar_placement.h) reads the rectangles and moves the band.

#include "catalogue/taskbar_geometry.h"

namespace band {

// The start button is square; the band moves this far from the taskbar's
// starting end to make room for it.
inline constexpr int kButtonSize = 54;
// Where the band starts once the taskbar is restored, and the gap recorded then.
inline constexpr int kRestoredGap = 11;

// A child window's place in its parent, as SetWindowPos takes it: relative
// to the taskbar window's top-left corner.
struct Placement {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Placement&) const = default;
};

// Edges 1 (bottom) and 3 (top) run left to right; 2 (left) and 4 (right) run
// top to bottom. Any other code counts as horizontal, like the bottom.
[[nodiscard]] bool IsVerticalEdge(int edge);

// Pixels between the taskbar's starting end and the start of its band, along
// the taskbar's length.
[[nodiscard]] int GapBeforeBand(int edge, const geometry::Rect& tray, const geometry::Rect& band);

// The band starting `offset` pixels from the taskbar's starting end, its far
// end where it is now and its thickness kept, at the taskbar's near side
// across the thickness. Absolute: placing the band twice gives the same place.
[[nodiscard]] Placement BandAt(int offset, int edge, const geometry::Rect& tray, const geometry::Rect& band);

// Moved aside for the button, and moved back once the button goes.
[[nodiscard]] inline Placement BandAside(int edge, const geometry::Rect& tray, const geometry::Rect& band) {
    return BandAt(kButtonSize, edge, tray, band);
}
[[nodiscard]] inline Placement BandRestored(int edge, const geometry::Rect& tray, const geometry::Rect& band) {
    return BandAt(kRestoredGap, edge, tray, band);
}

}  // namespace band
