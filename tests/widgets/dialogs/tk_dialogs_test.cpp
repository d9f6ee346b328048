// Dialogs and their frame painter: panels to the pixel in each background, titles, the painter's
// pointer machine, dialogs built centred and painted by parts, dragged by the title strip only and
// raised by a press on their body; the white net and the milky wash; the edit box: typing, its
// limits, keys through the tree, its border and text.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "framework/widgets/tk_CDDialog.h"
#include "framework/widgets/tk_CDDialog_EFEKT.h"
#include "framework/widgets/tk_CDEDB.h"
#include "framework/widgets/tk_CDUI_podklad_efekt.h"
#include "framework/widgets/tk_CIcon.h"
#include "framework/widgets/tk_globals.h"
#include "tests/common/tk_test_surface.h"
#include "tests/common/widgets/tk_test_screen.h"
#include "tests/common/widgets/tk_widget_probes.h"

namespace tk_test {
namespace {

constexpr std::uint16_t kGrey = 0x8410;

TEST(FramePainterTest, PanelToThePixelInEachBackground) {
    ScopedScreen screen(800, 600);
    TestSurface srf(20, 20);
    Legend legend = TestSurface::LegendOf(
        "tblmdkw", {0xC86464, 0xB4B4B4, 0xD7D7D7, 0xA0A0A0, 0x505050, RGB(212, 210, 212), 0xFFFFFF});
    legend[kGrey] = 'g';
    tk_CDDialog_EFEKT p(6, 6, 6, 5, "");
    p.title_h = 2;
    // The body (rows 8 to 11, columns 6 to 12) in each style: solid, white net, milky, none.
    const std::pair<int, const char*> bodies[] = {{2, "bbbbbbb|bbbbbbb|bbbbbbb|bbbbbbb"},
                                                  {1, "gwgwgwg|wgwgwgw|gwgwgwg|wgwgwgw"},
                                                  {3, "kkkkkkk|kkkkkkk|kkkkkkk|kkkkkkk"},
                                                  {0, "ggggggg|ggggggg|ggggggg|ggggggg"}};
    for (const auto& [style, body] : bodies) {
        srf.Fill(kGrey);
        p.podklad = style;
        p.ZOBRAZ(srf.get());
        EXPECT_TRUE(srf.Shows(6, 8, 13, 12, legend, body)) << style;
    }
    // Title strip, a light line round the panel, white and light lines above and left, mid and
    // dark grey lines right and below.
    EXPECT_TRUE(srf.Shows(2, 2, 17, 16, legend,
                          "ggggggggggggggg|glllllllllllldg|glwwwwwwwwwwmdg|glwlllllllllmdg|"
                          "glwltttttttlmdg|glwltttttttlmdg|glwlggggggglmdg|glwlggggggglmdg|"
                          "glwlggggggglmdg|glwlggggggglmdg|glwlllllllllmdg|glmmmmmmmmmmmdg|"
                          "gdddddddddddddg|ggggggggggggggg"));
    // With a picture (here a hidden one) the strip is not filled; hidden panels paint nothing.
    tk_CIcon icon;
    icon.visible = false;
    p.picture = &icon;
    srf.Fill(kGrey);
    p.ZOBRAZ(srf.get());
    EXPECT_TRUE(srf.Shows(6, 6, 13, 8, legend, "ggggggg|ggggggg"));
    p.visible = false;
    srf.Fill(kGrey);
    p.ZOBRAZ(srf.get());
    EXPECT_EQ(srf.Pixel(5, 5), kGrey);
}

TEST(FramePainterTest, TitlesCentringAndThePointerMachine) {
    ScopedScreen screen(1024, 768);
    tk_CDDialog_EFEKT p(20, 20, 150, 40, "Okno");
    const std::string given = p.title;
    // Titles are cut to their field.
    p.SetTitle(std::string(60, 'a').c_str());
    EXPECT_EQ(given + Nums(std::strlen(p.title)), "Okno41");
    p.Vytvor_Inic();
    EXPECT_EQ(Nums(p.x, p.y, p.sir, p.vys, p.title_h, p.podklad), "10,10,300,200,16,1");
    p.sir = 301;
    p.CHOD_NA_CENTER(500, 400);
    EXPECT_EQ(Nums(p.x, p.y), "350,300");

    // A press in the body is taken without a drag; one on the strip drags the panel past its box;
    // a move off it when idle drops the state to 0; every event inside is taken.
    tk_CDDialog_EFEKT d(100, 100, 50, 40, "");
    d.title_h = 10;
    // clang-format off
    Drive(&d, {{99, 120, 0, 0, 0, 100, 100}, {100, 140, 0, 1, 1, 100, 100}, {120, 130, 1, 1, 1, 100, 100},
               {120, 130, 0, 1, 1, 100, 100}, {120, 110, 1, 1, 2, 100, 100}, {300, 305, 0, 1, 2, 280, 295},
               {310, 300, -1, 1, 1, 280, 295}, {400, 400, 0, 0, 0, 280, 295}, {290, 330, 1, 1, 0, 280, 295}});
    // clang-format on
    EXPECT_EQ(Nums(d.rx, d.ry), "100,100");
    // Without the title rule the body starts a drag; an immovable panel stays put.
    d.title_drag = d.movable = false;
    d.state = 1;
    Drive(&d, {{300, 330, 1, true, 2, 280, 295}, {0, 0, 0, true, 2, 280, 295}});
    // Hidden panels pass everything on.
    d.visible = false;
    EXPECT_FALSE(d.INFORMUJ_SA(300, 330, -1));
    EXPECT_EQ(d.state, 2);
}

TEST(DialogTest, CentredAndPaintedByParts) {
    ScopedScreen screen(1024, 768);
    tk_CPolCHLO root;
    root.MoveToAbs(100, 50);
    auto* dlg = new tk_CDDialog(&root, 7);
    EXPECT_EQ(Nums(dlg->x, dlg->y, dlg->rx, dlg->ry), "362,284,262,234");
    dlg->Dsgn(-80, -30, 60, 40, 2);
    dlg->frame.title_h = 8;
    (new Probe(dlg, 10, 15, 10, 10, nullptr, "child"))->colour_ = 0xF800;
    TestSurface srf(100, 80);
    const int strip = srf.RawOf(0xC86464), body = srf.RawOf(0xB4B4B4);
    // Pixels of the strip, the child and the corner (x + sir, y + vys). 0 and 3 paint both, 1 the
    // body only, 2 the children only; a hidden dialog nothing.
    const struct {
        int part;
        bool shown;
        std::string pixels;
    } paints[] = {// clang-format off
        {0, true, Nums(strip, 0xF800, body)}, {1, true, Nums(strip, body, body)},
        {2, true, Nums(0, 0xF800, 0)}, {3, true, Nums(strip, 0xF800, body)},
        {0, false, Nums(0, 0, 0)}};  // clang-format on
    for (const auto& p : paints) {
        dlg->visible = p.shown;
        srf.Fill(0);
        dlg->ZOBRAZ(srf.get(), p.part);
        EXPECT_EQ(Nums(srf.Pixel(25, 21), srf.Pixel(35, 40), srf.Pixel(80, 60)), p.pixels) << p.part;
    }
}

TEST(DialogTest, DraggedByTheTitleStripOnlyAndRaisedByAPressOnItsBodyThatFallsThrough) {
    tk_CPolCHLO root;
    auto* dlg = new tk_CDDialog(&root, 1);
    dlg->Dsgn(100, 100, 200, 120, 1);
    auto* child = new Probe(dlg, 20, 60, 30, 20, nullptr, "child");
    // The first move over the body arms it (later ones pass on); a press on the strip (its bottom
    // edge included) drags the dialog and its child; a press below the strip passes on and moves
    // nothing; a move off the dialog disarms it; a press on the child is the child's.
    // clang-format off
    Drive(dlg, {{150, 150, 0, 1, 1, 100, 100}, {150, 116, 1, 1, 2, 100, 100}, {250, 211, 0, 1, 2, 200, 195},
                {250, 211, -1, 1, 1, 200, 195}, {300, 300, 1, 0, 1, 200, 195}, {350, 310, 0, 0, 1, 200, 195},
                {401, 300, 0, 0, 0, 200, 195}, {230, 260, 1, 1, 0, 200, 195}, {230, 300, 0, 1, 1, 200, 195}});
    // clang-format on
    EXPECT_EQ(Nums(child->x, child->y, dlg->rx, dlg->ry), "220,255,100,100");
    dlg->visible = false;
    EXPECT_FALSE(dlg->INFORMUJ_SA(300, 200, 0));

    tk_CPolCHLO desk;
    Trace trace;
    new Probe(&desk, 0, 0, 800, 600, &trace, "below");
    auto* a = new tk_CDDialog(&desk, 1);
    a->Dsgn(100, 100, 200, 150, 1);
    auto* b = new tk_CDDialog(&desk, 2);
    b->Dsgn(250, 200, 200, 150, 1);
    auto* late = new Probe(&desk, 0, 0, 10, 10, &trace, "late");
    EXPECT_EQ(desk.GetCHLWithIndex(1), late);
    desk.TOP_DLG(b);
    // On a's empty body: b (above, elsewhere) passes, a rises and passes, the rest are asked.
    EXPECT_TRUE(desk.INFORMUJ_SA(150, 200, 1));
    EXPECT_EQ(Nums(desk.GetCHLWithIndex(3) == a, desk.GetCHLWithIndex(2) == b), "1,1");
    EXPECT_EQ(trace, Trace({"event late", "event below"}));
    // On b's strip: b rises again and is dragged; nothing below hears of it.
    trace.clear();
    EXPECT_TRUE(desk.INFORMUJ_SA(400, 205, 0));
    EXPECT_TRUE(desk.INFORMUJ_SA(400, 205, 1));
    EXPECT_EQ(Nums(desk.GetCHLWithIndex(3) == b, b->state), "1,2");
    EXPECT_TRUE(trace.empty());
}

const Legend kNet{{0xFFFF, 'W'}, {0x0000, 'B'}, {kGrey, 'g'}};

TEST(BackgroundTest, WhiteNetWithAndWithoutBorderCutAtTheScreenAndTheSurface) {
    ScopedScreen screen(800, 20);
    TestSurface srf(32, 32);
    srf.Fill(kGrey);
    // 4 x 4 without a border: one white pixel in each inner row. 7 x 5 with a border: the right
    // border stands one column inside an odd width.
    tk_CDUI_podklad_efekt_A_biela_siet(srf.get(), RECT{1, 1, 5, 5}, false);
    tk_CDUI_podklad_efekt_A_biela_siet(srf.get(), RECT{6, 1, 13, 6}, true);
    // Above the screen: row 1 is the area's first and stays, no top border. Below a 20-row
    // screen: rows stop before row 19, no bottom border.
    tk_CDUI_podklad_efekt_A_biela_siet(srf.get(), RECT{14, -3, 20, 4}, true);
    tk_CDUI_podklad_efekt_A_biela_siet(srf.get(), RECT{21, 1, 25, 25}, true);
    EXPECT_TRUE(srf.Shows(0, 0, 26, 7, kNet,
                          "gggggggggggggggggggggggggg|ggggggBBBBBBBggggggggBBBBg|gggWggBgWgWBggBgWgWBgBgWBg|"
                          "ggWgggBWgWgBggBBBBBBgBWgBg|ggggggBgWgWBgggggggggBgWBg|ggggggBBBBBBBggggggggBWgBg|"
                          "gggggggggggggggggggggBgWBg"));
    EXPECT_TRUE(srf.Shows(21, 17, 26, 20, kNet, "BWgBg|ggggg|ggggg"));
    // Wider and taller than the surface: the phase holds and nothing is written outside it.
    ScopedScreen tall(800, 600);
    srf.Fill(kGrey);
    tk_CDUI_podklad_efekt_A_biela_siet(srf.get(), RECT{-3, 28, 40, 60}, true);
    std::string gw, wg;
    for (int i = 0; i < 16; ++i) gw += "gW", wg += "Wg";
    EXPECT_TRUE(
        srf.Shows(0, 27, 32, 32, kNet,
                  std::string(32, 'g') + "|" + std::string(32, 'B') + "|" + gw + "|" + wg + "|" + gw));
}

TEST(BackgroundTest, MilkyWashThroughADeviceContextIsCappedAndStaysInItsArea) {
    // (200, 100, 30) is stored as (198, 101, 33), which becomes (255, 181, 113).
    TestSurface small(8, 8);
    const std::uint16_t before = small.RawOf(RGB(200, 100, 30));
    small.Fill(before);
    HDC dc = nullptr;
    ASSERT_EQ(small.get()->GetDC(&dc), DD_OK);
    tk_CDUI_podklad_efekt_B_mliecny(dc, RECT{2, 3, 4, 4});
    small.get()->ReleaseDC(dc);
    EXPECT_TRUE(
        small.Shows(1, 2, 5, 5, {{before, 'o'}, {small.RawOf(RGB(255, 181, 113)), 'm'}}, "oooo|ommo|oooo"));
}

void typeLetters(tk_CDEDB& e, const std::string& letters) {
    for (char c : letters) e.INFORMUJ_SA_KLAV(c);
}

TEST(EditBoxTest, TypingAndItsLimits) {
    tk_CDEDB e(nullptr, 1, 2, nullptr);
    // Backspace (8) on an empty box is taken and changes nothing; a limit of 2 lets 3 letters in.
    EXPECT_TRUE(e.INFORMUJ_SA_KLAV(8));
    typeLetters(e, "ABCD");
    EXPECT_STREQ(e.Get_Text(), "ABC");
    // Backspace and Delete (46) both remove the last letter.
    EXPECT_TRUE(e.INFORMUJ_SA_KLAV(8));
    EXPECT_TRUE(e.INFORMUJ_SA_KLAV(46));
    EXPECT_EQ(std::string(e.text) + std::to_string(e.text_len), "A1");
    // Only A to Z are typed: digits, space, '@', '[', the numeric pad and the rest are not taken.
    for (int key : {48, 57, 32, 64, 91, 97, 13, -1, 300}) EXPECT_FALSE(e.INFORMUJ_SA_KLAV(key)) << key;
    // The default limit of 50 lets 51 letters in.
    tk_CDEDB d(nullptr, 3, 4);
    typeLetters(d, std::string(60, 'Q'));
    EXPECT_EQ(d.text_len, 51);
    // Set_Text cuts to the field (199 letters and the zero) and counts what it kept; Set_Number
    // formats with %d.
    d.Set_Text(std::string(250, 'x').c_str());
    EXPECT_EQ(Nums(d.text_len, d.text[199]), "199,0");
    d.Set_Number(-12);
    EXPECT_EQ(std::string(d.text) + std::to_string(d.text_len), "-123");
}

TEST(EditBoxTest, KeysReachTheTopmostEditBoxThroughTheTree) {
    tk_CPolCHLO root;
    auto* earlier = new tk_CDEDB(&root, 1);
    auto* inner = new tk_CPolCHLO(&root, 2);
    auto* later = new tk_CDEDB(inner, 3, 4, nullptr);
    // The box added later, even hidden, takes every letter; a key no box takes goes back.
    later->visible = false;
    EXPECT_TRUE(root.INFORMUJ_SA_KLAV('H'));
    EXPECT_TRUE(root.INFORMUJ_SA_KLAV('I'));
    EXPECT_FALSE(root.INFORMUJ_SA_KLAV('5'));
    // A hidden container keeps its boxes from the keys.
    inner->visible = false;
    EXPECT_TRUE(root.INFORMUJ_SA_KLAV('K'));
    EXPECT_EQ(std::string(later->Get_Text()) + " " + earlier->Get_Text(), "HI K");
    // A hidden root takes nothing, and neither does a tree without an edit box.
    root.visible = false;
    EXPECT_FALSE(root.INFORMUJ_SA_KLAV('L'));
    inner->visible = root.visible = true;
    tk_CPolCHLO bare;
    new Probe(&bare, 0, 0, 10, 10, nullptr, "p");
    EXPECT_FALSE(bare.INFORMUJ_SA_KLAV('M'));
}

TEST(EditBoxTest, SunkenBorderAndTheText) {
    TestSurface srf(20, 16);
    srf.Fill(kGrey);
    Legend legend = TestSurface::LegendOf("cwkd", {0xC8C8C8, 0xFFFFFF, 0, 0x505050});
    legend[kGrey] = 'g';
    tk_CDEDB e(nullptr, 4, 4);
    e.SetSize(10, 6);
    // Drawn although hidden: dark above and left, white right and below, black inside them.
    e.visible = false;
    e.ZOBRAZ(srf.get());
    EXPECT_TRUE(srf.Shows(2, 3, 16, 12, legend,
                          "gggggggggggggg|ggddddddddddwg|ggdkkkkkkkkkwg|ggdkccccccccwg|ggdkccccccccwg|"
                          "ggdkccccccccwg|ggdkccccccccwg|ggdwwwwwwwwwwg|gggggggggggggg"));
    // The text starts 5 pixels in from the corner, inside its extent in the box's font.
    TestSurface text_srf(120, 50);
    tk_CDEDB t(nullptr, 10, 10);
    t.SetSize(100, 30);
    t.Set_Text("AHOJ");
    t.ZOBRAZ(text_srf.get());
    HDC dc = nullptr;
    ASSERT_EQ(text_srf.get()->GetDC(&dc), DD_OK);
    SelectObject(dc, t.font);
    SIZE ext{};
    GetTextExtentPoint32A(dc, "AHOJ", -1, &ext);
    text_srf.get()->ReleaseDC(dc);
    const std::uint16_t back = text_srf.RawOf(0xC8C8C8);
    int inked = 0, astray = 0;
    for (int y = 12; y < 39; ++y)
        for (int x = 12; x < 109; ++x)
            if (text_srf.Pixel(x, y) != back)
                ++inked, astray += x < 15 || y < 15 || x >= 15 + ext.cx || y >= 15 + ext.cy;
    EXPECT_GT(inked, 10);
    EXPECT_EQ(astray, 0);
}

}  // namespace
}  // namespace tk_test
