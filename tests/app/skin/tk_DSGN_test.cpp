// The framework skin: built once from the program's own rezia_dll.bmp with its templates and
// icons at their sizes, torn down and built again, the background picture, and stock designs
// lending the templates' pictures to new controls, drawn to the pixel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/widgets/tk_CPosuv.h"
#include "framework/widgets/tk_CTlac.h"
#include "tests/graphics/tk_test_bmp.h"
#include "tests/widgets/controls/tk_skin_world.h"

namespace tk_test {
namespace {

class SkinTest : public SkinWorld {};

TEST_F(SkinTest, BuiltOnceWithEveryTemplateAndIconOnTheSheet) {
    EXPECT_EQ(tk_DSGN_DONE(), 0);
    ASSERT_EQ(tk_DSGN_INIT(), 1);
    tk_CDas_Surface* sheet = tk_DSGN.rezia_dll_srf;
    ASSERT_NE(sheet->SURFACE, nullptr);
    EXPECT_EQ(tk_DSGN_INIT(), 0);
    EXPECT_EQ(tk_DSGN.rezia_dll_srf, sheet);
    EXPECT_EQ(sheet->w, 235);
    EXPECT_EQ(sheet->h, 211);
    EXPECT_EQ(sheet->BC, SheetPixel(0, 0));
    EXPECT_EQ(sheet->TC, SheetPixel(1, 1));
    EXPECT_EQ(tk_DSGN.background_srf, nullptr);
    EXPECT_NE(tk_DSGN.font, nullptr);

    // Each template: its name and the size of each of its three phases.
    const tk_DSGN_Struct& d = tk_DSGN;
    struct Template {
        tk_CDAS* sprite;
        const char* name;
        int w, h;
    };
    // clang-format off
    const std::vector<Template> templates = {
        {d._T_x_, "_T_x_", 14, 14}, {d._posuvV_, "_posuvV_", 17, 20}, {d._posuvH_, "_posuvH_", 20, 17},
        {d._posuvV_btnA_, "_posuvV_btnA_", 17, 17}, {d._posuvV_btnB_, "_posuvV_btnB_", 17, 17},
        {d._posuvH_btnA_, "_posuvH_btnA_", 17, 17}, {d._posuvH_btnB_, "_posuvH_btnB_", 17, 17},
        {d._posuvV2_, "_posuvV2_", 14, 10}, {d._posuvH2_, "_posuvH2_", 9, 14}};
    // clang-format on
    for (const Template& t : templates) {
        SCOPED_TRACE(t.name);
        EXPECT_EQ(std::string(t.sprite->name), std::string("tk_DSGN.") + t.name);
        EXPECT_EQ(t.sprite->surface, sheet);
        EXPECT_FALSE(t.sprite->own_surface);
        ASSERT_EQ(t.sprite->phases.count, 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(PhaseOf(t.sprite, i).w, t.w);
            EXPECT_EQ(PhaseOf(t.sprite, i).h, t.h);
        }
        EXPECT_NE(PhaseOf(t.sprite, 0).y * 1000 + PhaseOf(t.sprite, 0).x,
                  PhaseOf(t.sprite, 2).y * 1000 + PhaseOf(t.sprite, 2).x);
    }
    struct Icon {
        const tk_CIcon* icon;
        int w, h;
    };
    // clang-format off
    const std::vector<Icon> icons = {{d.ico_logo, 200, 60}, {d.ico_void, 33, 33}, {d.ico_help, 25, 25},
        {d.ico_ok, 14, 14}, {d.ico_cancel, 14, 14}, {&d._posuvV_track, 17, 17}, {&d._posuvH_track, 17, 17}};
    // clang-format on
    for (const Icon& i : icons) {
        EXPECT_EQ(i.icon->surface, sheet);
        EXPECT_FALSE(i.icon->own_surface);
        EXPECT_EQ(i.icon->phase.w, i.w);
        EXPECT_EQ(i.icon->phase.h, i.h);
    }

    // Torn down: every field empty; then it can be built again.
    EXPECT_EQ(tk_DSGN_DONE(), 1);
    EXPECT_FALSE(tk_DSGN_ready);
    EXPECT_EQ(d.rezia_dll_srf, nullptr);
    EXPECT_EQ(d._posuvV2_, nullptr);
    EXPECT_EQ(d._posuvV_track.surface, nullptr);
    EXPECT_EQ(d.font, nullptr);
    EXPECT_EQ(tk_DSGN_DONE(), 0);
    EXPECT_EQ(tk_DSGN_INIT(), 1);
}

const char* g_back = "";

TEST_F(SkinTest, TheBackgroundIsLoadedOnlyFromAFileThatExists) {
    tk_DSGN_SetBackFileSource([] { return g_back; });
    for (const char* name : {"", "missing.bmp"}) {
        g_back = name;
        ASSERT_EQ(tk_DSGN_INIT(), 1);
        EXPECT_EQ(tk_DSGN.background_srf, nullptr) << name;
        tk_DSGN_DONE();
    }
    WriteFile("back.bmp", Bmp24(8, 6, [](int x, int) { return static_cast<std::uint16_t>(x * 0x0841); }));
    g_back = "back.bmp";
    ASSERT_EQ(tk_DSGN_INIT(), 1);
    // Stretched to the screen, drawn opaque.
    ASSERT_NE(tk_DSGN.background_srf, nullptr);
    EXPECT_EQ(tk_DSGN.background_srf->w, 320);
    EXPECT_EQ(tk_DSGN.background_srf->h, 240);
    EXPECT_EQ(tk_DSGN.background_srf->TC, 0);
}

TEST_F(SkinTest, StockDesignsLendTheTemplatesPictures) {
    // Before the skin exists, and for names outside the list, the sprite only moves.
    tk_CTlac b;
    b.Dsgn1_Stock(5, 6, "_posuvV_btnA_");
    EXPECT_EQ(b.x, 5);
    ASSERT_EQ(tk_DSGN_INIT(), 1);
    b.Dsgn1_Stock(7, 8, "_posuvX_");
    b.Dsgn1_Stock(9, 8, nullptr);
    EXPECT_EQ(b.x, 9);
    EXPECT_EQ(b.surface, nullptr);

    b.Dsgn1_Stock(10, 20, "_posuvV_btnA_");
    EXPECT_EQ(b.surface, tk_DSGN.rezia_dll_srf);
    EXPECT_FALSE(b.own_surface);
    ASSERT_EQ(b.phases.count, 3);
    EXPECT_NE(b.phases.items[0], tk_DSGN._posuvV_btnA_->phases.items[0]);
    // Normal, pointer over and pressed, as the sheet holds them; nothing beyond the picture.
    const std::uint16_t under = 0x1234;
    for (int code : {2, 0, 1}) {
        if (code != 2) b.INFORMUJ_SA(12, 22, code);
        screen.Fill(under);
        b.ZOBRAZ(screen.get());
        EXPECT_EQ(Mismatches(screen, PhaseOf(tk_DSGN._posuvV_btnA_, b.current), 10, 20), 0) << b.current;
        EXPECT_EQ(screen.Pixel(26, 25), under);
        EXPECT_EQ(screen.Pixel(9, 25), under);
    }
    EXPECT_EQ(b.current, 2);

    // A slider of design 1 takes the thumb, of design 2 the small slider.
    tk_CPosuv knob;
    knob.Dsgn(1, 'H', 0, 0, 100);
    EXPECT_EQ(PhaseOf(&knob, 0).w, 20);
    knob.Dsgn(2, 'V', 0, 0, 100);
    EXPECT_EQ(PhaseOf(&knob, 1).h, 10);
}

}  // namespace
}  // namespace tk_test
