#include "game/kartola_keep_on_screen.h"

#include "game/CKarta.h"
#include "game/kartola_registers.h"

void UDRZ_KARTY_NA_OBRAZOVKE(int oldW, int oldH, int newW, int newH) {
    if (newW >= oldW && newH >= oldH) return;
    for (int i = 0; i < REG_KARTY.count; ++i) {
        CKarta* card = VRAT_KARTU(i);
        if (!card) continue;
        if (card->x + card->sir > newW) card->x = newW - card->sir;
        if (card->y + card->vys > newH) card->y = newH - card->vys;
    }
}
