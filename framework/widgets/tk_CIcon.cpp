#define TK_MODULE "TK_DAS_w"
#include "framework/widgets/tk_CIcon.h"

#include <new>

#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/support/tk_FSI.h"
#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_ClassTable.h"
#include "platform/ddraw/surface_access.h"

tk_CIcon::tk_CIcon() : surface(nullptr), own_surface(false), phase(), visible(true) {}

tk_CIcon::tk_CIcon(IDirectDraw* dd, const char* file) : tk_CIcon() {
    LoadOwn(dd, file);
}

tk_CIcon::tk_CIcon(const char* file) : tk_CIcon() {
    LoadOwn(tk_lpDD, file);
}

tk_CIcon::tk_CIcon(tk_CDas_Surface* s, int x, int y) : tk_CIcon() {
    UseSurface(s, x, y);
}

tk_CIcon::tk_CIcon(tk_CDas_Surface* s) : tk_CIcon() {
    UseSurface(s, 0, 0);
}

tk_CIcon::tk_CIcon(tk_CDas_Surface* s, tk_TFAZA f) : tk_CIcon() {
    UseSurface(s, -1, -1);
    phase = f;
}

tk_CIcon::~tk_CIcon() {
    if (own_surface && surface) delete surface;
}

void tk_CIcon::LoadOwn(IDirectDraw* dd, const char* file) {
    visible = false;
    if (!file || !tk_FSI_Existuje_sub(file)) {
        TK_LOG("tk_CIcon::tk_CIcon neexist. subor", "RETURN!");
        return;
    }
    auto* s = new (std::nothrow) tk_CDas_Surface();
    if (!s) {
        TK_LOG("tk_CIcon::tk_CIcon nenahraty subor (A)", "RETURN!");
        return;
    }
    s->NAHRAJ_SURFACE(dd, file);
    // A sheet that did not load is never drawn, so it goes at once.
    if (!s->SURFACE) {
        TK_LOG("tk_CIcon::tk_CIcon nenahraty subor (B)", "RETURN!");
        delete s;
        return;
    }
    surface = s;
    own_surface = true;
    phase = s->ZAMERAJ_FAZU_CS();
    if (tk_glob_Get_CIcon_default_transparency()) s->TC_NASTAV(1, 1);
    visible = true;
}

void tk_CIcon::UseSurface(tk_CDas_Surface* s, int x, int y) {
    if (!s) {
        TK_LOG("tk_CIcon::tk_CIcon neplatny SRF", "RETURN!");
        visible = false;
        return;
    }
    surface = s;
    own_surface = false;
    if (x != -1 || y != -1) phase = (x == 0 || y == 0) ? s->ZAMERAJ_FAZU_CS() : s->ZAMERAJ_FAZU(x, y);
    visible = true;
}

void tk_CIcon::EVIDUJ(int x, int y) {
    if (surface) phase = surface->ZAMERAJ_FAZU(x, y);
}

void tk_CIcon::EVIDUJ_CS() {
    if (surface) phase = surface->ZAMERAJ_FAZU_CS();
}

void tk_CIcon::EVIDUJ_PREBER(tk_CIcon* other) {
    if (!other || other == this) return;
    // A sheet this icon loaded itself goes unless the other icon shows the same one.
    if (own_surface && surface && surface != other->surface) {
        delete surface;
        own_surface = false;
    }
    if (surface != other->surface) own_surface = false;
    surface = other->surface;
    phase = other->phase;
}

bool tk_CIcon::Usable() const {
    return surface && phase.w != 0 && phase.h != 0;
}

void tk_CIcon::GetSize2(int* w, int* h) {
    bool usable = Usable();
    if (w) *w = usable ? phase.w : 100;
    if (h) *h = usable ? phase.h : 100;
}

void tk_CIcon::ZOBRAZ(IDirectDrawSurface* dst, int x, int y) {
    if (!visible) return;
    if (Usable()) {
        surface->ZOBRAZ_FAZU(dst, x, y, phase, 1);
    } else {
        DrawPlaceholder(dst, x, y);
    }
}

void tk_CIcon::ZOBRAZ_2(IDirectDrawSurface* dst, int l, int r, int t, int b, int x, int y) {
    if (!visible) return;
    if (Usable()) {
        surface->ZOBRAZ_FAZU_2(dst, l, r, t, b, x, y, phase);
    } else {
        DrawPlaceholder(dst, x, y);
    }
}

void tk_CIcon::ZOBRAZ_2(IDirectDrawSurface* dst, int x, int y) {
    if (surface) surface->ZOBRAZ_FAZU_2(dst, 1, tk_ScreenW - 1, 1, tk_ScreenH - 1, x, y, phase);
}

void tk_CIcon::ZOBRAZ_3_centr(IDirectDrawSurface* dst, int l, int r, int t, int b, int cx, int cy,
                              int align) {
    if (!visible) return;
    if (!Usable()) {
        DrawPlaceholder(dst, cx, cy);
        return;
    }
    int left = cx - phase.w / 2;
    if (align == 1) left = cx;
    if (align == 2) left = cx - phase.w;
    surface->ZOBRAZ_FAZU_2(dst, l, r, t, b, left, cy - phase.h / 2, phase);
}

// A raised 100 x 100 box with the class's name, for an icon without a picture.
void tk_CIcon::DrawPlaceholder(IDirectDrawSurface* dst, int x, int y) {
    tkp::ddraw::SurfaceDC dc(dst);
    if (!dc.ok()) return;
    RECT box{x, y, x + 100, y + 100};
    tk_glob_Level_efekt(dc, &box, 1);
    tk_glob_Text(dc, x + 5, y + 5, 0xFF6464, tk_glob_GetClassName(1));
}
