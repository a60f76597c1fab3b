#pragma once
// Every key of Main.ini the program knows, with the value a reader takes when
// the key or the file is missing. The settings program writes all of them
// except "HeightWidth".

#include <array>
#include <string_view>

namespace main_ini {

inline constexpr std::wstring_view kFileName = L"Main.ini";

struct StringKey {
    std::wstring_view section;
    std::wstring_view key;
    std::wstring_view fallback;
};

struct IntegerKey {
    std::wstring_view section;
    std::wstring_view key;
    int fallback;
};

inline constexpr StringKey kLanguage{L"Main", L"Language", L"English"};
inline constexpr StringKey kSkinName{L"Main", L"SkinName", L"Classic"};
inline constexpr StringKey kUserAvatar{L"Main", L"UserAvatar", L""};
// "win7" selects the Windows 7 look; any other value the Windows 8 look.
inline constexpr StringKey kWindowsStyle{L"Main", L"WindowsStyle", L"win8"};
// Written when the start button is embedded, never read back.
inline constexpr IntegerKey kHeightWidth{L"Main", L"HeightWidth", 0};

// Shortcut codes: low byte the virtual key, 0x2000 Shift, 0x4000 Ctrl,
// 0x8000 Alt; 0 is no shortcut.
inline constexpr IntegerKey kSettingsHotKey{L"Setting", L"HotKey", 0x8053};  // Alt+S
inline constexpr IntegerKey kMetroHotKey{L"Setting", L"Metro", 0x8058};     // Alt+X
inline constexpr IntegerKey kRunHotKey{L"Setting", L"Run", 0x8052};         // Alt+R

inline constexpr unsigned kShortcutShift = 0x2000;
inline constexpr unsigned kShortcutCtrl = 0x4000;
inline constexpr unsigned kShortcutAlt = 0x8000;

// The right-hand links section; values and defaults belong to the links model.
inline constexpr std::wstring_view kMenuSection = L"Menu";
inline constexpr std::array<std::wstring_view, 20> kMenuKeys = {
    L"Administrative Tools", L"Documenuts" /* so spelled in every Main.ini */, L"Pictures", L"Music", L"Games",
    L"Computer", L"Control Panel", L"Devices and Printers", L"Connect To", L"Default Programs", L"Downloads",
    L"Favorites", L"Homegroup", L"Network", L"Personal Folder", L"Recent Items", L"Recorded TV", L"Run...",
    L"Videos", L"Help and Support"};

}  // namespace main_ini
