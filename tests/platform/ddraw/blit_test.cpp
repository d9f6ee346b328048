// Blits to exact pixels: plain and keyed BltFast, fills, stretching, mirroring, alpha, key
// overrides, overlapping copies, and rectangles that leave a surface or are empty or inverted.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/platform/ddraw/dd_test_util.h"

namespace {

constexpr std::uint16_t kBack = 0x0101;

struct BlitFixture : ::testing::Test {
    ddt::Session session;
    LPDIRECTDRAWSURFACE src = nullptr;
    LPDIRECTDRAWSURFACE dst = nullptr;

    void SetUp() override {
        src = ddt::MakeSurface(session.dd, 8, 4);
        dst = ddt::MakeSurface(session.dd, 12, 6);
        ddt::PaintIndex(src);
        ddt::Fill(dst, kBack);
    }
    void TearDown() override {
        src->Release();
        dst->Release();
    }
    // Whether the destination still holds only its background.
    bool Untouched() {
        for (std::uint16_t p : ddt::Pixels(dst)) {
            if (p != kBack) return false;
        }
        return true;
    }
};

std::uint16_t Index(int x, int y) {
    return static_cast<std::uint16_t>((y << 8) | x);
}

}  // namespace

TEST_F(BlitFixture, BltFastCopiesASourceRectangleToAPoint) {
    RECT r{2, 1, 5, 3};
    ASSERT_EQ(dst->BltFast(7, 4, src, &r, DDBLTFAST_NOCOLORKEY), DD_OK);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inside = x >= 7 && x < 10 && y >= 4 && y < 6;
            EXPECT_EQ(ddt::Pixel(dst, x, y), inside ? Index(x - 5, y - 3) : kBack) << x << "," << y;
        }
    }
    // The whole source when no rectangle is given, touching the right and bottom edges exactly.
    ASSERT_EQ(dst->BltFast(4, 2, src, nullptr, DDBLTFAST_WAIT), DD_OK);
    EXPECT_EQ(ddt::Pixel(dst, 11, 5), Index(7, 3));
    EXPECT_EQ(ddt::Pixel(dst, 4, 2), Index(0, 0));
}

TEST_F(BlitFixture, BltFastLeavesKeyedPixelsOutOnlyWhenAsked) {
    ddt::Fill(src, 0x0F0F);
    ddt::ForEachPixel(src, [](int x, int y, std::uint16_t& p) {
        if ((x + y) % 2 == 0) p = 0x0000;
    });
    DDCOLORKEY key{0x0000, 0x0000};
    ASSERT_EQ(src->SetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
    RECT r{0, 0, 4, 2};
    ASSERT_EQ(dst->BltFast(0, 0, src, &r, DDBLTFAST_SRCCOLORKEY), DD_OK);
    ASSERT_EQ(dst->BltFast(0, 3, src, &r, DDBLTFAST_NOCOLORKEY), DD_OK);
    std::map<std::uint16_t, char> legend{{kBack, '.'}, {0x0F0F, '#'}, {0x0000, '0'}};
    EXPECT_EQ(ddt::Art(dst, {0, 0, 5, 5}, legend), (std::vector<std::string>{
                                                       ".#.#.",
                                                       "#.#..",
                                                       ".....",
                                                       "0#0#.",
                                                       "#0#0.",
                                                   }));
    // A key range drops every value inside it.
    DDCOLORKEY range{0x0000, 0x0F0F};
    ASSERT_EQ(src->SetColorKey(DDCKEY_SRCBLT | DDCKEY_COLORSPACE, &range), DD_OK);
    ddt::Fill(dst, kBack);
    ASSERT_EQ(dst->BltFast(0, 0, src, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
    EXPECT_TRUE(Untouched());
    // A source without a key draws opaque even when a keyed blit is asked for.
    ASSERT_EQ(src->SetColorKey(DDCKEY_SRCBLT, nullptr), DD_OK);
    ASSERT_EQ(dst->BltFast(0, 0, src, &r, DDBLTFAST_SRCCOLORKEY), DD_OK);
    EXPECT_EQ(ddt::Pixel(dst, 0, 0), 0x0000);
}

TEST_F(BlitFixture, BltFastRefusesRectanglesThatLeaveEitherSurface) {
    RECT sourceOut{6, 0, 9, 2};  // one column past the source's right edge
    RECT fits{0, 0, 3, 2};
    RECT inverted{3, 0, 1, 2};
    RECT negative{-1, 0, 2, 2};
    EXPECT_EQ(dst->BltFast(0, 0, src, &sourceOut, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(dst->BltFast(10, 0, src, &fits, 0), DDERR_INVALIDRECT);  // 10 + 3 > 12
    EXPECT_EQ(dst->BltFast(0, 5, src, &fits, 0), DDERR_INVALIDRECT);   // 5 + 2 > 6
    EXPECT_EQ(dst->BltFast(static_cast<DWORD>(-2), 0, src, &fits, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(dst->BltFast(0xFFFFFFFF, 0xFFFFFFFF, src, &fits, DDBLTFAST_SRCCOLORKEY), DDERR_INVALIDRECT);
    EXPECT_EQ(dst->BltFast(0, 0, src, &inverted, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(dst->BltFast(0, 0, src, &negative, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(dst->BltFast(0, 0, nullptr, &fits, 0), DDERR_INVALIDPARAMS);
    tkp_CaptureDebugOutput(true);
    EXPECT_EQ(dst->BltFast(0, 0, src, &fits, 0x2 /* destination key */), DDERR_UNSUPPORTED);
    EXPECT_EQ(tkp_TakeDebugOutput(), "ddraw: BltFast flags 0x00000002 not supported\n");
    tkp_CaptureDebugOutput(false);
    // An empty rectangle draws nothing, even at the far edge.
    RECT empty{3, 1, 3, 2};
    EXPECT_EQ(dst->BltFast(12, 0, src, &empty, 0), DD_OK);
    EXPECT_TRUE(Untouched());
}

TEST_F(BlitFixture, BlitsWithinOneSurfaceCopyAsIfThroughABuffer) {
    LPDIRECTDRAWSURFACE s = ddt::MakeSurface(session.dd, 8, 4);
    ddt::PaintIndex(s);
    RECT r{0, 0, 6, 3};
    ASSERT_EQ(s->BltFast(1, 1, s, &r, 0), DD_OK);
    EXPECT_EQ(ddt::Pixel(s, 1, 1), Index(0, 0));
    EXPECT_EQ(ddt::Pixel(s, 6, 3), Index(5, 2));
    EXPECT_EQ(ddt::Pixel(s, 0, 0), Index(0, 0));
    ddt::PaintIndex(s);
    DDCOLORKEY key{Index(3, 1), Index(3, 1)};
    s->SetColorKey(DDCKEY_SRCBLT, &key);
    RECT up{1, 1, 7, 4};
    ASSERT_EQ(s->BltFast(0, 0, s, &up, DDBLTFAST_SRCCOLORKEY), DD_OK);
    EXPECT_EQ(ddt::Pixel(s, 0, 0), Index(1, 1));
    EXPECT_EQ(ddt::Pixel(s, 2, 0), Index(2, 0));  // the keyed pixel left what was there
    EXPECT_EQ(ddt::Pixel(s, 5, 2), Index(6, 3));
    s->Release();
}

TEST_F(BlitFixture, ColourFillTakesARawPixelValue) {
    DDBLTFX fx{};
    fx.dwSize = sizeof(fx);
    fx.dwFillColor = 500;
    RECT r{1, 2, 4, 3};
    ASSERT_EQ(dst->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);
    std::map<std::uint16_t, char> legend{{kBack, '.'}, {500, '#'}};
    EXPECT_EQ(ddt::Art(dst, {0, 1, 5, 4}, legend), (std::vector<std::string>{".....", ".###.", "....."}));
    fx.dwSize = 100;  // the 32-bit Windows size
    ASSERT_EQ(dst->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DD_OK);
    for (std::uint16_t p : ddt::Pixels(dst)) ASSERT_EQ(p, 500);
    EXPECT_EQ(dst->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, nullptr), DDERR_INVALIDPARAMS);
    RECT out{0, 0, 13, 1};
    EXPECT_EQ(dst->Blt(&out, nullptr, nullptr, DDBLT_COLORFILL, &fx), DDERR_INVALIDRECT);
}

TEST_F(BlitFixture, StretchingTakesThePixelUnderEachCentre) {
    // 3 source columns onto 6: each doubled; 2 rows onto 5: 0 0 1 1 1 by centre sampling.
    RECT s{1, 1, 4, 3};
    RECT d{2, 0, 8, 5};
    ASSERT_EQ(dst->Blt(&d, src, &s, DDBLT_WAIT, nullptr), DD_OK);
    const int rows[5] = {1, 1, 2, 2, 2};
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(ddt::Pixel(dst, 2 + x, y), Index(1 + x / 2, rows[y])) << x << "," << y;
    }
    EXPECT_EQ(ddt::Pixel(dst, 1, 0), kBack);
    EXPECT_EQ(ddt::Pixel(dst, 8, 0), kBack);
    // 8 columns onto 3: columns 1, 4 and 6 (under the centres at 1.33, 4.0 and 6.67).
    ddt::Fill(dst, kBack);
    RECT all{0, 0, 8, 1};
    RECT three{0, 0, 3, 1};
    ASSERT_EQ(dst->Blt(&three, src, &all, 0, nullptr), DD_OK);
    EXPECT_EQ(ddt::Pixel(dst, 0, 0), Index(1, 0));
    EXPECT_EQ(ddt::Pixel(dst, 1, 0), Index(4, 0));
    EXPECT_EQ(ddt::Pixel(dst, 2, 0), Index(6, 0));
    EXPECT_EQ(ddt::Pixel(dst, 3, 0), kBack);
}

TEST_F(BlitFixture, MirroredKeyedBlitOnePixelNarrowerThanItsSource) {
    // The shape of a mirrored sprite: source 4 x 2, destination 3 x 1 wide, keyed.
    DDCOLORKEY key{Index(2, 1), Index(2, 1)};
    src->SetColorKey(DDCKEY_SRCBLT, &key);
    DDBLTFX fx{};
    fx.dwSize = sizeof(fx);
    fx.dwDDFX = DDBLTFX_MIRRORLEFTRIGHT;
    RECT s{1, 1, 5, 3};
    RECT d{0, 0, 3, 1};
    ASSERT_EQ(dst->Blt(&d, src, &s, DDBLT_KEYSRC | DDBLT_DDFX, &fx), DD_OK);
    // Columns under the centres 0.67, 2.0, 3.33 of the run 1..4, read from its right end.
    EXPECT_EQ(ddt::Pixel(dst, 0, 0), Index(4, 2));
    EXPECT_EQ(ddt::Pixel(dst, 1, 0), Index(2, 2));
    EXPECT_EQ(ddt::Pixel(dst, 2, 0), Index(1, 2));
    // Same size, mirrored: row 1 of the source reversed, the keyed pixel left out.
    ddt::Fill(dst, kBack);
    RECT row{0, 1, 8, 2};
    RECT to{2, 3, 10, 4};
    ASSERT_EQ(dst->Blt(&to, src, &row, DDBLT_KEYSRC | DDBLT_DDFX, &fx), DD_OK);
    for (int x = 0; x < 8; ++x) {
        const int from = 7 - x;
        EXPECT_EQ(ddt::Pixel(dst, 2 + x, 3), from == 2 ? kBack : Index(from, 1)) << x;
    }
    fx.dwDDFX = 0x4;  // mirror up-down is not offered
    tkp_CaptureDebugOutput(true);
    EXPECT_EQ(dst->Blt(&to, src, &row, DDBLT_DDFX, &fx), DDERR_UNSUPPORTED);
    EXPECT_EQ(tkp_TakeDebugOutput(), "ddraw: Blt effect flags 0x00000004 not supported\n");
    tkp_CaptureDebugOutput(false);
}

TEST_F(BlitFixture, ConstantAlphaMixesEachChannelAtItsOwnPrecision) {
    LPDIRECTDRAWSURFACE a = ddt::MakeSurface(session.dd, 2, 1);
    ddt::Fill(a, 0xFFFF);
    ddt::Fill(dst, 0x0000);
    DDBLTFX fx{};
    fx.dwSize = sizeof(fx);
    fx.dwAlphaSrcConst = 128;
    RECT d{0, 0, 2, 1};
    ASSERT_EQ(dst->Blt(&d, a, nullptr, DDBLT_ALPHASRCCONSTOVERRIDE | DDBLT_WAIT, &fx), DD_OK);
    // Red and blue: (31 x 128 + 127) / 255 = 16; green: (63 x 128 + 127) / 255 = 32.
    EXPECT_EQ(ddt::Pixel(dst, 0, 0), (16 << 11) | (32 << 5) | 16);
    EXPECT_EQ(ddt::Pixel(dst, 2, 0), 0x0000);
    fx.dwAlphaSrcConst = 0;
    ddt::Fill(dst, 0x1234);
    ASSERT_EQ(dst->Blt(&d, a, nullptr, DDBLT_ALPHASRCCONSTOVERRIDE, &fx), DD_OK);
    EXPECT_EQ(ddt::Pixel(dst, 1, 0), 0x1234);
    // A 4-bit constant at its top value is opaque; values past the top count as opaque too.
    fx.dwAlphaSrcConstBitDepth = 4;
    fx.dwAlphaSrcConst = 15;
    ASSERT_EQ(dst->Blt(&d, a, nullptr, DDBLT_ALPHASRCCONSTOVERRIDE, &fx), DD_OK);
    EXPECT_EQ(ddt::Pixel(dst, 1, 0), 0xFFFF);
    fx.dwAlphaSrcConstBitDepth = 0;
    fx.dwAlphaSrcConst = 1000;
    ddt::Fill(dst, 0x1234);
    ASSERT_EQ(dst->Blt(&d, a, nullptr, DDBLT_ALPHASRCCONSTOVERRIDE, &fx), DD_OK);
    EXPECT_EQ(ddt::Pixel(dst, 0, 0), 0xFFFF);
    a->Release();
}

TEST_F(BlitFixture, KeyOverrideUsesTheRecordsKeyInsteadOfTheSurfaces) {
    DDBLTFX fx{};
    fx.dwSize = sizeof(fx);
    fx.ddckSrcColorkey = {Index(0, 0), Index(1, 0)};
    RECT s{0, 0, 3, 1};
    RECT d{0, 0, 3, 1};
    ASSERT_EQ(dst->Blt(&d, src, &s, DDBLT_KEYSRCOVERRIDE, &fx), DD_OK);
    EXPECT_EQ(ddt::Pixel(dst, 0, 0), kBack);
    EXPECT_EQ(ddt::Pixel(dst, 1, 0), kBack);
    EXPECT_EQ(ddt::Pixel(dst, 2, 0), Index(2, 0));
}

TEST_F(BlitFixture, BltRefusesBadRectanglesAndFlagsWithoutTouchingAnything) {
    RECT s{0, 0, 4, 4};
    RECT outside{10, 0, 14, 4};
    RECT negative{-1, 0, 3, 4};
    RECT inverted{4, 0, 0, 4};
    RECT sourceOut{6, 2, 10, 5};
    RECT emptySource{2, 2, 2, 4};
    RECT emptyDest{3, 3, 3, 5};
    EXPECT_EQ(dst->Blt(&outside, src, &s, 0, nullptr), DDERR_INVALIDRECT);
    EXPECT_EQ(dst->Blt(&negative, src, &s, 0, nullptr), DDERR_INVALIDRECT);
    EXPECT_EQ(dst->Blt(&inverted, src, &s, 0, nullptr), DDERR_INVALIDRECT);
    EXPECT_EQ(dst->Blt(&s, src, &sourceOut, 0, nullptr), DDERR_INVALIDRECT);
    EXPECT_EQ(dst->Blt(&s, src, &emptySource, 0, nullptr), DDERR_INVALIDRECT);
    EXPECT_EQ(dst->Blt(&emptyDest, src, &s, 0, nullptr), DD_OK);
    EXPECT_EQ(dst->Blt(&s, nullptr, &s, 0, nullptr), DDERR_INVALIDPARAMS);
    EXPECT_EQ(dst->Blt(&s, src, &s, DDBLT_DDFX, nullptr), DDERR_INVALIDPARAMS);
    tkp_CaptureDebugOutput(true);
    EXPECT_EQ(dst->Blt(&s, src, &s, 0x00002000 /* destination key */, nullptr), DDERR_UNSUPPORTED);
    EXPECT_EQ(tkp_TakeDebugOutput(), "ddraw: Blt flags 0x00002000 not supported\n");
    tkp_CaptureDebugOutput(false);
    DDBLTFX shortFx{};
    shortFx.dwSize = 40;
    EXPECT_EQ(dst->Blt(&s, nullptr, nullptr, DDBLT_COLORFILL, &shortFx), DDERR_INVALIDPARAMS);
    EXPECT_TRUE(Untouched());
}

TEST_F(BlitFixture, OnlyBlitsOntoThePrimaryArePresented) {
    const int frames = tkp_HeadlessFrameCount();
    ddt::Fill(session.back, 0xF800);
    ASSERT_EQ(dst->BltFast(0, 0, src, nullptr, 0), DD_OK);
    EXPECT_EQ(tkp_HeadlessFrameCount(), frames);
    RECT tooBig{0, 0, 801, 600};
    EXPECT_EQ(session.primary->BltFast(0, 0, session.back, &tooBig, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(tkp_HeadlessFrameCount(), frames);
    ASSERT_EQ(session.primary->BltFast(0, 0, session.back, nullptr, DDBLTFAST_NOCOLORKEY), DD_OK);
    EXPECT_EQ(tkp_HeadlessFrameCount(), frames + 1);
    tkp_HeadlessFrame frame = tkp_HeadlessLastFrame();
    EXPECT_EQ(frame.width, 800);
    EXPECT_EQ(frame.height, 600);
    EXPECT_EQ(frame.pixels[599 * 800 + 799], 0xF800);
    EXPECT_EQ(tkp_HeadlessFramePixel(10, 10), 0xFF0000u);
    DDBLTFX fx{};
    fx.dwSize = sizeof(fx);
    fx.dwFillColor = 0x001F;
    ASSERT_EQ(session.primary->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DD_OK);
    EXPECT_EQ(tkp_HeadlessFrameCount(), frames + 2);
    EXPECT_EQ(tkp_HeadlessFramePixel(0, 0), 0x0000FFu);
}
