#pragma once
// The start menu's geometry without a window: where the left column's lists,
// the All Programs button, the search box, the shut-down button and the
// right-hand links go for the lists' heights and the captions' widths. The
// window copies its controls' bounds into a MenuLayout, runs these, and
// copies them back; the field names follow the form's components.

#include <array>
#include <string_view>

struct LayoutBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = true;

    [[nodiscard]] int Right() const noexcept { return left + width; }
    [[nodiscard]] int Bottom() const noexcept { return top + height; }
    void MoveTo(int x, int y) noexcept { left = x, top = y; }
};

inline constexpr int kRightLinkCount = 20;

struct MenuLayout {
    int clientWidth = 0;   // the window has no frame: client and window sizes agree
    int windowHeight = 0;
    int menuHeight = 0;    // the height the window is held to
    bool pinnedHasItems = false;
    bool allProgramsShown = false;

    // Left column.
    LayoutBox pinnedList, frequentList, programTree, step1, step2;
    LayoutBox searchClient, searchTitle, searchLabel;
    LayoutBox bgTopLeft, bgTopCenter, bgTopRight;
    LayoutBox bgCenterLeft, bgCenter, bgCenterRight;
    LayoutBox bgBottomLeft, bgBottomCenter, bgBottomRight;
    LayoutBox programLeft, programCenter, programRight, programLogo, programLabel;
    LayoutBox searchBand, searchFrame, searchButton, searchClose, searchEdit;
    LayoutBox shutdownLeft, shutdownMiddle, shutdownRight, shutdownArrow, shutdownCaption;

    // Right column, by link tag. Links without a pop-out arrow have
    // hasArrow false and their arrow box is never shown.
    LayoutBox sendBack, sendBackLabel;
    std::array<LayoutBox, kRightLinkCount> linkLabels, highlights, arrows;
    std::array<bool, kRightLinkCount> hasArrow{};
    LayoutBox rightStep1, rightStep2;
};

// The window as designed: every part at its picture's size, the lists empty,
// the All Programs tree, the search results and the link highlights hidden.
[[nodiscard]] MenuLayout DesignLayout();

// The width of every left-column list: 253 less the panel's two side edges.
[[nodiscard]] int LeftWidth(const MenuLayout& layout) noexcept;

// Lays out the left column for the lists' current heights and grows the
// window (and menuHeight) by them.
void InitControlMarInset(MenuLayout& layout);
// The nine-part white panel for the current window height.
void LayoutBackgroundPanel(MenuLayout& layout);
// Separator, All Programs button and search box under the frequent list.
void LayoutBottomArea(MenuLayout& layout);

// Which caption sets the right column's width: the longer of "Devices and
// Printers" and "Administrative Tools", the latter on a tie.
[[nodiscard]] bool WidthFromAdministrativeTools(std::wstring_view printCaption,
                                                std::wstring_view administrativeToolsCaption) noexcept;
// From W (that caption's text width + 8) and the shut-down caption's text
// width: the window width, the links' widths, the Send Feedback button's
// place and the shut-down button's width.
void JisuanWidthandImagenoteWidth(MenuLayout& layout, int linkWidth, int shutdownCaptionTextWidth);

// Display state of a right-hand link: 0 hidden, 1 a link, 2 a link with a pop-out menu.
using RightLinkStates = std::array<int, kRightLinkCount>;
// The links a fresh installation shows: user folder, documents, pictures,
// music, games, computer, Control Panel, devices and printers, default
// programs, help.
inline constexpr RightLinkStates kDefaultLinkStates{1, 1, 1, 1, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 1, 1, 1, 0, 1, 0};
// Places the Send Feedback button, the shown links in their three groups and
// the two separators; nothing goes below the shut-down button's top. `y` is
// the floating user picture's top in client coordinates.
void LayoutRightColumn(MenuLayout& layout, int y, const RightLinkStates& states);

// The white panel widened over the whole window while search results show.
void ShowSearchLayout(MenuLayout& layout);
void HideSearchLayout(MenuLayout& layout);

// The link tags of the three groups, top to bottom.
inline constexpr std::array<int, 8> kRightGroup1{0, 1, 2, 3, 4, 5, 6, 7};
inline constexpr std::array<int, 6> kRightGroup2{8, 9, 10, 11, 12, 13};
inline constexpr std::array<int, 6> kRightGroup3{14, 15, 16, 17, 18, 19};

// Fixed places the window's design gives.
inline constexpr int kMenuBaseWidth = 410;
inline constexpr int kMenuStartHeight = 97;
inline constexpr int kLinkLeft = 266;
inline constexpr int kLinkPitch = 36;
