// The drawing and file-writing pieces the resource tools are built from.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/common/tk_test_files.h"
#include "tests/resources/resource_files.h"
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

TEST(Quantizer, KeepsFewColoursAndMapsManyToTheNearest) {
    art::RgbImage few(4, 1);
    few.px = {0x102030, 0xFFFFFF, 0x102030, 0x00FF00};
    art::IndexedImage q = art::Quantize(few, 16);
    ASSERT_EQ(q.palette.size(), 3u);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(q.palette[q.At(x, 0)], few.At(x, 0));

    art::RgbImage many(64, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 64; ++x)
            many.At(x, y) = static_cast<std::uint32_t>((x * 4) << 16 | (y * 60) << 8 | 0x40);
    q = art::Quantize(many, 16);
    ASSERT_LE(q.palette.size(), 16u);
    auto dist = [](std::uint32_t a, std::uint32_t b) {
        int d = 0;
        for (int s = 0; s < 24; s += 8) {
            int e = static_cast<int>((a >> s) & 255) - static_cast<int>((b >> s) & 255);
            d += e * e;
        }
        return d;
    };
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 64; ++x) {
            int chosen = dist(many.At(x, y), q.palette[q.At(x, y)]);
            for (std::uint32_t c : q.palette) EXPECT_LE(chosen, dist(many.At(x, y), c));
        }
}

std::uint32_t U(const std::string& b, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

TEST(ProgramIcon, SixteenAndThirtyTwoWithAlphaAndMask) {
    std::string b = tk_test::ReadFile(RepoPath("resources/kartola.ico"));
    ASSERT_GE(b.size(), 6u + 32u);
    EXPECT_EQ(U(b, 0, 2), 0u);
    EXPECT_EQ(U(b, 2, 2), 1u);
    ASSERT_EQ(U(b, 4, 2), 2u);
    for (int i = 0; i < 2; ++i) {
        const std::size_t e = 6 + 16 * i;
        const int n = i == 0 ? 16 : 32;
        SCOPED_TRACE(n);
        EXPECT_EQ(static_cast<int>(U(b, e, 1)), n);
        EXPECT_EQ(U(b, e + 6, 2), 32u);
        const std::size_t size = U(b, e + 8, 4), at = U(b, e + 12, 4);
        const std::size_t mask = (n + 31) / 32 * 4;
        ASSERT_EQ(size, 40 + 4u * n * n + mask * n);
        ASSERT_LE(at + size, b.size());
        EXPECT_EQ(static_cast<int>(U(b, at + 4, 4)), n);
        EXPECT_EQ(static_cast<int>(U(b, at + 8, 4)), 2 * n);
        // Clear corners and an opaque middle; the AND mask marks exactly the clear pixels.
        int clear = 0, opaque = 0;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                unsigned alpha = U(b, at + 40 + 4 * (y * n + x) + 3, 1);
                bool masked = (U(b, at + 40 + 4 * n * n + y * mask + x / 8, 1) >> (7 - x % 8)) & 1;
                EXPECT_EQ(masked, alpha == 0);
                clear += alpha == 0;
                opaque += alpha == 255;
            }
        EXPECT_GT(clear, n * n / 10);
        EXPECT_GT(opaque, n * n / 3);
    }
}

}  // namespace
}  // namespace tk_res_test
