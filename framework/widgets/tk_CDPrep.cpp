#define TK_MODULE "TK_DAS_w"
#include "framework/widgets/tk_CDPrep.h"

#include "framework/support/tk_LOG.h"

void tk_CDPrep::InitToggle() {
    SetClassId(tk_CLASS_CDPrep);
    checked = false;
    radio = 0;
    value = 0;
    drag_moves = false;
}

tk_CDPrep::tk_CDPrep() : tk_CDAS() {
    InitToggle();
    SetName("noname_prep");
    TK_LOG("  tk_CDPrep::tk_CDPrep()", name);
}

tk_CDPrep::tk_CDPrep(const char* name_) : tk_CDAS(name_, 200, 250) {
    InitToggle();
    SetName(name_ ? name_ : "noname_prep");
    TK_LOG("  tk_CDPrep::tk_CDPrep(.)", name);
}

tk_CDPrep::tk_CDPrep(tk_CPolCHLO* parent_, int id) : tk_CDAS(parent_, id) {
    InitToggle();
    SetName("noname_prep");
    TK_LOG("  tk_CDPrep::tk_CDPrep(parent.)", name);
}

bool tk_CDPrep::INFORMUJ_SA(int px, int py, int code) {
    if (!visible) return false;
    int before = state;
    bool taken = tk_CDAS::INFORMUJ_SA(px, py, code);
    // The toggle changes at the press; a radio button only ever checks.
    if (before == 1 && state == 2) checked = radio ? true : !checked;
    value = checked ? 1 : 0;
    if (state == 0) {
        SF(checked ? 2 : 0);
    } else {
        SF(checked ? 3 : 1);
    }
    return taken;
}
