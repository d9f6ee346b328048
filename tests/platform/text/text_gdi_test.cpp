// The text calls on device contexts: memory bitmaps and DirectDraw surfaces, the DC's font, colour
// and background mode, and refused arguments.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/kernel/debug.h"
#include "platform/platform.h"
#include "tests/platform/ddraw/dd_test_util.h"
#include "tests/platform/text/text_fonts.h"

namespace {

// A memory DC drawing into a white bitmap.
struct MemoryDC {
    tkp_GdiBitmap* bitmap = new tkp_GdiBitmap();
    HDC dc = CreateCompatibleDC(nullptr);
    MemoryDC(int w, int h) {
        bitmap->width = w;
        bitmap->height = h;
        bitmap->pixels.assign(static_cast<std::size_t>(w * h), 0x00FFFFFF);
        SelectObject(dc, bitmap);
    }
    ~MemoryDC() {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    std::uint32_t At(int x, int y) const {
        return bitmap->pixels[static_cast<std::size_t>(y) * bitmap->width + x];
    }
};

HFONT verdana() {
    return CreateFontA(20, 0, 0, 0, FW_BOLD, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0, 34, "Verdana");
}

TEST(TextGdiTest, DrawTextOnAMemoryDcPlacesTheTextLikeTextOut) {
    HFONT font = verdana();
    MemoryDC a(300, 100), b(300, 100);
    for (HDC dc : {a.dc, b.dc}) {
        SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(80, 0, 0));
    }
    SIZE s{};
    ASSERT_TRUE(GetTextExtentPoint32A(a.dc, "čerešňa", -1, &s));
    EXPECT_EQ(s.cx, tkp_TextExtent(tkp_FontFor(font), "čerešňa").cx);
    EXPECT_EQ(s.cy, tkp_FontFor(font).strike->Height());
    RECT card{10, 0, 160, 100};
    EXPECT_EQ(DrawTextA(a.dc, "čerešňa", -1, &card, DT_CENTER | DT_VCENTER | DT_SINGLELINE),
              50 - s.cy / 2 + s.cy);
    EXPECT_TRUE(TextOutA(b.dc, (170 - s.cx) / 2, 50 - s.cy / 2, "čerešňa", 10));
    EXPECT_EQ(a.bitmap->pixels, b.bitmap->pixels);
    // The measurement of the framework's text helper: DT_CALCRECT on the DC.
    RECT m{0, 0, 0, 0};
    EXPECT_EQ(DrawTextA(a.dc, "čerešňa", -1, &m, DT_CALCRECT), s.cy);
    EXPECT_EQ(m.right, s.cx);
    EXPECT_EQ(a.bitmap->pixels, b.bitmap->pixels) << "measuring draws nothing";
    // A byte count takes only that much of the text.
    SIZE part{};
    GetTextExtentPoint32A(a.dc, "čerešňa", 3, &part);
    EXPECT_EQ(part.cx, tkp_TextExtent(tkp_FontFor(font), "če").cx);
    for (HDC dc : {a.dc, b.dc}) SelectObject(dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}

TEST(TextGdiTest, TextColourAndOpaqueBackgroundAreTheDcs) {
    MemoryDC m(200, 60);
    HFONT font = verdana();
    SelectObject(m.dc, font);
    SetTextColor(m.dc, RGB(10, 20, 30));
    SetBkColor(m.dc, RGB(200, 210, 220));
    SetBkMode(m.dc, OPAQUE);
    SIZE s{};
    GetTextExtentPoint32A(m.dc, "&Koniec", -1, &s);
    RECT r{5, 5, 195, 55};
    DrawTextA(m.dc, "&Koniec", -1, &r, DT_LEFT);
    const int baseline = 5 + tkp_FontFor(font).strike->Ascent();
    // The prefix line is fully covered: exactly the text colour. The box corners: the background.
    EXPECT_EQ(m.At(5, baseline + 1), 0x000A141Eu);
    EXPECT_EQ(m.At(5, 5), 0x00C8D2DCu);
    const int width = tkp_TextExtent(tkp_FontFor(font), "Koniec").cx;
    EXPECT_EQ(m.At(5 + width - 1, 5 + s.cy - 1), 0x00C8D2DCu);
    EXPECT_EQ(m.At(5 + width, 5), 0x00FFFFFFu);
    EXPECT_EQ(m.At(5, 5 + s.cy), 0x00FFFFFFu);
    EXPECT_EQ(m.At(4, 5), 0x00FFFFFFu);
    SelectObject(m.dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}

TEST(TextGdiTest, ANewDcDrawsInTheSystemFont) {
    MemoryDC m(100, 40);
    SIZE s{};
    ASSERT_TRUE(GetTextExtentPoint32A(m.dc, "Zamiešaj", -1, &s));
    EXPECT_EQ(s.cx, tkp_TextExtent(tkp_FontFor(nullptr), "Zamiešaj").cx);
    EXPECT_EQ(s.cy, tkp_SystemFont()->strike->Height());
    SelectObject(m.dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE gui{};
    GetTextExtentPoint32A(m.dc, "Zamiešaj", -1, &gui);
    EXPECT_EQ(gui.cx, s.cx);
}

TEST(TextGdiTest, TextReachesASurfaceAndStaysInside) {
    ddt::Session session;
    LPDIRECTDRAWSURFACE surface = ddt::MakeSurface(session.dd, 120, 40);
    ddt::Fill(surface, 0xFFFF);
    HDC dc = nullptr;
    ASSERT_EQ(surface->GetDC(&dc), DD_OK);
    HFONT big = CreateFontA(150, 65, 0, 0, FW_NORMAL, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0, 34, "Verdana");
    SelectObject(dc, big);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    // Far larger than the surface, partly off every edge.
    EXPECT_TRUE(TextOutA(dc, -40, -50, "Super! Gratulujeme!", -1));
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(big);
    RECT r{0, 0, 120, 40};
    SetTextColor(dc, RGB(255, 0, 0));
    DrawTextA(dc, "&x", -1, &r, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    surface->ReleaseDC(dc);
    int black = 0, red = 0;
    ddt::ForEachPixel(surface, [&](int, int, std::uint16_t& p) {
        black += p == 0x0000;
        red += p == 0xF800;
    });
    EXPECT_GT(black, 100);
    EXPECT_GT(red, 0);
    surface->Release();
}

TEST(TextGdiTest, BadArgumentsAreRefusedAndLogged) {
    MemoryDC m(50, 20);
    RECT r{0, 0, 50, 20};
    SIZE s{};
    tkp_CaptureDebugOutput(true);
    EXPECT_FALSE(TextOutA(nullptr, 0, 0, "a", 1));
    EXPECT_FALSE(TextOutA(m.dc, 0, 0, "a", -2));
    EXPECT_FALSE(TextOutA(m.dc, 0, 0, nullptr, 3));
    EXPECT_TRUE(TextOutA(m.dc, 0, 0, nullptr, 0));
    EXPECT_EQ(DrawTextA(m.dc, "a", 1, nullptr, 0), 0);
    EXPECT_FALSE(GetTextExtentPoint32A(m.dc, "a", 1, nullptr));
    // A format this stand-in does not know is reported once and otherwise ignored.
    EXPECT_GT(DrawTextA(m.dc, "a\tb", -1, &r, DT_EXPANDTABS), 0);
    EXPECT_GT(DrawTextA(m.dc, "a\tb", -1, &r, DT_EXPANDTABS), 0);
    const std::string log = tkp_TakeDebugOutput();
    tkp_CaptureDebugOutput(false);
    EXPECT_EQ(log,
              "text: TextOutA: no device context\n"
              "text: TextOutA: bad text (count -2)\n"
              "text: TextOutA: bad text (count 3, no string)\n"
              "text: DrawTextA: no device context or no rectangle\n"
              "text: GetTextExtentPoint32A: no device context or no size\n"
              "text: DrawTextA: format flags 0x40 are not supported and are ignored\n");
    GetTextExtentPoint32A(m.dc, "", 0, &s);
    EXPECT_EQ(s.cx, 0);
    EXPECT_EQ(s.cy, tkp_SystemFont()->strike->Height());
}

}  // namespace
