// Push buttons and toggles driven event by event: states, phases, consumption, clicks and the
// checked state; their construction traces in the log.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/widgets/tk_CDPrep.h"
#include "framework/widgets/tk_CTlac.h"
#include "tests/widgets/controls/tk_skin_world.h"
#include "tests/widgets/tk_widget_probes.h"

namespace tk_test {
namespace {

class ControlsTest : public SkinWorld {};

// One pointer event and what the control shows after it.
struct Step {
    int px, py, code;
    bool taken;
    int state, current;
};

template <typename T>
void Drive(T* c, const std::vector<Step>& steps) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        SCOPED_TRACE("step " + std::to_string(i));
        EXPECT_EQ(c->INFORMUJ_SA(s.px, s.py, s.code), s.taken);
        EXPECT_EQ(c->state, s.state);
        EXPECT_EQ(c->current, s.current);
        EXPECT_EQ(c->pressed, s.state == 2 ? 1 : 0);
    }
}

TEST_F(ControlsTest, AClickNeedsAMoveAPressAndAReleaseOnTheButton) {
    Box root(nullptr, 0);
    root.MoveToRel(0, 0);
    // A void button of 100 x 45: its box is 10..110 x 20..65, edges included.
    auto* b = new tk_CTlac(&root, 10, 20, 7);
    Drive(b, {
                 {50, 40, 1, false, 0, 0},   // a press with no move before it does not arm
                 {110, 65, 0, true, 1, 1},   // the far corner is inside
                 {50, 40, 1, true, 2, 2},    //
                 {200, 40, 0, true, 3, 0},   // held off it: the normal picture
                 {200, 40, 0, false, 3, 0},  //
                 {60, 40, 0, true, 2, 2},    // back on it: pressed again
                 {60, 40, -1, true, 1, 1},   // the click
                 {111, 40, 0, true, 0, 0},   // the first move off is taken
                 {111, 40, 0, false, 0, 0},
             });
    ASSERT_EQ(root.notes.size(), 1u);
    EXPECT_EQ(root.notes[0].id, 7);
    EXPECT_EQ(root.notes[0].value, 1);
    EXPECT_EQ(root.notes[0].sender, b);

    // Released off the button, with or without a move off it first: no click, and not left armed.
    Drive(b, {
                 {50, 40, 0, true, 1, 1},
                 {50, 40, 1, true, 2, 2},
                 {200, 40, 0, true, 3, 0},
                 {200, 40, -1, true, 0, 0},
                 {50, 40, 0, true, 1, 1},
                 {50, 40, 1, true, 2, 2},
                 {200, 40, -1, true, 0, 0},
                 {50, 40, -1, false, 0, 0},  // a release on it now is no click either
                 {50, 40, 0, true, 1, 1},
                 {50, 40, -1, false, 1, 1},
             });
    EXPECT_EQ(root.notes.size(), 1u);

    b->visible = false;
    EXPECT_FALSE(b->INFORMUJ_SA(50, 40, 0));
}

TEST_F(ControlsTest, OwnersPollAndDriveButtonsThemselves) {
    tk_CTlac b;
    EXPECT_EQ(b.x, 200);
    EXPECT_EQ(b.y, 250);
    EXPECT_FALSE(b.drag_moves);
    // The sprite's machine: state changes are reported, the button never moves.
    EXPECT_TRUE(b.INFORMUJ_SA2(210, 260, 0));
    EXPECT_FALSE(b.INFORMUJ_SA2(220, 262, 0));
    EXPECT_TRUE(b.INFORMUJ_SA2(220, 262, 1));
    EXPECT_EQ(b.current, 2);
    EXPECT_EQ(b.pressed, 1);
    EXPECT_FALSE(b.INFORMUJ_SA2(240, 280, 0));
    EXPECT_EQ(b.x, 200);
    EXPECT_TRUE(b.STLACENE2());
    EXPECT_EQ(b.state, 2);
    // The press is taken once.
    EXPECT_TRUE(b.STLACENE());
    EXPECT_EQ(b.state, 1);
    EXPECT_EQ(b.current, 1);
    EXPECT_FALSE(b.STLACENE());
    EXPECT_FALSE(b.STLACENE2());
}

TEST_F(ControlsTest, ConstructionNamesAndTraces) {
    Box root(nullptr, 0);
    {
        auto* b = new tk_CTlac(&root, 7);
        EXPECT_STREQ(b->name, "ID 7");
        EXPECT_EQ(b->class_id, 4);
        EXPECT_EQ(b->void_SIR, 100);
        EXPECT_EQ(b->void_VYS, 45);
        tk_CTlac plain;
        EXPECT_STREQ(plain.name, "noname_tlac");
        tk_CTlac named("ok");
        EXPECT_STREQ(named.name, "ok");
        tk_CTlac at(nullptr, 3, 4, 9);
        EXPECT_EQ(at.ID, 9);
        EXPECT_EQ(at.x, 3);
    }
    {
        tk_CDPrep a;
        tk_CDPrep b("volba");
        auto* c = new tk_CDPrep(&root, 8);
        EXPECT_EQ(c->class_id, 6);
        EXPECT_FALSE(c->drag_moves);
        EXPECT_EQ(c->ID, 8);
    }
    root.children.DetachAll();
    const std::vector<std::string> expected = {
        "TK_DAS_w(N) :   tk_CTlac::tk_CTlac(parent.) [ID 7]",
        "TK_DAS_w(N) :   tk_CTlac::~tk_CTlac() [noname_tlac]",
        "TK_DAS_w(N) :   tk_CTlac::~tk_CTlac() [ok]",
        "TK_DAS_w(N) :   tk_CTlac::~tk_CTlac() [noname_tlac]",
        "TK_DAS_w(N) :   tk_CDPrep::tk_CDPrep() [noname_prep]",
        "TK_DAS_w(N) :   tk_CDPrep::tk_CDPrep(.) [volba]",
        "TK_DAS_w(N) :   tk_CDPrep::tk_CDPrep(parent.) [noname_prep]",
        "TK_DAS_w(N) :   tk_CTlac::~tk_CTlac() [ID 7]",
    };
    EXPECT_EQ(LogLines(), expected);
}

// One event on a toggle and what it shows after it.
struct Toggle {
    int px, py, code;
    int state, current;
    bool checked;
};

void DriveToggle(tk_CDPrep* t, const std::vector<Toggle>& steps) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Toggle& s = steps[i];
        SCOPED_TRACE("step " + std::to_string(i));
        t->INFORMUJ_SA(s.px, s.py, s.code);
        EXPECT_EQ(t->state, s.state);
        EXPECT_EQ(t->current, s.current);
        EXPECT_EQ(t->checked, s.checked);
        EXPECT_EQ(t->value, s.checked ? 1 : 0);
    }
}

TEST_F(ControlsTest, TogglesChangeAtThePressAndRadioButtonsStayChecked) {
    Box root(nullptr, 0);
    root.MoveToRel(0, 0);
    auto* box = new tk_CDPrep(&root, 1);
    box->Dsgn0_VoidDC(10, 10, 20, 20);
    DriveToggle(box, {
                         {15, 15, 1, 0, 0, false},  // a press without a move first changes nothing
                         {15, 15, 0, 1, 1, false},
                         {15, 15, 1, 2, 3, true},
                         {40, 40, 0, 2, 3, true},  // held: the toggle does not follow the pointer
                         {15, 15, -1, 1, 3, true},
                         {15, 15, 1, 2, 1, false},
                         {15, 15, -1, 1, 1, false},
                         {50, 50, 0, 0, 0, false},
                     });
    EXPECT_EQ(box->x, 10);
    EXPECT_TRUE(root.notes.empty());

    auto* radio = new tk_CDPrep(&root, 2);
    radio->Dsgn0_VoidDC(100, 10, 20, 20);
    radio->radio = 1;
    DriveToggle(radio, {
                           {105, 15, 0, 1, 1, false},
                           {105, 15, 1, 2, 3, true},
                           {105, 15, -1, 1, 3, true},
                           {105, 15, 1, 2, 3, true},
                           {105, 15, -1, 1, 3, true},
                           {150, 50, 0, 0, 2, true},
                       });
    radio->visible = false;
    EXPECT_FALSE(radio->INFORMUJ_SA(105, 15, 0));
}

}  // namespace
}  // namespace tk_test
