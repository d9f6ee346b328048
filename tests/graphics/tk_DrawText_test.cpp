// Text drawn through the helpers exactly as the platform draws it, and text measured.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/app/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/support/tk_LOG.h"
#include "tests/common/tk_test_files.h"
#include "tests/graphics/tk_test_surface.h"

using tk_test::TestSurface;

namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);

HFONT MakeFont() {
    return CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Verdana");
}

// Each helper against the same text drawn straight through the platform: transparent, in its
// colour, the context's own text colour kept and the font left selected.
TEST(DrawTextTest, TextIsDrawnAsThePlatformDrawsIt) {
    HFONT font = MakeFont();
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
        EXPECT_GT(srf.Differences(TestSurface(120, 40)), 20);
        EXPECT_EQ(srf.Differences(ref), 0);
        srf.SavePng(c.name);
    }
    DeleteObject(font);
}

TEST(DrawTextTest, TextOnASurfaceTakesAndReleasesItsContext) {
    TestSurface srf(120, 40), ref(120, 40), lost(120, 40);
    EXPECT_EQ(tk_glob_Text_srf(srf.get(), 3, 4, kYellow, "Koniec"), DD_OK);
    HDC dc = nullptr;
    ASSERT_EQ(ref.get()->GetDC(&dc), DD_OK);
    tk_glob_Text(dc, 3, 4, kYellow, "Koniec");
    ref.get()->ReleaseDC(dc);
    EXPECT_EQ(srf.Differences(ref), 0);
    ASSERT_EQ(srf.get()->GetDC(&dc), DD_OK);  // not left busy
    srf.get()->ReleaseDC(dc);
    tkp_MarkSurfaceLost(lost.get());
    EXPECT_EQ(tk_glob_Text_srf(lost.get(), 3, 4, kYellow, "Koniec"), DDERR_SURFACELOST);
    EXPECT_EQ(tk_glob_Text_srf(nullptr, 3, 4, kYellow, "Koniec"), DDERR_INVALIDOBJECT);
}

class MeasureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tk_LOG_on = 1;
        tk_LOG_reset_done = false;
        tk_lpDDSPrimary = primary.get();
    }
    void TearDown() override { tk_lpDDSPrimary = nullptr; }
    tk_test::ScopedWorkDir dir;
    TestSurface primary{64, 64};
};

TEST_F(MeasureTest, TextIsOnePixelWiderThanThePlatformsExtentAndAsHighAsItsLines) {
    HFONT font = MakeFont();
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
        EXPECT_EQ(tk_test::Nums(w, h), tk_test::Nums(extent.cx + 1, extent.cy));
        tk_glob_ZISTI_ROZMER_TEXTU("Ahoj\nsvet", f, &w, &h);
        EXPECT_EQ(h, 2 * extent.cy);
    }
    DeleteObject(font);
}

TEST_F(MeasureTest, ALostDisplayGivesTheStandInSizeAndWithoutOneTheProgramStops) {
    tkp_MarkSurfaceLost(primary.get());
    int w = 0, h = 0;
    tk_glob_ZISTI_ROZMER_TEXTU("ABC", nullptr, &w, &h);
    EXPECT_EQ(tk_test::Nums(w, h), "100,20");
    EXPECT_NE(
        tk_test::ReadFile("tk_LOG.txt")
            .find(") : TSKW ERROR:  [tk_glob_ZISTI_ROZMER_TEXTU: tk_lpDDSPrimary->GetDC() != DD_OK !]\n"),
        std::string::npos);
    tk_lpDDSPrimary = nullptr;
    EXPECT_DEATH(tk_glob_ZISTI_ROZMER_TEXTU("ABC", nullptr, &w, &h),
                 "tk_glob_ZISTI_ROZMER_TEXTU: tk_lpDDSPrimary == NULL !");
}

}  // namespace
