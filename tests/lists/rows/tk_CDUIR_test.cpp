// The row list: placeholders, the scrolling layout with cut rows, the slider and buttons driven
// event by event, lookups, na_koniec, the track picture and the fault paths.
#include <gtest/gtest.h>

#include "framework/lists/tk_CDUIR.h"
#include "framework/lists/tk_TVOLBAR.h"
#include "tests/lists/menu/lists_world.h"

using tk_test::Edges;

namespace {

class Rows : public tk_test::ListsWorld {
  protected:
    // n rows "r0", "r1", ... with ids 10, 11, ... at (100, 50): the entry area is x 103..223 from
    // y 53; the slider's column starts at x 226.
    static void Fill(tk_CDUIR& list, int n, int lines) {
        for (int i = 0; i < n; ++i) list.PRIDAJR(10 + i, ("r" + std::to_string(i)).c_str(), nullptr, false);
        list.riadkov = lines;
        list.CHOD_NA(100, 50);
        list.RESET_GEOMETRIER();
    }
    // Row shown by each laid-out entry, with its rectangle and cut mode.
    static std::string Shown(tk_CDUIR& list) {
        std::string s;
        int r = list.max_riadkov > 0 ? list.max_riadkov : list.volby.count;
        for (int i = 0; i < r; ++i) {
            tk_TVOLBA* e = list.Volba(i);
            s += std::string(e->text) + "@" + std::to_string(e->rect.top) + "-" +
                 std::to_string(e->rect.bottom);
            if (e->rect2_mode) s += "/" + std::to_string(e->rect2_mode) + ":" + std::to_string(e->rect2.top);
            s += " ";
        }
        return s;
    }
    static void ScrollTo(tk_CDUIR& list, int position) {
        list.posuv.SP(position);
        list.zmenaR = true;
        list.RESET_GEOMETRIER();
    }
};

TEST_F(Rows, PlaceholderRowsAndClearing) {
    tk_CDUIR list;
    EXPECT_EQ(list.class_id * 10 + list.trieda, 122);
    list.PRIDAJ(5, "Päť");
    ASSERT_EQ(list.Count(), 3);
    EXPECT_STREQ(list[1]->text, "voidR_1");
    // The entries borrow the rows' texts.
    list.RESET_GEOMETRIE();
    EXPECT_EQ(list.Volba(0)->text, list[0]->text);
    EXPECT_FALSE(list.Volba(0)->text_vlastny);
    list.ODOBER();
    list.VYMAZ();
    EXPECT_TRUE(tk_CDUI_void_flag);
    EXPECT_EQ(list.Count(), 0);
    tk_CDUIR later("duir_FINAL");
    EXPECT_EQ(later.Count(), 0);
}

TEST_F(Rows, ShortListIsAPlainVerticalMenu) {
    tk_CDUI_void_flag = true;
    tk_CDUIR list;
    Fill(list, 3, 7);
    EXPECT_FALSE(list.posuvanie || list.posuv.visible || list.tlac_hore.visible || list.draha.visible);
    EXPECT_EQ(Edges(list.obal), "100,50,226,122");
    EXPECT_EQ(Shown(list), "r0@53-73 r1@76-96 r2@99-119 ");
    // Lines are kept within 3..25.
    list.riadkov = 2;
    list.RESET_GEOMETRIER();
    EXPECT_EQ(list.riadkov, 3);
    list.riadkov = 40;
    list.CHOD_NA(0, 0);
    list.ZOBRAZ(nullptr);
    EXPECT_EQ(list.riadkov, 40);
    list.CHOD_NA_CENTER(500, 500);
    EXPECT_EQ(list.riadkov, 25);
}

TEST_F(Rows, TenRowsOnFourLinesScrollByPixelsWithCutRows) {
    tk_CDUI_void_flag = true;
    tk_CDUIR list;
    Fill(list, 10, 4);
    EXPECT_EQ(list.rozsah, 138);
    EXPECT_EQ(list.volby.count * 10 + list.max_riadkov, 54);
    EXPECT_EQ(Edges(list.obal), "100,50,249,145");
    EXPECT_EQ(list.vnutro.top * 1000 + list.vnutro.bottom, 53 * 1000 + 142);
    EXPECT_EQ(Shown(list), "r0@53-73 r1@76-96 r2@99-119 r3@122-142 ");
    // The scroll parts, in absolute places.
    EXPECT_EQ(list.posuv.track_at * 1000000 + list.posuv.track_from * 1000 + list.posuv.track_to, 226071064);
    EXPECT_EQ(list.posuv.max_value, 138);
    EXPECT_EQ(list.tlac_hore.y * 1000 + list.tlac_dole.y, 53 * 1000 + 123);

    // At 30: row 1 cut 7 pixels into its top, rows 2..4, and row 5 cut at the area's bottom.
    ScrollTo(list, 30);
    EXPECT_EQ(list.pozicia, 30);
    EXPECT_EQ(Shown(list), "r1@53-66/1:46 r2@69-89 r3@92-112 r4@115-135 r5@138-142/2:138 ");
    EXPECT_EQ(list.Volba(4)->rect2.bottom, 158);
    // A choice on the cut row reports that row's value.
    list.je_popup = false;
    int value = 0;
    EXPECT_TRUE(list.INFORMUJ_SA(150, 55, 1));
    EXPECT_TRUE(list.INFORMUJ_MA(&value));
    EXPECT_EQ(value, 11);
    // Wholly scrolled past the top row: it is left out, the bottom one fills the last line.
    ScrollTo(list, 45);
    EXPECT_EQ(Shown(list), "r2@54-74 r3@77-97 r4@100-120 r5@123-142/2:123 ");
    // The end of the range shows the last four rows whole.
    ScrollTo(list, 1000);
    EXPECT_EQ(list.pozicia, 138);
    EXPECT_EQ(Shown(list), "r6@53-73 r7@76-96 r8@99-119 r9@122-142 ");
    // A row step of zero scrolls by single pixels instead of dividing by it.
    list.Nastav_Konstanty(20, 0, 120, 3);
    list.RESET_GEOMETRIER();
    EXPECT_EQ(list.rozsah, 6);
}

TEST_F(Rows, ButtonsScrollByATenthOfTheRangeAndNewRowsScrollToTheEnd) {
    tk_CDUI_void_flag = true;
    tk_CDUIR list;
    Fill(list, 13, 7);
    ASSERT_EQ(list.rozsah, 138);
    // The down button lies at (226, 192), the up button at (226, 53).
    EXPECT_TRUE(list.INFORMUJ_SA(231, 200, 0));
    EXPECT_TRUE(list.INFORMUJ_SA(231, 200, 1));
    EXPECT_EQ(list.posuv.GP(), 13);
    EXPECT_EQ(list.pozicia, 13);
    EXPECT_EQ(list.Volba(0)->rect2.top, 53 - 13);
    list.INFORMUJ_SA(231, 200, -1);
    list.INFORMUJ_SA(231, 200, 1);
    EXPECT_EQ(list.pozicia, 26);
    list.INFORMUJ_SA(231, 60, 0);
    list.INFORMUJ_SA(231, 60, 1);
    EXPECT_EQ(list.pozicia, 13);
    // The scroll parts of a locked list take nothing.
    list.zamknute = true;
    EXPECT_FALSE(list.INFORMUJ_SA(231, 60, 1));
    list.zamknute = false;

    tk_CDUIR found;
    found.na_koniec = true;
    found.riadkov = 4;
    for (int i = 0; i < 10; ++i) found.PRIDAJ(i + 1, ("pair" + std::to_string(i)).c_str());
    found.RESET_GEOMETRIE();
    EXPECT_EQ(found.posuv.GP(), found.rozsah);
    EXPECT_EQ(std::string(found.Volba(0)->text) + found.Volba(3)->text, "pair6pair9");
}

TEST_F(Rows, LookupsPopUpsAndTheDestructorsTrace) {
    tk_CDUI_void_flag = true;
    {
        tk_CDUIR list("sady");
        Fill(list, 4, 7);
        EXPECT_EQ(list.VratVolbu__hodnotovo(12), list[2]);
        EXPECT_EQ(list.VratVolbu__hodnotovo(99), nullptr);
        EXPECT_EQ(list.VratVolbu__podla_textu("r3"), list.VratVolbu__indexovo(3));
        EXPECT_EQ(list.VratVolbu__podla_textu("R3"), nullptr);
        EXPECT_EQ(list[4], nullptr);
        EXPECT_TRUE(Logged("TK_ARRE_w(N) : Chyba: Index je mimo rozsah [4] [4]"));
        // A row's pop-up reaches its entry at the next layout and opens to the right.
        tk_CDUI popup;
        popup.visible = false;
        list.Eviduj_Master_Detail_popup(11, &popup);
        EXPECT_EQ(popup.master, &list);
        list.INFORMUJ_SA(150, 80, 0);
        EXPECT_TRUE(popup.visible);
        EXPECT_EQ(popup.x * 1000 + popup.y, 224 * 1000 + 76);
        list.Eviduj_Master_Detail_popupR__indexovo(1, nullptr);
    }
    EXPECT_TRUE(Logged("TK_DUIR_w(N) : tk_CDUIR::~tk_CDUIR() [sady]"));
    EXPECT_TRUE(Logged("TK_DUIR_w(N) :   VOLR.count [4]"));
}

TEST_F(Rows, TrackPictureIsTiledDownTheSliderColumnAndCutAtTheBottom) {
    tk_CDUI_void_flag = true;
    tk_test::TestSurface s(300, 200);
    tk_CDUIR list;
    Fill(list, 10, 4);
    list.podklad = 0;
    list.draha.surface = &sheet;
    list.draha.EVIDUJ(tk_test::kWideX, tk_test::kWideY);
    list.RESET_GEOMETRIER();
    // First without the parts that cover the track.
    list.posuv.visible = list.tlac_hore.visible = list.tlac_dole.visible = false;
    list.ZOBRAZ(s.get());
    // Copies every 10 rows from y 53: eight whole ones and the ninth cut at the area's bottom.
    EXPECT_EQ(s.Pixel(226, 53), tk_test::kWide);
    EXPECT_EQ(s.Pixel(245, 62), tk_test::kWide);
    EXPECT_EQ(s.Pixel(246, 53), 0);
    EXPECT_EQ(s.Pixel(226, 132), tk_test::kWide);
    EXPECT_EQ(s.Pixel(235, 141), tk_test::kWide);
    EXPECT_EQ(s.Pixel(235, 142), 0);
    // The slider and the buttons are drawn over it.
    list.posuv.visible = list.tlac_hore.visible = list.tlac_dole.visible = true;
    list.ZOBRAZ(s.get());
    EXPECT_NE(s.Pixel(230, 135), tk_test::kWide);
}

using RowsDeath = Rows;

TEST_F(RowsDeath, FaultsStopTheProgramWithTheirLogLines) {
    // Forked children share the working folder, so their log lines can be read afterwards.
    GTEST_FLAG_SET(death_test_style, "fast");
    tk_CDUI_void_flag = true;
    tk_CDUIR list;
    Fill(list, 2, 7);
    EXPECT_DEATH(list.VratVolbu__indexovo(2), "tk_CDUIR::VratVolbu__indexovo - Index mimo rozsah");
    EXPECT_DEATH(list.Eviduj_Master_Detail_popupR__indexovo(5, nullptr), "Nekorektny index");
    EXPECT_DEATH(
        {
            list.VratVolbu__indexovo(1)->data = &list;
            list.ODOBER();
        },
        "CHYBA: ~tk_TVOLBAR\\(\\) detekoval neuvolnene privatne data na \\(data->\\) !");
    // The error line is in the log before the program stops.
    EXPECT_DEATH({ list.VratVolbu__indexovo(7); }, "");
    EXPECT_TRUE(
        Logged("TK_DUIR_w(N) : TSKW ERROR:  [CHYBA: tk_CDUIR::VratVolbu__indexovo - Index mimo rozsah] [7]"));
}

}  // namespace
