// tk_CPosuv: the slider knob. It slides along a straight track ('V' along y, 'H' along x) and
// turns its place into an integer position within [min_value, max_value].
#pragma once

#include "framework/widgets/tk_CDAS.h"

class tk_CPolCHLO;

class tk_CPosuv : public tk_CDAS {
  public:
    int min_value;
    int max_value;
    // Always within the range after SR and SP.
    int position;
    // The absolute track along the axis, and the knob's place across it.
    int track_from;
    int track_to;
    int track_at;
    // The same relative to the parent; Rodic_reset makes the absolute ones from them.
    int track_from_rel;
    int track_to_rel;
    int track_at_rel;
    // 'V' or 'H'.
    char orientation;

    // Free-standing forms; each ends with Dsgn(0, 'V', 50, 20, 100).
    tk_CPosuv();
    explicit tk_CPosuv(const char* name);
    tk_CPosuv(tk_CPolCHLO* parent, int id, int rx, int ry);
    tk_CPosuv(tk_CPolCHLO* parent, int id);

    // Recomputes the absolute track from the parent and re-places the knob; nothing without one.
    void Rodic_reset() override;
    // The slider machine: a held knob follows the pointer along its track and sets position.
    bool INFORMUJ_SA(int px, int py, int code) override;
    // The position; the containers ask it only while the knob is held.
    bool ReportValue(int* value) override;

    // Picture (design 1: the skin's slider, 2: the small one, else kept) and relative track.
    void Dsgn(int design, char orientation, int at, int from, int length);
    // The range; equal ends give a..a+100, swapped ends are put in order.
    void SR(int a, int b);
    // position = v clamped into the range; the knob follows.
    void SP(int v);
    int GP() const { return position; }
    // Places the knob for the current position.
    void Poz_reset();

  private:
    void InitSlider();
    // Relative place from the absolute one, when there is a parent.
    void SyncRel();
};
