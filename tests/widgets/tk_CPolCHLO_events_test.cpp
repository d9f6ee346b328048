#include <gtest/gtest.h>

#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_CPolCHLO.h"
#include "framework/widgets/tk_globals.h"
#include "tests/common/tk_test_files.h"
#include "tests/widgets/tk_widget_probes.h"

using tk_test::Box;
using tk_test::Chooser;
using tk_test::Editor;
using tk_test::Knob;
using tk_test::Probe;
using tk_test::Trace;

namespace {

class TreeEventsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tk_LOG_on = 1;
        tk_LOG_reset_done = false;
        tk_auto_rx = 15;
        tk_auto_ry = 10;
        tk_CPolCHLO_SetSliderRoute(tk_test::KnobValue);
        tk_CPolCHLO_SetListRoute(tk_test::ChooserChoice);
        tk_CPolCHLO_SetEditRoute(tk_test::EditorKey);
    }
    void TearDown() override {
        tk_CPolCHLO_SetSliderRoute(nullptr);
        tk_CPolCHLO_SetListRoute(nullptr);
        tk_CPolCHLO_SetEditRoute(nullptr);
    }
    tk_test::ScopedWorkDir dir;
};

TEST_F(TreeEventsTest, AContainerIsDraggedByItsHandleWithItsChildren) {
    tk_CPolCHLO root;
    auto* box = new tk_CPolCHLO(&root, 1);
    box->MoveToRel(100, 100);
    Trace trace;
    auto* child = new Probe(box, 50, 50, 20, 20, &trace, "child");

    // The first move is taken by the innermost container whose children passed.
    EXPECT_TRUE(root.INFORMUJ_SA(500, 500, 0));
    EXPECT_EQ(box->state, 1);
    EXPECT_EQ(root.state, 0);
    EXPECT_FALSE(root.INFORMUJ_SA(300, 300, 1));  // off every handle
    EXPECT_TRUE(root.INFORMUJ_SA(103, 104, 1));
    EXPECT_EQ(box->state, 2);
    EXPECT_EQ(tk_drag_dx, 3);
    EXPECT_EQ(tk_drag_dy, 4);
    EXPECT_TRUE(root.INFORMUJ_SA(203, 154, 0));
    EXPECT_EQ(box->x, 200);
    EXPECT_EQ(box->y, 150);
    EXPECT_EQ(box->rx, 100);  // a drag leaves the relative place alone
    EXPECT_EQ(box->ry, 100);
    EXPECT_EQ(child->x, 250);
    EXPECT_EQ(child->y, 200);
    // Over the child the child takes the move and the container stays.
    EXPECT_TRUE(root.INFORMUJ_SA(255, 205, 0));
    EXPECT_EQ(box->x, 200);
    EXPECT_TRUE(root.INFORMUJ_SA(203, 154, -1));
    EXPECT_EQ(box->state, 1);
    EXPECT_FALSE(root.INFORMUJ_SA(203, 154, -1));

    // Laying the parent out again puts the container back.
    root.Rodic_reset();
    EXPECT_EQ(box->x, 100);
    EXPECT_EQ(child->x, 150);
}

TEST_F(TreeEventsTest, AHeldSliderReportsItsValueToItsContainer) {
    Box root(nullptr, 0);
    root.handles_ = true;
    auto* panel = new Box(&root, 1);
    auto* knob = new Knob(panel, 42, 17);
    new Probe(&root, 0, 0, 10, 10, nullptr, "above");

    int id = 12345;
    EXPECT_FALSE(root.INFORMUJ_MA(&id));
    EXPECT_EQ(id, 12345);

    knob->state = 2;
    EXPECT_TRUE(root.INFORMUJ_MA(&id));
    EXPECT_EQ(id, 42);
    ASSERT_EQ(panel->notes.size(), 1u);
    EXPECT_EQ(panel->notes[0].id, 42);
    EXPECT_EQ(panel->notes[0].value, 17);
    EXPECT_EQ(panel->notes[0].sender, knob);
    // The panel passes the report on to the root, which ends the chain.
    ASSERT_EQ(root.notes.size(), 1u);
    EXPECT_EQ(root.notes[0].value, 17);

    // Every query while it is held reports again, with the current value.
    knob->value_ = 18;
    EXPECT_TRUE(root.INFORMUJ_MA(&id));
    EXPECT_EQ(panel->notes.back().value, 18);

    // Hidden, merely hovered or inside a hidden container: nothing to report.
    knob->visible = false;
    EXPECT_FALSE(root.INFORMUJ_MA(&id));
    knob->visible = true;
    knob->state = 1;
    EXPECT_FALSE(root.INFORMUJ_MA(&id));
    knob->state = 2;
    panel->visible = false;
    EXPECT_FALSE(root.INFORMUJ_MA(&id));
    panel->visible = true;

    // The topmost held slider wins.
    auto* later = new Knob(panel, 43, 5);
    later->state = 2;
    EXPECT_TRUE(root.INFORMUJ_MA(&id));
    EXPECT_EQ(id, 43);
    EXPECT_EQ(panel->notes.back().value, 5);
}

TEST_F(TreeEventsTest, ListsReportEachChoiceOnce) {
    Box root(nullptr, 0);
    for (int cls : {11, 12, 121, 122}) {
        auto* list = new Chooser(&root, 200 + cls, cls);
        list->pending_ = 5;
        int id = -7;
        EXPECT_TRUE(root.INFORMUJ_MA(&id)) << cls;
        EXPECT_EQ(id, 200 + cls);
        EXPECT_EQ(root.notes.back().id, 200 + cls);
        EXPECT_EQ(root.notes.back().value, 5);
        EXPECT_EQ(root.notes.back().sender, list);
        id = -7;
        EXPECT_FALSE(root.INFORMUJ_MA(&id));
        EXPECT_EQ(id, -7);
        list->pending_ = 3;
        list->visible = false;
        EXPECT_FALSE(root.INFORMUJ_MA(&id));
        list->visible = true;
        list->pending_ = 0;
    }
    // Other classes are not asked.
    auto* label = new Chooser(&root, 300, 9);
    label->pending_ = 4;
    int id = 0;
    EXPECT_FALSE(root.INFORMUJ_MA(&id));
}

TEST_F(TreeEventsTest, KeysGoToTheTopmostEditBoxDepthFirst) {
    tk_CPolCHLO root;
    auto* low = new Editor(&root, 1);
    auto* panel = new tk_CPolCHLO(&root, 2);
    auto* inner = new Editor(panel, 3);
    new Probe(&root, 0, 0, 10, 10, nullptr, "not an edit box");

    EXPECT_TRUE(root.INFORMUJ_SA_KLAV('A'));
    EXPECT_EQ(inner->keys, (std::vector<int>{'A'}));
    EXPECT_TRUE(low->keys.empty());

    // A hidden edit box still takes the typing; a hidden container hides its own.
    inner->visible = false;
    EXPECT_TRUE(root.INFORMUJ_SA_KLAV('B'));
    EXPECT_EQ(inner->keys.back(), 'B');
    panel->visible = false;
    EXPECT_TRUE(root.INFORMUJ_SA_KLAV('C'));
    EXPECT_EQ(low->keys, (std::vector<int>{'C'}));
    root.visible = false;
    EXPECT_FALSE(root.INFORMUJ_SA_KLAV('D'));
    root.visible = true;

    // Without an edit box nothing takes a key.
    tk_CPolCHLO bare;
    new Probe(&bare, 0, 0, 10, 10, nullptr, "p");
    EXPECT_FALSE(bare.INFORMUJ_SA_KLAV(27));
}

TEST_F(TreeEventsTest, NotificationsClimbToTheRoot) {
    Box root(nullptr, 0);
    auto* mid = new Box(&root, 1);
    auto* low = new tk_CPolCHLO(mid, 2);
    tk_CPol button;
    EXPECT_FALSE(low->HandleFWInteraction(601, 1, &button));
    ASSERT_EQ(mid->notes.size(), 1u);
    ASSERT_EQ(root.notes.size(), 1u);
    EXPECT_EQ(root.notes[0].id, 601);
    EXPECT_EQ(root.notes[0].value, 1);
    EXPECT_EQ(root.notes[0].sender, &button);
    root.handles_ = true;
    EXPECT_TRUE(low->HandleFWInteraction(602, 3, &button));
    // A container in the middle that handles it stops the climb.
    mid->handles_ = true;
    EXPECT_TRUE(low->HandleFWInteraction(603, 1, &button));
    EXPECT_EQ(root.notes.size(), 2u);
}

}  // namespace
