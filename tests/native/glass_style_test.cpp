// The start menu's looks without a window: menu colour, blur, shape, style.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "startmenu/glass_style.h"

namespace {

std::uint32_t Argb(int a, int r, int g, int b) {
    return (static_cast<std::uint32_t>(a) << 24) | (static_cast<std::uint32_t>(r) << 16) |
           (static_cast<std::uint32_t>(g) << 8) | static_cast<std::uint32_t>(b);
}

int Channel(std::uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

TEST(MenuColour, ComponentsMoveByTheMissingAlphaUnlessTheyLeaveTheByteRange) {
    struct Case {
        const char* name;
        int a, r, g, b;
        bool moved;
    };
    const Case cases[] = {
        {"alpha 215 keeps the components", 215, 12, 130, 250, true},
        {"alpha 0 raises each by 215", 0, 0, 20, 40, true},
        {"query failed: all zero gives light grey", 0, 0, 0, 0, true},
        {"one component would pass 255", 0, 10, 41, 0, false},
        {"alpha above 215 with a small component", 240, 200, 24, 100, false},
        {"alpha above 215, all large enough", 240, 200, 25, 100, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const MenuColour result = ComputeMenuColour(Argb(c.a, c.r, c.g, c.b));
        const int d = 215 - c.a;
        const MenuRgb expected = c.moved ? MenuRgb{c.r + d, c.g + d, c.b + d} : MenuRgb{c.r, c.g, c.b};
        EXPECT_EQ(result.colour, expected);
        ASSERT_EQ(result.debugTexts.size(), 3u);
        EXPECT_EQ(result.debugTexts[0], L"al:" + std::to_wstring(c.a));
        EXPECT_EQ(result.debugTexts[1], L"11111111 R:" + std::to_wstring(c.r) + L"g:" + std::to_wstring(c.g) +
                                            L"b:" + std::to_wstring(c.b));
        // The second text shows the moved values even when they were rejected.
        EXPECT_EQ(result.debugTexts[2], L"222222222 R:" + std::to_wstring(c.r + d) + L"g:" +
                                            std::to_wstring(c.g + d) + L"b:" + std::to_wstring(c.b + d));
    }
}

TEST(MenuColour, FailedQueryTextsAndGrey) {
    const MenuColour result = ComputeMenuColour(0);
    EXPECT_EQ(result.colour, (MenuRgb{215, 215, 215}));
    EXPECT_EQ(result.debugTexts, (std::vector<std::wstring>{L"al:0", L"11111111 R:0g:0b:0",
                                                            L"222222222 R:215g:215b:215"}));
}

// Straight from the rule: weight of every offset, sum of the weights of the
// neighbours inside, truncating division unless the divisor is 0 or 1.
std::vector<std::uint32_t> ReferenceBlur(const std::vector<std::uint32_t>& in, int w, int h, int stride, int radius,
                                         double sigma) {
    std::vector<std::uint32_t> out = in;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            long long sums[3] = {0, 0, 0};
            long long used = 0;
            for (int dy = -radius; dy <= radius; ++dy) {
                for (int dx = -radius; dx <= radius; ++dx) {
                    const int sy = y + dy, sx = x + dx;
                    if (sy < 0 || sy >= h || sx < 0 || sx >= w) continue;
                    const long long weight = std::llround(1000.0 * std::exp(-(dy * dy + dx * dx) / (2 * sigma * sigma)) /
                                                          (2 * std::numbers::pi * sigma * sigma));
                    const std::uint32_t p = in[sy * stride + sx];
                    for (int c = 0; c < 3; ++c) sums[c] += weight * Channel(p, 8 * c);
                    used += weight;
                }
            }
            std::uint32_t result = in[y * stride + x] & 0xFF000000u;
            for (int c = 0; c < 3; ++c) {
                long long v = (used == 0 || used == 1) ? sums[c] : sums[c] / used;
                v = std::clamp(v, 0LL, 255LL);
                result |= static_cast<std::uint32_t>(v) << (8 * c);
            }
            out[y * stride + x] = result;
        }
    }
    return out;
}

TEST(GaussianBlur, MatchesTheDirectConvolutionAtEverySize) {
    struct Case {
        int w, h, stride, radius;
        double sigma;
    };
    const Case cases[] = {
        {1, 1, 1, 0, 3.0},  {3, 2, 3, 0, 3.0},  {7, 5, 9, 0, 3.0},    {11, 11, 11, 0, 3.0},
        {23, 17, 23, 0, 3.0}, {16, 12, 20, 2, 1.5}, {9, 14, 9, 3, -2.0}, {12, 8, 12, 1, 0.3},
    };
    std::mt19937 random(20261211);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " stride " << c.stride << " radius " << c.radius
                                        << " sigma " << c.sigma);
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(c.stride) * c.h);
        for (auto& p : pixels) p = random();
        const int radius = c.radius > 0 ? c.radius : static_cast<int>(std::round(std::fabs(c.sigma))) + 2;
        const auto expected = ReferenceBlur(pixels, c.w, c.h, c.stride, radius, c.sigma);
        const auto sum = GaussianBlur({pixels, c.w, c.h, c.stride}, c.radius, c.sigma);
        ASSERT_TRUE(sum.has_value());
        for (int y = 0; y < c.h; ++y) {
            for (int x = 0; x < c.stride; ++x) {
                // Padding beyond the width is not touched either.
                const std::size_t i = static_cast<std::size_t>(y) * c.stride + x;
                ASSERT_EQ(pixels[i], expected[i]) << "at " << x << "," << y;
            }
        }
    }
}

TEST(GaussianBlur, UniformPictureStaysUniformUpToTheEdgesAndKeepsAlpha) {
    const int w = 30, h = 20;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h, Argb(0, 90, 160, 230));
    for (int i = 0; i < w * h; ++i) pixels[i] |= static_cast<std::uint32_t>(i % 256) << 24;
    const auto original = pixels;
    ASSERT_TRUE(GaussianBlur({pixels, w, h, w}, 0, 3.0).has_value());
    EXPECT_EQ(pixels, original);
}

TEST(GaussianBlur, KernelOfSigmaThreeHasRadiusFiveAndItsSumIsWritten) {
    const auto kernel = MakeGaussianKernel(0, 3.0);
    ASSERT_TRUE(kernel.has_value());
    EXPECT_EQ(kernel->radius, 5);
    ASSERT_EQ(kernel->weights.size(), 121u);
    long long sum = 0;
    for (int dy = -5; dy <= 5; ++dy)
        for (int dx = -5; dx <= 5; ++dx)
            sum += std::llround(1000.0 * std::exp(-(dy * dy + dx * dx) / 18.0) / (18.0 * std::numbers::pi));
    EXPECT_EQ(kernel->sum, sum);
    std::vector<std::uint32_t> pixel(1);
    EXPECT_EQ(GaussianBlur({pixel, 1, 1, 1}, 0, 3.0), sum);
    EXPECT_EQ(KernelSumText(sum), L"z:" + std::to_wstring(sum));
}

TEST(GaussianBlur, UnusableInputLeavesThePictureAlone) {
    std::vector<std::uint32_t> pixels(16, Argb(255, 1, 2, 3));
    pixels[5] = Argb(255, 200, 100, 50);
    const auto original = pixels;
    EXPECT_FALSE(GaussianBlur({pixels, 4, 4, 4}, 0, 0.0).has_value());
    EXPECT_FALSE(GaussianBlur({pixels, 4, 4, 4}, 0, std::nan("")).has_value());
    EXPECT_FALSE(GaussianBlur({pixels, 5, 4, 5}, 0, 3.0).has_value());  // buffer too small
    EXPECT_FALSE(GaussianBlur({pixels, 4, 4, 3}, 0, 3.0).has_value());  // stride below width
    EXPECT_EQ(pixels, original);
}

TEST(GlassOverlay, MenuColourAtTwoHundredOverThePicture) {
    std::vector<std::uint32_t> pixels = {Argb(0, 0, 0, 0), Argb(255, 255, 255, 255), Argb(17, 10, 128, 240)};
    const auto original = pixels;
    const MenuRgb colour{215, 40, 0};
    BlendColourOver({pixels, 3, 1, 3}, colour, 200);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(pixels[i] >> 24, 255u);
        const int over[3] = {colour.blue, colour.green, colour.red};
        for (int c = 0; c < 3; ++c) {
            const double exact = (over[c] * 200.0 + Channel(original[i], 8 * c) * 55.0) / 255.0;
            EXPECT_NEAR(Channel(pixels[i], 8 * c), exact, 0.5);
        }
    }
}

TEST(WindowsStyle, OnlyExactlyWin7SelectsWin7) {
    const struct {
        const wchar_t* value;
        WindowsStyle style;
    } cases[] = {
        {L"win7", WindowsStyle::Win7}, {L"Win7", WindowsStyle::Win8}, {L"WIN7", WindowsStyle::Win8},
        {L"win8", WindowsStyle::Win8}, {L"", WindowsStyle::Win8},     {L" win7", WindowsStyle::Win8},
        {L"win7 ", WindowsStyle::Win8},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseWindowsStyle(c.value), c.style) << testing::PrintToString(std::wstring(c.value));
}

TEST(Win7Shape, RegionRoundsOnlyTheTopCornersAndBorderPiecesMeetAlongTheEdges) {
    const struct {
        int w, h;
    } sizes[] = {{410, 550}, {520, 300}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(testing::Message() << s.w << "x" << s.h);
        const Win7RegionShape region = MakeWin7RegionShape(s.w, s.h);
        EXPECT_EQ(region.rounded, (MenuRect{0, 0, s.w + 1, s.h + 1}));
        EXPECT_EQ(region.cornerWidth, 11);
        EXPECT_EQ(region.cornerHeight, 11);
        // The square part starts where the corner ellipses end and covers the bottom corners.
        EXPECT_EQ(region.square, (MenuRect{0, region.cornerHeight, s.w + 1, s.h + 1}));
        EXPECT_EQ(Win8RegionRect(s.w, s.h), (MenuRect{0, 0, s.w, s.h}));

        const Win7BorderRects b = MakeWin7BorderRects(s.w, s.h);
        for (const MenuRect& r : {b.top, b.bottom, b.left, b.right, b.topLeft, b.topRight}) {
            EXPECT_GE(r.left, 0);
            EXPECT_GE(r.top, 0);
            EXPECT_LE(r.right, s.w);
            EXPECT_LE(r.bottom, s.h);
            EXPECT_LT(r.left, r.right);
            EXPECT_LT(r.top, r.bottom);
        }
        // Each edge piece lies on its edge, two pixels thick.
        EXPECT_EQ(b.top.top, 0);
        EXPECT_EQ(b.top.bottom - b.top.top, 2);
        EXPECT_EQ(b.bottom.bottom, s.h);
        EXPECT_EQ(b.bottom.bottom - b.bottom.top, 2);
        EXPECT_EQ(b.left.left, 0);
        EXPECT_EQ(b.left.right - b.left.left, 2);
        EXPECT_EQ(b.right.right, s.w);
        EXPECT_EQ(b.right.right - b.right.left, 2);
        // The top edge runs from corner piece to corner piece; the sides start under them.
        EXPECT_EQ(b.top.left, b.topLeft.right);
        EXPECT_EQ(b.top.right, b.topRight.left);
        EXPECT_EQ(b.left.top, b.topLeft.bottom);
        EXPECT_EQ(b.right.top, b.topRight.bottom);
        EXPECT_EQ(b.topLeft.left, 0);
        EXPECT_EQ(b.topRight.right, s.w - 1);
        // The sides end where the bottom edge begins.
        EXPECT_EQ(b.left.bottom, b.bottom.bottom - 1);
        EXPECT_EQ(b.right.bottom, b.bottom.bottom - 1);
    }
}

}  // namespace
