#include "tools/lib/text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace art {

namespace {

const char* facePath(Face f) {
    switch (f) {
        case Face::Sans:
            return "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
        case Face::SansBold:
            return "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
    }
    return "";
}

// Code points of a UTF-8 string (malformed bytes are skipped).
std::vector<unsigned> decode(const std::string& s) {
    std::vector<unsigned> out;
    for (std::size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) {
            ++i;
            continue;
        }
        unsigned cp = n == 1 ? c : c & (0x7F >> n);
        for (int k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out.push_back(cp);
        i += n;
    }
    return out;
}

// The kerning between two glyphs, in pixels; none where either glyph is missing.
double kerning(FT_Face face, FT_UInt left, FT_UInt right) {
    if (!left || !right) return 0;
    FT_Vector k;
    FT_Get_Kerning(face, left, right, FT_KERNING_DEFAULT, &k);
    return k.x / 64.0;
}

}  // namespace

struct Font::Impl {
    FT_Library lib = nullptr;
    FT_Face face = nullptr;
};

Font::Font(Face face, double pixelSize) : impl_(std::make_unique<Impl>()) {
    if (FT_Init_FreeType(&impl_->lib) != 0 || FT_New_Face(impl_->lib, facePath(face), 0, &impl_->face) != 0) {
        std::fprintf(stderr, "font: cannot open %s\n", facePath(face));
        std::exit(1);
    }
    FT_Set_Char_Size(impl_->face, 0, static_cast<FT_F26Dot6>(std::lround(pixelSize * 64)), 72, 72);
}

Font::~Font() {
    FT_Done_Face(impl_->face);
    FT_Done_FreeType(impl_->lib);
}

double Font::Ascender() const {
    return impl_->face->size->metrics.ascender / 64.0;
}

double Font::Measure(const std::string& utf8) const {
    double w = 0;
    FT_UInt prev = 0;
    for (unsigned cp : decode(utf8)) {
        FT_UInt gi = FT_Get_Char_Index(impl_->face, cp);
        w += kerning(impl_->face, prev, gi);
        if (FT_Load_Glyph(impl_->face, gi, FT_LOAD_NO_HINTING) == 0)
            w += impl_->face->glyph->advance.x / 64.0;
        prev = gi;
    }
    return w;
}

Mask Font::Render(const std::string& utf8, double x, double y, int w, int h) const {
    Mask m(w, h);
    int ymin = h, ymax = 0;
    double pen = x;
    FT_UInt prev = 0;
    for (unsigned cp : decode(utf8)) {
        FT_UInt gi = FT_Get_Char_Index(impl_->face, cp);
        pen += kerning(impl_->face, prev, gi);
        prev = gi;
        // Place the outline at the sub-pixel pen position, then render it anti-aliased.
        double fx = std::floor(pen), fy = std::floor(y);
        FT_Vector shift{static_cast<FT_Pos>(std::lround((pen - fx) * 64)),
                        -static_cast<FT_Pos>(std::lround((y - fy) * 64))};
        FT_Set_Transform(impl_->face, nullptr, &shift);
        if (FT_Load_Glyph(impl_->face, gi, FT_LOAD_NO_HINTING | FT_LOAD_RENDER) != 0) continue;
        FT_GlyphSlot g = impl_->face->glyph;
        int ox = static_cast<int>(fx) + g->bitmap_left, oy = static_cast<int>(fy) - g->bitmap_top;
        for (unsigned r = 0; r < g->bitmap.rows; ++r) {
            int ty = oy + static_cast<int>(r);
            if (ty < 0 || ty >= h) continue;
            for (unsigned c = 0; c < g->bitmap.width; ++c) {
                int tx = ox + static_cast<int>(c);
                if (tx < 0 || tx >= w) continue;
                float v = g->bitmap.buffer[r * g->bitmap.pitch + c] / 255.0f;
                float& d = m.At(tx, ty);
                d = d + v - d * v;
                if (v > 0) {
                    ymin = std::min(ymin, ty);
                    ymax = std::max(ymax, ty + 1);
                }
            }
        }
        pen += g->advance.x / 64.0;
        FT_Set_Transform(impl_->face, nullptr, nullptr);
    }
    m.MarkRows(ymin < ymax ? ymin : 0, ymin < ymax ? ymax : 0);
    return m;
}

Mask Font::RenderCentred(const std::string& utf8, double cx, double y, int w, int h) const {
    return Render(utf8, cx - Measure(utf8) / 2, y, w, h);
}

}  // namespace art
