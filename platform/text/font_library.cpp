// FreeType start-up, the face cache and the strike cache.
#include "platform/text/font_library.h"

#include <algorithm>
#include <vector>

#include "platform/text/text_log.h"

namespace {

// Unused strikes kept for fonts that are deleted and made again with the same size.
constexpr std::size_t kSpareStrikes = 32;

}  // namespace

tkp::text::FontLibrary& tkp::text::FontLibrary::Get() {
    // Never destroyed: fonts deleted during the process's exit may still release their strikes.
    static tkp::text::FontLibrary* library = new tkp::text::FontLibrary();
    return *library;
}

tkp::text::FontLibrary::FontLibrary() {
    if (FT_Init_FreeType(&library_) != 0) {
        library_ = nullptr;
        tkp::text::TextLog("FreeType cannot be started; text is not drawn");
    }
}

FT_Face tkp::text::FontLibrary::Face(const std::string& file, int index) {
    if (!library_) return nullptr;
    auto key = std::make_pair(file, index);
    auto found = faces_.find(key);
    if (found != faces_.end()) return found->second;
    FT_Face face = nullptr;
    if (FT_New_Face(library_, file.c_str(), index, &face) != 0) {
        tkp::text::TextLog("font file %s (face %d) cannot be opened", file.c_str(), index);
        face = nullptr;
    }
    // A failure is remembered too, so that a broken file is not read again for every font.
    faces_[key] = face;
    return face;
}

std::shared_ptr<tkp::text::FontStrike> tkp::text::FontLibrary::Strike(const tkp::text::StrikeKey& key) {
    Entry& e = strikes_[key];
    if (!e.strike) e.strike = std::make_shared<tkp::text::FontStrike>(key);
    e.lastUse = ++useCounter_;
    return e.strike;
}

void tkp::text::FontLibrary::Trim() {
    std::vector<std::pair<std::uint64_t, tkp::text::StrikeKey>> unused;
    for (const auto& [key, e] : strikes_) {
        if (e.strike.use_count() == 1) unused.emplace_back(e.lastUse, key);
    }
    if (unused.size() <= kSpareStrikes) return;
    std::sort(unused.begin(), unused.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    const std::size_t drop = unused.size() - kSpareStrikes;
    for (std::size_t i = 0; i < drop; ++i) strikes_.erase(unused[i].second);
}
