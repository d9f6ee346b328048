#include "game/kartola_focus.h"

#include <cstdlib>
#include <tuple>

#include "game/CKarta.h"
#include "game/kartola_table.h"

int g_iFocusCard = -1;

namespace {

const CKarta* shown(int i) {
    const CKarta* card = CardAt(i);
    return card && card->visible ? card : nullptr;
}

// True when card a comes before card b in reading order.
bool before(int a, int b) {
    const CKarta* ca = CardAt(a);
    const CKarta* cb = CardAt(b);
    return std::tie(ca->y, ca->x, a) < std::tie(cb->y, cb->x, b);
}

}  // namespace

int CardInReadingOrder(int from, int step) {
    const bool forward = step >= 0;
    const bool anchored = shown(from) != nullptr;
    int best = -1;  // the nearest card past `from` in the direction
    int wrap = -1;  // the first (or last) card of all, where the walk goes on after the end
    for (int i = 0; i < REG_KARTY.count; ++i) {
        if (!shown(i) || i == from) continue;
        if (wrap < 0 || (forward ? before(i, wrap) : before(wrap, i))) wrap = i;
        if (!anchored) continue;
        const bool past = forward ? before(from, i) : before(i, from);
        if (past && (best < 0 || (forward ? before(i, best) : before(best, i)))) best = i;
    }
    if (best >= 0) return best;
    if (wrap >= 0) return wrap;
    return anchored ? from : -1;
}

int CardInDirection(int from, int dx, int dy) {
    const CKarta* origin = shown(from);
    if (!origin) return CardInReadingOrder(-1, 1);
    const int ox = origin->x + origin->sir / 2;
    const int oy = origin->y + origin->vys / 2;
    int best = from;
    long bestScore = 0;
    for (int i = 0; i < REG_KARTY.count; ++i) {
        const CKarta* card = shown(i);
        if (!card || i == from) continue;
        const long cx = card->x + card->sir / 2 - ox;
        const long cy = card->y + card->vys / 2 - oy;
        const long along = cx * dx + cy * dy;
        const long across = std::labs(cx * dy - cy * dx);
        if (along <= 0) continue;
        const long score = along + 2 * across;
        if (best == from || score < bestScore) {
            best = i;
            bestScore = score;
        }
    }
    return best;
}
