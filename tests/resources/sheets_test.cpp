// The framework's skin sheet, the game's sheet and the banner: every point a phase is located from
// lies in a phase of the intended size, framed by background, and points of different phases never
// share one.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/resources/resource_files.h"

namespace tk_res_test {
namespace {

// A point and the phase w and h expected there (one more than the drawn size); with `states`
// above one, the further states' points follow at steps of (dx, dy).
struct Point {
    const char* what;
    int x, y, w, h, states = 1, dx = 0, dy = 0;
};

// The skin's templates and icons are located by the framework itself in the skin's tests; here the
// close button and the round buttons of the application shell.
const std::vector<Point> kSkinPoints = {{"close normal and over", 80, 10, 26, 20, 2, 0, 20},
                                        {"close pressed", 80, 55, 26, 20},
                                        {"timer, resolution, info", 180, 100, 19, 19, 3, 20, 0},
                                        {"timer, resolution, info over", 180, 120, 19, 19, 3, 20, 0},
                                        {"timer, resolution, info pressed", 180, 140, 19, 19, 3, 20, 0}};

// Hands (whose hot spot is the top-left corner), the menu button placed at the screen's centre
// minus 70 and so 140 pixels wide, and the 32 x 32 program icon.
const std::vector<Point> kGamePoints = {{"open and grabbing hand", 5, 10, 23, 27, 2, 20, 0},
                                        {"menu button", 80, 10, 141, 27},
                                        {"icon", 20, 40, 33, 33}};

// True when the rectangle is solid (no background inside) and background lies all around it.
::testing::AssertionResult framed(const SheetView& s, const tk_TFAZA& f, std::uint16_t bc) {
    for (int y = std::max(f.y - 1, 0); y <= std::min(f.y2, s.Height() - 1); ++y)
        for (int x = std::max(f.x - 1, 0); x <= std::min(f.x2, s.Width() - 1); ++x)
            if ((s.Pixel(x, y) == bc) != (x < f.x || x >= f.x2 || y < f.y || y >= f.y2))
                return ::testing::AssertionFailure() << "wrong background at " << x << "," << y;
    return ::testing::AssertionSuccess();
}

// Locates every point with the background at (0, 0); returns the phases found.
std::vector<tk_TFAZA> expectFramedPhases(SheetView& s, const std::vector<Point>& points) {
    const std::uint16_t bc = s.Pixel(0, 0);
    std::vector<tk_TFAZA> found;
    std::vector<std::string> names;
    for (const Point& p : points) {
        for (int k = 0; k < p.states; ++k) {
            const int x = p.x + k * p.dx, y = p.y + k * p.dy;
            names.push_back(std::string(p.what) + " #" + std::to_string(k));
            SCOPED_TRACE(names.back());
            if (x >= s.Width() || y >= s.Height()) {
                ADD_FAILURE() << "point outside the sheet";
                continue;
            }
            tk_TFAZA f = s.Locate(x, y, bc);
            EXPECT_EQ(f.w * 1000 + f.h, p.w * 1000 + p.h);
            EXPECT_TRUE(framed(s, f, bc));
            found.push_back(f);
        }
    }
    // Points of different phases (different coordinates) never fall into one phase.
    for (std::size_t i = 0; i < found.size(); ++i)
        for (std::size_t j = i + 1; j < found.size(); ++j) {
            const tk_TFAZA &a = found[i], &b = found[j];
            EXPECT_FALSE(a.x < b.x2 && b.x < a.x2 && a.y < b.y2 && b.y < a.y2)
                << names[i] << " and " << names[j];
        }
    return found;
}

TEST(Sheets, SkinSheetPhasesAndTransparentColour) {
    SheetView s("resources/rezia_dll.bmp");
    EXPECT_EQ(s.Width() * 1000 + s.Height(), 235211);
    EXPECT_EQ(s.Rgb(0, 0), 0xFF0000u);
    EXPECT_EQ(s.Rgb(1, 1), 0x00FFFFu);
    expectFramedPhases(s, kSkinPoints);
    // The transparent colour appears inside the round buttons' corners, so they draw round.
    tk_TFAZA info = s.Locate(220, 100, s.Pixel(0, 0));
    EXPECT_EQ(s.Pixel(info.x, info.y), s.Pixel(1, 1));
}

TEST(Sheets, GameSheetPhasesAndTransparentColour) {
    SheetView s("resources/rezia.bmp");
    const std::uint16_t tc = s.Pixel(3, 3);
    EXPECT_EQ(s.Rgb(3, 3), 0x00FFFFu);
    EXPECT_NE(tc, s.Pixel(0, 0));
    std::vector<tk_TFAZA> found = expectFramedPhases(s, kGamePoints);
    ASSERT_EQ(found.size(), 4u);
    // The hands reach their hot spot: something is drawn within three pixels of the corner.
    for (const tk_TFAZA& hand : {found[0], found[1]}) {
        bool drawn = false;
        for (int y = hand.y; y < hand.y + 3; ++y)
            for (int x = hand.x; x < hand.x + 3; ++x) drawn = drawn || s.Pixel(x, y) != tc;
        EXPECT_TRUE(drawn) << hand.x;
    }
}

TEST(Sheets, Banner) {
    // The whole banner inside its frame is the phase: the plane and its banner, with plenty of
    // drawn pixels and transparent ones around them.
    SheetView banner("resources/sprite_plane.bmp");
    EXPECT_TRUE(banner.Width() >= 560 && banner.Width() <= 640 && banner.Height() <= 120);
    EXPECT_EQ(banner.Rgb(2, 2), 0x00FFFFu);
    int drawn = 0;
    for (int y = 1; y < banner.Height() - 1; ++y)
        for (int x = 1; x < banner.Width() - 1; ++x) drawn += banner.Pixel(x, y) != banner.Pixel(2, 2);
    EXPECT_GT(drawn, banner.Width() * banner.Height() / 5);
    EXPECT_LT(drawn, banner.Width() * banner.Height() * 4 / 5);
}

}  // namespace
}  // namespace tk_res_test
