// Screen-to-buffer mapping under a kept aspect, and the emulated display-mode list.
#include <gtest/gtest.h>

#include "platform/user/display_modes.h"
#include "platform/user/pointer_map.h"

using tkp::user::EmulatedDisplayModes;
using tkp::user::ScreenToBuffer;

namespace {

std::pair<int, int> map(int x, int y, int sw, int sh, int bw, int bh) {
    const POINT p = ScreenToBuffer(x, y, sw, sh, bw, bh);
    return {p.x, p.y};
}

std::string list(const std::vector<tkp::backend::DisplayMode>& modes) {
    std::string s;
    for (const auto& m : modes) s += std::to_string(m.width) + "x" + std::to_string(m.height) + " ";
    return s;
}

}  // namespace

TEST(PointerMap, LetterboxedPillarboxedAndClamped) {
    using P = std::pair<int, int>;
    // 800x600 on 1280x1024: scale 1.6, picture 1280x960 with bars of 32 above and below.
    EXPECT_EQ(map(641, 513, 1280, 1024, 800, 600), P(400, 300));
    EXPECT_EQ(map(0, 32, 1280, 1024, 800, 600), P(0, 0));
    EXPECT_EQ(map(1279, 991, 1280, 1024, 800, 600), P(799, 599));
    EXPECT_EQ(map(300, 5, 1280, 1024, 800, 600), P(187, 0));       // top bar: clamped
    EXPECT_EQ(map(300, 1020, 1280, 1024, 800, 600), P(187, 599));  // bottom bar: clamped
    // 800x600 on 1920x1080: scale 1.8, picture 1440x1080 with bars of 240 left and right.
    EXPECT_EQ(map(1201, 541, 1920, 1080, 800, 600), P(533, 300));
    EXPECT_EQ(map(100, 541, 1920, 1080, 800, 600), P(0, 300));
    EXPECT_EQ(map(1900, 541, 1920, 1080, 800, 600), P(799, 300));
    // Same aspect: plain scaling; same size: identity.
    EXPECT_EQ(map(1599, 1199, 1600, 1200, 800, 600), P(799, 599));
    EXPECT_EQ(map(17, 23, 800, 600, 800, 600), P(17, 23));
    // Nonsense sizes give the origin rather than a division by zero.
    EXPECT_EQ(map(5, 5, 0, 0, 800, 600), P(0, 0));
}

TEST(DisplayModes, CommonSizesThatFitPlusTheDesktopAscending) {
    EXPECT_EQ(list(EmulatedDisplayModes(1280, 1024)),
              "800x600 1024x768 1152x864 1280x720 1280x800 1280x1024 ");
    EXPECT_EQ(list(EmulatedDisplayModes(1920, 1080)),
              "800x600 1024x768 1152x864 1280x720 1280x800 1280x1024 1366x768 1440x900 1600x900 1680x1050 "
              "1920x1080 ");
    // An unusual desktop joins the list in its place.
    EXPECT_EQ(list(EmulatedDisplayModes(1300, 750)), "800x600 1280x720 1300x750 ");
    EXPECT_EQ(list(EmulatedDisplayModes(640, 480)), "640x480 ");
    EXPECT_EQ(list(EmulatedDisplayModes(0, 0)), "");
}
