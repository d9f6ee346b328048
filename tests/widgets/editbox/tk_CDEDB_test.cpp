#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "framework/widgets/tk_CDEDB.h"
#include "framework/widgets/tk_CPolCHLO.h"
#include "tests/graphics/tk_test_surface.h"

using tk_test::TestSurface;

namespace {

constexpr int kBackspace = 8;
constexpr int kDelete = 46;
constexpr std::uint16_t kGrey = 0x8410;

void Type(tk_CDEDB& e, const std::string& letters) {
    for (char c : letters) e.INFORMUJ_SA_KLAV(c);
}

}  // namespace

TEST(EditBoxTest, TypingLettersAndRemovingThem) {
    tk_CDEDB e(nullptr, 3, 4);
    EXPECT_EQ(e.class_id, 7);
    EXPECT_STREQ(e.name, "noname_edb");
    EXPECT_EQ(e.x * 1000 + e.y, 3004);
    EXPECT_EQ(e.max_len, 50);
    int w = 0, h = 0;
    e.GetSize(&w, &h);
    EXPECT_EQ(w * 1000 + h, 150020);

    // Backspace on an empty box is taken and changes nothing.
    EXPECT_TRUE(e.INFORMUJ_SA_KLAV(kBackspace));
    EXPECT_EQ(e.text_len, 0);
    for (int key : {65, 66, 67}) EXPECT_TRUE(e.INFORMUJ_SA_KLAV(key));
    EXPECT_STREQ(e.Get_Text(), "ABC");
    EXPECT_TRUE(e.INFORMUJ_SA_KLAV(kBackspace));
    EXPECT_TRUE(e.INFORMUJ_SA_KLAV(kDelete));
    EXPECT_STREQ(e.Get_Text(), "A");
    EXPECT_EQ(e.text_len, 1);
    // Only A to Z are typed; digits, the space bar, numeric-pad keys and the rest are not taken.
    for (int key : {48, 57, 32, 64, 91, 97, 13, 0, -1, 300})
        EXPECT_FALSE(e.INFORMUJ_SA_KLAV(key)) << key;
    EXPECT_TRUE(e.INFORMUJ_SA_KLAV('Z'));
    EXPECT_STREQ(e.Get_Text(), "AZ");

    // The default limit of 50 lets 51 letters in.
    Type(e, std::string(60, 'Q'));
    EXPECT_EQ(e.text_len, 51);
    EXPECT_TRUE(e.INFORMUJ_SA_KLAV('Q'));
    EXPECT_EQ(e.text_len, 51);
}

TEST(EditBoxTest, LimitsKeepTheTextInsideItsField) {
    tk_CDEDB two(nullptr, 1, 2, nullptr);
    Type(two, "ABCD");
    EXPECT_STREQ(two.Get_Text(), "ABC");

    // A limit past what the field holds is lowered to 198: at most 199 letters and the zero.
    tk_CDEDB big(nullptr, 1, 500, nullptr);
    EXPECT_EQ(big.max_len, 198);
    Type(big, std::string(250, 'K'));
    EXPECT_EQ(big.text_len, 199);
    EXPECT_EQ(big.text[199], '\0');
    // Raised afterwards by hand, the field still bounds typing.
    big.max_len = 1000;
    EXPECT_TRUE(big.INFORMUJ_SA_KLAV('K'));
    EXPECT_EQ(big.text_len, 199);

    // Set_Text cuts at 199 bytes, never inside a character; Set_Number formats with %d.
    big.Set_Text(std::string(250, 'x').c_str());
    EXPECT_EQ(big.text_len, 199);
    EXPECT_EQ(std::string(big.text), std::string(199, 'x'));
    std::string wide;
    for (int i = 0; i < 150; ++i) wide += "Š";
    big.Set_Text(wide.c_str());
    EXPECT_EQ(big.text_len, 198);
    big.Set_Text(nullptr);
    EXPECT_EQ(big.text_len, 0);
    big.Set_Number(-12);
    EXPECT_STREQ(big.Get_Text(), "-12");
    EXPECT_EQ(big.text_len, 3);
    big.Set_Number(INT_MIN);
    EXPECT_STREQ(big.Get_Text(), "-2147483648");
    // Set_Text may put in what typing could not; typing then goes on from its end.
    big.Set_Text("ab 1");
    Type(big, "C");
    EXPECT_STREQ(big.Get_Text(), "ab 1C");
}

TEST(EditBoxTest, KeysReachTheTopmostEditBoxThroughTheTree) {
    tk_CPolCHLO root;
    auto* earlier = new tk_CDEDB(&root, 1);
    auto* inner = new tk_CPolCHLO(&root, 2);
    auto* later = new tk_CDEDB(inner, 3, 4, nullptr);
    // The box added later, inside a container, takes all letters; the earlier one none.
    EXPECT_TRUE(root.INFORMUJ_SA_KLAV('H'));
    EXPECT_TRUE(root.INFORMUJ_SA_KLAV('I'));
    EXPECT_STREQ(later->Get_Text(), "HI");
    EXPECT_STREQ(earlier->Get_Text(), "");
    // A key no box takes goes back to the caller.
    EXPECT_FALSE(root.INFORMUJ_SA_KLAV('5'));
    // A hidden box still types; a hidden container keeps its boxes from the keys.
    later->visible = false;
    EXPECT_TRUE(root.INFORMUJ_SA_KLAV('J'));
    EXPECT_STREQ(later->Get_Text(), "HIJ");
    inner->visible = false;
    EXPECT_TRUE(root.INFORMUJ_SA_KLAV('K'));
    EXPECT_STREQ(earlier->Get_Text(), "K");
    // Dsgn places the box relative to its parent at the next reset.
    earlier->Dsgn(7, 8, 60, 22);
    EXPECT_EQ(earlier->rx * 1000 + earlier->ry, 7008);
    root.MoveToAbs(100, 200);
    root.Rodic_reset();
    EXPECT_EQ(earlier->x * 1000 + earlier->y, 107208);
    EXPECT_EQ(earlier->sir * 1000 + earlier->vys, 60022);
}

TEST(EditBoxTest, SunkenBoxAndTextToThePixel) {
    TestSurface srf(20, 16);
    srf.Fill(kGrey);
    const std::map<std::uint16_t, char> legend{
        {kGrey, 'g'}, {srf.RawOf(0xC8C8C8), 'c'}, {0xFFFF, 'w'}, {0, 'k'}, {srf.RawOf(0x505050), 'd'}};
    tk_CDEDB e(nullptr, 4, 4);
    e.SetSize(10, 6);
    e.visible = false;
    e.ZOBRAZ(srf.get());
    EXPECT_EQ(e.box.right * 1000 + e.box.bottom, 14010);
    // Drawn although hidden: dark above and left, white right and below, black inside them.
    EXPECT_EQ(srf.Picture(2, 3, 16, 12, legend),
              "gggggggggggggg\n"
              "ggddddddddddwg\n"
              "ggdkkkkkkkkkwg\n"
              "ggdkccccccccwg\n"
              "ggdkccccccccwg\n"
              "ggdkccccccccwg\n"
              "ggdkccccccccwg\n"
              "ggdwwwwwwwwwwg\n"
              "gggggggggggggg\n");

    // The raised style, and a style that only fills.
    srf.Fill(kGrey);
    HDC dc = nullptr;
    ASSERT_EQ(srf.get()->GetDC(&dc), DD_OK);
    e.Level_efekt(dc, 1);
    srf.get()->ReleaseDC(dc);
    EXPECT_EQ(srf.Picture(2, 3, 16, 12, legend),
              "gggggggggggggg\n"
              "ggwwwwwwwwwwkg\n"
              "ggwccccccccdkg\n"
              "ggwccccccccdkg\n"
              "ggwccccccccdkg\n"
              "ggwccccccccdkg\n"
              "ggwdddddddddkg\n"
              "ggkkkkkkkkkkkg\n"
              "gggggggggggggg\n");
    ASSERT_EQ(srf.get()->GetDC(&dc), DD_OK);
    e.Level_efekt(dc, 7);
    srf.get()->ReleaseDC(dc);
    std::string fill;
    for (int i = 0; i < 6; ++i) fill += "cccccccccc\n";
    EXPECT_EQ(srf.Picture(4, 4, 14, 10, legend), fill);

    // The text starts 5 pixels in from the box's corner, inside its extent in the box's font.
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
    for (int y = 12; y < 39; ++y) {
        for (int x = 12; x < 109; ++x) {
            if (text_srf.Pixel(x, y) == back) continue;
            ++inked;
            astray += x < 15 || y < 15 || x >= 15 + ext.cx || y >= 15 + ext.cy;
        }
    }
    EXPECT_GT(inked, 10);
    EXPECT_EQ(astray, 0);
}
