// The text calls on a surface's device context (where the program draws all its text): the DC's
// font and colour, DrawTextA placing the text as TextOutA does, and text larger than the surface.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/platform.h"
#include "tests/common/platform/gdi_test_util.h"
#include "tests/platform/text/text_fonts.h"

namespace {

using tk_test::Nums;

// (Measuring on a DC is the framework's text measurement test's.)
TEST(TextGdiTest, DrawTextPlacesTheTextLikeTextOutInTheFontAndColourOfTheDc) {
    gdt::Canvas a(300, 100), b(300, 100);
    // A new DC measures in the system font.
    RECT own{};
    DrawTextA(a.dc, "Zamiešaj", -1, &own, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(Nums(own.right, own.bottom),
              Nums(tkp::text::TextExtent(tkp::text::FontFor(nullptr), "Zamiešaj").cx,
                   tkp::text::SystemFont()->strike->Height()));
    // The name font of the cards, centred on a card.
    FontPtr font = MakeFont(20, 0, FW_BOLD, "Verdana");
    for (gdt::Canvas* c : {&a, &b}) {
        SelectObject(c->dc, font.get());
        SetBkMode(c->dc, TRANSPARENT);
        SetTextColor(c->dc, RGB(255, 0, 0));
    }
    const SIZE s = Extent(font, "čerešňa");
    RECT card{10, 0, 160, 100};
    EXPECT_EQ(DrawTextA(a.dc, "čerešňa", -1, &card, DT_CENTER | DT_VCENTER | DT_SINGLELINE),
              50 - s.cy / 2 + s.cy);
    EXPECT_TRUE(TextOutA(b.dc, (170 - s.cx) / 2, 50 - s.cy / 2, "čerešňa", 10));
    const std::vector<std::uint16_t> drawn = a.Raw();
    EXPECT_TRUE(drawn == b.Raw() && std::count(drawn.begin(), drawn.end(), 0xF800) > 20);
    for (gdt::Canvas* c : {&a, &b}) SelectObject(c->dc, GetStockObject(SYSTEM_FONT));
}

TEST(TextGdiTest, TextLargerThanTheSurfaceStaysInside) {
    gdt::Canvas c(120, 40);
    HFONT big = CreateFontA(150, 65, 0, 0, FW_NORMAL, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0, 34, "Verdana");
    SelectObject(c.dc, big);
    SetBkMode(c.dc, TRANSPARENT);
    SetTextColor(c.dc, RGB(0, 0, 255));
    // Far larger than the surface, partly off every edge.
    EXPECT_TRUE(TextOutA(c.dc, -40, -50, "Super! Gratulujeme!", -1));
    SelectObject(c.dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(big);
    RECT r{0, 0, 120, 40};
    SetTextColor(c.dc, RGB(255, 0, 0));
    DrawTextA(c.dc, "&x", -1, &r, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    const std::vector<std::uint16_t> raw = c.Raw();
    EXPECT_TRUE(std::count(raw.begin(), raw.end(), 0x001F) > 100 &&
                std::count(raw.begin(), raw.end(), 0xF800) > 0);
}

}  // namespace
