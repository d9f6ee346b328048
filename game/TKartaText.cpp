#include "game/TKartaText.h"

#include "framework/support/tk_String.h"

// A missing name becomes an empty one, so the card always has a text to draw.
TKartaText::TKartaText(const char* name) : text(tk_StrDup(name ? name : "")), font(nullptr) {}

TKartaText::~TKartaText() {
    if (font) DeleteObject(font);
    delete[] text;
}
