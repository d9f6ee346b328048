// The drawing helpers: hit tests, distances, clipping to the screen or a window, bevel frames,
// thin frames, text output and measuring through GDI, the framework's shared pens and brushes,
// and the program-wide default for icon transparency.
#pragma once

#include <initializer_list>

#include "platform/platform.h"

// ---- Geometry and clipping -------------------------------------------------------------------
// True when left <= x <= right and top <= y <= bottom (all edges inside).
bool tk_glob_test_v_rect(int left, int top, int right, int bottom, int x, int y);
double tk_glob_Distance(int x1, int y1, int x2, int y2);
// Limits the rectangle in place: right and bottom to the screen size + 1, left and top to 1.
void tk_glob_Orez_Rect2Screen(RECT* r);
// Clips a picture src placed at (*x, *y) to the window l..r x t..b; false when nothing shows.
bool tk_glob_OREZ_Rect2LPHD(int l, int r, int t, int b, int* x, int* y, RECT* src);

// ---- Frames ----------------------------------------------------------------------------------
// Bevel frame inside the rectangle: kind 1 raised, kind 2 sunken, other kinds nothing.
void tk_glob_Level_efekt(HDC dc, const RECT* r, int kind);
// Fills the rectangle light grey, then the bevel frame.
void tk_glob_Level_efekt2_fill(HDC dc, const RECT* r, int kind);
// Hollow rectangle: white pen for kind 0, blue pen for kind 1, the selected pen otherwise.
void tk_glob_Ramik(HDC dc, const RECT* r, int kind);
// Lines from point to point with the pen, which is then deselected again; as with LineTo, the
// last point itself is not painted.
void tk_glob_Polyline(HDC dc, HGDIOBJ pen, std::initializer_list<POINT> points);

// ---- Text ------------------------------------------------------------------------------------
// Text on a transparent background in the given colour; the context's text colour is restored.
void tk_glob_Text(HDC dc, int x, int y, COLORREF colour, const char* text);
void tk_glob_Text_font(HDC dc, int x, int y, COLORREF colour, HFONT font, const char* text);
void tk_glob_Text_draw_font(HDC dc, RECT* r, UINT format, COLORREF colour, HFONT font, const char* text);
// Takes the surface's device context for one tk_glob_Text; returns the failure of GetDC, else
// the result of ReleaseDC.
HRESULT tk_glob_Text_srf(IDirectDrawSurface* surface, int x, int y, COLORREF colour, const char* text);
// Width (one more than GDI's extent) and height of the text in the font (null: the system font),
// measured on the primary surface's device context.
void tk_glob_ZISTI_ROZMER_TEXTU(const char* text, HFONT font, int* w, int* h);
// The columns the text's ink covers on one line in the font, counted from where its pen starts:
// *left below 0 where the first glyph reaches back, *right past the advance where the last one
// reaches out (a caron, a slanted stroke). Drawn once off screen to see it; without a display, or
// for a text with no ink, 0 and the advance width. Either pointer may be null.
void tk_glob_TextInk(const char* text, HFONT font, int* left, int* right);

// ---- Shared pens and brushes -----------------------------------------------------------------
struct tk_TGlobGDI {
    HPEN pen_grey;        // 80, 80, 80: the dark inner line of bevels
    HPEN pen_blue;        // 0, 160, 232: frames of kind 1
    HBRUSH brush_grey;    // 216, 216, 216: the fill under a bevel
    HBRUSH brush_blue;    // 60, 60, 255: list entries in state 1
    HBRUSH brush_red;     // 255, 60, 60: list entries in state 2
    HBRUSH brush_yellow;  // 255, 255, 60: list entries in state 3
};
// The shared objects, created on first use and kept for the whole run.
const tk_TGlobGDI& tk_glob_GDI();
// Deletes the shared objects (at the end of the program); the next use creates them again.
void tk_glob_GDI_Release();

// ---- Icon transparency -----------------------------------------------------------------------
// While non-zero, an icon loaded from a single file is transparent where its pixel (1, 1) is.
void tk_glob_Set_CIcon_default_transparency(int on);
int tk_glob_Get_CIcon_default_transparency();
