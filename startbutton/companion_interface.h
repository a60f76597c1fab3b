#pragma once
// How Dravix and the programs around it find and talk to each other: file
// names, command-line arguments, window classes and captions, private message
// ids, WM_COPYDATA kinds, channel names and values, hotkey atom names.
// Programs outside this system (settings, checker, elevation helpers, the
// taskbar side) are bound by the same values, so none of them may change.
//
// Portable on purpose (no Windows header): message ids are plain integers,
// texts are wide string literals.

#include <cstdint>

namespace companion {

using MessageId = std::uint32_t;

// The folder beside the executable and the library both programs import.
namespace files {
inline constexpr wchar_t kDravixExe[] = L"Dravix.exe";      // the main program (start button and menu)
inline constexpr wchar_t kKeyvaneExe[] = L"Keyvane.exe";    // the Windows-key hook program
inline constexpr wchar_t kCalibrixExe[] = L"Calibrix.exe";  // the settings program, writes Main.ini
inline constexpr wchar_t kQorvitExe[] = L"Qorvit.exe";      // the checker: starts and ends Keyvane.exe
inline constexpr wchar_t kElevon32Exe[] = L"Elevon32.exe";  // elevation helper on 32-bit Windows
inline constexpr wchar_t kElevon64Exe[] = L"Elevon64.exe";  // elevation helper on 64-bit Windows
inline constexpr wchar_t kRelaybusDll[] = L"Relaybus.dll";  // the named channel library
}  // namespace files

// Dravix.exe: the start button window and the start menu window.
namespace dravix {
// Start button window: the hook program finds it by class and caption.
inline constexpr wchar_t kStartButtonClass[] = L"TfrmStartMenu";
inline constexpr wchar_t kStartButtonCaption[] = L"Kavor_StartMenu_Button";
// Start menu window: the target of the companions' messages below.
inline constexpr wchar_t kStartMenuClass[] = L"TQelStartMenuFrm";
inline constexpr wchar_t kStartMenuCaption[] = L"Kavor_Dravix";

// To the start button window.
inline constexpr MessageId kToggleMenuMessage = 0x7E8;      // WM_USER+1000: the Windows key alone, open or close the menu
inline constexpr MessageId kHideAndReleaseMessage = 0x7ED;  // WM_USER+1005: hide menu and button, restore the taskbar

// To the start menu window.
inline constexpr MessageId kAliveAnswerMessage = 0xC98;       // 3224: taskbar side's answer, lParam = new count
inline constexpr MessageId kHookAliveMessage = 0xC99;         // 3225: hook program confirmed, reset its count
inline constexpr MessageId kHotCornerCountMessage = 0xDC6;    // 3526: helper's hot-corner count in lParam
inline constexpr MessageId kCompanionLoadedMessage = 0x52C;   // 1324: companion loaded, start-up continues
inline constexpr MessageId kRefreshUserNameMessage = 0x537;   // 1335: show the user name again
inline constexpr MessageId kSettingsChangedMessage = 0xE28;   // 3624: reload skin, hotkeys, links, language; hide
inline constexpr MessageId kQuitMessage = 0x4C8;              // 1224 (WM_USER+200): end the program

// To the hidden main window, from the shell's change notification.
inline constexpr MessageId kPinnedFolderChangedMessage = 0x40A;  // WM_USER+10

// Global atoms whose values are the hotkey ids ("Setttings" with three t, as registered).
inline constexpr wchar_t kSettingsHotkeyAtom[] = L"Dravix_Setttings_KeyId";  // opens Calibrix.exe
inline constexpr wchar_t kMetroHotkeyAtom[] = L"Dravix_Metro_KeyId";         // switches to the Metro start screen
inline constexpr wchar_t kRunHotkeyAtom[] = L"Dravix_Run_KeyId";             // opens the Run dialog
}  // namespace dravix

// Keyvane.exe: the Windows-key hook program, receiver of the enable channel.
namespace keyvane {
inline constexpr wchar_t kWindowClass[] = L"TKeyvaneWin";
inline constexpr wchar_t kWindowCaption[] = L"KavorKeyvaneWin";
// Accepted and ignored by its window (the same id resets the hook count at the start menu).
inline constexpr MessageId kHookAliveMessage = 0xC99;

// Channel that switches the hook on and off.
inline constexpr wchar_t kEnableChannel[] = L"KeyvaneWinEnable_Name";
inline constexpr wchar_t kEnableValue[] = L"Enable";      // the hook acts on the Windows keys
inline constexpr wchar_t kDisableValue[] = L"DisEnable";  // the hook lets every key through
}  // namespace keyvane

// Qorvit.exe: the checker, receiver of the channel that starts and ends Keyvane.exe.
namespace qorvit {
inline constexpr wchar_t kLoadArgument[] = L"/loaddll";    // once at start-up, before the first "Start"
inline constexpr wchar_t kRestartArgument[] = L"/Restart";  // from the watchdog: bring the main program back

inline constexpr wchar_t kHookChannel[] = L"Keyvane_Win";
inline constexpr wchar_t kStartValue[] = L"Start";  // start Keyvane.exe
inline constexpr wchar_t kKillValue[] = L"Kill";    // end Keyvane.exe
}  // namespace qorvit

// Elevon32.exe / Elevon64.exe: hot corners and the Control Panel items.
namespace elevon {
inline constexpr wchar_t kHotCornersArgument[] = L"/HotCorners";
inline constexpr wchar_t kWindowClass[] = L"TfrmKavor_Elevon";
inline constexpr wchar_t kWindowCaption[] = L"Kavor_Dravix_Elevon";

// Posted to the helper's window.
inline constexpr MessageId kWakeMessage = 0xDC4;  // 3524: wake the running helper
inline constexpr std::uint32_t kWakeWParam = 0;
inline constexpr std::uint32_t kWakeLParam = 3;
inline constexpr MessageId kRequestControlPanelMessage = 0xDC9;  // 3529: send the Control Panel items

// WM_COPYDATA kinds (dwData).
inline constexpr std::uint32_t kControlPanelItemKind = 3530;  // 0xDCA, helper -> start menu: one item
inline constexpr std::uint32_t kControlPanelEndKind = 3531;   // 0xDCB, helper -> start menu: list complete
inline constexpr std::uint32_t kOpenControlPanelKind = 3532;  // 0xDCC, main program -> helper: open an item

// Item record: the name as 260 UTF-16 characters (zero-terminated), then a
// 32-bit icon handle at byte offset 520.
inline constexpr std::uint32_t kItemNameChars = 260;
inline constexpr std::uint32_t kItemIconOffset = kItemNameChars * 2;
// Open request: the name, zero-terminated and zero-padded to characters * 2 + 8 bytes.
inline constexpr std::uint32_t kOpenRequestExtraBytes = 8;
}  // namespace elevon

// The taskbar (Explorer) and the taskbar-side companion listening on it.
namespace taskbar {
inline constexpr wchar_t kTrayClass[] = L"Shell_TrayWnd";
inline constexpr wchar_t kBandClass[] = L"ReBarWindow32";  // child of the tray window, moved aside for the button

// Sent to the band window: wParam 1 after moving it aside, 0 before moving it back.
inline constexpr MessageId kBandMovedMessage = 0x7E9;  // WM_USER+1001
inline constexpr std::uint32_t kBandMovedAside = 1;
inline constexpr std::uint32_t kBandMovingBack = 0;
// Posted to the band window once a second; lParam = ticks without an answer.
inline constexpr MessageId kAliveRequestMessage = 0xC98;  // 3224
// Sent to the tray window as message 0 with this lParam when the taskbar is restored.
inline constexpr std::uint32_t kRestoredLParam = 3457;
// Empty file in the profile's AppData\LocalLow folder, created when the taskbar is restored.
inline constexpr wchar_t kRestoredMarkerFile[] = L"ChangeTaskbarRect";
}  // namespace taskbar

}  // namespace companion
