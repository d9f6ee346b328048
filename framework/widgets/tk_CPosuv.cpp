#define TK_MODULE "TK_DAS_w"
#include "framework/widgets/tk_CPosuv.h"

#include <algorithm>
#include <climits>

#include "framework/widgets/tk_CPolCHLO.h"

namespace {

// The distance b - a without overflow, as a float.
float distance(int a, int b) {
    return static_cast<float>(static_cast<long long>(b) - a);
}

// a + t, with t truncated toward zero and the sum kept inside the int range.
int offset(int a, float t) {
    long long v = static_cast<long long>(a) + static_cast<long long>(t);
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

}  // namespace

void tk_CPosuv::InitSlider() {
    SetClassId(tk_CLASS_CPosuv);
    SetName("noname_posuv");
    min_value = 0;
    max_value = 100;
    position = 25;
    track_from = track_to = track_at = 0;
    track_from_rel = 20;
    track_to_rel = 120;
    track_at_rel = 50;
    orientation = 'V';
    drag_moves = true;
    void_SIR = 10;
    void_VYS = 10;
}

tk_CPosuv::tk_CPosuv() : tk_CDAS() {
    InitSlider();
    Dsgn(0, 'V', 50, 20, 100);
}

tk_CPosuv::tk_CPosuv(const char* name_) : tk_CDAS(name_, 200, 250) {
    InitSlider();
    SetName(name_ ? name_ : "noname_posuv");
    Dsgn(0, 'V', 50, 20, 100);
}

tk_CPosuv::tk_CPosuv(tk_CPolCHLO* parent_, int id, int rx_, int ry_) : tk_CDAS(parent_, rx_, ry_) {
    InitSlider();
    ID = id;
    Dsgn(0, 'V', 50, 20, 100);
}

tk_CPosuv::tk_CPosuv(tk_CPolCHLO* parent_, int id) : tk_CDAS(parent_, id) {
    InitSlider();
    Dsgn(0, 'V', 50, 20, 100);
}

void tk_CPosuv::SyncRel() {
    if (!parent) return;
    rx = x - parent->x;
    ry = y - parent->y;
}

void tk_CPosuv::Dsgn(int design, char orientation_, int at, int from, int len) {
    orientation = orientation_ == 'H' ? 'H' : 'V';
    bool h = orientation == 'H';
    if (design == 1) Dsgn1_Stock(0, 0, h ? "_posuvH_" : "_posuvV_");
    if (design == 2) Dsgn1_Stock(0, 0, h ? "_posuvH2_" : "_posuvV2_");
    track_at_rel = at;
    track_from_rel = from;
    track_to_rel = offset(from, static_cast<float>(len));
    Rodic_reset();
    Poz_reset();
}

void tk_CPosuv::Rodic_reset() {
    if (!parent) return;
    int along = orientation == 'H' ? parent->x : parent->y;
    int across = orientation == 'H' ? parent->y : parent->x;
    track_from = along + track_from_rel;
    track_to = along + track_to_rel;
    track_at = across + track_at_rel;
    Poz_reset();
}

void tk_CPosuv::SR(int a, int b) {
    min_value = a;
    max_value = b;
    if (a == b) {
        // An empty range becomes a..a+100, moved down where a + 100 would not fit.
        if (a > INT_MAX - 100) {
            min_value = INT_MAX - 100;
            max_value = INT_MAX;
        } else {
            max_value = a + 100;
        }
    } else if (a > b) {
        min_value = b;
        max_value = a;
    }
    position = std::clamp(position, min_value, max_value);
    Poz_reset();
}

void tk_CPosuv::SP(int v) {
    position = std::clamp(v, min_value, max_value);
    Poz_reset();
}

void tk_CPosuv::Poz_reset() {
    float ratio = 0.0f;
    if (max_value != min_value) {
        double span = static_cast<double>(max_value) - min_value;
        ratio = static_cast<float>((static_cast<double>(position) - min_value) / span);
    }
    int along = offset(track_from, distance(track_from, track_to) * ratio);
    if (orientation == 'V') {
        x = track_at;
        y = along;
    } else {
        y = track_at;
        x = along;
    }
    SyncRel();
}

bool tk_CPosuv::ReportValue(int* value) {
    *value = GP();
    return true;
}

bool tk_CPosuv::INFORMUJ_SA(int px, int py, int code) {
    if (!visible) return false;
    bool taken = tk_CDAS::INFORMUJ_SA(px, py, code);
    SF(state);
    if (state != 2) return taken;
    // Held: the knob stays on its track and its place gives the position.
    int lo = std::min(track_from, track_to);
    int hi = std::max(track_from, track_to);
    int& along = orientation == 'V' ? y : x;
    int& across = orientation == 'V' ? x : y;
    across = track_at;
    along = std::clamp(along, lo, hi);
    SyncRel();
    if (track_to == track_from) {
        // A track of no length has one place: the start of the range.
        position = min_value;
        return true;
    }
    float ratio = distance(track_from, along) / distance(track_from, track_to);
    // Float rounding of a wide range must not carry the position past its end.
    position = std::clamp(offset(min_value, distance(min_value, max_value) * ratio), min_value, max_value);
    return true;
}
