// Device contexts: GDI objects (selection, stock objects, deletion of objects still selected,
// fonts kept for the text code), and pixels through them (5-6-5
// rounding and widening, blending, the defaults a DC starts with).
#include <gtest/gtest.h>

#include "tests/common/platform/gdi_test_util.h"

using tk_test::Nums;
using Raw = std::vector<std::uint16_t>;

// (The memory DC's own pens and brushes draw nothing: it is only ever a StretchBlt source.)
TEST(GdiObjects, SelectionReturnsWhatWasThereAndStockObjectsAreShared) {
    gdt::Canvas c(3, 1);
    HPEN green = CreatePen(PS_SOLID, 1, RGB(0, 255, 0));
    EXPECT_EQ(SelectObject(c.dc, green), c.pen);
    EXPECT_EQ(SelectObject(c.dc, c.pen), green);
    EXPECT_TRUE(DeleteObject(green));
    // Stock objects are shared and never deleted.
    for (int id : {WHITE_BRUSH, BLACK_BRUSH, NULL_BRUSH, WHITE_PEN, BLACK_PEN, NULL_PEN, SYSTEM_FONT}) {
        HGDIOBJ o = GetStockObject(id);
        EXPECT_TRUE(o && GetStockObject(id) == o && DeleteObject(o) && tkp::gdi::GdiIsLive(o)) << id;
    }
}

TEST(GdiObjects, AnObjectDeletedWhileSelectedGoesWhenTheLastDCLetsGo) {
    gdt::Canvas c(4, 2);
    HPEN green = CreatePen(PS_SOLID, 0, RGB(0, 255, 0));
    SelectObject(c.dc, green);
    EXPECT_TRUE(DeleteObject(green) && tkp::gdi::GdiIsLive(green));
    // Still selected: it still draws.
    MoveToEx(c.dc, 0, 0, nullptr);
    LineTo(c.dc, 4, 0);
    EXPECT_EQ(GetPixel(c.dc, 3, 0), RGB(0, 255, 0));
    EXPECT_EQ(SelectObject(c.dc, c.pen), green);
    EXPECT_FALSE(tkp::gdi::GdiIsLive(green) || DeleteObject(green) || SelectObject(c.dc, green));
    // A font stays for the text code until the DC is given back.
    auto* font = new tkp::gdi::GdiObject(tkp::gdi::GdiKind::Font);
    SelectObject(c.dc, font);
    DeleteObject(font);
    EXPECT_TRUE(tkp::gdi::DcFont(c.dc) == font && tkp::gdi::GdiIsLive(font));
    c.Raw();  // gives the DC back and takes a new one
    EXPECT_FALSE(tkp::gdi::GdiIsLive(font));
}

TEST(Pixels, EveryLevelSurvivesARoundTripAndOthersRoundToTheNearest) {
    // Level v of 5 bits widens to v * 8 + v / 4, of 6 bits to v * 4 + v / 16.
    gdt::Canvas c(64, 3);
    Raw expected(64 * 3, 0);
    for (int v = 0; v < 64; ++v) {
        const COLORREF green = RGB(0, v * 4 + v / 16, 0),
                       redBlue = RGB(v * 8 + v / 4, 0, (31 - v) * 8 + (31 - v) / 4);
        ASSERT_EQ(SetPixel(c.dc, v, 0, green), green) << v;
        ASSERT_EQ(GetPixel(c.dc, v, 0), green) << v;
        expected[v] = static_cast<std::uint16_t>(v << 5);
        if (v >= 32) continue;
        ASSERT_EQ(SetPixel(c.dc, v, 1, redBlue), redBlue) << v;
        expected[64 + v] = static_cast<std::uint16_t>((v << 11) | (31 - v));
    }
    EXPECT_EQ(Nums(SetPixel(c.dc, 0, 2, RGB(4, 2, 4)), SetPixel(c.dc, 1, 2, RGB(5, 3, 5)),
                   SetPixel(c.dc, 2, 2, RGB(100, 100, 100)), SetPixel(c.dc, 3, 2, RGB(255, 255, 255))),
              Nums(RGB(0, 0, 0), RGB(8, 4, 8), RGB(99, 101, 99), RGB(255, 255, 255)));
    for (auto [x, p] : {std::pair{0, 0x0000}, {1, 0x0821}, {2, 0x632C}, {3, 0xFFFF}}) expected[128 + x] = p;
    EXPECT_EQ(c.Raw(), expected);
    EXPECT_EQ(Nums(SetPixel(c.dc, 64, 0, 0), SetPixel(c.dc, -1, 0, 0), GetPixel(c.dc, 0, 3)),
              Nums(CLR_INVALID, CLR_INVALID, CLR_INVALID));
}

// (Memory bitmaps are only ever a StretchBlt source: the shapes test's. The text code blends
// coverage 1 to 255 inside the target only; coverage 0 and pixels off the target still meet the
// block mixing's reference in the BlendRows test.)
TEST(Pixels, BlendingMixesCoverageAtEightBitsAndRoundsBackToFiveSixFive) {
    gdt::Canvas c(1, 1);
    SetPixel(c.dc, 0, 0, RGB(255, 255, 255));
    tkp::gdi::DcBlend(c.dc, 0, 0, RGB(0, 0, 0), 128);
    EXPECT_EQ(GetPixel(c.dc, 0, 0), RGB(123, 125, 123));
}

TEST(Pixels, ADeviceContextFromASurfaceStartsFromTheDefaultsEveryTime) {
    gdt::Canvas c(1, 1);
    for (int round = 0; round < 2; ++round) {
        // The list and edit-box texts rely on the black default (the dialog titles set white).
        EXPECT_EQ(Nums(tkp::gdi::DcTextColour(c.dc), tkp::gdi::DcBkMode(c.dc),
                       tkp::gdi::DcFont(c.dc) == GetStockObject(SYSTEM_FONT)),
                  Nums(RGB(0, 0, 0), OPAQUE, 1));
        SetTextColor(c.dc, RGB(1, 2, 3));
        SetBkMode(c.dc, TRANSPARENT);
        c.Raw();  // gives the DC back and takes a new one
    }
}
