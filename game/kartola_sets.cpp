#define TK_MODULE "Kartola"
#include "game/kartola_sets.h"

#include <cstring>
#include <string>

#include "framework/graphics/tk_BMP.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/sound/tk_CDSO_Zvuk.h"
#include "framework/support/tk_Assert.h"
#include "framework/support/tk_FSI.h"
#include "framework/support/tk_FSI_Kinds.h"
#include "framework/support/tk_LOG.h"
#include "framework/support/tk_String.h"
#include "framework/widgets/tk_CIcon.h"
#include "game/CKarta.h"
#include "game/kartola_rules.h"
#include "game/kartola_table.h"
#include "game/kartola_table_events.h"

namespace {

// The pair's name: the thumbnail's file name between its last separator and its last dot, cut at
// a character boundary when it is longer than the loader keeps.
void pairName(const char* path, char (&name)[kMaxPairName + 1]) {
    std::string whole(std::strlen(path) + 1, '\0');
    tk_FSI_Vystrihni_meno(path, whole.data(), whole.size());
    if (std::strlen(whole.c_str()) > static_cast<std::size_t>(kMaxPairName))
        TK_LOG("Meno karty je pridlhe, skracujem ho", path);
    tk_StrCopy(name, whole.c_str());
}

// The sound of the pair: the recording beside the thumbnail (a WAV first, else OGG, MP3 or FLAC),
// or null.
tk_CDSO_Zvuk* pairSound(const char* thumbnail) {
    char wav[kMaxThumbnailPath + 8];
    if (!tk_FSI_FindSound(thumbnail, wav, sizeof(wav))) {
        TK_LOG("wav sub init", "NULL");
        return nullptr;
    }
    auto* sound = new tk_CDSO_Zvuk();
    sound->NAHRAJ(wav);
    TK_LOG("wav sub init", wav);
    return sound;
}

// The thumbnail pass's progress, handed to the events with the set it belongs to.
struct PassProgress {
    const char* set;
    CTableEvents* events;
};

void passProgress(int done, int total, const char* picture, void* context) {
    const auto* pass = static_cast<const PassProgress*>(context);
    pass->events->ThumbnailProgress(pass->set, done, total, picture);
}

}  // namespace

int NAHRAJ_DATA(const char* path, CTableEvents* events) {
    UVOLNI_REGISTRE();
    if (events) events->SetLoading();
    // A folder removed (or unplugged) since the sets were listed gives an empty table, said once.
    if (!tk_FSI_ExistsFolder(path)) TK_LOG("TSKW ERROR: the card set folder is gone", path);
    PassProgress pass{path, events};
    tk_BMP_Vytvor__bmp2thm(path, CARD_W, CARD_H, 1, events ? passProgress : nullptr, &pass);
    tk_CARRE thumbnails;
    if (tk_FSI_Zisti_SubAdr(path, "*.thm", 0, true, &thumbnails) != 0) {
        TK_LOG("Doslo k chybe pri nacitani THM suborov", "X");
        TK_FAIL("Doslo k chybe pri nacitani THM suborov");
    }
    // The cards show the thumbnails whole, opaque.
    tk_glob_Set_CIcon_default_transparency(0);
    int pair = 0;
    for (int i = 0; i < thumbnails.count; ++i) {
        const char* thm = static_cast<const char*>(thumbnails.items[i]);
        if (std::strlen(thm) > static_cast<std::size_t>(kMaxThumbnailPath)) {
            TK_LOG("Cesta k nahladu je pridlha, vynechavam ju", thm);
            continue;
        }
        char name[kMaxPairName + 1];
        pairName(thm, name);
        auto* picture = new tk_CIcon(thm);
        DealPair(pair++, name, picture, pairSound(thm));
    }
    thumbnails.UVOLNI_char();
    return pair;
}
