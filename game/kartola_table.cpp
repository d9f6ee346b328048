#define TK_MODULE "Kartola"
#include "game/kartola_table.h"

#include "framework/sound/tk_CDSO_Zvuk.h"
#include "framework/support/tk_Assert.h"
#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_CIcon.h"
#include "game/CKarta.h"

tk_CARRE REG_OBR;
tk_CARRE REG_TEXT;
tk_CARRE REG_ZVUK;
tk_CARRE REG_KARTY;

int g_iHoverCard = -1;
int g_iHeldCard = -1;
bool g_bCardSounds = true;
std::uint32_t g_uTableVersion = 0;

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

CKarta* CardAt(int i) {
    return static_cast<CKarta*>(entryAt(REG_KARTY, i));
}
tk_CIcon* PictureOf(int pair) {
    return static_cast<tk_CIcon*>(entryAt(REG_OBR, pair));
}
TKartaText* NameOf(int pair) {
    return static_cast<TKartaText*>(entryAt(REG_TEXT, pair));
}
tk_CDSO_Zvuk* SoundOf(int pair) {
    return static_cast<tk_CDSO_Zvuk*>(entryAt(REG_ZVUK, pair));
}

void UVOLNI_REGISTRE() {
    if (release<CKarta>(REG_KARTY)) TK_LOG("---------", "REG_KARTY uvolneny");
    if (release<TKartaText>(REG_TEXT)) TK_LOG("---------", "REG_TEXT uvolneny");
    if (release<tk_CIcon>(REG_OBR)) TK_LOG("---------", "REG_OBR uvolneny");
    if (release<tk_CDSO_Zvuk>(REG_ZVUK)) TK_LOG("---------", "REG_ZVUK uvolneny");
    g_iHoverCard = -1;
    g_iHeldCard = -1;
    ++g_uTableVersion;
}

void DealPair(int i, const char* name, tk_CIcon* picture, tk_CDSO_Zvuk* sound) {
    // Entry i of every register must belong to pair i.
    TK_ASSERT(i == REG_TEXT.count && i == REG_OBR.count && i == REG_ZVUK.count && 2 * i == REG_KARTY.count,
              "DealPair: par mimo poradia");
    REG_TEXT.Add(new TKartaText(name));
    REG_OBR.Add(picture);
    REG_ZVUK.Add(sound);
    REG_KARTY.Add(new CKarta('I', i, 10 + 20 * i, 10 + 10 * i));
    REG_KARTY.Add(new CKarta('T', i, 20 + 20 * i, 15 + 10 * i));
}

int CardUnderPointer(int px, int py) {
    for (int i = REG_KARTY.count - 1; i >= 0; --i) {
        const CKarta* card = CardAt(i);
        if (!card || !card->visible) continue;
        if (card->x <= px && px <= card->x + card->sir && card->y <= py && py <= card->y + card->vys)
            return i;
    }
    return -1;
}
