// tk_CDas_Surface: loading from resources and files, failed loads and their log lines, release and
// reload, restore and refill, colours read from the sheet and phases located on it.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/graphics/tk_CDas_Surface.h"
#include "tests/graphics/tk_test_sheet.h"
#include "tests/graphics/tk_test_surface.h"

namespace tk_test {
namespace {

using SurfaceTest = SheetWorld;

std::string Phase(const tk_TFAZA& f) {
    return Nums(f.x, f.y, f.x2, f.y2, f.w, f.h);
}

// The source colour key a surface carries, or -1 without one.
long KeyOf(IDirectDrawSurface* s) {
    DDSURFACEDESC d{};
    d.dwSize = sizeof(d);
    if (s->GetSurfaceDesc(&d) != DD_OK || !(d.dwFlags & DDSD_CKSRCBLT)) return -1;
    return static_cast<long>(d.ddckCKSrcBlt.dwColorSpaceLowValue);
}

TEST_F(SurfaceTest, LoadsReplacesReleasesAndReloads) {
    // Labels are cut to 30 characters.
    EXPECT_STREQ(tk_CDas_Surface("0123456789012345678901234567890123456789").meno,
                 "012345678901234567890123456789");
    EXPECT_STREQ(tk_CDas_Surface(nullptr).meno, "noname");
    const int live = tkp_LiveSurfaceCount();
    {
        tk_CDas_Surface s;
        EXPECT_EQ(s.NAHRAJ_SURFACE("sheet.bmp"), 1);
        EXPECT_EQ(Nums(s.w, s.h, PixelOf(s.SURFACE, 35, 6)), Nums(kSheetW, kSheetH, Letter(5)));
        // Loading again, even from its own remembered name, replaces the surface.
        EXPECT_EQ(s.NAHRAJ_SURFACE(dd_, s.subor_nazov), 1);
        EXPECT_STREQ(s.subor_nazov, "sheet.bmp");
        WriteFile("card.bmp", Bmp24(5, 4, [](int x, int y) { return Letter(x + y); }));
        EXPECT_EQ(s.NAHRAJ_SURFACE("card.bmp"), 1);
        EXPECT_EQ(Nums(s.w, s.h, PixelOf(s.SURFACE, 4, 3)), Nums(5, 4, Letter(7)));
        // Stretched: w and h are the asked size and the flag is set, until a plain load.
        EXPECT_EQ(s.NAHRAJ_SURFACE_2_stretch("card.bmp", 10, 8), 1);
        EXPECT_EQ(Nums(SizeOf(s.SURFACE).first, SizeOf(s.SURFACE).second, s.w, s.h, s.stretch),
                  "10,8,10,8,1");
        EXPECT_EQ(s.NAHRAJ_SURFACE("card.bmp"), 1);
        EXPECT_FALSE(s.stretch);
        EXPECT_EQ(tkp_LiveSurfaceCount(), live + 1);
        // Released (twice is harmless), it keeps its name and size; a reload brings the picture back.
        s.RELEASE_SURFACE();
        s.RELEASE_SURFACE();
        EXPECT_EQ(Nums(s.SURFACE == nullptr, tkp_LiveSurfaceCount() - live, s.w), "1,0,5");
        EXPECT_EQ(s.RENAHRAJ_SURFACE(), 1);
        EXPECT_EQ(PixelOf(s.SURFACE, 4, 3), Letter(7));
    }
    EXPECT_EQ(tkp_LiveSurfaceCount(), live);
    EXPECT_TRUE(LogLines().empty());
}

TEST_F(SurfaceTest, FailedLoadsAreLoggedAndTheProgramGoesOn) {
    tk_CDas_Surface s;
    ASSERT_EQ(s.NAHRAJ_SURFACE("sheet.bmp"), 1);
    // Not found: no surface, the size as it was; stretched, the asked size.
    EXPECT_EQ(s.NAHRAJ_SURFACE("missing.bmp"), 0);
    EXPECT_EQ(Nums(s.SURFACE == nullptr, s.w, s.h), Nums(1, kSheetW, kSheetH));
    EXPECT_EQ(s.NAHRAJ_SURFACE_2_stretch("missing.bmp", 120, 90), 0);
    EXPECT_EQ(Nums(s.w, s.h, s.stretch), "120,90,1");
    EXPECT_EQ(s.RENAHRAJ_SURFACE(), 0);
    WriteFile("damaged.bmp", "BM not a picture");
    EXPECT_EQ(s.NAHRAJ_SURFACE("damaged.bmp"), 0);
    // Without a surface, colours and phases do nothing but say so.
    s.TC_NASTAV(1, 1);
    s.BC_NASTAV(0, 0);
    EXPECT_EQ(Phase(s.ZAMERAJ_FAZU(5, 5)), "0,0,0,0,100,100");
    EXPECT_EQ(Nums(s.TC, s.BC), "0,0");
    EXPECT_NE(s.RESTORE_SURFACE(), DD_OK);
    const std::vector<std::string> log = LogLines();
    ASSERT_EQ(log.size(), 12u);
    for (int i : {0, 2, 5, 7}) EXPECT_NE(log[i].find("() - Neuspesne nahratie SURFACE]"), std::string::npos);
    EXPECT_EQ(log[4] + log[8], "TK_DSRFC_w(N) : sir,vys: [120] [90]TK_DSRFC_w(N) : subor: [damaged.bmp]");
    EXPECT_EQ(log[11], "TK_DSRFC_w(N) : TSKW ERROR:  [tk_CDas_Surface::ZAMERAJ_FAZU() - SURFACE == NULL]");
    // The loader itself speaks only to the debugger.
    EXPECT_NE(tkp_TakeDebugOutput().find("damaged.bmp"), std::string::npos);
}

TEST_F(SurfaceTest, ReloadingWhatWasNeverLoadedStopsTheProgram) {
    tk_CDas_Surface s;
    EXPECT_DEATH(s.RENAHRAJ_SURFACE(), "RENAHRAJ_SURFACE\\(\\) - subor_nazov == NULL");
}

TEST_F(SurfaceTest, RestoreRefillsAtTheLoadedSizeAndKeepsTheKey) {
    tk_CDas_Surface s;
    ASSERT_EQ(s.NAHRAJ_SURFACE("SHEET.BMP"), 1);
    s.TC_NASTAV(37, 7);
    const std::vector<std::uint16_t> sheet = PixelsOf(s.SURFACE);
    tkp_MarkSurfaceLost(s.SURFACE);
    EXPECT_EQ(s.RESTORE_SURFACE(), DD_OK);
    EXPECT_EQ(PixelsOf(s.SURFACE), sheet);
    EXPECT_EQ(KeyOf(s.SURFACE), kTC);
    // Stretched to twice its size: the refill is stretched too, not the bitmap's own size.
    ASSERT_EQ(s.NAHRAJ_SURFACE_2_stretch("SHEET.BMP", 96, 64), 1);
    const std::vector<std::uint16_t> doubled = PixelsOf(s.SURFACE);
    EXPECT_EQ(doubled[13 * 96 + 71], Letter(5));
    tkp_MarkSurfaceLost(s.SURFACE);
    EXPECT_EQ(s.RESTORE_SURFACE(), DD_OK);
    EXPECT_EQ(PixelsOf(s.SURFACE), doubled);
    // A restore whose refill fails still reports the restore's success.
    WriteFile("gone.bmp", SheetBmp());
    ASSERT_EQ(s.NAHRAJ_SURFACE("gone.bmp"), 1);
    std::remove("gone.bmp");
    tkp_MarkSurfaceLost(s.SURFACE);
    EXPECT_EQ(s.RESTORE_SURFACE(), DD_OK);
    EXPECT_EQ(PixelOf(s.SURFACE, 1, 0), tkp_LostPatternPixel(1, 0));
    EXPECT_EQ(tkp_TakeDebugOutput(), "handle is null\n");
}

TEST_F(SurfaceTest, ColoursComeFromPixelsOfTheSheet) {
    tk_CDas_Surface s;
    ASSERT_EQ(s.NAHRAJ_SURFACE("SHEET.BMP"), 1);
    s.BC_NASTAV(0, 10);
    EXPECT_EQ(Nums(s.BC, KeyOf(s.SURFACE)), Nums(kBC, -1));
    s.TC_NASTAV(37, 7);
    EXPECT_EQ(Nums(s.TC, KeyOf(s.SURFACE)), Nums(kTC, kTC));
    // Points outside the sheet are refused, and a surface that cannot be locked is not read.
    s.TC_NASTAV(48, 0);
    s.TC_NASTAV(-1, 3);
    s.BC_NASTAV(0, 32);
    EXPECT_EQ(Nums(s.TC, s.BC, KeyOf(s.SURFACE)), Nums(kTC, kBC, kTC));
    tkp_MarkSurfaceLost(s.SURFACE);
    s.TC_NASTAV(0, 0);
    s.BC_NASTAV(37, 7);
    EXPECT_EQ(Nums(s.TC, s.BC), Nums(kTC, kBC));
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{
                  "TK_DSRFC_w(N) : TSKW ERROR:  [tk_CDas_Surface::TC_NASTAV() - bod mimo SURFACE]",
                  "TK_DSRFC_w(N) : x,y: [48] [0]",
                  "TK_DSRFC_w(N) : TSKW ERROR:  [tk_CDas_Surface::TC_NASTAV() - bod mimo SURFACE]",
                  "TK_DSRFC_w(N) : x,y: [-1] [3]",
                  "TK_DSRFC_w(N) : TSKW ERROR:  [tk_CDas_Surface::BC_NASTAV() - bod mimo SURFACE]",
                  "TK_DSRFC_w(N) : x,y: [0] [32]"}));
}

TEST_F(SurfaceTest, PhasesAreLocatedFromAPointInside) {
    tk_CDas_Surface s;
    ASSERT_EQ(s.NAHRAJ_SURFACE("SHEET.BMP"), 1);
    s.BC_NASTAV(0, 10);
    // A phase framed by background has w and h one more than its size; one touching the top-left
    // corner is found from row and column 1, one touching the bottom-right ends at the sheet's
    // size; the extents are measured on the seed's column and row only (the L); a seed on the
    // background gives an empty rectangle just after it.
    const struct {
        int x, y;
        const char* phase;
    } cases[] = {{15, 8, "10,5,30,15,21,11"}, {10, 5, "10,5,30,15,21,11"},  {29, 14, "10,5,30,15,21,11"},
                 {35, 6, "34,5,38,8,5,4"},    {2, 2, "1,1,6,4,6,4"},        {44, 28, "40,26,48,32,9,7"},
                 {47, 31, "40,26,48,32,9,7"}, {11, 22, "10,20,13,30,4,11"}, {15, 28, "10,27,20,30,11,4"},
                 {5, 20, "6,21,6,21,1,1"}};
    for (const auto& c : cases) EXPECT_EQ(Phase(s.ZAMERAJ_FAZU(c.x, c.y)), c.phase) << c.x << "," << c.y;
    // Seeds outside the sheet, or a sheet that cannot be locked: the default phase.
    for (auto [x, y] : {std::pair{-1, 5}, {48, 5}, {5, -1}, {5, 32}, {100000, 100000}})
        EXPECT_EQ(Phase(s.ZAMERAJ_FAZU(x, y)), "0,0,0,0,100,100") << x << "," << y;
    const std::vector<std::string> log = LogLines();
    ASSERT_EQ(log.size(), 10u);
    EXPECT_EQ(log[0], "TK_DSRFC_w(N) : TSKW ERROR:  [tk_CDas_Surface::ZAMERAJ_FAZU() - bod mimo SURFACE]");
    EXPECT_EQ(log[1], "TK_DSRFC_w(N) : x,y: [-1] [5]");
    tkp_MarkSurfaceLost(s.SURFACE);
    EXPECT_EQ(Phase(s.ZAMERAJ_FAZU(15, 8)), "0,0,0,0,100,100");
    // The whole sheet inside its frame; a phase built from its corner and size.
    EXPECT_EQ(Phase(s.ZAMERAJ_FAZU_CS()), "1,1,47,31,48,32");
    EXPECT_EQ(Phase(tk_TFAZA(3, 4, 10, 6)), "3,4,12,9,10,6");
}

TEST_F(SurfaceTest, TheCommittedSheetsLoadFromFilesAndTheirPhasesAreFound) {
    tk_CDas_Surface skin("tk_DSGN.rezia_dll_srf"), game;
    ASSERT_EQ(skin.NAHRAJ_SURFACE(RepoPath("resources/rezia_dll.bmp").c_str()), 1);
    skin.TC_NASTAV(1, 1);
    skin.BC_NASTAV(0, 0);
    EXPECT_NE(skin.TC, skin.BC);
    EXPECT_EQ(Phase(skin.ZAMERAJ_FAZU_CS()), "1,1,234,210,235,211");
    // The OK mark, the logo and the close button.
    EXPECT_EQ(Nums(skin.ZAMERAJ_FAZU(45, 40).w, skin.ZAMERAJ_FAZU(45, 40).h), "14,14");
    EXPECT_EQ(Nums(skin.ZAMERAJ_FAZU(100, 180).w, skin.ZAMERAJ_FAZU(100, 180).h), "200,60");
    const tk_TFAZA close = skin.ZAMERAJ_FAZU(80, 10);
    EXPECT_EQ(Nums(close.x2 - close.x + 1, close.w), "26,26");
    ASSERT_EQ(game.NAHRAJ_SURFACE(RepoPath("resources/rezia.bmp").c_str()), 1);
    game.BC_NASTAV(0, 0);
    game.TC_NASTAV(3, 3);
    EXPECT_EQ(Nums(game.ZAMERAJ_FAZU(80, 10).w, game.ZAMERAJ_FAZU(20, 40).w, game.ZAMERAJ_FAZU(20, 40).h),
              "141,33,33");
    EXPECT_TRUE(LogLines().empty());
}

}  // namespace
}  // namespace tk_test
