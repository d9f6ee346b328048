// The framework skin: built once from the program's own rezia_dll.bmp, its templates and icons
// located on the sheet at their sizes, torn down and built again, the background picture, and
// Dsgn1_Stock lending the templates' pictures to new controls, drawn to the pixel.
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

// A template sprite and the sizes its normal and pressed phases must have.
struct Expected {
    tk_CDAS* sprite;
    const char* name;
    int w, h;
};

tk_TFAZA PhaseOf(tk_CDAS* s, int i) {
    return *static_cast<tk_TFAZA*>(s->phases.items[i]);
}

bool SamePhase(const tk_TFAZA& a, const tk_TFAZA& b) {
    return a.x == b.x && a.y == b.y && a.x2 == b.x2 && a.y2 == b.y2 && a.w == b.w && a.h == b.h;
}

TEST_F(SkinTest, BuiltOnceWithEveryTemplateAndIconOnTheSheet) {
    EXPECT_FALSE(tk_DSGN_ready);
    EXPECT_EQ(tk_DSGN_DONE(), 0);
    ASSERT_EQ(tk_DSGN_INIT(), 1);
    EXPECT_TRUE(tk_DSGN_ready);
    tk_CDas_Surface* sheet = tk_DSGN.rezia_dll_srf;
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(tk_DSGN_INIT(), 0);
    EXPECT_EQ(tk_DSGN.rezia_dll_srf, sheet);
    ASSERT_NE(sheet->SURFACE, nullptr);
    EXPECT_STREQ(sheet->meno, "tk_DSGN.rezia_dll_srf");
    EXPECT_EQ(sheet->w, 235);
    EXPECT_EQ(sheet->h, 211);
    EXPECT_EQ(sheet->BC, SheetPixel(0, 0));
    EXPECT_EQ(sheet->TC, SheetPixel(1, 1));
    EXPECT_NE(sheet->TC, sheet->BC);
    EXPECT_EQ(tk_DSGN.background_srf, nullptr);
    EXPECT_NE(tk_DSGN.font, nullptr);

    const tk_DSGN_Struct& d = tk_DSGN;
    const std::vector<Expected> templates = {
        {d._T_x_, "_T_x_", 14, 14},
        {d._posuvV_, "_posuvV_", 17, 20},
        {d._posuvV_btnA_, "_posuvV_btnA_", 17, 17},
        {d._posuvV_btnB_, "_posuvV_btnB_", 17, 17},
        {d._posuvH_, "_posuvH_", 20, 17},
        {d._posuvH_btnA_, "_posuvH_btnA_", 17, 17},
        {d._posuvH_btnB_, "_posuvH_btnB_", 17, 17},
        {d._posuvV2_, "_posuvV2_", 14, 10},
        {d._posuvH2_, "_posuvH2_", 9, 14},
    };
    for (const Expected& e : templates) {
        SCOPED_TRACE(e.name);
        ASSERT_NE(e.sprite, nullptr);
        EXPECT_EQ(std::string(e.sprite->name), std::string("tk_DSGN.") + e.name);
        EXPECT_EQ(e.sprite->surface, sheet);
        EXPECT_FALSE(e.sprite->own_surface);
        ASSERT_EQ(e.sprite->phases.count, 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(PhaseOf(e.sprite, i).w, e.w);
            EXPECT_EQ(PhaseOf(e.sprite, i).h, e.h);
        }
        // The pressed picture is another phase than the normal one.
        EXPECT_FALSE(SamePhase(PhaseOf(e.sprite, 0), PhaseOf(e.sprite, 2)));
    }
    EXPECT_EQ(d._T_x_->class_id, 4);
    EXPECT_EQ(d._posuvV_->class_id, 5);
    EXPECT_EQ(d._posuvH2_->class_id, 5);

    struct Icon {
        const tk_CIcon* icon;
        int w, h;
    };
    const std::vector<Icon> icons = {
        {d.ico_logo, 200, 60},  {d.ico_void, 33, 33},       {d.ico_help, 25, 25},       {d.ico_ok, 14, 14},
        {d.ico_cancel, 14, 14}, {&d._posuvV_track, 17, 17}, {&d._posuvH_track, 17, 17},
    };
    for (const Icon& i : icons) {
        ASSERT_NE(i.icon, nullptr);
        EXPECT_EQ(i.icon->surface, sheet);
        EXPECT_FALSE(i.icon->own_surface);
        EXPECT_TRUE(i.icon->visible);
        EXPECT_EQ(i.icon->phase.w, i.w);
        EXPECT_EQ(i.icon->phase.h, i.h);
    }
    EXPECT_FALSE(SamePhase(d.ico_ok->phase, d.ico_cancel->phase));

    // Torn down: every field empty; then it can be built again.
    EXPECT_EQ(tk_DSGN_DONE(), 1);
    EXPECT_FALSE(tk_DSGN_ready);
    EXPECT_EQ(d.rezia_dll_srf, nullptr);
    EXPECT_EQ(d._T_x_, nullptr);
    EXPECT_EQ(d.ico_logo, nullptr);
    EXPECT_EQ(d._posuvV2_, nullptr);
    EXPECT_EQ(d._posuvV_track.surface, nullptr);
    EXPECT_EQ(d.font, nullptr);
    EXPECT_EQ(tk_DSGN_DONE(), 0);
    EXPECT_EQ(tk_DSGN_INIT(), 1);
    EXPECT_EQ(d._posuvH_track.phase.w, 17);
}

const char* g_back = "";
const char* BackFile() {
    return g_back;
}

TEST_F(SkinTest, TheBackgroundIsLoadedOnlyFromAFileThatExists) {
    tk_DSGN_SetBackFileSource(BackFile);
    for (const char* name : {"", "missing.bmp"}) {
        g_back = name;
        ASSERT_EQ(tk_DSGN_INIT(), 1);
        EXPECT_EQ(tk_DSGN.background_srf, nullptr) << name;
        tk_DSGN_DONE();
    }
    WriteFile("back.bmp", Bmp24(8, 6, [](int x, int) { return static_cast<std::uint16_t>(x * 0x0841); }));
    g_back = "back.bmp";
    ASSERT_EQ(tk_DSGN_INIT(), 1);
    tk_CDas_Surface* back = tk_DSGN.background_srf;
    ASSERT_NE(back, nullptr);
    EXPECT_STREQ(back->meno, "tk_DSGN.background_srf");
    EXPECT_NE(back->SURFACE, nullptr);
    // Stretched to the screen, and drawn opaque.
    EXPECT_EQ(back->w, kScreenW);
    EXPECT_EQ(back->h, kScreenH);
    EXPECT_EQ(back->TC, 0);
    tk_DSGN_DONE();
    EXPECT_EQ(tk_DSGN.background_srf, nullptr);
}

TEST_F(SkinTest, StockDesignsLendTheTemplatesPictures) {
    // Before the skin exists, and for names outside the list, the sprite only moves.
    tk_CTlac early;
    early.Dsgn1_Stock(5, 6, "_posuvV_btnA_");
    EXPECT_EQ(early.x, 5);
    EXPECT_EQ(early.y, 6);
    EXPECT_EQ(early.surface, nullptr);

    ASSERT_EQ(tk_DSGN_INIT(), 1);
    tk_CTlac other;
    other.Dsgn1_Stock(7, 8, "_posuvX_");
    other.Dsgn1_Stock(9, 8, nullptr);
    EXPECT_EQ(other.x, 9);
    EXPECT_EQ(other.surface, nullptr);
    EXPECT_EQ(other.phases.count, 0);

    tk_CTlac b;
    b.Dsgn1_Stock(10, 20, "_posuvV_btnA_");
    EXPECT_EQ(b.x, 10);
    EXPECT_EQ(b.y, 20);
    EXPECT_EQ(b.surface, tk_DSGN.rezia_dll_srf);
    EXPECT_FALSE(b.own_surface);
    ASSERT_EQ(b.phases.count, 3);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(SamePhase(PhaseOf(&b, i), PhaseOf(tk_DSGN._posuvV_btnA_, i)));
    // The copies are the button's own: its template keeps its records.
    EXPECT_NE(b.phases.items[0], tk_DSGN._posuvV_btnA_->phases.items[0]);
    int w = 0, h = 0;
    b.GetSize(&w, &h);
    EXPECT_EQ(w, 17);
    EXPECT_EQ(h, 17);

    // Normal, pointer over and pressed, keyed over the screen's colour.
    const std::uint16_t under = 0x1234;
    const std::vector<std::vector<int>> events = {{}, {12, 22, 0}, {12, 22, 1}};
    for (int phase = 0; phase < 3; ++phase) {
        SCOPED_TRACE(phase);
        if (!events[phase].empty()) b.INFORMUJ_SA(events[phase][0], events[phase][1], events[phase][2]);
        ASSERT_EQ(b.current, phase);
        screen.Fill(under);
        b.ZOBRAZ(screen.get());
        EXPECT_EQ(PhaseMismatches(PhaseOf(&b, phase), 10, 20, under), 0);
        // Nothing beyond the picture: its last drawn column is x + w - 2.
        EXPECT_EQ(screen.Pixel(10 + 16, 20 + 5), under);
        EXPECT_EQ(screen.Pixel(9, 20 + 5), under);
    }
    // The pressed arrow differs from the normal one on the screen.
    EXPECT_FALSE(SamePhase(PhaseOf(&b, 0), PhaseOf(&b, 2)));

    // A slider of design 1 and 2 takes the thumb and the small slider.
    tk_CPosuv knob;
    knob.Dsgn(1, 'H', 0, 0, 100);
    ASSERT_EQ(knob.phases.count, 3);
    EXPECT_EQ(PhaseOf(&knob, 0).w, 20);
    tk_CPosuv small;
    small.Dsgn(2, 'V', 0, 0, 100);
    ASSERT_EQ(small.phases.count, 3);
    EXPECT_EQ(PhaseOf(&small, 1).h, 10);
}

}  // namespace
}  // namespace tk_test
