// The game's sheet, the banner and the sprite-sheet card picture, located as the game locates them.
#include <gtest/gtest.h>

#include "tests/resources/resource_files.h"

namespace tk_res_test {
namespace {

// True when some drawn (not transparent) pixel lies within `reach` pixels of the phase's corner.
bool DrawnNearCorner(const SheetView& s, const Phase& f, std::uint16_t tc, int reach) {
    for (int y = f.y; y < f.y + reach; ++y)
        for (int x = f.x; x < f.x + reach; ++x)
            if (s.Pixel(x, y) != tc) return true;
    return false;
}

TEST(GameSheet, HandsMenuButtonAndIcon) {
    SheetView s = LoadSheet("resources/rezia.bmp");
    const std::uint16_t bc = s.Pixel(0, 0), tc = s.Pixel(3, 3);
    EXPECT_EQ(s.Rgb(3, 3), 0x00FFFFu);
    EXPECT_NE(tc, bc);
    EXPECT_NE(tc, 0) << "a transparent colour of 0 would draw the sheet opaque";

    Phase open = s.Locate(5, 10, bc), grab = s.Locate(25, 10, bc);
    EXPECT_FALSE(open.x == grab.x && open.y == grab.y) << "the two hands must be two phases";
    EXPECT_LE(open.x2, grab.x);
    // The hot spot is the top-left corner: the hand must reach it, not leave it empty.
    EXPECT_TRUE(DrawnNearCorner(s, open, tc, 3));
    EXPECT_TRUE(DrawnNearCorner(s, grab, tc, 3));
    for (const Phase& hand : {open, grab}) {
        EXPECT_GE(hand.w, 17);
        EXPECT_LE(hand.w, 33);
        EXPECT_GE(hand.h, 17);
        EXPECT_LE(hand.h, 33);
    }

    // The menu button is placed at the screen's centre minus 70: it is 140 pixels wide.
    Phase menu = s.Locate(80, 10, bc);
    EXPECT_EQ(menu.w - 1, 140);
    EXPECT_GE(menu.h - 1, 20);
    EXPECT_LE(menu.h - 1, 32);

    Phase icon = s.Locate(20, 40, bc);
    EXPECT_EQ(icon.w - 1, 32);
    EXPECT_EQ(icon.h - 1, 32);
    const Phase all[4] = {open, grab, menu, icon};
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j) {
            const Phase &a = all[i], &b = all[j];
            EXPECT_FALSE(a.x < b.x2 && b.x < a.x2 && a.y < b.y2 && b.y < a.y2) << i << " and " << j;
        }
}

TEST(BannerSheet, WholeSheetInsideItsFrameIsThePhase) {
    SheetView s = LoadSheet("resources/sprite_plane.bmp");
    EXPECT_GE(s.Width(), 560);
    EXPECT_LE(s.Width(), 640);
    EXPECT_LE(s.Height(), 120);
    EXPECT_EQ(s.Rgb(2, 2), 0x00FFFFu);
    // The plane and its banner: plenty of drawn pixels, and transparent ones around them.
    int drawn = 0;
    for (int y = 1; y < s.Height() - 1; ++y)
        for (int x = 1; x < s.Width() - 1; ++x) drawn += s.Pixel(x, y) != s.Pixel(2, 2);
    EXPECT_GT(drawn, s.Width() * s.Height() / 5);
    EXPECT_LT(drawn, s.Width() * s.Height() * 4 / 5);
}

TEST(SpriteSheetCard, PhaseAtTenTenFillsTheCardExactly) {
    SheetView s = LoadSheet("cardsets/DATA_tvary/mesiac.bmp");
    Phase f = s.Locate(10, 10, s.Pixel(0, 0));
    EXPECT_EQ(f.x, 1);
    EXPECT_EQ(f.y, 1);
    // The thumbnail keeps the phase's aspect: scale = min(150 / w, 100 / h) in single precision.
    float sx = 150.0f / static_cast<float>(f.w), sy = 100.0f / static_cast<float>(f.h);
    float k = sx < sy ? sx : sy;
    EXPECT_EQ(static_cast<int>(static_cast<float>(f.w) * k), 150);
    EXPECT_EQ(static_cast<int>(static_cast<float>(f.h) * k), 100);
    // It is a real sheet: more than one phase.
    Phase second = s.Locate(10, f.y2 + 10, s.Pixel(0, 0));
    EXPECT_GT(second.y, f.y2);
}

}  // namespace
}  // namespace tk_res_test
