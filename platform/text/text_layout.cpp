// Line breaking and '&' prefixes of DrawTextA.
#include "platform/text/text_layout.h"

#include <algorithm>

#include "platform/text/text.h"

namespace {

// Marks a line end in the character list (never drawn).
constexpr char32_t kLineBreak = U'\n';

bool isSpace(char32_t c) {
    return c == U' ' || c == U'\t';
}

int addWidth(int a, int b) {
    return std::min(a + b, tkp::text::kMaxTextWidth);
}

}  // namespace

tkp::text::TextLayout::TextLayout(tkp::text::FontStrike& strike, std::u32string_view text, UINT flags,
                                  int breakWidth) {
    const bool singleLine = (flags & DT_SINGLELINE) != 0;
    Decode(strike, text, (flags & DT_NOPREFIX) == 0, singleLine);
    const bool wrap = !singleLine && (flags & DT_WORDBREAK) != 0;
    // Paragraphs end at line breaks; a break at the very end opens no further line.
    std::size_t start = 0;
    for (std::size_t i = 0; i <= chars_.size(); ++i) {
        const bool atBreak = i < chars_.size() && chars_[i].cp == kLineBreak;
        if (!atBreak && i < chars_.size()) continue;
        if (i == chars_.size() && start == i && i > 0) break;
        if (wrap) {
            Wrap(start, i, breakWidth);
        } else {
            AddLine(start, i);
        }
        start = i + 1;
    }
}

void tkp::text::TextLayout::Decode(tkp::text::FontStrike& strike, std::u32string_view text, bool prefixes,
                                   bool singleLine) {
    chars_.reserve(text.size());
    bool underlineNext = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        // "&&" is one '&'; a single '&' underlines the character after it.
        if (prefixes && c == U'&') {
            if (i + 1 < text.size() && text[i + 1] == U'&') {
                ++i;
            } else {
                underlineNext = true;
                continue;
            }
        }
        // CR LF, CR and LF end a line, unless the text is one line.
        if (c == U'\r' || c == U'\n') {
            if (singleLine) continue;
            if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
            chars_.push_back({kLineBreak, 0, false});
            underlineNext = false;
            continue;
        }
        chars_.push_back({c, strike.Glyph(c).advance, underlineNext});
        underlineNext = false;
    }
}

void tkp::text::TextLayout::Wrap(std::size_t begin, std::size_t end, int breakWidth) {
    auto skipSpaces = [&](std::size_t i) {
        while (i < end && isSpace(chars_[i].cp)) ++i;
        return i;
    };
    auto skipWord = [&](std::size_t i) {
        while (i < end && !isSpace(chars_[i].cp)) ++i;
        return i;
    };
    auto widthOf = [&](std::size_t a, std::size_t b) {
        int w = 0;
        for (std::size_t i = a; i < b; ++i) w = addWidth(w, chars_[i].advance);
        return w;
    };
    std::size_t lineStart = begin;
    while (true) {
        // The first word always stays on the line, even when it is wider than the rectangle.
        std::size_t lineEnd = skipWord(skipSpaces(lineStart));
        int width = widthOf(lineStart, lineEnd);
        while (lineEnd < end) {
            const std::size_t wordStart = skipSpaces(lineEnd);
            const std::size_t wordEnd = skipWord(wordStart);
            // Spaces that end the paragraph stay on its last line.
            if (wordStart == end) {
                lineEnd = end;
                break;
            }
            const int more = widthOf(lineEnd, wordEnd);
            if (width + more > breakWidth) break;
            width = addWidth(width, more);
            lineEnd = wordEnd;
        }
        AddLine(lineStart, lineEnd);
        if (lineEnd >= end) return;
        // The spaces at a break are dropped.
        lineStart = skipSpaces(lineEnd);
    }
}

void tkp::text::TextLayout::AddLine(std::size_t begin, std::size_t end) {
    int width = 0;
    for (std::size_t i = begin; i < end; ++i) width = addWidth(width, chars_[i].advance);
    lines_.push_back({begin, end, width});
    maxWidth_ = std::max(maxWidth_, width);
}
