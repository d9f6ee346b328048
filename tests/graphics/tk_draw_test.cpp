// Drawing helpers: bevels and thin frames to the pixel, rectangles limited to the screen, text
// drawn exactly as the platform draws it, and text measured.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/support/tk_LOG.h"
#include "platform/platform.h"
#include "platform/testing/test_hooks.h"
#include "tests/common/tk_test_files.h"
#include "tests/common/tk_test_surface.h"

namespace tk_test {
namespace {

TEST(DrawFramesTest, BevelsAndFramesToThePixel) {
    TestSurface srf(10, 8);
    // The ground is blue; the black pen shows as 'K'.
    Legend legend = TestSurface::LegendOf("Wglbr.", {RGB(255, 255, 255), RGB(80, 80, 80), RGB(216, 216, 216),
                                                     RGB(0, 160, 232), RGB(255, 0, 0), RGB(0, 0, 255)});
    legend[0] = 'K';
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
        // Thin frames in white, blue or the selected pen, which stays selected.
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
        EXPECT_TRUE(srf.Shows(0, 0, 10, 8, legend, c.rows)) << c.name;
    }
}

std::string sides(const RECT& r) {
    return Nums(r.left, r.top, r.right, r.bottom);
}

TEST(DrawGeometryTest, RectanglesAreLimitedToTheScreenFromOneToItsSizeAndOne) {
    const int w = tk_ScreenW, h = tk_ScreenH;
    tk_ScreenW = 800, tk_ScreenH = 600;
    RECT r{-5, -5, 2000, 2000}, inside{10, 20, 30, 40};
    tk_glob_Orez_Rect2Screen(&r);
    tk_glob_Orez_Rect2Screen(&inside);
    EXPECT_EQ(sides(r) + " " + sides(inside), "1,1,801,601 10,20,30,40");
    tk_ScreenW = w, tk_ScreenH = h;
}

constexpr COLORREF kYellow = RGB(255, 255, 0);

HFONT makeFont() {
    return CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Verdana");
}

// Each helper against the same text drawn straight through the platform: transparent, in its
// colour, the context's own text colour kept and the font left selected.
TEST(DrawTextTest, TextIsDrawnAsThePlatformDrawsIt) {
    HFONT font = makeFont();
    RECT box{10, 5, 110, 35};
    const struct {
        const char* name;
        HFONT font;
        std::function<void(HDC)> mine, platform;
    } cases[] = {
        {"text_system", nullptr, [&](HDC dc) { tk_glob_Text(dc, 5, 7, kYellow, "ABC"); },
         [&](HDC dc) { TextOutA(dc, 5, 7, "ABC", 3); }},
        {"text_font", font, [&](HDC dc) { tk_glob_Text_font(dc, 5, 7, kYellow, font, "ABC"); },
         [&](HDC dc) { TextOutA(dc, 5, 7, "ABC", 3); }},
        {"text_centred", font,
         [&](HDC dc) {
             tk_glob_Text_draw_font(dc, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE, kYellow, font, "Mačka");
         },
         [&](HDC dc) { DrawTextA(dc, "Mačka", -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestSurface srf(120, 40), ref(120, 40);
        HDC dc = nullptr;
        ASSERT_EQ(srf.get()->GetDC(&dc), DD_OK);
        SetTextColor(dc, RGB(1, 2, 3));
        SetBkMode(dc, OPAQUE);
        c.mine(dc);
        EXPECT_EQ(SetTextColor(dc, 0), RGB(1, 2, 3));
        EXPECT_EQ(SetBkMode(dc, OPAQUE), TRANSPARENT);
        EXPECT_EQ(SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT)),
                  c.font ? c.font : GetStockObject(SYSTEM_FONT));
        srf.get()->ReleaseDC(dc);
        ASSERT_EQ(ref.get()->GetDC(&dc), DD_OK);
        SelectObject(dc, c.font ? c.font : GetStockObject(SYSTEM_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, kYellow);
        c.platform(dc);
        ref.get()->ReleaseDC(dc);
        EXPECT_GT(srf.Inked(), 20);
        EXPECT_TRUE(srf.Same(ref));
    }
    DeleteObject(font);
}

class MeasureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tk_LOG_on = 1;
        tk_LOG_reset_done = false;
        tk_lpDDSPrimary = primary.get();
    }
    void TearDown() override { tk_lpDDSPrimary = nullptr; }
    ScopedWorkDir dir;
    TestSurface primary{64, 64};
};

TEST_F(MeasureTest, TextIsOnePixelWiderThanThePlatformsExtentAndAsHighAsItsLines) {
    HFONT font = makeFont();
    for (HFONT f : {font, HFONT(nullptr)}) {
        HDC dc = nullptr;
        ASSERT_EQ(primary.get()->GetDC(&dc), DD_OK);  // handed back by the last measure
        SelectObject(dc, f ? f : GetStockObject(SYSTEM_FONT));
        SIZE extent{};
        GetTextExtentPoint32A(dc, "ABC", 3, &extent);
        primary.get()->ReleaseDC(dc);
        int w = 0, h = 0;
        tk_glob_ZISTI_ROZMER_TEXTU("ABC", f, &w, &h);
        EXPECT_GT(extent.cx, 0);
        EXPECT_EQ(Nums(w, h), Nums(extent.cx + 1, extent.cy));
        tk_glob_ZISTI_ROZMER_TEXTU("Ahoj\nsvet", f, &w, &h);
        EXPECT_EQ(h, 2 * extent.cy);
    }
    DeleteObject(font);
}

TEST_F(MeasureTest, ALostDisplayGivesTheStandInSizeAndWithoutOneTheProgramStops) {
    tkp::testing::MarkSurfaceLost(primary.get());
    int w = 0, h = 0;
    tk_glob_ZISTI_ROZMER_TEXTU("ABC", nullptr, &w, &h);
    EXPECT_EQ(Nums(w, h), "100,20");
    EXPECT_TRUE(Logged("tk_lpDDSPrimary->GetDC() != DD_OK"));
    tk_lpDDSPrimary = nullptr;
    EXPECT_DEATH(tk_glob_ZISTI_ROZMER_TEXTU("ABC", nullptr, &w, &h),
                 "tk_glob_ZISTI_ROZMER_TEXTU: tk_lpDDSPrimary == NULL !");
}

}  // namespace
}  // namespace tk_test
