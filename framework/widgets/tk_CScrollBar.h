// tk_CScrollBar: a container that builds a scroll bar from a slider knob and two arrow buttons
// over a tiled track picture, and reports one position to its own container.
#pragma once

#include "framework/widgets/tk_CIcon.h"
#include "framework/widgets/tk_CPolCHLO.h"

class tk_CPosuv;
class tk_CTlac;

// The ids of the parts inside every scroll bar.
constexpr int tk_SCROLLBAR_ID_KNOB = 70001;
constexpr int tk_SCROLLBAR_ID_BTN_A = 70002;
constexpr int tk_SCROLLBAR_ID_BTN_B = 70003;

class tk_CScrollBar : public tk_CPolCHLO {
  public:
    // 'H' horizontal, 'V' vertical.
    char orientation;
    // Length along the axis in pixels.
    int length;
    // Thickness given to the void design; stored only.
    int thickness;
    // Non-zero after Dsgn_Stock: SetupVisual lays the parts out with the skin's pictures.
    int stock;
    // The range given by SR; both 0 mean none was given (1 to 100 is used).
    int min_value;
    int max_value;
    // The parts, children of the bar: knob (70001), decreasing arrow (70002), increasing (70003).
    tk_CPosuv* slider;
    tk_CTlac* btnA;
    tk_CTlac* btnB;
    // The track picture, tiled along the bar.
    tk_CIcon track;

    tk_CScrollBar(tk_CPolCHLO* parent, int id);

    // The element's operations, as a scroll bar.
    using tk_CPolCHLO::ZOBRAZ;
    void ZOBRAZ(IDirectDrawSurface* dst) override;
    // Along the axis the length, across it arrow A's size.
    void GetSize(int* w, int* h) override;
    // Changes the length ('H' takes w, 'V' takes h).
    void SetSize(int w, int h) override;
    int SetupVisual() override;
    bool HandleFWInteraction(int id, int value, tk_CPol* sender) override;

    // Designs: the skin's pictures, or the parts' own.
    void Dsgn_Stock(char orientation, int rx, int ry, int length);
    void Dsgn_Void(char orientation, int rx, int ry, int length, int thickness);

    // Range and position, as on the knob.
    void SR(int min, int max);
    void SP(int v);
    int GP() const;
    void Poz_reset();

  private:
    // A: arrow A's extent along the axis; S: the knob's.
    int ArrowExtent();
    int KnobExtent();
    // Reports the knob's position to the parent; false without one.
    bool Report();
};
