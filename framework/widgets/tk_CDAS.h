// tk_CDAS: the sprite element. A sheet surface and a list of phases of which one is shown; without
// a surface it paints itself as a raised box of its void size. The base of buttons, toggles and
// sliders, which use the phase index as their visual state.
#pragma once

#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/graphics/tk_TFAZA.h"
#include "framework/support/tk_CARRE.h"
#include "framework/widgets/tk_CPol.h"
#include "platform/platform.h"

class tk_CPolCHLO;

class tk_CDAS : public tk_CPol {
  public:
    // Horizontal step per AKTIVUJ.
    int dx;
    // A drag with the left button moves the sprite (buttons and toggles clear it).
    bool drag_moves;
    // Draw the current phase mirrored left to right when non-zero.
    int mirrored;
    tk_CDas_Surface* surface;
    // The sprite destroys the surface with itself.
    bool own_surface;
    // Heap tk_TFAZA records in registration order; the array does not own them, the sprite does.
    tk_CARRE phases;
    // Index of the phase shown.
    int current;
    // Transparent colour read by the sprite's own TC_NASTAV.
    WORD TC;
    // The sprite's own phase-frame colour; used instead of the sheet's when non-zero.
    WORD BC;
    // Size used when there is no surface or no phase.
    int void_SIR;
    int void_VYS;

    // Free-standing at absolute (x, y).
    tk_CDAS(int x = 200, int y = 250);
    tk_CDAS(const char* name, int x, int y);
    tk_CDAS(tk_CPolCHLO* parent, int rx, int ry);
    tk_CDAS(tk_CPolCHLO* parent, int id);

    // The element's operations, as a sprite.
    using tk_CPol::ZOBRAZ;
    void ZOBRAZ(IDirectDrawSurface* dst) override;
    void GetSize(int* w, int* h) override;
    // Sets the void size.
    void SetSize(int w, int h) override;
    bool INFORMUJ_SA(int px, int py, int code) override;
    ~tk_CDAS() override;
    // One step of horizontal drift, wrapping around the screen.
    virtual void AKTIVUJ();

    // ---- Design ------------------------------------------------------------------------------
    // No picture: a box of w x h at (rx, ry).
    void Dsgn0_VoidDC(int rx, int ry, int w, int h);
    // The pictures of the skin template with that stock name; other names only move the sprite.
    void Dsgn1_Stock(int rx, int ry, const char* which);
    // A caller's sheet (not owned) and three phases located from three points.
    void Dsgn2_UserA(int rx, int ry, tk_CDas_Surface* s, int x1, int y1, int x2, int y2, int x3, int y3);
    // Shares another sprite's pictures.
    void Dsgn3_UserB(int rx, int ry, tk_CDAS* src);

    // ---- Sheet and phases --------------------------------------------------------------------
    // Loads the bitmap into the surface object already set; 1 on success, 0 otherwise.
    int NAHRAJ_SURFACE(IDirectDraw* dd, const char* name);
    // TC = sheet pixel (x, y), made the sheet's colour key; the sheet's own TC stays.
    void TC_NASTAV(int x, int y);
    // BC = sheet pixel (x, y).
    void BC_NASTAV(int x, int y);
    // Appends the phase around sheet point (x, y); nothing without a surface.
    void EVIDUJ(int x, int y);
    // Appends the whole-sheet phase; nothing without a surface.
    void EVIDUJ_CS();
    // Shares src's surface and copies of its phases and BC; current, TC and the void size stay.
    void EVID_PREBER(tk_CDAS* src);
    // Next phase, back to 0 after the last.
    void NF();
    // Shows phase n; unchecked (an index outside the list shows nothing).
    void SF(int n) { current = n; }

    // ---- Size and hits -----------------------------------------------------------------------
    int AktSIR();
    int AktVYS();
    // The current size's box inset by one pixel on every side.
    bool ZASAH(int px, int py);
    // ZASAH and a pixel of the current phase that is not the sheet's transparent colour.
    bool OSTRY_ZASAH(int px, int py);

    // The box painted when there is no picture.
    void ZOBRAZ_VOID(IDirectDrawSurface* dst);

  protected:
    // The current phase, or null without a surface or when current is outside the list.
    tk_TFAZA* CurrentPhase() const;
    tk_TFAZA* Phase(int i) const { return static_cast<tk_TFAZA*>(phases.items[i]); }
    void FreePhases();

  private:
    void InitSprite();
};
