// Dealing pairs into the registers, and the scatter: its ranges, one layout per second,
// clearance between few cards and overlap when the table is full.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "game/TKartaText.h"
#include "tests/game/table/table_fixture.h"

namespace table_test {
namespace {

// A card as "kind pair x,y wxh title_h drag visible movable state background".
std::string Describe(const CKarta& c) {
    char s[80];
    std::snprintf(s, sizeof(s), "%c%d %d,%d %dx%d %d%d%d%d%d%d", c.kind, c.pair, c.x, c.y, c.sir, c.vys,
                  c.title_h, c.title_drag, c.visible, c.movable, c.state, c.podklad);
    return s;
}

TEST_F(TableTest, PairsAreDealtPictureThenNameInACascade) {
    Deal(2);
    ROZDAJ_PAR(2, nullptr, new tk_CIcon(), nullptr);
    std::vector<std::string> cards;
    for (int i = 0; i < REG_KARTY.count; ++i) cards.push_back(Describe(Card(i)));
    EXPECT_EQ(cards, (std::vector<std::string>{"I0 10,10 147x97 001101", "T0 20,15 150x100 001101",
                                               "I1 30,20 147x97 001101", "T1 40,25 150x100 001101",
                                               "I2 50,30 147x97 001101", "T2 60,35 150x100 001101"}));
    EXPECT_EQ(REG_OBR.count + REG_ZVUK.count + REG_TEXT.count, 9);
    EXPECT_STREQ(VRAT_TEXT(1)->text, "p1");
    EXPECT_STREQ(VRAT_TEXT(2)->text, "");
    EXPECT_EQ(VRAT_TEXT(1)->font, nullptr);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(ROZDAJ_PAR(5, "x", nullptr, nullptr), "ROZDAJ_PAR");
}

TEST_F(TableTest, ScatterStaysRightOfTheFoundListAndOnTheScreen) {
    Deal(20);
    int minX = 9999, maxX = -1, minY = 9999, maxY = -1;
    for (g_second = 0; g_second < 200; ++g_second) {
        ZAMIESAJ();
        for (auto [x, y] : Places()) {
            minX = std::min(minX, x), maxX = std::max(maxX, x);
            minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
    }
    // 8000 places reach close to both ends of [190, 874] x [0, 668] and never beyond.
    EXPECT_TRUE(minX >= 190 && minX < 195 && maxX <= 874 && maxX > 869) << minX << " " << maxX;
    EXPECT_TRUE(minY >= 0 && minY < 5 && maxY <= 668 && maxY > 663) << minY << " " << maxY;
}

TEST_F(TableTest, OneLayoutPerSecondAndOnlyPlacesChange) {
    Deal(4);
    Card(1).visible = false;
    Card(3).state = 1;
    g_iHoverCard = 3, g_iHeldCard = 5;
    ZAMIESAJ();
    const Layout first = Places();
    Place(0, 5, 5);
    ZAMIESAJ();
    EXPECT_EQ(Places(), first);
    // The hidden card left its cascade place too; nothing but places changed.
    EXPECT_NE(first[1], std::make_pair(20, 15));
    EXPECT_TRUE(!Card(1).visible && Card(3).state == 1 && g_iHoverCard == 3 && g_iHeldCard == 5);
    g_second = 1001;
    ZAMIESAJ();
    EXPECT_NE(Places(), first);
}

// Pairs of cards whose CARD_W x CARD_H boxes are less than 6 pixels apart on both axes.
int Clashes(const Layout& l) {
    int n = 0;
    for (std::size_t i = 0; i < l.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            n += std::abs(l[i].first - l[j].first) < 156 && std::abs(l[i].second - l[j].second) < 106;
    return n;
}

TEST_F(TableTest, FewCardsKeepClearOfEachOtherAndAFullTableOverlaps) {
    Screen(1920, 1080);
    Deal(4);
    for (g_second = 0; g_second < 100; ++g_second) {
        ZAMIESAJ();
        ASSERT_EQ(Clashes(Places()), 0) << "second " << g_second;
    }
    // Forty cards cannot keep clear on 1024 x 768; the last candidates are kept anyway.
    UVOLNI_REGISTRE();
    Screen(1024, 768);
    Deal(20);
    ZAMIESAJ();
    EXPECT_GT(Clashes(Places()), 0);
}

}  // namespace
}  // namespace table_test
