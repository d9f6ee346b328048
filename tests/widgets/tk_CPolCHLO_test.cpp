#include "framework/widgets/tk_CPolCHLO.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_globals.h"
#include "tests/common/tk_test_files.h"
#include "tests/widgets/tk_widget_probes.h"

using tk_test::Box;
using tk_test::MakeDialog;
using tk_test::Probe;
using tk_test::ReadFile;
using tk_test::Trace;

namespace {

class CPolCHLOTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tk_LOG_on = 1;
        tk_LOG_reset_done = false;
        tk_auto_rx = 15;
        tk_auto_ry = 10;
    }
    tk_test::ScopedWorkDir dir;
    Trace trace;

    static std::string order(tk_CPolCHLO& box) {
        std::string s;
        for (int i = 0; i < box.children.count; ++i) {
            if (!s.empty()) s += ' ';
            s += static_cast<tk_CPol*>(box.children[i])->name;
        }
        return s;
    }
};

TEST_F(CPolCHLOTest, OnlyTheFourContainerClassesAreDescendedInto) {
    tk_CPolCHLO box;
    EXPECT_EQ(box.class_id, 20);
    EXPECT_STREQ(box.name, "noname_polchlo");
    EXPECT_EQ(box.children.mode, 1);
    for (int id = -3; id < 130; ++id) {
        bool container = id == 14 || id == 20 || id == 21 || id == 22;
        EXPECT_EQ(tk_CPolCHLO::IsClassIdPolCHLO(id), container) << id;
    }
}

TEST_F(CPolCHLOTest, LaterChildrenAreDrawnOnTopAndAskedFirst) {
    tk_CPolCHLO root;
    new Probe(&root, 10, 10, 40, 40, &trace, "A");
    new Probe(&root, 30, 30, 40, 40, &trace, "B");
    root.ZOBRAZ(nullptr);
    EXPECT_EQ(trace, (Trace{"draw A", "draw B"}));

    // In the overlap only B hears of the press.
    trace.clear();
    EXPECT_TRUE(root.INFORMUJ_SA(35, 35, 1));
    EXPECT_EQ(trace, (Trace{"event B"}));
    // Outside B the press falls through to A.
    trace.clear();
    EXPECT_TRUE(root.INFORMUJ_SA(15, 15, 1));
    EXPECT_EQ(trace, (Trace{"event B", "event A"}));
    // A hidden container routes nothing and draws nothing.
    trace.clear();
    root.visible = false;
    EXPECT_FALSE(root.INFORMUJ_SA(35, 35, 1));
    root.ZOBRAZ(nullptr);
    EXPECT_TRUE(trace.empty());
}

TEST_F(CPolCHLOTest, DialogsStayAboveLaterOrdinaryChildren) {
    tk_CPolCHLO root;
    new Probe(&root, 0, 0, 10, 10, &trace, "A");
    Box* d1 = MakeDialog(&root, 101);
    d1->SetName("D1");
    new Probe(d1, 0, 0, 500, 500, &trace, "in D1");
    new Probe(&root, 0, 0, 500, 500, &trace, "B");
    new Probe(&root, 0, 0, 500, 500, &trace, "C");
    EXPECT_EQ(order(root), "A B C D1");

    // A dialog is registered before its class id is set, so a second one lands below the first.
    Box* d2 = MakeDialog(&root, 102);
    d2->SetName("D2");
    new Probe(d2, 0, 0, 500, 500, &trace, "in D2");
    EXPECT_EQ(order(root), "A B C D2 D1");
    new Probe(&root, 0, 0, 500, 500, &trace, "E");
    EXPECT_EQ(order(root), "A B C E D2 D1");
    // Dialog frames (13) are ordinary children.
    new Probe(&root, 0, 0, 500, 500, &trace, "F", 13);
    EXPECT_EQ(order(root), "A B C E F D2 D1");

    // The topmost dialog is asked first, and the last ordinary child after every dialog.
    EXPECT_TRUE(root.INFORMUJ_SA(100, 100, 1));
    EXPECT_EQ(trace, (Trace{"event in D1"}));
    trace.clear();
    root.ZOBRAZ(nullptr);
    EXPECT_EQ(trace, (Trace{"draw A", "draw B", "draw C", "draw E", "draw F", "draw in D2", "draw in D1"}));

    root.TOP_DLG(d2);
    EXPECT_EQ(order(root), "A B C E F D1 D2");
    trace.clear();
    EXPECT_TRUE(root.INFORMUJ_SA(100, 100, 1));
    EXPECT_EQ(trace, (Trace{"event in D2"}));

    // Already on top, not a child, or a container without children: nothing changes.
    root.TOP_DLG(d2);
    EXPECT_EQ(order(root), "A B C E F D1 D2");
    tk_CPol stranger;
    root.TOP_DLG(&stranger);
    root.TOP_DLG(nullptr);
    EXPECT_EQ(order(root), "A B C E F D1 D2");
    tk_CPolCHLO empty;
    empty.TOP_DLG(d1);
    EXPECT_EQ(empty.children.count, 0);

    // The only dialog of a container stays where it is.
    tk_CPolCHLO other;
    new Probe(&other, 0, 0, 1, 1, nullptr, "X");
    Box* only = MakeDialog(&other, 103);
    only->SetName("Only");
    other.TOP_DLG(only);
    EXPECT_EQ(order(other), "X Only");
}

TEST_F(CPolCHLOTest, ChodNaMovesTheSubtreeWhileMoveToRelLeavesItBehind) {
    tk_CPolCHLO root;
    auto* box = new tk_CPolCHLO(&root, 1);
    box->MoveToRel(100, 100);
    auto* child = new Probe(box, 10, 20, 5, 5, nullptr, "child");
    auto* inner = new tk_CPolCHLO(box, 2);
    inner->MoveToRel(50, 50);
    auto* grandchild = new Probe(inner, 1, 2, 5, 5, nullptr, "grandchild");
    ASSERT_EQ(grandchild->x, 151);

    box->CHOD_NA(300, 200);
    EXPECT_EQ(box->rx, 300);
    EXPECT_EQ(child->x, 310);
    EXPECT_EQ(child->y, 220);
    EXPECT_EQ(child->rx, 10);
    EXPECT_EQ(grandchild->x, 351);
    EXPECT_EQ(grandchild->y, 252);

    box->MoveToRel(0, 0);
    EXPECT_EQ(box->x, 0);
    EXPECT_EQ(child->x, 310);
    EXPECT_EQ(grandchild->x, 351);
    root.Rodic_reset();
    EXPECT_EQ(child->x, 10);
    EXPECT_EQ(child->y, 20);
    EXPECT_EQ(grandchild->x, 51);
    EXPECT_EQ(grandchild->y, 52);
}

TEST_F(CPolCHLOTest, FindCHLWithIDSearchesDepthFirstInIndexOrder) {
    tk_CPolCHLO root;
    root.ID = 9;
    auto* first = new tk_CPolCHLO(&root, 1);
    auto* deep = new tk_CPolCHLO(first, 2);
    auto* grandchild = new Probe(deep, 0, 0, 1, 1, nullptr, "grandchild");
    grandchild->ID = 7;
    auto* later = new Probe(&root, 0, 0, 1, 1, nullptr, "later");
    later->ID = 7;
    deep->visible = false;  // visibility is not consulted

    EXPECT_EQ(root.FindCHLWithID(7), grandchild);
    EXPECT_EQ(root.FindCHLWithID(1), first);
    EXPECT_EQ(root.FindCHLWithID(2), deep);
    EXPECT_EQ(root.FindCHLWithID(9), nullptr);
    EXPECT_EQ(root.FindCHLWithID(8), nullptr);
    // A non-container child is not descended into even when it carries a container's id.
    auto* fake = new Probe(&root, 0, 0, 1, 1, nullptr, "fake", 14);
    fake->ID = 3;
    EXPECT_EQ(root.FindCHLWithID(3), fake);
    EXPECT_EQ(root.FindCHLWithID(11), nullptr);
}

TEST_F(CPolCHLOTest, ChildrenAreReachedByIndexWhileTheContainerIsVisible) {
    tk_CPolCHLO root;
    auto* a = new Probe(&root, 0, 0, 1, 1, nullptr, "a");
    auto* b = new Probe(&root, 0, 0, 1, 1, nullptr, "b");
    EXPECT_EQ(root.GetCHLWithIndex(0), a);
    EXPECT_EQ(root.GetCHLWithIndex(1), b);
    EXPECT_EQ(root.GetIndexOfCHL(b), 1);
    root.visible = false;
    EXPECT_EQ(root.GetCHLWithIndex(1), nullptr);
    EXPECT_EQ(root.GetIndexOfCHL(b), 0);
}

TEST_F(CPolCHLOTest, CallerErrorsOnIndicesStopTheProgramWithALogLine) {
    tk_CPolCHLO root;
    auto* a = new Probe(&root, 0, 0, 1, 1, nullptr, "a");
    new Probe(&root, 0, 0, 1, 1, nullptr, "b");
    // Each dying child starts the log afresh, so the log holds the last one's line.
    auto logged = [] { return ReadFile("tk_LOG.txt"); };
    EXPECT_DEATH(root.GetCHLWithIndex(2), "GetCHLWithIndex - Index mimo rozsah");
    EXPECT_NE(logged().find("\nTK_PolCHLO_w("), std::string::npos);
    EXPECT_NE(logged().find(") : TSKW ERROR:  [tk_CPolCHLO::GetCHLWithIndex - Index mimo rozsah]\n"),
              std::string::npos);
    EXPECT_DEATH(root.GetCHLWithIndex(-1), "GetCHLWithIndex - Index mimo rozsah");
    tk_CPol stranger;
    EXPECT_DEATH(root.GetIndexOfCHL(&stranger), "GetIndexOfCHL - Nenajdene dieta");
    EXPECT_NE(logged().find(") : TSKW ERROR:  [tk_CPolCHLO::GetIndexOfCHL - Nenajdene dieta]\n"),
              std::string::npos);
    root.children.Blenduj(0);
    delete a;
    EXPECT_DEATH(root.GetCHLWithIndex(0), "GetCHLWithIndex - Problem s indexom");
    EXPECT_NE(logged().find(") : TSKW ERROR:  [tk_CPolCHLO::GetCHLWithIndex - Problem s indexom]\n"),
              std::string::npos);
}

TEST_F(CPolCHLOTest, DestroyingAContainerDestroysItsSubtreeByClassId) {
    int destroyed = 0;
    auto* root = new tk_CPolCHLO;
    const int handled[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 20, 21, 22, 121, 122};
    for (int cls : handled) {
        auto* p = new Probe(root, 0, 0, 1, 1, nullptr, "p", cls);
        p->destroyed_ = &destroyed;
    }
    auto* inner = new Box(root, 1);
    inner->destroyed_ = &destroyed;
    auto* leaf = new Probe(inner, 0, 0, 1, 1, nullptr, "leaf");
    leaf->destroyed_ = &destroyed;
    delete root;
    EXPECT_EQ(destroyed, 23);

    // An element removed from the array first is the caller's to free.
    tk_CPolCHLO box;
    auto* kept = new Probe(&box, 0, 0, 1, 1, nullptr, "kept");
    kept->destroyed_ = &destroyed;
    box.children.Blenduj(0);
    box.children.ShiftUp(0);
    destroyed = 0;
    delete kept;
    EXPECT_EQ(destroyed, 1);
}

TEST_F(CPolCHLOTest, AChildOfNoElementClassStopsTheDestruction) {
    for (int cls : {10, 17, 18, 19, 23, 120, 123, -1}) {
        EXPECT_DEATH(
            {
                auto* root = new tk_CPolCHLO;
                new Probe(root, 0, 0, 1, 1, nullptr, "odd", cls);
                delete root;
            },
            "tk_CARRE::DetachAll - switch class_id - assert")
            << cls;
    }
    EXPECT_NE(ReadFile("tk_LOG.txt").find("TK_ARRE_w("), std::string::npos);
}

TEST_F(CPolCHLOTest, SetupVisualPrivateLaysOutTheWholeTreeBeforeDrawing) {
    Box root(nullptr, 0);
    root.MoveToAbs(5, 5);
    auto* inner = new Box(&root, 1);
    inner->MoveToRel(10, 10);
    auto* leaf = new Probe(inner, 1, 1, 1, 1, nullptr, "leaf");
    auto* plain = new Probe(&root, 2, 2, 1, 1, nullptr, "plain");
    inner->x = leaf->x = plain->x = -1;

    root.SetupVisual_Private();
    EXPECT_EQ(root.setups, 1);
    EXPECT_EQ(inner->setups, 1);
    EXPECT_EQ(inner->x, 15);
    EXPECT_EQ(leaf->x, 16);
    EXPECT_EQ(plain->x, 7);
}

TEST_F(CPolCHLOTest, HitTestingFindsTheDeepestTopmostVisibleElement) {
    tk_CPolCHLO root;
    auto* low = new Probe(&root, 0, 0, 50, 50, nullptr, "low");
    auto* box = new tk_CPolCHLO(&root, 1);
    box->MoveToRel(20, 20);
    auto* high = new Probe(box, 0, 0, 10, 10, nullptr, "high");

    EXPECT_EQ(root.VratZasah(25, 25), high);
    EXPECT_EQ(root.VratZasah(35, 35), box);  // the container's own 80 x 80 box
    EXPECT_EQ(root.VratZasah(5, 5), low);
    EXPECT_EQ(root.VratZasah(79, 10), &root);
    EXPECT_EQ(root.VratZasah(80, 10), nullptr);
    EXPECT_EQ(root.VratZasah(99, 99), box);
    EXPECT_EQ(root.VratZasah(100, 100), nullptr);
    high->visible = false;
    EXPECT_EQ(root.VratZasah(25, 25), box);
    box->visible = false;
    EXPECT_EQ(root.VratZasah(25, 25), low);
    root.visible = false;
    EXPECT_EQ(root.VratZasah(5, 5), nullptr);
}

}  // namespace
