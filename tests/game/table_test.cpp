// The card table: dealing pairs into the registers, the scatter (its ranges, one layout per
// second, clearance between few cards and overlap when full), the card under the pointer, the drop
// rule, keeping cards on a smaller screen, releasing the registers, and the scattered fruit table
// saved as a picture for people.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/sound/tk_CDSO_Zvuk.h"
#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_CIcon.h"
#include "game/CKarta.h"
#include "game/kartola_rules.h"
#include "game/kartola_table.h"
#include "tests/common/tk_test_files.h"
#include "tests/common/tk_test_surface.h"

namespace {

using tk_test::Nums;

// The second the scatter is seeded from.
long long g_second = 1000;

using Layout = std::vector<std::pair<int, int>>;

class TableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tk_LOG_on = 1;
        tk_LOG_reset_done = true;
        Screen(1024, 768);
        g_second = 1000;
        SetScatterClock([] { return g_second; });
    }
    void TearDown() override {
        UVOLNI_REGISTRE();
        SetScatterClock(nullptr);
    }

    static void Screen(int w, int h) { tk_ScreenW = w, tk_ScreenH = h; }
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

// A card as "kind pair x,y wxh title_h drag visible movable state background".
std::string Describe(const CKarta& c) {
    char s[80];
    std::snprintf(s, sizeof(s), "%c%d %d,%d %dx%d %d%d%d%d%d%d", c.kind, c.pair, c.x, c.y, c.sir, c.vys,
                  c.title_h, c.title_drag, c.visible, c.movable, c.state, c.podklad);
    return s;
}

TEST_F(TableTest, PairsAreDealtPictureThenNameInACascade) {
    Deal(2);
    DealPair(2, nullptr, new tk_CIcon(), nullptr);
    std::vector<std::string> cards;
    for (int i = 0; i < REG_KARTY.count; ++i) cards.push_back(Describe(Card(i)));
    EXPECT_EQ(cards, (std::vector<std::string>{"I0 10,10 147x97 001101", "T0 20,15 150x100 001101",
                                               "I1 30,20 147x97 001101", "T1 40,25 150x100 001101",
                                               "I2 50,30 147x97 001101", "T2 60,35 150x100 001101"}));
    EXPECT_EQ(
        Nums(REG_OBR.count, REG_ZVUK.count, REG_TEXT.count) + " " + NameOf(1)->text + "|" + NameOf(2)->text,
        "3,3,3 p1|");
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(DealPair(5, "x", nullptr, nullptr), "DealPair");
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
    EXPECT_TRUE(first[1] != std::make_pair(20, 15) && !Card(1).visible && Card(3).state == 1 &&
                g_iHoverCard == 3 && g_iHeldCard == 5);
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

// The game screen's side as a transcript of the events, with a found list.
class Screenside : public CTableEvents {
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
    for (auto [px, py, card] : hits) EXPECT_EQ(CardUnderPointer(px, py), card) << px << "," << py;
    // A hidden card is never under the pointer; the one below it is.
    Card(2).visible = false;
    const int below = CardUnderPointer(250, 200);
    Card(1).visible = false;
    EXPECT_EQ(Nums(below, CardUnderPointer(250, 200)), "1,-1");
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
        EXPECT_EQ(DropHeldCard(&screen), found);
        EXPECT_EQ(Nums(g_iHeldCard, Places()[held].first, Places()[held].second,
                       Card(held).visible || Card(held ^ 1).visible),
                  Nums(-1, found ? 500 : 500 + dx, found ? 300 : 300 + dy, !found));
    }
    // The second pair found is the last one: the game is won once.
    EXPECT_EQ(screen.events, "found 0; found 1; won");
}

TEST_F(TableTest, DropOnAnotherPairsCardOrWithStaleIndexDoesNothing) {
    Deal(2);
    Screenside screen;
    Place(1, 700, 500), Place(2, 300, 300), Place(0, 301, 301);
    g_iHeldCard = 0;
    EXPECT_EQ(DropHeldCard(&screen), 0);
    EXPECT_TRUE(Card(0).x == 301 && Card(0).visible && Card(2).visible);
    // An index kept from a larger set names no card and no sound, and says so nowhere.
    g_iHeldCard = 7;
    EXPECT_EQ(DropHeldCard(&screen), 0);
    EXPECT_TRUE(g_iHeldCard == -1 && !CardAt(4) && !CardAt(-1) && !SoundOf(2) && !PictureOf(2) &&
                !NameOf(-3));
    EXPECT_EQ(screen.events + tk_test::ReadFile("tk_LOG.txt"), "");
    // Without a screen to tell, a found pair still leaves the table.
    Place(1, 290, 290);
    g_iHeldCard = 0;
    EXPECT_EQ(DropHeldCard(nullptr), 1);
    EXPECT_FALSE(Card(0).visible || Card(1).visible);
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

TEST_F(TableTest, ReleaseDestroysEveryEntryAndLogsEachRegister) {
    Deal(1);
    DealPair(1, "slivka", new tk_CIcon(), new tk_CDSO_Zvuk());
    HFONT font = CreateFontA(-20, 5, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Verdana");
    NameOf(1)->font = font;
    g_iHoverCard = 2, g_iHeldCard = 3;
    const int slots = REG_KARTY.akt_alloc;

    UVOLNI_REGISTRE();
    const std::string log = tk_test::ReadFile("tk_LOG.txt");
    EXPECT_EQ(tk_test::LogLines().size(), 4u);
    for (tk_CARRE* reg : {&REG_KARTY, &REG_TEXT, &REG_OBR, &REG_ZVUK})
        EXPECT_TRUE(reg->count == 0 && reg->items && !reg->items[0] && !reg->items[1]);
    // The storage is kept; the narrowed font went with its name (deleting it again is refused);
    // the cards the indices named are gone.
    EXPECT_TRUE(REG_KARTY.akt_alloc == slots && !DeleteObject(font) && g_iHoverCard == -1 &&
                g_iHeldCard == -1);

    // Empty registers log nothing; the next set is dealt into the kept storage.
    UVOLNI_REGISTRE();
    EXPECT_EQ(tk_test::ReadFile("tk_LOG.txt"), log);
    Deal(1);
    EXPECT_EQ(Card(1).x, 20);
}

// The table's blue.
constexpr std::uint16_t kTable = 500;

// Each card's panel, then its picture or its name centred on one line.
void DrawTable(IDirectDrawSurface* dst, HFONT font) {
    for (int i = 0; i < REG_KARTY.count; ++i) {
        CKarta& card = *CardAt(i);
        card.ZOBRAZ(dst);
        HDC dc = nullptr;
        if (!card.visible) continue;
        if (card.kind == 'I') {
            PictureOf(card.pair)->ZOBRAZ(dst, card.x, card.y);
        } else if (dst->GetDC(&dc) == DD_OK) {
            RECT r{card.x, card.y, card.x + card.sir, card.y + card.vys};
            tk_glob_Text_draw_font(dc, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0, font,
                                   NameOf(card.pair)->text);
            dst->ReleaseDC(dc);
        }
    }
}

TEST_F(TableTest, ScatteredFruitTablePicture) {
    IDirectDraw* dd = nullptr;
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    // Every picture of the fruit set in name order, each shrunk to a thumbnail's size.
    const std::string here = __FILE__;
    std::vector<std::filesystem::path> pictures;
    for (const auto& entry : std::filesystem::directory_iterator(here.substr(0, here.rfind("tests/game/")) +
                                                                 "cardsets/DATA_ovocie"))
        if (entry.path().extension() == ".bmp") pictures.push_back(entry.path());
    std::sort(pictures.begin(), pictures.end());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        auto* sheet = new tk_CDas_Surface();
        sheet->NAHRAJ_SURFACE_2_stretch(dd, pictures[i].c_str(), 150, 100);
        auto* icon = new tk_CIcon(sheet);
        icon->own_surface = true;
        DealPair(static_cast<int>(i), pictures[i].stem().c_str(), icon, nullptr);
    }
    ASSERT_EQ(REG_KARTY.count, 20);
    ZAMIESAJ();
    // One pair is found already: its cards are scattered but not drawn.
    Card(4).visible = Card(5).visible = false;
    HFONT font = CreateFontA(-17, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "Verdana");
    {
        tk_test::TestSurface screen(1024, 768);
        screen.Fill(kTable);
        DrawTable(screen.get(), font);
        screen.SavePng("game_table_scattered");
        // The found list's strip stays bare; most cards show a face at their centre.
        for (int y = 0; y < 768; y += 7) ASSERT_EQ(screen.Pixel(189, y), kTable) << y;
        int faces = 0;
        for (int i = 0; i < 20; ++i) faces += screen.Pixel(Card(i).x + 75, Card(i).y + 50) != kTable;
        EXPECT_GE(faces, 15);
    }
    DeleteObject(font);
    UVOLNI_REGISTRE();
    dd->Release();
}

}  // namespace
