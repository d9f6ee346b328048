#include "framework/widgets/tk_CPol.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_CPolCHLO.h"
#include "framework/widgets/tk_globals.h"
#include "tests/common/tk_test_files.h"

namespace {

class CPolTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tk_LOG_on = 1;
        tk_LOG_reset_done = false;
        tk_auto_rx = 15;
        tk_auto_ry = 10;
        tk_drag_dx = tk_drag_dy = 0;
    }
    tk_test::ScopedWorkDir dir;
};

TEST_F(CPolTest, ConstructionFormsPlaceAndRegister) {
    tk_CPolCHLO root;
    root.MoveToAbs(100, 200);
    auto* placed = new tk_CPol(&root, 7, 8);
    EXPECT_EQ(placed->parent, &root);
    EXPECT_EQ(root.children.count, 1);
    EXPECT_EQ(placed->x, 107);
    EXPECT_EQ(placed->y, 208);
    EXPECT_EQ(placed->rx, 7);
    EXPECT_EQ(placed->ry, 8);
    EXPECT_STREQ(placed->name, "noname_pol");
    EXPECT_EQ(placed->ID, -1);

    // Elements built with an id cascade by (15, 10) from (30, 20), for the whole run.
    auto* a = new tk_CPol(&root, 1);
    auto* b = new tk_CPol(&root, 2);
    auto* c = new tk_CPol(&root, 3);
    EXPECT_EQ(a->rx, 30);
    EXPECT_EQ(a->ry, 20);
    EXPECT_EQ(b->rx, 45);
    EXPECT_EQ(b->ry, 30);
    EXPECT_EQ(c->rx, 60);
    EXPECT_EQ(c->ry, 40);
    EXPECT_EQ(c->x, 160);
    EXPECT_EQ(c->y, 240);
    EXPECT_EQ(c->ID, 3);
    EXPECT_EQ(root.children.count, 4);
    tk_CPol loose(nullptr, 9);
    EXPECT_EQ(loose.x, 75);
    EXPECT_EQ(loose.y, 50);
    EXPECT_EQ(loose.rx, 75);
    EXPECT_EQ(tk_auto_rx, 75);
    EXPECT_EQ(tk_auto_ry, 50);
}

TEST_F(CPolTest, RelativeAndAbsolutePlacesFollowEachOther) {
    tk_CPolCHLO root;
    root.MoveToAbs(40, 30);
    auto* e = new tk_CPol(&root, 0, 0);
    e->MoveToAbs(50, 45);
    EXPECT_EQ(e->rx, 10);
    EXPECT_EQ(e->ry, 15);
    e->MoveToRel(-5, 2);
    EXPECT_EQ(e->x, 35);
    EXPECT_EQ(e->y, 32);
    e->CHOD_NA(1, 2);
    EXPECT_EQ(e->rx, -39);
    EXPECT_EQ(e->ry, -28);
    // A stale absolute place is recomputed from the relative one.
    e->x = e->y = 999;
    e->Rodic_reset();
    EXPECT_EQ(e->x, 1);
    EXPECT_EQ(e->y, 2);
}

TEST_F(CPolTest, NamesAreCutToTheFieldAtACharacterBoundary) {
    tk_CPol e;
    e.SetName("tlacidlo");
    EXPECT_STREQ(e.name, "tlacidlo");
    e.SetName(std::string(40, 'a').c_str());
    EXPECT_EQ(std::string(e.name), std::string(31, 'a'));
    // 30 letters and a two-byte "č" need 32 bytes: the "č" is left out whole.
    e.SetName((std::string(30, 'b') + "\xC4\x8D").c_str());
    EXPECT_EQ(std::string(e.name), std::string(30, 'b'));
    e.SetName((std::string(29, 'c') + "\xC4\x8D").c_str());
    EXPECT_EQ(std::string(e.name), std::string(29, 'c') + "\xC4\x8D");
}

TEST_F(CPolTest, TheHandleIsADiscAroundTheTopLeftCorner) {
    tk_CPol e;
    e.MoveToAbs(100, 100);
    EXPECT_TRUE(e.CanDrag(100, 100));
    EXPECT_TRUE(e.CanDrag(110, 100));
    EXPECT_TRUE(e.CanDrag(90, 100));
    EXPECT_FALSE(e.CanDrag(111, 100));
    EXPECT_TRUE(e.CanDrag(107, 107));   // 9.90 away
    EXPECT_FALSE(e.CanDrag(107, 108));  // 10.63 away
    EXPECT_TRUE(e.CanDrag(106, 92));    // exactly 10 away
    e.grab_radius = 3;
    EXPECT_FALSE(e.CanDrag(104, 100));

    // Only elements of other classes honour movable.
    e.grab_radius = 10;
    e.movable = false;
    EXPECT_TRUE(e.CanDrag(101, 101));
    e.SetClassId(20);
    EXPECT_TRUE(e.CanDrag(101, 101));
    e.SetClassId(2);
    EXPECT_FALSE(e.CanDrag(101, 101));
    e.movable = true;
    EXPECT_TRUE(e.CanDrag(101, 101));
}

TEST_F(CPolTest, ABareElementIsDraggedByItsHandle) {
    tk_CPolCHLO root;
    root.MoveToAbs(10, 10);
    auto* e = new tk_CPol(&root, 90, 90);
    ASSERT_EQ(e->x, 100);

    EXPECT_FALSE(e->INFORMUJ_SA(300, 300, 0));  // not on the handle
    EXPECT_EQ(e->state, 0);
    EXPECT_FALSE(e->INFORMUJ_SA(105, 103, 1));  // a press before the pointer arrived
    EXPECT_TRUE(e->INFORMUJ_SA(105, 103, 0));
    EXPECT_EQ(e->state, 1);
    EXPECT_FALSE(e->INFORMUJ_SA(150, 150, 1));  // a press off the handle
    EXPECT_TRUE(e->INFORMUJ_SA(105, 103, 1));
    EXPECT_EQ(e->state, 2);
    EXPECT_EQ(tk_drag_dx, 5);
    EXPECT_EQ(tk_drag_dy, 3);
    EXPECT_TRUE(e->INFORMUJ_SA(305, 403, 0));
    EXPECT_EQ(e->x, 300);
    EXPECT_EQ(e->y, 400);
    EXPECT_EQ(e->rx, 290);
    EXPECT_EQ(e->ry, 390);
    EXPECT_TRUE(e->INFORMUJ_SA(305, 403, -1));
    EXPECT_EQ(e->state, 1);
    EXPECT_FALSE(e->INFORMUJ_SA(305, 403, -1));
    EXPECT_FALSE(e->INFORMUJ_SA(900, 900, 0));  // state 1 stays; moves are no longer taken
    EXPECT_EQ(e->state, 1);

    // Other classes use the base handler only to pass events on.
    tk_CPol label;
    label.SetClassId(9);
    EXPECT_FALSE(label.INFORMUJ_SA(1, 1, 0));
    EXPECT_EQ(label.state, 0);
    tk_CPol hidden;
    hidden.visible = false;
    EXPECT_FALSE(hidden.INFORMUJ_SA(1, 1, 0));
}

TEST_F(CPolTest, HitTestCoversTheSizeWithBothEndsInside) {
    tk_CPol e;
    e.MoveToAbs(20, 30);
    int w = 0, h = 0;
    e.GetSize(&w, &h);
    EXPECT_EQ(w, 80);
    EXPECT_EQ(h, 80);
    e.SetSize(5, 5);
    EXPECT_EQ(e.VratZasah(20, 30), &e);
    EXPECT_EQ(e.VratZasah(99, 109), &e);
    EXPECT_EQ(e.VratZasah(100, 109), nullptr);
    EXPECT_EQ(e.VratZasah(99, 110), nullptr);
    EXPECT_EQ(e.VratZasah(19, 30), nullptr);
    e.visible = false;
    EXPECT_EQ(e.VratZasah(50, 50), nullptr);
}

}  // namespace
