// A block of coverage mixed in one call against the same pixels mixed one by one on a surface (text
// is only ever drawn on surfaces), with the block wholly inside and hanging over every edge.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "tests/common/platform/gdi_test_util.h"

namespace {

constexpr int kW = 13;
constexpr int kH = 9;
constexpr int kBlockW = 7;
constexpr int kBlockH = 5;
constexpr COLORREF kColour = RGB(200, 90, 17);

// Random coverage with runs of 0 and 255 among the partial values.
std::vector<std::uint8_t> randomCoverage() {
    std::mt19937 rng(3);
    std::vector<std::uint8_t> c(kBlockW * kBlockH);
    for (std::uint8_t& v : c) {
        const unsigned r = rng() % 4;
        v = r == 0 ? 0 : r == 1 ? 255 : static_cast<std::uint8_t>(rng());
    }
    return c;
}

// Blends the block at (x, y) pixel by pixel, the way a single pixel is mixed.
void oneByOne(HDC dc, int x, int y, const std::vector<std::uint8_t>& c) {
    for (int j = 0; j < kBlockH; ++j)
        for (int i = 0; i < kBlockW; ++i) tkp::gdi::DcBlend(dc, x + i, y + j, kColour, c[j * kBlockW + i]);
}

TEST(BlendRows, AWholeBlockMixesAsPixelByPixelAcrossEveryEdge) {
    const std::vector<std::uint8_t> cov = randomCoverage();
    const POINT places[] = {{3, 2}, {-4, 1}, {9, -3}, {10, 6}, {-2, 7}, {-20, 2}, {2, 40}};
    for (const POINT& p : places) {
        gdt::Canvas block(kW, kH), single(kW, kH);
        for (gdt::Canvas* c : {&block, &single})
            for (int i = 0; i < kW * kH; ++i) SetPixel(c->dc, i % kW, i / kW, RGB(i * 7, 255 - i, i * 3));
        tkp::gdi::DcBlendRows(block.dc, p.x, p.y, cov.data(), kBlockW, kBlockH, kBlockW, kColour);
        oneByOne(single.dc, p.x, p.y, cov);
        EXPECT_EQ(block.Raw(), single.Raw()) << "at " << p.x << "," << p.y;
    }
}

}  // namespace
