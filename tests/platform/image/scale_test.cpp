#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/image/png_write.h"
#include "platform/image/scale.h"

namespace {

using Pixels = std::vector<std::uint32_t>;

Pixels scale(const Pixels& src, int sw, int sh, int dw, int dh) {
    Pixels dst(std::size_t(dw) * std::size_t(dh), 0xDEADBEEF);
    EXPECT_TRUE(tkp_ScaleArea(src.data(), sw, sh, sw, dst.data(), dw, dh, dw));
    return dst;
}

std::uint32_t grey(std::uint32_t v) {
    return (v << 16) | (v << 8) | v;
}

TEST(ScaleTest, ShrinkingAveragesTheCoveredArea) {
    // 4 x 2 to 2 x 1: each result is the mean of a 2 x 2 block, per channel, rounded.
    const Pixels src = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF,  //
                        0x101010, 0x202020, 0x0000FF, 0x00FF00};
    EXPECT_EQ(scale(src, 4, 2, 2, 1), (Pixels{0x4C0C0C, 0x008080}));
    // 3 to 2: the first result covers the first pixel and half the second: (2a + b) / 3, (b + 2c) / 3.
    EXPECT_EQ(scale({grey(0), grey(90), grey(255)}, 3, 1, 2, 1), (Pixels{grey(30), grey(200)}));
    // To one pixel: the mean of all.
    EXPECT_EQ(scale({grey(1), grey(2), grey(3), grey(4), grey(5), grey(6)}, 3, 2, 1, 1), (Pixels{grey(4)}));
}

TEST(ScaleTest, FineDetailShrinksToItsMeanInsteadOfAliasing) {
    // A one-pixel checkerboard shrunk 10 times is a flat mid grey, not black or white.
    const int n = 100;
    Pixels board(n * n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) board[std::size_t(y * n + x)] = ((x + y) & 1) ? 0xFFFFFF : 0;
    EXPECT_EQ(scale(board, n, n, 10, 10), Pixels(100, 0x808080));
    // A photograph-sized gradient to 150 x 100: every pixel the mean of its 2 x 2 block.
    const int w = 300, h = 200;
    Pixels ramp(std::size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) ramp[std::size_t(y * w + x)] = std::uint32_t((x % 256) << 16 | (y % 256));
    const Pixels small = scale(ramp, w, h, 150, 100);
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 150; ++x) {
            const std::uint32_t expectedR = ((2 * x) % 256 + (2 * x + 1) % 256 + 1) / 2;
            const std::uint32_t expectedB = ((2 * y) % 256 + (2 * y + 1) % 256 + 1) / 2;
            ASSERT_EQ(small[std::size_t(y * 150 + x)], expectedR << 16 | expectedB) << x << "," << y;
        }
    }
}

TEST(ScaleTest, RingsFinerThanTheResultFadeToGrey) {
    // Rings whose spacing falls to about one pixel at the edge, shrunk 4 times to 150 x 100: where
    // the rings are finer than a result pixel, they fade to their mean grey (point sampling would
    // keep most of them at full contrast as moire). Saved for people.
    const int w = 600, h = 400;
    Pixels plate(std::size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double r2 = double((x - w / 2) * (x - w / 2) + (y - h / 2) * (y - h / 2));
            plate[std::size_t(y * w + x)] =
                grey(std::uint32_t(127.5 + 127.5 * std::cos(r2 * 3.14159265 / 600.0)));
        }
    }
    const Pixels small = scale(plate, w, h, 150, 100);
    tkp_WritePng((std::string(TK_SCREENSHOT_DIR) + "/scale_rings_150x100.png").c_str(), 150, 100,
                 small.data(), 150);
    int outer = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 150; ++x) {
            const int dx = 4 * x + 2 - w / 2, dy = 4 * y + 2 - h / 2;
            if (dx * dx + dy * dy < 240 * 240) continue;
            ++outer;
            const int v = int(small[std::size_t(y * 150 + x)] & 0xFF);
            EXPECT_NEAR(v, 128, 40) << x << "," << y;
        }
    }
    EXPECT_GT(outer, 3000);
}

TEST(ScaleTest, EnlargingCopiesAndBlendsOnlyAtSourceEdges) {
    EXPECT_EQ(scale({0x123456}, 1, 1, 3, 2), Pixels(6, 0x123456));
    // 2 to 3: the middle pixel straddles both sources equally.
    EXPECT_EQ(scale({grey(10), grey(21)}, 2, 1, 3, 1), (Pixels{grey(10), grey(16), grey(21)}));
    // 2 to 4 doubles each pixel exactly, in both directions.
    EXPECT_EQ(scale({1, 2, 3, 4}, 2, 2, 4, 4), (Pixels{1, 1, 2, 2, 1, 1, 2, 2, 3, 3, 4, 4, 3, 3, 4, 4}));
    // Shrinking one way and enlarging the other.
    EXPECT_EQ(scale({grey(0), grey(100)}, 2, 1, 1, 2), (Pixels{grey(50), grey(50)}));
}

TEST(ScaleTest, StridesAndBadArguments) {
    // Rows 3 pixels apart in both; the third pixel of each row is neither read nor written.
    const Pixels src = {grey(0), grey(2), 0xFF0000, grey(4), grey(6), 0xFF0000};
    Pixels dst(3, 0xABCDEF);
    ASSERT_TRUE(tkp_ScaleArea(src.data(), 2, 2, 3, dst.data(), 1, 1, 3));
    EXPECT_EQ(dst, (Pixels{grey(3), 0xABCDEF, 0xABCDEF}));
    EXPECT_FALSE(tkp_ScaleArea(src.data(), 0, 2, 3, dst.data(), 1, 1, 1));
    EXPECT_FALSE(tkp_ScaleArea(src.data(), 2, 2, 3, dst.data(), 1, -1, 1));
    EXPECT_FALSE(tkp_ScaleArea(src.data(), 2, 2, 1, dst.data(), 1, 1, 1));
    EXPECT_FALSE(tkp_ScaleArea(nullptr, 2, 2, 2, dst.data(), 1, 1, 1));
    EXPECT_EQ(dst, (Pixels{grey(3), 0xABCDEF, 0xABCDEF}));
}

}  // namespace
