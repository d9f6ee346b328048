// Screen-to-buffer mapping under a kept aspect, and the emulated display-mode list.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/present/display_modes.h"
#include "platform/present/pointer_map.h"

using tkp::present::EmulatedDisplayModes;
using tkp::present::LetterboxRect;
using tkp::present::ScreenToBuffer;

namespace {

std::string list(const std::vector<tkp::base::backend::DisplayMode>& modes) {
    std::string s;
    for (const auto& m : modes) s += std::to_string(m.width) + "x" + std::to_string(m.height) + " ";
    return s;
}

}  // namespace

TEST(PointerMap, LetterboxedPillarboxedAndClampedAndThePicturesPlace) {
    // 800x600 on 1280x1024: scale 1.6, picture 1280x960 with bars of 32 above and below, where the
    // pointer is clamped; 800x600 on 1920x1080: scale 1.8, picture 1440x1080 with bars of 240 left
    // and right; the same aspect scales plainly, the same size is the identity, and nonsense sizes
    // give the origin rather than a division by zero.
    const int cases[][8] = {{0, 32, 1280, 1024, 0, 0},
                            {1279, 991, 1280, 1024, 799, 599},
                            {300, 1020, 1280, 1024, 187, 599},
                            {1201, 541, 1920, 1080, 533, 300},
                            {100, 541, 1920, 1080, 0, 300},
                            {1900, 541, 1920, 1080, 799, 300},
                            {1599, 1199, 1600, 1200, 799, 599},
                            {17, 23, 800, 600, 17, 23},
                            {5, 5, 0, 0, 0, 0}};
    for (const auto& c : cases) {
        const POINT p = ScreenToBuffer(c[0], c[1], c[2], c[3], 800, 600);
        EXPECT_EQ(std::make_pair(p.x, p.y), std::make_pair(LONG(c[4]), LONG(c[5]))) << c[0] << "," << c[1];
    }
    // The picture's place on the first two screens, where the presentation draws it.
    const RECT bars = LetterboxRect(1280, 1024, 800, 600), sides = LetterboxRect(1920, 1080, 800, 600);
    EXPECT_EQ((std::vector<LONG>{bars.left, bars.top, bars.right, bars.bottom, sides.left, sides.right}),
              (std::vector<LONG>{0, 32, 1280, 992, 240, 1680}));
}

TEST(DisplayModes, CommonSizesThatFitPlusTheDesktopAscending) {
    EXPECT_EQ(list(EmulatedDisplayModes(1280, 1024)),
              "800x600 1024x768 1152x864 1280x720 1280x800 1280x1024 ");
    // An unusual desktop joins the list in its place.
    EXPECT_EQ(list(EmulatedDisplayModes(1300, 750)), "800x600 1280x720 1300x750 ");
    EXPECT_EQ(list(EmulatedDisplayModes(640, 480)), "640x480 ");
    EXPECT_EQ(list(EmulatedDisplayModes(0, 0)), "");
}
