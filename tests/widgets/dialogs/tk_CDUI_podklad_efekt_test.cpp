#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "framework/widgets/tk_CDUI_podklad_efekt.h"
#include "tests/graphics/tk_test_surface.h"
#include "tests/widgets/dialogs/tk_test_screen.h"

using tk_test::ScopedScreen;
using tk_test::TestSurface;

namespace {

constexpr std::uint16_t kGrey = 0x8410;
const std::map<std::uint16_t, char> kLegend{{0xFFFF, 'W'}, {0x0000, 'B'}, {kGrey, 'g'}};

}  // namespace

TEST(WhiteNetTest, CheckerboardBordersAndCuts) {
    ScopedScreen screen(800, 20);
    TestSurface srf(32, 32);
    srf.Fill(kGrey);
    // 4 x 4 without a border: one white pixel in each inner row. 7 x 5 with a border: the right
    // border stands one column inside an odd width.
    tk_CDUI_podklad_efekt_A_biela_siet(srf.get(), RECT{1, 1, 5, 5}, false);
    tk_CDUI_podklad_efekt_A_biela_siet(srf.get(), RECT{6, 1, 13, 6}, true);
    // Above the screen: row 1 is the area's first and stays, no top border. Below a 20-row
    // screen: rows stop before row 19, no bottom border.
    tk_CDUI_podklad_efekt_A_biela_siet(srf.get(), RECT{14, -3, 20, 4}, true);
    tk_CDUI_podklad_efekt_A_biela_siet(srf.get(), RECT{21, 1, 25, 25}, true);
    EXPECT_EQ(srf.Picture(0, 0, 26, 7, kLegend),
              "gggggggggggggggggggggggggg\n"
              "ggggggBBBBBBBggggggggBBBBg\n"
              "gggWggBgWgWBggBgWgWBgBgWBg\n"
              "ggWgggBWgWgBggBBBBBBgBWgBg\n"
              "ggggggBgWgWBgggggggggBgWBg\n"
              "ggggggBBBBBBBggggggggBWgBg\n"
              "gggggggggggggggggggggBgWBg\n");
    EXPECT_EQ(srf.Picture(21, 17, 26, 20, kLegend), "BWgBg\nggggg\nggggg\n");

    // Wider and taller than the surface: the phase holds and nothing is written outside it.
    ScopedScreen tall(800, 600);
    srf.Fill(kGrey);
    tk_CDUI_podklad_efekt_A_biela_siet(srf.get(), RECT{-3, 28, 40, 60}, true);
    std::string gw, wg;
    for (int i = 0; i < 16; ++i) gw += "gW", wg += "Wg";
    EXPECT_EQ(srf.Picture(0, 27, 32, 32, kLegend),
              std::string(32, 'g') + "\n" + std::string(32, 'B') + "\n" + gw + "\n" + wg + "\n" + gw + "\n");
}

namespace {

// Writes every 5-6-5 value once into a 256 x 256 surface.
void EveryValue(TestSurface& srf) {
    DDSURFACEDESC d{};
    d.dwSize = sizeof(d);
    ASSERT_EQ(srf.get()->Lock(nullptr, &d, DDLOCK_WAIT, nullptr), DD_OK);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            reinterpret_cast<std::uint16_t*>(static_cast<std::uint8_t*>(d.lpSurface) + y * d.lPitch)[x] =
                static_cast<std::uint16_t>(y * 256 + x);
    srf.get()->Unlock(nullptr);
}

}  // namespace

TEST(MilkyTest, LockedFormGivesTheDeviceContextColours) {
    TestSurface through_dc(256, 256), locked(256, 256);
    EveryValue(through_dc);
    EveryValue(locked);
    HDC dc = nullptr;
    ASSERT_EQ(through_dc.get()->GetDC(&dc), DD_OK);
    tk_CDUI_podklad_efekt_B_mliecny(dc, RECT{0, 0, 256, 256});
    through_dc.get()->ReleaseDC(dc);
    // Cut to the surface's edges.
    tk_CDUI_podklad_efekt_B_mliecny(locked.get(), RECT{-9, -9, 999, 999});
    EXPECT_EQ(locked.Differences(through_dc), 0);
    // (200, 100, 30) is stored as (198, 101, 33), which becomes (255, 181, 113).
    const std::uint16_t before = locked.RawOf(RGB(200, 100, 30));
    EXPECT_EQ(locked.Pixel(before % 256, before / 256), locked.RawOf(RGB(255, 181, 113)));
    // Only the area changes.
    TestSurface small(8, 8);
    small.Fill(kGrey);
    tk_CDUI_podklad_efekt_B_mliecny(small.get(), RECT{2, 3, 4, 4});
    EXPECT_EQ(small.Picture(1, 2, 5, 5, {{kGrey, 'g'}, {small.RawOf(RGB(212, 210, 212)), 'm'}}),
              "gggg\ngmmg\ngggg\n");
}
