#pragma once
// Windows against the taskbar, and bringing a window to the front. The rules
// themselves are in taskbar_geometry.h; these gather the rectangles.

#include <windows.h>

// Where the start menu window was last placed (left, top), kept for the
// start menu window to hold its position between shows.
extern int MenuX;
extern int MenuY;

// Restores a minimised window and makes it the foreground window, working
// around the foreground lock if needed; true when it is in front.
bool BringWindowToFront(HWND window);

// 1 bottom, 2 left, 3 top, 4 right, from the rectangle of `taskbar` (the
// window the start button found); 1 when its rectangle cannot be read.
[[nodiscard]] int GetTaskbarEdge(HWND taskbar);

// Places `window` next to `anchor` by the edge the shell reports for the
// taskbar. With both `x` and `y` given the position is only stored there;
// otherwise the window is moved. False when a rectangle or the edge cannot be
// read, or the move fails.
bool PositionWindowAtTaskbar(HWND window, HWND anchor, int* x = nullptr, int* y = nullptr);

// Moves the start menu window to the start corner of the taskbar
// ("Shell_TrayWnd"), records it in MenuX/MenuY and gives in `x`/`y` the
// point over the middle of the menu's right-hand column. When the taskbar fits
// no edge the window stays and the recorded position is used.
void PlaceMenuWindow(HWND menuWindow, int& x, int& y);
