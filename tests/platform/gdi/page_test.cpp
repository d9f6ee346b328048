// A page of every primitive drawn on the back buffer, presented and saved as a picture for people
// to look at (TK_SCREENSHOT_DIR/platform_gdi_primitives.png); a few of its pixels are checked.
#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/gdi_object.h"
#include "tests/platform/gdi/gdi_test_util.h"

namespace {

void Pen(HDC dc, int width, COLORREF colour, HPEN* keep) {
    *keep = CreatePen(PS_SOLID, width, colour);
    DeleteObject(SelectObject(dc, *keep));
}

void Brush(HDC dc, COLORREF colour) {
    DeleteObject(SelectObject(dc, CreateSolidBrush(colour)));
}

// A raised bevel as the framework draws one: white top-left, black and grey bottom-right.
void Bevel(HDC dc, RECT r, HPEN grey) {
    const int L = r.left, T = r.top, R = r.right - 1, B = r.bottom - 1;
    SelectObject(dc, GetStockObject(WHITE_PEN));
    MoveToEx(dc, L, B, nullptr);
    LineTo(dc, L, T);
    LineTo(dc, R, T);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    LineTo(dc, R, B);
    LineTo(dc, L - 1, B);
    SelectObject(dc, grey);
    MoveToEx(dc, R - 1, T + 1, nullptr);
    LineTo(dc, R - 1, B - 1);
    LineTo(dc, L, B - 1);
}

}  // namespace

TEST(PrimitivesPage, DrawsPresentsAndSavesAPictureOfEveryPrimitive) {
    ddt::Session session(800, 600);
    LPDIRECTDRAWSURFACE back = session.back;
    DDBLTFX fx{};
    fx.dwSize = sizeof(fx);
    fx.dwFillColor = 0x3166;  // dark slate
    ASSERT_EQ(back->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);

    // A sprite sheet: a winking face on a magenta key, made with GDI on its own surface.
    LPDIRECTDRAWSURFACE sheet = ddt::MakeSurface(session.dd, 48, 48);
    HDC dc = nullptr;
    ASSERT_EQ(sheet->GetDC(&dc), DD_OK);
    RECT all{0, 0, 48, 48};
    HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(dc, &all, magenta);
    DeleteObject(magenta);
    HPEN pen = nullptr;
    Pen(dc, 2, RGB(0, 0, 0), &pen);
    Brush(dc, RGB(255, 220, 0));
    Ellipse(dc, 4, 4, 44, 44);
    Brush(dc, RGB(0, 0, 0));
    Ellipse(dc, 14, 14, 20, 22);
    MoveToEx(dc, 29, 19, nullptr);
    LineTo(dc, 37, 17);
    MoveToEx(dc, 14, 31, nullptr);
    LineTo(dc, 20, 35);
    LineTo(dc, 30, 35);
    LineTo(dc, 35, 30);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    DeleteObject(pen);
    DeleteObject(SelectObject(dc, GetStockObject(WHITE_BRUSH)));
    sheet->ReleaseDC(dc);
    DDCOLORKEY key{0xF81F, 0xF81F};
    sheet->SetColorKey(DDCKEY_SRCBLT, &key);

    ASSERT_EQ(back->GetDC(&dc), DD_OK);
    SetBkMode(dc, TRANSPARENT);
    // Rectangles: thin pen with brush, wide pen hollow, null pen with brush.
    Pen(dc, 1, RGB(255, 255, 255), &pen);
    Brush(dc, RGB(60, 60, 255));
    Rectangle(dc, 20, 20, 120, 80);
    HPEN wide = nullptr;
    Pen(dc, 3, RGB(0, 255, 0), &wide);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, 140, 20, 240, 80);
    SelectObject(dc, GetStockObject(NULL_PEN));
    Brush(dc, RGB(255, 60, 60));
    Rectangle(dc, 260, 20, 360, 80);
    // Ellipses: a circle, a wide ring and the design marker dot.
    Pen(dc, 1, RGB(255, 255, 255), &pen);
    Brush(dc, RGB(255, 255, 60));
    Ellipse(dc, 20, 100, 100, 180);
    Pen(dc, 3, RGB(255, 60, 60), &wide);
    SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
    Ellipse(dc, 120, 100, 240, 180);
    SelectObject(dc, GetStockObject(WHITE_PEN));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    Ellipse(dc, 296, 136, 304, 144);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Ellipse(dc, 280, 120, 320, 160);
    // Menu highlights: rounded, no pen, the three state brushes.
    SelectObject(dc, GetStockObject(NULL_PEN));
    const COLORREF states[] = {RGB(60, 60, 255), RGB(255, 60, 60), RGB(255, 255, 60)};
    for (int i = 0; i < 3; ++i) {
        Brush(dc, states[i]);
        RoundRect(dc, 380, 20 + 36 * i, 520, 50 + 36 * i, 10, 10);
    }
    // A fan of lines and a raised bevel on light grey.
    for (int i = 0; i <= 12; ++i) {
        Pen(dc, 1 + i % 3, RGB(20 * i, 255 - 20 * i, 128), &pen);
        MoveToEx(dc, 560, 180, nullptr);
        LineTo(dc, 560 + 220 * (i - 6) / 6, 30);
    }
    HPEN grey = CreatePen(PS_SOLID, 1, RGB(80, 80, 80));
    RECT panel{380, 130, 520, 180};
    HBRUSH light = CreateSolidBrush(RGB(216, 216, 216));
    FillRect(dc, &panel, light);
    DeleteObject(light);
    Bevel(dc, panel, grey);
    // A gradient bitmap stretched through a memory DC.
    auto* gradient = new tkp_GdiBitmap();
    gradient->width = 64;
    gradient->height = 32;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 64; ++x)
            gradient->pixels.push_back((x * 4u) << 16 | (y * 8u) << 8 | (255 - x * 4u));
    }
    HDC memory = CreateCompatibleDC(dc);
    SelectObject(memory, gradient);
    StretchBlt(dc, 20, 420, 256, 128, memory, 0, 0, 64, 32, SRCCOPY);
    DeleteDC(memory);
    DeleteObject(gradient);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    DeleteObject(SelectObject(dc, GetStockObject(WHITE_BRUSH)));
    DeleteObject(pen);
    DeleteObject(wide);
    DeleteObject(grey);
    back->ReleaseDC(dc);

    // Sprites: keyed, mirrored one pixel narrower, stretched twice, and half transparent.
    ASSERT_EQ(back->BltFast(20, 220, sheet, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
    RECT mirror{90, 220, 137, 267};
    fx.dwDDFX = DDBLTFX_MIRRORLEFTRIGHT;
    ASSERT_EQ(back->Blt(&mirror, sheet, nullptr, DDBLT_KEYSRC | DDBLT_DDFX, &fx), DD_OK);
    RECT big{160, 220, 256, 316};
    ASSERT_EQ(back->Blt(&big, sheet, nullptr, DDBLT_KEYSRC, nullptr), DD_OK);
    RECT faded{280, 220, 328, 268};
    fx.dwAlphaSrcConst = 128;
    ASSERT_EQ(back->Blt(&faded, sheet, nullptr, DDBLT_ALPHASRCCONSTOVERRIDE | DDBLT_WAIT, &fx), DD_OK);
    // 5-6-5 ramps of red, green and blue as colour fills.
    for (int i = 0; i < 32; ++i) {
        RECT r{360 + i * 12, 220, 372 + i * 12, 250};
        fx.dwFillColor = static_cast<DWORD>(i << 11);
        back->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL, &fx);
        r.top += 34, r.bottom += 34;
        fx.dwFillColor = static_cast<DWORD>((i * 2) << 5);
        back->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL, &fx);
        r.top += 34, r.bottom += 34;
        fx.dwFillColor = static_cast<DWORD>(i);
        back->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL, &fx);
    }
    sheet->Release();

    ASSERT_EQ(session.primary->BltFast(0, 0, back, nullptr, DDBLTFAST_NOCOLORKEY), DD_OK);
    // Slate 0x3166 widens to 0x312C31; the brush RGB(60, 60, 255) comes back as 0x393CFF.
    EXPECT_EQ(tkp_HeadlessFramePixel(20, 20), 0xFFFFFFu);
    EXPECT_EQ(tkp_HeadlessFramePixel(119, 79), 0xFFFFFFu);
    EXPECT_EQ(tkp_HeadlessFramePixel(120, 80), 0x312C31u);  // right and bottom left out
    EXPECT_EQ(tkp_HeadlessFramePixel(50, 50), 0x393CFFu);
    EXPECT_EQ(tkp_HeadlessFramePixel(22, 222), 0x312C31u);  // the key let the slate through
    EXPECT_EQ(tkp_HeadlessFramePixel(44, 244), 0xFFDB00u);  // the face, RGB(255, 220, 0) rounded
    const std::string path = std::string(TK_SCREENSHOT_DIR) + "/platform_gdi_primitives.png";
    EXPECT_TRUE(tkp_HeadlessSaveFramePng(path.c_str()));
}
