// Moving the taskbar's band aside for the start button and back, at every
// edge: the gap in front of the band and the band's new place in the taskbar.

#include <gtest/gtest.h>

#include <string>

#include "startbutton/band_geometry.h"

using band::Placement;
using geometry::Rect;

namespace {

std::string Describe(const Placement& p) {
    return "{" + std::to_string(p.x) + "," + std::to_string(p.y) + "," + std::to_string(p.width) + "," +
           std::to_string(p.height) + "}";
}

// The band's screen rectangle once placed in the taskbar.
Rect Applied(const Rect& tray, const Placement& p) {
    return {tray.left + p.x, tray.top + p.y, tray.left + p.x + p.width, tray.top + p.y + p.height};
}

struct BandCase {
    const char* name;
    int edge;
    Rect tray;
    Rect band;  // before the move
    int gap;
    Placement aside;
    Placement restored;
};

// A 1280 x 800 screen with taskbars as Windows 8 lays them out at 96 dpi.
const BandCase kCases[] = {
    {"bottom, band at the start", geometry::kEdgeBottom, {0, 760, 1280, 800}, {0, 760, 1120, 800}, 0,
     {54, 0, 1066, 40}, {11, 0, 1109, 40}},
    {"top, band at the start", geometry::kEdgeTop, {0, 0, 1280, 40}, {0, 0, 1120, 40}, 0,
     {54, 0, 1066, 40}, {11, 0, 1109, 40}},
    {"left, band at the start", geometry::kEdgeLeft, {0, 0, 62, 800}, {0, 0, 62, 640}, 0,
     {0, 54, 62, 586}, {0, 11, 62, 629}},
    {"right, band at the start", geometry::kEdgeRight, {1218, 0, 1280, 800}, {1218, 0, 1280, 640}, 0,
     {0, 54, 62, 586}, {0, 11, 62, 629}},
    // Already aside: a second embedding measures 54 and leaves it there.
    {"bottom, band aside", geometry::kEdgeBottom, {0, 760, 1280, 800}, {54, 760, 1120, 800}, 54,
     {54, 0, 1066, 40}, {11, 0, 1109, 40}},
    {"right, band aside", geometry::kEdgeRight, {1218, 0, 1280, 800}, {1218, 54, 1280, 640}, 54,
     {0, 54, 62, 586}, {0, 11, 62, 629}},
    // Already restored: restoring again keeps it 11 pixels in, not 11 - 43.
    {"top, band restored", geometry::kEdgeTop, {0, 0, 1280, 40}, {11, 0, 1120, 40}, 11,
     {54, 0, 1066, 40}, {11, 0, 1109, 40}},
    {"left, band restored", geometry::kEdgeLeft, {0, 0, 62, 800}, {0, 11, 62, 640}, 11,
     {0, 54, 62, 586}, {0, 11, 62, 629}},
    // A taskbar on a second monitor: the gap and the place are measured from
    // the taskbar, not from the screen's origin.
    {"bottom of a second monitor", geometry::kEdgeBottom, {1280, 760, 2560, 800}, {1300, 760, 2400, 800}, 20,
     {54, 0, 1066, 40}, {11, 0, 1109, 40}},
    {"right of a monitor above", geometry::kEdgeRight, {1218, -800, 1280, 0}, {1218, -770, 1280, -160}, 30,
     {0, 54, 62, 586}, {0, 11, 62, 629}},
    // A band starting before the taskbar's frame: the gap counts either way.
    {"bottom, frame past the screen", geometry::kEdgeBottom, {-2, 758, 1282, 802}, {-4, 760, 1120, 800}, 2,
     {54, 0, 1068, 40}, {11, 0, 1111, 40}},
    // A band shorter than the button ends where it is, with nothing left.
    {"left, band shorter than the button", geometry::kEdgeLeft, {0, 0, 62, 800}, {0, 0, 62, 30}, 0,
     {0, 54, 62, 0}, {0, 11, 62, 19}},
};

}  // namespace

TEST(BandGeometry, GapAndPlacesForEveryEdge) {
    for (const BandCase& c : kCases) {
        EXPECT_EQ(band::GapBeforeBand(c.edge, c.tray, c.band), c.gap) << c.name;
        const Placement aside = band::BandAside(c.edge, c.tray, c.band);
        const Placement restored = band::BandRestored(c.edge, c.tray, c.band);
        EXPECT_EQ(aside, c.aside) << c.name << ": aside " << Describe(aside);
        EXPECT_EQ(restored, c.restored) << c.name << ": restored " << Describe(restored);
    }
}

TEST(BandGeometry, MovesAreAbsoluteSoRepeatingThemChangesNothing) {
    for (const BandCase& c : kCases) {
        // Each move, applied and measured again, gives the same place: embedding
        // three times (or restoring twice) lands where once does.
        for (const bool aside : {true, false}) {
            const auto move = aside ? band::BandAside : band::BandRestored;
            const Placement once = move(c.edge, c.tray, c.band);
            const Rect placed = Applied(c.tray, once);
            EXPECT_EQ(move(c.edge, c.tray, placed), once) << c.name << (aside ? ": aside" : ": restored");
            EXPECT_EQ(band::GapBeforeBand(c.edge, c.tray, placed), aside ? band::kButtonSize : band::kRestoredGap)
                << c.name;
        }
        // Aside and back: the band's far end and its thickness never change,
        // unless it was shorter than the room made for the button.
        const Rect back = Applied(c.tray, band::BandRestored(c.edge, c.tray,
                                                             Applied(c.tray, band::BandAside(c.edge, c.tray, c.band))));
        if (band::IsVerticalEdge(c.edge)) {
            if (c.band.bottom - c.tray.top >= band::kButtonSize) {
                EXPECT_EQ(back.bottom, c.band.bottom) << c.name;
            }
            EXPECT_EQ(back.Width(), c.band.Width()) << c.name;
        } else {
            EXPECT_EQ(back.right, c.band.right) << c.name;
            EXPECT_EQ(back.Height(), c.band.Height()) << c.name;
        }
    }
}

TEST(BandGeometry, HorizontalAndVerticalEdges) {
    EXPECT_FALSE(band::IsVerticalEdge(geometry::kEdgeBottom));
    EXPECT_TRUE(band::IsVerticalEdge(geometry::kEdgeLeft));
    EXPECT_FALSE(band::IsVerticalEdge(geometry::kEdgeTop));
    EXPECT_TRUE(band::IsVerticalEdge(geometry::kEdgeRight));
}
