// tk_CDas_Surface: its label, loading from resources and files, failed loads and their log lines,
// release and reload, restore and refill, colours read from the sheet and phases located on it.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/graphics/tk_CDas_Surface.h"
#include "tests/graphics/tk_test_sheet.h"

namespace tk_test {
namespace {

using SurfaceTest = SheetWorld;

bool SamePhase(const tk_TFAZA& f, std::vector<int> v) {
    return std::vector<int>{f.x, f.y, f.x2, f.y2, f.w, f.h} == v;
}

// The source colour key a surface carries, or -1 without one.
long KeyOf(IDirectDrawSurface* s) {
    DDSURFACEDESC d{};
    d.dwSize = sizeof(d);
    if (s->GetSurfaceDesc(&d) != DD_OK || !(d.dwFlags & DDSD_CKSRCBLT)) return -1;
    return static_cast<long>(d.ddckCKSrcBlt.dwColorSpaceLowValue);
}

TEST_F(SurfaceTest, ConstructionLabelsAndClears) {
    tk_CDas_Surface plain;
    EXPECT_STREQ(plain.meno, "noname");
    EXPECT_EQ(plain.subor_nazov, nullptr);
    EXPECT_EQ(plain.SURFACE, nullptr);
    EXPECT_EQ(plain.w, 0);
    EXPECT_EQ(plain.h, 0);
    EXPECT_EQ(plain.TC, 0);
    EXPECT_EQ(plain.BC, 0);
    EXPECT_FALSE(plain.stretch);
    tk_CDas_Surface skin("tk_DSGN.rezia_dll_srf");
    EXPECT_STREQ(skin.meno, "tk_DSGN.rezia_dll_srf");
    // A longer label is cut to 30 characters.
    tk_CDas_Surface longer("0123456789012345678901234567890123456789");
    EXPECT_STREQ(longer.meno, "012345678901234567890123456789");
    tk_CDas_Surface unnamed(nullptr);
    EXPECT_STREQ(unnamed.meno, "noname");
}

TEST_F(SurfaceTest, LoadsFromResourceOrFileAndReleasesTheOldSurface) {
    const int live = tkp_LiveSurfaceCount();
    {
        tk_CDas_Surface s;
        EXPECT_EQ(s.NAHRAJ_SURFACE("sheet.bmp"), 1);
        ASSERT_NE(s.SURFACE, nullptr);
        EXPECT_STREQ(s.subor_nazov, "sheet.bmp");
        EXPECT_EQ(s.w, kSheetW);
        EXPECT_EQ(s.h, kSheetH);
        EXPECT_FALSE(s.stretch);
        EXPECT_EQ(PixelOf(s.SURFACE, 35, 6), Letter(5));
        // Loading again, even from its own remembered name, replaces the surface.
        EXPECT_EQ(s.NAHRAJ_SURFACE(dd_, s.subor_nazov), 1);
        EXPECT_STREQ(s.subor_nazov, "sheet.bmp");
        EXPECT_EQ(tkp_LiveSurfaceCount(), live + 1);
        // From a file.
        WriteFile("card.bmp", Bmp24(5, 4, [](int x, int y) { return Letter(x + y); }));
        EXPECT_EQ(s.NAHRAJ_SURFACE("card.bmp"), 1);
        EXPECT_EQ(s.w, 5);
        EXPECT_EQ(s.h, 4);
        EXPECT_EQ(PixelOf(s.SURFACE, 4, 3), Letter(7));
        EXPECT_EQ(tkp_LiveSurfaceCount(), live + 1);
        // Stretched: w and h are the asked size, and the flag is set.
        EXPECT_EQ(s.NAHRAJ_SURFACE_2_stretch("card.bmp", 10, 8), 1);
        EXPECT_EQ(SizeOf(s.SURFACE), std::make_pair(10, 8));
        EXPECT_EQ(s.w, 10);
        EXPECT_EQ(s.h, 8);
        EXPECT_TRUE(s.stretch);
        EXPECT_EQ(s.NAHRAJ_SURFACE("card.bmp"), 1);
        EXPECT_FALSE(s.stretch);
        EXPECT_EQ(tkp_LiveSurfaceCount(), live + 1);
        // Release keeps the name and size; a reload brings the picture back.
        s.RELEASE_SURFACE();
        EXPECT_EQ(s.SURFACE, nullptr);
        EXPECT_EQ(tkp_LiveSurfaceCount(), live);
        EXPECT_STREQ(s.subor_nazov, "card.bmp");
        EXPECT_EQ(s.w, 5);
        s.RELEASE_SURFACE();
        EXPECT_EQ(s.RENAHRAJ_SURFACE(), 1);
        EXPECT_EQ(PixelOf(s.SURFACE, 4, 3), Letter(7));
    }
    // Destruction releases the surface.
    EXPECT_EQ(tkp_LiveSurfaceCount(), live);
    EXPECT_TRUE(LogLines().empty());
}

TEST_F(SurfaceTest, FailedLoadsAreLoggedAndTheProgramGoesOn) {
    tk_CDas_Surface s;
    ASSERT_EQ(s.NAHRAJ_SURFACE("sheet.bmp"), 1);
    EXPECT_EQ(s.NAHRAJ_SURFACE("missing.bmp"), 0);
    EXPECT_EQ(s.SURFACE, nullptr);
    // Not found: the size stays as it was.
    EXPECT_EQ(s.w, kSheetW);
    EXPECT_EQ(s.h, kSheetH);
    EXPECT_EQ(s.NAHRAJ_SURFACE_2_stretch("missing.bmp", 120, 90), 0);
    EXPECT_EQ(s.w, 120);
    EXPECT_EQ(s.h, 90);
    EXPECT_TRUE(s.stretch);
    EXPECT_EQ(s.RENAHRAJ_SURFACE(), 0);
    // A damaged card picture is refused by the loader the same way.
    WriteFile("damaged.bmp", "BM not a picture");
    EXPECT_EQ(s.NAHRAJ_SURFACE("damaged.bmp"), 0);
    // Without a surface, colours and phases do nothing but say so.
    s.TC_NASTAV(1, 1);
    s.BC_NASTAV(0, 0);
    EXPECT_TRUE(SamePhase(s.ZAMERAJ_FAZU(5, 5), {0, 0, 0, 0, 100, 100}));
    EXPECT_EQ(s.TC, 0);
    EXPECT_EQ(s.BC, 0);
    // Restoring or drawing nothing is harmless.
    EXPECT_NE(s.RESTORE_SURFACE(), DD_OK);
    EXPECT_EQ(
        LogLines(),
        (std::vector<std::string>{
            "TK_DSRFC_w(N) : TSKW ERROR:  [tk_CDas_Surface::NAHRAJ_SURFACE() - Neuspesne nahratie SURFACE]",
            "TK_DSRFC_w(N) : subor: [missing.bmp]",
            "TK_DSRFC_w(N) : TSKW ERROR:  [tk_CDas_Surface::NAHRAJ_SURFACE_2_stretch() - Neuspesne nahratie "
            "SURFACE]",
            "TK_DSRFC_w(N) : subor: [missing.bmp]",
            "TK_DSRFC_w(N) : sir,vys: [120] [90]",
            "TK_DSRFC_w(N) : TSKW ERROR:  [tk_CDas_Surface::RENAHRAJ_SURFACE() - Neuspesne nahratie SURFACE]",
            "TK_DSRFC_w(N) : subor: [missing.bmp]",
            "TK_DSRFC_w(N) : TSKW ERROR:  [tk_CDas_Surface::NAHRAJ_SURFACE() - Neuspesne nahratie SURFACE]",
            "TK_DSRFC_w(N) : subor: [damaged.bmp]",
            "TK_DSRFC_w(N) : TSKW ERROR:  [tk_CDas_Surface::TC_NASTAV() - SURFACE == NULL]",
            "TK_DSRFC_w(N) : TSKW ERROR:  [tk_CDas_Surface::BC_NASTAV() - SURFACE == NULL]",
            "TK_DSRFC_w(N) : TSKW ERROR:  [tk_CDas_Surface::ZAMERAJ_FAZU() - SURFACE == NULL]",
        }));
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
    EXPECT_EQ(doubled[static_cast<std::size_t>(13 * 96 + 71)], Letter(5));
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
    EXPECT_EQ(s.BC, kBC);
    EXPECT_EQ(KeyOf(s.SURFACE), -1);
    s.TC_NASTAV(37, 7);
    EXPECT_EQ(s.TC, kTC);
    EXPECT_EQ(KeyOf(s.SURFACE), kTC);

    // Points outside the sheet are refused: nothing read, nothing changed.
    s.TC_NASTAV(48, 0);
    s.TC_NASTAV(-1, 3);
    s.BC_NASTAV(0, 32);
    EXPECT_EQ(s.TC, kTC);
    EXPECT_EQ(s.BC, kBC);
    EXPECT_EQ(KeyOf(s.SURFACE), kTC);
    // A surface that cannot be locked leaves the colours and the key alone.
    tkp_MarkSurfaceLost(s.SURFACE);
    s.TC_NASTAV(0, 0);
    s.BC_NASTAV(37, 7);
    EXPECT_EQ(s.TC, kTC);
    EXPECT_EQ(s.BC, kBC);
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{
                  "TK_DSRFC_w(N) : TSKW ERROR:  [tk_CDas_Surface::TC_NASTAV() - bod mimo SURFACE]",
                  "TK_DSRFC_w(N) : x,y: [48] [0]",
                  "TK_DSRFC_w(N) : TSKW ERROR:  [tk_CDas_Surface::TC_NASTAV() - bod mimo SURFACE]",
                  "TK_DSRFC_w(N) : x,y: [-1] [3]",
                  "TK_DSRFC_w(N) : TSKW ERROR:  [tk_CDas_Surface::BC_NASTAV() - bod mimo SURFACE]",
                  "TK_DSRFC_w(N) : x,y: [0] [32]",
              }));
}

TEST_F(SurfaceTest, PhasesAreLocatedFromAPointInside) {
    tk_CDas_Surface s;
    ASSERT_EQ(s.NAHRAJ_SURFACE("SHEET.BMP"), 1);
    s.BC_NASTAV(0, 10);
    // A phase framed by background: its true size, w and h one more.
    EXPECT_TRUE(SamePhase(s.ZAMERAJ_FAZU(15, 8), {10, 5, 30, 15, 21, 11}));
    EXPECT_TRUE(SamePhase(s.ZAMERAJ_FAZU(10, 5), {10, 5, 30, 15, 21, 11}));
    EXPECT_TRUE(SamePhase(s.ZAMERAJ_FAZU(29, 14), {10, 5, 30, 15, 21, 11}));
    EXPECT_TRUE(SamePhase(s.ZAMERAJ_FAZU(35, 6), {34, 5, 38, 8, 5, 4}));
    // Touching the top-left corner: found from row and column 1.
    EXPECT_TRUE(SamePhase(s.ZAMERAJ_FAZU(2, 2), {1, 1, 6, 4, 6, 4}));
    // Touching the bottom-right corner: ends at the sheet's size.
    EXPECT_TRUE(SamePhase(s.ZAMERAJ_FAZU(44, 28), {40, 26, 48, 32, 9, 7}));
    EXPECT_TRUE(SamePhase(s.ZAMERAJ_FAZU(47, 31), {40, 26, 48, 32, 9, 7}));
    // The extents are measured on the seed's column and row only.
    EXPECT_TRUE(SamePhase(s.ZAMERAJ_FAZU(11, 22), {10, 20, 13, 30, 4, 11}));
    EXPECT_TRUE(SamePhase(s.ZAMERAJ_FAZU(15, 28), {10, 27, 20, 30, 11, 4}));
    // A seed on the background: an empty rectangle just after it.
    EXPECT_TRUE(SamePhase(s.ZAMERAJ_FAZU(5, 20), {6, 21, 6, 21, 1, 1}));
    // Seeds outside the sheet: the default phase, no pixel read.
    for (auto [x, y] : {std::pair{-1, 5}, {48, 5}, {5, -1}, {5, 32}, {100000, 100000}})
        EXPECT_TRUE(SamePhase(s.ZAMERAJ_FAZU(x, y), {0, 0, 0, 0, 100, 100})) << x << "," << y;
    std::vector<std::string> log = LogLines();
    ASSERT_EQ(log.size(), 10u);
    EXPECT_EQ(log[0], "TK_DSRFC_w(N) : TSKW ERROR:  [tk_CDas_Surface::ZAMERAJ_FAZU() - bod mimo SURFACE]");
    EXPECT_EQ(log[1], "TK_DSRFC_w(N) : x,y: [-1] [5]");
    // A surface that cannot be locked gives the default phase.
    tkp_MarkSurfaceLost(s.SURFACE);
    EXPECT_TRUE(SamePhase(s.ZAMERAJ_FAZU(15, 8), {0, 0, 0, 0, 100, 100}));
    // The whole sheet inside its frame; the phase's own constructors.
    EXPECT_TRUE(SamePhase(s.ZAMERAJ_FAZU_CS(), {1, 1, 47, 31, 48, 32}));
    EXPECT_TRUE(SamePhase(tk_TFAZA(), {0, 0, 0, 0, 100, 100}));
    EXPECT_TRUE(SamePhase(tk_TFAZA(3, 4, 10, 6), {3, 4, 12, 9, 10, 6}));
}

TEST_F(SurfaceTest, TheCommittedSheetsLoadFromFilesAndTheirPhasesAreFound) {
    tk_CDas_Surface skin("tk_DSGN.rezia_dll_srf");
    ASSERT_EQ(skin.NAHRAJ_SURFACE(RepoPath("resources/rezia_dll.bmp").c_str()), 1);
    skin.TC_NASTAV(1, 1);
    skin.BC_NASTAV(0, 0);
    EXPECT_NE(skin.TC, skin.BC);
    EXPECT_TRUE(SamePhase(skin.ZAMERAJ_FAZU_CS(), {1, 1, 234, 210, 235, 211}));
    tk_TFAZA ok = skin.ZAMERAJ_FAZU(45, 40);
    EXPECT_EQ(ok.w, 14);
    EXPECT_EQ(ok.h, 14);
    tk_TFAZA logo = skin.ZAMERAJ_FAZU(100, 180);
    EXPECT_EQ(logo.w, 200);
    EXPECT_EQ(logo.h, 60);
    tk_TFAZA close = skin.ZAMERAJ_FAZU(80, 10);
    EXPECT_EQ(close.x2 - close.x + 1, close.w);
    EXPECT_EQ(close.w, 26);

    tk_CDas_Surface game;
    ASSERT_EQ(game.NAHRAJ_SURFACE(RepoPath("resources/rezia.bmp").c_str()), 1);
    game.BC_NASTAV(0, 0);
    game.TC_NASTAV(3, 3);
    EXPECT_EQ(game.ZAMERAJ_FAZU(80, 10).w - 1, 140);
    tk_TFAZA icon = game.ZAMERAJ_FAZU(20, 40);
    EXPECT_EQ(icon.w - 1, 32);
    EXPECT_EQ(icon.h - 1, 32);
    EXPECT_TRUE(LogLines().empty());
}

}  // namespace
}  // namespace tk_test
