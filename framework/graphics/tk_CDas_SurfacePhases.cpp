// tk_CDas_Surface: the transparent and background colours read from the sheet, and phases located
// by scanning out from a point to the background colour. Every read stays inside the locked
// surface: a point outside it is refused.
#define TK_MODULE "TK_DSRFC_w"
#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/support/tk_LOG.h"
#include "platform/ddraw/surface_access.h"

namespace {

// Reads pixel (x, y) into *colour; false (colour unchanged) without a lock or outside the surface.
bool readPixel(IDirectDrawSurface* surface, int x, int y, WORD* colour, const char* refused) {
    tkp::ddraw::LockedSurface pixels(surface);
    if (!pixels.ok()) return false;
    if (!pixels.inside(x, y)) {
        TK_LOG_ERR(refused);
        TK_LOG("x,y:", x, y);
        return false;
    }
    *colour = pixels.at(x, y);
    return true;
}

}  // namespace

void tk_CDas_Surface::TC_NASTAV(int x, int y) {
    if (!SURFACE) {
        TK_LOG_ERR("tk_CDas_Surface::TC_NASTAV() - SURFACE == NULL");
        return;
    }
    if (!readPixel(SURFACE, x, y, &TC, "tk_CDas_Surface::TC_NASTAV() - bod mimo SURFACE")) return;
    DDCOLORKEY key{TC, TC};
    SURFACE->SetColorKey(DDCKEY_SRCBLT, &key);
}

void tk_CDas_Surface::BC_NASTAV(int x, int y) {
    if (!SURFACE) {
        TK_LOG_ERR("tk_CDas_Surface::BC_NASTAV() - SURFACE == NULL");
        return;
    }
    readPixel(SURFACE, x, y, &BC, "tk_CDas_Surface::BC_NASTAV() - bod mimo SURFACE");
}

tk_TFAZA tk_CDas_Surface::ZAMERAJ_FAZU(int x, int y) {
    tk_TFAZA f;
    if (!SURFACE) {
        TK_LOG_ERR("tk_CDas_Surface::ZAMERAJ_FAZU() - SURFACE == NULL");
        return f;
    }
    tkp::ddraw::LockedSurface px(SURFACE);
    if (!px.ok()) return f;
    if (!px.inside(x, y)) {
        TK_LOG_ERR("tk_CDas_Surface::ZAMERAJ_FAZU() - bod mimo SURFACE");
        TK_LOG("x,y:", x, y);
        return f;
    }
    // Up the seed's column to the background (or row 0), then down to the background or the end.
    int r = y;
    while (px.at(x, r) != BC && r > 0) --r;
    f.y = r + 1;
    int n = 0;
    do {
        ++r;
        ++n;
    } while (r < px.height() && px.at(x, r) != BC);
    f.y2 = r;
    f.h = n;
    // The same along the seed's row.
    int c = x;
    while (px.at(c, y) != BC && c > 0) --c;
    f.x = c + 1;
    n = 0;
    do {
        ++c;
        ++n;
    } while (c < px.width() && px.at(c, y) != BC);
    f.x2 = c;
    f.w = n;
    return f;
}

tk_TFAZA tk_CDas_Surface::ZAMERAJ_FAZU_CS() {
    tk_TFAZA f;
    f.x = 1;
    f.y = 1;
    f.x2 = w - 1;
    f.y2 = h - 1;
    f.w = w;
    f.h = h;
    return f;
}
