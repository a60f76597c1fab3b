#include "catalogue/window_placement.h"

#include <shellapi.h>

#include "catalogue/taskbar_geometry.h"
#include "startbutton/companion_interface.h"

int MenuX = 0;
int MenuY = 0;

namespace {

bool ReadWindowRect(HWND window, geometry::Rect& rect) {
    RECT r{};
    if (!::GetWindowRect(window, &r)) return false;
    rect = {r.left, r.top, r.right, r.bottom};
    return true;
}

geometry::Size ScreenSize() { return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}; }

void BringToTopAndForeground(HWND window) {
    ::BringWindowToTop(window);
    ::SetForegroundWindow(window);
}

}  // namespace

bool BringWindowToFront(HWND window) {
    if (::IsIconic(window)) ::ShowWindow(window, SW_RESTORE);
    if (::GetForegroundWindow() == window) return true;

    // Joining the foreground window's input queue lets this thread take the
    // foreground from it.
    const DWORD foregroundThread = ::GetWindowThreadProcessId(::GetForegroundWindow(), nullptr);
    const DWORD windowThread = ::GetWindowThreadProcessId(window, nullptr);
    const bool attached = foregroundThread != 0 && foregroundThread != windowThread &&
                          ::AttachThreadInput(windowThread, foregroundThread, TRUE);
    BringToTopAndForeground(window);
    if (attached) ::AttachThreadInput(windowThread, foregroundThread, FALSE);
    if (::GetForegroundWindow() == window) return true;

    // Still refused: the foreground lock time-out is in the way; lift it for one more try.
    DWORD savedTimeout = 0;
    ::SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &savedTimeout, 0);
    ::SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<void*>(static_cast<ULONG_PTR>(0)),
                            SPIF_SENDCHANGE);
    BringToTopAndForeground(window);
    ::SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0,
                            reinterpret_cast<void*>(static_cast<ULONG_PTR>(savedTimeout)), SPIF_SENDCHANGE);
    return ::GetForegroundWindow() == window;
}

int GetTaskbarEdge(HWND taskbar) {
    geometry::Rect rect;
    if (!ReadWindowRect(taskbar, rect)) return geometry::kEdgeBottom;
    return geometry::TaskbarEdgeOf(rect);
}

bool PositionWindowAtTaskbar(HWND window, HWND anchor, int* x, int* y) {
    geometry::Rect windowRect, anchorRect;
    if (!window || !ReadWindowRect(window, windowRect) || !ReadWindowRect(anchor, anchorRect)) return false;
    APPBARDATA appBar{};
    appBar.cbSize = sizeof appBar;
    if (!::SHAppBarMessage(ABM_GETTASKBARPOS, &appBar)) return false;

    const geometry::Point at = geometry::PositionAtTaskbar(appBar.uEdge, anchorRect, windowRect, ScreenSize());
    if (x && y) {
        *x = at.x;
        *y = at.y;
        return true;
    }
    return ::SetWindowPos(window, nullptr, at.x, at.y, 0, 0,
                          SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOCOPYBITS |
                              SWP_NOOWNERZORDER) != FALSE;
}

void PlaceMenuWindow(HWND menuWindow, int& x, int& y) {
    geometry::Rect menuRect, taskbarRect;
    ReadWindowRect(menuWindow, menuRect);
    bool bottom = false;
    const HWND taskbar = ::FindWindowW(companion::taskbar::kTrayClass, nullptr);
    if (taskbar && ReadWindowRect(taskbar, taskbarRect)) {
        if (const auto placement = geometry::PlaceMenuAtTaskbar(
                taskbarRect, {menuRect.Width(), menuRect.Height()}, ScreenSize())) {
            // Recorded first: the menu window holds itself to MenuX/MenuY while it moves.
            MenuX = placement->position.x;
            MenuY = placement->position.y;
            ::SetWindowPos(menuWindow, nullptr, placement->position.x, placement->position.y, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            bottom = placement->bottom;
        }
    }
    const geometry::Point anchor = geometry::MenuAnchorPoint({MenuX, MenuY}, menuRect.Width(), bottom);
    x = anchor.x;
    y = anchor.y;
}
