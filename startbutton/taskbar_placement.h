#pragma once
// The start button over the taskbar: the taskbar's band window (the child
// holding the task buttons) moved aside to make room for the button, and
// moved back when the program lets the taskbar go. The taskbar-side companion
// program is told about both moves by private messages.

#include <windows.h>

#include <string_view>

// Kept from one call to the next. TrayWindow and ReBarWindow are the taskbar
// ("Shell_TrayWnd") and its first "ReBarWindow32" child found by the last
// embedding (TrayWindow is looked up again by the restore); TrayRect and
// ReBarRect their screen rectangles as last read (empty when a window could
// not be read); ReBarGap the pixels in front of the band, measured by the
// last embedding, or 11 after a restore.
extern HWND TrayWindow;
extern HWND ReBarWindow;
extern RECT TrayRect;
extern RECT ReBarRect;
extern int ReBarGap;

// Moves the band 54 pixels from the taskbar's starting end, stores the gap
// found in front of it as "Main"/"HeightWidth" of Main.ini, places `button`
// (54 x 54) over the room made, shows it without activating it, and tells the
// band. Positions are absolute, so it may run any number of times. Without a
// taskbar or band the calls on them do nothing and the button is shown at
// (0, -6).
void EmbedButtonInTaskbar(HWND button);
// The same with the taskbar window given: the one above finds it by class.
void EmbedButtonInTaskbar(HWND button, HWND tray);

// Lets the taskbar go: creates the marker file, tells the band and the
// taskbar, stops the companion programs and moves the band back to 11 pixels
// from the taskbar's starting end (again absolute: restoring twice is the same
// as once). The button window is left as it is.
void RestoreTaskbar();

// Creates (or empties) the file `name` in the profile's AppData\LocalLow
// folder (USERPROFILE trimmed, a backslash added when missing). The folder is
// not created; false when the file could not be made.
[[nodiscard]] bool CreateMarkerFile(std::wstring_view name);
