// tk_CDas_Surface: a sprite sheet in one off-screen surface. It remembers the name it was loaded
// from so that it can refill the surface after a loss, keeps the transparent and background
// colours as raw pixel values read from the sheet, locates phases from a point inside them and
// draws the sheet, a part of it or a phase: keyed, clipped, mirrored, stretched or blended.
#pragma once

#include "framework/graphics/tk_TFAZA.h"
#include "platform/platform.h"

class tk_CDas_Surface {
  public:
    // Copy of the name of the last load (resource or file); null until the first load.
    char* subor_nazov;
    // The sheet (one reference owned); null when nothing is loaded or after release.
    IDirectDrawSurface* SURFACE;
    int w;
    int h;
    // Transparent colour as a pixel value; 0 = none (drawn opaque).
    WORD TC;
    // Background colour as a pixel value; phases are framed by it.
    WORD BC;
    // Loaded at an explicit size, so a refill loads at w x h.
    bool stretch;
    // A label naming the surface; nothing reads it.
    char meno[31];

    tk_CDas_Surface();
    // The label is cut to 30 characters.
    explicit tk_CDas_Surface(const char* label);
    virtual ~tk_CDas_Surface();
    tk_CDas_Surface(const tk_CDas_Surface&) = delete;
    tk_CDas_Surface& operator=(const tk_CDas_Surface&) = delete;

    // ---- Loading and the surface's life (the twins without dd use tk_lpDD) ---------------------
    // Loads the bitmap at its own size (w, h follow it); 1 on success, 0 (logged) on failure.
    int NAHRAJ_SURFACE(IDirectDraw* dd, const char* name);
    int NAHRAJ_SURFACE(const char* name);
    // Loads the bitmap scaled to width x height; w, h become that size even when the load fails.
    int NAHRAJ_SURFACE_2_stretch(IDirectDraw* dd, const char* name, int width, int height);
    int NAHRAJ_SURFACE_2_stretch(const char* name, int width, int height);
    // Loads again from subor_nazov at the bitmap's own size (after a change of display mode).
    int RENAHRAJ_SURFACE();
    // Restores the surface's memory and refills it; the result of the restore.
    long RESTORE_SURFACE();
    // Lets go of the surface; the name, size and colours stay.
    void RELEASE_SURFACE();

    // ---- Colours and phases ----------------------------------------------------------------------
    // TC = pixel (x, y), set as the surface's source colour key.
    void TC_NASTAV(int x, int y);
    // BC = pixel (x, y).
    void BC_NASTAV(int x, int y);
    // The phase through the point (x, y), bounded by the first BC pixels in the four directions.
    tk_TFAZA ZAMERAJ_FAZU(int x, int y);
    // The whole sheet inside its one-pixel frame.
    tk_TFAZA ZAMERAJ_FAZU_CS();

    // ---- Drawing (the twins without a destination draw onto tk_lpDDSBack) ----------------------
    // The whole surface at (x, y), keyed when TC is not 0.
    void ZOBRAZ(IDirectDrawSurface* dst, int x, int y);
    void ZOBRAZ(int x, int y);
    // The rectangle src of the surface at (x, y).
    void Zobraz_Rect(IDirectDrawSurface* dst, int x, int y, RECT src);
    void Zobraz_Rect(int x, int y, RECT src);
    // The whole surface centred on the screen.
    void Zobraz_Center(IDirectDrawSurface* dst);
    void Zobraz_Center();
    // The whole surface at (x, y) blended with a constant alpha (0 to 255); no retry.
    void ZOBRAZ_ALPHA(IDirectDrawSurface* dst, int x, int y, DWORD alpha);
    void ZOBRAZ_ALPHA(int x, int y, DWORD alpha);
    // The phase at (x, y), clipped to the screen when clip is 1.
    void ZOBRAZ_FAZU(IDirectDrawSurface* dst, int x, int y, tk_TFAZA f, int clip);
    void ZOBRAZ_FAZU(int x, int y, tk_TFAZA f, int clip);
    // The phase mirrored left to right, keyed with the surface's colour key.
    void ZOBRAZ_FAZU_Z(IDirectDrawSurface* dst, int x, int y, tk_TFAZA f, int clip);
    void ZOBRAZ_FAZU_Z(int x, int y, tk_TFAZA f, int clip);
    // The phase at (x, y) clipped to the window left..right x top..bottom.
    void ZOBRAZ_FAZU_2(IDirectDrawSurface* dst, int left, int right, int top, int bottom, int x, int y,
                       tk_TFAZA f);
    void ZOBRAZ_FAZU_2(int left, int right, int top, int bottom, int x, int y, tk_TFAZA f);
    // Scaled copies without colour key: source rectangle into destination rectangle; the whole
    // surface into a rectangle; a rectangle onto the whole destination; the whole onto the whole.
    void Zobraz_Stretch_1(IDirectDrawSurface* dst, RECT dstRect, RECT srcRect);
    void Zobraz_Stretch_1(RECT dstRect, RECT srcRect);
    void Zobraz_Stretch_2(IDirectDrawSurface* dst, RECT dstRect);
    void Zobraz_Stretch_2(RECT dstRect);
    void Zobraz_Stretch_3(IDirectDrawSurface* dst, RECT srcRect);
    void Zobraz_Stretch_3(RECT srcRect);
    void Zobraz_Stretch_4(IDirectDrawSurface* dst);
    void Zobraz_Stretch_4();

  private:
    // Keeps a copy of the name (which may be subor_nazov itself).
    void RememberName(const char* name);
};

// Fills the whole surface with a raw pixel value (not an RGB colour); DirectDraw's result.
HRESULT DDSURFACE_ZMAZ(IDirectDrawSurface* surface, DWORD value);
