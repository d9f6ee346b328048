// tk_TVOLBA: one entry of a list menu: the value it reports, its place on the screen, its display
// state, a text and an optional icon, and the pop-up list it opens.
#pragma once

#include "platform/platform.h"

class tk_CDUI;
class tk_CIcon;

class tk_TVOLBA {
  public:
    // Reported when the entry is chosen.
    int id;
    // The entry on the screen (the visible part when it is cut); all four edges count as inside.
    RECT rect;
    // 0 normal, 1 pointer over it, 2 pressed, 3 its pop-up is open.
    int stav;
    char* text;
    // The entry frees text.
    bool text_vlastny;
    // Size of the text measured with the list's font.
    int text_w;
    int text_h;
    tk_CIcon* icon;
    // The entry deletes icon.
    bool icon_vlastny;
    // 0 wholly visible; 1 cut at the top; 2 cut at the bottom (rect2 is then the whole entry).
    int rect2_mode;
    RECT rect2;
    // The pop-up list this entry opens, or null.
    tk_CDUI* detail;

    tk_TVOLBA();
    explicit tk_TVOLBA(int id);
    virtual ~tk_TVOLBA();

    tk_TVOLBA(const tk_TVOLBA&) = delete;
    tk_TVOLBA& operator=(const tk_TVOLBA&) = delete;

    // Replaces the text: frees an owned one, then keeps a copy (own) or borrows the pointer.
    void SetText(const char* new_text, bool own);
    // Replaces the icon: deletes an owned one, then keeps the pointer with the given ownership.
    void SetIcon(tk_CIcon* new_icon, bool own);
};
