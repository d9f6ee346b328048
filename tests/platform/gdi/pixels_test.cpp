// Pixels through device contexts: 5-6-5 rounding and widening, memory bitmaps, blending, solid
// fills, and the colours and modes a DC keeps.
#include <gtest/gtest.h>

#include "platform/gdi/dc.h"
#include "tests/platform/gdi/gdi_test_util.h"

namespace {

int Widen5(int v) {
    return v * 8 + v / 4;
}
int Widen6(int v) {
    return v * 4 + v / 16;
}

// A memory DC with a width x height bitmap of one colour selected into it.
struct MemoryCanvas {
    tkp_GdiBitmap* bitmap = new tkp_GdiBitmap();
    HDC dc = CreateCompatibleDC(nullptr);
    MemoryCanvas(int w, int h, std::uint32_t xrgb) {
        bitmap->width = w;
        bitmap->height = h;
        bitmap->pixels.assign(static_cast<std::size_t>(w * h), xrgb);
        SelectObject(dc, bitmap);
    }
    ~MemoryCanvas() {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
};

}  // namespace

TEST(Pixels, EveryFiveAndSixBitLevelSurvivesARoundTrip) {
    gdt::Canvas c(64, 2);
    for (int g = 0; g < 64; ++g) {
        const COLORREF colour = RGB(0, Widen6(g), 0);
        ASSERT_EQ(SetPixel(c.dc, g, 0, colour), colour) << g;
        ASSERT_EQ(GetPixel(c.dc, g, 0), colour) << g;
    }
    for (int v = 0; v < 32; ++v) {
        const COLORREF colour = RGB(Widen5(v), 0, Widen5(31 - v));
        ASSERT_EQ(SetPixel(c.dc, v, 1, colour), colour) << v;
    }
    c.surface->ReleaseDC(c.dc);
    ddt::ForEachPixel(c.surface, [](int x, int y, std::uint16_t& p) {
        if (y == 0) {
            EXPECT_EQ(p, x << 5);
        } else if (x < 32) {
            EXPECT_EQ(p, (x << 11) | (31 - x));
        }
    });
    c.surface->GetDC(&c.dc);
}

TEST(Pixels, NarrowingRoundsToTheNearestLevel) {
    gdt::Canvas c(4, 1);
    EXPECT_EQ(SetPixel(c.dc, 0, 0, RGB(4, 2, 4)), RGB(0, 0, 0));
    EXPECT_EQ(SetPixel(c.dc, 1, 0, RGB(5, 3, 5)), RGB(8, 4, 8));
    EXPECT_EQ(SetPixel(c.dc, 2, 0, RGB(100, 100, 100)), RGB(99, 101, 99));
    EXPECT_EQ(SetPixel(c.dc, 3, 0, RGB(255, 255, 255)), RGB(255, 255, 255));
    EXPECT_EQ(SetPixel(c.dc, 4, 0, RGB(255, 255, 255)), CLR_INVALID);
    EXPECT_EQ(SetPixel(c.dc, -1, 0, RGB(255, 255, 255)), CLR_INVALID);
    EXPECT_EQ(GetPixel(c.dc, 0, 1), CLR_INVALID);
    EXPECT_EQ(GetPixel(nullptr, 0, 0), CLR_INVALID);
    c.surface->ReleaseDC(c.dc);
    EXPECT_EQ(ddt::Pixels(c.surface), (std::vector<std::uint16_t>{0x0000, 0x0821, 0x632C, 0xFFFF}));
    c.surface->GetDC(&c.dc);
}

TEST(Pixels, MemoryBitmapsKeepEightBitsPerChannel) {
    MemoryCanvas m(3, 2, 0x00102030);
    EXPECT_EQ(tkp_DC_Width(m.dc), 3);
    EXPECT_EQ(tkp_DC_Height(m.dc), 2);
    EXPECT_EQ(GetPixel(m.dc, 2, 1), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(SetPixel(m.dc, 1, 1, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(m.bitmap->pixels[4], 0x00010203u);
    // A memory DC without a bitmap of its own has nothing to draw on.
    HDC bare = CreateCompatibleDC(nullptr);
    EXPECT_EQ(tkp_DC_Width(bare), 0);
    EXPECT_EQ(SetPixel(bare, 0, 0, 0), CLR_INVALID);
    EXPECT_TRUE(Rectangle(bare, 0, 0, 5, 5));
    EXPECT_TRUE(DeleteDC(bare));
    // A bitmap whose store is shorter than its size is treated as empty.
    tkp_GdiBitmap broken;
    broken.width = 100;
    broken.height = 100;
    broken.pixels.resize(10);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, &broken);
    EXPECT_EQ(tkp_DC_Width(dc), 0);
    EXPECT_EQ(SetPixel(dc, 5, 0, 0), CLR_INVALID);
    DeleteDC(dc);
}

TEST(Pixels, BlendingMixesCoverageIntoWhatIsThere) {
    MemoryCanvas m(2, 1, 0x00C86432);
    tkp_DC_Blend(m.dc, 0, 0, RGB(100, 200, 250), 128);
    EXPECT_EQ(m.bitmap->pixels[0], 0x00969696u);
    tkp_DC_Blend(m.dc, 1, 0, RGB(1, 2, 3), 0);
    EXPECT_EQ(m.bitmap->pixels[1], 0x00C86432u);
    tkp_DC_Blend(m.dc, 1, 0, RGB(1, 2, 3), 300);
    EXPECT_EQ(m.bitmap->pixels[1], 0x00010203u);
    tkp_DC_Blend(m.dc, 2, 0, RGB(1, 2, 3), 255);
    tkp_DC_Blend(m.dc, -1, 0, RGB(1, 2, 3), 255);
    // On a surface the mix is made at 8 bits and rounded back to 5-6-5.
    gdt::Canvas c(1, 1);
    SetPixel(c.dc, 0, 0, RGB(255, 255, 255));
    tkp_DC_Blend(c.dc, 0, 0, RGB(0, 0, 0), 128);
    EXPECT_EQ(GetPixel(c.dc, 0, 0), RGB(123, 125, 123));
}

TEST(Pixels, SolidFillsAreClippedToTheTarget) {
    MemoryCanvas m(4, 3, 0);
    tkp_DC_FillSolid(m.dc, {-5, 1, 2, 100}, RGB(0, 0, 255));
    tkp_DC_FillSolid(m.dc, {3, 0, 2, 3}, RGB(255, 0, 0));
    EXPECT_EQ(m.bitmap->pixels, (std::vector<std::uint32_t>{0, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0}));
    tkp_DC_FillSolid(nullptr, {0, 0, 1, 1}, 0);
}

TEST(Pixels, ADeviceContextKeepsItsColoursAndModes) {
    gdt::Canvas c(1, 1);
    EXPECT_EQ(tkp_DC_TextColor(c.dc), RGB(0, 0, 0));
    EXPECT_EQ(tkp_DC_BkColor(c.dc), RGB(255, 255, 255));
    EXPECT_EQ(tkp_DC_BkMode(c.dc), OPAQUE);
    EXPECT_EQ(tkp_DC_Font(c.dc), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(SetTextColor(c.dc, RGB(1, 2, 3)), RGB(0, 0, 0));
    EXPECT_EQ(SetTextColor(c.dc, RGB(4, 5, 6)), RGB(1, 2, 3));
    EXPECT_EQ(SetBkColor(c.dc, RGB(7, 8, 9)), RGB(255, 255, 255));
    EXPECT_EQ(SetBkMode(c.dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(c.dc, 7), 0);
    EXPECT_EQ(tkp_DC_TextColor(c.dc), RGB(4, 5, 6));
    EXPECT_EQ(tkp_DC_BkColor(c.dc), RGB(7, 8, 9));
    EXPECT_EQ(tkp_DC_BkMode(c.dc), TRANSPARENT);
    EXPECT_EQ(SetTextColor(nullptr, 0), CLR_INVALID);
    EXPECT_EQ(SetBkColor(nullptr, 0), CLR_INVALID);
    EXPECT_EQ(SetBkMode(nullptr, OPAQUE), 0);
    // A fresh DC from the surface starts from the defaults again.
    c.surface->ReleaseDC(c.dc);
    c.surface->GetDC(&c.dc);
    EXPECT_EQ(tkp_DC_TextColor(c.dc), RGB(0, 0, 0));
    EXPECT_EQ(tkp_DC_BkMode(c.dc), OPAQUE);
}
