// CKarta: one card on the table, a frame painter with no title strip that is taken by any point
// of it. A picture card ('I') is CARD_W - 3 x CARD_H - 3, a name card ('T') CARD_W x CARD_H.
#pragma once

#include "framework/widgets/tk_CDDialog_EFEKT.h"

class CKarta : public tk_CDDialog_EFEKT {
  public:
    // 'I' picture card, 'T' name card.
    char kind;
    // Index of the card's pair in REG_OBR, REG_TEXT and REG_ZVUK; shared by exactly two cards.
    int pair;

    // A visible, idle card of that kind for that pair with its top-left at (x, y).
    CKarta(char kind, int pair, int x, int y);
};
