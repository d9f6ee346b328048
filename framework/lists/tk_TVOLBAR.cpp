#define TK_MODULE "TK_DUIR_w"
#include "framework/lists/tk_TVOLBAR.h"

#include "framework/support/tk_Assert.h"
#include "framework/widgets/tk_CIcon.h"

tk_TVOLBAR::tk_TVOLBAR(int id_)
    : id(id_),
      text(nullptr),
      text_vlastny(true),
      text_w(0),
      text_h(0),
      icon(nullptr),
      icon_vlastny(true),
      detail(nullptr),
      data(nullptr) {}

tk_TVOLBAR::~tk_TVOLBAR() {
    if (text_vlastny) delete[] text;
    if (icon_vlastny) delete icon;
    if (data) TK_FAIL("CHYBA: ~tk_TVOLBAR() detekoval neuvolnene privatne data na (data->) !");
}
