// The card table: the scatter (its ranges, one layout per second, clearance between few cards and
// overlap when full), the card under the pointer, the drop rule, keeping cards on a smaller screen,
// and releasing the registers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "framework/graphics/tk_Display.h"
#include "framework/sound/tk_CDSO_Zvuk.h"
#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_CIcon.h"
#include "game/CKarta.h"
#include "game/kartola_rules.h"
#include "game/kartola_table.h"
#include "game/kartola_table_events.h"
#include "tests/common/tk_test_fields.h"
#include "tests/common/tk_test_files.h"
#include "tests/common/tk_test_surface.h"

namespace {

using tk_test::Fields;
using tk_test::Nums;

// The second the scatter is seeded from.
long long g_second = 1000;

using Layout = std::vector<std::pair<int, int>>;

class TableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tk_LOG_on = 1;
        tk_LOG_reset_done = true;
        tk_ScreenW = 1024, tk_ScreenH = 768;
        g_second = 1000;
        SetScatterClock([] { return g_second; });
    }
    void TearDown() override {
        UVOLNI_REGISTRE();
        SetScatterClock(nullptr);
    }

    // Deals n pairs named "p0", "p1", ... with empty pictures and no sounds.
    static void Deal(int n) {
        for (int i = 0; i < n; ++i) DealPair(i, ("p" + std::to_string(i)).c_str(), new tk_CIcon(), nullptr);
    }
    static CKarta& Card(int i) { return *CardAt(i); }
    static Layout Places() {
        Layout places;
        for (int i = 0; i < REG_KARTY.count; ++i) places.emplace_back(Card(i).x, Card(i).y);
        return places;
    }
    static void Place(int i, int x, int y) { Card(i).x = x, Card(i).y = y; }

    tk_test::ScopedWorkDir dir_;
};

// Pairs of cards whose CARD_W x CARD_H boxes are less than 6 pixels apart on both axes.
int clashes(const Layout& l) {
    int n = 0;
    for (std::size_t i = 0; i < l.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            n += std::abs(l[i].first - l[j].first) < 156 && std::abs(l[i].second - l[j].second) < 106;
    return n;
}

TEST_F(TableTest, ScatterKeepsItsRangeOneLayoutPerSecondAndClearanceWhileThereIsRoom) {
    Deal(20);
    int minX = 9999, maxX = -1, minY = 9999, maxY = -1;
    for (g_second = 0; g_second < 200; ++g_second) {
        ZAMIESAJ();
        for (auto [x, y] : Places()) {
            minX = std::min(minX, x), maxX = std::max(maxX, x);
            minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
    }
    // 8000 places reach close to both ends of [190, 874] x [0, 668] and never beyond; forty cards
    // cannot keep clear on 1024 x 768, so the last candidates are kept anyway.
    EXPECT_TRUE(minX >= 190 && minX < 195 && maxX <= 874 && maxX > 869) << minX << " " << maxX;
    EXPECT_TRUE(minY >= 0 && minY < 5 && maxY <= 668 && maxY > 663) << minY << " " << maxY;
    EXPECT_GT(clashes(Places()), 0);

    // The same second gives the same layout; hidden cards move too, and nothing but places changes.
    UVOLNI_REGISTRE();
    Deal(4);
    Card(1).visible = false;
    Card(3).state = 1;
    g_iHoverCard = 3, g_iHeldCard = 5;
    g_second = 1000;
    ZAMIESAJ();
    const Layout first = Places();
    Place(0, 5, 5);
    ZAMIESAJ();
    EXPECT_EQ(Places(), first);
    EXPECT_TRUE(first[1] != std::make_pair(20, 15) && !Card(1).visible && Card(3).state == 1 &&
                g_iHoverCard == 3 && g_iHeldCard == 5);
    g_second = 1001;
    ZAMIESAJ();
    EXPECT_NE(Places(), first);
    // Few cards on a large screen keep clear of each other.
    tk_ScreenW = 1920, tk_ScreenH = 1080;
    for (g_second = 0; g_second < 100; ++g_second) {
        ZAMIESAJ();
        ASSERT_EQ(clashes(Places()), 0) << "second " << g_second;
    }
}

TEST_F(TableTest, TopmostVisibleCardContainsThePointerEdgesIncluded) {
    Deal(2);
    Place(0, 600, 600), Place(3, 600, 600);
    Place(1, 100, 100);  // name card 150 x 100
    Place(2, 200, 150);  // picture card 147 x 97, over it
    const int hits[][3] = {{100, 100, 1}, {250, 200, 2},  {199, 200, 1},
                           {347, 247, 2}, {348, 150, -1}, {99, 100, -1}};
    for (auto [px, py, card] : hits) EXPECT_EQ(CardUnderPointer(px, py), card) << px << "," << py;
    // A hidden card is never under the pointer; the one below it is.
    Card(2).visible = false;
    const int below = CardUnderPointer(250, 200);
    Card(1).visible = false;
    EXPECT_EQ(Nums(below, CardUnderPointer(250, 200)), "1,-1");
}

// The game screen's side as a transcript of the events, with a found list.
class Screenside : public CTableEvents {
  public:
    void PairFound(int pair) override { found++, events += "found " + std::to_string(pair) + "; "; }
    int FoundPairs() override { return found; }
    void GameWon() override { events += "won"; }
    int found = 0;
    std::string events;
};

TEST_F(TableTest, DropNearThePartnerFindsThePairBothWaysRoundAndNothingElse) {
    Deal(2);
    Screenside screen;
    Place(1, 700, 500), Place(2, 300, 300), Place(0, 301, 301);
    g_iHeldCard = 0;
    const int onOther = DropHeldCard(&screen);
    EXPECT_EQ(Nums(onOther, Card(0).x, Card(0).visible, Card(2).visible), "0,301,1,1");
    // Exactly 30 pixels does not match, about 29.7 does: picture on name card, then name on picture.
    const int cases[][4] = {{0, 18, 24, 0}, {0, 21, 21, 1}, {3, -24, -18, 0}, {3, -21, -21, 1}};
    for (auto [held, dx, dy, found] : cases) {
        SCOPED_TRACE(dx);
        Place(held ^ 1, 500, 300);
        Place(held, 500 + dx, 300 + dy);
        g_iHeldCard = held;
        EXPECT_EQ(DropHeldCard(&screen), found);
        EXPECT_EQ(Nums(g_iHeldCard, Places()[held].first, Places()[held].second,
                       Card(held).visible || Card(held ^ 1).visible),
                  Nums(-1, found ? 500 : 500 + dx, found ? 300 : 300 + dy, !found));
    }
    // The second pair found is the last one: the game is won once.
    EXPECT_EQ(screen.events, "found 0; found 1; won");
}

TEST_F(TableTest, SmallerScreenPullsEveryCardBackByItsOverhang) {
    Deal(2);
    Place(0, 1000, 900), Place(1, 1000, 900), Place(2, 300, 700), Place(3, 1200, 100);
    Card(1).visible = false;
    KeepCardsOnScreen(1280, 1024, 1600, 1200);
    EXPECT_EQ(Places(), (Layout{{1000, 900}, {1000, 900}, {300, 700}, {1200, 100}}));
    KeepCardsOnScreen(1280, 1024, 1024, 768);
    EXPECT_EQ(Places(), (Layout{{877, 671}, {874, 668}, {300, 671}, {874, 100}}));
    // Only narrower still checks both edges; a card wider than the screen ends left of it.
    KeepCardsOnScreen(1024, 768, 100, 768);
    EXPECT_EQ(Places(), (Layout{{-47, 671}, {-50, 668}, {-47, 671}, {-50, 100}}));
}

TEST_F(TableTest, ReleaseDestroysEveryEntryAndTheNarrowedFontsAndKeepsTheStorage) {
    Deal(1);
    DealPair(1, "slivka", new tk_CIcon(), new tk_CDSO_Zvuk());
    HFONT font = CreateFontA(-20, 5, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Verdana");
    NameOf(1)->font = font;
    g_iHoverCard = 2, g_iHeldCard = 3;
    const int slots = REG_KARTY.akt_alloc;
    UVOLNI_REGISTRE();
    const std::string log = tk_test::ReadFile("tk_LOG.txt");
    for (tk_CARRE* reg : {&REG_KARTY, &REG_TEXT, &REG_OBR, &REG_ZVUK})
        EXPECT_TRUE(reg->count == 0 && reg->items && !reg->items[0] && !reg->items[1]);
    // Deleting the narrowed font again is refused: it went with its name.
    EXPECT_EQ(Fields()("logLines", tk_test::LogLines().size())("slotsKept", REG_KARTY.akt_alloc == slots)(
                  "fontDeleted", DeleteObject(font))("hover", g_iHoverCard)("held", g_iHeldCard),
              Fields()("logLines", 4)("slotsKept", 1)("fontDeleted", 0)("hover", -1)("held", -1));
    // Empty registers log nothing.
    UVOLNI_REGISTRE();
    EXPECT_EQ(tk_test::ReadFile("tk_LOG.txt"), log);
}

}  // namespace
