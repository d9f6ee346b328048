#define TK_MODULE "TK_FSI_w"
#include "framework/support/tk_FSI_Kinds.h"

#include <strings.h>

#include <cstring>
#include <iterator>
#include <string>
#include <unordered_map>

#include "framework/support/tk_CARRE.h"
#include "framework/support/tk_FSI.h"
#include "framework/support/tk_String.h"

namespace {

// The extension after the name's last dot, or null.
const char* extensionOf(const char* path) {
    const char* dot = std::strrchr(path, '.');
    if (!dot || std::strchr(dot, '/') || std::strchr(dot, '\\')) return nullptr;
    return dot + 1;
}

// Rank of the extension in the table, or -1.
template <std::size_t N>
int rankOf(const char* path, const char* const (&table)[N]) {
    const char* ext = path ? extensionOf(path) : nullptr;
    if (!ext) return -1;
    for (std::size_t i = 0; i < N; ++i)
        if (strcasecmp(ext, table[i]) == 0) return static_cast<int>(i);
    return -1;
}

template <std::size_t N>
std::string kindsText(const char* const (&table)[N]) {
    std::string text;
    for (const char* ext : table) {
        if (!text.empty()) text += ", ";
        for (const char* c = ext; *c; ++c)
            text += static_cast<char>(*c >= 'a' && *c <= 'z' ? *c - 'a' + 'A' : *c);
    }
    return text;
}

std::string withoutExtension(const char* path) {
    const char* ext = extensionOf(path);
    return ext ? std::string(path, ext - 1) : std::string(path);
}

}  // namespace

std::string tk_FSI_PictureKindsText() {
    return kindsText(tk_FSI_kPictureExtensions);
}

std::string tk_FSI_SoundKindsText() {
    return kindsText(tk_FSI_kSoundExtensions);
}

int tk_FSI_ListPictures(const char* folder, tk_CARRE* list) {
    if (!list) return -1;
    tk_CARRE all;
    if (tk_FSI_Zisti_SubAdr(folder, "*.*", 0, true, &all) != 0) return -1;
    std::unordered_map<std::string, int> listed;
    for (int i = 0; i < all.count; ++i) {
        char* path = static_cast<char*>(all.items[i]);
        const int rank = rankOf(path, tk_FSI_kPictureExtensions);
        if (rank < 0) {
            delete[] path;
            continue;
        }
        // Another kind of the same name already listed: the preferred one stays.
        const auto [at, added] = listed.try_emplace(withoutExtension(path), list->count);
        if (added) {
            list->Add(path);
            continue;
        }
        const int same = at->second;
        char* kept = static_cast<char*>(list->items[same]);
        if (rank < rankOf(kept, tk_FSI_kPictureExtensions)) {
            list->items[same] = path;
            path = kept;
        }
        delete[] path;
    }
    return 0;
}

tk_FSI_SoundIndex::tk_FSI_SoundIndex(const char* folder) {
    tk_CARRE all;
    if (!folder || tk_FSI_Zisti_SubAdr(folder, "*.*", 0, false, &all) != 0) return;
    for (int i = 0; i < all.count; ++i) {
        const char* name = static_cast<const char*>(all.items[i]);
        if (rankOf(name, tk_FSI_kSoundExtensions) >= 0) sounds_[withoutExtension(name)].emplace_back(name);
    }
    all.UVOLNI_char();
}

bool tk_FSI_SoundIndex::Find(const char* path, char* out, std::size_t out_size) const {
    if (out_size) out[0] = '\0';
    if (!path || !*path) return false;
    const std::string stem = withoutExtension(path);
    const std::size_t cut = stem.find_last_of("/\\");
    const auto found = sounds_.find(cut == std::string::npos ? stem : stem.substr(cut + 1));
    if (found == sounds_.end()) return false;
    // The extension written as the table writes it wins, in the table's order; then any case.
    const std::string* best = nullptr;
    int bestRank = 0;
    for (const std::string& name : found->second) {
        const int rank = rankOf(name.c_str(), tk_FSI_kSoundExtensions);
        const int key = std::strcmp(extensionOf(name.c_str()), tk_FSI_kSoundExtensions[rank]) == 0
                            ? rank
                            : rank + static_cast<int>(std::size(tk_FSI_kSoundExtensions));
        if (!best || key < bestRank) best = &name, bestRank = key;
    }
    tk_StrCopy(out, out_size, (stem.substr(0, cut + 1) + *best).c_str());
    return true;
}

bool tk_FSI_FindSound(const char* path, char* out, std::size_t out_size) {
    if (out_size) out[0] = '\0';
    if (!path || !*path) return false;
    for (const char* ext : tk_FSI_kSoundExtensions) {
        char exact[4096];
        tk_FSI_Zmen_priponu(path, ext, exact);
        if (tk_FSI_Existuje_sub(exact)) {
            tk_StrCopy(out, out_size, exact);
            return true;
        }
    }
    // The extension in another case ("pes.OGG"): search the folder for the name with any extension.
    const std::string stem = withoutExtension(path);
    const std::size_t cut = stem.find_last_of("/\\");
    const std::string folder = cut == std::string::npos ? "." : stem.substr(0, cut + 1);
    const std::string name = cut == std::string::npos ? stem : stem.substr(cut + 1);
    tk_CARRE found;
    tk_FSI_Zisti_SubAdr(folder.c_str(), (name + ".*").c_str(), 0, false, &found);
    int best = -1;
    for (int i = 0; i < found.count; ++i) {
        const char* candidate = static_cast<const char*>(found.items[i]);
        const int rank = rankOf(candidate, tk_FSI_kSoundExtensions);
        // The search ignores the case of the name too; the name itself must match exactly.
        if (rank < 0 || withoutExtension(candidate) != name) continue;
        if (best < 0 || rank < best) {
            best = rank;
            tk_StrCopy(out, out_size, (stem.substr(0, cut + 1) + candidate).c_str());
        }
    }
    found.UVOLNI_char();
    return best >= 0;
}
