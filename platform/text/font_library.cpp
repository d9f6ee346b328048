// FreeType start-up, the face cache and the strike cache.
#include "platform/text/font_library.h"

#include <algorithm>
#include <vector>

#include "platform/text/text_log.h"

namespace {

// Unused strikes kept for fonts that are deleted and made again with the same size.
constexpr std::size_t kSpareStrikes = 32;

}  // namespace

tkp_FontLibrary& tkp_FontLibrary::Get() {
    // Never destroyed: fonts deleted during the process's exit may still release their strikes.
    static tkp_FontLibrary* library = new tkp_FontLibrary();
    return *library;
}

tkp_FontLibrary::tkp_FontLibrary() {
    if (FT_Init_FreeType(&library_) != 0) {
        library_ = nullptr;
        tkp_TextLog("FreeType cannot be started; text is not drawn");
    }
}

FT_Face tkp_FontLibrary::Face(const std::string& file, int index) {
    if (!library_) return nullptr;
    auto key = std::make_pair(file, index);
    auto found = faces_.find(key);
    if (found != faces_.end()) return found->second;
    FT_Face face = nullptr;
    if (FT_New_Face(library_, file.c_str(), index, &face) != 0) {
        tkp_TextLog("font file %s (face %d) cannot be opened", file.c_str(), index);
        face = nullptr;
    }
    // A failure is remembered too, so that a broken file is not read again for every font.
    faces_[key] = face;
    return face;
}

std::shared_ptr<tkp_FontStrike> tkp_FontLibrary::Strike(const tkp_StrikeKey& key) {
    Entry& e = strikes_[key];
    if (!e.strike) e.strike = std::make_shared<tkp_FontStrike>(key);
    e.lastUse = ++useCounter_;
    return e.strike;
}

void tkp_FontLibrary::Trim() {
    std::vector<std::pair<std::uint64_t, tkp_StrikeKey>> unused;
    for (const auto& [key, e] : strikes_) {
        if (e.strike.use_count() == 1) unused.emplace_back(e.lastUse, key);
    }
    if (unused.size() <= kSpareStrikes) return;
    std::sort(unused.begin(), unused.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    const std::size_t drop = unused.size() - kSpareStrikes;
    for (std::size_t i = 0; i < drop; ++i) strikes_.erase(unused[i].second);
}
