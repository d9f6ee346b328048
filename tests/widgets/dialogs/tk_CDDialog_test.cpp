#include <gtest/gtest.h>

#include <cstdint>

#include "framework/widgets/tk_CDDialog.h"
#include "framework/widgets/tk_globals.h"
#include "tests/graphics/tk_test_surface.h"
#include "tests/widgets/dialogs/tk_test_screen.h"
#include "tests/widgets/tk_widget_probes.h"

using tk_test::Probe;
using tk_test::ScopedScreen;
using tk_test::TestSurface;
using tk_test::Trace;

namespace {

constexpr std::uint16_t kGrey = 0x8410;
constexpr std::uint16_t kRed = 0xF800;

}  // namespace

TEST(DialogTest, BuiltCentredAndLaidOut) {
    ScopedScreen screen(1024, 768);
    tk_CDDialog free_dlg;
    EXPECT_EQ(free_dlg.class_id, 14);
    EXPECT_STREQ(free_dlg.name, "noname_dlg");
    EXPECT_EQ(free_dlg.x * 1000 + free_dlg.y, 362284);
    EXPECT_FALSE(free_dlg.plain_fill);
    EXPECT_EQ(free_dlg.frame.podklad, 1);

    tk_CPolCHLO root;
    root.MoveToAbs(100, 50);
    auto* dlg = new tk_CDDialog(&root, 7);
    EXPECT_EQ(dlg->ID, 7);
    EXPECT_EQ(root.GetCHLWithIndex(0), dlg);
    EXPECT_EQ(dlg->x * 1000 + dlg->y, 362284);
    EXPECT_EQ(dlg->rx * 1000 + dlg->ry, 262234);

    dlg->Dsgn(10, 20, 200, 100, 3);
    int w = 0, h = 0;
    dlg->GetSize(&w, &h);
    EXPECT_EQ(w * 1000 + h, 200100);
    EXPECT_EQ(dlg->x * 1000 + dlg->y, 110070);
    EXPECT_EQ(dlg->frame.podklad, 3);
    dlg->SetSize(250, 120);
    dlg->GetSize(&w, &h);
    EXPECT_EQ(w * 1000 + h, 250120);

    // Centring on a point moves the children with the dialog; they keep their relative place.
    auto* child = new Probe(dlg, 5, 30, 10, 10, nullptr, "child");
    dlg->CHOD_NA_CENTER(500, 400);
    EXPECT_EQ(dlg->x * 1000 + dlg->y, 375340);
    EXPECT_EQ(child->x * 1000 + child->y, 380370);
    EXPECT_EQ(child->rx * 1000 + child->ry, 5030);

    // Children go with the dialog.
    int destroyed = 0;
    child->destroyed_ = &destroyed;
    root.children.DetachAll();
    EXPECT_EQ(destroyed, 1);
}

TEST(DialogTest, PaintsBodyChildrenOrBoth) {
    ScopedScreen screen(200, 100);
    tk_CDDialog dlg;
    dlg.Dsgn(20, 20, 60, 40, 2);
    dlg.frame.title_h = 8;
    auto* child = new Probe(&dlg, 10, 15, 10, 10, nullptr, "child");
    child->colour_ = kRed;
    TestSurface srf(100, 80);
    const std::uint16_t strip = srf.RawOf(0xC86464), body = srf.RawOf(0xB4B4B4);
    // Part: 0 and 3 both, 1 the body only, 2 the children only.
    const struct {
        int part;
        std::uint16_t at_strip, at_child;
    } parts[] = {{0, strip, kRed}, {1, strip, body}, {2, kGrey, kRed}, {3, strip, kRed}};
    for (const auto& p : parts) {
        srf.Fill(kGrey);
        dlg.ZOBRAZ(srf.get(), p.part);
        EXPECT_EQ(srf.Pixel(25, 21), p.at_strip) << p.part;
        EXPECT_EQ(srf.Pixel(35, 40), p.at_child) << p.part;
    }
    srf.Fill(kGrey);
    dlg.ZOBRAZ(srf.get());
    EXPECT_EQ(srf.Pixel(25, 21), strip);
    EXPECT_EQ(srf.Pixel(35, 40), kRed);
    // The frame took the dialog's place and size.
    EXPECT_EQ(dlg.frame.x * 1000 + dlg.frame.sir, 20060);

    // Hidden: nothing at all.
    dlg.visible = false;
    srf.Fill(kGrey);
    dlg.ZOBRAZ(srf.get());
    dlg.ZOBRAZ(srf.get(), 3);
    EXPECT_EQ(srf.Pixel(25, 21), kGrey);
    EXPECT_EQ(srf.Pixel(35, 40), kGrey);

    // A plain fill: dark green over x..x+sir-1, y..y+vys-1, no frame round it.
    dlg.visible = true;
    dlg.plain_fill = true;
    srf.Fill(kGrey);
    dlg.ZOBRAZ(srf.get(), 1);
    const std::uint16_t green = srf.RawOf(0x006400);
    EXPECT_EQ(srf.Picture(18, 18, 82, 62, {{kGrey, 'g'}, {green, 'G'}}), [] {
        std::string s = std::string(64, 'g') + "\n" + std::string(64, 'g') + "\n";
        for (int i = 0; i < 40; ++i) s += "gg" + std::string(60, 'G') + "gg\n";
        return s + std::string(64, 'g') + "\n" + std::string(64, 'g') + "\n";
    }());
}

TEST(DialogTest, DraggedByTheTitleStripOnly) {
    tk_CPolCHLO root;
    auto* dlg = new tk_CDDialog(&root, 1);
    dlg->Dsgn(100, 100, 200, 120, 1);
    Trace trace;
    auto* child = new Probe(dlg, 20, 60, 30, 20, &trace, "child");
    struct Step {
        int px, py, code;
        bool taken;
        int state, x, y;
    };
    // The first move over the body arms it (later ones pass on); a press on the strip (its bottom
    // edge included) drags the dialog and its child; a press below the strip is passed on and
    // moves nothing; a move off the dialog disarms it; a press on the child is the child's.
    const Step steps[] = {
        {150, 150, 0, true, 1, 100, 100},  {150, 116, 1, true, 2, 100, 100},
        {250, 211, 0, true, 2, 200, 195},  {250, 211, -1, true, 1, 200, 195},
        {300, 300, 1, false, 1, 200, 195}, {350, 310, 0, false, 1, 200, 195},
        {450, 350, 0, false, 0, 200, 195}, {230, 260, 1, true, 0, 200, 195},
        {230, 300, 0, true, 1, 200, 195},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(dlg->INFORMUJ_SA(s.px, s.py, s.code), s.taken) << s.px << "," << s.py << " " << s.code;
        EXPECT_EQ(dlg->state, s.state) << s.px << "," << s.py << " " << s.code;
        EXPECT_EQ(dlg->x * 1000 + dlg->y, s.x * 1000 + s.y) << s.px << "," << s.py << " " << s.code;
    }
    EXPECT_EQ(child->x * 1000 + child->y, 220255);
    EXPECT_EQ(dlg->rx * 1000 + dlg->ry, 100100);
    EXPECT_EQ(child->rx * 1000 + child->ry, 20060);
    // The strip is the dialog's whole width, edges included, and title_h rows below its top.
    EXPECT_TRUE(dlg->CanDrag(200, 195));
    EXPECT_TRUE(dlg->CanDrag(400, 211));
    EXPECT_FALSE(dlg->CanDrag(401, 200));
    EXPECT_FALSE(dlg->CanDrag(300, 212));
    EXPECT_FALSE(dlg->CanDrag(300, 194));
    dlg->visible = false;
    EXPECT_FALSE(dlg->INFORMUJ_SA(300, 200, 0));
}

TEST(DialogTest, APressOnTheEmptyBodyRaisesTheDialogAndFallsThrough) {
    tk_CPolCHLO root;
    Trace trace;
    auto* below = new Probe(&root, 0, 0, 800, 600, &trace, "below");
    auto* a = new tk_CDDialog(&root, 1);
    a->Dsgn(100, 100, 200, 150, 1);
    auto* b = new tk_CDDialog(&root, 2);
    b->Dsgn(250, 200, 200, 150, 1);
    auto* late = new Probe(&root, 0, 0, 10, 10, &trace, "late");
    // Ordinary children stay under the dialogs, whatever the order of building.
    ASSERT_EQ(root.children.count, 4);
    EXPECT_EQ(root.GetCHLWithIndex(1), late);
    root.TOP_DLG(b);
    EXPECT_EQ(root.GetCHLWithIndex(2), a);
    EXPECT_EQ(root.GetCHLWithIndex(3), b);

    // A press on a's empty body: b (above, elsewhere) passes, a rises and passes too, and the
    // elements under both are asked in turn.
    b->state = 1;
    EXPECT_TRUE(root.INFORMUJ_SA(150, 200, 1));
    EXPECT_EQ(root.GetCHLWithIndex(3), a);
    EXPECT_EQ(root.GetCHLWithIndex(2), b);
    EXPECT_EQ(b->state, 0);
    EXPECT_EQ(a->state, 0);
    EXPECT_EQ(trace, Trace({"event late", "event below"}));

    // A press on b's strip raises b again and starts its drag; nothing below hears of it.
    trace.clear();
    EXPECT_TRUE(root.INFORMUJ_SA(400, 205, 0));
    EXPECT_TRUE(root.INFORMUJ_SA(400, 205, 1));
    EXPECT_EQ(root.GetCHLWithIndex(3), b);
    EXPECT_EQ(b->state, 2);
    EXPECT_TRUE(trace.empty());
    EXPECT_EQ(below->state, 0);

    // A free-standing dialog has nobody to rise in.
    tk_CDDialog alone;
    alone.GO_TOP();
    EXPECT_FALSE(alone.INFORMUJ_SA(alone.x + 5, alone.y + 100, 1));
}
