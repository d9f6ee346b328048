#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "framework/widgets/tk_CDEDB.h"
#include "framework/widgets/tk_CPolCHLO.h"
#include "tests/graphics/tk_test_surface.h"

using tk_test::TestSurface;

namespace {

void Type(tk_CDEDB& e, const std::string& letters) {
    for (char c : letters) e.INFORMUJ_SA_KLAV(c);
}

}  // namespace

TEST(EditBoxTest, TypingAndItsLimits) {
    tk_CDEDB e(nullptr, 1, 2, nullptr);
    // Backspace (8) on an empty box is taken and changes nothing.
    EXPECT_TRUE(e.INFORMUJ_SA_KLAV(8));
    Type(e, "ABCD");
    EXPECT_STREQ(e.Get_Text(), "ABC");
    // Backspace and Delete (46) both remove the last letter.
    EXPECT_TRUE(e.INFORMUJ_SA_KLAV(8));
    EXPECT_TRUE(e.INFORMUJ_SA_KLAV(46));
    EXPECT_EQ(std::string(e.text) + std::to_string(e.text_len), "A1");
    // Only A to Z are typed: digits, space, '@', '[', the numeric pad and the rest are not taken.
    for (int key : {48, 57, 32, 64, 91, 97, 13, -1, 300}) EXPECT_FALSE(e.INFORMUJ_SA_KLAV(key)) << key;

    // The default limit of 50 lets 51 letters in.
    tk_CDEDB d(nullptr, 3, 4);
    Type(d, std::string(60, 'Q'));
    EXPECT_EQ(d.text_len, 51);
    // A limit past what the field holds is lowered to 198: 199 letters and the zero.
    tk_CDEDB big(nullptr, 1, 500, nullptr);
    EXPECT_EQ(big.max_len, 198);
    Type(big, std::string(250, 'K'));
    EXPECT_EQ(big.text_len, 199);
    // Raised afterwards by hand, the field still bounds typing.
    big.max_len = 1000;
    EXPECT_TRUE(big.INFORMUJ_SA_KLAV('K'));
    EXPECT_EQ(big.text_len, 199);
    EXPECT_EQ(big.text[199], '\0');

    // Set_Text cuts at 199 bytes, never inside a character; Set_Number formats with %d.
    big.Set_Text(std::string(250, 'x').c_str());
    EXPECT_EQ(big.text_len, 199);
    std::string wide;
    for (int i = 0; i < 150; ++i) wide += "Š";
    big.Set_Text(wide.c_str());
    EXPECT_EQ(big.text_len, 198);
    big.Set_Number(-12);
    EXPECT_EQ(std::string(big.text) + std::to_string(big.text_len), "-123");
    big.Set_Number(INT_MIN);
    EXPECT_STREQ(big.Get_Text(), "-2147483648");
}

TEST(EditBoxTest, KeysReachTheTopmostEditBoxThroughTheTree) {
    tk_CPolCHLO root;
    auto* earlier = new tk_CDEDB(&root, 1);
    auto* inner = new tk_CPolCHLO(&root, 2);
    auto* later = new tk_CDEDB(inner, 3, 4, nullptr);
    // The box added later, even hidden, takes every letter; a key no box takes goes back.
    later->visible = false;
    EXPECT_TRUE(root.INFORMUJ_SA_KLAV('H'));
    EXPECT_TRUE(root.INFORMUJ_SA_KLAV('I'));
    EXPECT_FALSE(root.INFORMUJ_SA_KLAV('5'));
    EXPECT_STREQ(later->Get_Text(), "HI");
    EXPECT_STREQ(earlier->Get_Text(), "");
    // A hidden container keeps its boxes from the keys.
    inner->visible = false;
    EXPECT_TRUE(root.INFORMUJ_SA_KLAV('K'));
    EXPECT_STREQ(earlier->Get_Text(), "K");
}

TEST(EditBoxTest, SunkenAndRaisedBordersAndTheText) {
    TestSurface srf(20, 16);
    constexpr std::uint16_t kGrey = 0x8410;
    srf.Fill(kGrey);
    const std::map<std::uint16_t, char> legend{
        {kGrey, 'g'}, {srf.RawOf(0xC8C8C8), 'c'}, {0xFFFF, 'w'}, {0, 'k'}, {srf.RawOf(0x505050), 'd'}};
    tk_CDEDB e(nullptr, 4, 4);
    e.SetSize(10, 6);
    // Drawn although hidden: dark above and left, white right and below, black inside them.
    e.visible = false;
    e.ZOBRAZ(srf.get());
    EXPECT_EQ(srf.Picture(2, 3, 16, 12, legend),
              "gggggggggggggg\nggddddddddddwg\nggdkkkkkkkkkwg\nggdkccccccccwg\nggdkccccccccwg\n"
              "ggdkccccccccwg\nggdkccccccccwg\nggdwwwwwwwwwwg\ngggggggggggggg\n");
    HDC dc = nullptr;
    ASSERT_EQ(srf.get()->GetDC(&dc), DD_OK);
    e.Level_efekt(dc, 1);
    srf.get()->ReleaseDC(dc);
    EXPECT_EQ(srf.Picture(2, 3, 16, 12, legend),
              "gggggggggggggg\nggwwwwwwwwwwkg\nggwccccccccdkg\nggwccccccccdkg\nggwccccccccdkg\n"
              "ggwccccccccdkg\nggwdddddddddkg\nggkkkkkkkkkkkg\ngggggggggggggg\n");

    // The text starts 5 pixels in from the corner, inside its extent in the box's font.
    TestSurface text_srf(120, 50);
    tk_CDEDB t(nullptr, 10, 10);
    t.SetSize(100, 30);
    t.Set_Text("AHOJ");
    t.ZOBRAZ(text_srf.get());
    ASSERT_EQ(text_srf.get()->GetDC(&dc), DD_OK);
    SelectObject(dc, t.font);
    SIZE ext{};
    GetTextExtentPoint32A(dc, "AHOJ", -1, &ext);
    text_srf.get()->ReleaseDC(dc);
    const std::uint16_t back = text_srf.RawOf(0xC8C8C8);
    int inked = 0, astray = 0;
    for (int y = 12; y < 39; ++y)
        for (int x = 12; x < 109; ++x)
            if (text_srf.Pixel(x, y) != back)
                ++inked, astray += x < 15 || y < 15 || x >= 15 + ext.cx || y >= 15 + ext.cy;
    EXPECT_GT(inked, 10);
    EXPECT_EQ(astray, 0);
}
