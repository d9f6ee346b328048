// The card under the pointer, the drop rule with its events, and keeping cards on a smaller screen.
#include <string>
#include <vector>

#include "game/CStolUdalosti.h"
#include "game/kartola_drop.h"
#include "game/kartola_keep_on_screen.h"
#include "game/kartola_pointer.h"
#include "tests/game/table/table_fixture.h"

namespace table_test {
namespace {

// The game screen's side as a transcript: a found list of pairs and the events in order.
class Screenside : public CStolUdalosti {
  public:
    void PairFound(int pair) override {
        found.push_back(pair);
        events.push_back("found " + std::to_string(pair));
    }
    int FoundPairs() override { return static_cast<int>(found.size()); }
    void GameWon() override { events.push_back("won"); }

    std::vector<int> found;
    std::vector<std::string> events;
};

TEST_F(TableTest, TopmostVisibleCardContainsThePointerEdgesIncluded) {
    Deal(2);
    Card(1).x = 100, Card(1).y = 100;  // name card 150 x 100
    Card(2).x = 200, Card(2).y = 150;  // picture card 147 x 97, over it
    Card(0).x = Card(3).x = 600;
    EXPECT_EQ(KARTA_POD_KURZOROM(100, 100), 1);
    EXPECT_EQ(KARTA_POD_KURZOROM(250, 200), 2);
    EXPECT_EQ(KARTA_POD_KURZOROM(199, 200), 1);
    EXPECT_EQ(KARTA_POD_KURZOROM(347, 247), 2);
    EXPECT_EQ(KARTA_POD_KURZOROM(348, 150), -1);
    EXPECT_EQ(KARTA_POD_KURZOROM(99, 100), -1);
    // A hidden card is never under the pointer; the one below it is.
    Card(2).visible = false;
    EXPECT_EQ(KARTA_POD_KURZOROM(250, 200), 1);
    Card(1).visible = false;
    EXPECT_EQ(KARTA_POD_KURZOROM(250, 200), -1);
}

TEST_F(TableTest, DropNearThePartnerFindsThePairBothWaysRound) {
    Deal(2);
    Screenside screen;
    struct Case {
        int held, dx, dy, found;
    };
    // Exactly 30 pixels does not match, about 29.7 does; name card on picture card and back.
    const Case cases[] = {{0, 18, 24, 0}, {0, 21, 21, 1}, {3, -24, -18, 0}, {3, -21, -21, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.held);
        CKarta& held = Card(c.held);
        CKarta& partner = Card(c.held ^ 1);
        held.visible = partner.visible = true;
        partner.x = 500, partner.y = 300;
        held.x = 500 + c.dx, held.y = 300 + c.dy;
        g_iHeldCard = c.held;
        EXPECT_EQ(PUSTI_KARTU(&screen), c.found);
        EXPECT_EQ(g_iHeldCard, -1);
        EXPECT_EQ(held.x, c.found ? 500 : 500 + c.dx);
        EXPECT_EQ(held.y, c.found ? 300 : 300 + c.dy);
        EXPECT_EQ(held.visible, !c.found);
        EXPECT_EQ(partner.visible, !c.found);
    }
    // The second pair found is the last one: the game is won once.
    EXPECT_EQ(screen.events, (std::vector<std::string>{"found 0", "found 1", "won"}));
}

TEST_F(TableTest, DropOnAnotherPairsCardLeavesItWhereItFell) {
    Deal(2);
    Screenside screen;
    Card(1).x = 700, Card(1).y = 500;
    Card(2).x = 300, Card(2).y = 300;
    Card(0).x = 301, Card(0).y = 301;
    g_iHeldCard = 0;
    EXPECT_EQ(PUSTI_KARTU(&screen), 0);
    EXPECT_EQ(Card(0).x, 301);
    EXPECT_TRUE(Card(0).visible && Card(2).visible);
    EXPECT_TRUE(screen.events.empty());
    // A found pair without a screen to tell still leaves the table.
    Card(1).x = 290, Card(1).y = 290;
    g_iHeldCard = 0;
    EXPECT_EQ(PUSTI_KARTU(nullptr), 1);
    EXPECT_FALSE(Card(0).visible || Card(1).visible);
}

TEST_F(TableTest, StaleIndicesCountAsNone) {
    Deal(2);
    Screenside screen;
    // An index kept from a larger set names no card and no sound, quietly.
    g_iHeldCard = 7;
    EXPECT_EQ(PUSTI_KARTU(&screen), 0);
    EXPECT_EQ(g_iHeldCard, -1);
    EXPECT_EQ(PUSTI_KARTU(&screen), 0);
    EXPECT_EQ(VRAT_KARTU(4), nullptr);
    EXPECT_EQ(VRAT_KARTU(-1), nullptr);
    EXPECT_EQ(VRAT_ZVUK(2), nullptr);
    EXPECT_EQ(VRAT_OBR(2), nullptr);
    EXPECT_EQ(VRAT_TEXT(-3), nullptr);
    EXPECT_TRUE(screen.events.empty());
    EXPECT_EQ(tk_test::ReadFile("tk_LOG.txt"), "");
}

TEST_F(TableTest, SmallerScreenPullsEveryCardBackByItsOverhang) {
    Screen(1280, 1024);
    Deal(2);
    Card(0).x = 1000, Card(0).y = 900;  // picture card
    Card(1).x = 1000, Card(1).y = 900;  // name card
    Card(1).visible = false;
    Card(2).x = 300, Card(2).y = 700;
    Card(3).x = 1200, Card(3).y = 100;
    UDRZ_KARTY_NA_OBRAZOVKE(1280, 1024, 1600, 1200);
    EXPECT_EQ(Layout(),
              (std::vector<std::pair<int, int>>{{1000, 900}, {1000, 900}, {300, 700}, {1200, 100}}));
    Screen(1024, 768);
    UDRZ_KARTY_NA_OBRAZOVKE(1280, 1024, 1024, 768);
    EXPECT_EQ(Layout(), (std::vector<std::pair<int, int>>{{877, 671}, {874, 668}, {300, 671}, {874, 100}}));
    // Narrower only still checks both edges; a card wider than the screen ends left of it.
    Screen(100, 768);
    UDRZ_KARTY_NA_OBRAZOVKE(1024, 768, 100, 768);
    EXPECT_EQ(Layout(), (std::vector<std::pair<int, int>>{{-47, 671}, {-50, 668}, {-47, 671}, {-50, 100}}));
}

}  // namespace
}  // namespace table_test
