// The start menu's two looks: "win8", flat in the menu colour, and "win7",
// blurred glass with rounded top corners and a drawn border.

#include "platform/gdi_scope.h"
#include "settings/data_folder.h"
#include "settings/main_ini.h"
#include "settings/profile_ini_file.h"
#include "startmenu/glass_background.h"
#include "startmenu/start_menu_form.h"

namespace {

RECT ToRect(const MenuRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

void TQelStartMenuFrm::LoadWindowsStyle() {
    const std::wstring style =
        TIniFile(GetDataFolder() + std::wstring(main_ini::kFileName))
            .ReadString(main_ini::kWindowsStyle.section, main_ini::kWindowsStyle.key, main_ini::kWindowsStyle.fallback);
    WindowsStyleWin8 = ParseWindowsStyle(style) == WindowsStyle::Win8;
    RECT client{};
    ::GetClientRect(Handle(), &client);
    if (!WindowsStyleWin8) {
        // The system owns the region once it is set.
        if (UniqueHrgn region = MakeWin7Region(client.right, client.bottom);
            region && ::SetWindowRgn(Handle(), region.get(), TRUE))
            (void)region.release();
        RECT window{};
        ::GetWindowRect(Handle(), &window);
        BackgroundBitmap = MakeGlassBackground(window.left, window.top, client.right, client.bottom);
    } else {
        const MenuRect r = Win8RegionRect(client.right, client.bottom);
        if (UniqueHrgn region(::CreateRectRgn(r.left, r.top, r.right, r.bottom));
            region && ::SetWindowRgn(Handle(), region.get(), TRUE))
            (void)region.release();
        menuColour_ = GetDwmMenuColor();
    }
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TQelStartMenuFrm::PaintBackground(HDC dc, const RECT& client) {
    if (WindowsStyleWin8 || !BackgroundBitmap) {
        UniqueHbrush brush(::CreateSolidBrush(menuColour_));
        ::FillRect(dc, &client, brush.get());
        return;
    }
    const UniqueMemoryDc memory(::CreateCompatibleDC(dc));
    if (memory) {
        const SelectedObject selected(memory.get(), BackgroundBitmap.get());
        ::BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    }
    PaintWin7Border(dc, client);
}

void TQelStartMenuFrm::PaintWin7Border(HDC dc, const RECT& client) const {
    const Win7BorderRects border = MakeWin7BorderRects(client.right, client.bottom);
    ImgTop.GetPicture().Draw(dc, ToRect(border.top));
    ImgBottom.GetPicture().Draw(dc, ToRect(border.bottom));
    ImgLeft.GetPicture().Draw(dc, ToRect(border.left));
    ImgRight.GetPicture().Draw(dc, ToRect(border.right));
    ImgTopLeft.GetPicture().Draw(dc, ToRect(border.topLeft));
    ImgTopRight.GetPicture().Draw(dc, ToRect(border.topRight));
}
