// The list menu's drawing, pixel by pixel: highlights and frames, backgrounds, icons, cut texts.
#include <gtest/gtest.h>

#include "framework/graphics/tk_Draw.h"
#include "framework/widgets/tk_CDUI_podklad_efekt.h"
#include "framework/widgets/tk_CIcon.h"
#include "tests/lists/menu/lists_world.h"

using tk_test::TestSurface;

namespace {

class MenuDraw : public tk_test::ListsWorld {
  protected:
    // Three entries without texts, (1, 1, 9, 5), (1, 7, 9, 11), (1, 13, 9, 17), in obal
    // (0, 0, 10, 18), without a background.
    static void Tiny(tk_CDUI& m) {
        for (int i = 1; i <= 3; ++i) m.PRIDAJ(i, nullptr);
        m.Nastav_Konstanty(4, 6, 8, 1);
        m.CHOD_NA(0, 0);
        m.podklad = 0;
    }
};

TEST_F(MenuDraw, HighlightsOfTheThreeStatesAndFramesOfIdleEntries) {
    tk_CDUI_void_flag = true;
    TestSurface s(12, 20);
    const std::map<std::uint16_t, char> legend{{s.RawOf(RGB(60, 60, 255)), 'B'},
                                               {s.RawOf(RGB(255, 60, 60)), 'R'},
                                               {s.RawOf(RGB(255, 255, 60)), 'Y'}};
    tk_CDUI m;
    Tiny(m);
    m.ramik_volieb = 1;
    m.INFORMUJ_SA(3, 3, 0);
    m.Volba(1)->stav = 2;
    m.ZOBRAZ(s.get());
    const std::string hover = ".BBBBBBBB..\n", pressed = ".RRRRRRRR..\n", blank = "...........\n";
    EXPECT_EQ(s.Picture(0, 0, 11, 18, legend), blank + hover + hover + hover + hover + blank + blank +
                                                   pressed + pressed + pressed + pressed + blank + blank +
                                                   hover + ".B......B..\n" + ".B......B..\n" + hover + blank);
    // An open pop-up's entry is yellow; a rounded highlight without a pen leaves the corners and,
    // as GDI does, the last column and row; only max_riadkov entries are drawn.
    s.Fill(0);
    m.Volba(0)->stav = 3;
    m.oble = true;
    m.oble_x = m.oble_y = 4;
    m.max_riadkov = 1;
    m.ZOBRAZ(s.get());
    EXPECT_EQ(s.Picture(0, 0, 11, 12, legend), blank + "..YYYYY....\n" + ".YYYYYYY...\n" + "..YYYYY....\n" +
                                                   blank + blank + blank + blank + blank + blank + blank +
                                                   blank);
}

TEST_F(MenuDraw, ShiftedGrownBevelledHighlightsOverTheNetMatchTheHelpers) {
    tk_CDUI_void_flag = true;
    TestSurface s(60, 40), ref(60, 40);
    s.Fill(0x8410);
    ref.Fill(0x8410);
    tk_CDUI m;
    Tiny(m);
    m.CHOD_NA(20, 10);
    m.styl = 3;
    m.posun = 1, m.posun_x = 2, m.posun_y = 3;
    m.nafuk_x = 1, m.nafuk_y = 2;
    m.Volba(0)->stav = 1;
    m.Volba(2)->stav = 2;
    m.podklad = 1;
    m.ZOBRAZ(s.get());
    tk_CDUI_podklad_efekt_A_biela_siet(ref.get(), RECT{20, 10, 30, 28}, true);
    HDC dc = nullptr;
    ASSERT_EQ(ref.get()->GetDC(&dc), DD_OK);
    RECT raised{22, 12, 32, 20}, sunken{22, 24, 32, 32};
    FillRect(dc, &raised, tk_glob_GDI().brush_blue);
    tk_glob_Level_efekt(dc, &raised, 1);
    FillRect(dc, &sunken, tk_glob_GDI().brush_red);
    tk_glob_Level_efekt(dc, &sunken, 2);
    ref.get()->ReleaseDC(dc);
    EXPECT_EQ(s.Differences(ref), 0);
    // Hidden lists, and empty lists once the program has cleared a list, draw nothing.
    s.Fill(0);
    m.visible = false;
    m.ZOBRAZ(s.get());
    m.visible = true;
    m.VYMAZ();
    m.ZOBRAZ(s.get());
    EXPECT_EQ(s.Picture(0, 0, 60, 40, {}).find_first_not_of(".\n"), std::string::npos);
}

TEST_F(MenuDraw, IconsSitInTheirCorner) {
    tk_CDUI_void_flag = true;
    TestSurface s(200, 120);
    tk_CIcon icon(&sheet, tk_test::kWideX, tk_test::kWideY);
    tk_CDUI m;
    m.PRIDAJ(1, nullptr, &icon);
    m.Nastav_Konstanty(40, 43, 100, 3);
    m.CHOD_NA(50, 30);
    m.podklad = 0;
    m.icon_okraj = 2;
    // Entry (53, 33, 153, 73) and the 20 x 10 picture (phase 21 x 11): its top-left corner.
    m.SetIconMode("PD");
    m.ZOBRAZ(s.get());
    EXPECT_EQ(s.Pixel(153 - 2 - 21 + 1, 73 - 2 - 11 + 1), tk_test::kWide);
    EXPECT_EQ(s.Pixel(150, 70), tk_test::kWide);
    EXPECT_EQ(s.Pixel(130, 61) + s.Pixel(151, 70) + s.Pixel(150, 71), 0);
}

// The icon and text of an entry cut at the top or bottom are the whole entry's, clipped.
TEST_F(MenuDraw, CutEntriesShowWhatTheWholeEntryShowsThere) {
    tk_CDUI_void_flag = true;
    TestSurface whole(200, 100), cut(200, 100);
    tk_CIcon icon(&sheet, tk_test::kWideX, tk_test::kWideY);
    tk_CDUI m;
    m.PRIDAJ(1, "Zamiešaj", &icon);
    m.Nastav_Konstanty(40, 43, 120, 3);
    m.CHOD_NA(20, 20);
    m.podklad = 0;
    struct Case {
        const char* code;
        int mode, top, bottom;
    } cases[] = {{"CB", 1, 45, 63}, {"LD", 1, 50, 63}, {"CT", 2, 23, 35}, {"PH", 2, 23, 45}};
    for (const Case& c : cases) {
        m.SetTextMode(c.code);
        m.RESET_GEOMETRIE();
        tk_TVOLBA* v = m.Volba(0);
        v->rect2_mode = 0;
        whole.Fill(0xFFFF);
        cut.Fill(0xFFFF);
        m.ZOBRAZ(whole.get());
        v->rect2 = v->rect;
        v->rect.top = c.top, v->rect.bottom = c.bottom;
        v->rect2_mode = c.mode;
        m.ZOBRAZ(cut.get());
        // Rows of the visible part shrunk by one pixel, where the cut text may show; the icon
        // (rows 25..34) shows in the entries cut at the bottom.
        int differ = 0, ink = 0;
        for (int y = c.top + 1; y < c.bottom - 1; ++y) {
            for (int x = 0; x < 200; ++x) {
                differ += whole.Pixel(x, y) != cut.Pixel(x, y);
                ink += cut.Pixel(x, y) != 0xFFFF;
            }
        }
        EXPECT_EQ(differ, 0) << c.code;
        EXPECT_GT(ink, 0) << c.code;
    }
}

}  // namespace
