// The start menu's geometry: the width from the captions, the left column for
// the lists' heights, the right-hand links against the shut-down button, and
// the search layout.

#include <gtest/gtest.h>

#include "startmenu/menu_layout.h"

namespace {

// The window as a show leaves it before the layout: 97 high, lists measured.
MenuLayout ShownWith(int pinnedHeight, int frequentHeight, bool frequentVisible = true) {
    MenuLayout l = DesignLayout();
    l.windowHeight = l.menuHeight = kMenuStartHeight;
    l.pinnedHasItems = pinnedHeight > 2;
    l.pinnedList.height = pinnedHeight;
    l.frequentList.height = frequentHeight;
    l.frequentList.visible = frequentVisible;
    return l;
}

RightLinkStates AllStates(int state) {
    RightLinkStates states;
    states.fill(state);
    return states;
}

TEST(MenuWidth, LinksWiderThanAHundredPixelsWidenTheWindowByTheExcess) {
    struct Case {
        int linkWidth, width, highlight;
    };
    for (const Case& c : {Case{60, 410, 136}, Case{100, 410, 136}, Case{101, 411, 137}, Case{180, 490, 216}}) {
        SCOPED_TRACE(c.linkWidth);
        MenuLayout l = DesignLayout();
        JisuanWidthandImagenoteWidth(l, c.linkWidth, 50);
        EXPECT_EQ(l.clientWidth, c.width);
        for (int tag = 0; tag < kRightLinkCount; ++tag) {
            EXPECT_EQ(l.highlights[tag].width, c.highlight);
            EXPECT_EQ(l.linkLabels[tag].width, c.linkWidth);
        }
        EXPECT_EQ(l.rightStep1.width, c.highlight - 12);
        EXPECT_EQ(l.rightStep2.width, c.highlight - 12);
        // Send Feedback stays centred over the Documents row, halves rounded down.
        EXPECT_EQ(l.sendBack.left, kLinkLeft + (c.highlight - 116) / 2);
        EXPECT_EQ(l.sendBackLabel.left, l.sendBack.left + 5);
    }
}

TEST(MenuWidth, ShutDownButtonGrowsOnlyForALongCaption) {
    struct Case {
        int textWidth, caption, middle;
    };
    for (const Case& c : {Case{30, 66, 64}, Case{64, 66, 64}, Case{65, 67, 65}, Case{100, 102, 100}}) {
        SCOPED_TRACE(c.textWidth);
        MenuLayout l = DesignLayout();
        JisuanWidthandImagenoteWidth(l, 90, c.textWidth);
        EXPECT_EQ(l.shutdownCaption.width, c.caption);
        EXPECT_EQ(l.shutdownMiddle.width, c.middle);
    }
}

TEST(MenuWidth, TheLongerCaptionCountsAndATieGoesToAdministrativeTools) {
    EXPECT_TRUE(WidthFromAdministrativeTools(L"Devices and Printers", L"Administrative Tools"));
    EXPECT_FALSE(WidthFromAdministrativeTools(L"Devices and Printers and more", L"Administrative Tools"));
    EXPECT_TRUE(WidthFromAdministrativeTools(L"Print", L"Tools"));
}

TEST(LeftColumn, WithoutPinnedProgramsTheFrequentListStartsAtTheTop) {
    MenuLayout l = ShownWith(2, 404);
    InitControlMarInset(l);
    EXPECT_EQ(l.frequentList.top, 10);
    EXPECT_FALSE(l.pinnedList.visible);
    EXPECT_FALSE(l.step1.visible);
    EXPECT_EQ(l.windowHeight, 97 + 404);
    EXPECT_EQ(l.menuHeight, l.windowHeight);
    EXPECT_EQ(l.programTree.top, 10);
    EXPECT_EQ(l.programTree.height, 404);
    EXPECT_EQ(l.searchClient.height, 404 + 24 + 10);
}

TEST(LeftColumn, PinnedProgramsPushTheFrequentListDownWithASeparatorBetween) {
    MenuLayout l = ShownWith(122, 244);
    InitControlMarInset(l);
    EXPECT_TRUE(l.pinnedList.visible);
    EXPECT_EQ(l.pinnedList.top, 10);
    EXPECT_EQ(l.frequentList.top, 10 + 122 + 3);
    EXPECT_EQ(l.windowHeight, 97 + 244 + 122 + 6);
    EXPECT_EQ(l.menuHeight, l.windowHeight);
    EXPECT_TRUE(l.step1.visible);
    EXPECT_EQ(l.step1.top, l.pinnedList.Bottom() - 2);
    EXPECT_EQ(l.step1.left, l.step2.left);
    EXPECT_EQ(l.step1.width, l.step2.width);
    EXPECT_EQ(l.programTree.top, 10);
    EXPECT_EQ(l.programTree.height, 122 + 244 + 2);
    EXPECT_EQ(l.searchClient.height, 122 + 244 + 6 + 24);
}

TEST(LeftColumn, ButtonSearchBoxAndShutDownFollowTheFrequentList) {
    for (bool frequentVisible : {true, false}) {
        SCOPED_TRACE(frequentVisible);
        MenuLayout l = ShownWith(82, 404, frequentVisible);
        InitControlMarInset(l);
        const int listWidth = LeftWidth(l);
        EXPECT_EQ(listWidth, 241);
        EXPECT_EQ(l.step2.visible, frequentVisible);
        const int faceTop = l.frequentList.Bottom() + (frequentVisible ? 4 : 2);
        EXPECT_EQ(l.windowHeight, 97 + (frequentVisible ? 404 : 0) + 82 + 6);
        for (const LayoutBox* face : {&l.programLeft, &l.programCenter, &l.programRight})
            EXPECT_EQ(face->top, faceTop);
        EXPECT_EQ(l.programLeft.left, 12);
        EXPECT_EQ(l.programCenter.left, 15);
        EXPECT_EQ(l.programCenter.width, listWidth - 20);
        EXPECT_EQ(l.programRight.left, 15 + listWidth - 20);
        EXPECT_EQ(l.programLogo.top, faceTop + 6);
        EXPECT_EQ(l.programLabel.left, 42);
        EXPECT_EQ(l.searchFrame.top, faceTop + 23 + 15);
        EXPECT_EQ(l.searchBand.top, l.searchFrame.top - 10);
        EXPECT_EQ(l.searchButton.Right(), l.searchFrame.Right() - 2);
        EXPECT_EQ(l.searchEdit.width, l.searchFrame.width - 20 - 6);
        for (const LayoutBox* part : {&l.shutdownLeft, &l.shutdownMiddle, &l.shutdownRight, &l.shutdownArrow})
            EXPECT_EQ(part->top, l.searchFrame.top);
        EXPECT_EQ(l.shutdownLeft.left, l.linkLabels[0].left);
        EXPECT_EQ(l.shutdownMiddle.left, l.shutdownLeft.Right());
        EXPECT_EQ(l.shutdownArrow.left, l.shutdownRight.Right());
    }
}

TEST(LeftColumn, NinePartPanelSpansFromTheCornerToEightAboveTheBottom) {
    MenuLayout l = ShownWith(2, 404);
    InitControlMarInset(l);
    EXPECT_EQ(l.bgTopLeft.left, 6);
    EXPECT_EQ(l.bgTopLeft.top, 6);
    EXPECT_EQ(l.bgBottomRight.Right(), LeftWidth(l) + 18);
    EXPECT_EQ(l.bgBottomRight.Bottom(), l.windowHeight - 8);
    EXPECT_EQ(l.bgCenter.top, l.bgCenterLeft.top);
    EXPECT_EQ(l.bgCenter.height, l.bgCenterRight.height);
    EXPECT_EQ(l.bgTopRight.left, l.bgTopCenter.Right());
    EXPECT_EQ(l.bgBottomCenter.top, l.bgCenterLeft.Bottom());
}

TEST(RightColumn, LinksFollowEachOtherWithSeparatorsBetweenGroups) {
    MenuLayout l = ShownWith(2, 404);
    InitControlMarInset(l);
    RightLinkStates states = AllStates(1);
    states[1] = 2;  // Documents opens a menu: its arrow shows
    states[4] = 2;  // Homegroup has no arrow to show
    LayoutRightColumn(l, -30, states);

    EXPECT_EQ(l.sendBack.top, 35);
    EXPECT_EQ(l.sendBackLabel.top, 38);
    EXPECT_EQ(l.highlights[0].top, 58);
    EXPECT_EQ(l.highlights[7].top, 58 + 7 * 36);
    EXPECT_EQ(l.linkLabels[3].left, kLinkLeft + 9);
    EXPECT_EQ(l.linkLabels[3].top, l.highlights[3].top + 8);
    EXPECT_TRUE(l.rightStep1.visible);
    EXPECT_EQ(l.rightStep1.top, l.highlights[7].top + 36);
    EXPECT_EQ(l.highlights[8].top, l.rightStep1.Bottom() + 5);

    EXPECT_TRUE(l.arrows[1].visible);
    EXPECT_EQ(l.arrows[1].left, l.highlights[1].Right() - 9 - 10);
    EXPECT_EQ(l.arrows[1].top, l.highlights[1].top + 10);
    EXPECT_FALSE(l.arrows[0].visible);
    EXPECT_FALSE(l.arrows[4].visible);
}

TEST(RightColumn, RowsAndSeparatorsBelowTheShutDownButtonAreHidden) {
    MenuLayout l = ShownWith(2, 404);
    InitControlMarInset(l);
    LayoutRightColumn(l, -30, AllStates(1));
    const int limit = l.shutdownLeft.top;
    int shown = 0;
    for (int tag = 0; tag < kRightLinkCount; ++tag) {
        if (!l.highlights[tag].visible) {
            EXPECT_FALSE(l.linkLabels[tag].visible) << tag;
            continue;
        }
        ++shown;
        EXPECT_LE(l.highlights[tag].Bottom(), limit) << tag;
    }
    EXPECT_GT(shown, 0);
    EXPECT_LT(shown, kRightLinkCount);
    // 404 rows of list leave room for the first two groups, not the third.
    EXPECT_FALSE(l.highlights[19].visible);
    if (l.rightStep2.visible) {
        EXPECT_LE(l.rightStep2.Bottom() + 5 + 36, limit);
    }
}

TEST(RightColumn, AnEmptyGroupLeavesOneSeparatorUnderTheLastShownLink) {
    MenuLayout l = ShownWith(2, 404);
    InitControlMarInset(l);
    RightLinkStates states = AllStates(0);
    states[0] = states[1] = 1;    // group 1: two links
    states[14] = states[15] = 1;  // group 3: two links; group 2 empty
    LayoutRightColumn(l, 0, states);
    const int separatorTop = l.highlights[1].top + 36;
    EXPECT_EQ(l.rightStep2.top, separatorTop);
    EXPECT_TRUE(l.rightStep2.visible);
    // The first separator lies at the same place, so one line shows.
    EXPECT_TRUE(!l.rightStep1.visible || l.rightStep1.top == separatorTop);
    EXPECT_EQ(l.highlights[14].top, l.rightStep2.Bottom() + 5);
}

TEST(RightColumn, NoSeparatorWhenNothingAboveIsShown) {
    MenuLayout l = ShownWith(2, 404);
    InitControlMarInset(l);
    RightLinkStates states = AllStates(0);
    states[16] = 1;
    LayoutRightColumn(l, -30, states);
    EXPECT_FALSE(l.rightStep1.visible);
    EXPECT_FALSE(l.rightStep2.visible);
    EXPECT_EQ(l.highlights[16].top, 58);
}

TEST(RightColumn, ASmallWindowDropsTheSeparatorThatWouldStartBelowTheButton) {
    MenuLayout l = ShownWith(2, 124);  // the shut-down button's top comes at 176
    InitControlMarInset(l);
    ASSERT_EQ(l.shutdownLeft.top, 176);
    LayoutRightColumn(l, 0, AllStates(1));
    EXPECT_TRUE(l.highlights[0].visible);
    EXPECT_TRUE(l.highlights[1].visible);
    EXPECT_FALSE(l.highlights[2].visible);
    // Group 2 would start at 167 and a link there would end at 203.
    EXPECT_FALSE(l.rightStep1.visible);
    EXPECT_FALSE(l.rightStep2.visible);
    EXPECT_FALSE(l.highlights[8].visible);
}

TEST(SearchLayout, WidensThePanelOverTheWindowAndBack) {
    MenuLayout l = ShownWith(82, 404);
    InitControlMarInset(l);
    ShowSearchLayout(l);
    EXPECT_TRUE(l.searchClient.visible);
    EXPECT_FALSE(l.programLabel.visible);
    EXPECT_FALSE(l.step1.visible);
    EXPECT_FALSE(l.step2.visible);
    EXPECT_TRUE(l.searchClose.visible);
    EXPECT_FALSE(l.searchButton.visible);
    EXPECT_EQ(l.bgCenter.width, 410 - 6 - 6 - 12);
    EXPECT_EQ(l.bgTopCenter.width, l.bgCenter.width);
    EXPECT_EQ(l.bgTopRight.left, l.bgTopCenter.Right());
    EXPECT_EQ(l.bgBottomRight.left, l.bgBottomCenter.Right());
    EXPECT_EQ(l.searchBand.width, l.searchClient.width);

    HideSearchLayout(l);
    EXPECT_FALSE(l.searchClient.visible);
    EXPECT_TRUE(l.step1.visible);  // pinned programs are listed
    EXPECT_TRUE(l.step2.visible);
    EXPECT_TRUE(l.programLabel.visible);
    EXPECT_TRUE(l.searchButton.visible);
    EXPECT_EQ(l.bgCenter.width, LeftWidth(l));
    EXPECT_EQ(l.bgCenterRight.left, l.bgCenter.Right());
    EXPECT_EQ(l.searchBand.width, l.programTree.width);
}

TEST(SearchLayout, LeavingItKeepsThePinnedSeparatorHiddenWhereItDoesNotBelong) {
    MenuLayout noPinned = ShownWith(2, 404);
    InitControlMarInset(noPinned);
    ShowSearchLayout(noPinned);
    HideSearchLayout(noPinned);
    EXPECT_FALSE(noPinned.step1.visible);

    MenuLayout tree = ShownWith(82, 404);
    InitControlMarInset(tree);
    tree.allProgramsShown = true;
    tree.step1.visible = false;
    ShowSearchLayout(tree);
    HideSearchLayout(tree);
    EXPECT_FALSE(tree.step1.visible);
}

}  // namespace
