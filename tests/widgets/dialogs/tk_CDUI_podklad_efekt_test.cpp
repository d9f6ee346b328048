#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "framework/app/tk_Display.h"
#include "framework/widgets/tk_CDUI_podklad_efekt.h"
#include "tests/common/tk_test_files.h"
#include "tests/graphics/tk_test_bmp.h"
#include "tests/graphics/tk_test_surface.h"
#include "tests/widgets/dialogs/tk_test_screen.h"

using tk_test::ScopedScreen;
using tk_test::TestSurface;

namespace {

constexpr std::uint16_t kGrey = 0x8410;

const std::map<std::uint16_t, char> kNetLegend{{0xFFFF, 'W'}, {0x0000, 'B'}, {kGrey, 'g'}};

// n equal rows of a picture.
std::string Rows(const std::string& row, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += row + "\n";
    return s;
}

}  // namespace

TEST(WhiteNetTest, CheckerboardWithoutAndWithBorder) {
    ScopedScreen screen(800, 600);
    TestSurface srf(32, 32);
    srf.Fill(kGrey);
    // A 4 x 4 area without a border: only its two inner rows change, one pixel each.
    tk_CDUI_podklad_efekt_A_biela_siet(srf.get(), RECT{10, 10, 14, 14}, false);
    EXPECT_EQ(srf.Picture(9, 9, 15, 15, kNetLegend),
              "gggggg\n"
              "gggggg\n"
              "gggWgg\n"
              "ggWggg\n"
              "gggggg\n"
              "gggggg\n");

    // An odd width with a border: the right border stands one column inside the area.
    srf.Fill(kGrey);
    tk_CDUI_podklad_efekt_A_biela_siet(srf.get(), RECT{2, 3, 9, 8}, true);
    EXPECT_EQ(srf.Picture(1, 2, 10, 9, kNetLegend),
              "ggggggggg\n"
              "gBBBBBBBg\n"
              "gBgWgWBgg\n"
              "gBWgWgBgg\n"
              "gBgWgWBgg\n"
              "gBBBBBBBg\n"
              "ggggggggg\n");
}

TEST(WhiteNetTest, CutAtTheScreenAndTheSurfaceEdges) {
    ScopedScreen screen(800, 600);
    TestSurface srf(32, 32);
    srf.Fill(kGrey);
    // Above the screen: the area starts at row 1, which stays as it was; no top border.
    tk_CDUI_podklad_efekt_A_biela_siet(srf.get(), RECT{5, -3, 11, 4}, true);
    EXPECT_EQ(srf.Picture(4, 0, 12, 5, kNetLegend),
              "gggggggg\n"
              "gggggggg\n"
              "gBgWgWBg\n"
              "gBBBBBBg\n"
              "gggggggg\n");

    // Below a 20-row screen: rows stop before row 19 and the bottom border is left out.
    {
        ScopedScreen small(800, 20);
        srf.Fill(kGrey);
        tk_CDUI_podklad_efekt_A_biela_siet(srf.get(), RECT{0, 15, 4, 25}, true);
        EXPECT_EQ(srf.Picture(0, 14, 5, 20, kNetLegend),
                  "ggggg\n"
                  "BBBBg\n"
                  "BgWBg\n"
                  "BWgBg\n"
                  "ggggg\n"
                  "ggggg\n");
    }

    // Wider than the surface on both sides: the checkerboard keeps its phase, nothing is written
    // outside the rows (the sanitizer build would see it).
    srf.Fill(kGrey);
    tk_CDUI_podklad_efekt_A_biela_siet(srf.get(), RECT{-3, 2, 40, 6}, true);
    std::string gw, wg;
    for (int i = 0; i < 16; ++i) gw += "gW", wg += "Wg";
    EXPECT_EQ(srf.Picture(0, 1, 32, 7, kNetLegend),
              Rows(std::string(32, 'g'), 1) + Rows(std::string(32, 'B'), 1) + Rows(gw, 1) + Rows(wg, 1) +
                  Rows(std::string(32, 'B'), 1) + Rows(std::string(32, 'g'), 1));

    // Taller than the surface (the screen is larger): rows stop at the surface's last.
    srf.Fill(kGrey);
    tk_CDUI_podklad_efekt_A_biela_siet(srf.get(), RECT{4, 20, 8, 60}, true);
    EXPECT_EQ(srf.Picture(3, 30, 9, 32, kNetLegend), "gBWgBg\ngBgWBg\n");

    // A surface that cannot be locked (its device context is out) is left alone.
    srf.Fill(kGrey);
    HDC dc = nullptr;
    ASSERT_EQ(srf.get()->GetDC(&dc), DD_OK);
    tk_CDUI_podklad_efekt_A_biela_siet(srf.get(), RECT{2, 2, 10, 10}, true);
    srf.get()->ReleaseDC(dc);
    EXPECT_EQ(srf.Picture(2, 2, 10, 10, kNetLegend), Rows("gggggggg", 8));
    tk_CDUI_podklad_efekt_A_biela_siet(nullptr, RECT{2, 2, 10, 10}, true);
}

namespace {

// Writes raw 5-6-5 values straight into the surface.
void FillRaw(TestSurface& srf, std::uint16_t (*value)(int x, int y)) {
    DDSURFACEDESC d{};
    d.dwSize = sizeof(d);
    ASSERT_EQ(srf.get()->Lock(nullptr, &d, DDLOCK_WAIT, nullptr), DD_OK);
    for (int y = 0; y < srf.height(); ++y) {
        auto* row = reinterpret_cast<std::uint16_t*>(static_cast<std::uint8_t*>(d.lpSurface) + y * d.lPitch);
        for (int x = 0; x < srf.width(); ++x) row[x] = value(x, y);
    }
    srf.get()->Unlock(nullptr);
}

std::uint16_t EveryValue(int x, int y) {
    return static_cast<std::uint16_t>(y * 256 + x);
}

}  // namespace

TEST(MilkyTest, AddsEightyToEachChannelOnBitmapsAndSurfaces) {
    // On a 24-bit bitmap the colours are exact: (200, 100, 30) becomes (255, 180, 110).
    tk_test::ScopedWorkDir dir;
    std::string bmp = tk_test::BmpHeaders(2, 1, 24, 0, 8);
    bmp += std::string("\x1e\x64\xc8\xaf\xfa\x0a\0\0", 8);
    tk_test::WriteFile("milky.bmp", bmp);
    auto bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, "milky.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    ASSERT_NE(bitmap, nullptr);
    HDC mem = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(mem, bitmap);
    tk_CDUI_podklad_efekt_B_mliecny(mem, RECT{0, 0, 2, 1});
    EXPECT_EQ(GetPixel(mem, 0, 0), RGB(255, 180, 110));
    EXPECT_EQ(GetPixel(mem, 1, 0), RGB(90, 255, 255));
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(bitmap);

    // On a surface, the locked form gives exactly what the device-context form gives, for
    // every one of the 65536 pixel values.
    TestSurface through_dc(256, 256), locked(256, 256);
    FillRaw(through_dc, EveryValue);
    FillRaw(locked, EveryValue);
    HDC dc = nullptr;
    ASSERT_EQ(through_dc.get()->GetDC(&dc), DD_OK);
    tk_CDUI_podklad_efekt_B_mliecny(dc, RECT{0, 0, 256, 256});
    through_dc.get()->ReleaseDC(dc);
    tk_CDUI_podklad_efekt_B_mliecny(locked.get(), RECT{0, 0, 256, 256});
    EXPECT_EQ(locked.Differences(through_dc), 0);
    // The stored (200, 100, 30) reads back as (198, 101, 33) and becomes (255, 181, 113).
    const std::uint16_t before = locked.RawOf(RGB(200, 100, 30));
    EXPECT_EQ(locked.Pixel(before % 256, before / 256), locked.RawOf(RGB(255, 181, 113)));

    // Only the area changes, and an area past the surface's edges is cut to it.
    TestSurface small(8, 8);
    small.Fill(kGrey);
    tk_CDUI_podklad_efekt_B_mliecny(small.get(), RECT{2, 3, 4, 5});
    // Grey 0x8410 reads back as (132, 130, 132).
    const std::uint16_t milky = small.RawOf(RGB(212, 210, 212));
    EXPECT_EQ(small.Picture(1, 2, 5, 6, {{kGrey, 'g'}, {milky, 'm'}}), "gggg\ngmmg\ngmmg\ngggg\n");
    tk_CDUI_podklad_efekt_B_mliecny(small.get(), RECT{-50, -50, 50, 50});
    EXPECT_EQ(small.Pixel(0, 0), milky);
}
