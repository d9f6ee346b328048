// Sprite sheets: bitmaps loaded into surfaces from resources and files, at their size or
// stretched, refilled when lost, colours of pixels; tk_CDas_Surface's loads, releases, restores,
// colours and phases located on a drawn sheet; and its drawing: phases clipped at every screen
// edge, mirrored, clipped to a window, keyed or opaque, stretched, centred and blended, the fill,
// the retry rule against lost and busy surfaces.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/graphics/tk_DDBitmap.h"
#include "platform/ddraw/surface_access.h"
#include "platform/platform.h"
#include "platform/testing/test_hooks.h"
#include "tests/common/graphics/tk_test_sheet.h"

namespace tk_test {
namespace {

constexpr HRESULT kEFail = static_cast<HRESULT>(0x80004005u);
constexpr const char* kDefaultPhase = "0,0,0,0,100,100";

using SheetTest = SheetWorld;
using Raw = std::vector<std::uint16_t>;

std::string dims(IDirectDrawSurface* s) {
    return Nums(SizeOf(s).first, SizeOf(s).second);
}
std::string phaseOf(const tk_TFAZA& f) {
    return Nums(f.x, f.y, f.x2, f.y2, f.w, f.h);
}
// The source colour key a surface carries, or -1 without one.
long keyOf(IDirectDrawSurface* s) {
    DDSURFACEDESC d{};
    d.dwSize = sizeof(d);
    if (s->GetSurfaceDesc(&d) != DD_OK || !(d.dwFlags & DDSD_CKSRCBLT)) return -1;
    return static_cast<long>(d.ddckCKSrcBlt.dwColorSpaceLowValue);
}

TEST_F(SheetTest, BitmapsLoadResourceFirstWithoutRegardToCaseThenFileAtTheirSizeOrStretched) {
    // A file of the same name as the resource does not count (files alone are LoadImageA's).
    WriteFile("sheet.bmp", Bmp24(2, 2, [](int, int) { return std::uint16_t{0xFFFF}; }));
    int w = -1, h = -1;
    IDirectDrawSurface* s = DDCreateSurfaceFromBitmap(dd_, "sheet.bmp", 0, 0, &w, &h);
    EXPECT_EQ(Nums(w, h) + " " + dims(s) + " " + Nums(PixelOf(s, 35, 6)), "48,32 48,32 " + Nums(Letter(5)));
    s->Release();
    // Neither a resource nor a file: null, the sizes untouched, nothing said.
    w = h = -1;
    EXPECT_EQ(DDCreateSurfaceFromBitmap(dd_, "missing.bmp", 0, 0, &w, &h), nullptr);
    EXPECT_EQ(DDCreateSurfaceFromBitmap(dd_, nullptr, 0, 0, &w, &h), nullptr);
    EXPECT_EQ(DDCreateSurfaceFromBitmap(nullptr, "sheet.bmp", 0, 0, nullptr, nullptr), nullptr);
    EXPECT_EQ(DDCreateSurfaceFromBitmap_stretch(dd_, "missing.bmp", 10, 10), nullptr);
    EXPECT_EQ(Nums(w, h) + tkp::testing::TakeDebugOutput(), "-1,-1");
    // Four quadrants, so that the corners of any scaled copy are known: the whole picture shows,
    // stretched or at a load size, which the plain loader reports.
    ASSERT_TRUE(RegisterBitmap("BIG.BMP", Bmp24(235, 211, [](int x, int y) -> std::uint16_t {
                                   return y < 105 ? (x < 117 ? 0x001F : 0x07E0) : (x < 117 ? 0xF800 : 0xFFFF);
                               })));
    s = DDCreateSurfaceFromBitmap_stretch(dd_, "big.bmp", 100, 80);
    EXPECT_EQ(
        dims(s) + " " + Nums(PixelOf(s, 0, 0), PixelOf(s, 99, 0), PixelOf(s, 0, 79), PixelOf(s, 99, 79)),
        "100,80 " + Nums(0x001F, 0x07E0, 0xF800, 0xFFFF));
    s->Release();
    s = DDCreateSurfaceFromBitmap(dd_, "BIG.BMP", 50, 40, &w, &h);
    EXPECT_EQ(Nums(w, h) + " " + dims(s) + " " + Nums(PixelOf(s, 49, 39)), "50,40 50,40 65535");
    s->Release();
}

TEST_F(SheetTest, CopiesStretchOverTheSurfaceAndFailedRefillsLeaveItAndSaySo) {
    ASSERT_TRUE(RegisterBitmap("TWO.BMP", Bmp24(2, 1, [](int x, int) { return Letter(x); })));
    auto bitmap =
        static_cast<HBITMAP>(LoadImageA(nullptr, "TWO.BMP", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    TestSurface target(4, 2);
    // The whole bitmap over the whole surface; a lost surface is restored before it is written.
    tkp::testing::MarkSurfaceLost(target.get());
    EXPECT_EQ(DDCopyBitmap(target.get(), bitmap, 0, 0, 0, 0), DD_OK);
    EXPECT_TRUE(target.Shows(0, 0, 4, 2, LetterLegend(), "aabb|aabb"));
    DeleteObject(bitmap);
    // Missing bitmaps leave the surface untouched, and a surface that cannot give its device
    // context (it is locked) fails the copy; each failure tells the debugger.
    IDirectDrawSurface* s = DDCreateSurfaceFromBitmap(dd_, "SHEET.BMP", 0, 0, nullptr, nullptr);
    const Raw sheet = PixelsOf(s);
    ASSERT_EQ(DDSURFACE_ZMAZ(s, 0x1234), DD_OK);
    auto said = [](HRESULT r) {
        return Nums(r) + (tkp::testing::TakeDebugOutput().empty() ? " silent" : " said");
    };
    EXPECT_EQ(said(DDRefillSurface(s, "missing.bmp")), Nums(kEFail) + " said");
    EXPECT_EQ(said(DDRefillSurface_stretch(s, "missing.bmp", 48, 32)), Nums(kEFail) + " said");
    EXPECT_EQ(PixelsOf(s), Raw(48 * 32, 0x1234));
    {
        tkp::ddraw::LockedSurface busy(s);
        EXPECT_EQ(said(DDRefillSurface(s, "SHEET.BMP")), Nums(DDERR_SURFACEBUSY) + " said");
        EXPECT_EQ(said(DDRefillSurface_stretch(s, "SHEET.BMP", 48, 32)), Nums(DDERR_SURFACEBUSY) + " said");
    }
    // The stretching refill loads at the size it is given.
    EXPECT_EQ(DDRefillSurface_stretch(s, "SHEET.BMP", 96, 64), DD_OK);
    EXPECT_TRUE(SamePicture(s, sheet));
    s->Release();
}

TEST_F(SheetTest, PixelOfColourLeavesTheCornerAsItWasAndKeysAreSetFromColours) {
    TestSurface s(3, 2), one(1, 1);
    s.Fill(0x1234);
    EXPECT_EQ(Nums(DDPixelOfColour(s.get(), RGB(255, 255, 255)), DDPixelOfColour(s.get(), RGB(255, 0, 0)),
                   DDPixelOfColour(s.get(), CLR_INVALID)),
              Nums(0xFFFF, 0xF800, 0x1234));
    EXPECT_EQ(PixelsOf(s.get()), Raw(6, 0x1234));
    // A one-pixel surface holds only two bytes, and that is all that is read.
    EXPECT_EQ(DDPixelOfColour(one.get(), RGB(255, 255, 255)), 0xFFFFu);
    EXPECT_EQ(one.Pixel(0, 0), 0);
    // A surface that cannot be locked has no answer.
    {
        tkp::ddraw::LockedSurface busy(s.get());
        EXPECT_EQ(DDPixelOfColour(s.get(), RGB(255, 255, 255)), CLR_INVALID);
    }
    EXPECT_EQ(DDSetSourceColourKey(s.get(), RGB(0, 255, 255)), DD_OK);
    EXPECT_EQ(Nums(keyOf(s.get()), s.Pixel(0, 0)), Nums(0x07FF, 0x1234));
}

// The palette's entries as 0x00RRGGBB (flags in the top byte); the palette is released.
std::vector<std::uint32_t> paletteEntries(IDirectDrawPalette* p) {
    PALETTEENTRY e[256];
    EXPECT_EQ(p->GetEntries(0, 0, 256, e), DD_OK);
    p->Release();
    std::vector<std::uint32_t> out;
    for (const PALETTEENTRY& x : e)
        out.push_back(std::uint32_t{x.peFlags} << 24 | std::uint32_t{x.peRed} << 16 | x.peGreen << 8 |
                      x.peBlue);
    return out;
}

TEST_F(SheetTest, PalettesFromNothingResourcesAndFiles) {
    // 3-3-2 entries: 0b101'101'10 has red and green 5 * 255 / 7, blue 2 * 255 / 3.
    const std::vector<std::uint32_t> standard = paletteEntries(DDLoadPalette(dd_, nullptr));
    EXPECT_EQ(Nums(standard[0], standard[0xB6], standard[255]), Nums(0, 0xB6B6AA, 0xFFFFFF));
    // A resource's colour table over those; a file's table, then the bytes that follow it (eight
    // zero pixel bytes: two entries), also when its header claims 1000 colours; neither: the
    // standard palette.
    const std::vector<std::uint32_t> table{0x102030, 0x405060, 0x708090};
    std::string big = Bmp8(4, 2, table);
    big[46] = static_cast<char>(1000 & 0xFF), big[47] = static_cast<char>(1000 >> 8);
    ASSERT_TRUE(RegisterBitmap("PAL.BMP", Bmp8(4, 2, table)));
    WriteFile("file.bmp", Bmp8(4, 2, table));
    WriteFile("big.bmp", big);
    for (auto [name, entries] :
         {std::pair{"pal.bmp", 3}, {"file.bmp", 5}, {"big.bmp", 5}, {"missing.bmp", 0}}) {
        std::vector<std::uint32_t> want = standard;
        for (int i = 0; i < entries; ++i) want[i] = i < 3 ? table[i] : 0;
        EXPECT_EQ(paletteEntries(DDLoadPalette(dd_, name)), want) << name;
    }
}

TEST_F(SheetTest, SizeOfABitmapAndReplacingASurface) {
    int w = -1, h = -1;
    tk_glob_GetSizeBitmap("missing.bmp", &w, &h);
    EXPECT_EQ(Nums(w, h), "-1,-1");
    tk_glob_GetSizeBitmap("SHEET.BMP", &w, &h);
    EXPECT_EQ(Nums(w, h), Nums(kSheetW, kSheetH));
    // Replacing releases the old surface, also when the new one cannot be made.
    const int live = tkp::testing::LiveSurfaceCount();
    IDirectDrawSurface* s = DDReplaceSurfaceFromBitmap(dd_, nullptr, "SHEET.BMP", &w, &h);
    s = DDReplaceSurfaceFromBitmap(dd_, s, "SHEET.BMP", &w, &h);
    EXPECT_EQ(tkp::testing::LiveSurfaceCount(), live + 1);
    EXPECT_EQ(DDReplaceSurfaceFromBitmap(dd_, s, "missing.bmp", &w, &h), nullptr);
    EXPECT_EQ(tkp::testing::LiveSurfaceCount(), live);
}

TEST_F(SheetTest, SurfacesLoadReplaceReleaseAndReloadWithoutLeaking) {
    const int live = tkp::testing::LiveSurfaceCount();
    {
        tk_CDas_Surface s;
        EXPECT_EQ(s.NAHRAJ_SURFACE("sheet.bmp"), 1);
        EXPECT_EQ(Nums(s.w, s.h), Nums(kSheetW, kSheetH));
        // Loading again, even from its own remembered name, replaces the surface.
        EXPECT_EQ(s.NAHRAJ_SURFACE(dd_, s.subor_nazov), 1);
        EXPECT_STREQ(s.subor_nazov, "sheet.bmp");
        WriteFile("card.bmp", Bmp24(5, 4, [](int x, int y) { return Letter(x + y); }));
        EXPECT_EQ(s.NAHRAJ_SURFACE("card.bmp"), 1);
        EXPECT_EQ(Nums(s.w, s.h, PixelOf(s.SURFACE, 4, 3)), Nums(5, 4, Letter(7)));
        // Stretched: w and h are the asked size and the flag is set, until a plain load.
        EXPECT_EQ(s.NAHRAJ_SURFACE_2_stretch("card.bmp", 10, 8), 1);
        EXPECT_EQ(dims(s.SURFACE) + " " + Nums(s.w, s.h, s.stretch), "10,8 10,8,1");
        EXPECT_EQ(s.NAHRAJ_SURFACE("card.bmp"), 1);
        EXPECT_EQ(Nums(s.stretch, tkp::testing::LiveSurfaceCount() - live), "0,1");
        // Released (twice is harmless), it keeps its name and size; a reload brings the picture back.
        s.RELEASE_SURFACE();
        s.RELEASE_SURFACE();
        EXPECT_EQ(Nums(s.SURFACE == nullptr, tkp::testing::LiveSurfaceCount() - live, s.w), "1,0,5");
        EXPECT_EQ(s.RENAHRAJ_SURFACE(), 1);
        EXPECT_EQ(PixelOf(s.SURFACE, 4, 3), Letter(7));
    }
    EXPECT_EQ(tkp::testing::LiveSurfaceCount(), live);
    EXPECT_TRUE(LogLines().empty());
}

TEST_F(SheetTest, FailedSurfaceLoadsAreLoggedAndTheProgramGoesOn) {
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
    EXPECT_TRUE(Logged("[damaged.bmp]"));
    // Without a surface, colours and phases do nothing but say so; restoring fails.
    s.TC_NASTAV(1, 1);
    s.BC_NASTAV(0, 0);
    EXPECT_EQ(phaseOf(s.ZAMERAJ_FAZU(5, 5)) + " " + Nums(s.TC, s.BC), std::string(kDefaultPhase) + " 0,0");
    EXPECT_NE(s.RESTORE_SURFACE(), DD_OK);
    EXPECT_EQ(LogLines().size(), 12u);
}

TEST_F(SheetTest, RestoreRefillsAtTheLoadedSizeAndKeepsTheKey) {
    tk_CDas_Surface s;
    ASSERT_EQ(s.NAHRAJ_SURFACE("SHEET.BMP"), 1);
    s.TC_NASTAV(37, 7);
    const Raw sheet = PixelsOf(s.SURFACE);
    tkp::testing::MarkSurfaceLost(s.SURFACE);
    EXPECT_EQ(s.RESTORE_SURFACE(), DD_OK);
    EXPECT_TRUE(SamePicture(s.SURFACE, sheet));
    EXPECT_EQ(keyOf(s.SURFACE), kTC);
    // Stretched to twice its size: the refill is stretched too, not the bitmap's own size.
    ASSERT_EQ(s.NAHRAJ_SURFACE_2_stretch("SHEET.BMP", 96, 64), 1);
    const Raw doubled = PixelsOf(s.SURFACE);
    EXPECT_EQ(doubled[13 * 96 + 71], Letter(5));
    tkp::testing::MarkSurfaceLost(s.SURFACE);
    EXPECT_EQ(s.RESTORE_SURFACE(), DD_OK);
    EXPECT_TRUE(SamePicture(s.SURFACE, doubled));
    // A restore whose refill fails still reports the restore's success.
    WriteFile("gone.bmp", SheetBmp());
    ASSERT_EQ(s.NAHRAJ_SURFACE("gone.bmp"), 1);
    std::remove("gone.bmp");
    tkp::testing::MarkSurfaceLost(s.SURFACE);
    EXPECT_EQ(s.RESTORE_SURFACE(), DD_OK);
    EXPECT_EQ(PixelOf(s.SURFACE, 1, 0), tkp::testing::LostPatternPixel(1, 0));
}

TEST_F(SheetTest, ColoursAndPhasesComeFromPointsOfTheSheetAndPointsOutsideItAreRefused) {
    tk_CDas_Surface s;
    ASSERT_EQ(s.NAHRAJ_SURFACE("SHEET.BMP"), 1);
    s.BC_NASTAV(0, 10);
    EXPECT_EQ(Nums(s.BC, keyOf(s.SURFACE)), Nums(kBC, -1));
    s.TC_NASTAV(37, 7);
    EXPECT_EQ(Nums(s.TC, keyOf(s.SURFACE)), Nums(kTC, kTC));
    // Points outside the sheet are refused and logged.
    s.TC_NASTAV(48, 0);
    s.TC_NASTAV(-1, 3);
    s.BC_NASTAV(0, 32);
    EXPECT_EQ(Nums(s.TC, s.BC, keyOf(s.SURFACE), LogLines().size()), Nums(kTC, kBC, kTC, 6));
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
    for (const auto& c : cases) EXPECT_EQ(phaseOf(s.ZAMERAJ_FAZU(c.x, c.y)), c.phase) << c.x << "," << c.y;
    // Seeds outside the sheet (logged), or a sheet that cannot be locked: the default phase.
    for (auto [x, y] : {std::pair{-1, 5}, {48, 5}, {5, -1}, {5, 32}, {100000, 100000}})
        EXPECT_EQ(phaseOf(s.ZAMERAJ_FAZU(x, y)), kDefaultPhase) << x << "," << y;
    EXPECT_EQ(LogLines().size(), 16u);
    // A surface that cannot be locked is not read.
    tkp::testing::MarkSurfaceLost(s.SURFACE);
    s.TC_NASTAV(0, 0);
    s.BC_NASTAV(37, 7);
    EXPECT_EQ(phaseOf(s.ZAMERAJ_FAZU(15, 8)) + " " + Nums(s.TC, s.BC),
              std::string(kDefaultPhase) + " " + Nums(kTC, kBC));
    // The whole sheet inside its frame; a phase built from its corner and size.
    EXPECT_EQ(phaseOf(s.ZAMERAJ_FAZU_CS()), "1,1,47,31,48,32");
    EXPECT_EQ(phaseOf(tk_TFAZA(3, 4, 10, 6)), "3,4,12,9,10,6");
}

// The lettered world with bitmaps of its own and the phase drawn plain or mirrored.
class SurfaceDrawTest : public LetterWorld {
  protected:
    // Registers a bitmap resource and loads it.
    static bool Load(tk_CDas_Surface& s, const char* name, const std::string& bmp) {
        return RegisterBitmap(name, bmp) && s.NAHRAJ_SURFACE(name) == 1;
    }
    std::function<void()> Phase(bool mirrored, int x, int y, int clip = 1) {
        return [=, this] {
            mirrored ? sheet.ZOBRAZ_FAZU_Z(x, y, letters, clip) : sheet.ZOBRAZ_FAZU(x, y, letters, clip);
        };
    }
};

TEST_F(SurfaceDrawTest, PhaseAndItsMirrorAreClippedAtEveryScreenEdge) {
    // Cut at the left edge the phase keeps its last columns, at the right edge its first ones; the
    // mirror the other way round.
    const struct {
        bool mirrored;
        int x, y;
        const char* rows;
    } cases[] = {{false, 3, 1, "..........|...abcd...|...efgh...|...ijk....|..........|.........."},
                 {false, -2, 1, "..........|cd........|gh........|k.........|..........|.........."},
                 {false, 9, 1, "..........|.........a|.........e|.........i|..........|.........."},
                 {false, 3, -2, "...ijk....|..........|..........|..........|..........|.........."},
                 {false, 3, 5, "..........|..........|..........|..........|..........|...abcd..."},
                 {false, 8, 4, "..........|..........|..........|..........|........ab|........ef"},
                 {true, 3, 1, "..........|...dcba...|...hgfe...|....kji...|..........|.........."},
                 {true, -2, 1, "..........|ba........|fe........|ji........|..........|.........."},
                 {true, 8, 1, "..........|........dc|........hg|.........k|..........|.........."},
                 {true, -1, -2, "kji.......|..........|..........|..........|..........|.........."},
                 // Wholly off the screen nothing is drawn either way; unclipped, a phase that leaves the
                 // screen is not drawn at all.
                 {false, -4, 1, kNone},
                 {true, 10, 1, kNone},
                 {false, 3, -3, kNone},
                 {true, 3, 6, kNone}};
    for (const auto& c : cases) EXPECT_TRUE(Drawn(Phase(c.mirrored, c.x, c.y), c.rows)) << c.x << "," << c.y;
    EXPECT_TRUE(Drawn(Phase(false, -2, 1, 0), kNone));
    EXPECT_TRUE(Drawn(Phase(true, -2, 1, 0), kNone));
    // One inside is drawn whole.
    EXPECT_TRUE(Drawn([&] { sheet.ZOBRAZ_FAZU(screen.get(), 3, 1, letters, 0); }, cases[0].rows));
}

TEST_F(SurfaceDrawTest, KeyedOnlyWhileTheTransparentColourIsSetAndClippedToWindows) {
    // A small sheet with the transparent colour on its anti-diagonal.
    tk_CDas_Surface small;
    ASSERT_TRUE(Load(small, "SMALL.BMP",
                     Bmp24(3, 2, [](int x, int y) { return x == 2 - y ? kTC : Letter(x + 3 * y); })));
    const RECT part{36, 6, 38, 8}, phase{3, 1, 7, 4}, corner{1, 1, 4, 3};
    // TC 0 draws opaque although the surface keeps its colour key; the mirror keys regardless. The
    // small sheet is keyed by its middle pixel, by its corner, then not at all.
    const std::tuple<std::function<void()>, RECT, const char*> keyed[] = {
        {[&] { sheet.TC = 0, sheet.ZOBRAZ_FAZU(3, 1, letters, 1); }, phase, "abcd|efgh|ijkT"},
        {[&] { sheet.ZOBRAZ_FAZU_Z(3, 1, letters, 1); }, phase, "dcba|hgfe|.kji"},
        {[&] { sheet.TC = kTC, sheet.Zobraz_Rect(screen.get(), 1, 1, part); }, corner, "gh.|k.."},
        {[&] { small.TC_NASTAV(1, 1), small.ZOBRAZ(1, 1); }, corner, "ab.|d.f"},
        {[&] { small.TC_NASTAV(0, 0), small.ZOBRAZ(screen.get(), 1, 1); }, corner, ".bT|dTf"},
        {[&] { small.TC = 0, small.ZOBRAZ(1, 1); }, corner, "abT|dTf"},
    };
    for (const auto& [draw, region, rows] : keyed) EXPECT_TRUE(Drawn(draw, rows, region));

    // The window 1..8 x 1..5 takes its left and top edges and ends before its right and bottom ones.
    const struct {
        int x, y;
        const char* rows;
    } windowed[] = {{0, 0, "..........|.fgh......|.jk.......|..........|..........|.........."},
                    {4, 2, "..........|..........|....abcd..|....efgh..|....ijk...|.........."},
                    {6, 3, "..........|..........|..........|......ab..|......ef..|.........."},
                    {8, 1, kNone},
                    {-4, 1, kNone},
                    {2, 5, kNone}};
    for (const auto& w : windowed)
        EXPECT_TRUE(Drawn([&] { sheet.ZOBRAZ_FAZU_2(1, 8, 1, 5, w.x, w.y, letters); }, w.rows)) << w.x;
    EXPECT_TRUE(
        Drawn([&] { sheet.ZOBRAZ_FAZU_2(screen.get(), 1, 8, 1, 5, 4, 2, letters); }, windowed[1].rows));
}

TEST_F(SurfaceDrawTest, StretchedCentredBlendedAndRectangleDraws) {
    // A 2 x 2 sheet keyed by its first pixel (a) on the 10 x 6 screen; the 6 x 4 corner is read.
    tk_CDas_Surface quad;
    ASSERT_TRUE(Load(quad, "QUAD.BMP", Bmp24(2, 2, [](int x, int y) { return Letter(x + 2 * y); })));
    quad.TC_NASTAV(0, 0);
    const RECT one{0, 0, 1, 1};
    // Stretches and the blend ignore the key; the centred draw keeps it; TC 0 draws opaque.
    const std::pair<std::function<void()>, const char*> draws[] = {
        {[&] { quad.Zobraz_Stretch_4(); }, "aaaaab|aaaaab|aaaaab|cccccd"},
        {[&] { quad.Zobraz_Stretch_3(one); }, "aaaaaa|aaaaaa|aaaaaa|aaaaaa"},
        {[&] {
             quad.Zobraz_Stretch_2(RECT{0, 2, 4, 4});
         },
         "......|......|aabb..|ccdd.."},
        {[&] {
             quad.Zobraz_Stretch_1(one, RECT{1, 1, 2, 2});
         },
         "d.....|......|......|......"},
        {[&] { quad.Zobraz_Center(); }, "......|......|.....b|....cd"},
        {[&] { quad.ZOBRAZ_ALPHA(1, 1, 255); }, "......|.ab...|.cd...|......"},
        {[&] { quad.ZOBRAZ_ALPHA(1, 1, 0); }, "......|......|......|......"},
        {[&] {
             quad.TC = 0, quad.Zobraz_Rect(1, 1, RECT{0, 0, 2, 1});
         },
         "......|.ab...|......|......"},
    };
    for (const auto& [draw, rows] : draws) EXPECT_TRUE(Drawn(draw, rows, RECT{0, 0, 6, 4})) << rows;
    // The blend does not retry: a lost sheet is neither drawn nor restored.
    tkp::testing::MarkSurfaceLost(quad.SURFACE);
    EXPECT_TRUE(Drawn([&] { quad.ZOBRAZ_ALPHA(1, 1, 255); }, kNone));
    EXPECT_EQ(quad.SURFACE->IsLost(), DDERR_SURFACELOST);
}

TEST_F(SurfaceDrawTest, ALostSheetIsRestoredAndRefilledAndDrawnAtTheNextCall) {
    TestSurface room(48, 32);
    UseScreen(room);
    const Raw original = PixelsOf(sheet.SURFACE);
    // Every draw goes through one retry rule: the whole sheet, a phase and its mirror (the last
    // two are what the sprites draw with).
    const struct {
        const char* name;
        std::function<void()> draw;
        std::uint16_t at11;  // what pixel (1, 1) then shows
    } ops[] = {
        {"ZOBRAZ", [&] { sheet.ZOBRAZ(0, 0); }, kCorner},
        {"ZOBRAZ_FAZU", [&] { sheet.ZOBRAZ_FAZU(1, 1, letters, 1); }, Letter(0)},
        {"ZOBRAZ_FAZU_Z", [&] { sheet.ZOBRAZ_FAZU_Z(1, 1, letters, 1); }, Letter(3)},
    };
    for (const auto& op : ops) {
        SCOPED_TRACE(op.name);
        room.Fill(0);
        tkp::testing::MarkSurfaceLost(sheet.SURFACE);
        op.draw();
        EXPECT_EQ(room.Inked(), 0) << "drawn at once";
        EXPECT_EQ(sheet.SURFACE->IsLost(), DD_OK);
        EXPECT_TRUE(SamePicture(sheet.SURFACE, original)) << "not refilled";
        op.draw();
        EXPECT_EQ(room.Pixel(1, 1), op.at11) << "not drawn at the next call";
    }
}

TEST_F(SurfaceDrawTest, ABusyBlitterIsAskedAgainButNotForEverAndTheFillWritesRawValues) {
    tkp::testing::SetSurfaceStillDrawing(sheet.SURFACE, 5);
    EXPECT_TRUE(
        Drawn(Phase(false, 3, 1), "..........|...abcd...|...efgh...|...ijk....|..........|.........."));
    tkp::testing::SetSurfaceStillDrawing(sheet.SURFACE, 1000000);
    EXPECT_TRUE(Drawn(Phase(false, 3, 1), kNone));
    tkp::testing::SetSurfaceStillDrawing(sheet.SURFACE, 0);
    // Nothing to draw with, nothing to draw on: nothing happens.
    tk_CDas_Surface none;
    EXPECT_TRUE(Drawn(
        [&] {
            none.ZOBRAZ_FAZU(3, 1, letters, 1);
            none.Zobraz_Stretch_4();
            sheet.ZOBRAZ_FAZU(nullptr, 3, 1, letters, 1);
        },
        kNone));

    EXPECT_EQ(DDSURFACE_ZMAZ(screen.get(), 500), DD_OK);
    EXPECT_EQ(PixelsOf(screen.get()), Raw(60, 500));
    EXPECT_EQ(DDSURFACE_ZMAZ(nullptr, 500), DDERR_INVALIDPARAMS);
    tkp::testing::MarkSurfaceLost(screen.get());
    EXPECT_EQ(DDSURFACE_ZMAZ(screen.get(), 0), DDERR_SURFACELOST);
}

}  // namespace
}  // namespace tk_test
