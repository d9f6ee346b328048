// The list menu's drawing, pixel by pixel: highlights and frames, backgrounds, icons, cut texts.
#include <gtest/gtest.h>

#include <cstring>

#include "framework/graphics/tk_Draw.h"
#include "framework/widgets/tk_CDUI_podklad_efekt.h"
#include "framework/widgets/tk_CIcon.h"
#include "tests/lists/menu/lists_world.h"

using tk_test::TestSurface;

namespace {

class MenuDraw : public tk_test::ListsWorld {
  protected:
    // A tiny vertical menu at (0, 0) of three entries without texts: (1, 1, 9, 5), (1, 7, 9, 11),
    // (1, 13, 9, 17) inside obal (0, 0, 10, 18).
    void Tiny(tk_CDUI& m) {
        for (int i = 1; i <= 3; ++i) m.PRIDAJ(i, nullptr);
        m.Nastav_Konstanty(4, 6, 8, 1);
        m.CHOD_NA(0, 0);
        m.podklad = 0;
    }
    std::map<std::uint16_t, char> Legend(TestSurface& s) {
        return {{s.RawOf(RGB(60, 60, 255)), 'B'},
                {s.RawOf(RGB(255, 60, 60)), 'R'},
                {s.RawOf(RGB(255, 255, 60)), 'Y'},
                {s.RawOf(RGB(255, 255, 255)), 'W'}};
    }
};

TEST_F(MenuDraw, HighlightsOfTheThreeStatesAndFramesOfIdleEntries) {
    tk_CDUI_void_flag = true;
    TestSurface s(12, 20);
    tk_CDUI m;
    Tiny(m);
    m.ramik_volieb = 1;
    m.INFORMUJ_SA(3, 3, 0);
    m.Volba(1)->stav = 2;
    m.ZOBRAZ(s.get());
    EXPECT_EQ(s.Picture(0, 0, 11, 19, Legend(s)),
              "...........\n"
              ".BBBBBBBB..\n"
              ".BBBBBBBB..\n"
              ".BBBBBBBB..\n"
              ".BBBBBBBB..\n"
              "...........\n"
              "...........\n"
              ".RRRRRRRR..\n"
              ".RRRRRRRR..\n"
              ".RRRRRRRR..\n"
              ".RRRRRRRR..\n"
              "...........\n"
              "...........\n"
              ".BBBBBBBB..\n"
              ".B......B..\n"
              ".B......B..\n"
              ".BBBBBBBB..\n"
              "...........\n"
              "...........\n");
    // An open pop-up's entry is yellow; rounded highlights without a pen leave the corners and,
    // as GDI does, the last column and row; only max_riadkov entries are drawn.
    s.Fill(0);
    m.ramik_volieb = 0;
    m.Volba(0)->stav = 3;
    m.oble = true;
    m.oble_x = m.oble_y = 4;
    m.max_riadkov = 1;
    m.ZOBRAZ(s.get());
    EXPECT_EQ(s.Picture(0, 0, 11, 8, Legend(s)),
              "...........\n"
              "..YYYYY....\n"
              ".YYYYYYY...\n"
              "..YYYYY....\n"
              "...........\n"
              "...........\n"
              "...........\n"
              "...........\n");
}

TEST_F(MenuDraw, ShiftedGrownBevelledHighlightsAndBackgroundsMatchTheHelpers) {
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
    RECT raised{21 + 2 - 1, 11 + 3 - 2, 29 + 2 + 1, 15 + 3 + 2};
    RECT sunken{21 + 2 - 1, 23 + 3 - 2, 29 + 2 + 1, 27 + 3 + 2};
    FillRect(dc, &raised, tk_glob_GDI().brush_blue);
    tk_glob_Level_efekt(dc, &raised, 1);
    FillRect(dc, &sunken, tk_glob_GDI().brush_red);
    tk_glob_Level_efekt(dc, &sunken, 2);
    ref.get()->ReleaseDC(dc);
    EXPECT_EQ(s.Differences(ref), 0);

    // Plain white fill of obal, and the milky wash.
    for (int podklad : {2, 3}) {
        s.Fill(0x8410);
        ref.Fill(0x8410);
        m.Volba(0)->stav = m.Volba(2)->stav = 0;
        m.podklad = podklad;
        m.ZOBRAZ(s.get());
        if (podklad == 3) {
            tk_CDUI_podklad_efekt_B_mliecny(ref.get(), RECT{20, 10, 30, 28});
        } else {
            ASSERT_EQ(ref.get()->GetDC(&dc), DD_OK);
            RECT all{20, 10, 30, 28};
            FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            ref.get()->ReleaseDC(dc);
        }
        EXPECT_EQ(s.Differences(ref), 0) << "podklad " << podklad;
    }
    // Hidden lists, and empty lists once the program has cleared a list, draw nothing.
    s.Fill(0);
    m.visible = false;
    m.ZOBRAZ(s.get());
    m.visible = true;
    m.VYMAZ();
    m.ZOBRAZ(s.get());
    EXPECT_EQ(s.Picture(0, 0, 60, 40, {}).find_first_not_of(".\n"), std::string::npos);
}

TEST_F(MenuDraw, IconsSitInTheirCornerAndCutEntriesKeepTheirPlace) {
    tk_CDUI_void_flag = true;
    TestSurface s(200, 120);
    tk_CIcon icon(&sheet, tk_test::kWideX, tk_test::kWideY);
    ASSERT_EQ(icon.phase.w * 100 + icon.phase.h, 21 * 100 + 11);
    tk_CDUI m;
    m.PRIDAJ(1, nullptr, &icon);
    m.Nastav_Konstanty(40, 43, 100, 3);
    m.CHOD_NA(50, 30);
    m.podklad = 0;
    m.icon_okraj = 2;
    // Entry (53, 33, 153, 73): the 20 x 10 picture's corners for three codes.
    struct Case {
        const char* code;
        int x, y;
    } cases[] = {{"PD", 153 - 2 - 21 + 1, 73 - 2 - 11 + 1},
                 {"LT", 55, 35},
                 {"CC", (53 + 153 - 20) / 2, (33 + 73 - 10) / 2}};
    for (const Case& c : cases) {
        s.Fill(0);
        m.SetIconMode(c.code);
        m.ZOBRAZ(s.get());
        EXPECT_EQ(s.Pixel(c.x, c.y), tk_test::kWide) << c.code;
        EXPECT_EQ(s.Pixel(c.x + 19, c.y + 9), tk_test::kWide) << c.code;
        EXPECT_EQ(s.Pixel(c.x - 1, c.y) + s.Pixel(c.x, c.y - 1) + s.Pixel(c.x + 20, c.y + 9), 0) << c.code;
    }
    EXPECT_STREQ(m.icon_mode, "CC");
    // The entry cut at the top: only its lower 15 rows show, the picture stays where the whole
    // entry has it and is clipped by the visible part.
    s.Fill(0);
    m.SetIconMode("LT");
    m.RESET_GEOMETRIE();
    tk_TVOLBA* v = m.Volba(0);
    v->rect2 = v->rect;
    v->rect.top = 58;
    v->rect2_mode = 1;
    m.zmena = false;
    m.ZOBRAZ(s.get());
    EXPECT_EQ(s.Pixel(55, 44), 0);
    EXPECT_EQ(s.Pixel(55, 57), 0);
    EXPECT_EQ(s.Pixel(55, 58), 0);
    v->rect.top = 40;
    s.Fill(0);
    m.ZOBRAZ(s.get());
    EXPECT_EQ(s.Pixel(55, 39), 0);
    EXPECT_EQ(s.Pixel(55, 40), tk_test::kWide);
    EXPECT_EQ(s.Pixel(74, 44), tk_test::kWide);
}

// The text of an entry cut at the top or bottom is the whole entry's text, clipped.
TEST_F(MenuDraw, CutEntriesShowTheirTextWhereTheWholeEntryHasIt) {
    tk_CDUI_void_flag = true;
    TestSurface whole(200, 100), cut(200, 100);
    tk_CDUI m;
    m.PRIDAJ(1, "Zamiešaj");
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
        v->rect.top = c.top;
        v->rect.bottom = c.bottom;
        v->rect2_mode = c.mode;
        m.ZOBRAZ(cut.get());
        int differ = 0, ink = 0;
        // Rows inside the visible part shrunk by one pixel, where the cut text may show.
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

using MenuDrawDeath = MenuDraw;

TEST_F(MenuDrawDeath, UnknownLettersInTheFieldsStopTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    tk_CDUI_void_flag = true;
    TestSurface s(200, 100);
    tk_CIcon icon(&sheet, tk_test::kWideX, tk_test::kWideY);
    tk_CDUI m;
    m.PRIDAJ(1, "text", &icon);
    std::strcpy(m.icon_mode, "LQ");
    EXPECT_DEATH(m.ZOBRAZ(s.get()), "tk_CDUI::ZOBRAZ - IconMode");
    std::strcpy(m.icon_mode, "LT");
    std::strcpy(m.text_mode, "XC");
    EXPECT_DEATH(m.ZOBRAZ(s.get()), "tk_CDUI::ZOBRAZ - TextMode");
}

}  // namespace
