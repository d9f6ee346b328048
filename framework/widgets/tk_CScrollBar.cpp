#define TK_MODULE "TK_DAS_w"
#include "framework/widgets/tk_CScrollBar.h"

#include <climits>

#include "framework/widgets/tk_CPosuv.h"
#include "framework/widgets/tk_CTlac.h"
#include "framework/widgets/tk_DSGN.h"

tk_CScrollBar::tk_CScrollBar(tk_CPolCHLO* parent_, int id)
    : tk_CPolCHLO(parent_, id),
      orientation('H'),
      length(200),
      thickness(50),
      stock(0),
      min_value(0),
      max_value(0),
      slider(nullptr),
      btnA(nullptr),
      btnB(nullptr) {
    SetClassId(tk_CLASS_CScrollBar);
    SetName("noname_scrollbar");
    // Children in this order: the knob is drawn first, arrow B drawn last and asked first.
    slider = new tk_CPosuv(this, tk_SCROLLBAR_ID_KNOB);
    btnA = new tk_CTlac(this, tk_SCROLLBAR_ID_BTN_A);
    btnB = new tk_CTlac(this, tk_SCROLLBAR_ID_BTN_B);
}

int tk_CScrollBar::ArrowExtent() {
    int w = 0, h = 0;
    btnA->GetSize(&w, &h);
    return orientation == 'H' ? w : h;
}

int tk_CScrollBar::KnobExtent() {
    int w = 0, h = 0;
    slider->GetSize(&w, &h);
    return orientation == 'H' ? w : h;
}

void tk_CScrollBar::Dsgn_Stock(char orientation_, int rx_, int ry_, int length_) {
    orientation = orientation_;
    length = length_;
    MoveToRel(rx_, ry_);
    stock = 1;
}

void tk_CScrollBar::Dsgn_Void(char orientation_, int rx_, int ry_, int length_, int thickness_) {
    orientation = orientation_;
    length = length_;
    thickness = thickness_;
    MoveToRel(rx_, ry_);
    stock = 0;
}

int tk_CScrollBar::SetupVisual() {
    if (stock) {
        bool h = orientation == 'H';
        btnA->Dsgn1_Stock(0, 0, h ? "_posuvH_btnA_" : "_posuvV_btnA_");
        int a = ArrowExtent();
        // The knob's track starts one pixel inside arrow A.
        slider->Dsgn(1, orientation, 0, a - 1, length - a - 70);
        slider->track_to_rel = length - a - KnobExtent() + 2;
        int b = length - a + 1;
        btnB->Dsgn1_Stock(h ? b : 0, h ? 0 : b, h ? "_posuvH_btnB_" : "_posuvV_btnB_");
        track.EVID_PREBER(h ? &tk_DSGN._posuvH_track : &tk_DSGN._posuvV_track);
    }
    if (min_value == 0 && max_value == 0) {
        slider->SR(1, 100);
    } else {
        slider->SR(min_value, max_value);
    }
    return 0;
}

void tk_CScrollBar::GetSize(int* w, int* h) {
    int wa = 0, ha = 0;
    btnA->GetSize(&wa, &ha);
    if (orientation == 'H') {
        if (w) *w = length;
        if (h) *h = ha;
    } else if (orientation == 'V') {
        if (w) *w = wa;
        if (h) *h = length;
    }
}

void tk_CScrollBar::SetSize(int w, int h) {
    int a = ArrowExtent();
    int s = KnobExtent();
    if (orientation == 'H') {
        length = w;
        btnB->rx = length - a + 1;
        slider->track_to_rel = length - a - s + 2;
    } else if (orientation == 'V') {
        length = h;
        btnB->ry = length - a + 1;
        slider->track_to_rel = length - a - s + 2;
    }
    btnB->Rodic_reset();
    slider->Rodic_reset();
}

void tk_CScrollBar::SR(int min, int max) {
    min_value = min;
    max_value = max;
    slider->SR(min, max);
}

void tk_CScrollBar::SP(int v) {
    slider->SP(v);
}

int tk_CScrollBar::GP() const {
    return slider->GP();
}

void tk_CScrollBar::Poz_reset() {
    slider->Poz_reset();
}

void tk_CScrollBar::ZOBRAZ(IDirectDrawSurface* dst) {
    if (!visible) return;
    const tk_TFAZA& f = track.phase;
    int step = orientation == 'V' ? f.h - 1 : f.w - 1;
    // A track picture of no extent along the axis cannot be tiled: the bar shows its parts only.
    if (track.surface && f.w != 0 && f.h != 0 && step > 0) {
        int n = length / step;
        for (int k = 0; k < n; ++k) {
            if (orientation == 'V') {
                track.ZOBRAZ(dst, x, y + k * step);
            } else {
                track.ZOBRAZ(dst, x + k * step, y);
            }
        }
        // The last tile is cut at the bar's end.
        if (orientation == 'V') {
            track.ZOBRAZ_2(dst, x, x + 30, y, y + length, x, y + n * step);
        } else {
            track.ZOBRAZ_2(dst, x, x + length, y, y + 30, x + n * step, y);
        }
    }
    DrawChildren(dst);
}

bool tk_CScrollBar::Report() {
    return parent ? parent->HandleFWInteraction(ID, slider->GP(), this) : false;
}

bool tk_CScrollBar::HandleFWInteraction(int id, int value, tk_CPol* sender) {
    if (id == tk_SCROLLBAR_ID_KNOB && parent) return Report();
    if (id == tk_SCROLLBAR_ID_BTN_A || id == tk_SCROLLBAR_ID_BTN_B) {
        int p = slider->GP();
        // One step toward the arrow's end; SP clamps it into the range.
        if (id == tk_SCROLLBAR_ID_BTN_A && p > INT_MIN) slider->SP(p - 1);
        if (id == tk_SCROLLBAR_ID_BTN_B && p < INT_MAX) slider->SP(p + 1);
        if (parent) return Report();
    }
    return tk_CPolCHLO::HandleFWInteraction(id, value, sender);
}
