#include <gtest/gtest.h>

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

// The same text drawn straight through the platform, for comparison.
void Reference(TestSurface& srf, HFONT font, int x, int y, const char* text) {
    HDC dc = nullptr;
    ASSERT_EQ(srf.get()->GetDC(&dc), DD_OK);
    SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kYellow);
    TextOutA(dc, x, y, text, -1);
    srf.get()->ReleaseDC(dc);
}

int Lit(const TestSurface& srf) {
    int n = 0;
    for (int y = 0; y < srf.height(); ++y)
        for (int x = 0; x < srf.width(); ++x) n += srf.Pixel(x, y) != 0;
    return n;
}

TEST(DrawTextTest, TextIsDrawnTransparentInItsColourAndTheContextKeepsItsColour) {
    HFONT font = MakeFont();
    for (HFONT f : {HFONT(nullptr), font}) {
        TestSurface srf(120, 40), ref(120, 40);
        HDC dc = nullptr;
        ASSERT_EQ(srf.get()->GetDC(&dc), DD_OK);
        SetTextColor(dc, RGB(1, 2, 3));
        SetBkMode(dc, OPAQUE);
        if (f) {
            tk_glob_Text_font(dc, 5, 7, kYellow, f, "ABC");
        } else {
            tk_glob_Text(dc, 5, 7, kYellow, "ABC");
        }
        EXPECT_EQ(SetTextColor(dc, 0), RGB(1, 2, 3));
        EXPECT_EQ(SetBkMode(dc, OPAQUE), TRANSPARENT);
        // The font stays selected.
        EXPECT_EQ(SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT)), f ? f : GetStockObject(SYSTEM_FONT));
        srf.get()->ReleaseDC(dc);

        Reference(ref, f, 5, 7, "ABC");
        EXPECT_GT(Lit(srf), 20);
        EXPECT_EQ(srf.Differences(ref), 0);
        srf.SavePng(f ? "text_font" : "text_system");
    }
    DeleteObject(font);
}

TEST(DrawTextTest, TextIsLaidOutInARectangleWithTheGivenFlags) {
    HFONT font = MakeFont();
    TestSurface srf(120, 40), ref(120, 40);
    HDC dc = nullptr;
    ASSERT_EQ(srf.get()->GetDC(&dc), DD_OK);
    SetTextColor(dc, RGB(9, 9, 9));
    RECT r{10, 5, 110, 35};
    tk_glob_Text_draw_font(dc, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, kYellow, font, "Mačka");
    EXPECT_EQ(SetTextColor(dc, 0), RGB(9, 9, 9));
    EXPECT_EQ(SelectObject(dc, GetStockObject(SYSTEM_FONT)), font);
    srf.get()->ReleaseDC(dc);

    ASSERT_EQ(ref.get()->GetDC(&dc), DD_OK);
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kYellow);
    RECT r2{10, 5, 110, 35};
    DrawTextA(dc, "Mačka", -1, &r2, 0x25);
    ref.get()->ReleaseDC(dc);
    EXPECT_GT(Lit(srf), 20);
    EXPECT_EQ(srf.Differences(ref), 0);
    srf.SavePng("text_centred");
    DeleteObject(font);
}

TEST(DrawTextTest, TextOnASurfaceTakesAndReleasesItsContext) {
    TestSurface srf(120, 40), ref(120, 40);
    EXPECT_EQ(tk_glob_Text_srf(srf.get(), 3, 4, kYellow, "Koniec"), DD_OK);
    Reference(ref, nullptr, 3, 4, "Koniec");
    EXPECT_EQ(srf.Differences(ref), 0);
    HDC dc = nullptr;
    EXPECT_EQ(srf.get()->GetDC(&dc), DD_OK);  // not left busy
    srf.get()->ReleaseDC(dc);

    TestSurface lost(120, 40);
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

    // What the platform itself says of the text.
    void platform(const char* text, HFONT font, SIZE* extent, int* height) {
        HDC dc = nullptr;
        ASSERT_EQ(primary.get()->GetDC(&dc), DD_OK);
        SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
        GetTextExtentPoint32A(dc, text, -1, extent);
        RECT r{0, 0, 0, 0};
        *height = DrawTextA(dc, text, -1, &r, DT_CALCRECT);
        primary.get()->ReleaseDC(dc);
    }
};

TEST_F(MeasureTest, TextIsOnePixelWiderThanThePlatformsExtent) {
    HFONT font = MakeFont();
    for (HFONT f : {font, HFONT(nullptr)}) {
        SIZE extent{};
        int height = 0;
        platform("ABC", f, &extent, &height);
        int w = 0, h = 0;
        tk_glob_ZISTI_ROZMER_TEXTU("ABC", f, &w, &h);
        EXPECT_GT(extent.cx, 0);
        EXPECT_EQ(w, extent.cx + 1);
        EXPECT_EQ(h, height);
        EXPECT_EQ(h, extent.cy);
    }
    // Several lines: the height follows the platform's line breaking.
    SIZE one{};
    int single = 0, lines = 0;
    platform("Ahoj", font, &one, &single);
    platform("Ahoj\nsvet", font, &one, &lines);
    int w = 0, h = 0;
    tk_glob_ZISTI_ROZMER_TEXTU("Ahoj\nsvet", font, &w, &h);
    EXPECT_EQ(h, lines);
    EXPECT_EQ(h, 2 * single);
    // The primary's context is handed back and keeps its font.
    HDC dc = nullptr;
    ASSERT_EQ(primary.get()->GetDC(&dc), DD_OK);
    primary.get()->ReleaseDC(dc);
    DeleteObject(font);
}

TEST_F(MeasureTest, ALostDisplayGivesTheStandInSizeAndAnErrorLine) {
    tkp_MarkSurfaceLost(primary.get());
    int w = 0, h = 0;
    tk_glob_ZISTI_ROZMER_TEXTU("ABC", nullptr, &w, &h);
    EXPECT_EQ(w, 100);
    EXPECT_EQ(h, 20);
    std::string log = tk_test::ReadFile("tk_LOG.txt");
    EXPECT_NE(log.find("\nTK_DAS_w("), std::string::npos);
    EXPECT_NE(
        log.find(") : TSKW ERROR:  [tk_glob_ZISTI_ROZMER_TEXTU: tk_lpDDSPrimary->GetDC() != DD_OK !]\n"),
        std::string::npos);
}

TEST_F(MeasureTest, MeasuringWithoutADisplayIsAProgrammingFault) {
    tk_lpDDSPrimary = nullptr;
    int w = 0, h = 0;
    EXPECT_DEATH(tk_glob_ZISTI_ROZMER_TEXTU("ABC", nullptr, &w, &h),
                 "tk_glob_ZISTI_ROZMER_TEXTU: tk_lpDDSPrimary == NULL !");
    EXPECT_NE(tk_test::ReadFile("tk_LOG.txt")
                  .find(") : TSKW ERROR:  [tk_glob_ZISTI_ROZMER_TEXTU: tk_lpDDSPrimary == NULL !]\n"),
              std::string::npos);
}

}  // namespace
