// tk_CIcon: a small drawable value, not an element: a sheet surface and one phase on it, drawn
// with clipping, and a placeholder box for when there is no picture.
#pragma once

#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/graphics/tk_TFAZA.h"
#include "platform/platform.h"

class tk_CIcon {
  public:
    // The sheet the phase lies on.
    tk_CDas_Surface* surface;
    // The icon loaded the sheet from a file itself and destroys it with itself.
    bool own_surface;
    // The rectangle drawn.
    tk_TFAZA phase;
    // False makes the drawing operations that test it draw nothing.
    bool visible;

    tk_CIcon();
    // Loads its own sheet from the file; a missing or unloadable file leaves the icon hidden.
    tk_CIcon(IDirectDraw* dd, const char* file);
    // The same through the framework's DirectDraw object.
    explicit tk_CIcon(const char* file);
    // On a caller's sheet (not owned): the phase around (x, y), or the whole sheet when x or y is 0.
    tk_CIcon(tk_CDas_Surface* s, int x, int y);
    // The whole caller's sheet.
    explicit tk_CIcon(tk_CDas_Surface* s);
    // The given phase of a caller's sheet, taken as it is.
    tk_CIcon(tk_CDas_Surface* s, tk_TFAZA f);

    virtual ~tk_CIcon();
    // The usable icon's phase w, h; otherwise 100, 100.
    virtual void GetSize2(int* w, int* h);

    tk_CIcon(const tk_CIcon&) = delete;
    tk_CIcon& operator=(const tk_CIcon&) = delete;

    // Phase = the one around sheet point (x, y); nothing without a surface.
    void EVIDUJ(int x, int y);
    // Phase = the whole sheet; nothing without a surface.
    void EVIDUJ_CS();
    // Shares the other icon's picture: its surface and phase, never owned.
    void EVIDUJ_PREBER(tk_CIcon* other);
    void EVID_PREBER(tk_CIcon* other) { EVIDUJ_PREBER(other); }

    // A surface and a phase of non-zero size.
    bool Usable() const;

    // If visible: the phase at (x, y) clipped to the screen, or the placeholder.
    void ZOBRAZ(IDirectDrawSurface* dst, int x, int y);
    // If visible: the phase at (x, y) clipped to the window l..r x t..b, or the placeholder.
    void ZOBRAZ_2(IDirectDrawSurface* dst, int l, int r, int t, int b, int x, int y);
    // The phase at (x, y) clipped to the screen less a one-pixel margin; no visibility test, no
    // placeholder.
    void ZOBRAZ_2(IDirectDrawSurface* dst, int x, int y);
    // If visible: the phase placed around (cx, cy) clipped to the window; align 1 puts its left
    // at cx, align 2 its right, anything else its centre.
    void ZOBRAZ_3_centr(IDirectDrawSurface* dst, int l, int r, int t, int b, int cx, int cy, int align);

  private:
    // Takes a caller's sheet; the phase is located unless both x and y are -1.
    void UseSurface(tk_CDas_Surface* s, int x, int y);
    void LoadOwn(IDirectDraw* dd, const char* file);
    void DrawPlaceholder(IDirectDrawSurface* dst, int x, int y);
};
