#define TK_MODULE "TK_DAS_w"
#include "framework/widgets/tk_CTlac.h"

#include <cstdio>

#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_CPolCHLO.h"

void tk_CTlac::InitButton() {
    SetClassId(tk_CLASS_CTlac);
    pressed = 0;
    drag_moves = false;
    void_SIR = 100;
    void_VYS = 45;
}

tk_CTlac::tk_CTlac() : tk_CDAS() {
    InitButton();
    SetName("noname_tlac");
}

tk_CTlac::tk_CTlac(const char* name_) : tk_CDAS(name_, 200, 250) {
    InitButton();
    SetName(name_ ? name_ : "noname_tlac");
}

tk_CTlac::tk_CTlac(tk_CPolCHLO* parent_, int rx_, int ry_, int id) : tk_CDAS(parent_, rx_, ry_) {
    InitButton();
    SetName("noname_tlac");
    ID = id;
}

tk_CTlac::tk_CTlac(tk_CPolCHLO* parent_, int id) : tk_CDAS(parent_, id) {
    InitButton();
    char label[32];
    std::snprintf(label, sizeof(label), "ID %d", id);
    SetName(label);
    TK_LOG("  tk_CTlac::tk_CTlac(parent.)", name);
}

tk_CTlac::~tk_CTlac() {
    TK_LOG("  tk_CTlac::~tk_CTlac()", name);
}

bool tk_CTlac::INFORMUJ_SA(int px, int py, int code) {
    if (!visible) return false;
    int w = 0, h = 0;
    GetSize(&w, &h);
    bool inside = px >= x && px <= x + w && py >= y && py <= y + h;
    if (!inside && code == 0 && state == 0) {
        SF(0);
        return false;
    }
    bool taken = true;
    if (inside && code == 0 && state == 0) {
        state = 1;
    } else if (!inside && code == 0 && state == 1) {
        state = 0;
    } else if (inside && code == 1 && state == 1) {
        state = 2;
    } else if (inside && code == -1 && state == 2) {
        state = 1;
        if (parent) parent->HandleFWInteraction(ID, 1, this);
    } else if (!inside && code == 0 && state == 2) {
        state = 3;
    } else if (inside && code == 0 && state == 3) {
        state = 2;
    } else if (code == -1 && (state == 3 || (state == 2 && !inside))) {
        // Released off the button (also with no move off it first): no click, and not left armed.
        state = 0;
    } else {
        taken = false;
    }
    SF(state == 3 ? 0 : state);
    pressed = state == 2 ? 1 : 0;
    return taken;
}

bool tk_CTlac::INFORMUJ_SA2(int px, int py, int code) {
    int before = state;
    tk_CDAS::INFORMUJ_SA(px, py, code);
    SF(state);
    pressed = state == 2 ? 1 : 0;
    return state != before;
}

bool tk_CTlac::STLACENE() {
    if (state != 2) return false;
    state = 1;
    SF(1);
    return true;
}
