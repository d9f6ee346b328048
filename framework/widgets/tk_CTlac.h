// tk_CTlac: the push button. A sprite whose pointer state picks the phase shown (0 normal,
// 1 pointer over, 2 pressed) and which reports a click to its container.
#pragma once

#include "framework/widgets/tk_CDAS.h"

class tk_CPolCHLO;

class tk_CTlac : public tk_CDAS {
  public:
    // 1 while state is 2, else 0; refreshed after every event.
    int pressed;

    // Free-standing at (200, 250).
    tk_CTlac();
    explicit tk_CTlac(const char* name);
    tk_CTlac(tk_CPolCHLO* parent, int rx, int ry, int id);
    // A child at the cascading place, named "ID <id>".
    tk_CTlac(tk_CPolCHLO* parent, int id);
    ~tk_CTlac() override;

    // The button machine: a click needs a move onto it, a press and a release on it.
    bool INFORMUJ_SA(int px, int py, int code) override;

    // For owners that drive the button themselves: the sprite machine, phase = state; true when
    // the state changed.
    bool INFORMUJ_SA2(int px, int py, int code);
    // Takes a pending press: true once when state is 2 (state and phase become 1).
    bool STLACENE();
    // True while state is 2; changes nothing.
    bool STLACENE2() const { return state == 2; }

  private:
    void InitButton();
};
