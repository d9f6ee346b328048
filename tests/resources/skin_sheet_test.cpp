// The framework's skin sheet: every point the framework locates a phase from lies in a phase of
// the intended size, framed by background, and points of different phases never share one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/resources/resource_files.h"

namespace tk_res_test {
namespace {

struct Point {
    const char* what;
    int x, y;
    int w, h;  // expected phase w and h (one more than the drawn size)
};

// Every phase point of the skin: templates, icons, tracks and the corner buttons.
const std::vector<Point> kSkinPoints = {
    {"_T_x_", 45, 10, 14, 14},
    {"_T_x_ pressed", 45, 25, 14, 14},
    {"ico_ok", 45, 40, 14, 14},
    {"ico_cancel", 45, 55, 14, 14},
    {"ico_logo", 100, 180, 200, 60},
    {"ico_void", 210, 70, 33, 33},
    {"ico_help", 200, 25, 25, 25},
    {"_posuvV_", 120, 50, 17, 20},
    {"_posuvV_ pressed", 145, 50, 17, 20},
    {"_posuvV_btnA_", 120, 10, 17, 17},
    {"_posuvV_btnA_ pressed", 145, 10, 17, 17},
    {"_posuvV_btnB_", 120, 85, 17, 17},
    {"_posuvV_btnB_ pressed", 145, 85, 17, 17},
    {"_posuvV_track", 170, 30, 17, 17},
    {"_posuvH_", 50, 80, 20, 17},
    {"_posuvH_ pressed", 50, 105, 20, 17},
    {"_posuvH_btnA_", 10, 80, 17, 17},
    {"_posuvH_btnA_ pressed", 10, 105, 17, 17},
    {"_posuvH_btnB_", 85, 80, 17, 17},
    {"_posuvH_btnB_ pressed", 85, 105, 17, 17},
    {"_posuvH_track", 30, 130, 17, 17},
    {"_posuvH2_ 0", 5, 32, 9, 14},
    {"_posuvH2_ 1", 14, 32, 9, 14},
    {"_posuvH2_ 2", 23, 32, 9, 14},
    {"_posuvV2_ 0", 9, 45, 14, 10},
    {"_posuvV2_ 1", 9, 55, 14, 10},
    {"_posuvV2_ 2", 9, 65, 14, 10},
    {"close", 80, 10, 26, 20},
    {"close over", 80, 30, 26, 20},
    {"close pressed", 80, 55, 26, 20},
    {"info", 220, 100, 19, 19},
    {"info over", 220, 120, 19, 19},
    {"info pressed", 220, 140, 19, 19},
    {"resolution", 200, 100, 19, 19},
    {"resolution over", 200, 120, 19, 19},
    {"resolution pressed", 200, 140, 19, 19},
    {"timer", 180, 100, 19, 19},
    {"timer over", 180, 120, 19, 19},
    {"timer pressed", 180, 140, 19, 19},
};

// True when the rectangle is solid (no background inside) and background lies all around it.
::testing::AssertionResult Framed(const SheetView& s, const Phase& f, std::uint16_t bc) {
    for (int y = f.y; y < f.y2; ++y)
        for (int x = f.x; x < f.x2; ++x)
            if (s.Pixel(x, y) == bc)
                return ::testing::AssertionFailure() << "background inside at " << x << "," << y;
    for (int x = f.x - 1; x <= f.x2; ++x) {
        if (x < 0 || x >= s.Width()) continue;
        if ((f.y > 0 && s.Pixel(x, f.y - 1) != bc) || (f.y2 < s.Height() && s.Pixel(x, f.y2) != bc))
            return ::testing::AssertionFailure() << "no background above or below at column " << x;
    }
    for (int y = f.y - 1; y <= f.y2; ++y) {
        if (y < 0 || y >= s.Height()) continue;
        if ((f.x > 0 && s.Pixel(f.x - 1, y) != bc) || (f.x2 < s.Width() && s.Pixel(f.x2, y) != bc))
            return ::testing::AssertionFailure() << "no background left or right at row " << y;
    }
    return ::testing::AssertionSuccess();
}

bool Overlap(const Phase& a, const Phase& b) {
    return a.x < b.x2 && b.x < a.x2 && a.y < b.y2 && b.y < a.y2;
}

TEST(SkinSheet, SizeAndColourPoints) {
    SheetView s = LoadSheet("resources/rezia_dll.bmp");
    EXPECT_EQ(s.Width(), 235);
    EXPECT_EQ(s.Height(), 211);
    EXPECT_EQ(s.Rgb(0, 0), 0xFF0000u);
    EXPECT_EQ(s.Rgb(1, 1), 0x00FFFFu);
    EXPECT_NE(s.Pixel(1, 1), s.Pixel(0, 0));
}

TEST(SkinSheet, EveryPointLiesInItsOwnFramedPhase) {
    SheetView s = LoadSheet("resources/rezia_dll.bmp");
    const std::uint16_t bc = s.Pixel(0, 0);
    std::vector<Phase> found;
    for (const Point& p : kSkinPoints) {
        SCOPED_TRACE(p.what);
        Phase f = s.Locate(p.x, p.y, bc);
        EXPECT_EQ(f.w, p.w);
        EXPECT_EQ(f.h, p.h);
        EXPECT_EQ(f.x2 - f.x + 1, f.w);
        EXPECT_EQ(f.y2 - f.y + 1, f.h);
        EXPECT_TRUE(Framed(s, f, bc));
        found.push_back(f);
    }
    // Points of different phases (different coordinates) never fall into one phase.
    for (std::size_t i = 0; i < found.size(); ++i)
        for (std::size_t j = i + 1; j < found.size(); ++j)
            EXPECT_FALSE(Overlap(found[i], found[j]))
                << kSkinPoints[i].what << " and " << kSkinPoints[j].what;
}

TEST(SkinSheet, ScrollBarPartsLineUp) {
    SheetView s = LoadSheet("resources/rezia_dll.bmp");
    const std::uint16_t bc = s.Pixel(0, 0);
    // A vertical bar's arrows, thumb and track share one width; a horizontal bar's one height.
    Phase va = s.Locate(120, 10, bc), vt = s.Locate(120, 50, bc), vtrack = s.Locate(170, 30, bc);
    EXPECT_EQ(va.w, vt.w);
    EXPECT_EQ(va.w, vtrack.w);
    Phase ha = s.Locate(10, 80, bc), ht = s.Locate(50, 80, bc), htrack = s.Locate(30, 130, bc);
    EXPECT_EQ(ha.h, ht.h);
    EXPECT_EQ(ha.h, htrack.h);
    // Tracks are tiled every (size - 1) pixels: a tile must be more than one pixel long.
    EXPECT_GT(vtrack.h, 1);
    EXPECT_GT(htrack.w, 1);
    // The transparent colour appears inside the round buttons' corners, so they draw round.
    Phase info = s.Locate(220, 100, bc);
    EXPECT_EQ(s.Pixel(info.x, info.y), s.Pixel(1, 1));
}

}  // namespace
}  // namespace tk_res_test
