// The list menu's construction, placeholders, looks, placement codes and layout numbers.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/lists/menu/lists_world.h"

using tk_test::Edges;

namespace {

class MenuLayout : public tk_test::ListsWorld {};

TEST_F(MenuLayout, PlaceholdersGiveWayToRealEntriesUntilTheFirstClear) {
    tk_CDUI m;
    EXPECT_EQ(Texts(m), "void_0void_1void_2");
    m.PRIDAJ(7, "Zamiešaj");
    EXPECT_EQ(m.Volba(0)->id, 7);
    // A text naming a placeholder is appended; an entry without text is a real one.
    m.PRIDAJ(8, "void_x");
    m.PRIDAJ(9, nullptr);
    m.PRIDAJ(10, "Koniec");
    m.PRIDAJ(11, "Ďalej");
    EXPECT_EQ(Texts(m), "Zamiešaj-Koniecvoid_xĎalej");
    // Without a primary surface a text measures 100 x 20.
    EXPECT_EQ(m.Volba(0)->text_w * 100 + m.Volba(0)->text_h, 100 * 100 + 20);
    // A placeholder removed before real entries came is not taken for one later.
    tk_CDUI cut;
    cut.ODOBER();
    for (const char* t : {"A", "B", "C", "D"}) cut.PRIDAJ(1, t);
    EXPECT_EQ(Texts(cut), "ABCD");

    m.VYMAZ();
    EXPECT_TRUE(tk_CDUI_void_flag);
    tk_CDUI later;
    later.PRIDAJ(1, "A");
    EXPECT_EQ(Texts(later), "A");
}

TEST_F(MenuLayout, VerticalMenuOfThreeEntries) {
    tk_CDUI_void_flag = true;
    tk_CDUI m;
    Three(m, 1);
    m.RESET_DEFAULT();
    EXPECT_EQ(m.x * 1000 + m.y, (960 - 60 - 3) * 1000 + 540 - 34 - 3);
    m.CHOD_NA(100, 50);
    m.RESET_GEOMETRIE();
    EXPECT_EQ(Edges(m.obal), "100,50,226,122");
    EXPECT_EQ(Edges(m.Volba(0)->rect), "103,53,223,73");
    EXPECT_EQ(Edges(m.Volba(1)->rect), "103,76,223,96");
    EXPECT_EQ(Edges(m.Volba(2)->rect), "103,99,223,119");
    int w = 0, h = 0;
    m.GetSize(&w, &h);
    EXPECT_EQ(w * 1000 + h, 127 * 1000 + 73);
    // Centring lays a changed list out first.
    m.Nastav_Konstanty(20, 23, 120, 13);
    m.CHOD_NA_CENTER(400, 300);
    EXPECT_EQ(m.x * 1000 + m.y, (400 - 73) * 1000 + 300 - 46);
    // Only max_riadkov entries are laid out; the others keep their places.
    m.PRIDAJ(4, "x");
    RECT kept = m.Volba(2)->rect;
    m.Nastav_Konstanty(20, 23, 120, 3);
    m.max_riadkov = 2;
    m.CHOD_NA(100, 50);
    m.RESET_GEOMETRIE();
    EXPECT_EQ(Edges(m.obal), "100,50,226,99");
    EXPECT_EQ(Edges(m.Volba(2)->rect), Edges(kept));
}

TEST_F(MenuLayout, RowOfButtonsRisesToTheMiddleAndTheBarFitsItsTexts) {
    tk_CDUI_void_flag = true;
    tk_CDUI row(0);
    for (int i = 1; i <= 4; ++i) row.PRIDAJ(i, "X");
    row.RESET_DEFAULT();
    EXPECT_EQ(row.x * 1000 + row.y, (960 - 245) * 1000 + 540);
    row.CHOD_NA(0, 0);
    row.RESET_GEOMETRIE();
    const int tops[] = {61, 31, 1, 31}, lefts[] = {30, 160, 290, 420};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Edges(row.Volba(i)->rect), Edges(RECT{lefts[i], tops[i], lefts[i] + 100, tops[i] + 80}));
    // The union grown by d is (0, -29, 550, 171), then limited to the screen.
    EXPECT_EQ(Edges(row.obal), "1,1,550,171");

    tk_CDUI bar(1);
    bar.PRIDAJ(1, "DÁTA");
    bar.PRIDAJ(2, "Zamiešaj");
    bar.RESET_GEOMETRIE();
    EXPECT_EQ(Edges(bar.obal), "1,3,1919,29");
    // Eight pixels per character (not per byte) and the text margin on both sides.
    EXPECT_EQ(Edges(bar.Volba(0)->rect), "4,6,38,26");
    EXPECT_EQ(Edges(bar.Volba(1)->rect), "41,6,107,26");
}

TEST_F(MenuLayout, ConstructorsPlacementCodesAndLooks) {
    tk_CDUI m, fifth(5);
    EXPECT_EQ(m.class_id * 100 + m.trieda * 10 + fifth.trieda, 1100 + 20 + 2);
    EXPECT_STREQ(m.name, "noname");
    EXPECT_TRUE(Logged("TK_DUI_w(N) :   tk_CDUI::tk_CDUI(.)"));
    m.SetIconMode("PD");
    EXPECT_STREQ(m.icon_mode, "PD");
    m.SetTextMode("RB");
    m.SetTextMode_NEXT();
    EXPECT_STREQ(m.text_mode, "LT");
    m.SetTextMode(5);
    EXPECT_STREQ(m.text_mode, "CC");
    // A Slovak code has no next English one: it starts again at "LT".
    m.SetIconMode_NEXT();
    EXPECT_STREQ(m.icon_mode, "LT");
    EXPECT_TRUE(Logged("TK_DUI_w(N) : TSKW ERROR:  [SetMode_NEXT_EN]"));

    // Look class 3 is refused like any other unknown class, so no later layout meets it.
    m.RESET_DEFAULT(3);
    EXPECT_TRUE(Logged("TSKW ERROR:  [tk_CDUI::RESET_DEFAULT() - zadana nekorektna trieda] [3]"));
    EXPECT_EQ(m.trieda, 2);
    m.Nastav_Triedu(0);
    EXPECT_EQ(m.a * 1000000 + m.b * 10000 + m.c * 100 + m.d, 80 * 1000000 + 100 * 100 + 30);
    EXPECT_STREQ(m.text_mode, "CB");
    EXPECT_FALSE(m.je_popup);
}

using MenuLayoutDeath = MenuLayout;

TEST_F(MenuLayoutDeath, ProgrammingFaultsStopTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    tk_CDUI m;
    EXPECT_DEATH(m.SetTextMode("XY"), "tk_CDUI::SetMode");
    EXPECT_DEATH(m.SetIconMode(10), "SetMode_EN");
    m.trieda = 3;
    EXPECT_DEATH(m.Inic_KP(), "tk_CDUI::Inic_KP\\(\\) - neznama trieda");
    EXPECT_DEATH(m.RESET_GEOMETRIE(), "RESET_GEOMETRIE\\(\\) - trieda");
    m.trieda = 2;
    tk_test::TestSurface s(8, 8);
    std::strcpy(m.text_mode, "XC");
    EXPECT_DEATH(m.ZOBRAZ(s.get()), "tk_CDUI::ZOBRAZ - TextMode");
}

}  // namespace
