#include "startmenu/glass_background.h"

#include <cstdint>
#include <span>

#include "platform/debug_output.h"
#include "platform/gdi_scope.h"
#include "startmenu/glass_style.h"

namespace {

// 0 (every component 0) when dwmapi.dll or its export is missing or the query fails.
std::uint32_t ColorizationColour() {
    using Query = HRESULT(WINAPI*)(DWORD*, BOOL*);
    const UniqueHmodule dwm(::LoadLibraryW(L"dwmapi.dll"));
    if (!dwm) return 0;
    const auto query =
        reinterpret_cast<Query>(reinterpret_cast<void*>(::GetProcAddress(dwm.get(), "DwmGetColorizationColor")));
    if (!query) return 0;
    DWORD colour = 0;
    BOOL opaque = FALSE;
    if (FAILED(query(&colour, &opaque))) return 0;
    return colour;
}

}  // namespace

COLORREF GetDwmMenuColor() {
    const MenuColour menu = ComputeMenuColour(ColorizationColour());
    for (const auto& text : menu.debugTexts) DebugOut(text);
    return RGB(menu.colour.red, menu.colour.green, menu.colour.blue);
}

UniqueHbitmap MakeGlassBackground(int screenLeft, int screenTop, int width, int height) {
    if (width <= 0 || height <= 0) return {};
    const WindowDc screen;
    if (!screen) return {};
    const UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
    if (!memory) return {};

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueHbitmap bitmap(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return {};
    {
        const SelectedObject selected(memory.get(), bitmap.get());
        if (!::BitBlt(memory.get(), 0, 0, width, height, screen.get(), screenLeft, screenTop, SRCCOPY)) return {};
    }
    ::GdiFlush();

    const PixelView picture{std::span(static_cast<std::uint32_t*>(bits),
                                      static_cast<std::size_t>(width) * static_cast<std::size_t>(height)),
                            width, height, width};
    // The screen copy carries no alpha: make it an opaque ARGB picture.
    for (std::uint32_t& pixel : picture.pixels) pixel |= 0xFF000000u;
    if (const auto sum = GaussianBlur(picture, 0, kGlassBlurSigma)) DebugOut(KernelSumText(*sum));

    const COLORREF colour = GetDwmMenuColor();
    BlendColourOver(picture, {GetRValue(colour), GetGValue(colour), GetBValue(colour)}, kGlassColourAlpha);
    return bitmap;
}

UniqueHrgn MakeWin7Region(int clientWidth, int clientHeight) {
    const Win7RegionShape shape = MakeWin7RegionShape(clientWidth, clientHeight);
    UniqueHrgn region(::CreateRoundRectRgn(shape.rounded.left, shape.rounded.top, shape.rounded.right,
                                           shape.rounded.bottom, shape.cornerWidth, shape.cornerHeight));
    const UniqueHrgn square(
        ::CreateRectRgn(shape.square.left, shape.square.top, shape.square.right, shape.square.bottom));
    if (!region || !square) return {};
    if (::CombineRgn(region.get(), region.get(), square.get(), RGN_OR) == ERROR) return {};
    return region;
}
