// Labels: text at the element's place in its colour and font, measured with the skin's font
// through the platform; texts copied and replaced; hidden labels silent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "framework/app/tk_DSGN.h"
#include "framework/app/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/widgets/tk_CLabel.h"
#include "framework/widgets/tk_CPolCHLO.h"
#include "tests/graphics/tk_test_surface.h"

namespace tk_test {
namespace {

HFONT Verdana(int height, int width) {
    return CreateFontA(height, width, 0, 0, 400, 0, 0, 0, 238, 0, 0, 0, 34, "Verdana");
}

// The bounding box of every pixel that is not 0 (right and bottom inclusive; -1 when empty).
RECT Ink(const TestSurface& s) {
    RECT r{s.width(), s.height(), -1, -1};
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.Pixel(x, y))
                r = RECT{std::min<LONG>(r.left, x), std::min<LONG>(r.top, y), x > r.right ? x : r.right, y};
    return r;
}

TEST(LabelTest, TextSitsAtThePlaceInsideTheSizeMeasuredWithTheSkinFont) {
    TestSurface out(200, 40), ref(200, 40), primary(8, 8);
    IDirectDrawSurface* saved = tk_lpDDSPrimary;
    tk_lpDDSPrimary = primary.get();
    HFONT skin = Verdana(15, 9), big = Verdana(30, 0);
    tk_DSGN.font = skin;

    tk_CPolCHLO box;
    box.MoveToAbs(10, 5);
    auto* label = new tk_CLabel(&box, 4, 3, "Žaba čo skáče");
    label->colour = RGB(255, 40, 0);
    label->ZOBRAZ(out.get());
    HDC dc = nullptr;
    ASSERT_EQ(ref.get()->GetDC(&dc), DD_OK);
    tk_glob_Text_font(dc, 14, 8, RGB(255, 40, 0), skin, "Žaba čo skáče");
    ref.get()->ReleaseDC(dc);
    EXPECT_EQ(out.Differences(ref), 0);

    // The size is GDI's extent in the skin font (one wider); the ink starts at the place and fits in it.
    SIZE extent{};
    ASSERT_EQ(primary.get()->GetDC(&dc), DD_OK);
    SelectObject(dc, skin);
    GetTextExtentPoint32A(dc, label->text, static_cast<int>(std::strlen(label->text)), &extent);
    primary.get()->ReleaseDC(dc);
    int w = 0, h = 0;
    label->GetSize(&w, &h);
    EXPECT_EQ(w, extent.cx + 1);
    EXPECT_EQ(h, extent.cy);
    RECT ink = Ink(out);
    EXPECT_TRUE(ink.left >= 14 && ink.left <= 16 && ink.top >= 8) << ink.left << "," << ink.top;
    EXPECT_TRUE(ink.right < 14 + w && ink.right > 14 + w / 2 && ink.bottom < 8 + h)
        << ink.right << "," << ink.bottom;

    // A larger font of its own draws larger, and is still measured with the skin's font.
    label->font = big;
    out.Fill(0);
    label->ZOBRAZ(out.get());
    EXPECT_GT(Ink(out).bottom - Ink(out).top, ink.bottom - ink.top);
    int bw = 0, bh = 0;
    label->GetSize(&bw, &bh);
    EXPECT_EQ(bw * 1000 + bh, w * 1000 + h);

    // Hidden: nothing drawn.
    label->visible = false;
    out.Fill(0);
    label->ZOBRAZ(out.get());
    EXPECT_EQ(Ink(out).right, -1);

    // Texts are copies; a null one leaves an empty string.
    char given[] = "prvý";
    auto* a = new tk_CLabel(&box, 7, given);
    given[0] = 'X';
    auto* b = new tk_CLabel(&box, 12);
    EXPECT_STREQ(a->text, "prvý");
    EXPECT_STREQ(b->text, "Label [12]");
    b->Dsgn(3, 4, nullptr);
    EXPECT_STREQ(b->text, "");
    EXPECT_EQ(b->x, 13);

    tk_DSGN.font = nullptr;
    tk_lpDDSPrimary = saved;
    DeleteObject(big);
    DeleteObject(skin);
}

}  // namespace
}  // namespace tk_test
