// Blits to exact pixels: stretching, alpha, rectangles that leave a surface. (Keyed and mirrored
// phases and the colour fill of a whole surface are checked to the pixel by the sheet drawing
// tests, and that only blits onto the primary reach the screen by the application's frame counts;
// the program never blits a surface onto itself.)
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/common/tk_test_surface.h"

namespace {

using tk_test::PixelOf;
using Raw = std::vector<std::uint16_t>;

constexpr std::uint16_t kBack = 0x0101;

// A different value in every pixel of a surface up to 256 pixels wide.
std::uint16_t pixelId(int x, int y) {
    return static_cast<std::uint16_t>((y << 8) | x);
}

// An 8 x 4 source holding pixelId(x, y) in every pixel, and a 12 x 6 destination of kBack.
struct BlitFixture : ::testing::Test {
    tk_test::Session session;
    LPDIRECTDRAWSURFACE src = session.Surface(8, 4);
    LPDIRECTDRAWSURFACE dst = session.Surface(12, 6);
    DDBLTFX fx{};

    BlitFixture() {
        fx.dwSize = sizeof(fx);
        tk_test::Paint(src, pixelId);
        Fill(dst, kBack);
    }
    ~BlitFixture() override {
        src->Release();
        dst->Release();
    }
    static void Fill(LPDIRECTDRAWSURFACE s, std::uint16_t v) {
        tk_test::Paint(s, [v](int, int) { return v; });
    }
    // Blt from the source rectangle s to the destination rectangle d.
    HRESULT Blt(RECT d, RECT s, DWORD flags, DDBLTFX* effects = nullptr) {
        return dst->Blt(&d, src, &s, flags, effects);
    }
    // Whether the destination's rectangle shows the rows, kBack as '.'.
    ::testing::AssertionResult Shows(RECT r, tk_test::Legend legend, const std::string& rows) {
        legend[kBack] = '.';
        return tk_test::Shows(dst, r, legend, rows);
    }
};

// Where sprites and their phases leave the surfaces. (Rectangles reach a blit never empty or
// inverted: tk_CDas_SurfaceDraw clips its phases and checks their area first, and sheets and
// pictures are never empty.)
TEST_F(BlitFixture, RectanglesLeavingASurfaceAreRefusedWithoutTouchingAnything) {
    auto fast = [&](DWORD x, DWORD y, RECT r, DWORD flags = 0) { return dst->BltFast(x, y, src, &r, flags); };
    RECT fits{0, 0, 3, 2}, s{0, 0, 4, 4};
    EXPECT_EQ(fast(0, 0, {6, 0, 9, 2}), DDERR_INVALIDRECT);  // one column past the source's right edge
    EXPECT_EQ(fast(10, 0, fits), DDERR_INVALIDRECT);         // 10 + 3 > 12
    EXPECT_EQ(fast(0, 5, fits), DDERR_INVALIDRECT);          // 5 + 2 > 6
    EXPECT_EQ(fast(static_cast<DWORD>(-2), 0, fits), DDERR_INVALIDRECT);
    EXPECT_EQ(fast(0xFFFFFFFF, 0xFFFFFFFF, fits, DDBLTFAST_SRCCOLORKEY), DDERR_INVALIDRECT);
    EXPECT_EQ(Blt({10, 0, 14, 4}, s, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(Blt({-1, 0, 3, 4}, s, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(Blt(s, {6, 2, 10, 5}, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(tk_test::PixelsOf(dst), Raw(12 * 6, kBack));  // untouched
}

TEST_F(BlitFixture, StretchingTakesThePixelUnderEachCentre) {
    // 3 source columns onto 6: each doubled; 2 rows onto 5: 0 0 1 1 1 by centre sampling.
    ASSERT_EQ(Blt({2, 0, 8, 5}, {2, 1, 5, 3}, DDBLT_WAIT), DD_OK);
    // 8 columns onto 3: columns 1, 4 and 6 (under the centres at 1.33, 4.0 and 6.67).
    ASSERT_EQ(Blt({0, 5, 3, 6}, {0, 0, 8, 1}, 0), DD_OK);
    const tk_test::Legend legend{{pixelId(2, 1), 'a'}, {pixelId(3, 1), 'b'}, {pixelId(4, 1), 'c'},
                                 {pixelId(2, 2), 'd'}, {pixelId(3, 2), 'e'}, {pixelId(4, 2), 'f'},
                                 {pixelId(1, 0), '1'}, {pixelId(4, 0), '4'}, {pixelId(6, 0), '6'}};
    EXPECT_TRUE(Shows({0, 0, 12, 6}, legend,
                      "..aabbcc....|..aabbcc....|..ddeeff....|..ddeeff....|..ddeeff....|146........."));
}

TEST_F(BlitFixture, ConstantAlphaMixesEachChannelAtItsOwnPrecision) {
    Fill(src, 0xFFFF);
    struct Case {
        DWORD alpha;
        std::uint16_t background, expected;
    };
    // Half of white on black: red and blue (31 x 128 + 127) / 255 = 16, green (63 x 128 + 127) / 255 = 32.
    // Values past the top count as opaque.
    for (Case c :
         {Case{128, 0, (16 << 11) | (32 << 5) | 16}, Case{0, 0x1234, 0x1234}, Case{1000, 0x1234, 0xFFFF}}) {
        Fill(dst, c.background);
        fx.dwAlphaSrcConst = c.alpha;
        ASSERT_EQ(Blt({0, 0, 2, 1}, {0, 0, 2, 1}, DDBLT_ALPHASRCCONSTOVERRIDE | DDBLT_WAIT, &fx), DD_OK);
        EXPECT_EQ(tk_test::Nums(PixelOf(dst, 1, 0), PixelOf(dst, 2, 0)),
                  tk_test::Nums(c.expected, c.background))
            << "alpha " << c.alpha;
    }
}

}  // namespace
