// tk_CDas_Surface drawing: phases clipped at every screen edge, mirrored, clipped to a window,
// keyed or opaque, centred, stretched and blended, the fill, and the retry rule against lost and
// busy surfaces. One test composes all of it into a picture for people to look at.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/graphics/tk_CDas_Surface.h"
#include "tests/graphics/tk_test_sheet.h"
#include "tests/graphics/tk_test_surface.h"

namespace tk_test {
namespace {

// The lettered phase (4 x 3 drawn) on a 10 x 6 screen that is the back surface.
class SurfaceDrawTest : public SheetWorld {
  protected:
    void SetUp() override {
        SheetWorld::SetUp();
        ASSERT_EQ(sheet.NAHRAJ_SURFACE("SHEET.BMP"), 1);
        sheet.BC_NASTAV(0, 10);
        sheet.TC_NASTAV(37, 7);
        letters = sheet.ZAMERAJ_FAZU(35, 6);
        tk_ScreenW = 10;
        tk_ScreenH = 6;
        tk_lpDDSBack = screen.get();
    }
    std::string Shown() { return screen.Picture(0, 0, 10, 6, LetterLegend()); }
    // Clears the screen, draws, and returns what shows.
    std::string Drawn(const std::function<void()>& draw) {
        screen.Fill(0);
        draw();
        return Shown();
    }

    tk_CDas_Surface sheet;
    tk_TFAZA letters;
    TestSurface screen{10, 6};
};

constexpr const char* kEmpty = "..........\n..........\n..........\n..........\n..........\n..........\n";

struct Placed {
    int x, y;
    const char* picture;
};

TEST_F(SurfaceDrawTest, PhaseIsClippedAtEveryScreenEdge) {
    const std::vector<Placed> cases = {
        {3, 1, "..........\n...abcd...\n...efgh...\n...ijk....\n..........\n..........\n"},
        // Left edge: from the phase's third column, then only its last, then nothing.
        {-2, 1, "..........\ncd........\ngh........\nk.........\n..........\n..........\n"},
        {-3, 1, "..........\nd.........\nh.........\n..........\n..........\n..........\n"},
        {-4, 1, kEmpty},
        {-5, 1, kEmpty},
        {-6, 1, kEmpty},
        // Right edge: up to the screen's last column; at or beyond the width nothing.
        {8, 1, "..........\n........ab\n........ef\n........ij\n..........\n..........\n"},
        {9, 1, "..........\n.........a\n.........e\n.........i\n..........\n..........\n"},
        {10, 1, kEmpty},
        {11, 1, kEmpty},
        // Top and bottom edges.
        {3, -1, "...efgh...\n...ijk....\n..........\n..........\n..........\n..........\n"},
        {3, -2, "...ijk....\n..........\n..........\n..........\n..........\n..........\n"},
        {3, -3, kEmpty},
        {3, 4, "..........\n..........\n..........\n..........\n...abcd...\n...efgh...\n"},
        {3, 5, "..........\n..........\n..........\n..........\n..........\n...abcd...\n"},
        {3, 6, kEmpty},
        // Corners.
        {-1, -2, "jk........\n..........\n..........\n..........\n..........\n..........\n"},
        {8, 5, "..........\n..........\n..........\n..........\n..........\n........ab\n"},
        {-2, 4, "..........\n..........\n..........\n..........\ncd........\ngh........\n"},
        {9, -2, ".........i\n..........\n..........\n..........\n..........\n..........\n"},
    };
    for (const Placed& c : cases)
        EXPECT_EQ(Drawn([&] { sheet.ZOBRAZ_FAZU(c.x, c.y, letters, 1); }), c.picture) << c.x << "," << c.y;
    // Unclipped, a phase that leaves the screen is not drawn at all; one inside is drawn whole.
    EXPECT_EQ(Drawn([&] { sheet.ZOBRAZ_FAZU(-2, 1, letters, 0); }), kEmpty);
    EXPECT_EQ(Drawn([&] { sheet.ZOBRAZ_FAZU(screen.get(), 3, 1, letters, 0); }), cases[0].picture);
}

TEST_F(SurfaceDrawTest, MirroredPhaseIsClippedFromTheOtherSide) {
    const std::vector<Placed> cases = {
        {3, 1, "..........\n...dcba...\n...hgfe...\n....kji...\n..........\n..........\n"},
        // Cut at the left edge: the mirrored picture's last columns remain.
        {-2, 1, "..........\nba........\nfe........\nji........\n..........\n..........\n"},
        // Cut at the right edge: its first columns remain.
        {8, 1, "..........\n........dc\n........hg\n.........k\n..........\n..........\n"},
        {3, -1, "...hgfe...\n....kji...\n..........\n..........\n..........\n..........\n"},
        {3, 4, "..........\n..........\n..........\n..........\n...dcba...\n...hgfe...\n"},
        {-1, -2, "kji.......\n..........\n..........\n..........\n..........\n..........\n"},
        {8, 5, "..........\n..........\n..........\n..........\n..........\n........dc\n"},
        {10, 1, kEmpty},
        {-4, 1, kEmpty},
        {3, 6, kEmpty},
    };
    for (const Placed& c : cases)
        EXPECT_EQ(Drawn([&] { sheet.ZOBRAZ_FAZU_Z(c.x, c.y, letters, 1); }), c.picture) << c.x << "," << c.y;
    EXPECT_EQ(Drawn([&] { sheet.ZOBRAZ_FAZU_Z(-2, 1, letters, 0); }), kEmpty);
}

TEST_F(SurfaceDrawTest, KeyedOnlyWhileTheTransparentColourIsSet) {
    // TC 0 draws opaque although the surface keeps its colour key; the mirror keys regardless.
    sheet.TC = 0;
    EXPECT_EQ(Drawn([&] { sheet.ZOBRAZ_FAZU(3, 1, letters, 1); }),
              "..........\n...abcd...\n...efgh...\n...ijkT...\n..........\n..........\n");
    EXPECT_EQ(Drawn([&] { sheet.ZOBRAZ_FAZU_Z(3, 1, letters, 1); }),
              "..........\n...dcba...\n...hgfe...\n....kji...\n..........\n..........\n");
    EXPECT_EQ(Drawn([&] {
                  sheet.Zobraz_Rect(2, 2, RECT{36, 6, 38, 8});
              }),
              "..........\n..........\n..gh......\n..kT......\n..........\n..........\n");
    sheet.TC = kTC;
    EXPECT_EQ(Drawn([&] {
                  sheet.Zobraz_Rect(screen.get(), 2, 2, RECT{36, 6, 38, 8});
              }),
              "..........\n..........\n..gh......\n..k.......\n..........\n..........\n");

    // The whole of a small sheet.
    ASSERT_TRUE(RegisterBitmap(
        "SMALL.BMP", Bmp24(3, 2, [](int x, int y) { return x == 1 - y + 1 ? kTC : Letter(x + 3 * y); })));
    tk_CDas_Surface small;
    ASSERT_EQ(small.NAHRAJ_SURFACE("SMALL.BMP"), 1);
    small.TC_NASTAV(1, 1);
    EXPECT_EQ(Drawn([&] { small.ZOBRAZ(1, 1); }),
              "..........\n.ab.......\n.d.f......\n..........\n..........\n..........\n");
    small.TC_NASTAV(0, 0);
    EXPECT_EQ(Drawn([&] { small.ZOBRAZ(screen.get(), 1, 1); }),
              "..........\n..bT......\n.dTf......\n..........\n..........\n..........\n");
    small.TC = 0;
    EXPECT_EQ(Drawn([&] { small.ZOBRAZ(1, 1); }),
              "..........\n.abT......\n.dTf......\n..........\n..........\n..........\n");
}

TEST_F(SurfaceDrawTest, PhaseClippedToAWindow) {
    // The window 1..8 x 1..5 takes its left and top edges and ends at its right and bottom ones.
    EXPECT_EQ(Drawn([&] { sheet.ZOBRAZ_FAZU_2(1, 8, 1, 5, 0, 0, letters); }),
              "..........\n.fgh......\n.jk.......\n..........\n..........\n..........\n");
    EXPECT_EQ(Drawn([&] { sheet.ZOBRAZ_FAZU_2(screen.get(), 1, 8, 1, 5, 4, 2, letters); }),
              "..........\n..........\n....abcd..\n....efgh..\n....ijk...\n..........\n");
    EXPECT_EQ(Drawn([&] { sheet.ZOBRAZ_FAZU_2(1, 8, 1, 5, 6, 3, letters); }),
              "..........\n..........\n..........\n......ab..\n......ef..\n..........\n");
    EXPECT_EQ(Drawn([&] { sheet.ZOBRAZ_FAZU_2(1, 8, 1, 5, 8, 1, letters); }), kEmpty);
    EXPECT_EQ(Drawn([&] { sheet.ZOBRAZ_FAZU_2(1, 8, 1, 5, -4, 1, letters); }), kEmpty);
    EXPECT_EQ(Drawn([&] { sheet.ZOBRAZ_FAZU_2(1, 8, 1, 5, 2, 5, letters); }), kEmpty);
}

TEST_F(SurfaceDrawTest, AFramedPhaseDrawsItsTrueSize) {
    TestSurface big(40, 30);
    tk_ScreenW = 40;
    tk_ScreenH = 30;
    tk_TFAZA wide = sheet.ZAMERAJ_FAZU(15, 8);
    auto count = [&] {
        int n = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) n += big.Pixel(x, y) == kWide;
        return n;
    };
    sheet.ZOBRAZ_FAZU(big.get(), 10, 10, wide, 1);
    EXPECT_EQ(count(), 20 * 10);
    EXPECT_EQ(big.Pixel(10, 10), kWide);
    EXPECT_EQ(big.Pixel(29, 19), kWide);
    EXPECT_EQ(big.Pixel(30, 19), 0);
    EXPECT_EQ(big.Pixel(29, 20), 0);
    // From its sixth column at the screen's left edge.
    big.Fill(0);
    sheet.ZOBRAZ_FAZU(big.get(), -5, 0, wide, 1);
    EXPECT_EQ(count(), 15 * 10);
    EXPECT_EQ(big.Pixel(14, 9), kWide);
    EXPECT_EQ(big.Pixel(15, 9), 0);
    big.Fill(0);
    sheet.ZOBRAZ_FAZU(big.get(), 41, 0, wide, 1);
    EXPECT_EQ(count(), 0);
}

TEST_F(SurfaceDrawTest, CentredOnTheScreen) {
    ASSERT_TRUE(RegisterBitmap("BAR.BMP", Bmp24(101, 3, [](int, int) { return std::uint16_t{0xFFFF}; })));
    tk_CDas_Surface bar;
    ASSERT_EQ(bar.NAHRAJ_SURFACE("BAR.BMP"), 1);
    TestSurface wide(800, 7);
    tk_ScreenW = 800;
    tk_ScreenH = 7;
    tk_lpDDSBack = wide.get();
    bar.Zobraz_Center();
    EXPECT_EQ(wide.Pixel(348, 2), 0);
    EXPECT_EQ(wide.Pixel(349, 2), 0xFFFF);
    EXPECT_EQ(wide.Pixel(449, 4), 0xFFFF);
    EXPECT_EQ(wide.Pixel(450, 4), 0);
    EXPECT_EQ(wide.Pixel(349, 1), 0);
    EXPECT_EQ(wide.Pixel(349, 5), 0);
}

TEST_F(SurfaceDrawTest, StretchedCopiesIgnoreTheKey) {
    const std::uint16_t a = Letter(0), b = Letter(1), c = Letter(2), d = Letter(3);
    ASSERT_TRUE(RegisterBitmap("QUAD.BMP", Bmp24(2, 2, [](int x, int y) { return Letter(x + 2 * y); })));
    tk_CDas_Surface quad;
    ASSERT_EQ(quad.NAHRAJ_SURFACE("QUAD.BMP"), 1);
    quad.TC_NASTAV(0, 0);
    TestSurface out(4, 4);
    tk_lpDDSBack = out.get();
    using Px = std::vector<std::uint16_t>;
    quad.Zobraz_Stretch_4();
    EXPECT_EQ(PixelsOf(out.get()), (Px{a, a, b, b, a, a, b, b, c, c, d, d, c, c, d, d}));
    quad.Zobraz_Stretch_3(out.get(), RECT{1, 0, 2, 2});
    EXPECT_EQ(PixelsOf(out.get()), (Px{b, b, b, b, b, b, b, b, d, d, d, d, d, d, d, d}));
    out.Fill(0);
    quad.Zobraz_Stretch_2(RECT{1, 1, 3, 3});
    EXPECT_EQ(PixelsOf(out.get()), (Px{0, 0, 0, 0, 0, a, b, 0, 0, c, d, 0, 0, 0, 0, 0}));
    out.Fill(0);
    quad.Zobraz_Stretch_1(RECT{0, 0, 4, 2}, RECT{0, 0, 2, 1});
    EXPECT_EQ(PixelsOf(out.get()), (Px{a, a, b, b, a, a, b, b, 0, 0, 0, 0, 0, 0, 0, 0}));
    quad.Zobraz_Stretch_2(out.get(), RECT{0, 2, 4, 4});
    quad.Zobraz_Stretch_1(out.get(), RECT{0, 0, 1, 1}, RECT{1, 1, 2, 2});
    quad.Zobraz_Stretch_4(out.get());
    EXPECT_EQ(PixelOf(out.get(), 3, 3), d);
    quad.Zobraz_Stretch_3(RECT{0, 0, 1, 1});
    EXPECT_EQ(PixelsOf(out.get()), Px(16, a));
}

TEST_F(SurfaceDrawTest, BlendedWithAConstantAlpha) {
    ASSERT_TRUE(
        RegisterBitmap("WHITE.BMP", Bmp24(2, 1, [](int x, int) { return x ? kTC : std::uint16_t{0xFFFF}; })));
    tk_CDas_Surface white;
    ASSERT_EQ(white.NAHRAJ_SURFACE("WHITE.BMP"), 1);
    white.TC_NASTAV(1, 0);
    screen.Fill(0);
    white.ZOBRAZ_ALPHA(1, 1, 0);
    EXPECT_EQ(Shown(), kEmpty);
    white.ZOBRAZ_ALPHA(screen.get(), 1, 1, 255);
    // No colour key: the transparent colour is blended like any other.
    EXPECT_EQ(screen.Pixel(1, 1), 0xFFFF);
    EXPECT_EQ(screen.Pixel(2, 1), kTC);
    screen.Fill(0);
    white.ZOBRAZ_ALPHA(1, 1, 128);
    const std::uint16_t half = screen.Pixel(1, 1);
    EXPECT_GE(half >> 11, 15);
    EXPECT_LE(half >> 11, 16);
    EXPECT_GE((half >> 5) & 0x3F, 31);
    EXPECT_LE((half >> 5) & 0x3F, 32);
    EXPECT_EQ(half & 0x1F, half >> 11);
    // No retry: a lost sheet is neither drawn nor restored.
    screen.Fill(0);
    tkp_MarkSurfaceLost(white.SURFACE);
    white.ZOBRAZ_ALPHA(1, 1, 255);
    EXPECT_EQ(Shown(), kEmpty);
    EXPECT_EQ(white.SURFACE->IsLost(), DDERR_SURFACELOST);
}

TEST_F(SurfaceDrawTest, FillWritesTheRawValue) {
    EXPECT_EQ(DDSURFACE_ZMAZ(screen.get(), 500), DD_OK);
    EXPECT_EQ(PixelsOf(screen.get()), std::vector<std::uint16_t>(60, 500));
    EXPECT_EQ(DDSURFACE_ZMAZ(nullptr, 500), DDERR_INVALIDPARAMS);
    tkp_MarkSurfaceLost(screen.get());
    EXPECT_EQ(DDSURFACE_ZMAZ(screen.get(), 0), DDERR_SURFACELOST);
}

TEST_F(SurfaceDrawTest, ALostSheetIsRestoredAndDrawnAtTheNextCall) {
    // Room for the whole sheet.
    TestSurface room(48, 32);
    tk_ScreenW = 48;
    tk_ScreenH = 32;
    tk_lpDDSBack = room.get();
    const std::vector<std::uint16_t> original = PixelsOf(sheet.SURFACE);
    struct Op {
        const char* name;
        std::function<void()> draw;
        std::uint16_t at11;  // what pixel (1, 1) then shows
    };
    const std::vector<Op> ops = {
        {"ZOBRAZ", [&] { sheet.ZOBRAZ(0, 0); }, kCorner},
        {"Zobraz_Rect",
         [&] {
             sheet.Zobraz_Rect(1, 1, RECT{34, 5, 38, 8});
         },
         Letter(0)},
        {"ZOBRAZ_FAZU", [&] { sheet.ZOBRAZ_FAZU(1, 1, letters, 1); }, Letter(0)},
        {"ZOBRAZ_FAZU_Z", [&] { sheet.ZOBRAZ_FAZU_Z(1, 1, letters, 1); }, Letter(3)},
        {"ZOBRAZ_FAZU_2", [&] { sheet.ZOBRAZ_FAZU_2(0, 48, 0, 32, 1, 1, letters); }, Letter(0)},
        {"Zobraz_Stretch_1",
         [&] {
             sheet.Zobraz_Stretch_1(RECT{1, 1, 9, 7}, RECT{34, 5, 38, 8});
         },
         Letter(0)},
        {"Zobraz_Stretch_2",
         [&] {
             sheet.Zobraz_Stretch_2(RECT{0, 0, 24, 16});
         },
         kCorner},
        {"Zobraz_Stretch_3",
         [&] {
             sheet.Zobraz_Stretch_3(RECT{34, 5, 38, 8});
         },
         Letter(0)},
        {"Zobraz_Stretch_4", [&] { sheet.Zobraz_Stretch_4(); }, kCorner},
    };
    for (const Op& op : ops) {
        SCOPED_TRACE(op.name);
        room.Fill(0);
        tkp_MarkSurfaceLost(sheet.SURFACE);
        op.draw();
        EXPECT_EQ(PixelsOf(room.get()), std::vector<std::uint16_t>(48 * 32, 0)) << "drawn at once";
        EXPECT_EQ(sheet.SURFACE->IsLost(), DD_OK);
        EXPECT_EQ(PixelsOf(sheet.SURFACE), original) << "not refilled";
        op.draw();
        EXPECT_EQ(room.Pixel(1, 1), op.at11) << "not drawn at the next call";
    }
    EXPECT_EQ(tkp_TakeDebugOutput(), "");
}

TEST_F(SurfaceDrawTest, ABusyBlitterIsAskedAgainButNotForEver) {
    tkp_SetSurfaceStillDrawing(sheet.SURFACE, 5);
    EXPECT_EQ(Drawn([&] { sheet.ZOBRAZ_FAZU(3, 1, letters, 1); }),
              "..........\n...abcd...\n...efgh...\n...ijk....\n..........\n..........\n");
    tkp_SetSurfaceStillDrawing(sheet.SURFACE, 1000000);
    EXPECT_EQ(Drawn([&] { sheet.ZOBRAZ_FAZU(3, 1, letters, 1); }), kEmpty);
    tkp_SetSurfaceStillDrawing(sheet.SURFACE, 0);
    // Nothing to draw with, nothing to draw on: nothing happens.
    tk_CDas_Surface none;
    none.ZOBRAZ_FAZU(3, 1, letters, 1);
    none.Zobraz_Stretch_4();
    sheet.ZOBRAZ_FAZU(nullptr, 3, 1, letters, 1);
    EXPECT_EQ(Shown(), kEmpty);
}

// The skin's and the game's sheets drawn the ways the framework draws them, saved as a picture.
TEST_F(SurfaceDrawTest, PictureOfPhasesKeyedClippedMirroredStretchedAndBlended) {
    TestSurface back(200, 120);
    tk_ScreenW = 200;
    tk_ScreenH = 120;
    tk_lpDDSBack = back.get();
    tk_CDas_Surface skin, game, faded;
    ASSERT_EQ(skin.NAHRAJ_SURFACE(RepoPath("resources/rezia_dll.bmp").c_str()), 1);
    skin.TC_NASTAV(1, 1);
    skin.BC_NASTAV(0, 0);
    ASSERT_EQ(game.NAHRAJ_SURFACE(RepoPath("resources/rezia.bmp").c_str()), 1);
    game.TC_NASTAV(3, 3);
    game.BC_NASTAV(0, 0);
    ASSERT_EQ(faded.NAHRAJ_SURFACE_2_stretch(RepoPath("resources/rezia.bmp").c_str(), 60, 40), 1);

    ASSERT_EQ(DDSURFACE_ZMAZ(back.get(), 500), DD_OK);
    const tk_TFAZA close = skin.ZAMERAJ_FAZU(80, 10), info = skin.ZAMERAJ_FAZU(220, 100);
    const tk_TFAZA hand = game.ZAMERAJ_FAZU(5, 10), menu = game.ZAMERAJ_FAZU(80, 10);
    skin.ZOBRAZ_FAZU(10, 10, close, 1);
    skin.ZOBRAZ_FAZU(-6, 50, info, 1);
    skin.ZOBRAZ_FAZU(192, 50, info, 1);
    skin.ZOBRAZ_FAZU(90, -7, info, 1);
    skin.ZOBRAZ_FAZU(90, 113, info, 1);
    game.ZOBRAZ_FAZU(40, 40, hand, 1);
    game.ZOBRAZ_FAZU_Z(70, 40, hand, 1);
    game.ZOBRAZ_FAZU(130, 95, menu, 1);
    const tk_TFAZA logo = skin.ZAMERAJ_FAZU(100, 180);
    skin.Zobraz_Stretch_1(RECT{10, 70, 90, 94}, RECT{logo.x, logo.y, logo.x2, logo.y2});
    faded.ZOBRAZ_ALPHA(120, 10, 128);
    back.SavePng("surface_phases");

    // The mirrored hand is the hand read from right to left, pixel for pixel.
    const int hw = hand.x2 - hand.x, hh = hand.y2 - hand.y;
    int differences = 0;
    for (int j = 0; j < hh; ++j)
        for (int i = 0; i < hw; ++i)
            differences += back.Pixel(40 + i, 40 + j) != back.Pixel(70 + hw - 1 - i, 40 + j);
    EXPECT_EQ(differences, 0);
    // Keyed: the blue ground shows through the hand's transparent corner region somewhere.
    int ground = 0;
    for (int j = 0; j < hh; ++j)
        for (int i = 0; i < hw; ++i) ground += back.Pixel(40 + i, 40 + j) == 500;
    EXPECT_GT(ground, 0);
    EXPECT_LT(ground, hw * hh);
    // The clipped copies of the info button reach exactly to the screen's edges.
    EXPECT_NE(back.Pixel(199, 50 + 9), 500);
    EXPECT_NE(back.Pixel(0, 50 + 9), 500);
    EXPECT_NE(back.Pixel(90 + 9, 0), 500);
    EXPECT_NE(back.Pixel(90 + 9, 119), 500);
}

}  // namespace
}  // namespace tk_test
