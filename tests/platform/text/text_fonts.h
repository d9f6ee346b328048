// Fonts for the text tests: made with CreateFontA, deleted with DeleteObject.
#pragma once

#include <memory>
#include <string>

#include "platform/gdi/gdi.h"
#include "platform/text/font.h"
#include "platform/text/text.h"
#include "platform/text/text_draw.h"
#include "platform/text/utf8.h"

struct FontDelete {
    void operator()(tkp::gdi::GdiObject* o) const { DeleteObject(o); }
};
using FontPtr = std::unique_ptr<tkp::gdi::GdiObject, FontDelete>;

// A font as the game makes its name fonts (central European, variable pitch, Swiss).
inline FontPtr MakeFont(int height, int width, int weight = FW_NORMAL, const char* face = "DejaVu Sans") {
    return FontPtr(CreateFontA(height, width, 0, 0, weight, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0,
                               VARIABLE_PITCH | FF_SWISS, face));
}

inline tkp::text::FontUse Use(const FontPtr& font) {
    return tkp::text::FontFor(font.get());
}
inline tkp::text::FontStrike& Strike(const FontPtr& font) {
    return *tkp::text::FontFor(font.get()).strike;
}

inline SIZE Extent(const FontPtr& font, const std::string& text) {
    return tkp::text::TextExtent(Use(font), text);
}

// The face's family and style names, as FreeType reads them from the file.
inline std::string FamilyOf(const FontPtr& font) {
    FT_Face face = Strike(font).Key().face;
    return std::string(face->family_name ? face->family_name : "") + "/" +
           (face->style_name ? face->style_name : "");
}
