// The lines of a text as DrawTextA lays them out: '&' prefixes resolved, breaks at line ends and,
// with DT_WORDBREAK, between words. Widths are sums of whole-pixel advances.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/base/wintypes.h"
#include "platform/text/font_strike.h"

// Widths stop growing here, far beyond any picture, so that sums of advances never overflow.
constexpr int tkp_kMaxTextWidth = 1 << 24;

struct tkp_TextChar {
    char32_t cp;
    int advance;
    bool underline;  // marked by a '&' prefix
};

struct tkp_TextLine {
    std::size_t begin;  // index into the characters
    std::size_t end;
    int width;
};

class tkp_TextLayout {
  public:
    // Lays the code points out with the strike's advances. flags are DrawTextA's (DT_SINGLELINE,
    // DT_WORDBREAK, DT_NOPREFIX matter); breakWidth is the width lines wrap at.
    tkp_TextLayout(tkp_FontStrike& strike, std::u32string_view text, UINT flags, int breakWidth);

    const std::vector<tkp_TextChar>& Chars() const { return chars_; }
    const std::vector<tkp_TextLine>& Lines() const { return lines_; }
    // Width of the widest line.
    int MaxWidth() const { return maxWidth_; }

  private:
    void Decode(tkp_FontStrike& strike, std::u32string_view text, bool prefixes, bool singleLine);
    void Wrap(std::size_t begin, std::size_t end, int breakWidth);
    void AddLine(std::size_t begin, std::size_t end);

    std::vector<tkp_TextChar> chars_;
    std::vector<tkp_TextLine> lines_;
    int maxWidth_ = 0;
};
