// Bevels and thin frames to the pixel, and the shared drawing objects.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "framework/graphics/tk_Draw.h"
#include "tests/graphics/tk_test_surface.h"

using tk_test::TestSurface;

namespace {

TEST(DrawFramesTest, BevelsAndFramesToThePixel) {
    TestSurface srf(10, 8);
    // The ground is blue; the black pen shows as 'K'.
    std::map<std::uint16_t, char> legend{{srf.RawOf(RGB(255, 255, 255)), 'W'},
                                         {srf.RawOf(RGB(80, 80, 80)), 'g'},
                                         {srf.RawOf(RGB(216, 216, 216)), 'l'},
                                         {srf.RawOf(RGB(0, 160, 232)), 'b'},
                                         {srf.RawOf(RGB(255, 0, 0)), 'r'},
                                         {srf.RawOf(RGB(0, 0, 255)), '.'},
                                         {0, 'K'}};
    RECT box{1, 1, 9, 7}, inner{2, 2, 8, 6}, dot{4, 3, 6, 5}, small{2, 2, 4, 4};
    const struct {
        const char* name;
        std::function<void(HDC)> draw;
        const char* rows;
    } cases[] = {
        // Raised: light above and left, dark below and right; sunken the other way round.
        {"bevel_raised", [&](HDC dc) { tk_glob_Level_efekt(dc, &box, 1); },
         "..........|.WWWWWWWK.|.W.....gK.|.W.....gK.|.W.....gK.|.WggggggK.|.KKKKKKKK.|.........."},
        {"bevel_sunken", [&](HDC dc) { tk_glob_Level_efekt(dc, &box, 2); },
         "..........|.gggggggW.|.gKKKKKKW.|.gK.....W.|.gK.....W.|.gK.....W.|.gWWWWWWW.|.........."},
        // Other kinds draw no bevel; the filled form always fills.
        {"bevel_filled",
         [&](HDC dc) {
             tk_glob_Level_efekt(dc, &box, 0);
             tk_glob_Level_efekt(dc, &box, 3);
             tk_glob_Level_efekt2_fill(dc, &box, 1);
         },
         "..........|.WWWWWWWK.|.WlllllgK.|.WlllllgK.|.WlllllgK.|.WggggggK.|.KKKKKKKK.|.........."},
        {"bevel_none", [&](HDC dc) { tk_glob_Level_efekt2_fill(dc, &small, 7); },
         "..........|..........|..ll......|..ll......|..........|..........|..........|.........."},
        // Thin frames in white, blue or the selected pen, which stays selected with the brush.
        {"frames",
         [&](HDC dc) {
             tk_glob_Ramik(dc, &box, 0);
             tk_glob_Ramik(dc, &inner, 1);
             HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
             HGDIOBJ old = SelectObject(dc, red);
             tk_glob_Ramik(dc, &dot, 2);
             EXPECT_EQ(SelectObject(dc, old), red);
             DeleteObject(red);
         },
         "..........|.WWWWWWWW.|.WbbbbbbW.|.Wb.rr.bW.|.Wb.rr.bW.|.WbbbbbbW.|.WWWWWWWW.|.........."},
    };
    for (const auto& c : cases) {
        srf.Fill(srf.RawOf(RGB(0, 0, 255)));
        HDC dc = nullptr;
        ASSERT_EQ(srf.get()->GetDC(&dc), DD_OK);
        c.draw(dc);
        srf.get()->ReleaseDC(dc);
        srf.SavePng(c.name);
        EXPECT_EQ(srf.Lines(0, 0, 10, 8, legend), c.rows) << c.name;
    }
}

TEST(DrawObjectsTest, SharedObjectsAreMadeOnceAndAgainAfterRelease) {
    HPEN grey = tk_glob_GDI().pen_grey;
    EXPECT_NE(grey, nullptr);
    EXPECT_EQ(tk_glob_GDI().pen_grey, grey);
    tk_glob_GDI_Release();
    EXPECT_NE(tk_glob_GDI().pen_grey, nullptr);
    EXPECT_NE(tk_glob_GDI().brush_yellow, nullptr);
}

}  // namespace
