#define TK_MODULE "TK_DAS_w"
#include "framework/widgets/tk_CDDialog_EFEKT.h"

#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/support/tk_String.h"
#include "framework/widgets/tk_CDUI_podklad_efekt.h"
#include "framework/widgets/tk_CIcon.h"
#include "framework/widgets/tk_globals.h"
#include "platform/ddraw/surface_access.h"

tk_CDDialog_EFEKT::tk_CDDialog_EFEKT() : tk_CPol() {
    SetClassId(tk_CLASS_CDDialog_EFEKT);
    SetName("noname");
    Vytvor_Inic();
}

tk_CDDialog_EFEKT::tk_CDDialog_EFEKT(int x_, int y_, int w, int h, const char* text) : tk_CDDialog_EFEKT() {
    MoveToAbs(x_, y_);
    sir = w;
    vys = h;
    SetTitle(text);
}

tk_CDDialog_EFEKT::~tk_CDDialog_EFEKT() {
    ReleaseGdi();
}

void tk_CDDialog_EFEKT::ReleaseGdi() {
    for (HGDIOBJ* o : {&brush_body, &brush_title, &pen_white, &pen_light, &pen_mid, &pen_dark}) {
        if (*o) DeleteObject(*o);
        *o = nullptr;
    }
}

void tk_CDDialog_EFEKT::Vytvor_Inic() {
    sir = 300;
    vys = 200;
    title_h = 16;
    podklad = 1;
    passive = false;
    title_drag = true;
    title[0] = '\0';
    picture = nullptr;
    MoveToAbs(10, 10);
    state = 0;
    // A second call replaces the objects instead of leaking them.
    ReleaseGdi();
    brush_body = CreateSolidBrush(0xB4B4B4);
    brush_title = CreateSolidBrush(0xC86464);
    pen_white = CreatePen(PS_SOLID, 1, 0xFFFFFF);
    pen_light = CreatePen(PS_SOLID, 1, 0xD7D7D7);
    pen_mid = CreatePen(PS_SOLID, 1, 0xA0A0A0);
    pen_dark = CreatePen(PS_SOLID, 1, 0x505050);
}

void tk_CDDialog_EFEKT::SetTitle(const char* text) {
    tk_StrCopy(title, text ? text : "");
}

void tk_CDDialog_EFEKT::Center() {
    MoveToAbs((tk_ScreenW - sir) / 2, (tk_ScreenH - vys) / 2);
}

void tk_CDDialog_EFEKT::CHOD_NA_CENTER(int cx, int cy) {
    MoveToAbs(cx - sir / 2, cy - vys / 2);
}

void tk_CDDialog_EFEKT::ZOBRAZ(IDirectDrawSurface* dst) {
    if (!visible || !dst) return;
    const int L = x, T = y, R = x + sir, B = y + vys;
    const RECT body{L, T + title_h, R + 1, B + 1};
    // The pixel effects work on the locked surface, so they come before the device context.
    if (podklad == 1)
        tk_CDUI_podklad_efekt_A_biela_siet(dst, RECT{L - 1, T + title_h - 1, R + 3, B + 2}, false);
    if (podklad == 3) tk_CDUI_podklad_efekt_B_mliecny(dst, body);
    if (tkp::ddraw::SurfaceDC dc(dst); dc.ok()) {
        if (podklad == 2) FillRect(dc, &body, brush_body);
        if (title_h > 0 && !picture) {
            const RECT strip{L, T, R + 1, T + title_h};
            FillRect(dc, &strip, brush_title);
        }
        if (title[0]) {
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, 0xFFFFFF);
            dc.select(GetStockObject(SYSTEM_FONT));
            TextOutA(dc, L + 10, T, title, -1);
        }
        DrawFrame(dc, L, T, R, B);
    }
    if (picture) picture->ZOBRAZ_2(dst, L, R + 1, T, B, L, T);
}

// The etched frame, lit from the top-left: light and white lines above and left, mid and dark
// grey lines right and below.
void tk_CDDialog_EFEKT::DrawFrame(HDC dc, int l, int t, int r, int b) {
    tk_glob_Polyline(dc, pen_light,
                     {{l - 1, t - 1}, {r + 1, t - 1}, {r + 1, b + 1}, {l - 1, b + 1}, {l - 1, t - 1}});
    tk_glob_Polyline(dc, pen_light, {{l - 3, b + 3}, {l - 3, t - 3}, {r + 3, t - 3}});
    tk_glob_Polyline(dc, pen_white, {{l - 2, b + 2}, {l - 2, t - 2}, {r + 2, t - 2}});
    tk_glob_Polyline(dc, pen_mid, {{r + 2, t - 2}, {r + 2, b + 2}, {l - 3, b + 2}});
    tk_glob_Polyline(dc, pen_dark, {{r + 3, t - 3}, {r + 3, b + 3}, {l - 4, b + 3}});
}

bool tk_CDDialog_EFEKT::INFORMUJ_SA(int px, int py, int code) {
    if (!visible || passive) return false;
    const bool inside = px >= x && px <= x + sir && py >= y && py <= y + vys;
    if (!inside && state != 2) {
        state = 0;
        return false;
    }
    // The panel consumes every event inside its box; a move while held drags it.
    const bool onStrip = !title_drag || py - y <= title_h;
    if (Drag(px, py, code, true, onStrip) == DragStep::Dragged && movable) {
        x = px - tk_drag_dx;
        y = py - tk_drag_dy;
    }
    return true;
}
