// The start menu's looks against the real system: the menu colour query,
// the glass background made from a screen copy, the win7 window region.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/unique_handle.h"
#include "startmenu/glass_background.h"
#include "tests/harness/debug_capture.h"

namespace {

// Under Wine the colorization query is not implemented: every component counts as 0.
constexpr COLORREF kFallbackMenuColour = RGB(215, 215, 215);

TEST(GlassBackground, FailedColourQueryGivesLightGreyAndWritesItsTexts) {
    DebugOutputCapture capture;
    ASSERT_TRUE(capture.IsListening());
    EXPECT_EQ(GetDwmMenuColor(), kFallbackMenuColour);
    const DWORD self = ::GetCurrentProcessId();
    ASSERT_TRUE(capture.WaitFor(L"222222222 R:215g:215b:215", self));
    EXPECT_EQ(capture.Texts(self),
              (std::vector<std::wstring>{L"al:0", L"11111111 R:0g:0b:0", L"222222222 R:215g:215b:215"}));
}

// A topmost popup that shows nothing but one colour.
class ColourPatch {
public:
    ColourPatch(COLORREF colour, RECT place) : brush_(::CreateSolidBrush(colour)) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = ::DefWindowProcW;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.hbrBackground = brush_.get();
        windowClass.lpszClassName = L"DravixGlassPatch";
        ::RegisterClassW(&windowClass);
        window_.reset(::CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, L"DravixGlassPatch",
                                        L"", WS_POPUP | WS_VISIBLE, place.left, place.top,
                                        place.right - place.left, place.bottom - place.top, nullptr, nullptr,
                                        windowClass.hInstance, nullptr));
        ::RedrawWindow(window_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        // Let the X server show it before the screen is copied.
        for (int i = 0; i < 20; ++i) {
            MSG message;
            while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
            ::Sleep(25);
        }
    }
    ColourPatch(const ColourPatch&) = delete;
    ColourPatch& operator=(const ColourPatch&) = delete;
    ~ColourPatch() {
        window_.reset();
        ::UnregisterClassW(L"DravixGlassPatch", ::GetModuleHandleW(nullptr));
    }
    [[nodiscard]] bool IsShown() const { return window_ && ::IsWindowVisible(window_.get()); }

private:
    UniqueHbrush brush_;
    UniqueHwnd window_;
};

// The bitmap's pixels, 0x..RRGGBB each, row 0 first.
std::vector<DWORD> PixelsOf(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<std::size_t>(width) * height);
    HDC screen = ::GetDC(nullptr);
    const int rows = ::GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (rows != height) pixels.clear();
    return pixels;
}

TEST(GlassBackground, ScreenOfOneColourGivesThatColourUnderTheMenuColour) {
    const struct {
        COLORREF colour;
        const char* name;
    } cases[] = {{RGB(200, 30, 90), "crimson"}, {RGB(0, 0, 0), "black"}, {RGB(255, 255, 255), "white"}};
    const RECT place{200, 150, 500, 400};
    const int left = 230, top = 170, width = 120, height = 90;  // wholly inside the patch
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ColourPatch patch(c.colour, place);
        ASSERT_TRUE(patch.IsShown());
        const UniqueHbitmap background = MakeGlassBackground(left, top, width, height);
        ASSERT_TRUE(background);
        BITMAP info{};
        ASSERT_EQ(::GetObjectW(background.get(), sizeof(info), &info), static_cast<int>(sizeof(info)));
        EXPECT_EQ(info.bmWidth, width);
        EXPECT_EQ(info.bmHeight, height);
        EXPECT_EQ(info.bmBitsPixel, 32);

        const auto pixels = PixelsOf(background.get(), width, height);
        ASSERT_EQ(pixels.size(), static_cast<std::size_t>(width) * height);
        const auto expected = [](int under, int over) { return (over * 200 + under * 55) / 255.0; };
        const double red = expected(GetRValue(c.colour), GetRValue(kFallbackMenuColour));
        const double green = expected(GetGValue(c.colour), GetGValue(kFallbackMenuColour));
        const double blue = expected(GetBValue(c.colour), GetBValue(kFallbackMenuColour));
        int wrong = 0;
        for (std::size_t i = 0; i < pixels.size() && wrong < 5; ++i) {
            const int r = (pixels[i] >> 16) & 0xFF, g = (pixels[i] >> 8) & 0xFF, b = pixels[i] & 0xFF;
            if (std::abs(r - red) > 1 || std::abs(g - green) > 1 || std::abs(b - blue) > 1) {
                ++wrong;
                ADD_FAILURE() << "pixel " << i % width << "," << i / width << " is " << r << "," << g << "," << b
                              << " not " << red << "," << green << "," << blue;
            }
        }
    }
}

TEST(GlassBackground, EmptySizeGivesNoBitmap) {
    EXPECT_FALSE(MakeGlassBackground(0, 0, 0, 10));
    EXPECT_FALSE(MakeGlassBackground(0, 0, 10, -1));
}

TEST(Win7Region, OnlyTheTopCornersAreCut) {
    const struct {
        int width, height;
    } sizes[] = {{410, 550}, {520, 300}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(testing::Message() << s.width << "x" << s.height);
        const UniqueHrgn region = MakeWin7Region(s.width, s.height);
        ASSERT_TRUE(region);
        EXPECT_TRUE(::PtInRegion(region.get(), s.width / 2, 0));
        EXPECT_FALSE(::PtInRegion(region.get(), 0, 0));
        EXPECT_FALSE(::PtInRegion(region.get(), s.width - 1, 0));
        EXPECT_TRUE(::PtInRegion(region.get(), 0, s.height - 1));
        EXPECT_TRUE(::PtInRegion(region.get(), s.width - 1, s.height - 1));
        EXPECT_TRUE(::PtInRegion(region.get(), 0, s.height / 2));
    }
}

}  // namespace
