#define TK_MODULE "Kartola"
#include "game/kartola_deal.h"

#include "framework/support/tk_Assert.h"
#include "game/CKarta.h"
#include "game/TKartaText.h"
#include "game/kartola_registers.h"

void ROZDAJ_PAR(int i, const char* name, tk_CIcon* picture, tk_CDSO_Zvuk* sound) {
    // Entry i of every register must belong to pair i.
    TK_ASSERT(i == REG_TEXT.count && i == REG_OBR.count && i == REG_ZVUK.count && 2 * i == REG_KARTY.count,
              "ROZDAJ_PAR: par mimo poradia");
    REG_TEXT.Add(new TKartaText(name));
    REG_OBR.Add(picture);
    REG_ZVUK.Add(sound);
    REG_KARTY.Add(new CKarta('I', i, 10 + 20 * i, 10 + 10 * i));
    REG_KARTY.Add(new CKarta('T', i, 20 + 20 * i, 15 + 10 * i));
}
