// Pointer events of the list menu: hover and press states, messages, pop-up chains.
#define TK_MODULE "TK_DUI_w"
#include "framework/lists/tk_CDUI.h"
#include "framework/lists/tk_TVOLBA.h"

namespace {

// Pop-up chains longer than this are taken as a loop of masters and followed no further.
constexpr int kMaxChain = 32;

// Hides a pop-up and every pop-up opened from it.
void hideDetail(tk_CDUI* list, int depth) {
    if (!list || depth > kMaxChain) return;
    list->visible = false;
    for (int i = 0; i < list->volby.count; ++i) {
        tk_TVOLBA* v = list->EntryAt(i);
        if (v->detail && v->detail != list && v->detail->visible) hideDetail(v->detail, depth + 1);
    }
}

}  // namespace

bool tk_CDUI::test_v_rect(const RECT& r, int px, int py) {
    return r.left <= px && px <= r.right && r.top <= py && py <= r.bottom;
}

bool tk_CDUI::INFORMUJ_SA(int px, int py, int code) {
    if (!visible || zamknute) return false;
    // A list moved or changed since its last frame is hit where it will be drawn.
    if (zmena) RESET_GEOMETRIE();
    int r = RowCount();
    if (posun == 1) {
        px -= posun_x;
        py -= posun_y;
    }
    hover_old = hover;
    if (!test_v_rect(obal, px, py)) {
        for (int i = 0; i < r; ++i) EntryAt(i)->stav = 0;
        hover = -1;
        hover_new = -1;
        // A press elsewhere closes a pop-up, unless one of its own pop-ups is open.
        if (code == 1 && je_popup) {
            bool detail_open = false;
            for (int i = 0; i < volby.count; ++i) {
                tk_TVOLBA* v = EntryAt(i);
                detail_open = detail_open || (v->detail && v->detail->visible);
            }
            if (!detail_open) visible = false;
        }
        return false;
    }
    hover = -1;
    for (int i = 0; i < r; ++i) {
        tk_TVOLBA* v = EntryAt(i);
        if (!test_v_rect(v->rect, px, py)) {
            v->stav = 0;
            continue;
        }
        hover = i;
        switch (code) {
            case -1:
                v->stav = 0;
                break;
            case 0:
                if (sprava < 1) v->stav = 1;
                for (int j = 0; j < volby.count; ++j) {
                    tk_TVOLBA* other = EntryAt(j);
                    if (j != i && other->detail && other->detail != v->detail) hideDetail(other->detail, 0);
                }
                if (v->detail) {
                    v->stav = 3;
                    // A bar drops its pop-up below the entry; a vertical menu opens it to the right.
                    if (trieda == 1) v->detail->CHOD_NA(v->rect.left, v->rect.bottom);
                    if (trieda == 2) v->detail->CHOD_NA(obal.right - 2, v->rect.top);
                    if (!v->detail->zamknute) v->detail->visible = true;
                    v->detail->je_popup = true;
                }
                break;
            case 1:
                v->stav = 2;
                sprava = v->id;
                break;
            case 2:
                v->stav = 1;
                sprava = v->id + 100;
                break;
            default:
                break;
        }
    }
    hover_new = (hover != hover_old && hover >= 0) ? hover : -1;
    if (code == -1 && je_popup && hover >= 0) CloseCascade();
    return true;
}

// A choice in a pop-up closes it and every pop-up master above it.
void tk_CDUI::CloseCascade() {
    visible = false;
    tk_CDUI* m = master;
    for (int n = 0; m && m != this && m->je_popup && n < kMaxChain; ++n) {
        m->visible = false;
        m = m->master;
    }
}

bool tk_CDUI::INFORMUJ_MA(int* value) {
    if (sprava < 1) return false;
    if (value) *value = sprava;
    sprava = 0;
    return true;
}

bool tk_CDUI::INFORMUJ_MA_3(int* index, int* id) {
    tk_TVOLBA* v = EntryAt(hover_new);
    if (hover_new < 0 || !v) return false;
    if (index) *index = hover_new;
    if (id) *id = v->id;
    return true;
}
