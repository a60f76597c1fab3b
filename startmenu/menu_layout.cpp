#include "startmenu/menu_layout.h"

#include <algorithm>
#include <span>

#include "startmenu/right_links.h"

namespace {

constexpr int kLeftColumnWidth = 253;
constexpr int kListLeft = 9;
constexpr int kListTop = 10;
constexpr int kPanelOrigin = 6;

// The panel's centre at `width`; the top and bottom edges follow it and the
// right-hand parts sit at its right edge.
void SetPanelWidth(MenuLayout& l, int width) {
    l.bgCenter.width = width;
    l.bgTopCenter.width = width;
    l.bgBottomCenter.width = width;
    l.bgTopRight.left = l.bgTopCenter.Right();
    l.bgCenterRight.left = l.bgTopRight.left;
    l.bgBottomRight.left = l.bgBottomCenter.Right();
}

void SetAllProgramsButtonVisible(MenuLayout& l, bool visible) {
    for (LayoutBox* part : {&l.programLeft, &l.programCenter, &l.programRight, &l.programLabel, &l.programLogo})
        part->visible = visible;
}

void HideLink(MenuLayout& l, int tag) {
    l.linkLabels[tag].visible = false;
    l.highlights[tag].visible = false;
    l.arrows[tag].visible = false;
}

struct RightColumnCursor {
    int top = 0;
    int lastShown = -1;  // tag of the last link shown, of any group so far
};

void LayoutLinkGroup(MenuLayout& l, std::span<const int> tags, const RightLinkStates& states, int limit,
                     RightColumnCursor& cursor) {
    for (int tag : tags) {
        LayoutBox& highlight = l.highlights[tag];
        if (states[tag] == 0 || cursor.top + highlight.height > limit) {
            HideLink(l, tag);
            continue;
        }
        highlight.MoveTo(kLinkLeft, cursor.top);
        highlight.visible = true;
        l.linkLabels[tag].MoveTo(highlight.left + 9, highlight.top + 8);
        l.linkLabels[tag].visible = true;
        LayoutBox& arrow = l.arrows[tag];
        arrow.MoveTo(highlight.Right() - arrow.width - 10, highlight.top + 10);
        arrow.visible = l.hasArrow[tag] && states[tag] == 2;
        cursor.top = highlight.top + kLinkPitch;
        cursor.lastShown = tag;
    }
}

// The separator before a group: under the last link shown so far, or none
// when nothing was shown above it or the group could not start above `limit`.
void PlaceGroupSeparator(MenuLayout& l, LayoutBox& separator, int firstTop, int limit, RightColumnCursor& cursor) {
    separator.visible = false;
    if (cursor.lastShown >= 0) {
        separator.top = l.highlights[cursor.lastShown].top + kLinkPitch;
        separator.visible = true;
        cursor.top = separator.Bottom() + 5;
    } else {
        cursor.top = firstTop;
    }
    if (l.highlights[0].height + cursor.top > limit) separator.visible = false;
}

}  // namespace

MenuLayout DesignLayout() {
    MenuLayout l;
    l.clientWidth = kMenuBaseWidth;
    l.windowHeight = l.menuHeight = kMenuStartHeight;

    l.pinnedList = {kListLeft, kListTop, 241, 2};
    l.frequentList = {kListLeft, kListTop, 241, 404};
    l.programTree = {kListLeft, kListTop, 241, 404, false};
    l.step1 = {13, 10, 233, 5};
    l.step2 = {13, 414, 233, 5};
    l.searchClient = {kListLeft, kListTop, 392, 300, false};
    l.searchTitle = {0, 0, 392, 18};
    l.searchLabel = {0, 18, 392, 18};

    // The panel's corners and edges are 6 pixels; the centre stretches.
    for (LayoutBox* part : {&l.bgTopLeft, &l.bgTopCenter, &l.bgTopRight, &l.bgCenterLeft, &l.bgCenter,
                            &l.bgCenterRight, &l.bgBottomLeft, &l.bgBottomCenter, &l.bgBottomRight})
        *part = {0, 0, 6, 6};
    l.programLeft = {12, 420, 3, 23};
    l.programCenter = {15, 420, 221, 23};
    l.programRight = {236, 420, 3, 23};
    l.programLogo = {17, 426, 11, 11};
    l.programLabel = {42, 423, 149, 17};
    l.searchBand = {kListLeft, 448, 241, 44};
    l.searchFrame = {16, 458, 221, 24};
    l.searchButton = {215, 460, 20, 20};
    l.searchClose = {215, 460, 20, 20, false};
    l.searchEdit = {21, 463, 195, 16};

    l.shutdownLeft = {kLinkLeft + 9, 458, 4, 21};
    l.shutdownMiddle = {kLinkLeft + 13, 458, 64, 21};
    l.shutdownRight = {kLinkLeft + 77, 458, 4, 21};
    l.shutdownArrow = {kLinkLeft + 81, 458, 23, 21};
    l.shutdownCaption = {kLinkLeft + 13, 461, 66, 15};

    l.sendBack = {276, 35, 116, 24};
    l.sendBackLabel = {281, 38, 106, 16};
    for (int tag = 0; tag < kRightLinkCount; ++tag) {
        l.highlights[tag] = {kLinkLeft, 58 + kLinkPitch * tag, 136, 36, false};
        l.linkLabels[tag] = {kLinkLeft + 9, 66 + kLinkPitch * tag, 120, 16};
        l.arrows[tag] = {kLinkLeft + 117, 68 + kLinkPitch * tag, 9, 10, false};
    }
    for (int tag = 0; tag < kRightLinkCount; ++tag) l.hasArrow[tag] = kRightLinks[tag].hasPopup;
    l.rightStep1 = {kLinkLeft + 6, 0, 124, 2};
    l.rightStep2 = {kLinkLeft + 6, 0, 124, 2};
    return l;
}

int LeftWidth(const MenuLayout& l) noexcept {
    return kLeftColumnWidth - l.bgCenterLeft.width - l.bgCenterRight.width;
}

void InitControlMarInset(MenuLayout& l) {
    const int listWidth = LeftWidth(l);
    l.searchClient.width = l.clientWidth - 18;
    l.searchTitle.width = l.searchClient.width;
    l.searchLabel.width = l.searchClient.width;

    l.programTree.width = listWidth;
    l.searchClient.MoveTo(kListLeft, kListTop);
    l.programTree.left = kListLeft;
    l.frequentList.left = kListLeft;
    l.pinnedList.MoveTo(kListLeft, kListTop);
    l.pinnedList.width = listWidth;
    l.frequentList.width = listWidth;

    l.step2.left = l.programTree.left + 4;
    l.step2.width = listWidth - 8;

    if (l.frequentList.visible) {
        l.windowHeight += l.frequentList.height;
        l.menuHeight = l.windowHeight;
    }
    if (l.pinnedHasItems) {
        l.pinnedList.visible = true;
        l.frequentList.top = l.pinnedList.Bottom() + 3;
        l.windowHeight += l.pinnedList.height + 6;
        l.menuHeight = l.windowHeight;
        l.programTree.top = l.pinnedList.top;
        l.programTree.height = l.pinnedList.height + l.frequentList.height + 2;
        l.step1 = {l.step2.left, l.pinnedList.Bottom() - 2, l.step2.width, l.step1.height, true};
        l.searchClient.height = l.pinnedList.height + l.frequentList.height + 6 + l.searchFrame.height;
    } else {
        l.frequentList.top = kListTop;
        l.programTree.top = l.frequentList.top;
        l.programTree.height = l.frequentList.height;
        l.pinnedList.visible = false;
        l.step1.visible = false;
        l.searchClient.height = l.frequentList.height + l.searchFrame.height + 10;
    }

    LayoutBackgroundPanel(l);

    l.programLeft.left = l.bgTopLeft.left + 6;
    l.programLeft.width = 3;
    l.programCenter.left = l.programLeft.Right();
    l.programCenter.width = listWidth - 20;
    l.programRight.left = l.programCenter.Right();
    l.programRight.width = 3;

    LayoutBottomArea(l);

    l.shutdownLeft.left = l.linkLabels[0].left;
    l.shutdownMiddle.left = l.shutdownLeft.Right();
    l.shutdownRight.left = l.shutdownMiddle.Right();
    l.shutdownArrow.left = l.shutdownRight.Right();
    for (LayoutBox* part : {&l.shutdownLeft, &l.shutdownMiddle, &l.shutdownRight, &l.shutdownArrow})
        part->top = l.searchFrame.top;
    l.shutdownCaption.MoveTo(l.shutdownLeft.left + 4, l.shutdownLeft.top + 3);
}

void LayoutBackgroundPanel(MenuLayout& l) {
    const int height = l.windowHeight;
    l.bgTopLeft.MoveTo(kPanelOrigin, kPanelOrigin);
    l.bgCenterLeft.MoveTo(l.bgTopLeft.left, l.bgTopLeft.Bottom());
    l.bgCenterLeft.height = height - 14 - l.bgBottomLeft.height - l.bgTopLeft.height;
    l.bgCenter = {l.bgCenterLeft.Right(), l.bgCenterLeft.top, LeftWidth(l), l.bgCenterLeft.height, l.bgCenter.visible};
    l.bgTopCenter.MoveTo(l.bgCenter.left, kPanelOrigin);
    l.bgTopRight.top = kPanelOrigin;
    l.bgCenterRight.top = l.bgCenterLeft.top;
    l.bgCenterRight.height = l.bgCenter.height;
    l.bgBottomLeft.MoveTo(l.bgCenterLeft.left, l.bgCenterLeft.Bottom());
    l.bgBottomCenter.MoveTo(l.bgCenter.left, l.bgBottomLeft.top);
    l.bgBottomRight.top = l.bgBottomLeft.top;
    SetPanelWidth(l, l.bgCenter.width);
}

void LayoutBottomArea(MenuLayout& l) {
    int faceTop = 0;
    if (l.frequentList.visible) {
        l.step2.top = l.frequentList.Bottom() - 2;
        l.step2.visible = true;
        faceTop = l.frequentList.Bottom() + 4;
    } else {
        l.step2.visible = false;
        faceTop = l.frequentList.Bottom() + 2;
    }
    l.programLeft.top = l.programCenter.top = l.programRight.top = faceTop;
    l.programLogo.MoveTo(l.programLeft.left + 5, faceTop + 6);
    l.programLabel.MoveTo(l.programLeft.left + 30, faceTop + 3);

    const int listWidth = LeftWidth(l);
    l.searchFrame.top = l.programLeft.Bottom() + 15;
    l.searchBand.top = l.searchFrame.top - 10;
    l.searchBand.left = l.programTree.left;
    l.searchBand.width = listWidth;
    l.searchFrame.left = l.bgTopLeft.left + 10;
    l.searchFrame.width = listWidth - 20;

    l.searchButton.MoveTo(l.searchFrame.Right() - 2 - l.searchButton.width, l.searchFrame.top + 2);
    l.searchClose.MoveTo(l.searchButton.left, l.searchButton.top);
    l.searchEdit.MoveTo(l.searchFrame.left + 5, l.searchFrame.top + 5);
    l.searchEdit.width = l.searchFrame.width - l.searchButton.width - 6;
}

bool WidthFromAdministrativeTools(std::wstring_view printCaption,
                                  std::wstring_view administrativeToolsCaption) noexcept {
    return administrativeToolsCaption.size() >= printCaption.size();
}

void JisuanWidthandImagenoteWidth(MenuLayout& l, int linkWidth, int shutdownCaptionTextWidth) {
    int extra = 0;
    if (linkWidth <= 100) {
        l.clientWidth = kMenuBaseWidth;
    } else {
        extra = linkWidth - 100;
        l.clientWidth = linkWidth + 310;
    }
    for (LayoutBox& label : l.linkLabels) label.width = linkWidth;
    for (LayoutBox& highlight : l.highlights) highlight.width = 136 + extra;
    l.rightStep2.width = l.highlights[19].width - 12;
    l.rightStep1.width = l.rightStep2.width;

    const LayoutBox& documents = l.highlights[1];
    l.sendBack.left = documents.left + (documents.width - l.sendBack.width) / 2;
    l.sendBackLabel.left = l.sendBack.left + 5;

    l.shutdownCaption.width = std::max(66, shutdownCaptionTextWidth + 2);
    l.shutdownMiddle.width = std::max(72, l.shutdownCaption.width + 6) - 8;
}

void LayoutRightColumn(MenuLayout& l, int y, const RightLinkStates& states) {
    l.sendBack.top = y + 65;
    l.sendBackLabel.top = l.sendBack.top + 3;

    const int firstTop = y + 88;
    const int limit = l.shutdownLeft.top;
    RightColumnCursor cursor{firstTop, -1};
    LayoutLinkGroup(l, kRightGroup1, states, limit, cursor);
    PlaceGroupSeparator(l, l.rightStep1, firstTop, limit, cursor);
    LayoutLinkGroup(l, kRightGroup2, states, limit, cursor);
    PlaceGroupSeparator(l, l.rightStep2, firstTop, limit, cursor);
    LayoutLinkGroup(l, kRightGroup3, states, limit, cursor);
}

void ShowSearchLayout(MenuLayout& l) {
    SetAllProgramsButtonVisible(l, false);
    l.searchClient.visible = true;
    if (!l.allProgramsShown) l.step1.visible = false;
    l.searchClose.visible = true;
    l.searchButton.visible = false;
    SetPanelWidth(l, l.clientWidth - l.bgCenterLeft.width - l.bgCenterRight.width - 12);
    l.step2.visible = false;
    l.searchBand.width = l.searchClient.width;
}

void HideSearchLayout(MenuLayout& l) {
    l.searchClient.visible = false;
    if (!l.allProgramsShown && l.pinnedList.visible) l.step1.visible = true;
    l.searchClose.visible = false;
    l.searchButton.visible = true;
    SetPanelWidth(l, LeftWidth(l));
    l.step2.visible = true;
    SetAllProgramsButtonVisible(l, true);
    l.searchBand.width = l.programTree.width;
}
