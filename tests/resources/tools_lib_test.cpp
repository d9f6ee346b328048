// The drawing pieces the resource tools are built from.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tools/lib/image.h"
#include "tools/lib/mask.h"
#include "tools/lib/shapes.h"

namespace tk_res_test {
namespace {

double Sum(const art::Mask& m) {
    double s = 0;
    for (int y = 0; y < m.Height(); ++y)
        for (int x = 0; x < m.Width(); ++x) s += m.At(x, y);
    return s;
}

TEST(Rasterizer, ExactCoverageOfRectanglesAndCircles) {
    // Pixel-aligned: full inside, empty outside; both directions of travel fill alike.
    art::Mask a = art::Rasterize(art::Rect(2, 3, 4, 5), 10, 10);
    art::Mask b = art::Rasterize(art::Polygon({{2, 3}, {2, 8}, {6, 8}, {6, 3}}), 10, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            float want = (x >= 2 && x < 6 && y >= 3 && y < 8) ? 1.0f : 0.0f;
            EXPECT_FLOAT_EQ(a.At(x, y), want) << x << "," << y;
            EXPECT_FLOAT_EQ(b.At(x, y), want) << x << "," << y;
        }
    // Half a pixel off: the edge pixels are half covered.
    art::Mask h = art::Rasterize(art::Rect(2.5, 2, 3, 2), 10, 10);
    EXPECT_NEAR(h.At(2, 2), 0.5, 1e-6);
    EXPECT_NEAR(h.At(5, 3), 0.5, 1e-6);
    EXPECT_NEAR(h.At(3, 2), 1.0, 1e-6);
    // A disc's coverage adds up to its area; a shape hanging off the canvas is cut cleanly.
    EXPECT_NEAR(Sum(art::Rasterize(art::Circle(20, 20, 10.3), 40, 40)), M_PI * 10.3 * 10.3, 0.5);
    art::Mask cut = art::Rasterize(art::Rect(-5, -5, 8, 8), 10, 10);
    EXPECT_NEAR(Sum(cut), 9.0, 1e-6);
    // Overlapping contours unite instead of cancelling.
    art::Path two = art::Rect(0, 0, 6, 6);
    two.Append(art::Polygon({{3, 3}, {3, 9}, {9, 9}, {9, 3}}));
    EXPECT_NEAR(Sum(art::Rasterize(two, 10, 10)), 36 + 36 - 9, 1e-6);
}

TEST(Quantizer, KeepsFewColoursExactly) {
    art::RgbImage few(4, 1);
    few.px = {0x102030, 0xFFFFFF, 0x102030, 0x00FF00};
    art::IndexedImage q = art::Quantize(few, 16);
    ASSERT_EQ(q.palette.size(), 3u);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(q.palette[q.At(x, 0)], few.At(x, 0));
}

}  // namespace
}  // namespace tk_res_test
