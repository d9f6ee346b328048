// Buttons, toggles, slider knobs and scroll bars driven event by event: states, phases shown,
// clicks, checked states, knobs held on their tracks and the values their container reports with
// their ids; a picture of every control.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "framework/widgets/tk_CDDialog.h"
#include "framework/widgets/tk_CDEDB.h"
#include "framework/widgets/tk_CDPrep.h"
#include "framework/widgets/tk_CLabel.h"
#include "framework/widgets/tk_CPolIcon.h"
#include "framework/widgets/tk_CPosuv.h"
#include "framework/widgets/tk_CScrollBar.h"
#include "framework/widgets/tk_CTlac.h"
#include "tests/common/widgets/tk_skin_world.h"
#include "tests/common/widgets/tk_widget_probes.h"

namespace tk_test {
namespace {

class ControlsTest : public SkinWorld {
  protected:
    void SetUp() override {
        SkinWorld::SetUp();
        root.MoveToRel(0, 0);
    }
    // The pointer as the window procedure moves it: the event, then the value query.
    void Event(int px, int py, int code) {
        root.INFORMUJ_SA(px, py, code);
        int id = -1;
        root.INFORMUJ_MA(&id);
    }
    // The values the root received since the last call, each from the sender with the id.
    std::vector<int> Reported(int id, tk_CPol* sender) {
        std::vector<int> values;
        for (const auto& n : root.notes) {
            EXPECT_EQ(n.id, id);
            EXPECT_EQ(n.sender, sender);
            values.push_back(n.value);
        }
        root.notes.clear();
        return values;
    }
    Box root{nullptr, 0};
};

// Events on a control: x, y, code, then whether it was taken, the state and the phase shown.
using Steps = std::vector<std::array<int, 6>>;
template <typename T>
void drivePhases(T* c, const Steps& steps) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const auto& s = steps[i];
        EXPECT_EQ(c->INFORMUJ_SA(s[0], s[1], s[2]), s[3] != 0) << "step " << i;
        EXPECT_EQ(Nums(c->state, c->current), Nums(s[4], s[5])) << "step " << i;
    }
}

TEST_F(ControlsTest, AButtonClicksOnlyWhenMovedOverPressedAndReleasedOnIt) {
    // A void button of 100 x 45: its box is 10..110 x 20..65, edges included.
    auto* b = new tk_CTlac(&root, 10, 20, 7);
    // clang-format off
    drivePhases(b, {{50, 40, 1, 0, 0, 0},  // a press with no move before it does not arm
              {110, 65, 0, 1, 1, 1}, {50, 40, 1, 1, 2, 2},
              {200, 40, 0, 1, 3, 0}, {200, 40, 0, 0, 3, 0},  // held off it: the normal picture
              {60, 40, 0, 1, 2, 2}, {60, 40, -1, 1, 1, 1},   // back on it, and the click
              {111, 40, 0, 1, 0, 0},                         // the first move off is taken
              // Released off it, with or without a move off first: no click, not left armed.
              {50, 40, 0, 1, 1, 1}, {50, 40, 1, 1, 2, 2}, {200, 40, 0, 1, 3, 0}, {200, 40, -1, 1, 0, 0},
              {50, 40, 0, 1, 1, 1}, {50, 40, 1, 1, 2, 2}, {200, 40, -1, 1, 0, 0}, {50, 40, -1, 0, 0, 0}});
    // clang-format on
    EXPECT_EQ(Reported(7, b), std::vector<int>{1});
    // Owners may take a press by polling, once.
    b->INFORMUJ_SA(50, 40, 0);
    b->INFORMUJ_SA(50, 40, 1);
    EXPECT_EQ(b->pressed, 1);
    EXPECT_TRUE(b->STLACENE());
    EXPECT_EQ(b->current, 1);
    EXPECT_FALSE(b->STLACENE());
}

TEST_F(ControlsTest, TogglesChangeAtThePressAndRadioButtonsStayChecked) {
    // Phases 0 and 1 unchecked, 2 and 3 checked; a held toggle does not follow the pointer.
    auto* box = new tk_CDPrep(&root, 1);
    box->Dsgn0_VoidDC(10, 10, 20, 20);
    // clang-format off
    drivePhases(box, {{15, 15, 1, 1, 0, 0}, {15, 15, 0, 1, 1, 1}, {15, 15, 1, 1, 2, 3}, {40, 40, 0, 1, 2, 3},
                {15, 15, -1, 1, 1, 3}, {15, 15, 1, 1, 2, 1}, {15, 15, -1, 1, 1, 1}, {50, 50, 0, 0, 0, 0}});
    // clang-format on
    auto* radio = new tk_CDPrep(&root, 2);
    radio->Dsgn0_VoidDC(100, 10, 20, 20);
    radio->radio = 1;
    // clang-format off
    drivePhases(radio, {{105, 15, 0, 1, 1, 1}, {105, 15, 1, 1, 2, 3}, {105, 15, -1, 1, 1, 3},
                  {105, 15, 1, 1, 2, 3}, {150, 50, -1, 1, 1, 3}, {150, 50, 0, 0, 0, 2}});
    // clang-format on
    EXPECT_EQ(radio->value, 1);
    EXPECT_TRUE(root.notes.empty());
}

TEST_F(ControlsTest, ScrollBarArrowsAndKnobReportThePositionWithTheBarsId) {
    ASSERT_EQ(tk_DSGN_INIT(), 1);
    auto* bar = new tk_CScrollBar(&root, 9);
    bar->Dsgn_Stock('V', 40, 30, 200);
    root.SetupVisual_Private();
    // Arrows of 17 x 17 at both ends, the knob's track between them; no range given: 1 to 100.
    const tk_CPosuv* k = bar->slider;
    EXPECT_EQ(Nums(bar->btnB->ry, k->track_from_rel, k->track_to, k->min_value, k->max_value),
              "184,16,195,1,100");
    bar->SR(0, 10), bar->SP(0);
    // Arrow A at the start of the range: the position stays 0 and is reported all the same.
    for (int py : {35, 220, 220})
        for (int code : {0, 1, -1}) Event(45, py, code);
    EXPECT_EQ(Reported(9, bar), (std::vector<int>{0, 1, 2}));
    Event(300, 300, 0);
    // Range 1 to 100 on a track of 149 pixels; the press already reads the knob's place (24); the
    // knob is dragged past both ends of the track.
    bar->SR(1, 100), bar->SP(25);
    EXPECT_EQ(k->y, 82);
    for (auto [px, py, code] : std::vector<std::array<int, 3>>{
             {45, 85, 0}, {45, 85, 1}, {45, 63, 0}, {90, 500, 0}, {45, 0, 0}, {45, 0, -1}, {45, 0, 0}})
        Event(px, py, code);
    EXPECT_EQ(Reported(9, bar), (std::vector<int>{24, 10, 100, 1}));
    // A press on the track outside the knob does nothing.
    for (int code : {0, 1, -1}) Event(45, 150, code);
    EXPECT_TRUE(Reported(9, bar).empty());
    // A vertical bar takes only the height.
    bar->SetSize(500, 250);
    EXPECT_EQ(Nums(bar->btnB->y, k->track_to), "264,245");
}

TEST_F(ControlsTest, SliderRangesAreNeverEmptyAndAKnobHeldPastItsTrackIsClamped) {
    tk_CPosuv s;
    s.SR(10, 10);
    EXPECT_EQ(Nums(s.min_value, s.max_value), "10,110");
    s.SR(50, 0);
    EXPECT_EQ(Nums(s.min_value, s.max_value), "0,50");
    s.SR(30, 40);
    s.SP(1000);
    EXPECT_EQ(s.GP(), 40);

    // The default track runs 20 to 120 down the parent at x 50; a void knob is 10 x 10.
    auto* knob = new tk_CPosuv(&root, 42);
    knob->SP(50);
    EXPECT_EQ(Nums(knob->x, knob->y), "50,70");
    Event(55, 75, 0);
    Event(55, 75, 1);
    // Grabbed 5 pixels into the knob; moves across the axis leave it on the track.
    for (auto [px, py, y, position] : std::vector<std::array<int, 4>>{
             {90, 50, 45, 25}, {55, 300, 120, 100}, {0, -50, 20, 0}, {55, 54, 49, 29}}) {
        Event(px, py, 0);
        EXPECT_EQ(Nums(knob->x, knob->y, knob->ry, knob->GP()), Nums(50, y, y, position));
    }
    Event(55, 54, -1);
    Event(55, 54, 0);
    // Each event while held reported the value, the press too.
    EXPECT_EQ(Reported(42, knob), (std::vector<int>{50, 25, 100, 0, 29}));
    // The track and the knob follow the parent.
    root.CHOD_NA(100, 200);
    EXPECT_EQ(Nums(knob->x, knob->y), "150,249");
    // Without a parent the owner writes the absolute track.
    tk_CPosuv free;
    free.track_from = 300, free.track_to = 400, free.track_at = 7;
    free.SR(0, 3), free.SP(1);
    EXPECT_EQ(Nums(free.x, free.y), "7,333");
    // A knob held on a track of no length stays at the start of the range.
    auto* flat = new tk_CPosuv(&root, 1);
    flat->Dsgn(0, 'V', 50, 20, 0);
    flat->SR(-5, 5);
    for (auto [py, code] : {std::pair{22, 0}, {22, 1}, {80, 0}}) flat->INFORMUJ_SA(152, py + 200, code);
    EXPECT_EQ(Nums(flat->y, flat->GP()), "220,-5");
}

void addLabel(tk_CPolCHLO* parent, int rx, int ry, const char* text) {
    (new tk_CLabel(parent, rx, ry, text))->colour = RGB(20, 20, 60);
}

// A stock sprite at (rx, ry) of the dialog showing the given phase.
template <typename T>
T* stockSprite(tk_CPolCHLO* parent, int rx, int ry, const char* which, int phase) {
    auto* t = new T(parent, 0);
    t->Dsgn1_Stock(rx, ry, which);
    t->SF(phase);
    return t;
}

// A picture for people to look at: a dialog with its title, close button, labels, buttons in their
// three phases, toggles, both scroll bars, a small slider, an edit box and the skin's icons, all
// drawn from the real skin sheet; the skin's pictures are checked to the pixel.
TEST_F(ControlsTest, ADialogOfEveryControlFromTheSkin) {
    TestSurface big(520, 360);
    UseScreen(big);
    ASSERT_EQ(tk_DSGN_INIT(), 1);
    big.Fill(big.RawOf(RGB(40, 70, 110)));
    tk_CPolCHLO top;
    auto* dlg = new tk_CDDialog(&top, 1);
    dlg->Dsgn(20, 20, 480, 320, 3);
    dlg->frame.SetTitle("Ovládacie prvky – ukážka");
    std::vector<tk_CDAS*> skinned = {stockSprite<tk_CTlac>(dlg, 463, 2, "_T_x_", 0)};
    addLabel(dlg, 14, 26, "Tlačidlá (normálne, nad, stlačené):");
    for (int i = 0; i < 3; ++i) {
        skinned.push_back(stockSprite<tk_CTlac>(dlg, 16 + 26 * i, 48, "_posuvH_btnB_", i));
        skinned.push_back(stockSprite<tk_CTlac>(dlg, 100 + 22 * i, 50, "_T_x_", i));
    }
    // Buttons without pictures: raised, and sunken while pressed.
    for (int i = 0; i < 2; ++i) {
        auto* b = new tk_CTlac(dlg, 0, 0, 30 + i);
        b->Dsgn0_VoidDC(180 + 110 * i, 44, 100, 45);
        b->SetName(i ? "Zrušiť" : "Ok");
        b->SF(2 * i);
    }
    // Toggles showing the skin's cross when unchecked and its check mark when checked.
    addLabel(dlg, 14, 100, "Prepínače:");
    tk_CDPrep* toggles[2];
    for (int i = 0; i < 2; ++i) {
        toggles[i] = new tk_CDPrep(dlg, 0);
        toggles[i]->Dsgn2_UserA(110 + 20 * i, 100, tk_DSGN.rezia_dll_srf, 45, 55, 45, 55, 45, 40);
        toggles[i]->EVIDUJ(45, 40);
        skinned.push_back(toggles[i]);
    }
    addLabel(dlg, 160, 100, "Posuvník:");
    auto* small = new tk_CPosuv(dlg, 40);
    small->Dsgn(2, 'H', 102, 250, 120);
    skinned.push_back(small);
    addLabel(dlg, 14, 128, "Meno karty:");
    auto* edit = new tk_CDEDB(dlg, 0, 0);
    edit->Dsgn(120, 124, 160, 24);
    edit->Set_Text("KARTOLA");
    addLabel(dlg, 14, 160, "Ikony:");
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
    top.SetupVisual_Private();
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
