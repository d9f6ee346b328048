// Text onto a target: cell boxes, anti-aliased glyphs, prefix and font lines, clipping.
#include "platform/text/text_draw.h"

#include <algorithm>
#include <limits>

#include "platform/text/text.h"
#include "platform/text/text_layout.h"
#include "platform/text/utf8.h"

namespace {

RECT intersect(const RECT& a, const RECT& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

bool isEmpty(const RECT& r) {
    return r.left >= r.right || r.top >= r.bottom;
}

void fillClipped(tkp::text::TextTarget& target, const RECT& r, const RECT& clip, COLORREF colour) {
    const RECT part = intersect(r, clip);
    if (!isEmpty(part)) target.Fill(part, colour);
}

void blitGlyph(tkp::text::TextTarget& target, const tkp::text::GlyphImage& g, int gx, int gy,
               const RECT& clip, COLORREF colour) {
    const int x0 = std::max(gx, static_cast<int>(clip.left));
    const int x1 = std::min(gx + g.width, static_cast<int>(clip.right));
    const int y0 = std::max(gy, static_cast<int>(clip.top));
    const int y1 = std::min(gy + g.rows, static_cast<int>(clip.bottom));
    if (x0 >= x1 || y0 >= y1) return;
    const std::uint8_t* first = g.coverage.data() + static_cast<std::size_t>(y0 - gy) * g.width + (x0 - gx);
    target.BlendRows(x0, y0, first, x1 - x0, y1 - y0, g.width, colour);
}

// One line of characters with the top-left corner of its cell at (x, y).
void drawRun(tkp::text::TextTarget& target, const tkp::text::FontUse& font, const tkp::text::TextStyle& style,
             const tkp::text::TextChar* chars, std::size_t count, long long left, long long top, int width,
             const RECT& clip) {
    // A run wholly outside the clip is skipped, so the coordinates below stay small.
    const long long margin = 2LL * font.strike->Height() + 8;
    if (left - margin >= clip.right || left + width + margin <= clip.left || top - margin >= clip.bottom ||
        top + margin + font.strike->Height() <= clip.top) {
        return;
    }
    const int x = static_cast<int>(left), y = static_cast<int>(top);
    tkp::text::FontStrike& strike = *font.strike;
    if (style.opaque) fillClipped(target, {x, y, x + width, y + strike.Height()}, clip, style.bkColour);
    const int baseline = y + strike.Ascent();
    int pen = x;
    for (std::size_t i = 0; i < count; ++i) {
        const tkp::text::GlyphImage& g = strike.Glyph(chars[i].cp);
        if (!g.coverage.empty()) blitGlyph(target, g, pen + g.left, baseline - g.top, clip, style.colour);
        // A prefixed character is underlined one pixel below the baseline.
        if (chars[i].underline) {
            fillClipped(target, {pen, baseline + 1, pen + chars[i].advance, baseline + 2}, clip,
                        style.colour);
        }
        pen += chars[i].advance;
    }
    if (font.underline) {
        const int line = baseline + strike.UnderlineOffset();
        fillClipped(target, {x, line, x + width, line + strike.UnderlineThickness()}, clip, style.colour);
    }
    if (font.strikeOut) {
        const int line = baseline - strike.StrikeOutOffset();
        fillClipped(target, {x, line, x + width, line + strike.StrikeOutThickness()}, clip, style.colour);
    }
}

// The characters of a text drawn as it stands (no prefixes, no line breaks), and their width.
std::vector<tkp::text::TextChar> plainChars(tkp::text::FontStrike& strike, std::string_view text,
                                            int* width) {
    std::vector<tkp::text::TextChar> chars;
    long long sum = 0;
    for (char32_t c : tkp::text::DecodeUtf8(text)) {
        const int advance = strike.Glyph(c).advance;
        chars.push_back({c, advance, false});
        sum += advance;
    }
    *width = static_cast<int>(std::min<long long>(sum, tkp::text::kMaxTextWidth));
    return chars;
}

// Results are held within LONG's range, whatever rectangle a caller passes.
LONG clampLong(long long v) {
    return static_cast<LONG>(
        std::clamp<long long>(v, std::numeric_limits<LONG>::min(), std::numeric_limits<LONG>::max()));
}

RECT targetBounds(const tkp::text::TextTarget& target) {
    return {0, 0, target.Width(), target.Height()};
}

}  // namespace

void tkp::text::TextOut(tkp::text::TextTarget& target, const tkp::text::FontUse& font,
                        const tkp::text::TextStyle& style, int x, int y, std::string_view text) {
    if (!font.strike) return;
    int width = 0;
    auto chars = plainChars(*font.strike, text, &width);
    drawRun(target, font, style, chars.data(), chars.size(), x, y, width, targetBounds(target));
}

SIZE tkp::text::TextExtent(const tkp::text::FontUse& font, std::string_view text) {
    if (!font.strike) return {0, 0};
    int width = 0;
    plainChars(*font.strike, text, &width);
    return {width, font.strike->Height()};
}

int tkp::text::DrawText(tkp::text::TextTarget* target, const tkp::text::FontUse& font,
                        const tkp::text::TextStyle& style, std::string_view text, RECT* rect, UINT flags) {
    if (!font.strike || !rect) return 0;
    tkp::text::FontStrike& strike = *font.strike;
    const int lineHeight = strike.Height();
    const bool measure = (flags & DT_CALCRECT) != 0;
    const bool singleLine = (flags & DT_SINGLELINE) != 0;
    const std::u32string codes = tkp::text::DecodeUtf8(text);
    // An empty text is an empty line when the text is one line, and nothing otherwise.
    if (codes.empty()) {
        if (measure) {
            rect->right = rect->left;
            rect->bottom = clampLong(static_cast<long long>(rect->top) + (singleLine ? lineHeight : 0));
        }
        return singleLine ? lineHeight : 0;
    }
    const long long breakWidth = static_cast<long long>(rect->right) - rect->left;
    const tkp::text::TextLayout layout(
        strike, codes, flags,
        static_cast<int>(std::clamp<long long>(breakWidth, -1, tkp::text::kMaxTextWidth)));
    const bool draw = target && !measure;
    RECT clip{};
    if (draw) clip = (flags & DT_NOCLIP) ? targetBounds(*target) : intersect(targetBounds(*target), *rect);
    long long y = rect->top;
    for (const tkp::text::TextLine& line : layout.Lines()) {
        long long x = rect->left;
        if (flags & DT_CENTER) {
            x = (static_cast<long long>(rect->left) + rect->right - line.width) / 2;
        } else if (flags & DT_RIGHT) {
            x = static_cast<long long>(rect->right) - line.width;
        }
        // Vertical placement applies to a single line; measuring reports the text's own height.
        if (singleLine && !measure) {
            if (flags & DT_VCENTER) {
                y = rect->top + (static_cast<long long>(rect->bottom) - rect->top) / 2 - lineHeight / 2;
            } else if (flags & DT_BOTTOM) {
                y = static_cast<long long>(rect->bottom) - lineHeight;
            }
        }
        if (draw) {
            drawRun(*target, font, style, layout.Chars().data() + line.begin, line.end - line.begin, x, y,
                    line.width, clip);
        }
        y += lineHeight;
    }
    if (measure) {
        rect->right = clampLong(static_cast<long long>(rect->left) + layout.MaxWidth());
        rect->bottom = clampLong(y);
    }
    return static_cast<int>(clampLong(y - rect->top));
}
