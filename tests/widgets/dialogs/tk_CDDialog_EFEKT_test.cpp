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

TEST(FramePainterTest, PanelToThePixelInEachBackground) {
    ScopedScreen screen(800, 600);
    TestSurface srf(20, 20);
    constexpr std::uint16_t kGrey = 0x8410;
    std::map<std::uint16_t, char> legend{{kGrey, 'g'}, {0xFFFF, 'w'}};
    for (auto [colour, c] : {std::pair{0xC86464u, 't'},
                             {0xB4B4B4u, 'b'},
                             {0xD7D7D7u, 'l'},
                             {0xA0A0A0u, 'm'},
                             {0x505050u, 'd'},
                             {RGB(212, 210, 212), 'k'}})
        legend[srf.RawOf(colour)] = c;
    tk_CDDialog_EFEKT p(6, 6, 6, 5, "");
    p.title_h = 2;
    // The body (rows 8 to 11, columns 6 to 12) in each style: solid, white net, milky, none.
    const std::pair<int, std::string> bodies[] = {{2, "bbbbbbb\nbbbbbbb\nbbbbbbb\nbbbbbbb\n"},
                                                  {1, "gwgwgwg\nwgwgwgw\ngwgwgwg\nwgwgwgw\n"},
                                                  {3, "kkkkkkk\nkkkkkkk\nkkkkkkk\nkkkkkkk\n"},
                                                  {0, "ggggggg\nggggggg\nggggggg\nggggggg\n"}};
    for (const auto& [style, body] : bodies) {
        srf.Fill(kGrey);
        p.podklad = style;
        p.ZOBRAZ(srf.get());
        EXPECT_EQ(srf.Picture(6, 8, 13, 12, legend), body) << style;
    }
    // Title strip, a light line round the panel, white and light lines above and left, mid and
    // dark grey lines right and below.
    EXPECT_EQ(srf.Picture(2, 2, 17, 16, legend),
              "ggggggggggggggg\n"
              "glllllllllllldg\n"
              "glwwwwwwwwwwmdg\n"
              "glwlllllllllmdg\n"
              "glwltttttttlmdg\n"
              "glwltttttttlmdg\n"
              "glwlggggggglmdg\n"
              "glwlggggggglmdg\n"
              "glwlggggggglmdg\n"
              "glwlggggggglmdg\n"
              "glwlllllllllmdg\n"
              "glmmmmmmmmmmmdg\n"
              "gdddddddddddddg\n"
              "ggggggggggggggg\n");
    // With a picture (here a hidden one) the strip is not filled; hidden panels paint nothing.
    tk_CIcon icon;
    icon.visible = false;
    p.picture = &icon;
    srf.Fill(kGrey);
    p.ZOBRAZ(srf.get());
    EXPECT_EQ(srf.Picture(6, 6, 13, 8, legend), "ggggggg\nggggggg\n");
    p.visible = false;
    srf.Fill(kGrey);
    p.ZOBRAZ(srf.get());
    EXPECT_EQ(srf.Pixel(5, 5), kGrey);
}

TEST(FramePainterTest, TitleCentringAndDefaults) {
    ScopedScreen screen(1024, 768);
    tk_CDDialog_EFEKT p(20, 20, 150, 40, "Okno");
    EXPECT_STREQ(p.title, "Okno");
    // Titles are cut to 41 bytes, never inside a character.
    p.SetTitle(std::string(60, 'a').c_str());
    EXPECT_EQ(std::strlen(p.title), 41u);
    std::string wide;
    for (int i = 0; i < 30; ++i) wide += "Š";
    p.SetTitle(wide.c_str());
    EXPECT_EQ(std::string(p.title), wide.substr(0, 40));

    p.Vytvor_Inic();
    EXPECT_EQ(p.x * 1000 + p.y, 10010);
    EXPECT_EQ(p.sir * 1000 + p.vys, 300200);
    EXPECT_EQ(p.title_h * 10 + p.podklad, 161);
    p.sir = 301;
    p.Center();
    EXPECT_EQ(p.x * 1000 + p.y, 361284);
    p.CHOD_NA_CENTER(500, 400);
    EXPECT_EQ(p.x * 1000 + p.y, 350300);
}

TEST(FramePainterTest, PointerMachineEventByEvent) {
    tk_CDDialog_EFEKT p(100, 100, 50, 40, "");
    p.title_h = 10;
    struct Step {
        int px, py, code;
        bool taken;
        int state, x, y;
    };
    // A press in the body is taken without a drag; one on the strip drags the panel past its
    // box; a move off it when idle drops the state to 0; every event inside is taken.
    const Step steps[] = {
        {99, 120, 0, false, 0, 100, 100},  {100, 140, 0, true, 1, 100, 100},
        {120, 130, 1, true, 1, 100, 100},  {120, 130, 0, true, 1, 100, 100},
        {120, 110, 1, true, 2, 100, 100},  {300, 305, 0, true, 2, 280, 295},
        {310, 300, -1, true, 1, 280, 295}, {400, 400, 0, false, 0, 280, 295},
        {290, 330, 1, true, 0, 280, 295},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << s.px << "," << s.py << " code " << s.code);
        EXPECT_EQ(p.INFORMUJ_SA(s.px, s.py, s.code), s.taken);
        EXPECT_EQ(p.state * 1000000 + p.x * 1000 + p.y, s.state * 1000000 + s.x * 1000 + s.y);
    }
    EXPECT_EQ(p.rx * 1000 + p.ry, 100100);
    // Without the title rule the body starts a drag; an immovable panel stays put.
    p.title_drag = false;
    p.movable = false;
    p.state = 1;
    EXPECT_TRUE(p.INFORMUJ_SA(300, 330, 1));
    EXPECT_TRUE(p.INFORMUJ_SA(0, 0, 0));
    EXPECT_EQ(p.state * 1000000 + p.x * 1000 + p.y, 2280295);
    // Passive or hidden panels pass everything on.
    p.passive = true;
    EXPECT_FALSE(p.INFORMUJ_SA(300, 330, -1));
    p.passive = false;
    p.visible = false;
    EXPECT_FALSE(p.INFORMUJ_SA(300, 330, -1));
    EXPECT_EQ(p.state, 2);
}
