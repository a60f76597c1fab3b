#include "startbutton/taskbar_placement.h"

#include <cstdint>
#include <string>

#include "catalogue/taskbar_geometry.h"
#include "catalogue/window_placement.h"
#include "platform/debug_output.h"
#include "platform/unique_handle.h"
#include "settings/data_folder.h"
#include "settings/ini_text.h"
#include "startbutton/band_geometry.h"
#include "startbutton/companion_interface.h"
#include "startbutton/companions.h"

HWND TrayWindow = nullptr;
HWND ReBarWindow = nullptr;
RECT TrayRect{};
RECT ReBarRect{};
int ReBarGap = 0;

namespace {

namespace taskbar = companion::taskbar;

// The button's place before it is snapped onto the taskbar; where it stays
// when there is no taskbar to snap to.
constexpr int kButtonStartX = 0;
constexpr int kButtonStartY = -6;

constexpr UINT kEmbedMoveFlags = SWP_NOZORDER | SWP_NOACTIVATE;
// The move back also redraws the taskbar's frame and shows the band in case
// it was hidden, without copying the old pixels.
constexpr UINT kRestoreMoveFlags =
    SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_FRAMECHANGED | SWP_SHOWWINDOW | SWP_NOCOPYBITS;
static_assert(kRestoreMoveFlags == 0x17C);

// An unreadable window (none found, or gone) reads as an empty rectangle, so
// no stale value from an earlier taskbar is measured against a new one.
RECT ReadRect(HWND window) {
    RECT rect{};
    if (!window || !::GetWindowRect(window, &rect)) rect = {};
    return rect;
}

geometry::Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

HWND FindTaskbar() { return ::FindWindowW(taskbar::kTrayClass, nullptr); }

HWND FindBand(HWND tray) { return tray ? ::FindWindowExW(tray, nullptr, taskbar::kBandClass, nullptr) : nullptr; }

void MoveBand(const band::Placement& to, UINT flags) {
    if (ReBarWindow) ::SetWindowPos(ReBarWindow, nullptr, to.x, to.y, to.width, to.height, flags);
}

void NotifyBand(std::uint32_t state) {
    if (ReBarWindow) ::SendMessageW(ReBarWindow, taskbar::kBandMovedMessage, state, 0);
}

std::wstring UserProfile() {
    const DWORD needed = ::GetEnvironmentVariableW(L"USERPROFILE", nullptr, 0);
    if (needed == 0) return {};
    std::wstring profile(needed, L'\0');
    const DWORD length = ::GetEnvironmentVariableW(L"USERPROFILE", profile.data(), needed);
    profile.resize(length < needed ? length : 0);
    return profile;
}

}  // namespace

void EmbedButtonInTaskbar(HWND button) { EmbedButtonInTaskbar(button, FindTaskbar()); }

void EmbedButtonInTaskbar(HWND button, HWND tray) {
    TrayWindow = tray;
    TrayRect = ReadRect(TrayWindow);
    ReBarWindow = FindBand(TrayWindow);
    ReBarRect = ReadRect(ReBarWindow);
    DebugOut(L"Create_ParentWindow");

    const int edge = GetTaskbarEdge(TrayWindow);
    ReBarGap = band::GapBeforeBand(edge, ToRect(TrayRect), ToRect(ReBarRect));
    MoveBand(band::BandAside(edge, ToRect(TrayRect), ToRect(ReBarRect)), kEmbedMoveFlags);
    SaveMenuHeightWidth(ReBarGap);

    if (button) {
        ::SetWindowPos(button, nullptr, kButtonStartX, kButtonStartY, band::kButtonSize, band::kButtonSize,
                       kEmbedMoveFlags);
        // Fails without a taskbar; the button then stays where it was put.
        PositionWindowAtTaskbar(button, TrayWindow);
        ::ShowWindow(button, SW_SHOWNOACTIVATE);
    }
    NotifyBand(taskbar::kBandMovedAside);
}

void RestoreTaskbar() {
    // Best effort: whoever reads the marker copes with its absence.
    static_cast<void>(CreateMarkerFile(taskbar::kRestoredMarkerFile));
    NotifyBand(taskbar::kBandMovingBack);

    ReBarRect = ReadRect(ReBarWindow);
    TrayRect = ReadRect(TrayWindow);
    const int edge = GetTaskbarEdge(TrayWindow);

    TrayWindow = FindTaskbar();
    if (TrayWindow) ::SendMessageW(TrayWindow, WM_NULL, 0, taskbar::kRestoredLParam);

    StopCompanions();

    ReBarGap = band::kRestoredGap;
    const band::Placement back = band::BandRestored(edge, ToRect(TrayRect), ToRect(ReBarRect));
    DebugOut(L"ALeft: " + std::to_wstring(back.x) + L",Top:" + std::to_wstring(back.y) + L",ARight:" +
             std::to_wstring(back.width) + L",ABottom:" + std::to_wstring(back.height));
    MoveBand(back, kRestoreMoveFlags);
}

bool CreateMarkerFile(std::wstring_view name) {
    std::wstring path(TrimBlanks(UserProfile()));
    if (!path.empty() && path.back() != L'\\') path.push_back(L'\\');
    path.append(L"AppData\\LocalLow\\").append(name);
    const UniqueFileHandle file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file);
}
