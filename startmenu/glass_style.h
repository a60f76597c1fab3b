#pragma once
// The start menu's two looks without a Windows header: the menu colour
// derived from the desktop's colorization colour, the blur of the "win7"
// glass background, the "win7" window shape and border pictures, and the
// choice of style. The window code gathers the values and applies these.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct MenuRgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const MenuRgb&, const MenuRgb&) = default;
};

struct MenuColour {
    MenuRgb colour;
    // "al:..", "11111111 R:..g:..b:..", "222222222 R:..g:..b:.." in that order.
    std::vector<std::wstring> debugTexts;
};

// From the colorization colour (0xAARRGGBB; 0 when the query failed): every
// component is moved by 215 - alpha, unless that leaves 0..255.
[[nodiscard]] MenuColour ComputeMenuColour(std::uint32_t argb);

// A picture of 32-bit pixels, 0xAARRGGBB each (blue first in memory), rows
// `stride` pixels apart. Does not own the pixels.
struct PixelView {
    std::span<std::uint32_t> pixels;
    int width = 0;
    int height = 0;
    int stride = 0;

    [[nodiscard]] bool IsValid() const noexcept;
};

struct GaussianKernel {
    int radius = 0;
    std::vector<std::int64_t> weights;  // (2 * radius + 1) squared, row by row
    std::int64_t sum = 0;
};

// The largest radius accepted; beyond it the kernel alone would not fit in memory sensibly.
inline constexpr int kMaxBlurRadius = 1000;

// Integer weights of a Gaussian; radius 0 (or less) means |sigma| rounded + 2.
// Empty when sigma is 0 or not finite, or the radius or weights are too large.
[[nodiscard]] std::optional<GaussianKernel> MakeGaussianKernel(int radius, double sigma);

// Blurs the blue, green and red channels in place; alpha stays. Returns the
// kernel sum, or nothing (and the picture unchanged) when the picture or the
// kernel cannot be used.
std::optional<std::int64_t> GaussianBlur(PixelView picture, int radius, double sigma);

// "z:" + the kernel sum, the debugger text of a blur.
[[nodiscard]] std::wstring KernelSumText(std::int64_t sum);

// Every pixel becomes `colour` at `alpha` (0..255) blended over it; the
// result is opaque.
void BlendColourOver(PixelView picture, MenuRgb colour, int alpha);

struct MenuRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const MenuRect&, const MenuRect&) = default;
};

// The "win7" window region: `rounded` with elliptic corners of
// cornerWidth x cornerHeight, united with `square`, so only the top corners are round.
struct Win7RegionShape {
    MenuRect rounded;
    int cornerWidth = 0;
    int cornerHeight = 0;
    MenuRect square;
};
[[nodiscard]] Win7RegionShape MakeWin7RegionShape(int clientWidth, int clientHeight);

// The "win8" window region.
[[nodiscard]] MenuRect Win8RegionRect(int clientWidth, int clientHeight);

// Where the paint handler stretches each "win7" border picture.
struct Win7BorderRects {
    MenuRect top;       // ImgTop
    MenuRect bottom;    // ImgBottom
    MenuRect left;      // ImgLeft
    MenuRect right;     // ImgRight
    MenuRect topLeft;   // ImgTopLeft
    MenuRect topRight;  // ImgTopRight
};
[[nodiscard]] Win7BorderRects MakeWin7BorderRects(int clientWidth, int clientHeight);

enum class WindowsStyle { Win7, Win8 };

// The "WindowsStyle" value of Main.ini: only exactly "win7" selects Win7.
[[nodiscard]] WindowsStyle ParseWindowsStyle(std::wstring_view value);

// The glass background's blur and the menu colour's opacity over it.
inline constexpr double kGlassBlurSigma = 3.0;
inline constexpr int kGlassColourAlpha = 200;
