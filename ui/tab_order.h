#pragma once
// Tab order of windowed controls among their siblings. Each window carries
// its order as a window property, so controls of different kinds (native
// controls, panels) are ordered together without knowing each other.

#include <windows.h>

// Records `order` for `window` and moves the window in its siblings' z-order
// behind the last sibling with an order at or below it. Siblings without an
// order keep their places.
void PlaceInTabOrder(HWND window, int order) noexcept;

// The window's part before it is destroyed: properties must not outlive it.
void ForgetTabOrder(HWND window) noexcept;
