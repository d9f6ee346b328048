// Cell metrics and glyph rasterising of one face at one size.
#include "platform/text/font_strike.h"

#include <ft2build.h>
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/text/text_log.h"

namespace {

constexpr int kMaxPpem = 1024;
constexpr long kMaxGlyphBytes = 4L * 1024 * 1024;

// The OS/2 table when the face has a usable one.
const TT_OS2* os2Table(FT_Face face) {
    auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    return (os2 && os2->version != 0xFFFF) ? os2 : nullptr;
}

// Ascent and descent in font units: the Windows metrics, else the horizontal header's.
void designAscentDescent(FT_Face face, long* ascent, long* descent) {
    const TT_OS2* os2 = os2Table(face);
    if (os2 && os2->usWinAscent + os2->usWinDescent > 0) {
        *ascent = os2->usWinAscent;
        *descent = os2->usWinDescent;
    } else {
        *ascent = face->ascender;
        *descent = -face->descender;
    }
    if (*ascent + *descent <= 0) {
        *ascent = face->units_per_EM;
        *descent = 0;
    }
}

// Average character width in font units: OS/2's, else the mean advance of 'a' to 'z'.
long designAverageWidth(FT_Face face) {
    const TT_OS2* os2 = os2Table(face);
    if (os2 && os2->xAvgCharWidth > 0) return os2->xAvgCharWidth;
    long sum = 0, n = 0;
    for (char c = 'a'; c <= 'z'; ++c) {
        FT_UInt gi = FT_Get_Char_Index(face, static_cast<FT_ULong>(c));
        if (gi && FT_Load_Glyph(face, gi, FT_LOAD_NO_SCALE) == 0) {
            sum += face->glyph->advance.x;
            ++n;
        }
    }
    return n ? sum / n : face->units_per_EM / 2;
}

long roundedRatio(double num, double den) {
    return std::lround(num / den);
}

bool isControl(char32_t cp) {
    return cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp < 0xA0);
}

}  // namespace

tkp::text::DesignMetrics tkp::text::FontStrike::Design(FT_Face face) {
    tkp::text::DesignMetrics d;
    if (face->units_per_EM) d.unitsPerEm = face->units_per_EM;
    designAscentDescent(face, &d.ascent, &d.descent);
    d.avgWidth = designAverageWidth(face);
    return d;
}

tkp::text::StrikeKey tkp::text::FontStrike::KeyFor(FT_Face face, int height, int width, bool embolden,
                                                   bool oblique) {
    tkp::text::StrikeKey key;
    key.face = face;
    key.embolden = embolden;
    key.oblique = oblique;
    const double upem = face->units_per_EM ? face->units_per_EM : 2048;
    long ascent = 0, descent = 0;
    designAscentDescent(face, &ascent, &descent);
    // A positive height is the cell (ascent + descent), a negative one the em; 0 a 16-pixel cell.
    long long h = height == 0 ? 16 : height;
    long long ppem =
        h > 0 ? roundedRatio(upem * static_cast<double>(h), static_cast<double>(ascent + descent)) : -h;
    key.ppem = static_cast<int>(std::clamp<long long>(ppem, 1, kMaxPpem));
    // A width is the average character width: the horizontal size follows from the face's average.
    if (width == 0) {
        key.xsize64 = key.ppem * 64;
    } else {
        const double w = std::fabs(static_cast<double>(width));
        long xs = roundedRatio(w * upem * 64.0, static_cast<double>(designAverageWidth(face)));
        key.xsize64 = static_cast<int>(std::clamp<long>(xs, 16, 4L * kMaxPpem * 64));
    }
    if (ppem != key.ppem)
        tkp::text::TextLog("font height %d gives %lld pixels per em, limited to %d", height, ppem, key.ppem);
    return key;
}

tkp::text::FontStrike::FontStrike(const tkp::text::StrikeKey& key) : key_(key) {
    FT_Face face = key.face;
    if (FT_New_Size(face, &size_) != 0) {
        size_ = nullptr;
        return;
    }
    FT_Activate_Size(size_);
    if (FT_Set_Char_Size(face, key.xsize64, static_cast<FT_F26Dot6>(key.ppem) * 64, 72, 72) != 0) {
        tkp::text::TextLog("face %s cannot be scaled to %d pixels",
                           face->family_name ? face->family_name : "?", key.ppem);
        FT_Done_Size(size_);
        size_ = nullptr;
        return;
    }
    const double upem = face->units_per_EM ? face->units_per_EM : 2048;
    const double yScale = key.ppem / upem;
    const double xScale = key.xsize64 / 64.0 / upem;
    long ascent = 0, descent = 0;
    designAscentDescent(face, &ascent, &descent);
    ascent_ = static_cast<int>(std::lround(ascent * yScale));
    descent_ = static_cast<int>(std::lround(descent * yScale));
    aveCharWidth_ = static_cast<int>(std::lround(designAverageWidth(face) * xScale));
    underlineOffset_ = std::max(1, static_cast<int>(std::lround(-face->underline_position * yScale)));
    underlineThickness_ = std::max(1, static_cast<int>(std::lround(face->underline_thickness * yScale)));
    // The strike-out line from OS/2, else at a quarter of the ascent with the underline's thickness.
    const TT_OS2* os2 = os2Table(face);
    if (os2 && os2->yStrikeoutSize > 0) {
        strikeOutOffset_ = static_cast<int>(std::lround(os2->yStrikeoutPosition * yScale));
        strikeOutThickness_ = std::max(1, static_cast<int>(std::lround(os2->yStrikeoutSize * yScale)));
    } else {
        strikeOutOffset_ = ascent_ / 4;
        strikeOutThickness_ = underlineThickness_;
    }
}

tkp::text::FontStrike::~FontStrike() {
    if (size_) FT_Done_Size(size_);
}

const tkp::text::GlyphImage& tkp::text::FontStrike::Glyph(char32_t cp) {
    if (cp < latin_.size() && latin_[cp]) return *latin_[cp];
    auto found = glyphs_.find(cp);
    if (found != glyphs_.end()) return found->second;
    // Element references stay valid when the map grows, so the Latin table may point into it.
    tkp::text::GlyphImage& g = glyphs_[cp];
    Rasterise(cp, &g);
    if (cp < latin_.size()) latin_[cp] = &g;
    return g;
}

void tkp::text::FontStrike::Rasterise(char32_t cp, tkp::text::GlyphImage* out) {
    if (!size_ || isControl(cp)) return;
    FT_Face face = key_.face;
    FT_Activate_Size(size_);
    FT_UInt index = FT_Get_Char_Index(face, cp);
    // A replacement character the face lacks is shown as '?'.
    if (index == 0 && cp == 0xFFFD) index = FT_Get_Char_Index(face, '?');
    if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP) != 0) {
        tkp::text::TextLog("glyph U+%04X cannot be loaded", static_cast<unsigned>(cp));
        return;
    }
    FT_GlyphSlot slot = face->glyph;
    if (key_.oblique) FT_GlyphSlot_Oblique(slot);
    if (key_.embolden) FT_GlyphSlot_Embolden(slot);
    out->advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return;
    const FT_Bitmap& bm = slot->bitmap;
    const long bytes = static_cast<long>(bm.width) * static_cast<long>(bm.rows);
    if (bm.pixel_mode != FT_PIXEL_MODE_GRAY || bytes == 0 || bytes > kMaxGlyphBytes) return;
    out->left = slot->bitmap_left;
    out->top = slot->bitmap_top;
    out->width = static_cast<int>(bm.width);
    out->rows = static_cast<int>(bm.rows);
    out->coverage.resize(static_cast<std::size_t>(bytes));
    for (int row = 0; row < out->rows; ++row) {
        const unsigned char* src = bm.buffer + static_cast<long>(row) * bm.pitch;
        std::copy(src, src + out->width, out->coverage.begin() + static_cast<long>(row) * out->width);
    }
}
