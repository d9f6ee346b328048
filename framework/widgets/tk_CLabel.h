// tk_CLabel: an element that shows one line of text.
#pragma once

#include "framework/widgets/tk_CPol.h"
#include "platform/platform.h"

class tk_CPolCHLO;

class tk_CLabel : public tk_CPol {
  public:
    // The text shown: a heap copy the label owns.
    char* text;
    // Text colour (red in the low byte); owners write it directly.
    COLORREF colour;
    // The label's font; null means the skin's font. Owners write it directly.
    HFONT font;

    tk_CLabel(tk_CPolCHLO* parent, int rx, int ry, const char* text);
    tk_CLabel(tk_CPolCHLO* parent, int id, const char* text);
    // The text "Label [id]".
    tk_CLabel(tk_CPolCHLO* parent, int id);

    // The element's operations, as a label.
    using tk_CPol::ZOBRAZ;
    void ZOBRAZ(IDirectDrawSurface* dst) override;
    // Measured with the skin's font, whatever the label's own font.
    void GetSize(int* w, int* h) override;
    ~tk_CLabel() override;

    // The text on a device context the caller holds.
    void ZOBRAZ(HDC dc);

    // Moves to (rx, ry) and keeps a copy of the text.
    void Dsgn(int rx, int ry, const char* text);
    void Dsgn(int rx, int ry);
    // Keeps a copy of the text.
    void SetText(const char* text);

    // The pixels the text may take to the right of x (0: as many as it needs). A text in the
    // skin's font that needs more is drawn in a narrower cut of it.
    int room = 0;
    // The text's width in the font it is drawn with, or in the skin's font when narrowed.
    int TextWidth();

  private:
    void InitLabel(const char* text);
    HFONT DrawFont();

    // Measured once per text, font and room.
    int measured_w_ = -1;
    HFONT measured_font_ = nullptr;
    int fitted_width_ = 0;
    int fitted_room_ = -1;
};
