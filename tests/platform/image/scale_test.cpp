// Area-averaging scaling: exact means when shrinking. (That fine detail fades to its mean is the
// thumbnail test's; both callers check the sizes and pass rows without gaps, and the thumbnails
// only ever shrink: a picture no larger than its thumbnail is blitted instead. The fuzz target
// enlarges tiny pictures, for safety only.)
#include "platform/image/scale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace {

using Pixels = std::vector<std::uint32_t>;

Pixels scale(const Pixels& src, int sw, int sh, int dw, int dh) {
    Pixels dst(std::size_t(dw) * std::size_t(dh), 0xDEADBEEF);
    EXPECT_TRUE(tkp::image::ScaleArea(src.data(), sw, sh, sw, dst.data(), dw, dh, dw));
    return dst;
}

// A w x h picture with f(x, y) in every pixel.
Pixels picture(int w, int h, const std::function<std::uint32_t(int, int)>& f) {
    Pixels p;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.push_back(f(x, y));
    return p;
}

std::uint32_t grey(std::uint32_t v) {
    return (v << 16) | (v << 8) | v;
}

TEST(ScaleTest, ShrinkingAveragesTheCoveredArea) {
    // 4 x 2 to 2 x 1: each result is the mean of a 2 x 2 block, per channel, rounded.
    EXPECT_EQ(
        scale({0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0x101010, 0x202020, 0x0000FF, 0x00FF00}, 4, 2, 2, 1),
        (Pixels{0x4C0C0C, 0x008080}));
    // 3 to 2: the first result covers the first pixel and half the second: (2a + b) / 3, (b + 2c) / 3.
    EXPECT_EQ(scale({grey(0), grey(90), grey(255)}, 3, 1, 2, 1), (Pixels{grey(30), grey(200)}));
    EXPECT_EQ(scale({grey(1), grey(2), grey(3), grey(4), grey(5), grey(6)}, 3, 2, 1, 1), (Pixels{grey(4)}));
    // A photograph-sized gradient to 150 x 100: every pixel the mean of its 2 x 2 block.
    const Pixels ramp =
        picture(300, 200, [](int x, int y) { return std::uint32_t((x % 256) << 16 | (y % 256)); });
    const Pixels small = scale(ramp, 300, 200, 150, 100);
    const auto mean = [](int v) { return std::uint32_t(((2 * v) % 256 + (2 * v + 1) % 256 + 1) / 2); };
    EXPECT_EQ(small, picture(150, 100, [&](int x, int y) { return mean(x) << 16 | mean(y); }));
}

}  // namespace
