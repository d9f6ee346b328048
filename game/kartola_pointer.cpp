#include "game/kartola_pointer.h"

#include "game/CKarta.h"
#include "game/kartola_registers.h"

int KARTA_POD_KURZOROM(int px, int py) {
    for (int i = REG_KARTY.count - 1; i >= 0; --i) {
        const CKarta* card = VRAT_KARTU(i);
        if (!card || !card->visible) continue;
        if (card->x <= px && px <= card->x + card->sir && card->y <= py && py <= card->y + card->vys)
            return i;
    }
    return -1;
}
