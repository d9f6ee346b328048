#include "game/kartola_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ctime>

#include "framework/graphics/tk_Display.h"
#include "game/CKarta.h"
#include "game/kartola_placement.h"
#include "game/kartola_table.h"
#include "game/kartola_table_events.h"

// ---- Scatter ---------------------------------------------------------------------------------

namespace {

// The found list lies left of this column; no card is scattered there.
constexpr int kLeftMargin = 190;
// Pixels a card keeps from every card placed before it.
constexpr int kClearance = 5;
// Candidates tried per card before the search of the whole table takes over.
constexpr int kAttempts = 15;
// Beyond this many cards the search would take too long and could not keep them apart anyway: a
// card then keeps its last try.
constexpr int kMostCardsSearched = 240;

long long systemSeconds() {
    return static_cast<long long>(std::time(nullptr));
}

ScatterClock g_clock = systemSeconds;
int g_tableTop = 0;

// The classic C library generator with results 0 to 32767 on every platform, so that the
// placement formulas below reach both ends of their ranges exactly.
class Generator {
  public:
    explicit Generator(long long seed) : state_(static_cast<std::uint32_t>(seed)) {}
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }

  private:
    std::uint32_t state_;
};

// True when the box at (x, y) keeps the clearance from every card before card i.
bool isFree(int i, int x, int y) {
    for (int j = 0; j < i; ++j) {
        const CKarta* other = CardAt(j);
        if (!other) continue;
        const int xj = other->x;
        const int yj = other->y;
        if (x + CARD_W < xj - kClearance || x > xj + CARD_W + kClearance || y + CARD_H < yj - kClearance ||
            y > yj + CARD_H + kClearance)
            continue;
        return false;
    }
    return true;
}

}  // namespace

void SetScatterClock(ScatterClock clock) {
    g_clock = clock ? clock : systemSeconds;
}

void SetTableTop(int top) {
    g_tableTop = std::max(0, top);
}

int TableTop() {
    return g_tableTop;
}

void KeepBelowTableTop(CKarta* card) {
    if (card && card->y < g_tableTop) card->y = g_tableTop;
}

namespace {

// Where a card's top-left corner may lie: right of the found list, below the table's top.
TableArea tableArea() {
    return TableArea{kLeftMargin, g_tableTop, tk_ScreenW - CARD_W, tk_ScreenH - CARD_H};
}

}  // namespace

int ClearTableTop() {
    int moved = 0;
    for (int i = 0; i < REG_KARTY.count; ++i) {
        CKarta* card = CardAt(i);
        if (!card || !card->visible || card->y >= g_tableTop) continue;
        // The search weighs every card against every place: past a table's worth of cards it is
        // too slow to wait for, and the card only moves down out of the strip.
        if (REG_KARTY.count <= kMostCardsSearched)
            BestPlaceAmongAll(i, tableArea(), &card->x, &card->y);
        else
            card->y = g_tableTop;
        ++moved;
    }
    return moved;
}

void ZAMIESAJ() {
    Generator rng(g_clock());
    const TableArea area = tableArea();
    bool fellBack = false;
    for (int i = 0; i < REG_KARTY.count; ++i) {
        CKarta* card = CardAt(i);
        if (!card) continue;
        int x = 0;
        int y = 0;
        bool placed = false;
        for (int attempt = 0; attempt < kAttempts && !placed; ++attempt) {
            // The first number serves y, the second x.
            const int r1 = rng.Next();
            const int r2 = rng.Next();
            y = static_cast<int>((tk_ScreenH - CARD_H) * (r1 / 32767.0));
            x = static_cast<int>((tk_ScreenW - CARD_W - kLeftMargin) * (r2 / 32767.0)) + kLeftMargin;
            placed = y >= g_tableTop && isFree(i, x, y);
        }
        // A found card is out of play: it keeps its last try; a card in play never lies hidden
        // under others while the table has room for it.
        if (!placed && card->visible && REG_KARTY.count <= kMostCardsSearched) BestPlace(i, area, &x, &y);
        card->x = x;
        card->y = std::max(y, g_tableTop);
        fellBack = fellBack || !placed;
    }
    // Where the cards could all lie apart, those that still meet are moved apart.
    const long long room =
        static_cast<long long>(area.right - area.left + CARD_W) * (area.bottom - area.top + CARD_H);
    const bool roomy = static_cast<long long>(REG_KARTY.count) * CARD_W * CARD_H <= room;
    if (fellBack && roomy && REG_KARTY.count <= kMostCardsSearched) SpreadOverlappingCards(area);
}

// ---- Drop ------------------------------------------------------------------------------------

namespace {

// The first card other than the held one that belongs to the same pair.
CKarta* partnerOf(int held, int pair) {
    for (int i = 0; i < REG_KARTY.count; ++i) {
        CKarta* card = CardAt(i);
        if (i != held && card && card->pair == pair) return card;
    }
    return nullptr;
}

}  // namespace

int DropHeldCard(CTableEvents* events) {
    const int held = g_iHeldCard;
    g_iHeldCard = -1;
    // A held index that no longer names a card (a smaller set was loaded) counts as none.
    CKarta* dropped = CardAt(held);
    if (!dropped) return 0;
    CKarta* partner = partnerOf(held, dropped->pair);
    if (!partner) return 0;
    const double dx = static_cast<double>(dropped->x) - partner->x;
    const double dy = static_cast<double>(dropped->y) - partner->y;
    if (std::sqrt(dx * dx + dy * dy) >= SNAP_DISTANCE) return 0;

    dropped->x = partner->x;
    dropped->y = partner->y;
    dropped->visible = false;
    partner->visible = false;
    if (events) {
        events->PairFound(dropped->pair);
        if (events->FoundPairs() == REG_KARTY.count / 2) events->GameWon();
    }
    return 1;
}

// ---- Keeping cards on screen -----------------------------------------------------------------

void KeepCardsOnScreen(int oldW, int oldH, int newW, int newH) {
    if (newW >= oldW && newH >= oldH) return;
    for (int i = 0; i < REG_KARTY.count; ++i) {
        CKarta* card = CardAt(i);
        if (!card) continue;
        if (card->x + card->sir > newW) card->x = newW - card->sir;
        if (card->y + card->vys > newH) card->y = newH - card->vys;
    }
}
