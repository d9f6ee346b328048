#define TK_MODULE "Kartola"
#include "game/kartola_sets.h"

#include <sys/stat.h>

#include <cstring>
#include <map>
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

// The file a sound was loaded from, as it was then: a file changed since is loaded again.
struct FileState {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{};
    bool operator==(const FileState& o) const {
        return device == o.device && inode == o.inode && size == o.size &&
               modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec;
    }
};

FileState stateOf(const char* path) {
    struct stat st {};
    if (::stat(path, &st) != 0) return FileState{};
    return FileState{st.st_dev, st.st_ino, st.st_size, st.st_mtim};
}

// The sounds of the set dealt last, by file, kept for its next deal: dealing the same set again
// takes them from here instead of decoding every file again.
struct KeptSound {
    FileState state;
    tk_CDSO_Zvuk* sound;
};
std::string g_keptSet;
std::map<std::string, KeptSound> g_kept;
// The files of the sounds on the table, as they were when loaded.
std::map<std::string, FileState> g_dealt;

void forgetKept() {
    for (auto& [path, kept] : g_kept) delete kept.sound;
    g_kept.clear();
}

// Takes the sounds out of the register before it is released when the same set comes again.
void keepSoundsFor(const char* set) {
    forgetKept();
    const bool same = g_keptSet == set;
    g_keptSet = set;
    if (!same) {
        g_dealt.clear();
        return;
    }
    for (int i = 0; i < REG_ZVUK.count; ++i) {
        auto* sound = static_cast<tk_CDSO_Zvuk*>(REG_ZVUK.items[i]);
        // A sound that did not load is tried again (and logged again): its refusal costs little.
        if (!sound || !sound->m_FileName || !sound->m_lpDSB) continue;
        const auto dealt = g_dealt.find(sound->m_FileName);
        if (dealt == g_dealt.end()) continue;
        if (g_kept.try_emplace(sound->m_FileName, KeptSound{dealt->second, sound}).second)
            REG_ZVUK.items[i] = nullptr;
    }
    g_dealt.clear();
}

// The sound of the pair: the recording beside the thumbnail (a WAV first, else OGG, MP3 or FLAC),
// or null; looked up in the set's folder as listed once for the whole set.
tk_CDSO_Zvuk* pairSound(const tk_FSI_SoundIndex& sounds, const char* thumbnail) {
    char wav[kMaxThumbnailPath + 8];
    if (!sounds.Find(thumbnail, wav, sizeof(wav))) {
        TK_LOG("wav sub init", "NULL");
        return nullptr;
    }
    const auto kept = g_kept.find(wav);
    const FileState now = stateOf(wav);
    g_dealt[wav] = now;
    if (kept != g_kept.end() && kept->second.state == now) {
        tk_CDSO_Zvuk* sound = kept->second.sound;
        g_kept.erase(kept);
        TK_LOG("wav sub init (kept)", wav);
        return sound;
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
    keepSoundsFor(path ? path : "");
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
    const tk_FSI_SoundIndex sounds(path);
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
        DealPair(pair++, name, picture, pairSound(sounds, thm));
    }
    thumbnails.UVOLNI_char();
    // Sounds of the last deal that this one did not take (their files changed or went).
    forgetKept();
    return pair;
}
