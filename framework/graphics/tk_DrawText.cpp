// Text output and measuring through GDI device contexts.
#define TK_MODULE "TK_DAS_w"
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/support/tk_Assert.h"
#include "framework/support/tk_LOG.h"
#include "platform/ddraw/surface_access.h"

namespace {

const char* orEmpty(const char* text) {
    return text ? text : "";
}

// Writes the text in the font already selected, keeping the context's text colour.
void textOut(HDC dc, int x, int y, COLORREF colour, const char* text) {
    SetBkMode(dc, TRANSPARENT);
    COLORREF old = SetTextColor(dc, colour);
    text = orEmpty(text);
    TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
    SetTextColor(dc, old);
}

// The text's size on the surface's device context; false when the surface gives none.
bool measureOn(IDirectDrawSurface* surface, const char* text, HFONT font, int* w, int* h) {
    if (!surface) return false;
    tkp::ddraw::SurfaceDC dc(surface);
    if (!dc.ok()) return false;
    if (font) dc.select(font);
    RECT r{0, 0, 0, 0};
    *h = DrawTextA(dc, orEmpty(text), -1, &r, DT_CALCRECT | DT_NOPREFIX);
    *w = r.right - r.left + 1;
    return true;
}

}  // namespace

void tk_glob_Text(HDC dc, int x, int y, COLORREF colour, const char* text) {
    if (!dc) return;
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    textOut(dc, x, y, colour, text);
}

void tk_glob_Text_font(HDC dc, int x, int y, COLORREF colour, HFONT font, const char* text) {
    if (!dc) return;
    SelectObject(dc, font);
    textOut(dc, x, y, colour, text);
}

void tk_glob_Text_draw_font(HDC dc, RECT* r, UINT format, COLORREF colour, HFONT font, const char* text) {
    if (!dc || !r) return;
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    COLORREF old = SetTextColor(dc, colour);
    DrawTextA(dc, orEmpty(text), -1, r, format);
    SetTextColor(dc, old);
}

HRESULT tk_glob_Text_srf(IDirectDrawSurface* surface, int x, int y, COLORREF colour, const char* text) {
    if (!surface) return DDERR_INVALIDOBJECT;
    tkp::ddraw::SurfaceDC dc(surface);
    if (!dc.ok()) return dc.result() == DD_OK ? DDERR_GENERIC : dc.result();
    tk_glob_Text(dc, x, y, colour, text);
    return DD_OK;
}

void tk_glob_ZISTI_ROZMER_TEXTU(const char* text, HFONT font, int* w, int* h) {
    int width = 100, height = 20;
    if (!tk_lpDDSPrimary && !tk_lpDD) {
        if (w) *w = width;
        if (h) *h = height;
        TK_FAIL("tk_glob_ZISTI_ROZMER_TEXTU: tk_lpDDSPrimary == NULL !");
    }
    // The screen's context is taken while a frame is drawn on it, and a lost display can refuse it;
    // a scratch surface measures the same. Without either the text gets the stand-in size.
    if (!measureOn(tk_lpDDSPrimary, text, font, &width, &height)) {
        IDirectDrawSurface* scratch = tk_lpDD ? tkp::ddraw::CreateOffscreenSurface(tk_lpDD, 1, 1) : nullptr;
        if (!measureOn(scratch, text, font, &width, &height))
            TK_LOG_ERR("tk_glob_ZISTI_ROZMER_TEXTU: tk_lpDDSPrimary->GetDC() != DD_OK !");
        if (scratch) scratch->Release();
    }
    if (w) *w = width;
    if (h) *h = height;
}

void tk_glob_TextInk(const char* text, HFONT font, int* left, int* right) {
    text = orEmpty(text);
    int inkLeft = 0, inkRight = 0;
    // The advance and the line's height, on a scratch surface wide enough for the ink on both sides.
    IDirectDrawSurface* probe = tkp::ddraw::CreateOffscreenSurface(tk_lpDD, 1, 1);
    RECT measured{0, 0, 0, 0};
    int lineH = 0;
    if (probe) {
        tkp::ddraw::SurfaceDC dc(probe);
        if (dc.ok()) {
            dc.select(font);
            lineH = DrawTextA(dc, text, -1, &measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
    if (probe) probe->Release();
    const int advance = static_cast<int>(measured.right - measured.left);
    inkRight = advance;
    // Glyphs reach out by less than a line's height; a text too wide for any surface is taken as
    // its advance.
    const int pad = std::max(lineH, 8);
    const long long width = static_cast<long long>(advance) + 2LL * pad;
    IDirectDrawSurface* box = lineH > 0 && width <= 16384 ? tkp::ddraw::CreateOffscreenSurface(
                                                                tk_lpDD, static_cast<int>(width), lineH)
                                                          : nullptr;
    bool drawn = false;
    if (box && DDSURFACE_ZMAZ(box, 0xFFFF) == DD_OK) {
        tkp::ddraw::SurfaceDC dc(box);
        if (dc.ok()) {
            RECT r{pad, 0, pad + advance, lineH};
            tk_glob_Text_draw_font(dc, &r, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP,
                                   RGB(0, 0, 0), font, text);
            drawn = true;
        }
    }
    if (drawn) {
        const tkp::ddraw::LockedSurface pixels(box);
        int first = pixels.ok() ? pixels.width() : 0, last = -1;
        for (int y = 0; pixels.ok() && y < pixels.height(); ++y) {
            const std::uint16_t* row = pixels.row(y);
            for (int x = 0; x < pixels.width(); ++x) {
                if (row[x] == 0xFFFF) continue;
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
        if (last >= first) {
            inkLeft = first - pad;
            inkRight = last + 1 - pad;
        }
    }
    if (box) box->Release();
    if (left) *left = inkLeft;
    if (right) *right = inkRight;
}
