// The edits the editor makes, each held within limits: moving and resizing an element by a
// pixel or with the pointer, and stepping a list's margins and layout constants.
#include <algorithm>

#include "framework/editor/tk_KM_internal.h"

namespace {

bool inside(long value, long limit) {
    return value >= -limit && value <= limit;
}

}  // namespace

bool tk_KM_MoveBy(tk_CPol* e, int dx, int dy) {
    if (!e) return false;
    if (!inside(static_cast<long>(e->x) + dx, tk_KM_MAX_COORD) ||
        !inside(static_cast<long>(e->y) + dy, tk_KM_MAX_COORD))
        return false;
    tk_KM_MoveToRel(e, e->rx + dx, e->ry + dy);
    return true;
}

void tk_KM_MoveToRel(tk_CPol* e, int rx, int ry) {
    if (!e) return;
    // The parent's place, from which the absolute limits become relative ones.
    const int px = e->parent ? e->parent->x : 0;
    const int py = e->parent ? e->parent->y : 0;
    e->rx = std::clamp(rx, -tk_KM_MAX_COORD - px, tk_KM_MAX_COORD - px);
    e->ry = std::clamp(ry, -tk_KM_MAX_COORD - py, tk_KM_MAX_COORD - py);
    // The element recomputes its place; a container takes its children along.
    e->Rodic_reset();
}

bool tk_KM_ResizeBy(tk_CPol* e, int dw, int dh) {
    if (!e) return false;
    int w = 0, h = 0;
    e->GetSize(&w, &h);
    const long nw = static_cast<long>(w) + dw, nh = static_cast<long>(h) + dh;
    if (nw < 1 || nh < 1 || nw > tk_KM_MAX_SIZE || nh > tk_KM_MAX_SIZE) return false;
    e->SetSize(static_cast<int>(nw), static_cast<int>(nh));
    return true;
}

void tk_KM_Step(int* value, int delta) {
    if (!value) return;
    const long next = static_cast<long>(*value) + delta;
    // A value already outside the range is only ever brought towards it.
    if ((delta < 0 && next < 0) || (delta > 0 && next > tk_KM_MAX_LAYOUT)) return;
    *value = static_cast<int>(next);
}

void tk_KM_Relayout(tk_CDUI* list) {
    if (!list) return;
    list->zmena = true;
    if (auto* rows = dynamic_cast<tk_CDUIR*>(list)) rows->zmenaR = true;
}
