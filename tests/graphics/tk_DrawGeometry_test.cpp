#include <gtest/gtest.h>

#include <cmath>

#include "framework/app/tk_Display.h"
#include "framework/graphics/tk_Draw.h"

namespace {

TEST(DrawGeometryTest, PointInRectangleHoldsAllFourEdges) {
    EXPECT_TRUE(tk_glob_test_v_rect(0, 0, 10, 10, 10, 10));
    EXPECT_TRUE(tk_glob_test_v_rect(0, 0, 10, 10, 0, 0));
    EXPECT_FALSE(tk_glob_test_v_rect(0, 0, 10, 10, 11, 10));
    EXPECT_FALSE(tk_glob_test_v_rect(0, 0, 10, 10, 10, 11));
    EXPECT_FALSE(tk_glob_test_v_rect(0, 0, 10, 10, -1, 5));
    EXPECT_FALSE(tk_glob_test_v_rect(0, 0, 10, 10, 5, -1));

    EXPECT_DOUBLE_EQ(tk_glob_Distance(0, 0, 3, 4), 5.0);
    EXPECT_DOUBLE_EQ(tk_glob_Distance(3, 4, 0, 0), 5.0);
    EXPECT_DOUBLE_EQ(tk_glob_Distance(1, 1, 2, 2), std::sqrt(2.0));
    // Far-apart points do not overflow.
    EXPECT_DOUBLE_EQ(tk_glob_Distance(-2000000000, 0, 2000000000, 0), 4e9);
}

TEST(DrawGeometryTest, RectanglesAreLimitedToTheScreen) {
    int w = tk_ScreenW, h = tk_ScreenH;
    tk_ScreenW = 800;
    tk_ScreenH = 600;
    RECT r{-5, -5, 2000, 2000};
    tk_glob_Orez_Rect2Screen(&r);
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.top, 1);
    EXPECT_EQ(r.right, 801);
    EXPECT_EQ(r.bottom, 601);
    RECT inside{10, 20, 30, 40};
    tk_glob_Orez_Rect2Screen(&inside);
    EXPECT_EQ(inside.left, 10);
    EXPECT_EQ(inside.top, 20);
    EXPECT_EQ(inside.right, 30);
    EXPECT_EQ(inside.bottom, 40);
    tk_glob_Orez_Rect2Screen(nullptr);
    tk_ScreenW = w;
    tk_ScreenH = h;
}

struct Clip {
    bool shown;
    int x, y;
    RECT src;
};

Clip clip(int l, int r, int t, int b, int x, int y, RECT src) {
    Clip c{false, x, y, src};
    c.shown = tk_glob_OREZ_Rect2LPHD(l, r, t, b, &c.x, &c.y, &c.src);
    return c;
}

TEST(DrawGeometryTest, BlitsAreClippedToAWindow) {
    // Cut on the left.
    Clip c = clip(1, 799, 1, 599, -10, 5, {0, 0, 50, 20});
    EXPECT_TRUE(c.shown);
    EXPECT_EQ(c.x, 1);
    EXPECT_EQ(c.y, 5);
    EXPECT_EQ(c.src.left, 11);
    EXPECT_EQ(c.src.right, 50);
    EXPECT_EQ(c.src.top, 0);
    EXPECT_EQ(c.src.bottom, 20);

    // Wholly outside on either side.
    EXPECT_FALSE(clip(1, 799, 1, 599, -60, 5, {0, 0, 50, 20}).shown);
    EXPECT_FALSE(clip(1, 799, 1, 599, 800, 5, {0, 0, 50, 20}).shown);
    EXPECT_FALSE(clip(1, 799, 1, 599, 5, -30, {0, 0, 50, 20}).shown);
    EXPECT_FALSE(clip(1, 799, 1, 599, 5, 600, {0, 0, 50, 20}).shown);

    // Starting on the right edge: shown, but nothing is left of it.
    c = clip(1, 799, 1, 599, 799, 5, {0, 0, 50, 20});
    EXPECT_TRUE(c.shown);
    EXPECT_EQ(c.src.right - c.src.left, 0);

    // Ending exactly on the right and bottom edges: not cut.
    c = clip(1, 799, 1, 599, 749, 579, {0, 0, 50, 20});
    EXPECT_TRUE(c.shown);
    EXPECT_EQ(c.src.right, 50);
    EXPECT_EQ(c.src.bottom, 20);

    // Cut on the right, the top and the bottom of a phase that starts inside its sheet.
    c = clip(100, 200, 100, 150, 180, 90, {10, 40, 50, 110});
    EXPECT_TRUE(c.shown);
    EXPECT_EQ(c.x, 180);
    EXPECT_EQ(c.y, 100);
    EXPECT_EQ(c.src.left, 10);
    EXPECT_EQ(c.src.right, 30);
    EXPECT_EQ(c.src.top, 50);
    EXPECT_EQ(c.src.bottom, 100);
}

}  // namespace
