// TKartaText: the name of one pair, shown on its name card.
#pragma once

#include "platform/platform.h"

struct TKartaText {
    // Heap copy of the picture's name (UTF-8), never null.
    char* text;
    // A narrowed font for a name too wide for a card, owned; null means the common name font.
    HFONT font;

    explicit TKartaText(const char* name);
    // Deletes the font and frees the text.
    ~TKartaText();
    TKartaText(const TKartaText&) = delete;
    TKartaText& operator=(const TKartaText&) = delete;
};
