// A picture for people to look at: a dialog with its title, close button, labels, buttons in
// their three phases, toggles, both scroll bars, a small slider, an edit box and the skin's
// icons, all drawn from the real skin sheet; a few of its pixels are checked.
#include <gtest/gtest.h>

#include <vector>

#include "framework/widgets/tk_CDDialog.h"
#include "framework/widgets/tk_CDEDB.h"
#include "framework/widgets/tk_CDPrep.h"
#include "framework/widgets/tk_CLabel.h"
#include "framework/widgets/tk_CPolIcon.h"
#include "framework/widgets/tk_CPosuv.h"
#include "framework/widgets/tk_CScrollBar.h"
#include "framework/widgets/tk_CTlac.h"
#include "tests/widgets/controls/tk_skin_world.h"

namespace tk_test {
namespace {

tk_CLabel* Label(tk_CPolCHLO* parent, int rx, int ry, const char* text) {
    auto* l = new tk_CLabel(parent, rx, ry, text);
    l->colour = RGB(20, 20, 60);
    return l;
}

// A toggle whose pictures are the skin's cross (unchecked) and check mark (checked).
tk_CDPrep* Toggle(tk_CPolCHLO* parent, int rx, int ry) {
    auto* t = new tk_CDPrep(parent, 0);
    t->Dsgn2_UserA(rx, ry, tk_DSGN.rezia_dll_srf, 45, 55, 45, 55, 45, 40);
    t->EVIDUJ(45, 40);
    return t;
}

class ShowcaseTest : public SkinWorld {
  protected:
    // Pixels of the sprite's current phase that are not transparent and do not show on the screen.
    int OpaqueMismatches(const TestSurface& on, tk_CDAS* s) {
        auto* f = static_cast<tk_TFAZA*>(s->phases.items[s->current]);
        int bad = 0;
        for (int j = 0; j < f->y2 - f->y; ++j) {
            for (int i = 0; i < f->x2 - f->x; ++i) {
                std::uint16_t p = SheetPixel(f->x + i, f->y + j);
                bad += p != tk_DSGN.rezia_dll_srf->TC && on.Pixel(s->x + i, s->y + j) != p;
            }
        }
        return bad;
    }
};

TEST_F(ShowcaseTest, ADialogOfEveryControlFromTheSkin) {
    TestSurface big(520, 360);
    tk_ScreenW = 520;
    tk_ScreenH = 360;
    tk_lpDDSBack = big.get();
    ASSERT_EQ(tk_DSGN_INIT(), 1);
    big.Fill(big.RawOf(RGB(40, 70, 110)));

    tk_CPolCHLO root;
    auto* dlg = new tk_CDDialog(&root, 1);
    dlg->Dsgn(20, 20, 480, 320, 3);
    dlg->frame.SetTitle("Ovládacie prvky – ukážka");
    auto* close = new tk_CTlac(dlg, 0, 0, 2);
    close->Dsgn1_Stock(463, 2, "_T_x_");

    Label(dlg, 14, 26, "Tlačidlá (normálne, nad, stlačené):");
    std::vector<tk_CTlac*> arrows;
    for (int i = 0; i < 3; ++i) {
        auto* b = new tk_CTlac(dlg, 0, 0, 10 + i);
        b->Dsgn1_Stock(16 + 26 * i, 48, "_posuvH_btnB_");
        b->SF(i);
        arrows.push_back(b);
        auto* x = new tk_CTlac(dlg, 0, 0, 20 + i);
        x->Dsgn1_Stock(100 + 22 * i, 50, "_T_x_");
        x->SF(i);
    }
    auto* raised = new tk_CTlac(dlg, 0, 0, 30);
    raised->Dsgn0_VoidDC(180, 44, 100, 45);
    raised->SetName("Ok");
    auto* sunken = new tk_CTlac(dlg, 0, 0, 31);
    sunken->Dsgn0_VoidDC(290, 44, 100, 45);
    sunken->SetName("Zrušiť");
    sunken->SF(2);

    Label(dlg, 14, 100, "Prepínače:");
    tk_CDPrep* off = Toggle(dlg, 110, 100);
    tk_CDPrep* on = Toggle(dlg, 130, 100);
    on->radio = 1;
    Label(dlg, 160, 100, "Posuvník:");
    auto* small = new tk_CPosuv(dlg, 40);
    small->Dsgn(2, 'H', 102, 250, 120);
    small->SR(0, 10);

    Label(dlg, 14, 128, "Meno karty:");
    auto* edit = new tk_CDEDB(dlg, 0, 0);
    edit->Dsgn(120, 124, 160, 24);
    edit->Set_Text("KARTOLA");

    Label(dlg, 14, 160, "Ikony:");
    const std::vector<tk_CIcon*> icons = {tk_DSGN.ico_help, tk_DSGN.ico_ok, tk_DSGN.ico_cancel,
                                          tk_DSGN.ico_void};
    int ix = 70;
    for (tk_CIcon* icon : icons) {
        new tk_CPolIcon(dlg, ix, 156, icon);
        ix += icon->phase.w + 10;
    }
    new tk_CPolIcon(dlg, 14, 200, tk_DSGN.ico_logo);

    auto* vbar = new tk_CScrollBar(dlg, 50);
    vbar->Dsgn_Stock('V', 440, 30, 270);
    vbar->SR(0, 100);
    auto* hbar = new tk_CScrollBar(dlg, 51);
    hbar->Dsgn_Stock('H', 14, 280, 400);
    hbar->SR(0, 100);
    root.SetupVisual_Private();
    vbar->SP(30);
    hbar->SP(70);
    small->SP(7);

    // The radio toggle is pressed, the check box is left; the pointer then leaves both.
    for (int code : {0, 1, -1}) on->INFORMUJ_SA(on->x + 3, on->y + 3, code);
    on->INFORMUJ_SA(0, 0, 0);
    ASSERT_EQ(on->current, 2);
    ASSERT_EQ(off->current, 0);

    dlg->ZOBRAZ(big.get());
    big.SavePng("widgets_showcase");

    // The three arrow phases, the toggles, the knobs and the close button show the sheet's pixels.
    std::vector<tk_CDAS*> sprites(arrows.begin(), arrows.end());
    for (tk_CDAS* s :
         {static_cast<tk_CDAS*>(on), static_cast<tk_CDAS*>(off), static_cast<tk_CDAS*>(vbar->slider),
          static_cast<tk_CDAS*>(hbar->slider), static_cast<tk_CDAS*>(small), static_cast<tk_CDAS*>(close)})
        sprites.push_back(s);
    for (tk_CDAS* s : sprites) {
        EXPECT_EQ(OpaqueMismatches(big, s), 0) << s->name;
    }
    EXPECT_EQ(hbar->slider->x, 20 + 14 + 16 + (400 - 17 - 20 + 2 - 16) * 70 / 100);
}

}  // namespace
}  // namespace tk_test
