// The card and its name: CKarta, one card on the table, and TKartaText, the name that a pair's
// name card shows; with the card size that the table, the card-set loader and the game screen
// share.
#pragma once

#include "framework/widgets/tk_CDDialog_EFEKT.h"
#include "platform/platform.h"

// A name card, a thumbnail and the box the scatter keeps clear are CARD_W x CARD_H pixels.
constexpr int CARD_W = 150;
constexpr int CARD_H = 100;

// One card: a frame painter with no title strip that is taken by any point of it. A picture card
// ('I') is CARD_W - 3 x CARD_H - 3, a name card ('T') CARD_W x CARD_H.
class CKarta : public tk_CDDialog_EFEKT {
  public:
    // 'I' picture card, 'T' name card.
    char kind;
    // Index of the card's pair in REG_OBR, REG_TEXT and REG_ZVUK; shared by exactly two cards.
    int pair;

    // A visible, idle card of that kind for that pair with its top-left at (x, y).
    CKarta(char kind, int pair, int x, int y);
};

// The name of one pair, shown on its name card.
struct TKartaText {
    // Heap copy of the picture's name (UTF-8), never null.
    char* text;
    // A narrowed font for a name too wide for a card, owned; null means the common name font. For a
    // name on two lines, the first line's.
    HFONT font;
    // Where the second line of a name on two lines begins (a byte offset into text, just after the
    // space it is parted at); 0 for a name on one line.
    int split;
    // The second line's narrowed font, owned; null means the common name font.
    HFONT second_font;

    explicit TKartaText(const char* name);
    // Deletes the fonts and frees the text.
    ~TKartaText();
    TKartaText(const TKartaText&) = delete;
    TKartaText& operator=(const TKartaText&) = delete;
};
