#pragma once
// Process-wide flags shared by the windows. All of them live on the main
// thread; each is owned by the window named beside it.

inline bool AllowClose = false;         // the start button window may close (start button, session end)
inline bool StartupLoaded = false;      // the start-up work is done; the button answers clicks
inline bool MenuShown = false;          // the start menu window is shown
inline bool ButtonHover = false;        // the mouse is over the start button
inline bool WinKeyOpenPending = false;  // a Windows-key open request is being handled
inline bool Is64BitWindows = false;     // a 32-bit program on 64-bit Windows
inline bool UseDefaultSkin = false;     // the skin files are incomplete: draw the built-in pictures
