#include "taskbar_layout.h"

bool ParseTaskbarEdge(std::wstring_view text, TaskbarEdge& edge) {
    if (text == L"bottom") edge = TaskbarEdge::Bottom;
    else if (text == L"top") edge = TaskbarEdge::Top;
    else if (text == L"left") edge = TaskbarEdge::Left;
    else if (text == L"right") edge = TaskbarEdge::Right;
    else return false;
    return true;
}

const wchar_t* TaskbarEdgeName(TaskbarEdge edge) {
    switch (edge) {
    case TaskbarEdge::Top: return L"top";
    case TaskbarEdge::Left: return L"left";
    case TaskbarEdge::Right: return L"right";
    case TaskbarEdge::Bottom: break;
    }
    return L"bottom";
}

StandInLayout LayoutTaskbar(TaskbarEdge edge, int screenWidth, int screenHeight) {
    StandInLayout layout;
    switch (edge) {
    case TaskbarEdge::Bottom:
        layout.tray = {0, screenHeight - kHorizontalThickness, screenWidth, screenHeight};
        break;
    case TaskbarEdge::Top:
        layout.tray = {0, 0, screenWidth, kHorizontalThickness};
        break;
    case TaskbarEdge::Left:
        layout.tray = {0, 0, kVerticalThickness, screenHeight};
        break;
    case TaskbarEdge::Right:
        layout.tray = {screenWidth - kVerticalThickness, 0, screenWidth, screenHeight};
        break;
    }
    const int width = layout.tray.right - layout.tray.left;
    const int height = layout.tray.bottom - layout.tray.top;
    // The task band starts at the taskbar's starting end, as on a desktop
    // without a start button, and stops short of the notification area.
    if (edge == TaskbarEdge::Bottom || edge == TaskbarEdge::Top)
        layout.band = {0, 0, width - kNotificationArea, height};
    else
        layout.band = {0, 0, width, height - kNotificationArea};
    return layout;
}
