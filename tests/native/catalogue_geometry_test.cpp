// Where windows go against the taskbar: the taskbar's edge, a small window
// next to an anchor window, and the start menu's corner with its anchor point.

#include <gtest/gtest.h>

#include <optional>

#include "catalogue/taskbar_geometry.h"

using geometry::MenuPlacement;
using geometry::Point;
using geometry::Rect;
using geometry::Size;

namespace {

constexpr Size kScreen{1280, 800};

std::string Describe(const Rect& r) {
    return "{" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + "}";
}

}  // namespace

TEST(TaskbarEdge, IsJudgedFromTheTaskbarRectangle) {
    struct Case {
        Rect taskbar;
        int edge;
    } const cases[] = {
        {{0, 760, 1280, 800}, geometry::kEdgeBottom},
        {{0, 0, 62, 800}, geometry::kEdgeLeft},
        {{0, 0, 1280, 40}, geometry::kEdgeTop},
        {{1218, 0, 1280, 800}, geometry::kEdgeRight},
        // Neither edge nor corner rules fit: counted as the bottom.
        {{100, 100, 300, 140}, geometry::kEdgeBottom},
        {{-2, 758, 1282, 802}, geometry::kEdgeBottom},
        {{0, 0, 40, 40}, geometry::kEdgeBottom},
        {{0, 0, 0, 0}, geometry::kEdgeBottom},
    };
    for (const Case& c : cases) EXPECT_EQ(geometry::TaskbarEdgeOf(c.taskbar), c.edge) << Describe(c.taskbar);
}

TEST(PositionAtTaskbar, FollowsTheShellsEdgeCode) {
    const Rect window{0, 0, 100, 50};
    struct Case {
        const char* name;
        unsigned edge;
        Rect anchor;
        Point expected;
    } const cases[] = {
        {"edge 0, centred over a wide anchor", 0, {10, 700, 210, 740}, {60, 700}},
        {"edge 0, anchor against the left screen edge", 0, {0, 700, 2, 740}, {-99, 700}},
        {"edge 0, wider than the anchor: pushed by the overhang", 0, {10, 700, 60, 740}, {10, 700}},
        {"edge 0, odd overhang truncates toward zero", 0, {10, 700, 61, 740}, {11, 700}},
        {"edge 1, centred beside a tall anchor", 1, {0, 100, 62, 300}, {0, 175}},
        {"edge 1, anchor against the top screen edge", 1, {0, -40, 62, 2}, {0, -49}},
        {"edge 1, taller than the anchor: pushed by the overhang", 1, {0, 100, 62, 130}, {0, 100}},
        {"edge 1, odd overhang truncates toward zero", 1, {0, 100, 62, 131}, {0, 101}},
        {"edge 2, overhang pulled back inside", 2, {1218, 0, 1280, 800}, {1180, 0}},
        {"edge 2, anchor at the right screen edge", 2, {1278, 0, 1380, 800}, {1279, 0}},
        {"edge 2, centred over a wide anchor", 2, {500, 0, 800, 40}, {600, 0}},
        {"edge 3, overhang pulled back up", 3, {0, 760, 1280, 800}, {0, 750}},
        {"edge 3, anchor at the bottom screen edge", 3, {0, 798, 1280, 900}, {0, 799}},
        {"edge 3, centred beside a tall anchor", 3, {0, 100, 62, 300}, {0, 175}},
        {"unknown edge behaves as edge 3", 7, {0, 760, 1280, 800}, {0, 750}},
    };
    for (const Case& c : cases) {
        const Point at = geometry::PositionAtTaskbar(c.edge, c.anchor, window, kScreen);
        EXPECT_EQ(at, c.expected) << c.name << ": got (" << at.x << "," << at.y << ")";
    }
}

TEST(PlaceMenuAtTaskbar, PutsTheMenuAtTheStartCorner) {
    const Size menu{400, 500};
    struct Case {
        const char* name;
        Rect taskbar;
        std::optional<MenuPlacement> expected;
    } const cases[] = {
        {"top", {0, 0, 1280, 40}, MenuPlacement{{0, 40}, false}},
        {"bottom", {0, 760, 1280, 800}, MenuPlacement{{0, 260}, true}},
        {"left", {0, 0, 62, 800}, MenuPlacement{{0, 50}, false}},
        {"right", {1218, 0, 1280, 800}, MenuPlacement{{880, 50}, false}},
        {"square at the corner", {0, 0, 40, 40}, std::nullopt},
        {"off-screen by two pixels", {-2, 758, 1282, 802}, std::nullopt},
        {"left of the screen at the top", {-5, 0, 57, 800}, std::nullopt},
        {"no rectangle", {0, 0, 0, 0}, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto placement = geometry::PlaceMenuAtTaskbar(c.taskbar, menu, kScreen);
        ASSERT_EQ(placement.has_value(), c.expected.has_value()) << c.name;
        if (!placement) continue;
        EXPECT_EQ(placement->position, c.expected->position) << c.name;
        EXPECT_EQ(placement->bottom, c.expected->bottom) << c.name;
    }
}

TEST(MenuAnchorPoint, AimsOverTheRightColumnAndAboveABottomTaskbar) {
    struct Case {
        Point menu;
        int width;
        bool bottom;
        Point expected;
    } const cases[] = {
        {{0, 260}, 400, true, {293, 230}},
        {{880, 50}, 400, false, {1173, 50}},
        {{0, 40}, 200, false, {194, 40}},  // narrower than the columns: (200-295)/2 truncates to -47
    };
    for (const Case& c : cases) {
        const Point at = geometry::MenuAnchorPoint(c.menu, c.width, c.bottom);
        EXPECT_EQ(at, c.expected) << "menu at (" << c.menu.x << "," << c.menu.y << ") width " << c.width
                                  << ": got (" << at.x << "," << at.y << ")";
    }
}
