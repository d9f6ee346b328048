#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "framework/widgets/tk_CDDialog_EFEKT.h"
#include "framework/widgets/tk_CIcon.h"
#include "framework/widgets/tk_globals.h"
#include "tests/graphics/tk_test_surface.h"
#include "tests/widgets/dialogs/tk_test_screen.h"

using tk_test::ScopedScreen;
using tk_test::TestSurface;

namespace {

constexpr std::uint16_t kGrey = 0x8410;

// The frame's colours as the surface stores them, and the background.
std::map<std::uint16_t, char> PanelLegend(TestSurface& srf) {
    return {{kGrey, 'g'},
            {srf.RawOf(0xC86464), 't'},
            {srf.RawOf(0xB4B4B4), 'b'},
            {srf.RawOf(0xD7D7D7), 'l'},
            {srf.RawOf(0xFFFFFF), 'w'},
            {srf.RawOf(0xA0A0A0), 'm'},
            {srf.RawOf(0x505050), 'd'},
            {srf.RawOf(RGB(212, 210, 212)), 'k'}};
}

// A 6 x 5 panel at (6, 6) with a 2-pixel title strip.
void SmallPanel(tk_CDDialog_EFEKT& p, int style) {
    p.MoveToAbs(6, 6);
    p.sir = 6;
    p.vys = 5;
    p.title_h = 2;
    p.podklad = style;
}

}  // namespace

TEST(FramePainterTest, PanelPaintedToThePixelInEachBackground) {
    ScopedScreen screen(800, 600);
    TestSurface srf(20, 20);
    srf.Fill(kGrey);
    const auto legend = PanelLegend(srf);
    tk_CDDialog_EFEKT p;
    SmallPanel(p, 2);
    p.ZOBRAZ(srf.get());
    // Strip, solid body, light rectangle round the panel, white and light above and left,
    // mid and dark grey right and below.
    EXPECT_EQ(srf.Picture(2, 2, 17, 16, legend),
              "ggggggggggggggg\n"
              "glllllllllllldg\n"
              "glwwwwwwwwwwmdg\n"
              "glwlllllllllmdg\n"
              "glwltttttttlmdg\n"
              "glwltttttttlmdg\n"
              "glwlbbbbbbblmdg\n"
              "glwlbbbbbbblmdg\n"
              "glwlbbbbbbblmdg\n"
              "glwlbbbbbbblmdg\n"
              "glwlllllllllmdg\n"
              "glmmmmmmmmmmmdg\n"
              "gdddddddddddddg\n"
              "ggggggggggggggg\n");
    // The device context went back.
    HDC dc = nullptr;
    ASSERT_EQ(srf.get()->GetDC(&dc), DD_OK);
    srf.get()->ReleaseDC(dc);

    // The body (rows 8 to 11, columns 6 to 12) in the other styles: white net, milky, none.
    const std::pair<int, std::string> bodies[] = {
        {1, "gwgwgwg\nwgwgwgw\ngwgwgwg\nwgwgwgw\n"},
        {3, "kkkkkkk\nkkkkkkk\nkkkkkkk\nkkkkkkk\n"},
        {0, "ggggggg\nggggggg\nggggggg\nggggggg\n"},
    };
    for (const auto& [style, body] : bodies) {
        srf.Fill(kGrey);
        SmallPanel(p, style);
        p.ZOBRAZ(srf.get());
        EXPECT_EQ(srf.Picture(6, 8, 13, 12, legend), body) << style;
        EXPECT_EQ(srf.Picture(6, 6, 13, 8, legend), "ttttttt\nttttttt\n") << style;
    }

    // Hidden: nothing. With a picture the strip is not filled (a hidden icon draws nothing).
    srf.Fill(kGrey);
    p.visible = false;
    p.ZOBRAZ(srf.get());
    TestSurface untouched(20, 20);
    untouched.Fill(kGrey);
    EXPECT_EQ(srf.Differences(untouched), 0);
    p.visible = true;
    tk_CIcon icon;
    icon.visible = false;
    p.picture = &icon;
    p.ZOBRAZ(srf.get());
    EXPECT_EQ(srf.Picture(6, 6, 13, 8, legend), "ggggggg\nggggggg\n");
    p.picture = nullptr;
}

TEST(FramePainterTest, TitleInTheSystemFontCutToItsField) {
    ScopedScreen screen(800, 600);
    TestSurface srf(200, 80);
    srf.Fill(kGrey);
    tk_CDDialog_EFEKT p(20, 20, 150, 40, "Okno");
    EXPECT_EQ(p.x, 20);
    EXPECT_EQ(p.rx, 20);
    EXPECT_EQ(p.sir, 150);
    EXPECT_EQ(p.vys, 40);
    p.podklad = 2;
    p.ZOBRAZ(srf.get());
    // White text pixels lie inside the title's extent at (30, 20), and only there.
    HDC dc = nullptr;
    ASSERT_EQ(srf.get()->GetDC(&dc), DD_OK);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SIZE ext{};
    GetTextExtentPoint32A(dc, "Okno", -1, &ext);
    srf.get()->ReleaseDC(dc);
    int white = 0, astray = 0;
    for (int y = 20; y < 36; ++y) {
        for (int x = 20; x < 171; ++x) {
            if (srf.Pixel(x, y) != 0xFFFF) continue;
            ++white;
            astray += x < 30 || x >= 30 + ext.cx || y >= 20 + ext.cy;
        }
    }
    EXPECT_GT(white, 10);
    EXPECT_EQ(astray, 0);

    // Titles longer than the field are cut to 41 bytes, never inside a character.
    tk_CDDialog_EFEKT long_title(0, 0, 10, 10, std::string(60, 'a').c_str());
    EXPECT_EQ(std::strlen(long_title.title), 41u);
    std::string wide;
    for (int i = 0; i < 30; ++i) wide += "Š";
    long_title.SetTitle(wide.c_str());
    EXPECT_EQ(std::string(long_title.title), wide.substr(0, 40));
    long_title.SetTitle(nullptr);
    EXPECT_EQ(long_title.title[0], '\0');
}

TEST(FramePainterTest, DefaultsAndCentring) {
    ScopedScreen screen(1024, 768);
    tk_CDDialog_EFEKT p;
    EXPECT_EQ(p.class_id, 13);
    EXPECT_STREQ(p.name, "noname");
    EXPECT_EQ(p.x, 10);
    EXPECT_EQ(p.y, 10);
    EXPECT_EQ(p.sir, 300);
    EXPECT_EQ(p.vys, 200);
    EXPECT_EQ(p.title_h, 16);
    EXPECT_EQ(p.podklad, 1);
    EXPECT_FALSE(p.passive);
    EXPECT_TRUE(p.title_drag);
    int w = 0, h = 0;
    p.GetSize(&w, &h);
    EXPECT_EQ(w * 1000 + h, 80080);
    p.sir = 301;
    p.vys = 201;
    p.Center();
    EXPECT_EQ(p.x, 361);
    EXPECT_EQ(p.y, 283);
    p.CHOD_NA_CENTER(500, 400);
    EXPECT_EQ(p.x, 350);
    EXPECT_EQ(p.y, 300);
    // Building the objects again replaces them and puts the defaults back.
    p.Vytvor_Inic();
    EXPECT_EQ(p.sir, 300);
    EXPECT_EQ(p.x, 10);
}

TEST(FramePainterTest, PointerMachineEventByEvent) {
    tk_CDDialog_EFEKT p(100, 100, 50, 40, "");
    p.title_h = 10;
    p.rx = p.ry = 7;
    struct Step {
        int px, py, code;
        bool taken;
        int state, x, y;
    };
    // Title drag only: a press in the body is taken without a drag; the strip starts one, which
    // follows the pointer past the panel's box; a move off it when idle drops the state to 0.
    const Step steps[] = {
        {99, 120, 0, false, 0, 100, 100},  {100, 140, 0, true, 1, 100, 100},
        {120, 130, 1, true, 1, 100, 100},  {120, 130, 0, true, 1, 100, 100},
        {120, 110, 1, true, 2, 100, 100},  {300, 305, 0, true, 2, 280, 295},
        {310, 300, -1, true, 1, 280, 295}, {310, 300, -1, true, 1, 280, 295},
        {400, 400, 0, false, 0, 280, 295}, {290, 330, 1, true, 0, 280, 295},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(p.INFORMUJ_SA(s.px, s.py, s.code), s.taken) << s.px << "," << s.py << " " << s.code;
        EXPECT_EQ(p.state, s.state) << s.px << "," << s.py << " " << s.code;
        EXPECT_EQ(p.x * 1000 + p.y, s.x * 1000 + s.y) << s.px << "," << s.py << " " << s.code;
    }
    EXPECT_EQ(tk_drag_dx * 1000 + tk_drag_dy, 20010);
    EXPECT_EQ(p.rx * 1000 + p.ry, 7007);

    // Without the title rule the body starts a drag too; an immovable panel stays put.
    p.title_drag = false;
    p.movable = false;
    p.state = 1;
    EXPECT_TRUE(p.INFORMUJ_SA(300, 330, 1));
    EXPECT_EQ(p.state, 2);
    EXPECT_TRUE(p.INFORMUJ_SA(0, 0, 0));
    EXPECT_EQ(p.x * 1000 + p.y, 280295);

    // Passive or hidden panels pass everything on and keep their state.
    for (bool passive : {true, false}) {
        p.passive = passive;
        p.visible = passive;
        EXPECT_FALSE(p.INFORMUJ_SA(300, 330, 0));
        EXPECT_FALSE(p.INFORMUJ_SA(300, 330, -1));
        EXPECT_EQ(p.state, 2);
    }
}
