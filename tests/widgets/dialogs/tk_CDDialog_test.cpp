#include <gtest/gtest.h>

#include <cstdint>

#include "framework/widgets/tk_CDDialog.h"
#include "tests/graphics/tk_test_surface.h"
#include "tests/widgets/dialogs/tk_test_screen.h"
#include "tests/widgets/tk_widget_probes.h"

using tk_test::Probe;
using tk_test::ScopedScreen;
using tk_test::TestSurface;
using tk_test::Trace;

TEST(DialogTest, CentredAndPaintedByParts) {
    ScopedScreen screen(1024, 768);
    tk_CPolCHLO root;
    root.MoveToAbs(100, 50);
    auto* dlg = new tk_CDDialog(&root, 7);
    EXPECT_EQ(dlg->x * 1000 + dlg->y, 362284);
    EXPECT_EQ(dlg->rx * 1000 + dlg->ry, 262234);
    dlg->Dsgn(-80, -30, 60, 40, 2);
    dlg->frame.title_h = 8;
    auto* child = new Probe(dlg, 10, 15, 10, 10, nullptr, "child");
    child->colour_ = 0xF800;
    TestSurface srf(100, 80);
    const std::uint16_t strip = srf.RawOf(0xC86464), body = srf.RawOf(0xB4B4B4), green = srf.RawOf(0x006400);
    // (80, 60) is the corner x + sir, y + vys. 0 and 3 paint both, 1 the body only, 2 the children only; a
    // hidden dialog nothing.
    const struct {
        int part;
        bool shown, plain;
        std::uint16_t at_strip, at_child, at_corner;
    } paints[] = {{0, true, false, strip, 0xF800, body},
                  {1, true, false, strip, body, body},
                  {2, true, false, 0, 0xF800, 0},
                  {3, true, false, strip, 0xF800, body},
                  {0, false, false, 0, 0, 0},
                  {1, true, true, green, green, 0}};
    for (const auto& p : paints) {
        SCOPED_TRACE(p.part);
        dlg->visible = p.shown;
        dlg->plain_fill = p.plain;
        srf.Fill(0);
        dlg->ZOBRAZ(srf.get(), p.part);
        EXPECT_EQ(srf.Pixel(25, 21), p.at_strip);
        EXPECT_EQ(srf.Pixel(35, 40), p.at_child);
        EXPECT_EQ(srf.Pixel(80, 60), p.at_corner);
    }
    // The framed body reaches x + sir, y + vys; the plain fill stops one short and has no frame.
    EXPECT_EQ(srf.Pixel(79, 59), green);
    EXPECT_EQ(srf.Pixel(19, 19), 0);
}

TEST(DialogTest, DraggedByTheTitleStripOnly) {
    tk_CPolCHLO root;
    auto* dlg = new tk_CDDialog(&root, 1);
    dlg->Dsgn(100, 100, 200, 120, 1);
    auto* child = new Probe(dlg, 20, 60, 30, 20, nullptr, "child");
    struct Step {
        int px, py, code;
        bool taken;
        int state, x, y;
    };
    // The first move over the body arms it (later ones pass on); a press on the strip (its bottom
    // edge included) drags the dialog and its child; a press below the strip passes on and moves
    // nothing; a move off the dialog disarms it; a press on the child is the child's.
    const Step steps[] = {
        {150, 150, 0, true, 1, 100, 100},  {150, 116, 1, true, 2, 100, 100},
        {250, 211, 0, true, 2, 200, 195},  {250, 211, -1, true, 1, 200, 195},
        {300, 300, 1, false, 1, 200, 195}, {350, 310, 0, false, 1, 200, 195},
        {401, 300, 0, false, 0, 200, 195}, {230, 260, 1, true, 0, 200, 195},
        {230, 300, 0, true, 1, 200, 195},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << s.px << "," << s.py << " code " << s.code);
        EXPECT_EQ(dlg->INFORMUJ_SA(s.px, s.py, s.code), s.taken);
        EXPECT_EQ(dlg->state * 1000000 + dlg->x * 1000 + dlg->y, s.state * 1000000 + s.x * 1000 + s.y);
    }
    EXPECT_EQ(child->x * 1000 + child->y, 220255);
    EXPECT_EQ(dlg->rx * 1000 + dlg->ry, 100100);
    dlg->visible = false;
    EXPECT_FALSE(dlg->INFORMUJ_SA(300, 200, 0));
}

TEST(DialogTest, APressOnTheEmptyBodyRaisesTheDialogAndFallsThrough) {
    tk_CPolCHLO root;
    Trace trace;
    new Probe(&root, 0, 0, 800, 600, &trace, "below");
    auto* a = new tk_CDDialog(&root, 1);
    a->Dsgn(100, 100, 200, 150, 1);
    auto* b = new tk_CDDialog(&root, 2);
    b->Dsgn(250, 200, 200, 150, 1);
    auto* late = new Probe(&root, 0, 0, 10, 10, &trace, "late");
    EXPECT_EQ(root.GetCHLWithIndex(1), late);
    root.TOP_DLG(b);
    // On a's empty body: b (above, elsewhere) passes, a rises and passes, the rest are asked.
    EXPECT_TRUE(root.INFORMUJ_SA(150, 200, 1));
    EXPECT_EQ(root.GetCHLWithIndex(3), a);
    EXPECT_EQ(root.GetCHLWithIndex(2), b);
    EXPECT_EQ(trace, Trace({"event late", "event below"}));
    // On b's strip: b rises again and is dragged; nothing below hears of it.
    trace.clear();
    EXPECT_TRUE(root.INFORMUJ_SA(400, 205, 0));
    EXPECT_TRUE(root.INFORMUJ_SA(400, 205, 1));
    EXPECT_EQ(root.GetCHLWithIndex(3), b);
    EXPECT_EQ(b->state, 2);
    EXPECT_TRUE(trace.empty());
}
