// The editor's pointer: picking the element under a left press, the rubber band of the right
// button, and dragging children of the container with the left button.
//
// The drag: in mode 9 a left press on the current child (its box or its dot) or, while a band
// selection is in force, on any selected child, takes hold of it (of all selected children). When
// the pointer then moves, they follow it, keeping their offsets, until the button is released. A
// press and release without a move (of more than two pixels) is an ordinary click, which picks the
// element under it.
#include <algorithm>
#include <cstdlib>

#include "framework/editor/tk_KM_internal.h"
#include "framework/graphics/tk_Draw.h"

namespace {

// How near to a child's position point a press still takes hold of it.
constexpr int kDotReach = 5;
// How far the pointer must go from the press before the children follow: a hand that trembles
// while clicking still clicks.
constexpr int kDragStart = 2;

bool onChild(tk_CPol* c, int x, int y) {
    return c && (c->VratZasah(x, y) != nullptr || tk_glob_Distance(c->x, c->y, x, y) <= kDotReach);
}

// The child indices a press at (x, y) would take hold of; none when it is on none of them.
int heldChildren(int x, int y, int* out) {
    if (tk_KM_mod != 9 || !tk_KM_cPolCHLO_9) return 0;
    if (!tk_KM_multi) {
        if (!onChild(tk_KM_Child(tk_KM_item), x, y)) return 0;
        out[0] = tk_KM_item;
        return 1;
    }
    bool hit = false;
    for (int k = 0; k < tk_KM_sel_count; ++k) hit = hit || onChild(tk_KM_Child(tk_KM_sel[k]), x, y);
    if (!hit) return 0;
    for (int k = 0; k < tk_KM_sel_count; ++k) out[k] = tk_KM_sel[k];
    return tk_KM_sel_count;
}

bool startDrag(int x, int y) {
    tk_KM_TDrag d{};
    d.count = heldChildren(x, y, d.index);
    if (d.count == 0) return false;
    for (int k = 0; k < d.count; ++k) {
        tk_CPol* c = tk_KM_Child(d.index[k]);
        d.start_rx[k] = c ? c->rx : 0;
        d.start_ry[k] = c ? c->ry : 0;
    }
    d.pending = true;
    d.press_x = x;
    d.press_y = y;
    tk_KM_drag = d;
    return true;
}

void dragTo(int x, int y) {
    const int dx = x - tk_KM_drag.press_x, dy = y - tk_KM_drag.press_y;
    if (!tk_KM_drag.moving && std::abs(dx) <= kDragStart && std::abs(dy) <= kDragStart) return;
    tk_KM_drag.moving = true;
    for (int k = 0; k < tk_KM_drag.count; ++k) {
        tk_KM_MoveToRel(tk_KM_Child(tk_KM_drag.index[k]), tk_KM_drag.start_rx[k] + dx,
                        tk_KM_drag.start_ry[k] + dy);
    }
}

// The topmost element under the point, asked of the root of the current element's tree.
void pick(int x, int y) {
    tk_CPol* root = tk_KM_cPol_10;
    if (!root) return;
    while (root->parent) root = root->parent;
    if (tk_CPol* hit = root->VratZasah(x, y)) tk_KM_SetCurrent(hit);
}

// Every child whose position point lies in the band, up to the limit; the band may be stretched
// in any direction.
void selectInBand() {
    const RECT& b = tk_KM_band.box;
    const int left = std::min(b.left, b.right), right = std::max(b.left, b.right);
    const int top = std::min(b.top, b.bottom), bottom = std::max(b.top, b.bottom);
    tk_KM_sel_count = 0;
    const int n = tk_KM_cPolCHLO_9 ? tk_KM_cPolCHLO_9->children.count : 0;
    for (int i = 0; i < n && tk_KM_sel_count < tk_KM_SEL_MAX; ++i) {
        tk_CPol* c = tk_KM_Child(i);
        if (c && tk_glob_test_v_rect(left, top, right, bottom, c->x, c->y)) tk_KM_sel[tk_KM_sel_count++] = i;
    }
}

void leftPress(int x, int y) {
    tk_KM_band.left_down = true;
    if (tk_KM_mod == 9) {
        // A drag whose release never came (the button let go outside the window) ends here.
        tk_KM_drag = {};
        if (startDrag(x, y)) return;
        // A press elsewhere ends a band selection and picks.
        tk_KM_ClearSelection();
        pick(x, y);
    } else if (tk_KM_mod == 10) {
        pick(x, y);
    }
}

void leftRelease(int x, int y) {
    tk_KM_band.left_down = false;
    if (!tk_KM_drag.pending) return;
    const bool moved = tk_KM_drag.moving;
    tk_KM_drag = {};
    if (moved) return;
    // Held without moving: a click, which picks like any other.
    tk_KM_ClearSelection();
    pick(x, y);
}

void rightPress(int x, int y) {
    if (tk_KM_mod != 9 || !tk_KM_cPolCHLO_9) return;
    tk_KM_drag = {};
    tk_KM_band.box = RECT{x - 5, y - 5, x, y};
    tk_KM_sel_count = 0;
    tk_KM_multi = true;
    tk_KM_band.right_down = true;
}

}  // namespace

void tk_KM_Pointer(int x, int y, int code) {
    switch (code) {
        case 0:
            if (tk_KM_band.right_down && tk_KM_mod == 9) {
                tk_KM_band.box.right = x;
                tk_KM_band.box.bottom = y;
                selectInBand();
            } else if (tk_KM_drag.pending && tk_KM_band.left_down) {
                dragTo(x, y);
            }
            break;
        case 1:
            leftPress(x, y);
            break;
        case -1:
            leftRelease(x, y);
            break;
        case 2:
            rightPress(x, y);
            break;
        case -2:
            tk_KM_band.right_down = false;
            break;
        default:
            break;
    }
}
