// tk_CDDialog: a movable panel that holds controls. It paints an embedded frame painter as its
// body, is dragged by its title strip, comes to the top of its container's dialogs when pressed,
// and lets presses on its empty body fall through to what lies under it.
#pragma once

#include "framework/widgets/tk_CDDialog_EFEKT.h"
#include "framework/widgets/tk_CPolCHLO.h"

class tk_CDDialog : public tk_CPolCHLO {
  public:
    int sir;
    int vys;
    // Paint the body as a flat dark green fill instead of the frame.
    bool plain_fill;
    // The look; its place and size are taken from the dialog before every paint.
    tk_CDDialog_EFEKT frame;

    // Both forms centre the dialog on the screen; the second registers it with its parent.
    tk_CDDialog();
    tk_CDDialog(tk_CPolCHLO* parent, int id);
    ~tk_CDDialog() override;

    // Size, place relative to the parent and background style in one call.
    void Dsgn(int rx, int ry, int w, int h, int style);
    // Centres the dialog with its children on (cx, cy).
    void CHOD_NA_CENTER(int cx, int cy);
    // Makes this the topmost dialog of its container.
    void GO_TOP();

    using tk_CPolCHLO::ZOBRAZ;
    void ZOBRAZ(IDirectDrawSurface* dst) override;
    void GetSize(int* w, int* h) override;
    void SetSize(int w, int h) override;
    // True on the title strip, edges included.
    bool CanDrag(int px, int py) override;
    bool INFORMUJ_SA(int px, int py, int code) override;

    // 1: the body only; 2: the children only; 0 and 3: both.
    virtual void ZOBRAZ(IDirectDrawSurface* dst, int part);

  private:
    void DrawBody(IDirectDrawSurface* dst);
    void FitLabels();
};
