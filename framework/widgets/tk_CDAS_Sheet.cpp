// tk_CDAS: the sheet, its colours read pixel by pixel, phases registered or shared, the exact hit.
#define TK_MODULE "TK_DAS_w"
#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_CDAS.h"
#include "platform/ddraw/surface_access.h"

namespace {

// Reads one 16-bit pixel of the sheet inside a lock; false without a lock or outside the sheet.
bool readPixel(tk_CDas_Surface* sheet, int px, int py, WORD* out) {
    if (!sheet) return false;
    tkp::ddraw::LockedSurface pixels(sheet->SURFACE);
    if (!pixels.ok() || !pixels.inside(px, py)) return false;
    *out = pixels.at(px, py);
    return true;
}

}  // namespace

int tk_CDAS::NAHRAJ_SURFACE(IDirectDraw* dd, const char* file) {
    if (!surface) {
        TK_LOG_ERR("tk_CDAS::NAHRAJ_SURFACE - surface == NULL");
        return 0;
    }
    own_surface = true;
    return surface->NAHRAJ_SURFACE(dd, file);
}

void tk_CDAS::TC_NASTAV(int px, int py) {
    WORD c = 0;
    if (!readPixel(surface, px, py, &c)) return;
    TC = c;
    DDCOLORKEY key{TC, TC};
    surface->SURFACE->SetColorKey(DDCKEY_SRCBLT, &key);
}

void tk_CDAS::BC_NASTAV(int px, int py) {
    WORD c = 0;
    if (readPixel(surface, px, py, &c)) BC = c;
}

void tk_CDAS::EVIDUJ(int px, int py) {
    if (!surface) return;
    // The sprite's own frame colour stands in for the sheet's while the phase is located.
    WORD kept = surface->BC;
    bool swapped = BC != 0 && BC != kept;
    if (swapped) surface->BC = BC;
    phases.Add(new tk_TFAZA(surface->ZAMERAJ_FAZU(px, py)));
    if (swapped) surface->BC = kept;
}

void tk_CDAS::EVIDUJ_CS() {
    if (surface) phases.Add(new tk_TFAZA(surface->ZAMERAJ_FAZU_CS()));
}

void tk_CDAS::EVID_PREBER(tk_CDAS* src) {
    if (!src || src == this) return;
    // A sheet the sprite loaded itself goes unless src shows the same one.
    if (own_surface && surface && surface != src->surface) delete surface;
    if (surface != src->surface) own_surface = false;
    surface = src->surface;
    FreePhases();
    for (int i = 0; i < src->phases.count; ++i) {
        if (tk_TFAZA* f = src->Phase(i)) phases.Add(new tk_TFAZA(*f));
    }
    BC = src->BC;
}

bool tk_CDAS::OSTRY_ZASAH(int px, int py) {
    if (!ZASAH(px, py)) return false;
    tk_TFAZA* f = CurrentPhase();
    if (!f) return true;
    WORD c = 0;
    if (!readPixel(surface, f->x + px - x, f->y + py - y, &c)) return false;
    return c != surface->TC;
}
