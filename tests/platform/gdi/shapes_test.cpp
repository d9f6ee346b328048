// Lines and filled figures to the pixel, GDI's rules for end points, right and bottom edges,
// null pens and brushes and wide pens, and figures far outside the target; StretchBlt between
// bitmaps and surfaces: conversion both ways, scaling, and rectangles that leave either target.
#include <gtest/gtest.h>

#include <limits>

#include "tests/platform/gdi/gdi_test_util.h"

using gdt::MemoryDC;
using gdt::Rows;

TEST(Lines, LeaveOutTheirEndPointAndStepAlongTheLongerAxis) {
    gdt::Canvas c(8, 6);
    POINT previous{-1, -1};
    EXPECT_TRUE(MoveToEx(c.dc, 1, 1, &previous));
    EXPECT_EQ(previous.x, 0);
    EXPECT_TRUE(LineTo(c.dc, 6, 1));  // horizontal: 1..5
    EXPECT_TRUE(LineTo(c.dc, 6, 5));  // vertical from the end of the last: 1..4
    MoveToEx(c.dc, 0, 2, nullptr);
    LineTo(c.dc, 4, 4);  // two steps down over four across, halves rounding down the screen
    MoveToEx(c.dc, 3, 3, nullptr);
    LineTo(c.dc, 3, 3);  // a line of no length paints nothing
    MoveToEx(c.dc, 0, 0, &previous);
    EXPECT_EQ(previous.y, 3);
    EXPECT_EQ(c.Art(), (Rows{
                           "........",
                           ".######.",
                           "#.....#.",
                           ".##...#.",
                           "...#..#.",
                           "........",
                       }));
    // A 3-pixel pen paints a square at every step; a null pen only moves; a 2-pixel pen reaches
    // one pixel up and left of the line, so one step paints 2 x 2.
    gdt::Canvas w(9, 7, 3);
    MoveToEx(w.dc, 2, 3, nullptr);
    LineTo(w.dc, 6, 3);
    HPEN none = CreatePen(PS_NULL, 1, RGB(255, 0, 0)), two = CreatePen(PS_SOLID, 2, RGB(255, 0, 0));
    SelectObject(w.dc, none);
    LineTo(w.dc, 6, 6);
    SelectObject(w.dc, two);
    MoveToEx(w.dc, 8, 1, &previous);
    EXPECT_EQ(previous.y, 6);
    LineTo(w.dc, 8, 2);
    SelectObject(w.dc, w.pen);
    DeleteObject(none);
    DeleteObject(two);
    EXPECT_EQ(w.Art(), (Rows{".......##", ".......##", ".######..", ".######..", ".######..", ".........",
                             "........."}));
}

TEST(Rectangles, PenInsideBrushWithinRightAndBottomLeftOut) {
    gdt::Canvas c(9, 7);
    EXPECT_TRUE(Rectangle(c.dc, 1, 1, 7, 6));
    EXPECT_EQ(c.Art(), (Rows{
                           ".........",
                           ".######..",
                           ".#oooo#..",
                           ".#oooo#..",
                           ".#oooo#..",
                           ".######..",
                           ".........",
                       }));
    // Corners given the other way round draw the same; a null brush leaves the inside alone.
    c.Clear();
    SelectObject(c.dc, GetStockObject(HOLLOW_BRUSH));
    Rectangle(c.dc, 7, 6, 1, 1);
    EXPECT_EQ(c.Art()[3], ".#....#..");
    // With the null pen the filled figure is one pixel narrower and lower.
    c.Clear();
    SelectObject(c.dc, GetStockObject(NULL_PEN));
    Rectangle(c.dc, 1, 1, 7, 6);
    EXPECT_EQ(c.Art(), (Rows{".........", ".ooooo...", ".ooooo...", ".ooooo...", ".ooooo...", ".........",
                             "........."}));
    // A 3-pixel pen is centred on the outline.
    gdt::Canvas w(12, 12, 3);
    Rectangle(w.dc, 2, 2, 10, 10);
    EXPECT_EQ(w.Art(), (Rows{"............", ".##########.", ".##########.", ".##########.", ".###oooo###.",
                             ".###oooo###.", ".###oooo###.", ".###oooo###.", ".##########.", ".##########.",
                             ".##########.", "............"}));
}

TEST(Ellipses, ACircleOfEightPixelsItsNullPenFormAWideRingAndARoundRect) {
    gdt::Canvas c(10, 10);
    EXPECT_TRUE(Ellipse(c.dc, 1, 1, 9, 9));
    EXPECT_EQ(c.Art(), (Rows{
                           "..........",
                           "...####...",
                           "..#oooo#..",
                           ".#oooooo#.",
                           ".#oooooo#.",
                           ".#oooooo#.",
                           ".#oooooo#.",
                           "..#oooo#..",
                           "...####...",
                           "..........",
                       }));
    // With the null pen the figure is one pixel narrower and lower: rows 1 to 7 only.
    c.Clear();
    SelectObject(c.dc, GetStockObject(NULL_PEN));
    Ellipse(c.dc, 1, 1, 9, 9);
    const Rows filled = c.Art();
    EXPECT_EQ(filled[4], ".ooooooo..");
    EXPECT_EQ(filled[8], "..........");
    // The highlight of a menu entry: no pen, the state's brush, corners cut by their ellipse.
    gdt::Canvas r(12, 8);
    SelectObject(r.dc, GetStockObject(NULL_PEN));
    EXPECT_TRUE(RoundRect(r.dc, 1, 1, 11, 7, 4, 4));
    EXPECT_EQ(r.Art(), (Rows{"............", "..ooooooo...", ".ooooooooo..", ".ooooooooo..", ".ooooooooo..",
                             "..ooooooo...", "............", "............"}));
    // A 3-pixel ring with a hollow brush.
    gdt::Canvas w(14, 12, 3);
    SelectObject(w.dc, GetStockObject(NULL_BRUSH));
    Ellipse(w.dc, 2, 2, 12, 10);
    EXPECT_EQ(w.Art(), (Rows{"..............", "....######....", "...########...", "..##########..",
                             ".####....####.", ".###......###.", ".###......###.", ".####....####.",
                             "..##########..", "...########...", "....######....", ".............."}));
}

TEST(FillRects, FillExactlyTheRectangleWithTheGivenBrush) {
    gdt::Canvas c(6, 4);
    RECT r{1, 1, 4, 3}, past{4, -5, 100, 2}, inverted{4, 3, 1, 1};
    EXPECT_EQ(FillRect(c.dc, &r, c.brush), 1);
    EXPECT_EQ(FillRect(c.dc, &past, GetStockObject(NULL_BRUSH)), 1);
    EXPECT_EQ(FillRect(c.dc, &r, c.pen), 0);
    EXPECT_EQ(FillRect(c.dc, nullptr, c.brush), 0);
    FillRect(c.dc, &inverted, c.brush);
    EXPECT_EQ(c.Art(), (Rows{"......", ".ooo..", ".ooo..", "......"}));
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(c.dc, &past, red);
    DeleteObject(red);
    EXPECT_EQ(c.Art(), (Rows{"....##", ".ooo##", ".ooo..", "......"}));
}

TEST(Clipping, FiguresPartlyOrFarOutsideDrawOnlyTheirVisiblePart) {
    gdt::Canvas c(6, 5);
    Rectangle(c.dc, -3, -2, 3, 3);
    Ellipse(c.dc, 4, 3, 9, 9);
    EXPECT_EQ(c.Art(), (Rows{"oo#...", "oo#...", "###...", ".....#", "....#o"}));
    // Huge coordinates finish at once and paint what falls on the target.
    const int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    c.Clear();
    SelectObject(c.dc, GetStockObject(NULL_BRUSH));
    EXPECT_TRUE(Rectangle(c.dc, -2000000000, 1, 2000000000, 4));
    MoveToEx(c.dc, -hi, 4, nullptr);
    EXPECT_TRUE(LineTo(c.dc, hi, 4));
    MoveToEx(c.dc, -hi, -hi, nullptr);
    EXPECT_TRUE(LineTo(c.dc, hi, hi));
    EXPECT_TRUE(Ellipse(c.dc, -hi, -hi, hi, hi));
    EXPECT_TRUE(RoundRect(c.dc, hi, 0, -hi, 5, hi, -hi));
    const Rows art = c.Art();
    EXPECT_EQ(art[1], "######");
    EXPECT_EQ(art[4], "######");
    // The very ends of the int range.
    c.Clear();
    MoveToEx(c.dc, lo, lo, nullptr);
    EXPECT_TRUE(LineTo(c.dc, hi, lo));
    EXPECT_TRUE(Rectangle(c.dc, lo, lo, hi, hi));
    EXPECT_TRUE(RoundRect(c.dc, 0, 0, 3, 3, lo, lo));
    RECT everything{lo, lo, hi, hi}, inverted{hi, hi, lo, lo};
    EXPECT_EQ(FillRect(c.dc, &inverted, c.brush), 1);
    tkp_DC_FillSolid(c.dc, inverted, RGB(255, 0, 0));
    EXPECT_EQ(FillRect(c.dc, &everything, c.brush), 1);
    EXPECT_EQ(c.Art()[0], "oooooo");
}

TEST(StretchBlt, BitmapOntoSurfaceRoundsEachChannelToFiveOrSixBitsAndBackReplicatesThem) {
    MemoryDC b(4, 1, {0x00FF0000, 0x00808080, 0x00040204, 0x0000FF00});
    gdt::Canvas c(4, 1);
    ASSERT_TRUE(StretchBlt(c.dc, 0, 0, 4, 1, b.dc, 0, 0, 4, 1, SRCCOPY));
    EXPECT_EQ(c.Raw(), (std::vector<std::uint16_t>{0xF800, 0x8410, 0x0000, 0x07E0}));
    MemoryDC back(4, 1, 0u);
    ASSERT_TRUE(StretchBlt(back.dc, 0, 0, 4, 1, c.dc, 0, 0, 4, 1, SRCCOPY));
    EXPECT_EQ(back.bitmap->pixels, (std::vector<std::uint32_t>{0x00FF0000, 0x00848284, 0, 0x0000FF00}));
}

TEST(StretchBlt, ScalesTakingThePixelUnderEachCentre) {
    MemoryDC b(2, 2, {0x00FF0000, 0x000000FF, 0x000000FF, 0x00FF0000});
    gdt::Canvas c(4, 3);
    ASSERT_TRUE(StretchBlt(c.dc, 0, 0, 4, 3, b.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(c.Art(), (Rows{"##oo", "oo##", "oo##"}));
    // A part of the bitmap, shrunk.
    c.Clear();
    MemoryDC wide(6, 1, {0x000000FF, 0x00FF0000, 0x000000FF, 0x000000FF, 0x000000FF, 0x00FF0000});
    ASSERT_TRUE(StretchBlt(c.dc, 1, 1, 2, 1, wide.dc, 0, 0, 6, 1, SRCCOPY));
    EXPECT_EQ(c.Art(), (Rows{"....", ".#o.", "...."}));
    // Within one surface the source is read before it is written.
    gdt::Canvas s(4, 1);
    SetPixel(s.dc, 0, 0, RGB(255, 0, 0));
    SetPixel(s.dc, 1, 0, RGB(0, 0, 255));
    ASSERT_TRUE(StretchBlt(s.dc, 1, 0, 3, 1, s.dc, 0, 0, 3, 1, SRCCOPY));
    EXPECT_EQ(s.Art()[0], "##o.");
}

TEST(StretchBlt, LeavesOutWhatFallsOutsideEitherTargetAndRefusesTheRest) {
    MemoryDC b(2, 1, {0x00FF0000, 0x000000FF});
    gdt::Canvas c(3, 2);
    // Source column -1 does not exist: its destination pixel keeps what it had.
    ASSERT_TRUE(StretchBlt(c.dc, 0, 0, 3, 1, b.dc, -1, 0, 3, 1, SRCCOPY));
    // Destination partly off the surface on the left and bottom.
    ASSERT_TRUE(StretchBlt(c.dc, -1, 1, 2, 4, b.dc, 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(c.Art(), (Rows{".#o", "o.."}));
    ASSERT_TRUE(StretchBlt(c.dc, 2000000000, 0, 2000000000, 1, b.dc, 0, 0, 2, 1, SRCCOPY));
    // Only the visible part is computed: the last tenth of a huge run shows source column 1.
    ASSERT_TRUE(StretchBlt(c.dc, -2000000000, 0, 2100000000, 2, b.dc, 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(c.Art(), (Rows{"ooo", "ooo"}));
    const int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    EXPECT_TRUE(StretchBlt(c.dc, lo, lo, hi, hi, b.dc, lo, lo, hi, hi, SRCCOPY));
    EXPECT_TRUE(StretchBlt(c.dc, 0, 0, hi, hi, b.dc, hi, hi, 1, 1, SRCCOPY));

    c.Clear();
    EXPECT_EQ(ptest::Logged([&] {
                  EXPECT_FALSE(StretchBlt(c.dc, 0, 0, 2, 2, b.dc, 0, 0, 2, 2, 0x00EE0086 /* SRCPAINT */));
              }),
              "gdi: StretchBlt supports only SRCCOPY\n");
    EXPECT_FALSE(StretchBlt(c.dc, 0, 0, -2, 2, b.dc, 0, 0, 2, 1, SRCCOPY));
    EXPECT_FALSE(StretchBlt(c.dc, 0, 0, 2, 2, b.dc, 0, 0, 2, 0, SRCCOPY));
    EXPECT_FALSE(StretchBlt(nullptr, 0, 0, 2, 2, b.dc, 0, 0, 2, 1, SRCCOPY));
    EXPECT_FALSE(StretchBlt(c.dc, 0, 0, 2, 2, nullptr, 0, 0, 2, 1, SRCCOPY));
    HDC bare = CreateCompatibleDC(nullptr);
    EXPECT_TRUE(StretchBlt(c.dc, 0, 0, 2, 2, bare, 0, 0, 2, 2, SRCCOPY));
    DeleteDC(bare);
    EXPECT_EQ(c.Art(), (Rows{"...", "..."}));
}
