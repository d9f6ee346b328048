// tk_CDas_Surface drawing: phases clipped at every screen edge, mirrored, clipped to a window,
// keyed or opaque, centred, stretched and blended, the fill, and the retry rule against lost and
// busy surfaces. One test composes all of it into a picture for people to look at.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/graphics/tk_CDas_Surface.h"
#include "tests/graphics/tk_test_sheet.h"
#include "tests/graphics/tk_test_surface.h"

namespace tk_test {
namespace {

constexpr const char* kNone = "..........|..........|..........|..........|..........|..........";

// The lettered phase (4 x 3 drawn) on a 10 x 6 screen that is the back surface.
class SurfaceDrawTest : public SheetWorld {
  protected:
    void SetUp() override {
        SheetWorld::SetUp();
        ASSERT_EQ(sheet.NAHRAJ_SURFACE("SHEET.BMP"), 1);
        sheet.BC_NASTAV(0, 10);
        sheet.TC_NASTAV(37, 7);
        letters = sheet.ZAMERAJ_FAZU(35, 6);
        UseScreen(screen);
    }
    static void UseScreen(TestSurface& s) {
        tk_ScreenW = s.width();
        tk_ScreenH = s.height();
        tk_lpDDSBack = s.get();
    }
    // Clears the screen, draws, and returns what shows in the region (the whole screen by default).
    std::string Drawn(const std::function<void()>& draw, RECT r = {0, 0, 10, 6}) {
        screen.Fill(0);
        draw();
        return screen.Lines(r.left, r.top, r.right, r.bottom, LetterLegend());
    }
    // Registers a bitmap resource and loads it.
    static bool Load(tk_CDas_Surface& s, const char* name, const std::string& bmp) {
        return RegisterBitmap(name, bmp) && s.NAHRAJ_SURFACE(name) == 1;
    }
    std::string Phase(bool mirrored, int x, int y, int clip = 1) {
        return Drawn([&] {
            mirrored ? sheet.ZOBRAZ_FAZU_Z(x, y, letters, clip) : sheet.ZOBRAZ_FAZU(x, y, letters, clip);
        });
    }

    tk_CDas_Surface sheet;
    tk_TFAZA letters;
    TestSurface screen{10, 6};
};

TEST_F(SurfaceDrawTest, PhaseAndItsMirrorAreClippedAtEveryScreenEdge) {
    // Cut at the left edge the phase keeps its last columns, at the right edge its first ones; the
    // mirror the other way round.
    const struct {
        bool mirrored;
        int x, y;
        const char* rows;
    } cases[] = {
        {false, 3, 1, "..........|...abcd...|...efgh...|...ijk....|..........|.........."},
        {false, -2, 1, "..........|cd........|gh........|k.........|..........|.........."},
        {false, -3, 1, "..........|d.........|h.........|..........|..........|.........."},
        {false, 9, 1, "..........|.........a|.........e|.........i|..........|.........."},
        {false, 3, -2, "...ijk....|..........|..........|..........|..........|.........."},
        {false, 3, 5, "..........|..........|..........|..........|..........|...abcd..."},
        {false, -1, -2, "jk........|..........|..........|..........|..........|.........."},
        {false, 8, 4, "..........|..........|..........|..........|........ab|........ef"},
        {true, 3, 1, "..........|...dcba...|...hgfe...|....kji...|..........|.........."},
        {true, -2, 1, "..........|ba........|fe........|ji........|..........|.........."},
        {true, 8, 1, "..........|........dc|........hg|.........k|..........|.........."},
        {true, -1, -2, "kji.......|..........|..........|..........|..........|.........."},
        {true, 8, 5, "..........|..........|..........|..........|..........|........dc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Phase(c.mirrored, c.x, c.y), c.rows) << c.mirrored << " " << c.x << "," << c.y;
    // Wholly off the screen nothing is drawn either way.
    for (auto [x, y] : {std::pair{-4, 1}, {-6, 1}, {10, 1}, {11, 1}, {3, -3}, {3, 6}})
        EXPECT_EQ(Phase(false, x, y) + Phase(true, x, y), std::string(kNone) + kNone) << x << "," << y;
    // Unclipped, a phase that leaves the screen is not drawn at all; one inside is drawn whole.
    EXPECT_EQ(Phase(false, -2, 1, 0) + Phase(true, -2, 1, 0), std::string(kNone) + kNone);
    EXPECT_EQ(Drawn([&] { sheet.ZOBRAZ_FAZU(screen.get(), 3, 1, letters, 0); }), cases[0].rows);
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
        {[&] { sheet.Zobraz_Rect(1, 1, part); }, corner, "gh.|kT."},
        {[&] { sheet.TC = kTC, sheet.Zobraz_Rect(screen.get(), 1, 1, part); }, corner, "gh.|k.."},
        {[&] { small.TC_NASTAV(1, 1), small.ZOBRAZ(1, 1); }, corner, "ab.|d.f"},
        {[&] { small.TC_NASTAV(0, 0), small.ZOBRAZ(screen.get(), 1, 1); }, corner, ".bT|dTf"},
        {[&] { small.TC = 0, small.ZOBRAZ(1, 1); }, corner, "abT|dTf"},
    };
    for (const auto& [draw, region, rows] : keyed) EXPECT_EQ(Drawn(draw, region), rows) << rows;

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
        EXPECT_EQ(Drawn([&] { sheet.ZOBRAZ_FAZU_2(1, 8, 1, 5, w.x, w.y, letters); }), w.rows) << w.x;
    EXPECT_EQ(Drawn([&] { sheet.ZOBRAZ_FAZU_2(screen.get(), 1, 8, 1, 5, 4, 2, letters); }), windowed[1].rows);
}

TEST_F(SurfaceDrawTest, CentredStretchedAndBlended) {
    // A 101 x 3 bar on an 800 x 7 screen covers columns 349..449 and rows 2..4.
    tk_CDas_Surface bar;
    ASSERT_TRUE(Load(bar, "BAR.BMP", Bmp24(101, 3, [](int, int) { return std::uint16_t{0xFFFF}; })));
    TestSurface wide(800, 7);
    UseScreen(wide);
    bar.Zobraz_Center();
    EXPECT_EQ(wide.Lines(348, 1, 351, 6, {{0xFFFF, 'W'}}) + " " + wide.Lines(448, 1, 451, 6, {{0xFFFF, 'W'}}),
              "...|.WW|.WW|.WW|... ...|WW.|WW.|WW.|...");

    // Stretched copies ignore the key (a is the transparent colour here), to the back buffer or a
    // given surface.
    tk_CDas_Surface quad;
    ASSERT_TRUE(Load(quad, "QUAD.BMP", Bmp24(2, 2, [](int x, int y) { return Letter(x + 2 * y); })));
    quad.TC_NASTAV(0, 0);
    TestSurface out(4, 4);
    tk_lpDDSBack = out.get();
    IDirectDrawSurface* o = out.get();
    const RECT b{1, 0, 2, 2}, mid{1, 1, 3, 3}, top{0, 0, 4, 2}, a{0, 0, 2, 1}, low{0, 2, 4, 4};
    const RECT one{0, 0, 1, 1}, d{1, 1, 2, 2};
    const std::pair<std::function<void()>, const char*> stretched[] = {
        {[&] { quad.Zobraz_Stretch_4(); }, "aabb|aabb|ccdd|ccdd"},
        {[&] { quad.Zobraz_Stretch_4(o); }, "aabb|aabb|ccdd|ccdd"},
        {[&] { quad.Zobraz_Stretch_3(o, b); }, "bbbb|bbbb|dddd|dddd"},
        {[&] { quad.Zobraz_Stretch_3(one); }, "aaaa|aaaa|aaaa|aaaa"},
        {[&] { quad.Zobraz_Stretch_2(mid); }, "....|.ab.|.cd.|...."},
        {[&] { quad.Zobraz_Stretch_2(o, low); }, "....|....|aabb|ccdd"},
        {[&] { quad.Zobraz_Stretch_1(top, a); }, "aabb|aabb|....|...."},
        {[&] { quad.Zobraz_Stretch_1(o, one, d); }, "d...|....|....|...."},
    };
    for (const auto& [draw, rows] : stretched) {
        out.Fill(0);
        draw();
        EXPECT_EQ(out.Lines(0, 0, 4, 4, LetterLegend()), rows);
    }

    // Blended with a constant alpha and no colour key: the transparent colour is blended too.
    UseScreen(screen);
    tk_CDas_Surface white;
    ASSERT_TRUE(
        Load(white, "WHITE.BMP", Bmp24(2, 1, [](int x, int) { return x ? kTC : std::uint16_t{0xFFFF}; })));
    white.TC_NASTAV(1, 0);
    EXPECT_EQ(Drawn([&] { white.ZOBRAZ_ALPHA(1, 1, 0); }), kNone);
    white.ZOBRAZ_ALPHA(screen.get(), 1, 1, 255);
    EXPECT_EQ(Nums(screen.Pixel(1, 1), screen.Pixel(2, 1)), Nums(0xFFFF, kTC));
    screen.Fill(0);
    white.ZOBRAZ_ALPHA(1, 1, 128);
    const int half = screen.Pixel(1, 1), red = half >> 11, green = (half >> 5) & 0x3F;
    EXPECT_TRUE(red >= 15 && red <= 16 && green >= 31 && green <= 32 && (half & 0x1F) == red) << half;
    // No retry: a lost sheet is neither drawn nor restored.
    tkp_MarkSurfaceLost(white.SURFACE);
    EXPECT_EQ(Drawn([&] { white.ZOBRAZ_ALPHA(1, 1, 255); }), kNone);
    EXPECT_EQ(white.SURFACE->IsLost(), DDERR_SURFACELOST);
}

TEST_F(SurfaceDrawTest, ALostSheetIsRestoredAndRefilledAndDrawnAtTheNextCall) {
    TestSurface room(48, 32);
    UseScreen(room);
    const std::vector<std::uint16_t> original = PixelsOf(sheet.SURFACE);
    const RECT part{34, 5, 38, 8}, at11{1, 1, 9, 7}, half{0, 0, 24, 16};
    const struct {
        const char* name;
        std::function<void()> draw;
        std::uint16_t at11;  // what pixel (1, 1) then shows
    } ops[] = {
        {"ZOBRAZ", [&] { sheet.ZOBRAZ(0, 0); }, kCorner},
        {"Zobraz_Rect", [&] { sheet.Zobraz_Rect(1, 1, part); }, Letter(0)},
        {"ZOBRAZ_FAZU", [&] { sheet.ZOBRAZ_FAZU(1, 1, letters, 1); }, Letter(0)},
        {"ZOBRAZ_FAZU_Z", [&] { sheet.ZOBRAZ_FAZU_Z(1, 1, letters, 1); }, Letter(3)},
        {"ZOBRAZ_FAZU_2", [&] { sheet.ZOBRAZ_FAZU_2(0, 48, 0, 32, 1, 1, letters); }, Letter(0)},
        {"Zobraz_Stretch_1", [&] { sheet.Zobraz_Stretch_1(at11, part); }, Letter(0)},
        {"Zobraz_Stretch_2", [&] { sheet.Zobraz_Stretch_2(half); }, kCorner},
        {"Zobraz_Stretch_3", [&] { sheet.Zobraz_Stretch_3(part); }, Letter(0)},
        {"Zobraz_Stretch_4", [&] { sheet.Zobraz_Stretch_4(); }, kCorner},
    };
    for (const auto& op : ops) {
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

TEST_F(SurfaceDrawTest, ABusyBlitterIsAskedAgainButNotForEverAndTheFillWritesRawValues) {
    tkp_SetSurfaceStillDrawing(sheet.SURFACE, 5);
    EXPECT_EQ(Phase(false, 3, 1), "..........|...abcd...|...efgh...|...ijk....|..........|..........");
    tkp_SetSurfaceStillDrawing(sheet.SURFACE, 1000000);
    EXPECT_EQ(Phase(false, 3, 1), kNone);
    tkp_SetSurfaceStillDrawing(sheet.SURFACE, 0);
    // Nothing to draw with, nothing to draw on: nothing happens.
    tk_CDas_Surface none;
    EXPECT_EQ(Drawn([&] {
                  none.ZOBRAZ_FAZU(3, 1, letters, 1);
                  none.Zobraz_Stretch_4();
                  sheet.ZOBRAZ_FAZU(nullptr, 3, 1, letters, 1);
              }),
              kNone);

    EXPECT_EQ(DDSURFACE_ZMAZ(screen.get(), 500), DD_OK);
    EXPECT_EQ(PixelsOf(screen.get()), std::vector<std::uint16_t>(60, 500));
    EXPECT_EQ(DDSURFACE_ZMAZ(nullptr, 500), DDERR_INVALIDPARAMS);
    tkp_MarkSurfaceLost(screen.get());
    EXPECT_EQ(DDSURFACE_ZMAZ(screen.get(), 0), DDERR_SURFACELOST);
}

// The skin's and the game's sheets drawn the ways the framework draws them, saved as a picture.
TEST_F(SurfaceDrawTest, PictureOfPhasesKeyedClippedMirroredStretchedAndBlended) {
    TestSurface back(200, 120);
    UseScreen(back);
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
    const tk_TFAZA logo = skin.ZAMERAJ_FAZU(100, 180);
    skin.ZOBRAZ_FAZU(10, 10, close, 1);
    for (auto [x, y] : {std::pair{-6, 50}, {192, 50}, {90, -7}, {90, 113}}) skin.ZOBRAZ_FAZU(x, y, info, 1);
    game.ZOBRAZ_FAZU(40, 40, hand, 1);
    game.ZOBRAZ_FAZU_Z(70, 40, hand, 1);
    game.ZOBRAZ_FAZU(130, 95, menu, 1);
    skin.Zobraz_Stretch_1(RECT{10, 70, 90, 94}, RECT{logo.x, logo.y, logo.x2, logo.y2});
    faded.ZOBRAZ_ALPHA(120, 10, 128);
    back.SavePng("surface_phases");

    // The mirrored hand is the hand read from right to left, and the ground shows through its
    // transparent part only.
    const int hw = hand.x2 - hand.x, hh = hand.y2 - hand.y;
    int differences = 0, ground = 0;
    for (int j = 0; j < hh; ++j) {
        for (int i = 0; i < hw; ++i) {
            differences += back.Pixel(40 + i, 40 + j) != back.Pixel(70 + hw - 1 - i, 40 + j);
            ground += back.Pixel(40 + i, 40 + j) == 500;
        }
    }
    EXPECT_EQ(differences, 0);
    EXPECT_TRUE(ground > 0 && ground < hw * hh) << ground;
    // The clipped copies of the info button reach exactly to the screen's edges.
    for (auto [x, y] : {std::pair{199, 59}, {0, 59}, {99, 0}, {99, 119}}) EXPECT_NE(back.Pixel(x, y), 500);
}

}  // namespace
}  // namespace tk_test
