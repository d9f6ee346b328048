// The framework skin: built once from the program's own rezia_dll.bmp with its templates and
// icons at their sizes, torn down and built again, the background picture, and stock designs
// lending the templates' pictures to new controls, drawn to the pixel.
#include <gtest/gtest.h>

#include <string>

#include "framework/widgets/tk_CPosuv.h"
#include "framework/widgets/tk_CTlac.h"
#include "tests/common/widgets/tk_skin_world.h"

namespace tk_test {
namespace {

using SkinTest = SkinWorld;

TEST_F(SkinTest, BuiltOnceWithEveryTemplateAndIconOnTheSheetAndBuiltAgainAfterTearDown) {
    EXPECT_EQ(tk_DSGN_DONE(), 0);
    ASSERT_EQ(tk_DSGN_INIT(), 1);
    const tk_DSGN_Struct& d = tk_DSGN;
    tk_CDas_Surface* sheet = d.rezia_dll_srf;
    ASSERT_NE(sheet->SURFACE, nullptr);
    EXPECT_EQ(tk_DSGN_INIT(), 0);
    EXPECT_EQ(d.rezia_dll_srf, sheet);
    EXPECT_EQ(Nums(sheet->w, sheet->h, sheet->BC, sheet->TC),
              Nums(235, 211, SheetPixel(0, 0), SheetPixel(1, 1)));
    EXPECT_TRUE(d.background_srf == nullptr && d.font != nullptr);
    // Each template: its name, the shared sheet, and the size of each of its three phases, the
    // first and the last apart; each icon on the shared sheet at its size.
    // clang-format off
    const std::tuple<tk_CDAS*, const char*, const char*> templates[] = {
        {d._T_x_, "_T_x_", "14,14"}, {d._posuvV_, "_posuvV_", "17,20"}, {d._posuvH_, "_posuvH_", "20,17"},
        {d._posuvV_btnA_, "_posuvV_btnA_", "17,17"}, {d._posuvV_btnB_, "_posuvV_btnB_", "17,17"},
        {d._posuvH_btnA_, "_posuvH_btnA_", "17,17"}, {d._posuvH_btnB_, "_posuvH_btnB_", "17,17"},
        {d._posuvV2_, "_posuvV2_", "14,10"}, {d._posuvH2_, "_posuvH2_", "9,14"}};
    const std::pair<const tk_CIcon*, const char*> icons[] = {
        {d.ico_logo, "200,60"}, {d.ico_void, "33,33"}, {d.ico_help, "25,25"}, {d.ico_ok, "14,14"},
        {d.ico_cancel, "14,14"}, {&d._posuvV_track, "17,17"}, {&d._posuvH_track, "17,17"}};
    // clang-format on
    for (const auto& [sprite, name, size] : templates) {
        ASSERT_EQ(sprite->phases.count, 3) << name;
        std::string sizes;
        for (int i = 0; i < 3; ++i) sizes += " " + Nums(PhaseOf(sprite, i).w, PhaseOf(sprite, i).h);
        EXPECT_EQ(
            std::string(sprite->name) + " " + Nums(sprite->surface == sheet, sprite->own_surface) + sizes,
            std::string("tk_DSGN.") + name + " 1,0 " + size + " " + size + " " + size);
        EXPECT_NE(Nums(PhaseOf(sprite, 0).x, PhaseOf(sprite, 0).y),
                  Nums(PhaseOf(sprite, 2).x, PhaseOf(sprite, 2).y));
    }
    for (const auto& [icon, size] : icons)
        EXPECT_EQ(Nums(icon->surface == sheet, icon->own_surface, icon->phase.w, icon->phase.h),
                  "1,0," + std::string(size));
    // Torn down: every field empty; then it can be built again.
    EXPECT_EQ(tk_DSGN_DONE(), 1);
    EXPECT_FALSE(tk_DSGN_ready);
    EXPECT_TRUE(!d.rezia_dll_srf && !d._posuvV2_ && !d._posuvV_track.surface && !d.font);
    EXPECT_EQ(tk_DSGN_DONE(), 0);
    EXPECT_EQ(tk_DSGN_INIT(), 1);
}

const char* g_back = "";

TEST_F(SkinTest, TheBackgroundIsLoadedOnlyFromAFileThatExistsStretchedToTheScreen) {
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
    ASSERT_NE(tk_DSGN.background_srf, nullptr);
    EXPECT_EQ(Nums(tk_DSGN.background_srf->w, tk_DSGN.background_srf->h, tk_DSGN.background_srf->TC),
              "320,240,0");
}

TEST_F(SkinTest, StockDesignsLendTheTemplatesPictures) {
    // Before the skin exists the sprite only moves.
    tk_CTlac b;
    b.Dsgn1_Stock(5, 6, "_posuvV_btnA_");
    EXPECT_EQ(Nums(b.x, b.surface == nullptr), "5,1");
    ASSERT_EQ(tk_DSGN_INIT(), 1);
    // The template's sheet and copies of its phases.
    b.Dsgn1_Stock(10, 20, "_posuvV_btnA_");
    EXPECT_EQ(Nums(b.surface == tk_DSGN.rezia_dll_srf, b.own_surface, b.phases.count,
                   b.phases.items[0] != tk_DSGN._posuvV_btnA_->phases.items[0]),
              "1,0,3,1");
    // Normal, pointer over and pressed, as the sheet holds them; nothing beyond the picture.
    for (int code : {2, 0, 1}) {
        if (code != 2) b.INFORMUJ_SA(12, 22, code);
        screen.Fill(0x1234);
        b.ZOBRAZ(screen.get());
        EXPECT_EQ(Mismatches(screen, PhaseOf(tk_DSGN._posuvV_btnA_, b.current), 10, 20), 0) << b.current;
        EXPECT_EQ(Nums(screen.Pixel(26, 25), screen.Pixel(9, 25)), Nums(0x1234, 0x1234));
    }
    EXPECT_EQ(b.current, 2);
    // A slider of design 1 takes the thumb.
    tk_CPosuv knob;
    knob.Dsgn(1, 'V', 0, 0, 100);
    EXPECT_EQ(PhaseOf(&knob, 0).h, 20);
}

}  // namespace
}  // namespace tk_test
