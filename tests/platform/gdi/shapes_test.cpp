// Lines and filled figures to the pixel, GDI's rules for end points, right and bottom edges,
// null pens and brushes and wide pens, and figures far outside the target.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "platform/gdi/dc.h"
#include "tests/platform/gdi/gdi_test_util.h"

using Rows = std::vector<std::string>;

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
    EXPECT_EQ(previous.x, 3);
    EXPECT_EQ(previous.y, 3);
    EXPECT_EQ(c.Art(), (Rows{
                           "........",
                           ".######.",
                           "#.....#.",
                           ".##...#.",
                           "...#..#.",
                           "........",
                       }));
}

TEST(Lines, AWidePenPaintsASquareAtEveryStepAndANullPenOnlyMoves) {
    gdt::Canvas c(9, 7, 3);
    MoveToEx(c.dc, 2, 3, nullptr);
    LineTo(c.dc, 6, 3);
    HPEN none = CreatePen(PS_NULL, 1, RGB(255, 0, 0));
    SelectObject(c.dc, none);
    LineTo(c.dc, 6, 6);
    POINT at{};
    MoveToEx(c.dc, 0, 0, &at);
    EXPECT_EQ(at.y, 6);
    // A 2-pixel pen reaches one pixel up and left of the line: one step paints 2 x 2.
    HPEN two = CreatePen(PS_SOLID, 2, RGB(255, 0, 0));
    SelectObject(c.dc, two);
    MoveToEx(c.dc, 8, 1, nullptr);
    LineTo(c.dc, 8, 2);
    SelectObject(c.dc, c.pen);
    DeleteObject(none);
    DeleteObject(two);
    EXPECT_EQ(c.Art(), (Rows{
                           ".......##",
                           ".......##",
                           ".######..",
                           ".######..",
                           ".######..",
                           ".........",
                           ".........",
                       }));
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
    EXPECT_EQ(c.Art(), (Rows{
                           ".........",
                           ".ooooo...",
                           ".ooooo...",
                           ".ooooo...",
                           ".ooooo...",
                           ".........",
                           ".........",
                       }));
}

TEST(Rectangles, AThreePixelPenIsCentredOnTheOutline) {
    gdt::Canvas c(12, 12, 3);
    Rectangle(c.dc, 2, 2, 10, 10);
    EXPECT_EQ(c.Art(), (Rows{
                           "............",
                           ".##########.",
                           ".##########.",
                           ".##########.",
                           ".###oooo###.",
                           ".###oooo###.",
                           ".###oooo###.",
                           ".###oooo###.",
                           ".##########.",
                           ".##########.",
                           ".##########.",
                           "............",
                       }));
}

TEST(Ellipses, ACircleOfEightPixelsAndItsNullPenForm) {
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
}

TEST(Ellipses, AWidePenRingWithAHollowBrush) {
    gdt::Canvas c(14, 12, 3);
    SelectObject(c.dc, GetStockObject(NULL_BRUSH));
    Ellipse(c.dc, 2, 2, 12, 10);
    EXPECT_EQ(c.Art(), (Rows{
                           "..............",
                           "....######....",
                           "...########...",
                           "..##########..",
                           ".####....####.",
                           ".###......###.",
                           ".###......###.",
                           ".####....####.",
                           "..##########..",
                           "...########...",
                           "....######....",
                           "..............",
                       }));
}

TEST(RoundRects, CornersCutByTheirEllipse) {
    // The highlight of a menu entry: no pen, the state's brush.
    gdt::Canvas c(12, 8);
    SelectObject(c.dc, GetStockObject(NULL_PEN));
    EXPECT_TRUE(RoundRect(c.dc, 1, 1, 11, 7, 4, 4));
    EXPECT_EQ(c.Art(), (Rows{
                           "............",
                           "..ooooooo...",
                           ".ooooooooo..",
                           ".ooooooooo..",
                           ".ooooooooo..",
                           "..ooooooo...",
                           "............",
                           "............",
                       }));
}

TEST(FillRects, FillExactlyTheRectangleWithTheGivenBrush) {
    gdt::Canvas c(6, 4);
    RECT r{1, 1, 4, 3};
    EXPECT_EQ(FillRect(c.dc, &r, c.brush), 1);
    RECT past{4, -5, 100, 2};
    EXPECT_EQ(FillRect(c.dc, &past, GetStockObject(NULL_BRUSH)), 1);
    EXPECT_EQ(FillRect(c.dc, &r, c.pen), 0);
    EXPECT_EQ(FillRect(c.dc, nullptr, c.brush), 0);
    RECT inverted{4, 3, 1, 1};
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
    EXPECT_EQ(c.Art(), (Rows{
                           "oo#...",
                           "oo#...",
                           "###...",
                           ".....#",
                           "....#o",
                       }));
    // Huge coordinates finish at once and paint what falls on the target.
    c.Clear();
    SelectObject(c.dc, GetStockObject(NULL_BRUSH));
    EXPECT_TRUE(Rectangle(c.dc, -2000000000, 1, 2000000000, 4));
    MoveToEx(c.dc, -2147483647, 4, nullptr);
    EXPECT_TRUE(LineTo(c.dc, 2147483647, 4));
    MoveToEx(c.dc, -2147483647, -2147483647, nullptr);
    EXPECT_TRUE(LineTo(c.dc, 2147483647, 2147483647));
    EXPECT_TRUE(Ellipse(c.dc, -2147483647, -2147483647, 2147483647, 2147483647));
    EXPECT_TRUE(RoundRect(c.dc, 2147483647, 0, -2147483647, 5, 2147483647, -2147483647));
    EXPECT_EQ(c.Art()[1], "######");
    EXPECT_EQ(c.Art()[4], "######");
    // The very ends of the int range.
    const int lo = std::numeric_limits<int>::min();
    const int hi = std::numeric_limits<int>::max();
    c.Clear();
    MoveToEx(c.dc, lo, lo, nullptr);
    EXPECT_TRUE(LineTo(c.dc, hi, lo));
    EXPECT_TRUE(Rectangle(c.dc, lo, lo, hi, hi));
    EXPECT_TRUE(RoundRect(c.dc, 0, 0, 3, 3, lo, lo));
    RECT everything{lo, lo, hi, hi};
    RECT inverted{hi, hi, lo, lo};
    EXPECT_EQ(FillRect(c.dc, &inverted, c.brush), 1);
    tkp_DC_FillSolid(c.dc, inverted, RGB(255, 0, 0));
    EXPECT_EQ(FillRect(c.dc, &everything, c.brush), 1);
    EXPECT_EQ(c.Art()[0], "oooooo");
}
