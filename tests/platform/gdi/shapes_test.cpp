// Filled figures to the pixel, GDI's rules for right and bottom edges, null pens and brushes and
// wide pens, and figures far outside the target (lines are the line walk's test); StretchBlt from
// a whole bitmap onto a whole surface, the one copy the program makes (the 5-6-5 rounding is the
// DC test's).
#include <gtest/gtest.h>

#include <limits>

#include "tests/common/platform/gdi_test_util.h"

using gdt::Canvas;
using gdt::MemoryDC;

namespace {

constexpr int kHi = std::numeric_limits<int>::max();

TEST(Rectangles, PenInsideBrushWithinRightAndBottomLeftOut) {
    Canvas c(9, 7);
    EXPECT_TRUE(Rectangle(c.dc, 1, 1, 7, 6));
    EXPECT_TRUE(c.Shows(".........|.######..|.#oooo#..|.#oooo#..|.#oooo#..|.######..|........."));
    // Corners given the other way round draw the same; a null brush leaves the inside alone.
    c.Clear();
    SelectObject(c.dc, GetStockObject(NULL_BRUSH));
    Rectangle(c.dc, 7, 6, 1, 1);
    EXPECT_TRUE(c.Shows(".........|.######..|.#....#..|.#....#..|.#....#..|.######..|........."));
    // With the null pen the filled figure is one pixel narrower and lower.
    c.Clear();
    SelectObject(c.dc, GetStockObject(NULL_PEN));
    Rectangle(c.dc, 1, 1, 7, 6);
    EXPECT_TRUE(c.Shows(".........|.ooooo...|.ooooo...|.ooooo...|.ooooo...|.........|........."));
    // A 3-pixel pen is centred on the outline.
    Canvas w(12, 12, 3);
    Rectangle(w.dc, 2, 2, 10, 10);
    EXPECT_TRUE(
        w.Shows("............|.##########.|.##########.|.##########.|.###oooo###.|.###oooo###.|"
                ".###oooo###.|.###oooo###.|.##########.|.##########.|.##########.|............"));
}

TEST(Ellipses, ACircleOfEightPixelsAndAWideRing) {
    Canvas c(10, 10);
    EXPECT_TRUE(Ellipse(c.dc, 1, 1, 9, 9));
    EXPECT_TRUE(
        c.Shows("..........|...####...|..#oooo#..|.#oooooo#.|.#oooooo#.|.#oooooo#.|.#oooooo#.|"
                "..#oooo#..|...####...|.........."));
    // A 3-pixel ring with a hollow brush.
    Canvas w(14, 12, 3);
    SelectObject(w.dc, GetStockObject(NULL_BRUSH));
    Ellipse(w.dc, 2, 2, 12, 10);
    EXPECT_TRUE(
        w.Shows("..............|....######....|...########...|..##########..|.####....####.|"
                ".###......###.|.###......###.|.####....####.|..##########..|...########...|"
                "....######....|.............."));
}

TEST(FillRects, FillExactlyTheRectangleWithTheGivenBrush) {
    Canvas c(6, 4);
    RECT r{1, 1, 4, 3}, past{4, -5, 100, 2}, inverted{4, 3, 1, 1};
    EXPECT_EQ(FillRect(c.dc, &r, c.brush), 1);
    FillRect(c.dc, &inverted, c.brush);
    EXPECT_TRUE(c.Shows("......|.ooo..|.ooo..|......"));
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(c.dc, &past, red);
    DeleteObject(red);
    EXPECT_TRUE(c.Shows("....##|.ooo##|.ooo..|......"));
}

TEST(Clipping, FiguresPartlyOrFarOutsideDrawOnlyTheirVisiblePart) {
    Canvas c(6, 5);
    Rectangle(c.dc, -3, -2, 3, 3);
    Ellipse(c.dc, 4, 3, 9, 9);
    EXPECT_TRUE(c.Shows("oo#...|oo#...|###...|.....#|....#o"));
    // Huge coordinates finish at once and paint what falls on the target.
    c.Clear();
    SelectObject(c.dc, GetStockObject(NULL_BRUSH));
    EXPECT_TRUE(Rectangle(c.dc, -2000000000, 1, 2000000000, 4));
    MoveToEx(c.dc, -kHi, 4, nullptr);
    EXPECT_TRUE(LineTo(c.dc, kHi, 4));
    MoveToEx(c.dc, -kHi, -kHi, nullptr);
    EXPECT_TRUE(LineTo(c.dc, kHi, kHi));
    EXPECT_TRUE(Ellipse(c.dc, -kHi, -kHi, kHi, kHi));
    EXPECT_TRUE(RoundRect(c.dc, kHi, 0, -kHi, 5, kHi, -kHi));
    const std::vector<std::uint16_t> raw = c.Raw();
    EXPECT_EQ(std::vector<std::uint16_t>(raw.begin() + 6, raw.begin() + 12),
              std::vector<std::uint16_t>(6, 0xF800));
    EXPECT_EQ(std::vector<std::uint16_t>(raw.begin() + 24, raw.end()), std::vector<std::uint16_t>(6, 0xF800));
}

TEST(StretchBlt, ScalesTakingThePixelUnderEachCentre) {
    MemoryDC b(2, 2, {0x00FF0000, 0x000000FF, 0x000000FF, 0x00FF0000});
    Canvas c(4, 3);
    ASSERT_TRUE(StretchBlt(c.dc, 0, 0, 4, 3, b.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_TRUE(c.Shows("##oo|oo##|oo##"));
    // Shrunk: columns 1 and 4 lie under the centres.
    MemoryDC wide(6, 1, {0x000000FF, 0x00FF0000, 0x000000FF, 0x000000FF, 0x000000FF, 0x00FF0000});
    Canvas narrow(2, 1);
    ASSERT_TRUE(StretchBlt(narrow.dc, 0, 0, 2, 1, wide.dc, 0, 0, 6, 1, SRCCOPY));
    EXPECT_TRUE(narrow.Shows("#o"));
}

}  // namespace
