#pragma once
// Where the taskbar stand-in puts itself: pure arithmetic, shared with tests.

#include <string_view>

enum class TaskbarEdge { Bottom, Top, Left, Right };

struct StandInRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct StandInLayout {
    StandInRect tray;  // screen coordinates
    StandInRect band;  // relative to the tray window's client area
};

inline constexpr int kHorizontalThickness = 40;  // a Windows 8 taskbar at 96 dpi
inline constexpr int kVerticalThickness = 62;
inline constexpr int kNotificationArea = 160;   // the part past the band (clock, tray icons)

bool ParseTaskbarEdge(std::wstring_view text, TaskbarEdge& edge);
const wchar_t* TaskbarEdgeName(TaskbarEdge edge);

StandInLayout LayoutTaskbar(TaskbarEdge edge, int screenWidth, int screenHeight);
