// tk_CDDialog_EFEKT: a painter element that draws a framed panel (an optional title strip with
// text, a background in one of three styles, an etched frame lit from the top-left, an optional
// picture) and keeps a pointer machine that lets the panel be pressed and dragged.
#pragma once

#include "framework/widgets/tk_CPol.h"

class tk_CIcon;

class tk_CDDialog_EFEKT : public tk_CPol {
  public:
    // Size of the panel in pixels.
    int sir;
    int vys;
    // Height of the title strip; 0 or less: no strip.
    int title_h;
    // Background: 1 white net, 2 solid body brush, 3 milky; any other value paints none.
    int podklad;
    // A passive panel takes no pointer events.
    bool passive;
    // A drag can start only on the title strip.
    bool title_drag;
    // Title text, at most 41 bytes and the terminator.
    char title[42];
    HBRUSH brush_body = nullptr;
    HBRUSH brush_title = nullptr;
    HPEN pen_white = nullptr;
    HPEN pen_light = nullptr;
    HPEN pen_mid = nullptr;
    HPEN pen_dark = nullptr;
    // Optional picture over the top-left corner (not owned); with it the strip is not filled.
    tk_CIcon* picture;

    tk_CDDialog_EFEKT();
    // A panel at absolute (x, y) of w x h with a copy of the title (cut to fit the field).
    tk_CDDialog_EFEKT(int x, int y, int w, int h, const char* title);
    ~tk_CDDialog_EFEKT() override;

    // The defaults (place 10, 10, state 0) and new brushes and pens.
    void Vytvor_Inic();
    // Copies a title into the field, cut to 41 bytes at a character boundary.
    void SetTitle(const char* text);
    // Centres the panel on the screen.
    void Center();
    // Centres the panel on (cx, cy).
    void CHOD_NA_CENTER(int cx, int cy);

    using tk_CPol::ZOBRAZ;
    void ZOBRAZ(IDirectDrawSurface* dst) override;
    bool INFORMUJ_SA(int px, int py, int code) override;

  private:
    void ReleaseGdi();
    void DrawFrame(HDC dc, int l, int t, int r, int b);
};
