#include "game/kartola_name_fit.h"

#include <algorithm>
#include <string>

#include "framework/graphics/tk_Draw.h"
#include "game/CKarta.h"
#include "game/kartola_fonts.h"

namespace {

// A line measuring this many pixels or more in the common font is narrowed, as is one whose ink
// would leave the card.
constexpr int kNameRoom = CARD_W - 1;

struct Measure {
    int width = 0;        // the advance plus one, as the name fonts have always been measured
    int height = 0;       // the line's height
    int needed = 0;       // the width the line takes with its ink centred: the advance widened by the
                          // farther overhang on both sides, plus one
    bool inside = false;  // the ink lies inside the card when the line is drawn centred on it
};

Measure measure(const std::string& line, HFONT font) {
    Measure m;
    tk_glob_ZISTI_ROZMER_TEXTU(line.c_str(), font, &m.width, &m.height);
    const int advance = m.width - 1;
    int left = 0, right = advance;
    tk_glob_TextInk(line.c_str(), font, &left, &right);
    const int overhang = std::max({0, -left, right - advance});
    m.needed = std::max(m.width, advance + 2 * overhang + 1);
    // Centred drawing starts the pen here (the division rounds toward zero, as the drawing does).
    const int pen = (CARD_W - advance) / 2;
    m.inside = pen + left >= 0 && pen + right <= CARD_W;
    return m;
}

// The line's own narrowed font, or null when the common font fits; *width is the character width
// the narrowing scales it to by its measured width. A font whose ink still reaches out (the
// glyphs do not narrow exactly in step) is made a step narrower until it does not.
HFONT fitLine(const std::string& line, int* width, int* lineHeight = nullptr) {
    const Measure common = measure(line, g_hTextFont);
    if (lineHeight) *lineHeight = common.height;
    *width = g_TextFontW;
    if (common.width < kNameRoom && common.inside) return nullptr;
    int w = NarrowedWidth(common.needed);
    *width = w;
    HFONT font = CreateNameFont(g_TextFontH, w);
    while (font && w > 1 && !measure(line, font).inside) {
        DeleteObject(font);
        font = CreateNameFont(g_TextFontH, --w);
    }
    return font;
}

// The byte offset of the space that parts the name into its two most even lines (by the width
// they need in the common font); npos when the name has no space between two words.
std::size_t bestSpace(const std::string& text) {
    std::size_t best = std::string::npos;
    int bestNeed = 0;
    for (std::size_t at = text.find(' '); at != std::string::npos; at = text.find(' ', at + 1)) {
        const std::string first = text.substr(0, at), second = text.substr(at + 1);
        if (first.find_first_not_of(' ') == std::string::npos ||
            second.find_first_not_of(' ') == std::string::npos)
            continue;
        const int need = std::max(measure(first, g_hTextFont).needed, measure(second, g_hTextFont).needed);
        if (best == std::string::npos || need < bestNeed) best = at, bestNeed = need;
    }
    return best;
}

void replace(HFONT& slot, HFONT font) {
    if (slot) DeleteObject(slot);
    slot = font;
}

}  // namespace

void FitName(TKartaText& name) {
    const std::string text = name.text;
    int width = 0, lineHeight = 0;
    HFONT single = fitLine(text, &width, &lineHeight);
    const bool squeezed = single && width * 10 < g_TextFontW * 6;
    const std::size_t space = squeezed && 2 * lineHeight <= CARD_H ? bestSpace(text) : std::string::npos;
    if (space == std::string::npos) {
        replace(name.font, single);
        replace(name.second_font, nullptr);
        name.split = 0;
        return;
    }
    DeleteObject(single);
    replace(name.font, fitLine(text.substr(0, space), &width));
    replace(name.second_font, fitLine(text.substr(space + 1), &width));
    name.split = static_cast<int>(space + 1);
}
