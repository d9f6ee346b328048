// A page of every primitive drawn on the back buffer, presented and saved as a picture for people
// to look at (TK_SCREENSHOT_DIR/platform_gdi_primitives.png). The pixels themselves are checked by
// the shape, blit and DC tests.
#include <gtest/gtest.h>

#include <string>

#include "platform/headless/headless_display.h"
#include "tests/platform/gdi/gdi_test_util.h"

namespace {

// Selects a new pen or brush into dc and deletes the one it replaces (never a stock object).
void Pen(HDC dc, int width, COLORREF colour) {
    DeleteObject(SelectObject(dc, CreatePen(PS_SOLID, width, colour)));
}
void Brush(HDC dc, COLORREF colour) {
    DeleteObject(SelectObject(dc, CreateSolidBrush(colour)));
}
// A stock pen and brush; -1 keeps what is selected.
void Stock(HDC dc, int pen, int brush) {
    for (int id : {pen, brush})
        if (id >= 0) DeleteObject(SelectObject(dc, GetStockObject(id)));
}

void Polyline(HDC dc, std::initializer_list<POINT> points) {
    MoveToEx(dc, points.begin()->x, points.begin()->y, nullptr);
    for (const POINT& p : points) LineTo(dc, p.x, p.y);
}

}  // namespace

TEST(PrimitivesPage, DrawsPresentsAndSavesAPictureOfEveryPrimitive) {
    tk_test::Session session(800, 600);
    LPDIRECTDRAWSURFACE back = session.back;
    DDBLTFX fx{};
    fx.dwSize = sizeof(fx);
    fx.dwFillColor = 0x3166;  // dark slate
    ASSERT_EQ(back->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);

    // A sprite sheet: a winking face on a magenta key, made with GDI on its own surface.
    LPDIRECTDRAWSURFACE sheet = session.Surface(48, 48);
    HDC dc = nullptr;
    ASSERT_EQ(sheet->GetDC(&dc), DD_OK);
    Stock(dc, NULL_PEN, NULL_BRUSH);
    Brush(dc, RGB(255, 0, 255));
    Rectangle(dc, 0, 0, 49, 49);
    Pen(dc, 2, RGB(0, 0, 0));
    Brush(dc, RGB(255, 220, 0));
    Ellipse(dc, 4, 4, 44, 44);
    Brush(dc, RGB(0, 0, 0));
    Ellipse(dc, 14, 14, 20, 22);
    Polyline(dc, {{29, 19}, {37, 17}});
    Polyline(dc, {{14, 31}, {20, 35}, {30, 35}, {35, 30}});
    Stock(dc, BLACK_PEN, WHITE_BRUSH);
    sheet->ReleaseDC(dc);
    DDCOLORKEY key{0xF81F, 0xF81F};
    sheet->SetColorKey(DDCKEY_SRCBLT, &key);

    ASSERT_EQ(back->GetDC(&dc), DD_OK);
    // Rectangles: thin pen with brush, wide pen hollow, null pen with brush.
    Pen(dc, 1, RGB(255, 255, 255));
    Brush(dc, RGB(60, 60, 255));
    Rectangle(dc, 20, 20, 120, 80);
    Pen(dc, 3, RGB(0, 255, 0));
    Stock(dc, -1, NULL_BRUSH);
    Rectangle(dc, 140, 20, 240, 80);
    Stock(dc, NULL_PEN, -1);
    Brush(dc, RGB(255, 60, 60));
    Rectangle(dc, 260, 20, 360, 80);
    // Ellipses: a circle, a wide ring and the design marker dot.
    Pen(dc, 1, RGB(255, 255, 255));
    Brush(dc, RGB(255, 255, 60));
    Ellipse(dc, 20, 100, 100, 180);
    Pen(dc, 3, RGB(255, 60, 60));
    Stock(dc, -1, HOLLOW_BRUSH);
    Ellipse(dc, 120, 100, 240, 180);
    Stock(dc, WHITE_PEN, WHITE_BRUSH);
    Ellipse(dc, 296, 136, 304, 144);
    Stock(dc, -1, NULL_BRUSH);
    Ellipse(dc, 280, 120, 320, 160);
    // Menu highlights: rounded, no pen, the three state brushes.
    Stock(dc, NULL_PEN, -1);
    const COLORREF states[] = {RGB(60, 60, 255), RGB(255, 60, 60), RGB(255, 255, 60)};
    for (int i = 0; i < 3; ++i) {
        Brush(dc, states[i]);
        RoundRect(dc, 380, 20 + 36 * i, 520, 50 + 36 * i, 10, 10);
    }
    // A fan of lines, and a raised bevel on light grey as the framework draws one: white
    // top-left, black and grey bottom-right.
    for (int i = 0; i <= 12; ++i) {
        Pen(dc, 1 + i % 3, RGB(20 * i, 255 - 20 * i, 128));
        Polyline(dc, {{560, 180}, {560 + 220 * (i - 6) / 6, 30}});
    }
    Brush(dc, RGB(216, 216, 216));
    Stock(dc, NULL_PEN, -1);
    Rectangle(dc, 380, 130, 521, 181);
    Stock(dc, WHITE_PEN, -1);
    Polyline(dc, {{380, 179}, {380, 130}, {519, 130}});
    Stock(dc, BLACK_PEN, -1);
    Polyline(dc, {{519, 130}, {519, 179}, {379, 179}});
    Pen(dc, 1, RGB(80, 80, 80));
    Polyline(dc, {{518, 131}, {518, 178}, {380, 178}});
    // A gradient bitmap stretched through a memory DC.
    gdt::MemoryDC gradient(64, 32, 0u);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            gradient.bitmap->pixels[std::size_t(y * 64 + x)] =
                (x * 4u) << 16 | (y * 8u) << 8 | (255 - x * 4u);
    StretchBlt(dc, 20, 420, 256, 128, gradient.dc, 0, 0, 64, 32, SRCCOPY);
    Stock(dc, BLACK_PEN, WHITE_BRUSH);
    back->ReleaseDC(dc);

    // Sprites: keyed, mirrored one pixel narrower, stretched twice, and half transparent.
    ASSERT_EQ(back->BltFast(20, 220, sheet, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
    RECT mirror{90, 220, 137, 267}, big{160, 220, 256, 316}, faded{280, 220, 328, 268};
    fx.dwDDFX = DDBLTFX_MIRRORLEFTRIGHT;
    ASSERT_EQ(back->Blt(&mirror, sheet, nullptr, DDBLT_KEYSRC | DDBLT_DDFX, &fx), DD_OK);
    ASSERT_EQ(back->Blt(&big, sheet, nullptr, DDBLT_KEYSRC, nullptr), DD_OK);
    fx.dwAlphaSrcConst = 128;
    ASSERT_EQ(back->Blt(&faded, sheet, nullptr, DDBLT_ALPHASRCCONSTOVERRIDE | DDBLT_WAIT, &fx), DD_OK);
    sheet->Release();
    // 5-6-5 ramps of red, green and blue as colour fills.
    for (int i = 0; i < 32; ++i) {
        for (int c = 0; c < 3; ++c) {
            RECT r{360 + i * 12, 220 + 34 * c, 372 + i * 12, 250 + 34 * c};
            fx.dwFillColor = static_cast<DWORD>(c == 0 ? i << 11 : c == 1 ? (i * 2) << 5 : i);
            back->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL, &fx);
        }
    }

    ASSERT_EQ(session.primary->BltFast(0, 0, back, nullptr, DDBLTFAST_NOCOLORKEY), DD_OK);
    tkp_HeadlessSaveFramePng((std::string(TK_SCREENSHOT_DIR) + "/platform_gdi_primitives.png").c_str());
}
