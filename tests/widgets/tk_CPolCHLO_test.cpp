// The element tree: drawing and event order of overlapping children, dialogs kept above, moves of
// whole subtrees, searches, destruction by class id, hit tests, the drag of a
// container, lists reporting, notifications climbing. Keys routed to edit boxes
// are tested with the edit box itself.
#include "framework/widgets/tk_CPolCHLO.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/widgets/tk_widget_probes.h"

namespace tk_test {
namespace {

class CPolCHLOTest : public TreeWorld {
  protected:
    static std::string Order(tk_CPolCHLO& box) {
        std::string s;
        for (int i = 0; i < box.children.count; ++i)
            s += (s.empty() ? "" : " ") + std::string(box.GetCHLWithIndex(i)->name);
        return s;
    }
    // Asks the tree for a value to report: the id it gives back, or "-" when none and the id is
    // left alone.
    static std::string Ask(tk_CPolCHLO& root) {
        int id = -7;
        return root.INFORMUJ_MA(&id) ? std::to_string(id) : id == -7 ? "-" : "changed";
    }
    // The smallest dialog: a container with the dialog's class id.
    static Box* Dialog(tk_CPolCHLO* parent, int id, const char* name) {
        Box* d = new Box(parent, id, tk_CLASS_CDDialog);
        d->SetName(name);
        return d;
    }
    Trace trace;
};

TEST_F(CPolCHLOTest, LaterChildrenAreDrawnOnTopAndAskedFirst) {
    tk_CPolCHLO root;
    new Probe(&root, 10, 10, 40, 40, &trace, "A");
    new Probe(&root, 30, 30, 40, 40, &trace, "B");
    root.ZOBRAZ(nullptr);
    // In the overlap only B hears of the press; outside B it falls through to A.
    EXPECT_TRUE(root.INFORMUJ_SA(35, 35, 1) && root.INFORMUJ_SA(15, 15, 1));
    EXPECT_EQ(trace, (Trace{"draw A", "draw B", "event B", "event B", "event A"}));
    // A hidden container routes nothing and draws nothing.
    trace.clear();
    root.visible = false;
    EXPECT_FALSE(root.INFORMUJ_SA(35, 35, 1));
    root.ZOBRAZ(nullptr);
    EXPECT_TRUE(trace.empty());
}

TEST_F(CPolCHLOTest, DialogsStayAboveLaterOrdinaryChildrenAndTopDlgRaisesOne) {
    tk_CPolCHLO root;
    new Probe(&root, 0, 0, 10, 10, &trace, "A");
    Box* d1 = Dialog(&root, 101, "D1");
    auto* in1 = new Probe(d1, 0, 0, 500, 500, &trace, "in D1");
    new Probe(&root, 0, 0, 500, 500, &trace, "B");
    new Probe(&root, 0, 0, 500, 500, &trace, "C");
    EXPECT_EQ(Order(root), "A B C D1");
    // A dialog is registered before its class id is set, so a second one lands below the first.
    Box* d2 = Dialog(&root, 102, "D2");
    auto* in2 = new Probe(d2, 0, 0, 500, 500, &trace, "in D2");
    new Probe(&root, 0, 0, 500, 500, &trace, "E");
    // Dialog frames (13) are ordinary children.
    new Probe(&root, 0, 0, 500, 500, &trace, "F", 13);
    EXPECT_EQ(Order(root), "A B C E F D2 D1");
    // The topmost dialog is asked first and hit first; the last ordinary child is drawn below
    // every dialog.
    EXPECT_TRUE(root.INFORMUJ_SA(100, 100, 1) && root.VratZasah(100, 100) == in1);
    root.ZOBRAZ(nullptr);
    EXPECT_EQ(trace, (Trace{"event in D1", "draw A", "draw B", "draw C", "draw E", "draw F", "draw in D2",
                            "draw in D1"}));
    root.TOP_DLG(d2);
    EXPECT_EQ(Order(root), "A B C E F D1 D2");
    trace.clear();
    EXPECT_TRUE(root.INFORMUJ_SA(100, 100, 1) && root.VratZasah(100, 100) == in2);
    EXPECT_EQ(trace, (Trace{"event in D2"}));
    // Already on top: nothing changes.
    root.TOP_DLG(d2);
    EXPECT_EQ(Order(root), "A B C E F D1 D2");
}

TEST_F(CPolCHLOTest, ChodNaMovesTheSubtreeWhileMoveToRelLeavesItBehind) {
    tk_CPolCHLO root;
    auto* box = new tk_CPolCHLO(&root, 1);
    box->MoveToRel(100, 100);
    auto* child = new Probe(box, 10, 20, 5, 5, nullptr, "child");
    auto* inner = new tk_CPolCHLO(box, 2);
    inner->MoveToRel(50, 50);
    auto* grandchild = new Probe(inner, 1, 2, 5, 5, nullptr, "grandchild");
    auto places = [&] { return Nums(box->x, child->x, child->y, child->rx, grandchild->x, grandchild->y); };
    ASSERT_EQ(places(), "100,110,120,10,151,152");
    box->CHOD_NA(300, 200);
    EXPECT_EQ(places() + " " + Nums(box->rx), "300,310,220,10,351,252 300");
    box->MoveToRel(0, 0);
    EXPECT_EQ(places(), "0,310,220,10,351,252");
    root.Rodic_reset();
    EXPECT_EQ(places(), "0,10,20,10,51,52");
}

TEST_F(CPolCHLOTest, FindCHLWithIDSearchesDepthFirstInIndexOrderAndIndicesNeedVisibility) {
    tk_CPolCHLO root;
    root.ID = 9;
    auto* first = new tk_CPolCHLO(&root, 1);
    auto* deep = new tk_CPolCHLO(first, 2);
    auto* grandchild = new Probe(deep, 0, 0, 1, 1, nullptr, "grandchild");
    grandchild->ID = 7;
    // An element is found before any of its children that carries the same id.
    (new Probe(deep, 0, 0, 1, 1, nullptr, "namesake"))->ID = 1;
    auto* later = new Probe(&root, 0, 0, 1, 1, nullptr, "later");
    later->ID = 7;
    deep->visible = false;  // visibility is not consulted
    // A non-container child is not descended into even when it carries a container's id.
    auto* fake = new Probe(&root, 0, 0, 1, 1, nullptr, "fake", 14);
    fake->ID = 3;
    const std::pair<int, tk_CPol*> found[] = {{7, grandchild}, {1, first},   {2, deep},    {3, fake},
                                              {9, nullptr},    {8, nullptr}, {11, nullptr}};
    for (auto [id, element] : found) EXPECT_EQ(root.FindCHLWithID(id), element) << id;
    // Children by index, and indices of children, only while the container is visible.
    const std::string visible = Nums(root.GetCHLWithIndex(1) == later, root.GetIndexOfCHL(later));
    root.visible = false;
    EXPECT_EQ(visible + " " + Nums(root.GetCHLWithIndex(1) == nullptr, root.GetIndexOfCHL(later)), "1,1 1,0");
}

TEST_F(CPolCHLOTest, DestroyingAContainerDestroysItsSubtreeByClassId) {
    int destroyed = 0;
    auto* root = new tk_CPolCHLO;
    for (int cls : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 20, 21, 22, 121, 122})
        (new Probe(root, 0, 0, 1, 1, nullptr, "p", cls))->destroyed_ = &destroyed;
    auto* inner = new Box(root, 1);
    inner->destroyed_ = &destroyed;
    (new Probe(inner, 0, 0, 1, 1, nullptr, "leaf"))->destroyed_ = &destroyed;
    delete root;
    EXPECT_EQ(destroyed, 23);
}

TEST_F(CPolCHLOTest, LayoutBeforeDrawingAndHitTestsFindTheDeepestTopmostVisibleElement) {
    Box root(nullptr, 0);
    root.MoveToAbs(5, 5);
    auto* inner = new Box(&root, 1);
    inner->MoveToRel(10, 10);
    auto* leaf = new Probe(inner, 1, 1, 1, 1, nullptr, "leaf");
    auto* plain = new Probe(&root, 2, 2, 1, 1, nullptr, "plain");
    inner->x = leaf->x = plain->x = -1;
    root.SetupVisual_Private();
    EXPECT_EQ(Nums(root.setups, inner->setups, inner->x, leaf->x, plain->x), "1,1,15,16,7");

    tk_CPolCHLO top;
    auto* low = new Probe(&top, 0, 0, 50, 50, nullptr, "low");
    auto* box = new tk_CPolCHLO(&top, 1);
    box->MoveToRel(20, 20);
    auto* high = new Probe(box, 0, 0, 10, 10, nullptr, "high");
    // The container's own 80 x 80 box counts.
    const std::tuple<int, int, tk_CPol*> hits[] = {{20, 20, high},     {35, 35, box},     {5, 5, low},
                                                   {79, 10, &top},     {80, 10, nullptr}, {99, 99, box},
                                                   {100, 100, nullptr}};
    for (auto [px, py, element] : hits) EXPECT_EQ(top.VratZasah(px, py), element) << px << "," << py;
    high->visible = false;
    tk_CPol* hidden[3] = {top.VratZasah(25, 25)};
    box->visible = false;
    hidden[1] = top.VratZasah(25, 25);
    top.visible = false;
    hidden[2] = top.VratZasah(5, 5);
    EXPECT_TRUE(hidden[0] == box && hidden[1] == low && hidden[2] == nullptr);
}

TEST_F(CPolCHLOTest, AContainerIsDraggedByItsHandleWithItsChildren) {
    tk_CPolCHLO root;
    auto* box = new tk_CPolCHLO(&root, 1);
    box->MoveToRel(100, 100);
    auto* child = new Probe(box, 50, 50, 20, 20, nullptr, "child");
    // The first move is taken by the innermost container whose children passed; a press off every
    // handle is not taken; the drag leaves the relative place alone; over the child the child
    // takes the move and the container stays.
    // clang-format off
    Drive(&root, {{500, 500, 0, 1, 1, 100, 100}, {300, 300, 1, 0, 1, 100, 100}, {103, 104, 1, 1, 2, 100, 100},
                  {203, 154, 0, 1, 2, 200, 150}, {255, 205, 0, 1, 2, 200, 150}, {203, 154, -1, 1, 1, 200, 150},
                  {203, 154, -1, 0, 1, 200, 150}}, box);
    // clang-format on
    EXPECT_EQ(Nums(root.state, tk_drag_dx, tk_drag_dy, box->rx, box->ry, child->x, child->y),
              "0,3,4,100,100,250,200");
    // Laying the parent out again puts the container back.
    root.Rodic_reset();
    EXPECT_EQ(Nums(box->x, child->x), "100,150");
}

TEST_F(CPolCHLOTest, ListsReportEachChoiceOnceAndOtherClassesAreNotAsked) {
    Box root(nullptr, 0);
    for (int cls : {11, 12, 121, 122}) {
        auto* list = new Chooser(&root, 200 + cls, cls);
        list->pending_ = 5;
        const std::string first = Ask(root), again = Ask(root);
        EXPECT_EQ(first + " " + again, std::to_string(200 + cls) + " -");
        EXPECT_EQ(Nums(root.notes.back().value, root.notes.back().sender == list), "5,1");
        list->pending_ = 3, list->visible = false;
        EXPECT_EQ(Ask(root), "-") << cls;
        list->visible = true, list->pending_ = 0;
    }
    (new Chooser(&root, 300, 9))->pending_ = 4;
    EXPECT_EQ(Ask(root), "-");
}

TEST_F(CPolCHLOTest, NotificationsClimbToTheRootUntilAContainerHandlesThem) {
    Box top(nullptr, 0);
    auto* mid = new Box(&top, 1);
    auto* bottom = new tk_CPolCHLO(mid, 2);
    tk_CPol button;
    EXPECT_FALSE(bottom->HandleFWInteraction(601, 1, &button));
    ASSERT_EQ(Nums(mid->notes.size(), top.notes.size()), "1,1");
    EXPECT_EQ(Nums(top.notes[0].id, top.notes[0].value, top.notes[0].sender == &button), "601,1,1");
    top.handles_ = true;
    EXPECT_TRUE(bottom->HandleFWInteraction(602, 3, &button));
    // A container in the middle that handles it stops the climb.
    mid->handles_ = true;
    EXPECT_TRUE(bottom->HandleFWInteraction(603, 1, &button) && top.notes.size() == 2u);
}

}  // namespace
}  // namespace tk_test
