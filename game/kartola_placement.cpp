#include "game/kartola_placement.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "game/CKarta.h"
#include "game/kartola_table.h"

namespace {

// Pixels a card keeps from every other card when it can.
constexpr int kClearance = 5;
// Roughly this many grid places are weighed per card, whatever the screen's size.
constexpr int kGridPlaces = 1200;
// A covered name card counts this many times its covered area.
constexpr long long kNameWeight = 4;

struct Box {
    int x;
    int y;
    bool name;
};

// How good a place is: less covered area first, then a larger distance to the nearest card.
struct Score {
    long long cover = 0;
    int gap = INT_MAX;
    bool operator<(const Score& other) const {
        return cover != other.cover ? cover < other.cover : gap > other.gap;
    }
};

// The place's score; the weighing stops early once the cover exceeds the bound's.
Score weigh(int x, int y, const std::vector<Box>& others, long long bound = LLONG_MAX) {
    Score s;
    for (const Box& o : others) {
        if (s.cover > bound) return s;
        const int dx = std::max(o.x - (x + CARD_W), x - (o.x + CARD_W));
        const int dy = std::max(o.y - (y + CARD_H), y - (o.y + CARD_H));
        s.gap = std::min(s.gap, std::max(dx, dy));
        const int ow = CARD_W - std::abs(x - o.x);
        const int oh = CARD_H - std::abs(y - o.y);
        if (ow > 0 && oh > 0) s.cover += 2LL * ow * oh * (o.name ? kNameWeight : 1);
    }
    // Closer than the clearance counts as touching: worse than any clear place, better than any cover.
    if (s.cover == 0 && s.gap <= kClearance) s.cover = 1;
    return s;
}

}  // namespace

namespace {

// The visible cards other than card i: those before it, or all of them.
std::vector<Box> othersOf(int i, bool all) {
    std::vector<Box> others;
    for (int j = 0; j < (all ? REG_KARTY.count : i); ++j) {
        const CKarta* card = CardAt(j);
        if (j != i && card && card->visible) others.push_back(Box{card->x, card->y, card->kind == 'T'});
    }
    return others;
}

// Card i moved to the best place against the visible cards in others.
void placeBest(const std::vector<Box>& others, const TableArea& area, int* x, int* y) {
    const int right = std::max(area.left, area.right);
    const int bottom = std::max(area.top, area.bottom);
    const double room = static_cast<double>(right - area.left + 1) * (bottom - area.top + 1);
    const int step = std::max(4, static_cast<int>(std::sqrt(room / kGridPlaces)) + 1);

    Score best;
    best.cover = LLONG_MAX;
    auto consider = [&](int cx, int cy) {
        if (cx < area.left || cx > right || cy < area.top || cy > bottom) return;
        const Score s = weigh(cx, cy, others, best.cover);
        if (s < best) best = s, *x = cx, *y = cy;
    };
    *x = area.left, *y = area.top;
    // The grid, its far edges included.
    for (int gy = area.top;; gy = std::min(gy + step, bottom)) {
        for (int gx = area.left;; gx = std::min(gx + step, right)) {
            consider(gx, gy);
            if (gx == right) break;
        }
        if (gy == bottom) break;
    }
    // The places just clear of each card: beside, above and below it, and in line with it.
    const int awayX = CARD_W + kClearance + 1, awayY = CARD_H + kClearance + 1;
    for (const Box& o : others) {
        for (int cx : {o.x - awayX, o.x, o.x + awayX})
            for (int cy : {o.y - awayY, o.y, o.y + awayY}) consider(cx, cy);
    }
}

}  // namespace

void BestPlace(int i, const TableArea& area, int* x, int* y) {
    placeBest(othersOf(i, false), area, x, y);
}

void BestPlaceAmongAll(int i, const TableArea& area, int* x, int* y) {
    placeBest(othersOf(i, true), area, x, y);
}

void SpreadOverlappingCards(const TableArea& area) {
    for (int pass = 0; pass < 2; ++pass) {
        bool moved = false;
        for (int i = REG_KARTY.count - 1; i >= 0; --i) {
            CKarta* card = CardAt(i);
            if (!card || !card->visible) continue;
            const std::vector<Box> others = othersOf(i, true);
            const Score now = weigh(card->x, card->y, others);
            if (now.cover == 0) continue;
            int x = card->x, y = card->y;
            placeBest(others, area, &x, &y);
            if (weigh(x, y, others) < now) card->x = x, card->y = y, moved = true;
        }
        if (!moved) break;
    }
}
