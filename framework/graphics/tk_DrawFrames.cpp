// Bevel frames and thin frames, drawn with GDI lines into a caller's device context.
#include "framework/graphics/tk_Draw.h"

void tk_glob_Polyline(HDC dc, HGDIOBJ pen, std::initializer_list<POINT> points) {
    if (points.size() == 0) return;
    HGDIOBJ old = SelectObject(dc, pen);
    const POINT* p = points.begin();
    MoveToEx(dc, p->x, p->y, nullptr);
    for (++p; p != points.end(); ++p) LineTo(dc, p->x, p->y);
    SelectObject(dc, old);
}

void tk_glob_Level_efekt(HDC dc, const RECT* r, int kind) {
    if (!dc || !r || (kind != 1 && kind != 2)) return;
    const tk_TGlobGDI& gdi = tk_glob_GDI();
    HGDIOBJ white = GetStockObject(WHITE_PEN);
    HGDIOBJ black = GetStockObject(BLACK_PEN);
    int L = r->left, T = r->top, R = r->right - 1, B = r->bottom - 1;
    if (kind == 1) {
        // Raised: light top and left, black bottom and right, grey just inside them.
        tk_glob_Polyline(dc, white, {{L, B}, {L, T}, {R, T}});
        tk_glob_Polyline(dc, black, {{R, T}, {R, B}, {L - 1, B}});
        tk_glob_Polyline(dc, gdi.pen_grey, {{R - 1, T + 1}, {R - 1, B - 1}, {L, B - 1}});
    } else {
        // Sunken: grey top and left, light bottom and right, black just inside the top and left.
        tk_glob_Polyline(dc, gdi.pen_grey, {{L, B}, {L, T}, {R, T}});
        tk_glob_Polyline(dc, white, {{R, T}, {R, B}, {L, B}});
        tk_glob_Polyline(dc, black, {{L + 1, B - 1}, {L + 1, T + 1}, {R, T + 1}});
    }
}

void tk_glob_Level_efekt2_fill(HDC dc, const RECT* r, int kind) {
    if (!dc || !r) return;
    FillRect(dc, r, tk_glob_GDI().brush_grey);
    tk_glob_Level_efekt(dc, r, kind);
}

void tk_glob_Ramik(HDC dc, const RECT* r, int kind) {
    if (!dc || !r) return;
    HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    HGDIOBJ old_pen = nullptr;
    if (kind == 0) old_pen = SelectObject(dc, GetStockObject(WHITE_PEN));
    if (kind == 1) old_pen = SelectObject(dc, tk_glob_GDI().pen_blue);
    Rectangle(dc, r->left, r->top, r->right, r->bottom);
    if (old_pen) SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
}
