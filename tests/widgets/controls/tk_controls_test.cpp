// Buttons, toggles and slider knobs driven event by event: states, phases shown, consumption,
// clicks, checked states, knobs held on their tracks and the values their container reports;
// construction traces; the whole-sheet phase of tk_CDS.
#include <gtest/gtest.h>

#include <array>
#include <climits>

#include "framework/widgets/tk_CDPrep.h"
#include "framework/widgets/tk_CDS.h"
#include "framework/widgets/tk_CPosuv.h"
#include "framework/widgets/tk_CTlac.h"
#include "tests/widgets/controls/tk_skin_world.h"
#include "tests/widgets/tk_widget_probes.h"

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
    Box root{nullptr, 0};
};

// Events on a control: x, y, code, then whether it was taken, the state and the phase shown.
using Steps = std::vector<std::array<int, 6>>;
template <typename T>
void Drive(T* c, const Steps& steps) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const auto& s = steps[i];
        EXPECT_EQ(c->INFORMUJ_SA(s[0], s[1], s[2]), s[3] != 0) << "step " << i;
        EXPECT_EQ(c->state, s[4]) << "step " << i;
        EXPECT_EQ(c->current, s[5]) << "step " << i;
    }
}

TEST_F(ControlsTest, AButtonClicksOnlyWhenPressedAndReleasedOnIt) {
    // A void button of 100 x 45: its box is 10..110 x 20..65, edges included.
    auto* b = new tk_CTlac(&root, 10, 20, 7);
    // clang-format off
    Drive(b, {{50, 40, 1, 0, 0, 0},  // a press with no move before it does not arm
              {110, 65, 0, 1, 1, 1}, {50, 40, 1, 1, 2, 2},
              {200, 40, 0, 1, 3, 0}, {200, 40, 0, 0, 3, 0},  // held off it: the normal picture
              {60, 40, 0, 1, 2, 2}, {60, 40, -1, 1, 1, 1},   // back on it, and the click
              {111, 40, 0, 1, 0, 0},                         // the first move off is taken
              // Released off it, with or without a move off first: no click, not left armed.
              {50, 40, 0, 1, 1, 1}, {50, 40, 1, 1, 2, 2}, {200, 40, 0, 1, 3, 0}, {200, 40, -1, 1, 0, 0},
              {50, 40, 0, 1, 1, 1}, {50, 40, 1, 1, 2, 2}, {200, 40, -1, 1, 0, 0}, {50, 40, -1, 0, 0, 0}});
    // clang-format on
    ASSERT_EQ(root.notes.size(), 1u);
    EXPECT_EQ(root.notes[0].id, 7);
    EXPECT_EQ(root.notes[0].value, 1);
    EXPECT_EQ(root.notes[0].sender, b);

    // Owners may take a press by polling, once.
    b->INFORMUJ_SA(50, 40, 0);
    b->INFORMUJ_SA(50, 40, 1);
    EXPECT_EQ(b->pressed, 1);
    EXPECT_TRUE(b->STLACENE());
    EXPECT_EQ(b->current, 1);
    EXPECT_FALSE(b->STLACENE());
    EXPECT_FALSE(b->STLACENE2());
    // Or drive it through the sprite's machine and hear of changes only.
    tk_CTlac own;
    EXPECT_TRUE(own.INFORMUJ_SA2(210, 260, 0));
    EXPECT_FALSE(own.INFORMUJ_SA2(212, 262, 0));
    EXPECT_TRUE(own.INFORMUJ_SA2(212, 262, 1));
    EXPECT_EQ(own.current, 2);
    EXPECT_TRUE(own.STLACENE2());
}

TEST_F(ControlsTest, TogglesChangeAtThePressAndRadioButtonsStayChecked) {
    // Phases 0 and 1 unchecked, 2 and 3 checked; a held toggle does not follow the pointer.
    auto* box = new tk_CDPrep(&root, 1);
    box->Dsgn0_VoidDC(10, 10, 20, 20);
    // clang-format off
    Drive(box, {{15, 15, 1, 1, 0, 0}, {15, 15, 0, 1, 1, 1}, {15, 15, 1, 1, 2, 3}, {40, 40, 0, 1, 2, 3},
                {15, 15, -1, 1, 1, 3}, {15, 15, 1, 1, 2, 1}, {15, 15, -1, 1, 1, 1}, {50, 50, 0, 0, 0, 0}});
    // clang-format on
    EXPECT_EQ(box->x, 10);
    auto* radio = new tk_CDPrep(&root, 2);
    radio->Dsgn0_VoidDC(100, 10, 20, 20);
    radio->radio = 1;
    // clang-format off
    Drive(radio, {{105, 15, 0, 1, 1, 1}, {105, 15, 1, 1, 2, 3}, {105, 15, -1, 1, 1, 3},
                  {105, 15, 1, 1, 2, 3}, {150, 50, -1, 1, 1, 3}, {150, 50, 0, 0, 0, 2}});
    // clang-format on
    EXPECT_EQ(radio->value, 1);
    EXPECT_TRUE(root.notes.empty());
}

TEST_F(ControlsTest, ConstructionTraces) {
    new tk_CTlac(&root, 7);
    {
        tk_CTlac named("ok");
        tk_CDPrep plain;
        tk_CDPrep volba("volba");
        new tk_CDPrep(&root, 8);
    }
    root.children.DetachAll();
    EXPECT_EQ(LogLines(), (std::vector<std::string>{
                              "TK_DAS_w(N) :   tk_CTlac::tk_CTlac(parent.) [ID 7]",
                              "TK_DAS_w(N) :   tk_CDPrep::tk_CDPrep() [noname_prep]",
                              "TK_DAS_w(N) :   tk_CDPrep::tk_CDPrep(.) [volba]",
                              "TK_DAS_w(N) :   tk_CDPrep::tk_CDPrep(parent.) [noname_prep]",
                              "TK_DAS_w(N) :   tk_CTlac::~tk_CTlac() [ok]",
                              "TK_DAS_w(N) :   tk_CTlac::~tk_CTlac() [ID 7]",
                          }));
}

TEST_F(ControlsTest, SliderRangesAreNeverEmpty) {
    tk_CPosuv s;
    s.SR(10, 10);
    EXPECT_EQ(s.max_value, 110);
    s.SR(50, 0);
    EXPECT_EQ(s.min_value, 0);
    EXPECT_EQ(s.max_value, 50);
    s.SR(30, 40);
    EXPECT_EQ(s.GP(), 30);
    s.SP(1000);
    EXPECT_EQ(s.GP(), 40);
    // Where a + 100 does not fit, the range of 100 ends at the largest int.
    s.SR(INT_MAX, INT_MAX);
    EXPECT_EQ(s.min_value, INT_MAX - 100);
    EXPECT_EQ(s.max_value, INT_MAX);
}

TEST_F(ControlsTest, AHeldKnobSlidesAlongItsTrackAndReportsItsPosition) {
    // The default track runs 20 to 120 down the parent at x 50; a void knob is 10 x 10.
    auto* knob = new tk_CPosuv(&root, 42);
    knob->SP(50);
    EXPECT_EQ(knob->x, 50);
    EXPECT_EQ(knob->y, 70);
    Event(55, 75, 0);
    Event(55, 75, 1);
    // Grabbed 5 pixels into the knob; moves across the axis leave it on the track.
    for (auto [px, py, y, position] : std::vector<std::array<int, 4>>{
             {90, 50, 45, 25}, {55, 300, 120, 100}, {0, -50, 20, 0}, {55, 54, 49, 29}}) {
        Event(px, py, 0);
        EXPECT_EQ(knob->x, 50);
        EXPECT_EQ(knob->y, y);
        EXPECT_EQ(knob->ry, y);
        EXPECT_EQ(knob->GP(), position);
    }
    Event(55, 54, -1);
    Event(55, 54, 0);
    // Each event while held reported the value, the press too.
    std::vector<int> values;
    for (const auto& n : root.notes) {
        EXPECT_EQ(n.id, 42);
        EXPECT_EQ(n.sender, knob);
        values.push_back(n.value);
    }
    EXPECT_EQ(values, (std::vector<int>{50, 25, 100, 0, 29}));
    // The track and the knob follow the parent.
    root.CHOD_NA(100, 200);
    EXPECT_EQ(knob->x, 150);
    EXPECT_EQ(knob->y, 249);

    // Horizontal: the axis is x.
    knob->Dsgn(0, 'H', 30, 10, 200);
    knob->SR(0, 1000);
    knob->SP(250);
    EXPECT_EQ(knob->x, 160);
    EXPECT_EQ(knob->y, 230);
    knob->INFORMUJ_SA(162, 232, 1);
    knob->INFORMUJ_SA(262, 0, 0);
    EXPECT_EQ(knob->y, 230);
    EXPECT_EQ(knob->GP(), 750);

    // Without a parent the owner writes the absolute track.
    tk_CPosuv free;
    free.track_from = 300;
    free.track_to = 400;
    free.track_at = 7;
    free.SR(0, 3);
    free.SP(1);
    EXPECT_EQ(free.x, 7);
    EXPECT_EQ(free.y, 333);
}

TEST_F(ControlsTest, AKnobHeldOnATrackOfNoLengthStaysAtTheStartOfTheRange) {
    auto* knob = new tk_CPosuv(&root, 1);
    knob->Dsgn(0, 'V', 50, 20, 0);
    knob->SR(-5, 5);
    knob->INFORMUJ_SA(52, 22, 0);
    knob->INFORMUJ_SA(52, 22, 1);
    knob->INFORMUJ_SA(52, 80, 0);
    EXPECT_EQ(knob->y, 20);
    EXPECT_EQ(knob->GP(), -5);
}

TEST_F(ControlsTest, TheWholeSheetPhaseNeedsASheet) {
    ASSERT_EQ(tk_DSGN_INIT(), 1);
    tk_CDS sprite("cds", 5, 6);
    sprite.EVIDUJ_2();
    EXPECT_EQ(sprite.phases.count, 0);
    sprite.surface = tk_DSGN.rezia_dll_srf;
    sprite.EVIDUJ_2();
    ASSERT_EQ(sprite.phases.count, 1);
    EXPECT_EQ(PhaseOf(&sprite, 0).x2, 234);
    EXPECT_EQ(PhaseOf(&sprite, 0).y2, 210);
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{"TK_DAS_w(N) : TSKW ERROR:  [tk_CDS::EVIDUJ_2 - surface == NULL]"}));
}

}  // namespace
}  // namespace tk_test
