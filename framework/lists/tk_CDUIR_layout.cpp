// The row list's layout: rows copied into the visible entries at the scroll position, cut rows,
// and the place of the slider, the buttons and the track.
#define TK_MODULE "TK_DUIR_w"
#include <algorithm>

#include "framework/lists/tk_CDUIR.h"
#include "framework/lists/tk_TVOLBA.h"
#include "framework/lists/tk_TVOLBAR.h"
#include "framework/support/tk_Assert.h"

namespace {

// The part of a row's whole rectangle inside the area's rows; false when none of it is.
bool cutToArea(const RECT& whole, int top, int bottom, RECT* cut) {
    if (whole.bottom < top || whole.top > bottom) return false;
    *cut = whole;
    cut->top = std::max<int>(cut->top, top);
    cut->bottom = std::min<int>(cut->bottom, bottom);
    return true;
}

}  // namespace

void tk_CDUIR::Rodic_reset() {
    tk_CDUI::Rodic_reset();
    zmenaR = true;
}

void tk_CDUIR::CHOD_NA(int x_, int y_) {
    CHOD_NAR(x_, y_);
}

void tk_CDUIR::CHOD_NAR(int x_, int y_) {
    MoveToAbs(x_, y_);
    zmenaR = true;
}

void tk_CDUIR::CHOD_NA_CENTERR(int x_, int y_) {
    if (zmenaR || zmena) RESET_GEOMETRIER();
    MoveToAbs(x_ - (obal.right - obal.left) / 2, y_ - (obal.bottom - obal.top) / 2);
    zmenaR = true;
}

void tk_CDUIR::Preklop(int r, int v, const RECT* rect, const RECT* whole, int mode) {
    if (r < 0 || v < 0 || v >= volby.count || r >= VOLR.count) return;
    tk_TVOLBAR* vr = static_cast<tk_TVOLBAR*>(VOLR.items[r]);
    tk_TVOLBA* e = EntryAt(v);
    if (!vr) TK_FAIL("tk_CDUIR::Preklop - vr == NULL");
    if (!e) TK_FAIL("tk_CDUIR::Preklop - v  == NULL");
    e->id = vr->id;
    e->detail = vr->detail;
    if (rect) e->rect = *rect;
    e->stav = 0;
    // The entry borrows the row's text and icon; the row keeps them.
    e->SetText(vr->text, false);
    e->text_w = vr->text_w;
    e->text_h = vr->text_h;
    e->SetIcon(vr->icon, false);
    if (whole) {
        e->rect2 = *whole;
        e->rect2_mode = mode;
    } else {
        e->rect2_mode = 0;
    }
}

void tk_CDUIR::RESET_GEOMETRIER() {
    trieda = 2;
    riadkov = std::clamp(riadkov, 3, 25);
    int n = VOLR.count, lines = riadkov;
    // One entry more than lines while scrolling: the row cut in two.
    int entries = n <= lines ? n : lines + 1;
    while (volby.count < entries) {
        auto* e = new tk_TVOLBA(0);
        e->SetText(nullptr, false);
        volby.Add(e);
    }
    while (volby.count > entries) {
        delete EntryAt(volby.count - 1);
        volby.items[volby.count - 1] = nullptr;
        volby.Del();
    }
    if (n <= lines) {
        posuvanie = false;
        rozsah = 0;
        pozicia = 0;
        posuv.visible = tlac_hore.visible = tlac_dole.visible = draha.visible = false;
        max_riadkov = 0;
        tk_CDUI::RESET_GEOMETRIE();
        for (int k = 0; k < n; ++k) Preklop(k, k, nullptr, nullptr, 0);
    } else {
        LayoutScrolling(n, lines);
    }
    zmena = false;
    zmenaR = false;
    if (KeepOnScreen()) RESET_GEOMETRIER();
}

int tk_CDUIR::WidestText() const {
    int widest = 0;
    for (int i = 0; i < VOLR.count; ++i) {
        const auto* row = static_cast<const tk_TVOLBAR*>(VOLR.items[i]);
        if (row && row->text) widest = std::max(widest, row->text_w);
    }
    return widest;
}

void tk_CDUIR::LayoutScrolling(int n, int lines) {
    posuvanie = true;
    // A row step below one pixel would leave nothing to scroll by.
    int step = std::max(b, 1);
    rozsah = (n - lines) * step;
    int sw = posuv.void_SIR;
    if (posuv.surface && posuv.phases.count > 0) sw = static_cast<tk_TFAZA*>(posuv.phases.items[0])->w;
    const int w = EntryWidth();
    obal = RECT{x, y, x + w + 2 * d + sw + d, y + b * lines + 2 * d - (b - a)};
    vnutro = EntryArea{x + d, x + d + w, y + d, y + d + b * lines - (b - a)};
    const int L = vnutro.left, R = vnutro.right, T = vnutro.top, B = vnutro.bottom;

    // The scroll parts, in absolute coordinates (they have no parent).
    int up_h = tlac_hore.void_VYS;
    posuv.orientation = 'V';
    posuv.track_at = R + d;
    posuv.track_from = T + up_h - 2;
    posuv.track_to = B - up_h - posuv.void_VYS + 2;
    posuv.SR(0, rozsah);
    posuv.visible = true;
    tlac_hore.MoveToAbs(R + d, T);
    tlac_dole.MoveToAbs(R + d, B - up_h + 1);
    tlac_hore.visible = tlac_dole.visible = true;
    draha.visible = true;

    pozicia = std::clamp(posuv.GP(), 0, rozsah);
    if (whole_rows) pozicia = (pozicia + step / 2) / step * step;
    int first = pozicia / step, q = pozicia % step, o = step - q;
    if (q == 0) {
        for (int k = 0; k < lines; ++k) {
            RECT r{L, T + k * b, R, T + k * b + a};
            Preklop(first + k, k, &r, nullptr, 0);
        }
        max_riadkov = lines;
        return;
    }
    int filled = 0;
    RECT whole{L, T - q, R, T - q + a}, cut{};
    if (cutToArea(whole, T, B, &cut)) Preklop(first, filled++, &cut, &whole, 1);
    for (int k = 0; k < lines - 1; ++k) {
        RECT r{L, T + o + k * b, R, T + o + k * b + a};
        Preklop(first + 1 + k, filled++, &r, nullptr, 0);
    }
    int top = T + o + (lines - 1) * b;
    whole = RECT{L, top, R, top + a};
    if (cutToArea(whole, T, B, &cut)) Preklop(first + lines, filled++, &cut, &whole, 2);
    max_riadkov = filled;
}
