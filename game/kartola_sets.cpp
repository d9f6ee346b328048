#define TK_MODULE "Kartola"
#include "game/kartola_sets.h"

#include <strings.h>
#include <sys/stat.h>

#include <cctype>
#include <cstring>
#include <map>
#include <string>
#include <vector>

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

const char* whyInWords(tk_BMP_Why why) {
    switch (why) {
        case tk_BMP_Why::UnknownKind:
            return "neznámy formát";
        case tk_BMP_Why::Damaged:
            return "poškodený súbor";
        case tk_BMP_Why::TooLarge:
            return "príliš veľký obrázok";
        case tk_BMP_Why::Unreadable:
            break;
    }
    return "nedá sa prečítať";
}

std::string bareName(const std::string& path) {
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

// Whether a file of the set is one the game reads or keeps beside the pictures: a picture, a
// sound, a thumbnail, a marker, or a file a system puts into every folder.
bool isKnownFile(const char* name) {
    if (name[0] == '.' || strcasecmp(name, "Thumbs.db") == 0 || strcasecmp(name, "desktop.ini") == 0)
        return true;
    const char* dot = std::strrchr(name, '.');
    if (!dot) return false;
    for (const char* ext : {"thm", "faz"})
        if (strcasecmp(dot + 1, ext) == 0) return true;
    for (const char* ext : tk_FSI_kPictureExtensions)
        if (strcasecmp(dot + 1, ext) == 0) return true;
    for (const char* ext : tk_FSI_kSoundExtensions)
        if (strcasecmp(dot + 1, ext) == 0) return true;
    return false;
}

// The files of the folder that make no card: pictures that could not be read, and files of kinds
// the game does not know.
void noteLeftOut(const char* path, const std::vector<tk_BMP_Missed>& missed,
                 std::vector<std::string>* leftOut) {
    for (const tk_BMP_Missed& m : missed) leftOut->push_back(bareName(m.picture) + " — " + whyInWords(m.why));
    tk_CARRE files;
    tk_FSI_Zisti_SubAdr(path, "*", 0, false, &files);
    for (int i = 0; i < files.count; ++i) {
        const char* name = static_cast<const char*>(files.items[i]);
        if (!isKnownFile(name)) leftOut->push_back(std::string(name) + " — neznámy formát");
    }
    files.UVOLNI_char();
    for (const std::string& line : *leftOut) TK_LOG("TSKW ERROR: file left out", line.c_str());
}

// A picture without a thumbnail beside it: its thumbnail from the cache, else the picture itself
// scaled to a card in memory.
tk_CIcon* pictureWithoutThumbnail(const char* picture) {
    const std::string cached = tk_BMP_ThumbnailOf(picture);
    if (!cached.empty()) return new tk_CIcon(cached.c_str());
    TK_LOG("TSKW ERROR: no thumbnail could be written, the card is made in memory", picture);
    auto* sheet = new tk_CDas_Surface(picture);
    if (!sheet->NAHRAJ_SURFACE_2_stretch(picture, CARD_W, CARD_H)) {
        delete sheet;
        return nullptr;
    }
    auto* icon = new tk_CIcon(sheet);
    icon->own_surface = true;
    return icon;
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

int NAHRAJ_DATA(const char* path, CTableEvents* events, std::vector<std::string>* leftOut) {
    keepSoundsFor(path ? path : "");
    UVOLNI_REGISTRE();
    if (events) events->SetLoading();
    // A folder removed (or unplugged) since the sets were listed gives an empty table, said once.
    if (!tk_FSI_ExistsFolder(path)) TK_LOG("TSKW ERROR: the card set folder is gone", path);
    PassProgress pass{path, events};
    std::vector<tk_BMP_Missed> missed;
    tk_BMP_Vytvor__bmp2thm(path, CARD_W, CARD_H, 1, events ? passProgress : nullptr, &pass, &missed);
    if (leftOut) {
        leftOut->clear();
        noteLeftOut(path, missed, leftOut);
    }
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
    // Pictures whose thumbnails could not lie beside them (a read-only folder, a full disk).
    tk_CARRE pictures;
    tk_FSI_ListPictures(path, &pictures);
    for (int i = 0; i < pictures.count; ++i) {
        const char* picture = static_cast<const char*>(pictures.items[i]);
        char beside[kMaxThumbnailPath + 8];
        if (std::strlen(picture) > static_cast<std::size_t>(kMaxThumbnailPath)) continue;
        tk_FSI_Zmen_priponu(picture, "thm", beside);
        bool failed = false;
        for (const tk_BMP_Missed& m : missed) failed = failed || m.picture == picture;
        if (failed || tk_FSI_Existuje_sub(beside)) continue;
        tk_CIcon* icon = pictureWithoutThumbnail(picture);
        if (!icon) continue;
        char name[kMaxPairName + 1];
        pairName(picture, name);
        DealPair(pair++, name, icon, pairSound(sounds, picture));
    }
    pictures.UVOLNI_char();
    // Sounds of the last deal that this one did not take (their files changed or went).
    forgetKept();
    return pair;
}

std::string SetDisplayName(const std::string& folder) {
    if (folder.size() < 4) return folder;
    std::string shown = folder.substr(0, 4);
    for (char& c : shown) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (shown != "DATA") return folder;
    std::size_t from = 4;
    if (from < folder.size() && std::string("_- .").find(folder[from]) != std::string::npos) ++from;
    return from < folder.size() ? folder.substr(from) : folder;
}

std::string FolderName(const std::string& path) {
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}
