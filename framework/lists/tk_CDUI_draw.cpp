// Drawing the list menu: background, highlights and frames, icons, texts.
#define TK_MODULE "TK_DUI_w"
#include <algorithm>

#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/lists/tk_CDUI.h"
#include "framework/lists/tk_TVOLBA.h"
#include "framework/support/tk_Assert.h"
#include "framework/widgets/tk_CDUI_podklad_efekt.h"
#include "framework/widgets/tk_CIcon.h"
#include "platform/ddraw/surface_access.h"

namespace {

// The icon's left edge for the horizontal letter of the placement code.
int iconX(char letter, const RECT& p, int iw, int m) {
    switch (letter) {
        case 'C':
            return (p.left + p.right - iw + 1) / 2;
        case 'L':
            return p.left + m;
        case 'R':
        case 'P':
            return p.right - m - iw + 1;
        default:
            TK_FAIL("tk_CDUI::ZOBRAZ - IconMode");
    }
}

int iconY(char letter, const RECT& p, int ih, int m) {
    switch (letter) {
        case 'B':
        case 'D':
            return p.bottom - m - ih + 1;
        case 'C':
            return (p.top + p.bottom - ih + 1) / 2;
        case 'T':
        case 'H':
            return p.top + m;
        default:
            TK_FAIL("tk_CDUI::ZOBRAZ - IconMode");
    }
}

// Where and how an entry's text is drawn; a cut entry keeps its text where the whole entry has it.
RECT textRect(const tk_TVOLBA& v, const char* mode, int m, UINT* format) {
    const RECT& e = v.rect;
    const RECT& w = v.rect2;
    RECT t{e.left + 1, e.top + 1, e.right - 1, e.bottom - 1};
    UINT f = 0;
    switch (mode[0]) {
        case 'C':
            f = DT_CENTER;
            break;
        case 'L':
            t.left = e.left + m;
            break;
        case 'R':
        case 'P':
            f = DT_RIGHT;
            t.right = e.right - m;
            break;
        default:
            TK_FAIL("tk_CDUI::ZOBRAZ - TextMode");
    }
    char vert = mode[1];
    bool bottom = vert == 'B' || vert == 'D', centre = vert == 'C', top = vert == 'T' || vert == 'H';
    if (!bottom && !centre && !top) TK_FAIL("tk_CDUI::ZOBRAZ - TextMode");
    if (v.rect2_mode == 1) {
        f |= DT_BOTTOM | DT_SINGLELINE;
        if (bottom) t.bottom = e.bottom - m;
        if (centre) t.bottom = (w.top + w.bottom - 1 + v.text_h) / 2;
        if (top) t.bottom = w.top + m - 1 + v.text_h;
        t.bottom = std::max(t.bottom, t.top);
    } else if (v.rect2_mode == 2) {
        if (bottom) t.top = w.bottom - m - v.text_h + 1;
        if (centre) t.top = (w.top + w.bottom - v.text_h + 1) / 2;
        if (top) t.top = e.top + m;
        t.top = std::min(t.top, t.bottom);
    } else {
        if (bottom) {
            f |= DT_BOTTOM | DT_SINGLELINE;
            t.bottom = e.bottom - m;
        }
        if (centre) f |= DT_VCENTER | DT_SINGLELINE;
        if (top) t.top = e.top + m;
    }
    *format = f;
    return t;
}

}  // namespace

void tk_CDUI::ZOBRAZ() {
    if (visible && vlastny_srf) ZOBRAZ(vlastny_srf);
}

void tk_CDUI::ZOBRAZ(IDirectDrawSurface* surface) {
    if (!visible || !surface) return;
    if (volby.count == 0 && tk_CDUI_void_flag) return;
    if (zmena) RESET_GEOMETRIE();
    int r = RowCount();
    // Both washes work on the locked surface, before any device context is taken.
    if (podklad == 1) tk_CDUI_podklad_efekt_A_biela_siet(surface, obal, true);
    if (podklad == 3) tk_CDUI_podklad_efekt_B_mliecny(surface, obal);
    DrawHighlights(surface, r);
    DrawIcons(surface, r);
    DrawTexts(surface, r);
}

void tk_CDUI::DrawHighlights(IDirectDrawSurface* surface, int r) {
    tkp::ddraw::SurfaceDC dc(surface);
    if (!dc.ok()) return;
    dc.select(GetStockObject(NULL_BRUSH));
    dc.select(pero_ramik);
    if (podklad == 2) FillRect(dc, &obal, stetec_podklad);
    for (int i = 0; i < r; ++i) {
        tk_TVOLBA* v = EntryAt(i);
        if (v->stav == 0) {
            if (ramik_volieb < 1) continue;
            dc.select(GetStockObject(NULL_BRUSH));
            dc.select(pero_ramik);
            Rectangle(dc, v->rect.left, v->rect.top, v->rect.right, v->rect.bottom);
            continue;
        }
        if (v->stav < 1 || v->stav > 3) continue;
        HBRUSH brush = v->stav == 1 ? stetec_1 : v->stav == 2 ? stetec_2 : stetec_3;
        int sx = posun == 1 ? posun_x : 0, sy = posun == 1 ? posun_y : 0;
        RECT h{v->rect.left + sx - nafuk_x, v->rect.top + sy - nafuk_y, v->rect.right + sx + nafuk_x,
               v->rect.bottom + sy + nafuk_y};
        if (oble) {
            dc.select(GetStockObject(NULL_PEN));
            dc.select(brush);
            RoundRect(dc, h.left, h.top, h.right, h.bottom, oble_x, oble_y);
            continue;
        }
        if (styl & 1) FillRect(dc, &h, brush);
        // Raised over the hovered entry, sunken under the pressed one; an open pop-up gets none.
        if ((styl & 2) && v->stav != 3) {
            dc.select(pero_level);
            tk_glob_Level_efekt(dc, &h, v->stav == 1 ? 1 : 2);
        }
    }
}

void tk_CDUI::DrawIcons(IDirectDrawSurface* surface, int r) {
    for (int i = 0; i < r; ++i) {
        tk_TVOLBA* v = EntryAt(i);
        if (!v->icon) continue;
        // Clipped by the visible part; a cut entry's icon keeps its place in the whole entry.
        int l = std::max<int>(v->rect.left, 0), t = std::max<int>(v->rect.top, 0);
        int rr = std::min<int>(v->rect.right, tk_ScreenW - 1),
            bb = std::min<int>(v->rect.bottom, tk_ScreenH - 1);
        const RECT& p = v->rect2_mode > 0 ? v->rect2 : v->rect;
        int ix = iconX(icon_mode[0], p, v->icon->phase.w, icon_okraj);
        int iy = iconY(icon_mode[1], p, v->icon->phase.h, icon_okraj);
        v->icon->ZOBRAZ_2(surface, l, rr, t, bb, ix, iy);
    }
}

void tk_CDUI::DrawTexts(IDirectDrawSurface* surface, int r) {
    bool any = false;
    for (int i = 0; i < r && !any; ++i) any = EntryAt(i)->text != nullptr;
    if (!any) return;
    tkp::ddraw::SurfaceDC dc(surface);
    if (!dc.ok()) return;
    dc.select(font);
    int old_mode = SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < r; ++i) {
        const tk_TVOLBA* v = EntryAt(i);
        if (v->text) DrawEntryText(dc, *v);
    }
    SetBkMode(dc, old_mode);
}

void tk_CDUI::DrawEntryText(HDC dc, const tk_TVOLBA& v) {
    UINT f = 0;
    RECT t = textRect(v, text_mode, text_okraj, &f);
    // The measured width is one more than the text's advance.
    const int room = static_cast<int>(t.right - t.left);
    HFONT narrowed = text_fit != 0 && v.text_w - 1 > room ? FittedFont(dc, v.text, room) : nullptr;
    if (narrowed) SelectObject(dc, narrowed);
    // Entries are often file and folder names: "&" is shown, never taken for a prefix.
    DrawTextA(dc, v.text, -1, &t, f | DT_NOPREFIX);
    if (narrowed) SelectObject(dc, font);
}
