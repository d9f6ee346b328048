// The bare element: places relative and absolute, bounded names, the handle, the drag
// by it, and the handle's marker to the pixel.
#include "framework/widgets/tk_CPol.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/graphics/tk_Display.h"
#include "framework/widgets/tk_CPolCHLO.h"
#include "framework/widgets/tk_ClassTable.h"
#include "platform/platform.h"
#include "platform/testing/test_hooks.h"
#include "tests/common/widgets/tk_widget_probes.h"

namespace tk_test {
namespace {

class CPolTest : public TreeWorld {
  protected:
    static std::string Place(tk_CPol* e) { return Nums(e->x, e->y, e->rx, e->ry); }
};

TEST_F(CPolTest, PlacesCascadeFollowTheParentAndAreRecomputed) {
    tk_CPolCHLO root;
    root.MoveToAbs(100, 200);
    auto* placed = new tk_CPol(&root, 7, 8);
    EXPECT_EQ(Place(placed) + " " + Nums(placed->parent == &root, root.children.count), "107,208,7,8 1,1");
    // Elements built with an id cascade by (15, 10) from (30, 20), for the whole run.
    auto* a = new tk_CPol(&root, 1);
    auto* b = new tk_CPol(&root, 2);
    auto* c = new tk_CPol(&root, 3);
    tk_CPol loose(nullptr, 9);
    EXPECT_EQ(Place(a) + " " + Place(b) + " " + Place(c) + " " + Place(&loose) + " " +
                  Nums(c->ID, root.children.count, tk_auto_rx, tk_auto_ry),
              "130,220,30,20 145,230,45,30 160,240,60,40 75,50,75,50 3,4,75,50");
    // Absolute and relative places follow each other; a stale absolute place is recomputed.
    root.MoveToAbs(40, 30);
    std::string places;
    placed->MoveToAbs(50, 45);
    places += Place(placed) + " ";
    placed->MoveToRel(-5, 2);
    places += Place(placed) + " ";
    placed->CHOD_NA(1, 2);
    places += Place(placed) + " ";
    placed->x = placed->y = 999;
    placed->Rodic_reset();
    EXPECT_EQ(places + Place(placed), "50,45,10,15 35,32,-5,2 1,2,-39,-28 1,2,-39,-28");
}

TEST_F(CPolTest, TheHandleIsADiscAroundTheTopLeftCorner) {
    tk_CPol e;
    e.MoveToAbs(100, 100);
    // 9.90 and exactly 10 away are on it, 10.63 away is not.
    for (auto [px, py, on] : {std::tuple{100, 100, true},
                              {110, 100, true},
                              {90, 100, true},
                              {111, 100, false},
                              {107, 107, true},
                              {107, 108, false},
                              {106, 92, true}})
        EXPECT_EQ(e.CanDrag(px, py), on) << px << "," << py;
}

TEST_F(CPolTest, ABareElementIsDraggedByItsHandle) {
    tk_CPolCHLO root;
    root.MoveToAbs(10, 10);
    auto* e = new tk_CPol(&root, 90, 90);
    // Off the handle; a press before the pointer arrived; arrived; a press off the handle; the
    // press on it, grabbed at (5, 3); dragged; released; released again; moves no longer taken.
    // clang-format off
    Drive(e, {{300, 300, 0, 0, 0, 100, 100}, {105, 103, 1, 0, 0, 100, 100}, {105, 103, 0, 1, 1, 100, 100},
              {150, 150, 1, 0, 1, 100, 100}, {105, 103, 1, 1, 2, 100, 100}, {305, 403, 0, 1, 2, 300, 400},
              {305, 403, -1, 1, 1, 300, 400}, {305, 403, -1, 0, 1, 300, 400}, {900, 900, 0, 0, 1, 300, 400}});
    // clang-format on
    EXPECT_EQ(Nums(tk_drag_dx, tk_drag_dy, e->rx, e->ry), "5,3,290,390");
    // Other classes use the base handler only to pass events on; hidden elements take nothing.
    tk_CPol label, hidden;
    label.SetClassId(tk_CLASS_CLabel);
    hidden.visible = false;
    EXPECT_FALSE(label.INFORMUJ_SA(1, 1, 0) || hidden.INFORMUJ_SA(1, 1, 0) || label.state);
}

// The marker drawn straight through GDI: a white disc and the handle's outline.
void referenceMarker(TestSurface& srf, int x, int y, int r, bool square) {
    HDC dc = nullptr;
    ASSERT_EQ(srf.get()->GetDC(&dc), DD_OK);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    SelectObject(dc, GetStockObject(WHITE_PEN));
    Ellipse(dc, x - 4, y - 4, x + 4, y + 4);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    square ? Rectangle(dc, x - r, y - r, x + r, y + r) : Ellipse(dc, x - r, y - r, x + r, y + r);
    srf.get()->ReleaseDC(dc);
}

TEST_F(CPolTest, MarkersShowTheHandleRoundOrForAPlainContainerSquareUnderItsChildren) {
    // Every class but the plain container (20) shows a round handle, whose radius follows the
    // handle's; containers of other classes and hidden elements show none.
    tk_CPol element, label, hidden;
    tk_CPolCHLO box, screen;
    label.SetClassId(tk_CLASS_CLabel), label.grab_radius = 6;
    screen.SetClassId(tk_CLASS_CAppScreen);
    hidden.visible = false;
    const std::pair<tk_CPol*, int> markers[] = {
        {&element, 0}, {&label, 0}, {&box, 1}, {&screen, -1}, {&hidden, -1}};
    for (auto [e, shape] : markers) {
        TestSurface srf(64, 64), ref(64, 64);
        e->MoveToAbs(20, 20);
        e->ZOBRAZ(srf.get());
        if (shape >= 0) referenceMarker(ref, 20, 20, e->grab_radius, shape == 1);
        EXPECT_TRUE(srf.Same(ref)) << e->class_id;
        // The outline really shows (the reference alone could be as empty as the drawing).
        EXPECT_EQ(srf.Pixel(20 - e->grab_radius, 20) == 0xFFFF, shape >= 0) << e->class_id;
    }
    // Children cover the container's marker; the back buffer is the default target.
    TestSurface srf(64, 64);
    (new Probe(&box, -10, -10, 8, 8, nullptr, "child"))->colour_ = 0x07E0;
    tk_lpDDSBack = srf.get();
    box.ZOBRAZ();
    tk_lpDDSBack = nullptr;
    EXPECT_EQ(Nums(srf.Pixel(10, 10), srf.Pixel(20, 20)), Nums(0x07E0, 0xFFFF));
    // A surface without a context gets nothing, and nothing fails.
    tkp::testing::MarkSurfaceLost(srf.get());
    element.ZOBRAZ(srf.get());
    element.ZOBRAZ(nullptr);
    srf.get()->Restore();
    EXPECT_EQ(srf.Pixel(20, 20), tkp::testing::LostPatternPixel(20, 20));
}

}  // namespace
}  // namespace tk_test
