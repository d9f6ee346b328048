#include "game/CKarta.h"

#include "framework/support/tk_String.h"

CKarta::CKarta(char kind_, int pair_, int x_, int y_) : kind(kind_), pair(pair_) {
    MoveToAbs(x_, y_);
    // The picture card is a little smaller so that its thumbnail sits inside the frame.
    sir = kind == 'I' ? CARD_W - 3 : CARD_W;
    vys = kind == 'I' ? CARD_H - 3 : CARD_H;
    title_h = 0;
    title_drag = false;
}

// A missing name becomes an empty one, so the card always has a text to draw.
TKartaText::TKartaText(const char* name)
    : text(tk_StrDup(name ? name : "")), font(nullptr), split(0), second_font(nullptr) {}

TKartaText::~TKartaText() {
    if (font) DeleteObject(font);
    if (second_font) DeleteObject(second_font);
    delete[] text;
}
