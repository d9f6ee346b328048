// Sprites: the pointer machine driven event by event, phases stepped, shared and out of range,
// exact hits on transparent and opaque pixels, drift, and the void designs to the pixel.
#include <gtest/gtest.h>

#include "framework/widgets/tk_CDAS.h"
#include "framework/widgets/tk_ClassTable.h"
#include "framework/widgets/tk_globals.h"
#include "tests/widgets/icons/tk_icons_world.h"

namespace tk_test {
namespace {

using SpriteTest = IconsWorld;

TEST_F(SpriteTest, PointerMachineHoversPressesDragsAndReleases) {
    tk_CDAS s(100, 100);
    s.SetSize(40, 30);
    struct Step {
        int px, py, code;
        bool taken;
        int state, x;
    };
    const Step steps[] = {
        {99, 100, 0, false, 0, 100},
        {100, 100, 1, true, 0, 100},  // a press without a move: taken, not
                                      // armed
        {140, 130, 0, true, 1, 100},  // the far corner is inside
        {141, 130, 0, false, 0, 100},
        {110, 105, 0, true, 1, 100},
        {110, 105, 1, true, 2, 100},
        {300, 200, 0, true, 2, 290},  // dragged with the grab offset (10, 5)
        {300, 200, 1, true, 2, 290},
        {300, 200, -1, true, 1, 290},
        {10, 10, 0, false, 0, 290},
    };
    for (const Step& st : steps) {
        EXPECT_EQ(s.INFORMUJ_SA(st.px, st.py, st.code), st.taken) << st.px << " " << st.code;
        EXPECT_EQ(s.state, st.state) << st.px << " " << st.code;
        EXPECT_EQ(s.x, st.x) << st.px << " " << st.code;
    }
    EXPECT_EQ(s.y, 195);
    EXPECT_EQ(s.rx, 0);
    // Held without drag_moves: everything taken, nothing moves; hidden: nothing taken.
    s.drag_moves = false;
    for (auto [px, code] : {std::pair{295, 0}, {295, 1}, {500, 0}}) EXPECT_TRUE(s.INFORMUJ_SA(px, 200, code));
    EXPECT_EQ(s.state, 2);
    EXPECT_EQ(s.x, 290);
    s.visible = false;
    EXPECT_FALSE(s.INFORMUJ_SA(295, 200, -1));
}

TEST_F(SpriteTest, PhasesStepShareAndFallOutOfRange) {
    tk_CDAS s(0, 0);
    s.Dsgn2_UserA(2, 1, &sheet, kLettersX, kLettersY, 15, 8, 4, 2);
    ASSERT_EQ(s.phases.count, 3);
    std::string seen;
    for (int i = 0; i < 4; ++i, s.NF()) seen += std::to_string(s.current);
    EXPECT_EQ(seen, "0120");
    s.SF(0);
    EXPECT_EQ(s.AktSIR() * 100 + s.AktVYS(), 504);
    s.ZOBRAZ(screen.get());
    EXPECT_EQ(Shown(), "..........\n..abcd....\n..efgh....\n..ijk.....\n..........\n..........\n");
    s.mirrored = 1;
    screen.Fill(0);
    s.ZOBRAZ(screen.get());
    EXPECT_EQ(Shown(), "..........\n..dcba....\n..hgfe....\n...kji....\n..........\n..........\n");
    // An index past the list shows nothing; sizes fall back to the void size instead of stopping.
    s.SF(5);
    screen.Fill(0);
    s.ZOBRAZ(screen.get());
    EXPECT_EQ(Shown(), kEmpty);
    EXPECT_EQ(s.AktSIR(), 100);
    EXPECT_TRUE(s.INFORMUJ_SA(50, 50, 0));
    // A copy takes sheet, phases and BC, and keeps its own phase index.
    tk_CDAS copy(0, 0);
    copy.SetSize(7, 8);
    copy.SF(1);
    s.BC = 0x1234;
    copy.Dsgn3_UserB(-3, 0, &s);
    EXPECT_EQ(copy.surface, &sheet);
    EXPECT_FALSE(copy.own_surface);
    EXPECT_NE(copy.phases.items[1], s.phases.items[1]);
    EXPECT_EQ(copy.AktSIR() * 100 + copy.AktVYS(), 2111);
    EXPECT_EQ(copy.BC, 0x1234);
}

TEST_F(SpriteTest, ExactHitAndDrift) {
    tk_CDAS s(0, 0);
    s.Dsgn2_UserA(200, 100, &sheet, kLettersX, kLettersY, kLettersX, kLettersY, kLettersX, kLettersY);
    // The box is inset to 201..203 x 101..102; the phase's transparent pixel shows at (203, 102).
    for (auto [px, py, hit] : {std::tuple{202, 101, true},
                               {201, 102, true},
                               {203, 102, false},
                               {200, 101, false},
                               {204, 101, false},
                               {202, 100, false}})
        EXPECT_EQ(s.OSTRY_ZASAH(px, py), hit) << px << "," << py;
    // The sprite's own TC keys the sheet but the hit test keeps the sheet's TC; no read off the sheet.
    s.TC_NASTAV(36, 6);
    s.TC_NASTAV(500, 500);
    EXPECT_EQ(s.TC, Letter(6));
    EXPECT_EQ(sheet.TC, kTC);
    EXPECT_TRUE(s.OSTRY_ZASAH(202, 101));
    tk_CDAS v(0, 0);

    tk_ScreenW = 640;
    v.SetSize(40, 10);
    v.x = 638;
    v.dx = 5;
    v.AKTIVUJ();
    EXPECT_EQ(v.x, -40);
    v.dx = -6;
    v.x = -36;
    v.AKTIVUJ();
    EXPECT_EQ(v.x, 640);
}

TEST_F(SpriteTest, VoidDesignsNameClassAndElementAbove30) {
    struct Case {
        int cls, current, w, h, kind;
        bool fill, names;
    };
    const Case cases[] = {{2, 0, 31, 31, 1, false, true},
                          {2, 0, 30, 30, 1, false, false},
                          {4, 2, 50, 40, 2, true, true},
                          {4, 1, 50, 40, 1, true, true},
                          {5, 2, 20, 40, 1, true, false}};
    for (const Case& c : cases) {
        TestSurface out(80, 60), ref(80, 60);
        tk_CDAS s(0, 0);
        s.Dsgn0_VoidDC(6, 4, c.w, c.h);
        s.SetClassId(c.cls);
        s.SetName("hero");
        s.current = c.current;
        s.ZOBRAZ(out.get());
        ReferenceBox(ref, RECT{6, 4, 6 + c.w, 4 + c.h}, c.kind, c.fill,
                     c.names ? tk_glob_GetClassName(c.cls) : nullptr, c.names ? "hero" : nullptr);
        EXPECT_EQ(out.Differences(ref), 0) << c.cls << " " << c.w;
        EXPECT_EQ(out.Pixel(6, 4) == 0xFFFF, c.kind == 1) << c.cls << " " << c.w;
        // The element's name really shows (the reference alone could be as empty as the drawing).
        EXPECT_EQ(out.Picture(0, 0, 80, 60, {{out.RawOf(0x00FFFF), 'Y'}}).find('Y') != std::string::npos,
                  c.names);
    }
}

}  // namespace
}  // namespace tk_test
