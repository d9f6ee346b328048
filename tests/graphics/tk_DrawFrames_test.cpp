#include <gtest/gtest.h>

#include <map>
#include <string>

#include "framework/graphics/tk_Draw.h"
#include "tests/graphics/tk_test_surface.h"

using tk_test::TestSurface;

namespace {

class DrawFramesTest : public ::testing::Test {
  protected:
    TestSurface srf{10, 8};
    std::map<std::uint16_t, char> legend;
    HDC dc = nullptr;

    void SetUp() override {
        legend = {{srf.RawOf(RGB(255, 255, 255)), 'W'},
                  {srf.RawOf(RGB(80, 80, 80)), 'g'},
                  {srf.RawOf(RGB(216, 216, 216)), 'l'},
                  {srf.RawOf(RGB(0, 160, 232)), 'b'},
                  {srf.RawOf(RGB(255, 0, 0)), 'r'}};
        // Black is the background; the black pen shows as 'K' on a grey ground.
        srf.Fill(srf.RawOf(RGB(0, 0, 255)));
        legend[srf.RawOf(RGB(0, 0, 255))] = '.';
        legend[0] = 'K';
        ASSERT_EQ(srf.get()->GetDC(&dc), DD_OK);
    }
    std::string drawn(const char* name) {
        srf.get()->ReleaseDC(dc);
        dc = nullptr;
        srf.SavePng(name);
        return srf.Picture(0, 0, 10, 8, legend);
    }
    void TearDown() override {
        if (dc) srf.get()->ReleaseDC(dc);
    }
    RECT box{1, 1, 9, 7};
};

TEST_F(DrawFramesTest, RaisedBevelIsLightAboveAndDarkBelow) {
    tk_glob_Level_efekt(dc, &box, 1);
    EXPECT_EQ(drawn("bevel_raised"),
              ".........."
              "\n.WWWWWWWK."
              "\n.W.....gK."
              "\n.W.....gK."
              "\n.W.....gK."
              "\n.WggggggK."
              "\n.KKKKKKKK."
              "\n..........\n");
}

TEST_F(DrawFramesTest, SunkenBevelIsDarkAboveAndLightBelow) {
    tk_glob_Level_efekt(dc, &box, 2);
    EXPECT_EQ(drawn("bevel_sunken"),
              ".........."
              "\n.gggggggW."
              "\n.gKKKKKKW."
              "\n.gK.....W."
              "\n.gK.....W."
              "\n.gK.....W."
              "\n.gWWWWWWW."
              "\n..........\n");
}

TEST_F(DrawFramesTest, FilledBevelAndOtherKinds) {
    tk_glob_Level_efekt(dc, &box, 0);
    tk_glob_Level_efekt(dc, &box, 3);
    tk_glob_Level_efekt2_fill(dc, &box, 1);
    EXPECT_EQ(drawn("bevel_filled"),
              ".........."
              "\n.WWWWWWWK."
              "\n.WlllllgK."
              "\n.WlllllgK."
              "\n.WlllllgK."
              "\n.WggggggK."
              "\n.KKKKKKKK."
              "\n..........\n");
    // A kind without a bevel still gets the fill.
    srf.Fill(srf.RawOf(RGB(0, 0, 255)));
    ASSERT_EQ(srf.get()->GetDC(&dc), DD_OK);
    RECT small{2, 2, 4, 4};
    tk_glob_Level_efekt2_fill(dc, &small, 7);
    EXPECT_EQ(drawn("bevel_none").substr(11, 44), "..........\n..ll......\n..ll......\n..........\n");
}

TEST_F(DrawFramesTest, ThinFramesUseWhiteBlueOrTheSelectedPen) {
    tk_glob_Ramik(dc, &box, 0);
    RECT inner{2, 2, 8, 6};
    tk_glob_Ramik(dc, &inner, 1);
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(dc, red);
    RECT dot{4, 3, 6, 5};
    tk_glob_Ramik(dc, &dot, 2);
    // The caller's pen and brush are back in place.
    EXPECT_EQ(SelectObject(dc, old), red);
    DeleteObject(red);
    EXPECT_EQ(drawn("frames"),
              ".........."
              "\n.WWWWWWWW."
              "\n.WbbbbbbW."
              "\n.Wb.rr.bW."
              "\n.Wb.rr.bW."
              "\n.WbbbbbbW."
              "\n.WWWWWWWW."
              "\n..........\n");
}

TEST(DrawObjectsTest, SharedObjectsAreMadeOnceAndTransparencyIsAProgramDefault) {
    const tk_TGlobGDI& gdi = tk_glob_GDI();
    EXPECT_NE(gdi.pen_grey, nullptr);
    EXPECT_NE(gdi.pen_blue, nullptr);
    EXPECT_NE(gdi.brush_grey, nullptr);
    EXPECT_NE(gdi.brush_blue, nullptr);
    EXPECT_NE(gdi.brush_red, nullptr);
    EXPECT_NE(gdi.brush_yellow, nullptr);
    HPEN grey = gdi.pen_grey;
    EXPECT_EQ(tk_glob_GDI().pen_grey, grey);

    // The list highlight brushes paint their colours.
    TestSurface srf(4, 1);
    HDC dc = nullptr;
    ASSERT_EQ(srf.get()->GetDC(&dc), DD_OK);
    HBRUSH brushes[] = {gdi.brush_blue, gdi.brush_red, gdi.brush_yellow};
    for (int i = 0; i < 3; ++i) {
        RECT r{i, 0, i + 1, 1};
        FillRect(dc, &r, brushes[i]);
    }
    srf.get()->ReleaseDC(dc);
    EXPECT_EQ(srf.Pixel(0, 0), srf.RawOf(RGB(60, 60, 255)));
    EXPECT_EQ(srf.Pixel(1, 0), srf.RawOf(RGB(255, 60, 60)));
    EXPECT_EQ(srf.Pixel(2, 0), srf.RawOf(RGB(255, 255, 60)));

    tk_glob_GDI_Release();
    EXPECT_NE(tk_glob_GDI().pen_grey, nullptr);

    EXPECT_EQ(tk_glob_Get_CIcon_default_transparency(), 1);
    tk_glob_Set_CIcon_default_transparency(0);
    EXPECT_EQ(tk_glob_Get_CIcon_default_transparency(), 0);
    tk_glob_Set_CIcon_default_transparency(1);
}

}  // namespace
