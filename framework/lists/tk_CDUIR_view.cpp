// The row list on the screen: drawing with the scroll parts, and pointer events that scroll.
#define TK_MODULE "TK_DUIR_w"
#include "framework/lists/tk_CDUIR.h"

#include <algorithm>

void tk_CDUIR::ZOBRAZ() {
    if (visible && vlastny_srf) ZOBRAZR(vlastny_srf);
}

void tk_CDUIR::ZOBRAZ(IDirectDrawSurface* surface) {
    ZOBRAZR(surface);
}

void tk_CDUIR::ZOBRAZR(IDirectDrawSurface* surface) {
    if (!visible || !surface) return;
    if (VOLR.count == 0 && tk_CDUI_void_flag) return;
    // A change of the menu's own settings (constants, modes) also needs the row layout.
    if (zmenaR || zmena) RESET_GEOMETRIER();
    tk_CDUI::ZOBRAZ(surface);
    if (!posuvanie) return;
    DrawTrack(surface);
    posuv.ZOBRAZ(surface);
    tlac_hore.ZOBRAZ(surface);
    tlac_dole.ZOBRAZ(surface);
}

// The track picture tiled down the slider's column, the last copy cut at the area's bottom.
void tk_CDUIR::DrawTrack(IDirectDrawSurface* surface) {
    if (!draha.surface || draha.phase.w == 0 || draha.phase.h == 0) return;
    int step = draha.phase.h - 1;
    if (step < 1) return;
    int tx = vnutro.right + d;
    int copies = (vnutro.bottom - vnutro.top) / step;
    for (int i = 0; i < copies; ++i) draha.ZOBRAZ(surface, tx, vnutro.top + i * step);
    draha.ZOBRAZ_2(surface, vnutro.left, obal.right, vnutro.top, vnutro.bottom, tx,
                   vnutro.top + copies * step);
}

bool tk_CDUIR::INFORMUJ_SA(int px, int py, int code) {
    if (posuvanie) {
        if (!visible || zamknute) return false;
        posuv.INFORMUJ_SA(px, py, code);
        if (posuv.state == 2) zmenaR = true;
        tlac_hore.INFORMUJ_SA(px, py, code);
        // By whole rows the arrows step from the row shown at the top, not from the thumb.
        const int arrowStep = whole_rows ? std::max(b, 1) : rozsah / 10;
        const int from = whole_rows ? pozicia : posuv.GP();
        if (tlac_hore.STLACENE()) {
            posuv.SP(from - arrowStep);
            zmenaR = true;
        }
        tlac_dole.INFORMUJ_SA(px, py, code);
        if (tlac_dole.STLACENE()) {
            posuv.SP(from + arrowStep);
            zmenaR = true;
        }
    }
    // Hit tests see the rows at the position just scrolled to.
    if (visible && !zamknute && (zmenaR || zmena)) RESET_GEOMETRIER();
    return tk_CDUI::INFORMUJ_SA(px, py, code);
}
