// A picture of icons, a sprite in its three phases, void designs and labels drawn from the
// program's own skin sheet, saved for people to look at; a few of its pixels are checked.
#include <gtest/gtest.h>

#include "framework/app/tk_Display.h"
#include "framework/widgets/tk_CDAS.h"
#include "framework/widgets/tk_CLabel.h"
#include "framework/widgets/tk_CPolCHLO.h"
#include "framework/widgets/tk_CPolIcon.h"
#include "tests/graphics/tk_test_sheet.h"
#include "tests/graphics/tk_test_surface.h"

namespace tk_test {
namespace {

TEST(IconsPictureTest, IconsSpritesVoidDesignsAndLabels) {
    IDirectDraw* dd = nullptr;
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    TestSurface out(360, 240);
    out.Fill(out.RawOf(RGB(40, 60, 90)));
    tk_lpDDSPrimary = out.get();
    tk_ScreenW = 360;
    tk_ScreenH = 240;
    tk_CDas_Surface skin;
    ASSERT_EQ(skin.NAHRAJ_SURFACE(dd, "rezia_dll.bmp"), 1);
    skin.TC_NASTAV(1, 1);
    skin.BC_NASTAV(0, 0);
    HFONT font = CreateFontA(15, 9, 0, 0, 400, 0, 0, 0, 238, 0, 0, 0, 34, "Verdana");

    // The skin's check, cross and question mark; an icon without a picture.
    const int points[][2] = {{45, 40}, {45, 55}, {200, 25}};
    for (int i = 0; i < 3; ++i)
        tk_CIcon(&skin, points[i][0], points[i][1]).ZOBRAZ(out.get(), 10 + 30 * i, 10);
    tk_CIcon().ZOBRAZ_2(out.get(), 0, 360, 0, 240, 250, 10);
    // The close button's three phases side by side.
    tk_CDAS sprite("close", 0, 0);
    sprite.Dsgn2_UserA(0, 0, &skin, 80, 10, 80, 30, 80, 55);
    for (int i = 0; i < 3; ++i) {
        sprite.SF(i);
        sprite.MoveToRel(10 + 30 * i, 45);
        sprite.ZOBRAZ(out.get());
    }
    // Void designs of a sprite, a pressed button and a slider; labels; the logo as an element.
    tk_CPolCHLO root;
    const int boxes[][5] = {{2, 10, 70, 0}, {4, 90, 90, 2}, {5, 190, 16, 0}};
    for (const auto& b : boxes) {
        auto* v = new tk_CDAS(&root, 0, 0);
        v->Dsgn0_VoidDC(b[1], 80, b[2], 40);
        v->SetClassId(b[0]);
        v->SF(b[3]);
    }
    auto* white = new tk_CLabel(&root, 10, 135, "Zamiešaj karty");
    white->colour = RGB(255, 255, 255);
    auto* yellow = new tk_CLabel(&root, 150, 135, "Koniec");
    yellow->colour = RGB(255, 220, 0);
    yellow->font = font;
    (new tk_CPolIcon(&root, 0, 0, static_cast<tk_CIcon*>(nullptr)))
        ->Dsgn_PolIcon_User(150, 160, &skin, 100, 180);
    root.ZOBRAZ_Deti(out.get());
    out.SavePng("widgets_icons_sprites_labels");

    // The close button's first phase is the sheet's picture; the pressed button is filled grey.
    tk_TFAZA f = skin.ZAMERAJ_FAZU(80, 10);
    EXPECT_EQ(out.Pixel(13, 48), PixelOf(skin.SURFACE, f.x + 3, f.y + 3));
    EXPECT_EQ(out.Pixel(176, 117), out.RawOf(RGB(216, 216, 216)));

    tk_lpDDSPrimary = nullptr;
    DeleteObject(font);
    skin.RELEASE_SURFACE();
    dd->Release();
}

}  // namespace
}  // namespace tk_test
