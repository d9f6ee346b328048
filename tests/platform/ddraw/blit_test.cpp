// Blits to exact pixels: plain and keyed BltFast, fills, stretching, mirroring, alpha, key
// overrides, overlapping copies, rectangles that leave a surface or are empty or inverted, and
// what reaches the screen.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/common/tk_test_files.h"
#include "tests/platform/ddraw/dd_test_util.h"

namespace {

using ddt::Index;
using ddt::Pixel;
using Rows = std::vector<std::string>;

constexpr std::uint16_t kBack = 0x0101;

// An 8 x 4 source holding Index(x, y) in every pixel, and a 12 x 6 destination of kBack.
struct BlitFixture : ::testing::Test {
    ddt::Session session;
    LPDIRECTDRAWSURFACE src = ddt::MakeSurface(session.dd, 8, 4);
    LPDIRECTDRAWSURFACE dst = ddt::MakeSurface(session.dd, 12, 6);
    DDBLTFX fx = ddt::Fx();

    BlitFixture() {
        ddt::PaintIndex(src);
        ddt::Fill(dst, kBack);
    }
    ~BlitFixture() override {
        src->Release();
        dst->Release();
    }
    // Whether the destination still holds only its background.
    bool Untouched() { return ddt::Pixels(dst) == std::vector<std::uint16_t>(12 * 6, kBack); }
    // Blt from the source rectangle s to the destination rectangle d.
    HRESULT Blt(RECT d, RECT s, DWORD flags, DDBLTFX* effects = nullptr) {
        return dst->Blt(&d, src, &s, flags, effects);
    }
};

}  // namespace

TEST_F(BlitFixture, BltFastCopiesASourceRectangleToAPoint) {
    RECT r{2, 1, 5, 3};
    ASSERT_EQ(dst->BltFast(7, 4, src, &r, DDBLTFAST_NOCOLORKEY), DD_OK);
    ddt::ForEachPixel(dst, [](int x, int y, std::uint16_t& p) {
        EXPECT_EQ(p, x >= 7 && x < 10 && y >= 4 ? Index(x - 5, y - 3) : kBack) << x << "," << y;
    });
    // The whole source when no rectangle is given, touching the right and bottom edges exactly.
    ASSERT_EQ(dst->BltFast(4, 2, src, nullptr, DDBLTFAST_WAIT), DD_OK);
    EXPECT_EQ(Pixel(dst, 11, 5), Index(7, 3));
    EXPECT_EQ(Pixel(dst, 4, 2), Index(0, 0));
}

TEST_F(BlitFixture, ColourKeysLeaveKeyedPixelsOutOnlyWhenAsked) {
    ddt::ForEachPixel(src, [](int x, int y, std::uint16_t& p) { p = (x + y) % 2 ? 0x0F0F : 0x0000; });
    // Without DDCKEY_COLORSPACE only the low value is the key.
    DDCOLORKEY key{0x0000, 0x0F0F};
    ASSERT_EQ(src->SetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
    RECT r{0, 0, 4, 2};
    ASSERT_EQ(dst->BltFast(0, 0, src, &r, DDBLTFAST_SRCCOLORKEY), DD_OK);
    ASSERT_EQ(dst->BltFast(0, 3, src, &r, DDBLTFAST_NOCOLORKEY), DD_OK);
    EXPECT_EQ(ddt::Art(dst, {0, 0, 5, 5}, {{kBack, '.'}, {0x0F0F, '#'}, {0x0000, '0'}}),
              (Rows{".#.#.", "#.#..", ".....", "0#0#.", "#0#0."}));
    // A key range drops every value inside it.
    ASSERT_EQ(src->SetColorKey(DDCKEY_SRCBLT | DDCKEY_COLORSPACE, &key), DD_OK);
    ddt::Fill(dst, kBack);
    ASSERT_EQ(dst->BltFast(0, 0, src, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
    EXPECT_TRUE(Untouched());
    // A source without a key draws opaque even when a keyed blit is asked for.
    ASSERT_EQ(src->SetColorKey(DDCKEY_SRCBLT, nullptr), DD_OK);
    ASSERT_EQ(dst->BltFast(0, 0, src, &r, DDBLTFAST_SRCCOLORKEY), DD_OK);
    EXPECT_EQ(Pixel(dst, 0, 0), 0x0000);
    // The key of an effects record overrides the surface's: here the range Index(0, 0)..Index(1, 0).
    ddt::PaintIndex(src);
    ddt::Fill(dst, kBack);
    fx.ddckSrcColorkey = {Index(0, 0), Index(1, 0)};
    ASSERT_EQ(Blt({0, 0, 3, 1}, {0, 0, 3, 1}, DDBLT_KEYSRCOVERRIDE, &fx), DD_OK);
    EXPECT_EQ(ddt::Art(dst, {0, 0, 3, 1}, {{kBack, '.'}, {Index(2, 0), '2'}}), Rows{"..2"});
}

TEST_F(BlitFixture, BadRectanglesFlagsAndRecordsAreRefusedWithoutTouchingAnything) {
    auto fast = [&](DWORD x, DWORD y, RECT r, DWORD flags = 0) { return dst->BltFast(x, y, src, &r, flags); };
    RECT fits{0, 0, 3, 2}, s{0, 0, 4, 4};
    EXPECT_EQ(fast(0, 0, {6, 0, 9, 2}), DDERR_INVALIDRECT);  // one column past the source's right edge
    EXPECT_EQ(fast(10, 0, fits), DDERR_INVALIDRECT);         // 10 + 3 > 12
    EXPECT_EQ(fast(0, 5, fits), DDERR_INVALIDRECT);          // 5 + 2 > 6
    EXPECT_EQ(fast(static_cast<DWORD>(-2), 0, fits), DDERR_INVALIDRECT);
    EXPECT_EQ(fast(0xFFFFFFFF, 0xFFFFFFFF, fits, DDBLTFAST_SRCCOLORKEY), DDERR_INVALIDRECT);
    EXPECT_EQ(fast(0, 0, {3, 0, 1, 2}), DDERR_INVALIDRECT);  // inverted
    EXPECT_EQ(fast(0, 0, {-1, 0, 2, 2}), DDERR_INVALIDRECT);
    EXPECT_EQ(fast(12, 0, {3, 1, 3, 2}), DD_OK);  // empty: draws nothing, even at the far edge
    EXPECT_EQ(dst->BltFast(0, 0, nullptr, &fits, 0), DDERR_INVALIDPARAMS);
    EXPECT_EQ(Blt({10, 0, 14, 4}, s, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(Blt({-1, 0, 3, 4}, s, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(Blt({4, 0, 0, 4}, s, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(Blt(s, {6, 2, 10, 5}, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(Blt(s, {2, 2, 2, 4}, 0), DDERR_INVALIDRECT);  // an empty source cannot be stretched
    EXPECT_EQ(Blt({3, 3, 3, 5}, s, 0), DD_OK);              // an empty destination is nothing to do
    EXPECT_EQ(Blt(s, s, DDBLT_DDFX), DDERR_INVALIDPARAMS);
    EXPECT_EQ(dst->Blt(&s, nullptr, &s, 0, nullptr), DDERR_INVALIDPARAMS);
    EXPECT_EQ(dst->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, nullptr), DDERR_INVALIDPARAMS);
    fx.dwSize = 40;
    EXPECT_EQ(dst->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DDERR_INVALIDPARAMS);
    // Destination keys are not offered: refused, and reported.
    EXPECT_EQ(ptest::Logged([&] {
                  EXPECT_EQ(fast(0, 0, fits, 0x2), DDERR_UNSUPPORTED);
                  EXPECT_EQ(Blt(s, s, 0x00002000), DDERR_UNSUPPORTED);
              }),
              "ddraw: BltFast flags 0x00000002 not supported\nddraw: Blt flags 0x00002000 not supported\n");
    EXPECT_TRUE(Untouched());
}

TEST_F(BlitFixture, BlitsWithinOneSurfaceCopyAsIfThroughABuffer) {
    // Down and right, plain; then up and left, keyed: both overlap their own source.
    RECT r{0, 0, 6, 3}, up{1, 1, 7, 4};
    ASSERT_EQ(src->BltFast(1, 1, src, &r, 0), DD_OK);
    EXPECT_EQ(Pixel(src, 1, 1), Index(0, 0));
    EXPECT_EQ(Pixel(src, 6, 3), Index(5, 2));
    ddt::PaintIndex(src);
    DDCOLORKEY key{Index(3, 1), Index(3, 1)};
    src->SetColorKey(DDCKEY_SRCBLT, &key);
    ASSERT_EQ(src->BltFast(0, 0, src, &up, DDBLTFAST_SRCCOLORKEY), DD_OK);
    EXPECT_EQ(Pixel(src, 0, 0), Index(1, 1));
    EXPECT_EQ(Pixel(src, 2, 0), Index(2, 0));  // the keyed pixel left what was there
    EXPECT_EQ(Pixel(src, 5, 2), Index(6, 3));
}

TEST_F(BlitFixture, ColourFillTakesARawPixelValue) {
    fx.dwFillColor = 500;
    RECT r{1, 2, 4, 3}, out{0, 0, 13, 1};
    ASSERT_EQ(dst->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);
    EXPECT_EQ(ddt::Art(dst, {0, 1, 5, 4}, {{kBack, '.'}, {500, '#'}}), (Rows{".....", ".###.", "....."}));
    EXPECT_EQ(dst->Blt(&out, nullptr, nullptr, DDBLT_COLORFILL, &fx), DDERR_INVALIDRECT);
    fx.dwSize = 100;  // the 32-bit Windows size
    ASSERT_EQ(dst->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DD_OK);
    EXPECT_EQ(ddt::Pixels(dst), std::vector<std::uint16_t>(12 * 6, 500));
}

TEST_F(BlitFixture, StretchingTakesThePixelUnderEachCentre) {
    // 3 source columns onto 6: each doubled; 2 rows onto 5: 0 0 1 1 1 by centre sampling.
    ASSERT_EQ(Blt({2, 0, 8, 5}, {1, 1, 4, 3}, DDBLT_WAIT), DD_OK);
    ddt::ForEachPixel(dst, [&](int x, int y, std::uint16_t& p) {
        const bool inside = x >= 2 && x < 8 && y < 5;
        EXPECT_EQ(p, inside ? Index(1 + (x - 2) / 2, y < 2 ? 1 : 2) : kBack) << x << "," << y;
    });
    // 8 columns onto 3: columns 1, 4 and 6 (under the centres at 1.33, 4.0 and 6.67).
    ASSERT_EQ(Blt({0, 5, 3, 6}, {0, 0, 8, 1}, 0), DD_OK);
    EXPECT_EQ(ddt::Art(dst, {0, 5, 4, 6},
                       {{kBack, '.'}, {Index(1, 0), '1'}, {Index(4, 0), '4'}, {Index(6, 0), '6'}}),
              Rows{"146."});
}

TEST_F(BlitFixture, MirroredKeyedBlitsReadEachRowFromItsRightEnd) {
    // The shape of a mirrored sprite: source 4 x 2 onto 3 x 1, keyed: the columns under the
    // centres 0.67, 2.0, 3.33 of the run 1..4, read from its right end.
    DDCOLORKEY key{Index(2, 1), Index(2, 1)};
    src->SetColorKey(DDCKEY_SRCBLT, &key);
    fx.dwDDFX = DDBLTFX_MIRRORLEFTRIGHT;
    ASSERT_EQ(Blt({0, 0, 3, 1}, {1, 1, 5, 3}, DDBLT_KEYSRC | DDBLT_DDFX, &fx), DD_OK);
    EXPECT_EQ(Pixel(dst, 0, 0), Index(4, 2));
    EXPECT_EQ(Pixel(dst, 1, 0), Index(2, 2));
    EXPECT_EQ(Pixel(dst, 2, 0), Index(1, 2));
    // Same size, mirrored: row 1 of the source reversed, the keyed pixel left out.
    ASSERT_EQ(Blt({2, 3, 10, 4}, {0, 1, 8, 2}, DDBLT_KEYSRC | DDBLT_DDFX, &fx), DD_OK);
    for (int x = 0; x < 8; ++x) EXPECT_EQ(Pixel(dst, 2 + x, 3), x == 5 ? kBack : Index(7 - x, 1)) << x;
    fx.dwDDFX = 0x4;  // mirror up-down is not offered
    EXPECT_EQ(ptest::Logged([&] {
                  EXPECT_EQ(Blt({0, 0, 1, 1}, {0, 0, 1, 1}, DDBLT_DDFX, &fx), DDERR_UNSUPPORTED);
              }),
              "ddraw: Blt effect flags 0x00000004 not supported\n");
}

TEST_F(BlitFixture, ConstantAlphaMixesEachChannelAtItsOwnPrecision) {
    ddt::Fill(src, 0xFFFF);
    struct Case {
        DWORD depth, alpha;
        std::uint16_t background, expected;
    };
    // Half of white on black: red and blue (31 x 128 + 127) / 255 = 16, green (63 x 128 + 127) / 255 = 32.
    // A 4-bit constant at its top value is opaque; values past the top count as opaque too.
    for (Case c : {Case{0, 128, 0, (16 << 11) | (32 << 5) | 16}, Case{0, 0, 0x1234, 0x1234},
                   Case{4, 15, 0x1234, 0xFFFF}, Case{0, 1000, 0x1234, 0xFFFF}}) {
        ddt::Fill(dst, c.background);
        fx.dwAlphaSrcConstBitDepth = c.depth;
        fx.dwAlphaSrcConst = c.alpha;
        ASSERT_EQ(Blt({0, 0, 2, 1}, {0, 0, 2, 1}, DDBLT_ALPHASRCCONSTOVERRIDE | DDBLT_WAIT, &fx), DD_OK);
        EXPECT_EQ(ddt::Pixels(dst)[1], c.expected) << c.depth << " bits, " << c.alpha;
        EXPECT_EQ(ddt::Pixels(dst)[2], c.background);
    }
}

TEST_F(BlitFixture, OnlyBlitsOntoThePrimaryArePresentedWidenedToEightBitsAChannel) {
    const int frames = tkp_HeadlessFrameCount();
    ddt::Fill(session.back, 0x8410);
    ASSERT_EQ(dst->BltFast(0, 0, src, nullptr, 0), DD_OK);
    EXPECT_EQ(tkp_HeadlessFrameCount(), frames);
    ASSERT_EQ(session.primary->BltFast(0, 0, session.back, nullptr, DDBLTFAST_NOCOLORKEY), DD_OK);
    EXPECT_EQ(tkp_HeadlessFrameCount(), frames + 1);
    EXPECT_EQ(tkp_HeadlessLastFrame().pixels.at(599 * 800 + 799), 0x8410);
    // 16 of 31, 32 of 63 and 16 of 31, their top bits replicated below.
    EXPECT_EQ(tkp_HeadlessFramePixel(10, 10), 0x848284u);
    fx.dwFillColor = 0xF800;
    ASSERT_EQ(session.primary->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DD_OK);
    EXPECT_EQ(tkp_HeadlessFrameCount(), frames + 2);
    EXPECT_EQ(tkp_HeadlessFramePixel(0, 0), 0xFF0000u);
    // The frame is saved for people to look at.
    tk_test::ScopedWorkDir dir;
    ASSERT_TRUE(tkp_HeadlessSaveFramePng("frame.png"));
    EXPECT_EQ(tk_test::ReadFile("frame.png").substr(1, 3), "PNG");
}
