// Sprites, icons, picture elements and labels: the sprite's pointer machine event by event, phases
// stepped and out of range, exact hits, drift, the whole-sheet phase, the void designs to the
// pixel; icons loaded or logged, drawn clipped and aligned, the placeholder; labels placed and
// measured.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/widgets/tk_CDAS.h"
#include "framework/widgets/tk_CDS.h"
#include "framework/widgets/tk_CIcon.h"
#include "framework/widgets/tk_CLabel.h"
#include "framework/widgets/tk_CPolCHLO.h"
#include "framework/widgets/tk_CPolIcon.h"
#include "framework/widgets/tk_ClassTable.h"
#include "framework/widgets/tk_DSGN.h"
#include "framework/widgets/tk_globals.h"
#include "tests/common/graphics/tk_test_sheet.h"
#include "tests/common/widgets/tk_widget_probes.h"

namespace tk_test {
namespace {

// A point inside the lettered phase, 4 x 3 drawn: "abcd" "efgh" "ijkT".
constexpr int kLettersX = 35;
constexpr int kLettersY = 6;

// The lettered world with reference drawings of the void designs.
class IconsTest : public LetterWorld {
  protected:
    // The bevel (filled or not) and, when given, the class name and the element's name, drawn
    // straight through the helpers.
    static void ReferenceBox(TestSurface& s, RECT box, int kind, bool fill, const char* cls,
                             const char* name) {
        HDC dc = nullptr;
        ASSERT_EQ(s.get()->GetDC(&dc), DD_OK);
        fill ? tk_glob_Level_efekt2_fill(dc, &box, kind) : tk_glob_Level_efekt(dc, &box, kind);
        if (cls) tk_glob_Text(dc, box.left + 5, box.top + 5, 0xFF6464, cls);
        if (name) tk_glob_Text(dc, box.left + 5, box.top + 20, 0xFFFF, name);
        s.get()->ReleaseDC(dc);
    }
};

TEST_F(IconsTest, SpritePointerMachineHoversPressesDragsAndReleases) {
    tk_CDAS s(100, 100);
    s.SetSize(40, 30);
    // A press without a move is taken but does not arm; the far corner is inside; the drag keeps
    // the grab offset (10, 5).
    // clang-format off
    Drive(&s, {{99, 100, 0, 0, 0, 100, 100}, {100, 100, 1, 1, 0, 100, 100}, {140, 130, 0, 1, 1, 100, 100},
               {141, 130, 0, 0, 0, 100, 100}, {110, 105, 0, 1, 1, 100, 100}, {110, 105, 1, 1, 2, 100, 100},
               {300, 200, 0, 1, 2, 290, 195}, {300, 200, 1, 1, 2, 290, 195}, {300, 200, -1, 1, 1, 290, 195},
               {10, 10, 0, 0, 0, 290, 195}});
    // clang-format on
    EXPECT_EQ(s.rx, 0);
    // Held without drag_moves: everything taken, nothing moves; hidden: nothing taken.
    s.drag_moves = false;
    for (auto [px, code] : {std::pair{295, 0}, {295, 1}, {500, 0}}) EXPECT_TRUE(s.INFORMUJ_SA(px, 200, code));
    EXPECT_EQ(Nums(s.state, s.x), "2,290");
    s.visible = false;
    EXPECT_FALSE(s.INFORMUJ_SA(295, 200, -1));
}

TEST_F(IconsTest, SpritePhasesStepAndFallOutOfRange) {
    tk_CDAS s(0, 0);
    s.Dsgn2_UserA(2, 1, &sheet, kLettersX, kLettersY, 15, 8, 4, 2);
    ASSERT_EQ(s.phases.count, 3);
    std::string seen;
    for (int i = 0; i < 4; ++i, s.NF()) seen += std::to_string(s.current);
    EXPECT_EQ(seen, "0120");
    s.SF(0);
    EXPECT_EQ(Nums(s.AktSIR(), s.AktVYS()), "5,4");
    const auto draw = [&] { s.ZOBRAZ(screen.get()); };
    EXPECT_TRUE(Drawn(draw, "..........|..abcd....|..efgh....|..ijk.....|..........|.........."));
    // An index past the list shows nothing; sizes fall back to the void size instead of stopping.
    s.SF(5);
    EXPECT_TRUE(Drawn(draw, kNone));
    EXPECT_EQ(s.AktSIR(), 100);
    EXPECT_TRUE(s.INFORMUJ_SA(50, 50, 0));
}

TEST_F(IconsTest, ExactHitsDriftAndTheWholeSheetPhase) {
    // The box is inset to 201..203 x 101..102; the phase's transparent pixel shows at (203, 102).
    tk_CDAS e(0, 0);
    e.Dsgn2_UserA(200, 100, &sheet, kLettersX, kLettersY, kLettersX, kLettersY, kLettersX, kLettersY);
    std::string hits;
    for (auto [px, py] : {std::pair{202, 101}, {201, 102}, {203, 102}, {200, 101}, {204, 101}, {202, 100}})
        hits += std::to_string(e.OSTRY_ZASAH(px, py));
    EXPECT_EQ(hits, "110000");
    // Drifting off one side of the screen brings the sprite in at the other.
    tk_CDAS v(0, 0);
    tk_ScreenW = 640;
    v.SetSize(40, 10);
    v.x = 638, v.dx = 5;
    v.AKTIVUJ();
    const int right = v.x;
    v.x = -36, v.dx = -6;
    v.AKTIVUJ();
    EXPECT_EQ(Nums(right, v.x), "-40,640");
    // A tk_CDS registers the whole sheet inside its frame as one phase.
    tk_CDS whole("cds", 5, 6);
    whole.surface = &sheet;
    whole.EVIDUJ_2();
    ASSERT_EQ(whole.phases.count, 1);
    const auto* phase = static_cast<tk_TFAZA*>(whole.phases.items[0]);
    EXPECT_EQ(Nums(phase->x, phase->y, phase->x2, phase->y2), Nums(1, 1, kSheetW - 1, kSheetH - 1));
}

TEST_F(IconsTest, VoidDesignsNameClassAndElementAbove30) {
    const struct {
        int cls, current, w, h, kind;
        bool fill, names;
    } cases[] = {// clang-format off
        {2, 0, 31, 31, 1, false, true}, {2, 0, 30, 30, 1, false, false}, {4, 2, 50, 40, 2, true, true},
        {4, 1, 50, 40, 1, true, true}, {5, 2, 20, 40, 1, true, false}};  // clang-format on
    for (const auto& c : cases) {
        TestSurface out(80, 60), ref(80, 60);
        tk_CDAS s(0, 0);
        s.Dsgn0_VoidDC(6, 4, c.w, c.h);
        s.SetClassId(c.cls), s.SetName("hero"), s.current = c.current;
        s.ZOBRAZ(out.get());
        ReferenceBox(ref, RECT{6, 4, 6 + c.w, 4 + c.h}, c.kind, c.fill,
                     c.names ? tk_glob_GetClassName(c.cls) : nullptr, c.names ? "hero" : nullptr);
        EXPECT_TRUE(out.Same(ref)) << c.cls << " " << c.w;
        EXPECT_EQ(out.Pixel(6, 4) == 0xFFFF, c.kind == 1) << c.cls << " " << c.w;
        // The element's name really shows (the reference alone could be as empty as the drawing).
        EXPECT_EQ(out.Lines(0, 0, 80, 60, {{out.RawOf(0x00FFFF), 'Y'}}).find('Y') != std::string::npos,
                  c.names);
    }
}

TEST_F(IconsTest, IconsLoadTheirOwnFileOrLogWhyNot) {
    WriteFile("pic.bmp", SheetBmp());
    WriteFile("bad.bmp", "BM not a bitmap");
    {
        // Transparent where its pixel (1, 1) is, unless the switch is off.
        tk_CIcon own("pic.bmp");
        ASSERT_NE(own.surface, nullptr);
        EXPECT_EQ(Nums(own.own_surface, own.visible, own.phase.x2, own.phase.h, own.surface->TC),
                  Nums(1, 1, kSheetW - 1, kSheetH, kCorner));
        tk_glob_Set_CIcon_default_transparency(0);
        tk_CIcon opaque(dd_, "pic.bmp");
        tk_glob_Set_CIcon_default_transparency(1);
        EXPECT_EQ(opaque.surface->TC, 0);
    }
    tk_CIcon missing("nothing.bmp"), broken("bad.bmp"), nosheet(nullptr, 3, 4);
    tk_CPolIcon element(nullptr, 2, 2, "nothing.bmp");
    EXPECT_TRUE(Drawn(
        [&] {
            for (tk_CIcon* i : {&missing, &broken, &nosheet, static_cast<tk_CIcon*>(&element)}) {
                EXPECT_TRUE(i->surface == nullptr && !i->visible);
                i->ZOBRAZ(screen.get(), 0, 0);
                i->ZOBRAZ_2(screen.get(), 0, 9, 0, 5, 0, 0);
            }
            element.ZOBRAZ(screen.get());
        },
        kNone));
    // Each says why in the log.
    int said = 0;
    for (const std::string& l : LogLines()) said += l.find("tk_CIcon::tk_CIcon") != std::string::npos;
    EXPECT_EQ(said, 4);
}

TEST_F(IconsTest, IconsDrawInsideAMarginToWindowsAndAlignedAndShowAPlaceholderWithoutAPicture) {
    tk_CIcon icon(&sheet, kLettersX, kLettersY);
    IDirectDrawSurface* dst = screen.get();
    tk_CPolIcon element(4, 0, &sheet, icon.phase);
    // (Cuts at the screen's edges and at a window's are the sheet's own drawing, tested with it.)
    const std::pair<std::function<void()>, const char*> cases[] = {
        // The screen less a one-pixel margin: column 0 and row 0 stay empty.
        {[&] { icon.ZOBRAZ_2(dst, 0, 0); },
         "..........|.fgh......|.jk.......|..........|..........|.........."},
        {[&] { element.ZOBRAZ(); }, "..........|....efgh..|....ijk...|..........|..........|.........."},
        // Centred on the point, starting at it or ending at it; always centred up and down.
        {[&] { icon.ZOBRAZ_3_centr(dst, 0, 10, 0, 6, 5, 3, 0); },
         "..........|...abcd...|...efgh...|...ijk....|..........|.........."},
        {[&] { icon.ZOBRAZ_3_centr(dst, 0, 10, 0, 6, 5, 3, 1); },
         "..........|.....abcd.|.....efgh.|.....ijk..|..........|.........."},
        {[&] { icon.ZOBRAZ_3_centr(dst, 0, 10, 0, 6, 5, 3, 2); },
         "..........|abcd......|efgh......|ijk.......|..........|.........."},
    };
    for (const auto& [draw, rows] : cases) EXPECT_TRUE(Drawn(draw, rows));
    // Hidden: only the margin form draws; a hidden picture element draws nothing.
    icon.visible = element.visible = false;
    EXPECT_TRUE(Drawn(
        [&] {
            icon.ZOBRAZ(dst, 0, 0);
            element.ZOBRAZ(dst);
        },
        kNone));
    icon.ZOBRAZ_2(dst, 2, 1);
    EXPECT_GT(screen.Inked(), 0);
    EXPECT_EQ(tk_CIcon(&sheet, 0, 9).phase.w, kSheetW);

    // Without a picture, or with a zero-sized phase, a placeholder shows.
    TestSurface out(120, 110), ref(120, 110);
    ReferenceBox(ref, RECT{8, 6, 108, 106}, 1, false, "tk_CIcon", nullptr);
    tk_CIcon empty, flat(&sheet, tk_TFAZA(0, 0, 0, 0));
    int w = 0, h = 0;
    empty.GetSize2(&w, &h);
    EXPECT_EQ(Nums(w, h), "100,100");
    for (const auto& draw : std::vector<std::function<void()>>{
             [&] { empty.ZOBRAZ(out.get(), 8, 6); }, [&] { flat.ZOBRAZ_2(out.get(), 0, 9, 0, 9, 8, 6); }}) {
        out.Fill(0);
        draw();
        EXPECT_TRUE(out.Same(ref));
    }
    EXPECT_EQ(out.Pixel(8, 6), 0xFFFF);
}

HFONT verdanaFont(int height, int width) {
    return CreateFontA(height, width, 0, 0, 400, 0, 0, 0, 238, 0, 0, 0, 34, "Verdana");
}

TEST(LabelTest, TextIsDrawnAtThePlaceInItsFontAndMeasuredWithTheSkinsFont) {
    TestSurface primary(8, 8);
    IDirectDrawSurface* saved = tk_lpDDSPrimary;
    tk_lpDDSPrimary = primary.get();
    HFONT skin = verdanaFont(15, 9), big = verdanaFont(30, 0);
    tk_DSGN.font = skin;
    tk_CPolCHLO box;
    box.MoveToAbs(10, 5);
    auto* label = new tk_CLabel(&box, 4, 3, "Žaba čo skáče");
    label->colour = RGB(255, 40, 0);
    // The size is the text's extent in the skin's font, one wider, whatever font the label draws in.
    int w = 0, h = 0, skin_w = 0, skin_h = 0;
    tk_glob_ZISTI_ROZMER_TEXTU("Žaba čo skáče", skin, &skin_w, &skin_h);
    for (HFONT font : {HFONT(nullptr), big}) {
        TestSurface out(200, 40), ref(200, 40);
        label->font = font;
        label->ZOBRAZ(out.get());
        HDC dc = nullptr;
        ASSERT_EQ(ref.get()->GetDC(&dc), DD_OK);
        tk_glob_Text_font(dc, 14, 8, RGB(255, 40, 0), font ? font : skin, "Žaba čo skáče");
        ref.get()->ReleaseDC(dc);
        EXPECT_GT(out.Inked(), 50);
        EXPECT_TRUE(out.Same(ref));
        label->GetSize(&w, &h);
        EXPECT_EQ(Nums(w, h), Nums(skin_w, skin_h));
    }
    // Hidden: nothing drawn.
    TestSurface out(200, 40);
    label->visible = false;
    label->ZOBRAZ(out.get());
    EXPECT_EQ(out.Inked(), 0);
    // Texts are copies; a null one leaves an empty string.
    char given[] = "prvý";
    auto* a = new tk_CLabel(&box, 7, given);
    given[0] = 'X';
    auto* b = new tk_CLabel(&box, 12);
    EXPECT_EQ(std::string(a->text) + "|" + b->text, "prvý|Label [12]");
    b->Dsgn(3, 4, nullptr);
    EXPECT_EQ(std::string(b->text) + Nums(b->x), "13");
    tk_DSGN.font = nullptr, tk_lpDDSPrimary = saved;
    DeleteObject(big), DeleteObject(skin);
}

}  // namespace
}  // namespace tk_test
