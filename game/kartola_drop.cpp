#include "game/kartola_drop.h"

#include <cmath>

#include "game/CKarta.h"
#include "game/CStolUdalosti.h"
#include "game/kartola_play_state.h"
#include "game/kartola_registers.h"

namespace {

// The first card other than the held one that belongs to the same pair.
CKarta* partnerOf(int held, int pair) {
    for (int i = 0; i < REG_KARTY.count; ++i) {
        CKarta* card = VRAT_KARTU(i);
        if (i != held && card && card->pair == pair) return card;
    }
    return nullptr;
}

}  // namespace

int PUSTI_KARTU(CStolUdalosti* events) {
    const int held = g_iHeldCard;
    g_iHeldCard = -1;
    // A held index that no longer names a card (a smaller set was loaded) counts as none.
    CKarta* dropped = VRAT_KARTU(held);
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
