// A picture for people: the three looks of the list menu with a pop-up open, and a scrolling row
// list with icons, the skin's slider, arrows and track, and rows cut at both ends.
#include <gtest/gtest.h>

#include "framework/app/tk_DSGN.h"
#include "framework/lists/tk_CDUIR.h"
#include "framework/lists/tk_TVOLBAR.h"
#include "framework/widgets/tk_CPosuv.h"
#include "framework/widgets/tk_CTlac.h"
#include "tests/lists/menu/lists_world.h"

namespace {

class ListsShowcase : public tk_test::ListsWorld {
  protected:
    void SetUp() override {
        ListsWorld::SetUp();
        tk_ScreenW = 800, tk_ScreenH = 600, tk_ScreenCX = 400, tk_ScreenCY = 300;
        tk_lpDDSPrimary = screen.get();
        ASSERT_EQ(tk_DSGN_INIT(), 1);
        font = CreateFontA(-12, 0, 0, 0, 400, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Verdana");
    }
    void TearDown() override {
        tk_DSGN_DONE();
        DeleteObject(font);
        tk_lpDDSPrimary = nullptr;
        ListsWorld::TearDown();
    }
    tk_test::TestSurface screen{800, 600};
    HFONT font = nullptr;
};

TEST_F(ListsShowcase, ThreeLooksWithAPopUpAndAScrollingRowList) {
    tk_CDUI_void_flag = true;
    screen.Fill(screen.RawOf(RGB(40, 70, 110)));
    const char* kMain[] = {"DÁTA - karty...", "Zamiešaj", "Ozvučenie kariet...", "Koniec"};

    tk_CDUI bar(1);
    bar.font = font;
    for (int i = 0; i < 4; ++i) bar.PRIDAJ(i + 1, kMain[i]);
    bar.RESET_DEFAULT();
    bar.INFORMUJ_SA(bar.Volba(1)->rect.left + 3, 12, 0);

    tk_CDUI menu, zvuk;
    menu.font = zvuk.font = font;
    for (int i = 0; i < 4; ++i) menu.PRIDAJ(i + 1, kMain[i]);
    zvuk.PRIDAJ(1, "Vypnúť");
    zvuk.PRIDAJ(2, "Zapnúť");
    zvuk.visible = false;
    zvuk.styl = 3;
    menu.Eviduj_Master_Detail_popup(3, &zvuk);
    menu.CHOD_NA(40, 80);
    menu.INFORMUJ_SA(60, 80 + 3 + 2 * 23 + 5, 0);
    ASSERT_TRUE(zvuk.visible);
    EXPECT_EQ(zvuk.x * 1000 + zvuk.y, (40 + 126 - 2) * 1000 + 80 + 3 + 2 * 23);
    zvuk.INFORMUJ_SA(zvuk.x + 20, zvuk.y + 30, 0);

    tk_CDUI row(0);
    row.font = font;
    tk_CIcon* icons[] = {tk_DSGN.ico_ok, tk_DSGN.ico_cancel, tk_DSGN.ico_help, tk_DSGN.ico_logo};
    for (int i = 0; i < 4; ++i) row.PRIDAJ(i + 1, kMain[i], icons[i]);
    row.oble = true;
    row.CHOD_NA(20, 400);
    row.INFORMUJ_SA(20 + 30 + 130 * 2 + 50, 400 + 40, 0);

    tk_CDUIR found;
    found.font = font;
    found.riadkov = 4;
    found.podklad = 2;
    found.ramik_volieb = 1;
    found.SetIconMode("LC");
    found.SetTextMode("LC");
    found.text_okraj = 60;
    found.Nastav_Konstanty(40, 44, 220, 4);
    found.posuv.Dsgn1_Stock(0, 0, "_posuvV_");
    found.tlac_hore.Dsgn1_Stock(0, 0, "_posuvV_btnA_");
    found.tlac_dole.Dsgn1_Stock(0, 0, "_posuvV_btnB_");
    found.tlac_hore.void_VYS = found.tlac_hore.AktVYS();
    found.posuv.void_VYS = found.posuv.AktVYS();
    found.draha.EVIDUJ_PREBER(&tk_DSGN._posuvV_track);
    const char* kNames[] = {"jablko",  "hruška",   "slivka", "čerešňa",
                            "marhuľa", "broskyňa", "malina", "jahoda"};
    for (int i = 0; i < 8; ++i) found.PRIDAJ(i + 1, kNames[i], icons[i % 3]);
    found.CHOD_NA(450, 80);
    found.posuv.SP(60);
    found.zmenaR = true;
    found.RESET_GEOMETRIE();
    EXPECT_EQ(found.Volba(0)->rect2_mode, 1);
    EXPECT_EQ(found.Volba(found.max_riadkov - 1)->rect2_mode, 2);
    found.INFORMUJ_SA(500, found.Volba(1)->rect.top + 5, 0);

    for (tk_CDUI* list : {static_cast<tk_CDUI*>(&bar), &menu, &zvuk, &row, static_cast<tk_CDUI*>(&found)})
        list->ZOBRAZ(screen.get());
    screen.SavePng("lists_showcase");
    // The open pop-up's entry is yellow in the master; the row list's hovered row is blue.
    const tk_TVOLBA* open = menu.Volba(2);
    EXPECT_EQ(screen.Pixel(open->rect.left + 2, open->rect.top + 2), screen.RawOf(RGB(255, 255, 60)));
    const tk_TVOLBA* hovered = found.Volba(1);
    EXPECT_EQ(screen.Pixel(hovered->rect.right - 3, hovered->rect.top + 2), screen.RawOf(RGB(60, 60, 255)));
}

}  // namespace
