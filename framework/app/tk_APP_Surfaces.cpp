// The display's surfaces over a run: one frame, the release before a change of mode or at the
// end, the reload after a change of mode, the restore after a loss, and the copies of the display
// globals.
#define TK_MODULE "TK_APP_w"
#include "framework/app/tk_APP.h"
#include "framework/app/tk_APP_Editor.h"
#include "framework/app/tk_CAppScreen.h"
#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/graphics/tk_Display.h"
#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_DSGN.h"

namespace {

// A copy still refused after this many tries is dropped; the next tick draws a new frame.
constexpr int kCopyTries = 100;

long g_frames = 0;

// The background picture at the current screen size.
void loadBackground() {
    tk_CDas_Surface* back = tk_DSGN.background_srf;
    if (back && back->subor_nazov) {
        back->NAHRAJ_SURFACE_2_stretch(tk_lpDD, back->subor_nazov, tk_ScreenW, tk_ScreenH);
        back->TC = 0;
    }
}

void drawBackdrop(tk_CAppScreen* app) {
    if (app->m_BackColor >= 0) DDSURFACE_ZMAZ(tk_lpDDSBack, static_cast<DWORD>(app->m_BackColor));
    if (tk_DSGN.background_srf) tk_DSGN.background_srf->ZOBRAZ(tk_lpDDSBack, 0, 0);
    if (app->m_bLogo && tk_DSGN.ico_logo)
        tk_DSGN.ico_logo->ZOBRAZ(tk_lpDDSBack, tk_ScreenCX - 100, tk_ScreenCY - 30);
}

}  // namespace

long tk_APP_FrameCount() {
    return g_frames;
}

void tk_APP_ResetFrameCount() {
    g_frames = 0;
}

void tk_APP_Prekresli() {
    if (!tk_lpDDSPrimary || !tk_lpDDSBack) return;
    if (tk_CAppScreen* app = tk_pApp) {
        drawBackdrop(app);
        app->Redraw_Screen();
        app->ZOBRAZ(tk_lpDDSBack);
    }
    if (tk_CAppEditor* editor = tk_APP_EditorOn()) editor->DrawOverlay(tk_lpDDSBack);
    if (tk_APP_CopyBackToPrimary() == DD_OK) ++g_frames;
}

HRESULT tk_APP_CopyBackToPrimary() {
    if (!tk_lpDDSPrimary || !tk_lpDDSBack) return DDERR_GENERIC;
    // The frame is copied, never flipped.
    HRESULT r = DDERR_WASSTILLDRAWING;
    for (int i = 0; i < kCopyTries && r == DDERR_WASSTILLDRAWING; ++i)
        r = tk_lpDDSPrimary->BltFast(0, 0, tk_lpDDSBack, nullptr, DDBLTFAST_NOCOLORKEY);
    if (r == DDERR_SURFACELOST) tk_APP_Obnov_SRF();
    return r;
}

HRESULT tk_APP_Obnov_SRF() {
    if (!tk_lpDDSPrimary) return DDERR_GENERIC;
    const HRESULT r = tk_lpDDSPrimary->Restore();
    if (r != DD_OK) return r;
    // What was lost with the display: the framework's own pictures, then the program's.
    if (tk_DSGN.rezia_dll_srf && tk_DSGN.rezia_dll_srf->SURFACE &&
        tk_DSGN.rezia_dll_srf->SURFACE->IsLost() != DD_OK)
        tk_DSGN.rezia_dll_srf->RESTORE_SURFACE();
    if (tk_DSGN.background_srf && tk_DSGN.background_srf->SURFACE &&
        tk_DSGN.background_srf->SURFACE->IsLost() != DD_OK)
        tk_DSGN.background_srf->RESTORE_SURFACE();
    if (tk_pApp) tk_pApp->Do_RESTORE_SRF();
    return r;
}

void tk_APP_Vykonaj_RELEASE_SRF(bool releaseDD) {
    TK_LOG("dll - tk_APP_Vykonaj_RELEASE_SRF");
    if (!tk_lpDD) return;
    if (tk_lpDDSPrimary) {
        // The attached back buffer goes with the primary surface.
        tk_lpDDSPrimary->Release();
        tk_lpDDSPrimary = nullptr;
        tk_lpDDSBack = nullptr;
    }
    if (tk_lpDDPal) {
        tk_lpDDPal->Release();
        tk_lpDDPal = nullptr;
    }
    if (tk_DSGN.rezia_dll_srf) tk_DSGN.rezia_dll_srf->RELEASE_SURFACE();
    if (tk_DSGN.background_srf) tk_DSGN.background_srf->RELEASE_SURFACE();
    if (tk_pApp) tk_pApp->Do_RELEASE_SRF();
    if (releaseDD) {
        tk_lpDD->Release();
        tk_lpDD = nullptr;
    }
}

void tk_APP_Nahraj_SRF() {
    if (tk_CDas_Surface* sheet = tk_DSGN.rezia_dll_srf) {
        sheet->NAHRAJ_SURFACE(tk_lpDD, "rezia_dll.bmp");
        sheet->TC_NASTAV(1, 1);
        sheet->BC_NASTAV(0, 0);
    }
    loadBackground();
    if (tk_pApp) tk_pApp->Do_LOAD_SRF();
}

void tk_APP_Synchro_dll2App(int* w, int* h, int* cx, int* cy, IDirectDraw** dd, IDirectDrawSurface** primary,
                            IDirectDrawSurface** back, IDirectDrawPalette** palette) {
    if (w) *w = tk_ScreenW;
    if (h) *h = tk_ScreenH;
    if (cx) *cx = tk_ScreenCX;
    if (cy) *cy = tk_ScreenCY;
    if (dd) *dd = tk_lpDD;
    if (primary) *primary = tk_lpDDSPrimary;
    if (back) *back = tk_lpDDSBack;
    if (palette) *palette = tk_lpDDPal;
}

void tk_glob_APP_Synchro_exe2dll(int w, int h, int cx, int cy, IDirectDraw* dd, IDirectDrawSurface* primary,
                                 IDirectDrawSurface* back, IDirectDrawPalette* palette) {
    tk_ScreenW = w;
    tk_ScreenH = h;
    tk_ScreenCX = cx;
    tk_ScreenCY = cy;
    tk_lpDD = dd;
    tk_lpDDSPrimary = primary;
    tk_lpDDSBack = back;
    tk_lpDDPal = palette;
}
