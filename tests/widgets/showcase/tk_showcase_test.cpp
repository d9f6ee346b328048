// A picture for people to look at: a dialog with its title, close button, labels, buttons in
// their three phases, toggles, both scroll bars, a small slider, an edit box and the skin's icons,
// all drawn from the real skin sheet; the skin's pictures are checked to the pixel.
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

class ShowcaseTest : public SkinWorld {};

void Label(tk_CPolCHLO* parent, int rx, int ry, const char* text) {
    (new tk_CLabel(parent, rx, ry, text))->colour = RGB(20, 20, 60);
}

// A stock sprite at (rx, ry) of the dialog showing the given phase.
template <typename T>
T* Stock(tk_CPolCHLO* parent, int rx, int ry, const char* which, int phase) {
    auto* t = new T(parent, 0);
    t->Dsgn1_Stock(rx, ry, which);
    t->SF(phase);
    return t;
}

TEST_F(ShowcaseTest, ADialogOfEveryControlFromTheSkin) {
    TestSurface big(520, 360);
    UseScreen(big);
    ASSERT_EQ(tk_DSGN_INIT(), 1);
    big.Fill(big.RawOf(RGB(40, 70, 110)));

    tk_CPolCHLO root;
    auto* dlg = new tk_CDDialog(&root, 1);
    dlg->Dsgn(20, 20, 480, 320, 3);
    dlg->frame.SetTitle("Ovládacie prvky – ukážka");
    std::vector<tk_CDAS*> skinned = {Stock<tk_CTlac>(dlg, 463, 2, "_T_x_", 0)};
    Label(dlg, 14, 26, "Tlačidlá (normálne, nad, stlačené):");
    for (int i = 0; i < 3; ++i) {
        skinned.push_back(Stock<tk_CTlac>(dlg, 16 + 26 * i, 48, "_posuvH_btnB_", i));
        skinned.push_back(Stock<tk_CTlac>(dlg, 100 + 22 * i, 50, "_T_x_", i));
    }
    // Buttons without pictures: raised, and sunken while pressed.
    for (int i = 0; i < 2; ++i) {
        auto* b = new tk_CTlac(dlg, 0, 0, 30 + i);
        b->Dsgn0_VoidDC(180 + 110 * i, 44, 100, 45);
        b->SetName(i ? "Zrušiť" : "Ok");
        b->SF(2 * i);
    }

    // Toggles showing the skin's cross when unchecked and its check mark when checked.
    Label(dlg, 14, 100, "Prepínače:");
    tk_CDPrep* toggles[2];
    for (int i = 0; i < 2; ++i) {
        toggles[i] = new tk_CDPrep(dlg, 0);
        toggles[i]->Dsgn2_UserA(110 + 20 * i, 100, tk_DSGN.rezia_dll_srf, 45, 55, 45, 55, 45, 40);
        toggles[i]->EVIDUJ(45, 40);
        skinned.push_back(toggles[i]);
    }
    Label(dlg, 160, 100, "Posuvník:");
    auto* small = new tk_CPosuv(dlg, 40);
    small->Dsgn(2, 'H', 102, 250, 120);
    skinned.push_back(small);

    Label(dlg, 14, 128, "Meno karty:");
    auto* edit = new tk_CDEDB(dlg, 0, 0);
    edit->Dsgn(120, 124, 160, 24);
    edit->Set_Text("KARTOLA");
    Label(dlg, 14, 160, "Ikony:");
    int ix = 70;
    for (tk_CIcon* icon : {tk_DSGN.ico_help, tk_DSGN.ico_ok, tk_DSGN.ico_cancel, tk_DSGN.ico_void}) {
        new tk_CPolIcon(dlg, ix, 156, icon);
        ix += icon->phase.w + 10;
    }
    new tk_CPolIcon(dlg, 14, 200, tk_DSGN.ico_logo);

    auto* vbar = new tk_CScrollBar(dlg, 50);
    vbar->Dsgn_Stock('V', 440, 30, 270);
    auto* hbar = new tk_CScrollBar(dlg, 51);
    hbar->Dsgn_Stock('H', 14, 280, 400);
    root.SetupVisual_Private();
    vbar->SP(30);
    hbar->SP(70);
    small->SP(70);
    skinned.insert(skinned.end(), {vbar->slider, vbar->btnA, hbar->slider, hbar->btnB});

    // The second toggle is clicked; the pointer then leaves it.
    for (int code : {0, 1, -1}) toggles[1]->INFORMUJ_SA(toggles[1]->x + 3, toggles[1]->y + 3, code);
    toggles[1]->INFORMUJ_SA(0, 0, 0);
    ASSERT_EQ(toggles[1]->current, 2);

    dlg->ZOBRAZ(big.get());
    big.SavePng("widgets_showcase");
    for (tk_CDAS* s : skinned) EXPECT_EQ(Mismatches(big, s), 0) << s->name << " " << s->x << "," << s->y;
    EXPECT_EQ(hbar->slider->x, 20 + 14 + 16 + 349 * 69 / 99);
}

}  // namespace
}  // namespace tk_test
