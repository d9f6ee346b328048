// A face at one size and horizontal scale, with its cell metrics and its rasterised glyphs.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <cstdint>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace tkp::text {

// An anti-aliased glyph: coverage rows of width bytes, placed at (pen + left, baseline - top).
struct GlyphImage {
    int advance = 0;  // whole pixels
    int left = 0;
    int top = 0;
    int width = 0;
    int rows = 0;
    std::vector<std::uint8_t> coverage;
};

// What makes two strikes the same: face, pixels per em, horizontal size in 1/64 pixel, synthesis.
struct StrikeKey {
    FT_Face face = nullptr;
    int ppem = 0;
    int xsize64 = 0;
    bool embolden = false;
    bool oblique = false;
    bool operator<(const StrikeKey& o) const {
        return std::tie(face, ppem, xsize64, embolden, oblique) <
               std::tie(o.face, o.ppem, o.xsize64, o.embolden, o.oblique);
    }
};

// A face's own metrics in font units.
struct DesignMetrics {
    long unitsPerEm = 2048;
    long ascent = 0;    // Windows ascent (OS/2), else the horizontal header's
    long descent = 0;   // positive below the baseline
    long avgWidth = 0;  // OS/2 average character width, else the mean of 'a' to 'z'
};

class FontStrike {
  public:
    static DesignMetrics Design(FT_Face face);
    // The key for a LOGFONT height and width on this face (Windows' mapping onto pixels per em).
    static StrikeKey KeyFor(FT_Face face, int height, int width, bool embolden, bool oblique);

    explicit FontStrike(const StrikeKey& key);
    ~FontStrike();
    FontStrike(const FontStrike&) = delete;
    FontStrike& operator=(const FontStrike&) = delete;

    // False when FreeType refused the size; such a strike draws nothing.
    bool Ok() const { return size_ != nullptr; }
    const StrikeKey& Key() const { return key_; }
    int Ascent() const { return ascent_; }
    int Descent() const { return descent_; }
    // The cell height: ascent + descent.
    int Height() const { return ascent_ + descent_; }
    int AveCharWidth() const { return aveCharWidth_; }
    // Underline: offset below the baseline and thickness, in pixels.
    int UnderlineOffset() const { return underlineOffset_; }
    int UnderlineThickness() const { return underlineThickness_; }
    // Strike-out line: offset above the baseline and thickness, in pixels.
    int StrikeOutOffset() const { return strikeOutOffset_; }
    int StrikeOutThickness() const { return strikeOutThickness_; }
    // The glyph of a code point, rasterised on first use. Control characters are empty and advance 0.
    const GlyphImage& Glyph(char32_t cp);

  private:
    void Rasterise(char32_t cp, GlyphImage* out);

    StrikeKey key_;
    FT_Size size_ = nullptr;
    int ascent_ = 0;
    int descent_ = 0;
    int aveCharWidth_ = 0;
    int underlineOffset_ = 1;
    int underlineThickness_ = 1;
    int strikeOutOffset_ = 1;
    int strikeOutThickness_ = 1;
    std::array<const GlyphImage*, 256> latin_{};
    std::unordered_map<char32_t, GlyphImage> glyphs_;
};

}  // namespace tkp::text
