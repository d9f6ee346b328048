// tk_CDPrep: the toggle (check box, or radio button when radio is set). It changes at the press
// and keeps its checked state for the owner to read; it sends no notification.
#pragma once

#include "framework/widgets/tk_CDAS.h"

class tk_CPolCHLO;

class tk_CDPrep : public tk_CDAS {
  public:
    bool checked;
    // Non-zero: a press always checks (a radio button cannot be unchecked by a press).
    int radio;
    // 1 when checked, else 0; refreshed after every event.
    int value;

    tk_CDPrep();
    explicit tk_CDPrep(const char* name);
    tk_CDPrep(tk_CPolCHLO* parent, int id);

    // The toggle machine. Phases: 0 normal, 1 pointer over, 2 checked, 3 checked and pointer over.
    bool INFORMUJ_SA(int px, int py, int code) override;

  private:
    void InitToggle();
};
