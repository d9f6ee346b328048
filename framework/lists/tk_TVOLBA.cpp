#define TK_MODULE "TK_DUI_w"
#include "framework/lists/tk_TVOLBA.h"

#include "framework/support/tk_String.h"
#include "framework/widgets/tk_CIcon.h"

tk_TVOLBA::tk_TVOLBA() : tk_TVOLBA(0) {}

tk_TVOLBA::tk_TVOLBA(int id_)
    : id(id_),
      rect{100, 100, 150, 130},
      stav(0),
      text(tk_StrDup("[X]")),
      text_vlastny(true),
      text_w(0),
      text_h(0),
      icon(nullptr),
      icon_vlastny(true),
      rect2_mode(0),
      rect2{100, 100, 150, 130},
      detail(nullptr) {}

tk_TVOLBA::~tk_TVOLBA() {
    SetText(nullptr, false);
    SetIcon(nullptr, false);
}

void tk_TVOLBA::SetText(const char* new_text, bool own) {
    // The copy is taken first: the new text may be the one being freed.
    char* kept = own ? tk_StrDup(new_text) : const_cast<char*>(new_text);
    if (text_vlastny && text != kept) delete[] text;
    text = kept;
    text_vlastny = own && kept;
}

void tk_TVOLBA::SetIcon(tk_CIcon* new_icon, bool own) {
    if (icon_vlastny && icon != new_icon) delete icon;
    icon = new_icon;
    icon_vlastny = own;
}
