#include "startbutton/band_geometry.h"

#include <algorithm>
#include <cstdlib>

namespace band {

bool IsVerticalEdge(int edge) { return edge == geometry::kEdgeLeft || edge == geometry::kEdgeRight; }

int GapBeforeBand(int edge, const geometry::Rect& tray, const geometry::Rect& band) {
    return IsVerticalEdge(edge) ? std::abs(tray.top - band.top) : std::abs(tray.left - band.left);
}

Placement BandAt(int offset, int edge, const geometry::Rect& tray, const geometry::Rect& band) {
    // Coordinates relative to the taskbar, not the screen: a taskbar that does
    // not start at the screen's origin (a second monitor, a frame reaching past
    // the screen's edge) still gets its band `offset` pixels in.
    if (IsVerticalEdge(edge)) {
        const int farEnd = band.bottom - tray.top;
        return {0, offset, band.Width(), std::max(0, farEnd - offset)};
    }
    const int farEnd = band.right - tray.left;
    return {offset, 0, std::max(0, farEnd - offset), band.Height()};
}

}  // namespace band
