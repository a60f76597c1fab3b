#pragma once
// The Windows side of the start menu's looks: the menu colour from the
// desktop window manager, the "win7" glass background and window region.

#include <windows.h>

#include "platform/unique_handle.h"

// The window colour of the "win8" style. A failed colorization query (no
// dwmapi.dll, or Wine's E_NOTIMPL) gives light grey (215, 215, 215). Writes
// the three colour texts to the debugger output.
[[nodiscard]] COLORREF GetDwmMenuColor();

// The screen rectangle at (screenLeft, screenTop), width x height, blurred
// and overlaid with the menu colour at 200/255: a top-down 32-bit DIB
// section. Empty when the size is not positive or the copy fails.
[[nodiscard]] UniqueHbitmap MakeGlassBackground(int screenLeft, int screenTop, int width, int height);

// The "win7" window region (only the two top corners rounded), for SetWindowRgn.
[[nodiscard]] UniqueHrgn MakeWin7Region(int clientWidth, int clientHeight);
