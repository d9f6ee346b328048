// tk_TVOLBAR: one row of a row list: its value, text, optional icon, the pop-up it opens and a
// private data pointer that the owner frees before the row goes.
#pragma once

class tk_CDUI;
class tk_CIcon;

class tk_TVOLBAR {
  public:
    int id;
    char* text;
    // The row frees text.
    bool text_vlastny;
    // Size of the text measured with the list's font.
    int text_w;
    int text_h;
    tk_CIcon* icon;
    // The row deletes icon.
    bool icon_vlastny;
    // The pop-up opened from this row, or null.
    tk_CDUI* detail;
    // The owner's; it must be freed and cleared before the row is destroyed.
    void* data;

    explicit tk_TVOLBAR(int id = 0);
    // A row still holding private data is a programming fault and stops the program.
    virtual ~tk_TVOLBAR();

    tk_TVOLBAR(const tk_TVOLBAR&) = delete;
    tk_TVOLBAR& operator=(const tk_TVOLBAR&) = delete;
};
