// tk_CDas_Surface: drawing the sheet, a rectangle or a phase onto a destination surface. Clipping
// is done in the rectangles before one BltFast or Blt; no clipper, no allocation, no pixel access.
//
// Sections (banners "// ---- name"): retry rule, whole surface and rectangles, phases, stretched
// copies, colour fill.
#define TK_MODULE "TK_DSRFC_w"
#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"

// ---- retry rule --------------------------------------------------------------------------------
namespace {

// A busy blitter is asked again, but not for ever: a frame is better lost than the program hung.
constexpr int kMaxBusyTries = 10000;

// Issues the blit until it is done. A lost surface is restored and refilled, and the picture
// waits for the next redraw; a busy blitter is asked again; any other failure is let go.
template <class Blit>
void blitWithRetry(tk_CDas_Surface& sheet, Blit blit) {
    for (int i = 0; i < kMaxBusyTries; ++i) {
        const HRESULT result = blit();
        if (result == DDERR_WASSTILLDRAWING) continue;
        if (result == DDERR_SURFACELOST) sheet.RESTORE_SURFACE();
        return;
    }
}

DWORD keyFlag(WORD tc) {
    return tc != 0 ? DDBLTFAST_SRCCOLORKEY : DDBLTFAST_NOCOLORKEY;
}

bool hasArea(const RECT& r) {
    return r.right > r.left && r.bottom > r.top;
}

// Cuts one axis of a phase at the screen's edges as the phase drawing does: false when nothing
// is left. `low` and `high` are the rectangle's edges on this axis, `mirrored` swaps which one a
// cut at either side of the screen moves.
bool clipAxis(int pos, int size, int screen, int* dest, LONG* low, LONG* high, bool mirrored) {
    if (pos + size < 0 || pos > screen) return false;
    if (pos < 0) {
        *dest = 0;
        *(mirrored ? high : low) += mirrored ? pos : -pos;
    }
    if (pos + size > screen) {
        const int cut = pos + size - screen - 1;
        *(mirrored ? low : high) += mirrored ? cut : -cut;
    }
    return true;
}

}  // namespace

// ---- whole surface and rectangles --------------------------------------------------------------
void tk_CDas_Surface::ZOBRAZ(IDirectDrawSurface* dst, int x, int y) {
    if (!dst || !SURFACE) return;
    blitWithRetry(*this, [&] {
        return dst->BltFast(static_cast<DWORD>(x), static_cast<DWORD>(y), SURFACE, nullptr, keyFlag(TC));
    });
}

void tk_CDas_Surface::ZOBRAZ(int x, int y) {
    ZOBRAZ(tk_lpDDSBack, x, y);
}

void tk_CDas_Surface::Zobraz_Rect(IDirectDrawSurface* dst, int x, int y, RECT src) {
    if (!dst || !SURFACE) return;
    blitWithRetry(*this, [&] {
        return dst->BltFast(static_cast<DWORD>(x), static_cast<DWORD>(y), SURFACE, &src, keyFlag(TC));
    });
}

void tk_CDas_Surface::Zobraz_Rect(int x, int y, RECT src) {
    Zobraz_Rect(tk_lpDDSBack, x, y, src);
}

void tk_CDas_Surface::Zobraz_Center(IDirectDrawSurface* dst) {
    ZOBRAZ(dst, (tk_ScreenW - w) / 2, (tk_ScreenH - h) / 2);
}

void tk_CDas_Surface::Zobraz_Center() {
    Zobraz_Center(tk_lpDDSBack);
}

void tk_CDas_Surface::ZOBRAZ_ALPHA(IDirectDrawSurface* dst, int x, int y, DWORD alpha) {
    if (!dst || !SURFACE) return;
    RECT to{x, y, x + w, y + h};
    DDBLTFX fx{};
    fx.dwSize = sizeof(fx);
    fx.dwAlphaSrcConst = alpha;
    dst->Blt(&to, SURFACE, nullptr, DDBLT_ALPHASRCCONSTOVERRIDE | DDBLT_WAIT, &fx);
}

void tk_CDas_Surface::ZOBRAZ_ALPHA(int x, int y, DWORD alpha) {
    ZOBRAZ_ALPHA(tk_lpDDSBack, x, y, alpha);
}

// ---- phases ------------------------------------------------------------------------------------
void tk_CDas_Surface::ZOBRAZ_FAZU(IDirectDrawSurface* dst, int x, int y, tk_TFAZA f, int clip) {
    if (!dst || !SURFACE) return;
    RECT src{f.x, f.y, f.x2, f.y2};
    int dx = x;
    int dy = y;
    if (clip == 1 && !(clipAxis(x, f.w, tk_ScreenW, &dx, &src.left, &src.right, false) &&
                       clipAxis(y, f.h, tk_ScreenH, &dy, &src.top, &src.bottom, false)))
        return;
    if (!hasArea(src)) return;
    blitWithRetry(*this, [&] {
        return dst->BltFast(static_cast<DWORD>(dx), static_cast<DWORD>(dy), SURFACE, &src, keyFlag(TC));
    });
}

void tk_CDas_Surface::ZOBRAZ_FAZU(int x, int y, tk_TFAZA f, int clip) {
    ZOBRAZ_FAZU(tk_lpDDSBack, x, y, f, clip);
}

// The mirrored phase has the size of the (clipped) source: a mirror, not a rescale.
void tk_CDas_Surface::ZOBRAZ_FAZU_Z(IDirectDrawSurface* dst, int x, int y, tk_TFAZA f, int clip) {
    if (!dst || !SURFACE) return;
    RECT src{f.x, f.y, f.x2, f.y2};
    int dx = x;
    int dy = y;
    if (clip == 1 && !(clipAxis(x, f.w, tk_ScreenW, &dx, &src.left, &src.right, true) &&
                       clipAxis(y, f.h, tk_ScreenH, &dy, &src.top, &src.bottom, false)))
        return;
    if (!hasArea(src)) return;
    RECT to{dx, dy, dx + (src.right - src.left), dy + (src.bottom - src.top)};
    DDBLTFX fx{};
    fx.dwSize = sizeof(fx);
    fx.dwDDFX = DDBLTFX_MIRRORLEFTRIGHT;
    blitWithRetry(*this, [&] { return dst->Blt(&to, SURFACE, &src, DDBLT_KEYSRC | DDBLT_DDFX, &fx); });
}

void tk_CDas_Surface::ZOBRAZ_FAZU_Z(int x, int y, tk_TFAZA f, int clip) {
    ZOBRAZ_FAZU_Z(tk_lpDDSBack, x, y, f, clip);
}

void tk_CDas_Surface::ZOBRAZ_FAZU_2(IDirectDrawSurface* dst, int left, int right, int top, int bottom, int x,
                                    int y, tk_TFAZA f) {
    RECT src{f.x, f.y, f.x2, f.y2};
    if (!tk_glob_OREZ_Rect2LPHD(left, right, top, bottom, &x, &y, &src) || !hasArea(src)) return;
    Zobraz_Rect(dst, x, y, src);
}

void tk_CDas_Surface::ZOBRAZ_FAZU_2(int left, int right, int top, int bottom, int x, int y, tk_TFAZA f) {
    ZOBRAZ_FAZU_2(tk_lpDDSBack, left, right, top, bottom, x, y, f);
}

// ---- stretched copies --------------------------------------------------------------------------
namespace {

// One unkeyed, scaled Blt; null rectangles stand for the whole surface.
void stretchBlt(tk_CDas_Surface& sheet, IDirectDrawSurface* dst, RECT* to, RECT* from) {
    if (!dst || !sheet.SURFACE) return;
    blitWithRetry(sheet, [&] { return dst->Blt(to, sheet.SURFACE, from, 0, nullptr); });
}

}  // namespace

void tk_CDas_Surface::Zobraz_Stretch_1(IDirectDrawSurface* dst, RECT dstRect, RECT srcRect) {
    stretchBlt(*this, dst, &dstRect, &srcRect);
}

void tk_CDas_Surface::Zobraz_Stretch_1(RECT dstRect, RECT srcRect) {
    Zobraz_Stretch_1(tk_lpDDSBack, dstRect, srcRect);
}

void tk_CDas_Surface::Zobraz_Stretch_2(IDirectDrawSurface* dst, RECT dstRect) {
    stretchBlt(*this, dst, &dstRect, nullptr);
}

void tk_CDas_Surface::Zobraz_Stretch_2(RECT dstRect) {
    Zobraz_Stretch_2(tk_lpDDSBack, dstRect);
}

void tk_CDas_Surface::Zobraz_Stretch_3(IDirectDrawSurface* dst, RECT srcRect) {
    stretchBlt(*this, dst, nullptr, &srcRect);
}

void tk_CDas_Surface::Zobraz_Stretch_3(RECT srcRect) {
    Zobraz_Stretch_3(tk_lpDDSBack, srcRect);
}

void tk_CDas_Surface::Zobraz_Stretch_4(IDirectDrawSurface* dst) {
    stretchBlt(*this, dst, nullptr, nullptr);
}

void tk_CDas_Surface::Zobraz_Stretch_4() {
    Zobraz_Stretch_4(tk_lpDDSBack);
}

// ---- colour fill -------------------------------------------------------------------------------
HRESULT DDSURFACE_ZMAZ(IDirectDrawSurface* surface, DWORD value) {
    if (!surface) return DDERR_INVALIDPARAMS;
    DDBLTFX fx{};
    fx.dwSize = sizeof(fx);
    fx.dwFillColor = value;
    return surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
}
