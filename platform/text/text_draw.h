// Drawing and measuring text onto a target: the work behind TextOutA, DrawTextA and
// GetTextExtentPoint32A, apart from device contexts.
#pragma once

#include <string_view>

#include "platform/base/wintypes.h"
#include "platform/text/font.h"
#include "platform/text/text_target.h"

namespace tkp::text {

struct TextStyle {
    COLORREF colour = 0;
    bool opaque = false;  // the text's cell boxes are filled with bkColour first
    COLORREF bkColour = 0xFFFFFF;
};

// TextOutA: the cell's top-left corner at (x, y), clipped to the target.
void TextOut(TextTarget& target, const FontUse& font, const TextStyle& style, int x, int y,
             std::string_view text);

// DrawTextA's layout, drawing and result; target may be null with DT_CALCRECT (measuring only).
int DrawText(TextTarget* target, const FontUse& font, const TextStyle& style, std::string_view text,
             RECT* rect, UINT flags);

// GetTextExtentPoint32A: the sum of whole-pixel advances and the cell height.
SIZE TextExtent(const FontUse& font, std::string_view text);

}  // namespace tkp::text
