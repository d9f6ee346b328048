#include <gtest/gtest.h>

#include "framework/app/tk_Display.h"
#include "framework/widgets/tk_CPol.h"
#include "framework/widgets/tk_CPolCHLO.h"
#include "framework/widgets/tk_globals.h"
#include "tests/graphics/tk_test_surface.h"
#include "tests/widgets/tk_widget_probes.h"

using tk_test::Box;
using tk_test::Probe;
using tk_test::TestSurface;

namespace {

constexpr std::uint16_t kWhite = 0xFFFF;

// The marker drawn straight through GDI: a white disc and the handle's outline.
void ReferenceMarker(TestSurface& srf, int x, int y, int r, bool square) {
    HDC dc = nullptr;
    ASSERT_EQ(srf.get()->GetDC(&dc), DD_OK);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    SelectObject(dc, GetStockObject(WHITE_PEN));
    Ellipse(dc, x - 4, y - 4, x + 4, y + 4);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    if (square) {
        Rectangle(dc, x - r, y - r, x + r, y + r);
    } else {
        Ellipse(dc, x - r, y - r, x + r, y + r);
    }
    srf.get()->ReleaseDC(dc);
}

TEST(TreeDrawingTest, ABareElementShowsARoundHandle) {
    TestSurface srf(64, 64), ref(64, 64);
    tk_CPol e;
    e.MoveToAbs(20, 20);
    e.ZOBRAZ(srf.get());
    ReferenceMarker(ref, 20, 20, 10, false);
    EXPECT_EQ(srf.Differences(ref), 0);
    srf.SavePng("marker_element");
    // The disc spans 16..23 and the ring 10..29; nothing lies between them.
    for (int x : {16, 20, 23, 10, 29}) EXPECT_EQ(srf.Pixel(x, 20), kWhite) << x;
    for (int x : {9, 13, 24, 26, 30}) EXPECT_EQ(srf.Pixel(x, 20), 0) << x;
    EXPECT_EQ(srf.Pixel(20, 10), kWhite);
    EXPECT_EQ(srf.Pixel(20, 29), kWhite);
    EXPECT_EQ(srf.Pixel(10, 10), 0);
    EXPECT_EQ(srf.Pixel(16, 16), 0);
    // The context went back to the surface.
    HDC dc = nullptr;
    EXPECT_EQ(srf.get()->GetDC(&dc), DD_OK);
    srf.get()->ReleaseDC(dc);

    // The radius follows the handle; every class other than the plain container is round.
    TestSurface small(64, 64), small_ref(64, 64);
    e.grab_radius = 6;
    e.SetClassId(9);
    e.ZOBRAZ(small.get());
    ReferenceMarker(small_ref, 20, 20, 6, false);
    EXPECT_EQ(small.Differences(small_ref), 0);
    EXPECT_EQ(small.Pixel(14, 20), kWhite);
    EXPECT_EQ(small.Pixel(10, 20), 0);
}

TEST(TreeDrawingTest, APlainContainerShowsASquareHandleUnderItsChildren) {
    TestSurface srf(64, 64), ref(64, 64);
    tk_CPolCHLO box;
    box.MoveToAbs(32, 32);
    box.ZOBRAZ(srf.get());
    ReferenceMarker(ref, 32, 32, 10, true);
    EXPECT_EQ(srf.Differences(ref), 0);
    srf.SavePng("marker_container");
    // The square's outline runs exactly over 22..41 on each side.
    for (int k = 22; k <= 41; ++k) {
        EXPECT_EQ(srf.Pixel(k, 22), kWhite) << k;
        EXPECT_EQ(srf.Pixel(k, 41), kWhite) << k;
        EXPECT_EQ(srf.Pixel(22, k), kWhite) << k;
        EXPECT_EQ(srf.Pixel(41, k), kWhite) << k;
        EXPECT_EQ(srf.Pixel(k, 21), 0) << k;
        EXPECT_EQ(srf.Pixel(k, 42), 0) << k;
        EXPECT_EQ(srf.Pixel(21, k), 0) << k;
        EXPECT_EQ(srf.Pixel(42, k), 0) << k;
    }
    EXPECT_EQ(srf.Pixel(25, 25), 0);
    EXPECT_EQ(srf.Pixel(32, 32), kWhite);

    // Children cover the marker; the back buffer is the default target.
    auto* child = new Probe(&box, -12, -12, 8, 8, nullptr, "child");
    child->colour_ = 0x07E0;
    tk_lpDDSBack = srf.get();
    box.ZOBRAZ();
    tk_lpDDSBack = nullptr;
    EXPECT_EQ(srf.Pixel(22, 22), 0x07E0);
    EXPECT_EQ(srf.Pixel(27, 27), 0x07E0);
    EXPECT_EQ(srf.Pixel(28, 28), 0);
}

TEST(TreeDrawingTest, HiddenElementsAndOtherContainersShowNoMarker) {
    TestSurface srf(64, 64);
    tk_CPol hidden;
    hidden.MoveToAbs(20, 20);
    hidden.visible = false;
    hidden.ZOBRAZ(srf.get());
    Box screen(nullptr, 0, 21);
    screen.MoveToAbs(32, 32);
    auto* child = new Probe(&screen, 0, 0, 4, 4, nullptr, "child");
    child->colour_ = 0x001F;
    screen.ZOBRAZ(srf.get());
    EXPECT_EQ(srf.Pixel(20, 20), 0);
    EXPECT_EQ(srf.Pixel(22, 32), 0);
    EXPECT_EQ(srf.Pixel(33, 33), 0x001F);
    screen.visible = false;
    srf.Fill(0);
    screen.ZOBRAZ(srf.get());
    EXPECT_EQ(srf.Pixel(33, 33), 0);

    // A surface without a context gets nothing, and nothing fails.
    tk_CPol e;
    e.MoveToAbs(20, 20);
    tkp_MarkSurfaceLost(srf.get());
    e.ZOBRAZ(srf.get());
    e.ZOBRAZ(nullptr);
    srf.get()->Restore();
    EXPECT_EQ(srf.Pixel(20, 20), tkp_LostPatternPixel(20, 20));
}

TEST(TreeDrawingTest, OverlapsShowTheLaterChildAndDialogsAboveEverything) {
    tk_auto_rx = 15;
    tk_auto_ry = 10;
    TestSurface srf(80, 60);
    Box root(nullptr, 0, 21);
    root.MoveToAbs(0, 0);
    auto* a = new Probe(&root, 5, 5, 30, 30, nullptr, "A");
    a->colour_ = 0xF800;
    Box* dlg = tk_test::MakeDialog(&root, 1);
    dlg->MoveToRel(40, 10);
    auto* body = new Probe(dlg, 0, 0, 30, 30, nullptr, "body");
    body->colour_ = 0x001F;
    auto* b = new Probe(&root, 20, 20, 40, 30, nullptr, "B");
    b->colour_ = 0x07E0;
    root.ZOBRAZ(srf.get());
    srf.SavePng("tree_order");

    EXPECT_EQ(srf.Pixel(10, 10), 0xF800);  // A alone
    EXPECT_EQ(srf.Pixel(25, 25), 0x07E0);  // B over A
    EXPECT_EQ(srf.Pixel(45, 25), 0x001F);  // the dialog over B, though B came later
    EXPECT_EQ(srf.Pixel(45, 45), 0x07E0);  // B below the dialog
    EXPECT_EQ(srf.Pixel(75, 55), 0);
    // The pointer meets the same order.
    EXPECT_TRUE(root.INFORMUJ_SA(45, 25, 1));
    EXPECT_EQ(root.VratZasah(45, 25), body);
    EXPECT_EQ(root.VratZasah(25, 25), b);
}

}  // namespace
