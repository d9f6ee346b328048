// tk_CDS: a sprite kind with one more way to register a phase: the whole sheet.
#pragma once

#include "framework/widgets/tk_CDAS.h"

class tk_CPolCHLO;

class tk_CDS : public tk_CDAS {
  public:
    // The sprite's constructor forms, with the class id of this kind.
    tk_CDS(int x = 200, int y = 250);
    tk_CDS(const char* name, int x, int y);
    tk_CDS(tk_CPolCHLO* parent, int rx, int ry);
    tk_CDS(tk_CPolCHLO* parent, int id);

    // Appends the whole-sheet phase of the sprite's surface; logs and does nothing without one.
    void EVIDUJ_2();
};
