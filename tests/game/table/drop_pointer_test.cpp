// The card under the pointer, the drop rule and what it tells the game screen, stale indices,
// and keeping cards on a smaller screen.
#include "game/CStolUdalosti.h"
#include "game/kartola_drop.h"
#include "game/kartola_keep_on_screen.h"
#include "game/kartola_pointer.h"
#include "tests/game/table/table_fixture.h"

namespace table_test {
namespace {

// The game screen's side as a transcript of the events, with a found list.
class Screenside : public CStolUdalosti {
  public:
    void PairFound(int pair) override { found++, events += "found " + std::to_string(pair) + "; "; }
    int FoundPairs() override { return found; }
    void GameWon() override { events += "won"; }
    int found = 0;
    std::string events;
};

TEST_F(TableTest, TopmostVisibleCardContainsThePointerEdgesIncluded) {
    Deal(2);
    Place(0, 600, 600), Place(3, 600, 600);
    Place(1, 100, 100);  // name card 150 x 100
    Place(2, 200, 150);  // picture card 147 x 97, over it
    const int hits[][3] = {{100, 100, 1}, {250, 200, 2},  {199, 200, 1},
                           {347, 247, 2}, {348, 150, -1}, {99, 100, -1}};
    for (auto [px, py, card] : hits) EXPECT_EQ(KARTA_POD_KURZOROM(px, py), card) << px << "," << py;
    // A hidden card is never under the pointer; the one below it is.
    Card(2).visible = false;
    EXPECT_EQ(KARTA_POD_KURZOROM(250, 200), 1);
    Card(1).visible = false;
    EXPECT_EQ(KARTA_POD_KURZOROM(250, 200), -1);
}

TEST_F(TableTest, DropNearThePartnerFindsThePairBothWaysRound) {
    Deal(2);
    Screenside screen;
    // Exactly 30 pixels does not match, about 29.7 does: picture on name card, then name on picture.
    const int cases[][4] = {{0, 18, 24, 0}, {0, 21, 21, 1}, {3, -24, -18, 0}, {3, -21, -21, 1}};
    for (auto [held, dx, dy, found] : cases) {
        SCOPED_TRACE(dx);
        Place(held ^ 1, 500, 300);
        Place(held, 500 + dx, 300 + dy);
        g_iHeldCard = held;
        EXPECT_EQ(PUSTI_KARTU(&screen), found);
        EXPECT_EQ(g_iHeldCard, -1);
        EXPECT_EQ(Places()[held], found ? std::make_pair(500, 300) : std::make_pair(500 + dx, 300 + dy));
        EXPECT_EQ(Card(held).visible || Card(held ^ 1).visible, !found);
    }
    // The second pair found is the last one: the game is won once.
    EXPECT_EQ(screen.events, "found 0; found 1; won");
}

TEST_F(TableTest, DropOnAnotherPairsCardOrWithStaleIndexDoesNothing) {
    Deal(2);
    Screenside screen;
    Place(1, 700, 500), Place(2, 300, 300), Place(0, 301, 301);
    g_iHeldCard = 0;
    EXPECT_EQ(PUSTI_KARTU(&screen), 0);
    EXPECT_TRUE(Card(0).x == 301 && Card(0).visible && Card(2).visible);
    // An index kept from a larger set names no card and no sound, and says so nowhere.
    g_iHeldCard = 7;
    EXPECT_EQ(PUSTI_KARTU(&screen), 0);
    EXPECT_EQ(g_iHeldCard, -1);
    EXPECT_TRUE(!VRAT_KARTU(4) && !VRAT_KARTU(-1) && !VRAT_ZVUK(2) && !VRAT_OBR(2) && !VRAT_TEXT(-3));
    EXPECT_EQ(screen.events, "");
    EXPECT_EQ(tk_test::ReadFile("tk_LOG.txt"), "");
    // Without a screen to tell, a found pair still leaves the table.
    Place(1, 290, 290);
    g_iHeldCard = 0;
    EXPECT_EQ(PUSTI_KARTU(nullptr), 1);
    EXPECT_FALSE(Card(0).visible || Card(1).visible);
}

TEST_F(TableTest, SmallerScreenPullsEveryCardBackByItsOverhang) {
    Deal(2);
    Place(0, 1000, 900), Place(1, 1000, 900), Place(2, 300, 700), Place(3, 1200, 100);
    Card(1).visible = false;
    UDRZ_KARTY_NA_OBRAZOVKE(1280, 1024, 1600, 1200);
    EXPECT_EQ(Places(), (Layout{{1000, 900}, {1000, 900}, {300, 700}, {1200, 100}}));
    UDRZ_KARTY_NA_OBRAZOVKE(1280, 1024, 1024, 768);
    EXPECT_EQ(Places(), (Layout{{877, 671}, {874, 668}, {300, 671}, {874, 100}}));
    // Only narrower still checks both edges; a card wider than the screen ends left of it.
    UDRZ_KARTY_NA_OBRAZOVKE(1024, 768, 100, 768);
    EXPECT_EQ(Places(), (Layout{{-47, 671}, {-50, 668}, {-47, 671}, {-50, 100}}));
}

}  // namespace
}  // namespace table_test
