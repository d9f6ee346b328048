// tk_CPolIcon: an element that shows one icon.
#pragma once

#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/graphics/tk_TFAZA.h"
#include "framework/widgets/tk_CIcon.h"
#include "framework/widgets/tk_CPol.h"
#include "platform/platform.h"

class tk_CPolCHLO;

class tk_CPolIcon : public tk_CPol, public tk_CIcon {
  public:
    // The element's visibility (the icon part keeps its own flag for its load).
    using tk_CPol::visible;

    // A child whose icon loads the file through the framework's DirectDraw object.
    tk_CPolIcon(tk_CPolCHLO* parent, int rx, int ry, const char* file);
    // A child sharing src's picture.
    tk_CPolIcon(tk_CPolCHLO* parent, int rx, int ry, tk_CIcon* src);
    // A child at the cascading place with an empty icon.
    tk_CPolIcon(tk_CPolCHLO* parent, int id);
    // Free-standing at absolute (x, y), showing that phase of s (not owned).
    tk_CPolIcon(int x, int y, tk_CDas_Surface* s, tk_TFAZA f);

    // The element's operations, as an icon.
    using tk_CIcon::ZOBRAZ;
    void ZOBRAZ() override;
    void ZOBRAZ(IDirectDrawSurface* dst) override;
    void GetSize(int* w, int* h) override;
    ~tk_CPolIcon() override;

    // Moves to (rx, ry) and shares src's picture.
    void Dsgn_PolIcon_Copy(int rx, int ry, tk_CIcon* src);
    // Moves to (rx, ry) and shows the phase around (x, y) of s (not owned).
    void Dsgn_PolIcon_User(int rx, int ry, tk_CDas_Surface* s, int x, int y);

  private:
    void InitIconElement();
};
