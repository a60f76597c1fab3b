#include "startmenu/glass_style.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kMenuAlphaBase = 215;
constexpr int kWin7CornerSize = 11;
// Larger weights could overflow the 64-bit channel sums.
constexpr double kMaxKernelWeight = 1e12;

int Blue(std::uint32_t pixel) { return static_cast<int>(pixel & 0xFFu); }
int Green(std::uint32_t pixel) { return static_cast<int>((pixel >> 8) & 0xFFu); }
int Red(std::uint32_t pixel) { return static_cast<int>((pixel >> 16) & 0xFFu); }

std::uint32_t WithChannels(std::uint32_t alphaFrom, int red, int green, int blue) {
    return (alphaFrom & 0xFF000000u) | (static_cast<std::uint32_t>(red) << 16) |
           (static_cast<std::uint32_t>(green) << 8) | static_cast<std::uint32_t>(blue);
}

// Truncating division, skipped for a divisor of 0 or 1, then clamped to a byte.
int ChannelResult(std::int64_t weighted, std::int64_t divisor) {
    if (divisor != 0 && divisor != 1) weighted /= divisor;
    return static_cast<int>(std::clamp<std::int64_t>(weighted, 0, 255));
}

}  // namespace

MenuColour ComputeMenuColour(std::uint32_t argb) {
    const int a = static_cast<int>(argb >> 24);
    const int r = static_cast<int>((argb >> 16) & 0xFFu);
    const int g = static_cast<int>((argb >> 8) & 0xFFu);
    const int b = static_cast<int>(argb & 0xFFu);
    const int d = kMenuAlphaBase - a;
    const MenuRgb moved{r + d, g + d, b + d};

    MenuRgb result = moved;
    if (result.red < 0 || result.green < 0 || result.blue < 0) result = {r, g, b};
    if (result.red > 255 || result.green > 255 || result.blue > 255) result = {r, g, b};

    MenuColour colour;
    colour.colour = result;
    colour.debugTexts = {
        L"al:" + std::to_wstring(a),
        L"11111111 R:" + std::to_wstring(r) + L"g:" + std::to_wstring(g) + L"b:" + std::to_wstring(b),
        L"222222222 R:" + std::to_wstring(moved.red) + L"g:" + std::to_wstring(moved.green) + L"b:" +
            std::to_wstring(moved.blue),
    };
    return colour;
}

bool PixelView::IsValid() const noexcept {
    if (width <= 0 || height <= 0 || stride < width) return false;
    const auto needed = static_cast<std::size_t>(height - 1) * static_cast<std::size_t>(stride) +
                        static_cast<std::size_t>(width);
    return pixels.size() >= needed;
}

std::optional<GaussianKernel> MakeGaussianKernel(int radius, double sigma) {
    if (!std::isfinite(sigma) || sigma == 0.0) return std::nullopt;
    if (radius <= 0) {
        const double rounded = std::round(std::fabs(sigma));
        if (rounded > kMaxBlurRadius) return std::nullopt;
        radius = static_cast<int>(rounded) + 2;
    }
    if (radius > kMaxBlurRadius) return std::nullopt;

    const double twoSigmaSquared = 2.0 * sigma * sigma;
    const double norm = 2.0 * std::numbers::pi * sigma * sigma;
    GaussianKernel kernel;
    kernel.radius = radius;
    const int size = 2 * radius + 1;
    kernel.weights.reserve(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const double weight = 1000.0 * std::exp(-(dy * dy + dx * dx) / twoSigmaSquared) / norm;
            if (!(weight < kMaxKernelWeight)) return std::nullopt;
            kernel.weights.push_back(std::llround(weight));
            kernel.sum += kernel.weights.back();
        }
    }
    return kernel;
}

std::optional<std::int64_t> GaussianBlur(PixelView picture, int radius, double sigma) {
    if (!picture.IsValid()) return std::nullopt;
    const auto kernel = MakeGaussianKernel(radius, sigma);
    if (!kernel) return std::nullopt;

    const int r = kernel->radius;
    const int size = 2 * r + 1;
    const int w = picture.width;
    const int h = picture.height;
    const int stride = picture.stride;
    const std::vector<std::uint32_t> source(picture.pixels.begin(),
                                            picture.pixels.begin() + static_cast<std::ptrdiff_t>(h - 1) * stride + w);

    for (int y = 0; y < h; ++y) {
        const int dyFirst = std::max(-r, -y);
        const int dyLast = std::min(r, h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const int dxFirst = std::max(-r, -x);
            const int dxLast = std::min(r, w - 1 - x);
            const bool fullNeighbourhood = y >= r && y < h - r && x >= r && x < w - r;

            std::int64_t red = 0, green = 0, blue = 0, used = 0;
            for (int dy = dyFirst; dy <= dyLast; ++dy) {
                const std::uint32_t* row = source.data() + static_cast<std::ptrdiff_t>(y + dy) * stride + x;
                const std::int64_t* weights = kernel->weights.data() + static_cast<std::ptrdiff_t>(dy + r) * size + r;
                for (int dx = dxFirst; dx <= dxLast; ++dx) {
                    const std::int64_t weight = weights[dx];
                    const std::uint32_t pixel = row[dx];
                    red += weight * Red(pixel);
                    green += weight * Green(pixel);
                    blue += weight * Blue(pixel);
                    used += weight;
                }
            }
            const std::int64_t divisor = fullNeighbourhood ? kernel->sum : used;
            std::uint32_t& target = picture.pixels[static_cast<std::size_t>(y) * stride + x];
            target = WithChannels(target, ChannelResult(red, divisor), ChannelResult(green, divisor),
                                  ChannelResult(blue, divisor));
        }
    }
    return kernel->sum;
}

std::wstring KernelSumText(std::int64_t sum) { return L"z:" + std::to_wstring(sum); }

void BlendColourOver(PixelView picture, MenuRgb colour, int alpha) {
    if (!picture.IsValid()) return;
    alpha = std::clamp(alpha, 0, 255);
    const auto blend = [alpha](int over, int under) {
        return (std::clamp(over, 0, 255) * alpha + under * (255 - alpha) + 127) / 255;
    };
    for (int y = 0; y < picture.height; ++y) {
        std::uint32_t* row = picture.pixels.data() + static_cast<std::size_t>(y) * picture.stride;
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t pixel = row[x];
            row[x] = WithChannels(0xFF000000u, blend(colour.red, Red(pixel)), blend(colour.green, Green(pixel)),
                                  blend(colour.blue, Blue(pixel)));
        }
    }
}

Win7RegionShape MakeWin7RegionShape(int clientWidth, int clientHeight) {
    return {
        .rounded = {0, 0, clientWidth + 1, clientHeight + 1},
        .cornerWidth = kWin7CornerSize,
        .cornerHeight = kWin7CornerSize,
        .square = {0, kWin7CornerSize, clientWidth + 1, clientHeight + 1},
    };
}

MenuRect Win8RegionRect(int clientWidth, int clientHeight) { return {0, 0, clientWidth, clientHeight}; }

Win7BorderRects MakeWin7BorderRects(int clientWidth, int clientHeight) {
    const int rr = clientWidth - 1;
    const int rb = clientHeight - 1;
    return {
        .top = {5, 0, rr - 5, 2},
        .bottom = {1, rb - 1, rr - 1, rb + 1},
        .left = {0, 5, 2, rb},
        .right = {rr - 1, 5, rr + 1, rb},
        .topLeft = {0, 1, 5, 5},
        .topRight = {rr - 5, 1, rr, 5},
    };
}

WindowsStyle ParseWindowsStyle(std::wstring_view value) {
    return value == L"win7" ? WindowsStyle::Win7 : WindowsStyle::Win8;
}
