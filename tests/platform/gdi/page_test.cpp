// A page of every primitive and of the game's Slovak texts, drawn on the back buffer, presented and
// saved as a picture for people to look at (TK_SCREENSHOT_DIR/platform_gdi_primitives.png). The
// pixels themselves are checked by the shape, blit, DC and text tests.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "platform/headless/headless_display.h"
#include "tests/common/platform/gdi_test_util.h"

namespace {

// Selects a new pen, brush or font into dc and deletes the one it replaces (never a stock object).
void replaceSelected(HDC dc, HGDIOBJ object) {
    DeleteObject(SelectObject(dc, object));
}

HFONT verdanaFont(int height, int width, int weight) {
    return CreateFontA(height, width, 0, 0, weight, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0, 34, "Verdana");
}

}  // namespace

TEST(PrimitivesPage, DrawsPresentsAndSavesAPictureOfEveryPrimitiveAndSlovakText) {
    tk_test::Session session(800, 600);
    LPDIRECTDRAWSURFACE back = session.back, sheet = session.Surface(48, 48);
    DDBLTFX fx{};
    fx.dwSize = sizeof(fx);
    fx.dwFillColor = 0x3166;  // dark slate
    ASSERT_EQ(back->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);
    // A sprite: a face on a magenta key.
    HDC dc = nullptr;
    ASSERT_EQ(sheet->GetDC(&dc), DD_OK);
    replaceSelected(dc, GetStockObject(NULL_PEN));
    replaceSelected(dc, CreateSolidBrush(RGB(255, 0, 255)));
    Rectangle(dc, 0, 0, 49, 49);
    replaceSelected(dc, CreatePen(PS_SOLID, 2, RGB(0, 0, 0)));
    replaceSelected(dc, CreateSolidBrush(RGB(255, 220, 0)));
    Ellipse(dc, 4, 4, 44, 44);
    replaceSelected(dc, GetStockObject(BLACK_PEN));
    replaceSelected(dc, GetStockObject(WHITE_BRUSH));
    sheet->ReleaseDC(dc);
    DDCOLORKEY key{0xF81F, 0xF81F};
    sheet->SetColorKey(DDCKEY_SRCBLT, &key);

    ASSERT_EQ(back->GetDC(&dc), DD_OK);
    // Rectangles, ellipses and rounded highlights: thin and wide pens, filled, hollow and penless.
    const COLORREF colours[] = {RGB(60, 60, 255), RGB(255, 60, 60), RGB(255, 255, 60)};
    for (int i = 0; i < 3; ++i) {
        replaceSelected(
            dc, i == 2 ? GetStockObject(NULL_PEN) : CreatePen(PS_SOLID, 1 + 2 * i, RGB(255, 255, 255)));
        replaceSelected(dc, i == 1 ? GetStockObject(NULL_BRUSH) : CreateSolidBrush(colours[i]));
        Rectangle(dc, 20 + 120 * i, 20, 120 + 120 * i, 80);
        Ellipse(dc, 20 + 120 * i, 100, 120 + 120 * i, 180);
        replaceSelected(dc, CreateSolidBrush(colours[i]));
        RoundRect(dc, 380, 20 + 36 * i, 520, 50 + 36 * i, 10, 10);
    }
    // A fan of lines in three widths.
    for (int i = 0; i <= 12; ++i) {
        replaceSelected(dc, CreatePen(PS_SOLID, 1 + i % 3, RGB(20 * i, 255 - 20 * i, 128)));
        MoveToEx(dc, 660, 180, nullptr);
        LineTo(dc, 660 + 120 * (i - 6) / 6, 30);
    }
    replaceSelected(dc, GetStockObject(BLACK_PEN));
    replaceSelected(dc, GetStockObject(WHITE_BRUSH));
    // Slovak texts in the skin's font and the name fonts, normal and narrowed.
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    int y = 300;
    for (auto [h, w, weight] :
         {std::tuple{15, 9, FW_NORMAL}, {22, 0, FW_BOLD}, {22, 9, FW_BOLD}, {-28, 0, FW_BOLD}}) {
        replaceSelected(dc, verdanaFont(h, w, weight));
        TextOutA(dc, 20, y, "Zamiešaj   Ozvučenie kariet...   Rozlíšenie obrazovky   čerešňa", -1);
        y += 40;
    }
    replaceSelected(dc, verdanaFont(150, 65, FW_NORMAL));
    RECT banner{0, 460, 800, 600};
    DrawTextA(dc, "Super!", -1, &banner, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    replaceSelected(dc, GetStockObject(SYSTEM_FONT));
    back->ReleaseDC(dc);

    // The sprite keyed, mirrored one pixel narrower, stretched twice, and half transparent.
    ASSERT_EQ(back->BltFast(20, 220, sheet, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
    RECT mirror{90, 220, 137, 267}, big{160, 200, 256, 296}, faded{280, 220, 328, 268};
    fx.dwDDFX = DDBLTFX_MIRRORLEFTRIGHT;
    ASSERT_EQ(back->Blt(&mirror, sheet, nullptr, DDBLT_KEYSRC | DDBLT_DDFX, &fx), DD_OK);
    ASSERT_EQ(back->Blt(&big, sheet, nullptr, DDBLT_KEYSRC, nullptr), DD_OK);
    fx.dwAlphaSrcConst = 128;
    ASSERT_EQ(back->Blt(&faded, sheet, nullptr, DDBLT_ALPHASRCCONSTOVERRIDE | DDBLT_WAIT, &fx), DD_OK);
    sheet->Release();

    ASSERT_EQ(session.primary->BltFast(0, 0, back, nullptr, DDBLTFAST_NOCOLORKEY), DD_OK);
    EXPECT_TRUE(tkp::headless::SaveFramePng(
        (std::string(TK_SCREENSHOT_DIR) + "/platform_gdi_primitives.png").c_str()));
}
