// The FreeType library of the process, its faces (one per font file and index) and the shared strikes.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/text/font_strike.h"

namespace tkp::text {

class FontLibrary {
  public:
    // The one library; created on first use and kept for the life of the process.
    static FontLibrary& Get();

    // False when FreeType could not start; nothing can then be drawn.
    bool Ok() const { return library_ != nullptr; }
    // The face of a font file, opened once; null (and a log line) when it cannot be opened.
    FT_Face Face(const std::string& file, int index);
    // The strike for a key, shared by every font that asks for the same one.
    std::shared_ptr<FontStrike> Strike(const StrikeKey& key);
    // Releases strikes no font uses any more, keeping the most recent few for fonts made again.
    void Trim();
    int StrikeCount() const { return static_cast<int>(strikes_.size()); }

  private:
    FontLibrary();
    ~FontLibrary() = default;

    struct Entry {
        std::shared_ptr<FontStrike> strike;
        std::uint64_t lastUse = 0;
    };

    FT_Library library_ = nullptr;
    std::map<std::pair<std::string, int>, FT_Face> faces_;
    std::map<StrikeKey, Entry> strikes_;
    std::uint64_t useCounter_ = 0;
};

}  // namespace tkp::text
