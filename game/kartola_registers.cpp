#define TK_MODULE "Kartola"
#include "game/kartola_registers.h"

#include "framework/sound/tk_CDSO_Zvuk.h"
#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_CIcon.h"
#include "game/CKarta.h"
#include "game/TKartaText.h"
#include "game/kartola_play_state.h"

tk_CARRE REG_OBR;
tk_CARRE REG_TEXT;
tk_CARRE REG_ZVUK;
tk_CARRE REG_KARTY;

namespace {

// Bounds are checked here so that a stale index is quietly none instead of a logged range error.
void* entryAt(const tk_CARRE& reg, int i) {
    return i >= 0 && i < reg.count && reg.items ? reg.items[i] : nullptr;
}

// Destroys each entry with its own type, clears its slot and ends with an empty register.
template <typename T>
bool release(tk_CARRE& reg) {
    if (reg.count < 1 || !reg.items) return false;
    for (int i = 0; i < reg.count; ++i) {
        delete static_cast<T*>(reg.items[i]);
        reg.items[i] = nullptr;
    }
    reg.count = 0;
    return true;
}

}  // namespace

CKarta* VRAT_KARTU(int i) {
    return static_cast<CKarta*>(entryAt(REG_KARTY, i));
}
tk_CIcon* VRAT_OBR(int pair) {
    return static_cast<tk_CIcon*>(entryAt(REG_OBR, pair));
}
TKartaText* VRAT_TEXT(int pair) {
    return static_cast<TKartaText*>(entryAt(REG_TEXT, pair));
}
tk_CDSO_Zvuk* VRAT_ZVUK(int pair) {
    return static_cast<tk_CDSO_Zvuk*>(entryAt(REG_ZVUK, pair));
}

void UVOLNI_REGISTRE() {
    if (release<CKarta>(REG_KARTY)) TK_LOG("---------", "REG_KARTY uvolneny");
    if (release<TKartaText>(REG_TEXT)) TK_LOG("---------", "REG_TEXT uvolneny");
    if (release<tk_CIcon>(REG_OBR)) TK_LOG("---------", "REG_OBR uvolneny");
    if (release<tk_CDSO_Zvuk>(REG_ZVUK)) TK_LOG("---------", "REG_ZVUK uvolneny");
    g_iHoverCard = -1;
    g_iHeldCard = -1;
}
