// The lines of a text as DrawTextA lays them out: '&' prefixes resolved, breaks at line ends and,
// with DT_WORDBREAK, between words. Widths are sums of whole-pixel advances.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/base/wintypes.h"
#include "platform/text/font_strike.h"

namespace tkp::text {

// Widths stop growing here, far beyond any picture, so that sums of advances never overflow.
constexpr int kMaxTextWidth = 1 << 24;

struct TextChar {
    char32_t cp;
    int advance;
    bool underline;  // marked by a '&' prefix
};

struct TextLine {
    std::size_t begin;  // index into the characters
    std::size_t end;
    int width;
};

class TextLayout {
  public:
    // Lays the code points out with the strike's advances. flags are DrawTextA's (DT_SINGLELINE,
    // DT_WORDBREAK, DT_NOPREFIX matter); breakWidth is the width lines wrap at.
    TextLayout(FontStrike& strike, std::u32string_view text, UINT flags, int breakWidth);

    const std::vector<TextChar>& Chars() const { return chars_; }
    const std::vector<TextLine>& Lines() const { return lines_; }
    // Width of the widest line.
    int MaxWidth() const { return maxWidth_; }

  private:
    void Decode(FontStrike& strike, std::u32string_view text, bool prefixes, bool singleLine);
    void Wrap(std::size_t begin, std::size_t end, int breakWidth);
    void AddLine(std::size_t begin, std::size_t end);

    std::vector<TextChar> chars_;
    std::vector<TextLine> lines_;
    int maxWidth_ = 0;
};

}  // namespace tkp::text
