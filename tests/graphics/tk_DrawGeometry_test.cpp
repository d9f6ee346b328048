// Points in rectangles, distances, and rectangles clipped to the screen or to a window.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "framework/app/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "tests/graphics/tk_test_surface.h"

using tk_test::Nums;

namespace {

std::string Sides(const RECT& r) {
    return Nums(r.left, r.top, r.right, r.bottom);
}

TEST(DrawGeometryTest, PointsInRectanglesAndDistances) {
    // Both ends of each side are inside.
    for (auto [x, y, in] : {std::tuple{10, 10, true},
                            {0, 0, true},
                            {11, 10, false},
                            {10, 11, false},
                            {-1, 5, false},
                            {5, -1, false}})
        EXPECT_EQ(tk_glob_test_v_rect(0, 0, 10, 10, x, y), in) << x << "," << y;
    EXPECT_DOUBLE_EQ(tk_glob_Distance(0, 0, 3, 4), 5.0);
    EXPECT_DOUBLE_EQ(tk_glob_Distance(3, 4, 0, 0), 5.0);
    EXPECT_DOUBLE_EQ(tk_glob_Distance(1, 1, 2, 2), std::sqrt(2.0));
    // Far-apart points do not overflow.
    EXPECT_DOUBLE_EQ(tk_glob_Distance(-2000000000, 0, 2000000000, 0), 4e9);
}

TEST(DrawGeometryTest, RectanglesAreLimitedToTheScreenFromOneToItsSizeAndOne) {
    const int w = tk_ScreenW, h = tk_ScreenH;
    tk_ScreenW = 800, tk_ScreenH = 600;
    RECT r{-5, -5, 2000, 2000}, inside{10, 20, 30, 40};
    tk_glob_Orez_Rect2Screen(&r);
    tk_glob_Orez_Rect2Screen(&inside);
    tk_glob_Orez_Rect2Screen(nullptr);
    EXPECT_EQ(Sides(r) + " " + Sides(inside), "1,1,801,601 10,20,30,40");
    tk_ScreenW = w, tk_ScreenH = h;
}

// The blit's place and source rectangle after clipping to the window, or "-" when nothing shows.
std::string Clip(int l, int r, int t, int b, int x, int y, RECT src) {
    return tk_glob_OREZ_Rect2LPHD(l, r, t, b, &x, &y, &src) ? Nums(x, y) + " " + Sides(src) : "-";
}

TEST(DrawGeometryTest, BlitsAreClippedToAWindowThatHoldsItsLeftAndTopEdges) {
    const RECT phase{0, 0, 50, 20};
    EXPECT_EQ(Clip(1, 799, 1, 599, -10, 5, phase), "1,5 11,0,50,20");
    for (auto [x, y] : {std::pair{-60, 5}, {800, 5}, {5, -30}, {5, 600}})
        EXPECT_EQ(Clip(1, 799, 1, 599, x, y, phase), "-") << x << "," << y;
    // Starting on the right edge: shown, but nothing is left of it.
    EXPECT_EQ(Clip(1, 799, 1, 599, 799, 5, phase), "799,5 0,0,0,20");
    // Ending exactly on the right and bottom edges: not cut.
    EXPECT_EQ(Clip(1, 799, 1, 599, 749, 579, phase), "749,579 0,0,50,20");
    // Cut on the right, the top and the bottom of a phase that starts inside its sheet.
    EXPECT_EQ(Clip(100, 200, 100, 150, 180, 90, RECT{10, 40, 50, 110}), "180,100 10,50,30,100");
    EXPECT_EQ(tk_glob_OREZ_Rect2LPHD(0, 9, 0, 9, nullptr, nullptr, nullptr), false);
}

}  // namespace
