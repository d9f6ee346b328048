// Dealing pairs into the registers, and the scatter: its ranges, its one layout per second,
// clearance between few cards and overlap when the table is full.
#include <algorithm>
#include <cstring>

#include "game/TKartaText.h"
#include "tests/game/table/table_fixture.h"

namespace table_test {
namespace {

TEST_F(TableTest, PairsAreDealtPictureThenNameInACascade) {
    Deal(3);
    ASSERT_EQ(REG_KARTY.count, 6);
    EXPECT_EQ(REG_OBR.count, 3);
    EXPECT_EQ(REG_ZVUK.count, 3);
    ASSERT_EQ(REG_TEXT.count, 3);
    EXPECT_STREQ(VRAT_TEXT(2)->text, "p2");
    EXPECT_EQ(VRAT_TEXT(2)->font, nullptr);
    EXPECT_EQ(VRAT_ZVUK(1), nullptr);

    struct Expected {
        char kind;
        int pair, x, y, w, h;
    };
    const Expected expected[] = {{'I', 0, 10, 10, 147, 97}, {'T', 0, 20, 15, 150, 100},
                                 {'I', 1, 30, 20, 147, 97}, {'T', 1, 40, 25, 150, 100},
                                 {'I', 2, 50, 30, 147, 97}, {'T', 2, 60, 35, 150, 100}};
    for (int i = 0; i < 6; ++i) {
        const CKarta& c = Card(i);
        SCOPED_TRACE(i);
        EXPECT_EQ(c.kind, expected[i].kind);
        EXPECT_EQ(c.pair, expected[i].pair);
        EXPECT_EQ(c.x, expected[i].x);
        EXPECT_EQ(c.y, expected[i].y);
        EXPECT_EQ(c.sir, expected[i].w);
        EXPECT_EQ(c.vys, expected[i].h);
        EXPECT_EQ(c.title_h, 0);
        EXPECT_FALSE(c.title_drag);
        EXPECT_TRUE(c.visible);
        EXPECT_TRUE(c.movable);
        EXPECT_EQ(c.state, 0);
        EXPECT_EQ(c.podklad, 1);
    }
}

TEST_F(TableTest, NamesAreOwnedCopies) {
    char name[] = "jablko";
    ROZDAJ_PAR(0, name, new tk_CIcon(), nullptr);
    std::strcpy(name, "xxxxxx");
    EXPECT_STREQ(VRAT_TEXT(0)->text, "jablko");
    // A missing name is an empty one.
    ROZDAJ_PAR(1, nullptr, new tk_CIcon(), nullptr);
    EXPECT_STREQ(VRAT_TEXT(1)->text, "");
}

TEST_F(TableTest, DealingOutOfOrderIsAProgrammingFault) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Deal(1);
    EXPECT_DEATH(ROZDAJ_PAR(3, "x", nullptr, nullptr), "ROZDAJ_PAR");
}

TEST_F(TableTest, ScatterStaysRightOfTheFoundListAndOnTheScreen) {
    Deal(20);
    int minX = 1 << 30, maxX = -1, minY = 1 << 30, maxY = -1;
    for (g_second = 0; g_second < 200; ++g_second) {
        ZAMIESAJ();
        for (auto [x, y] : Layout()) {
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
    }
    // 8000 places fill the ranges [190, 874] x [0, 668] up to their ends.
    EXPECT_GE(minX, 190);
    EXPECT_LE(maxX, 874);
    EXPECT_GE(minY, 0);
    EXPECT_LE(maxY, 668);
    EXPECT_LT(minX, 195);
    EXPECT_GT(maxX, 869);
    EXPECT_LT(minY, 5);
    EXPECT_GT(maxY, 663);
}

TEST_F(TableTest, OneLayoutPerSecondAndOnlyPlacesChange) {
    Deal(4);
    Card(1).visible = false;
    Card(3).state = 1;
    g_iHoverCard = 3;
    g_iHeldCard = 5;
    ZAMIESAJ();
    const auto first = Layout();
    Card(0).x = 5;
    Card(7).y = 5;
    ZAMIESAJ();
    EXPECT_EQ(Layout(), first);
    // The hidden card moved out of its cascade place too.
    EXPECT_NE(first[1], std::make_pair(20, 15));
    EXPECT_FALSE(Card(1).visible);
    EXPECT_EQ(Card(3).state, 1);
    EXPECT_EQ(g_iHoverCard, 3);
    EXPECT_EQ(g_iHeldCard, 5);
    g_second = 1001;
    ZAMIESAJ();
    EXPECT_NE(Layout(), first);
}

// True when the CARD_W x CARD_H boxes at a and b are at least 6 pixels apart on one axis.
bool Clear(std::pair<int, int> a, std::pair<int, int> b) {
    return a.first + 150 + 6 <= b.first || b.first + 150 + 6 <= a.first || a.second + 100 + 6 <= b.second ||
           b.second + 100 + 6 <= a.second;
}

int ClashesIn(const std::vector<std::pair<int, int>>& layout) {
    int clashes = 0;
    for (std::size_t i = 0; i < layout.size(); ++i)
        for (std::size_t j = 0; j < i; ++j) clashes += !Clear(layout[i], layout[j]);
    return clashes;
}

TEST_F(TableTest, FewCardsKeepClearOfEachOtherAndAFullTableOverlaps) {
    Screen(1920, 1080);
    Deal(4);
    for (g_second = 0; g_second < 100; ++g_second) {
        ZAMIESAJ();
        ASSERT_EQ(ClashesIn(Layout()), 0) << "second " << g_second;
    }
    // Forty cards cannot keep clear on 1024 x 768; the last candidates are kept anyway.
    UVOLNI_REGISTRE();
    Screen(1024, 768);
    Deal(20);
    ZAMIESAJ();
    EXPECT_GT(ClashesIn(Layout()), 0);
}

}  // namespace
}  // namespace table_test
