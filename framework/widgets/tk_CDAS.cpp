// tk_CDAS: construction, design, size, the pointer machine and drift.
#define TK_MODULE "TK_DAS_w"
#include "framework/widgets/tk_CDAS.h"

#include "framework/graphics/tk_Display.h"
#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_CPolCHLO.h"
#include "framework/widgets/tk_globals.h"

// A free-standing sprite keeps rx, ry at 0; only its absolute place is set.
tk_CDAS::tk_CDAS(int x_, int y_) : tk_CPol() {
    InitSprite();
    x = x_;
    y = y_;
}

tk_CDAS::tk_CDAS(const char* name_, int x_, int y_) : tk_CDAS(x_, y_) {
    SetName(name_ ? name_ : "");
}

tk_CDAS::tk_CDAS(tk_CPolCHLO* parent_, int rx_, int ry_) : tk_CPol(parent_, rx_, ry_) {
    InitSprite();
}

tk_CDAS::tk_CDAS(tk_CPolCHLO* parent_, int id) : tk_CPol(parent_, id) {
    InitSprite();
}

void tk_CDAS::InitSprite() {
    SetClassId(tk_CLASS_CDAS);
    SetName("noname_das");
    dx = 0;
    drag_moves = true;
    mirrored = 0;
    surface = nullptr;
    own_surface = false;
    phases.mode = 2;
    current = 0;
    TC = 0;
    BC = 0;
    void_SIR = 100;
    void_VYS = 100;
}

tk_CDAS::~tk_CDAS() {
    FreePhases();
    if (own_surface && surface) {
        TK_LOG("    delete Das_Surface", name);
        delete surface;
        surface = nullptr;
    }
}

void tk_CDAS::FreePhases() {
    for (int i = 0; i < phases.count; ++i) delete Phase(i);
    phases.Zhod_count();
}

void tk_CDAS::Dsgn0_VoidDC(int rx_, int ry_, int w, int h) {
    MoveToRel(rx_, ry_);
    void_SIR = w;
    void_VYS = h;
}

void tk_CDAS::Dsgn2_UserA(int rx_, int ry_, tk_CDas_Surface* s, int x1, int y1, int x2, int y2, int x3,
                          int y3) {
    MoveToRel(rx_, ry_);
    // A sheet the sprite loaded itself is not left behind when it takes another.
    if (own_surface && surface && surface != s) delete surface;
    surface = s;
    own_surface = false;
    EVIDUJ(x1, y1);
    EVIDUJ(x2, y2);
    EVIDUJ(x3, y3);
}

void tk_CDAS::Dsgn3_UserB(int rx_, int ry_, tk_CDAS* src) {
    MoveToRel(rx_, ry_);
    EVID_PREBER(src);
}

void tk_CDAS::NF() {
    if (++current >= phases.count) current = 0;
}

tk_TFAZA* tk_CDAS::CurrentPhase() const {
    if (!surface || current < 0 || current >= phases.count) return nullptr;
    return Phase(current);
}

// A phase index outside the list shows nothing and sizes the sprite by its void size.
int tk_CDAS::AktSIR() {
    tk_TFAZA* f = CurrentPhase();
    return f ? f->w : void_SIR;
}

int tk_CDAS::AktVYS() {
    tk_TFAZA* f = CurrentPhase();
    return f ? f->h : void_VYS;
}

void tk_CDAS::GetSize(int* w, int* h) {
    if (w) *w = AktSIR();
    if (h) *h = AktVYS();
}

void tk_CDAS::SetSize(int w, int h) {
    void_SIR = w;
    void_VYS = h;
}

bool tk_CDAS::ZASAH(int px, int py) {
    int w = AktSIR(), h = AktVYS();
    return px >= x + 1 && px <= x + w - 2 && py >= y + 1 && py <= y + h - 2;
}

bool tk_CDAS::INFORMUJ_SA(int px, int py, int code) {
    if (!visible) return false;
    int w = AktSIR(), h = AktVYS();
    // One pixel wider and taller than the picture, inclusive on every side.
    bool inside = px >= x && px <= x + w && py >= y && py <= y + h;
    if (!inside && state != 2) {
        state = 0;
        return false;
    }
    if (code == 0 && state == 0) {
        state = 1;
    } else if (code == 1 && state == 1) {
        state = 2;
        tk_drag_dx = px - x;
        tk_drag_dy = py - y;
    } else if (code == -1 && state == 2) {
        state = 1;
    } else if (drag_moves && code == 0 && state == 2) {
        x = px - tk_drag_dx;
        y = py - tk_drag_dy;
    }
    return true;
}

void tk_CDAS::AKTIVUJ() {
    x += dx;
    int a = AktSIR();
    if (x > tk_ScreenW) x = -a;
    if (x < -a) x = tk_ScreenW;
}
