// The editor's keys: switching off, the mode, walking the tree, tuning lists, moving and resizing.
#include "framework/editor/tk_KM_internal.h"

namespace {

bool held(int vk) {
    return (GetKeyState(vk) & 0x8000) != 0;
}

// The index of the element among its parent's children, or -1.
int indexInParent(tk_CPol* e) {
    tk_CPolCHLO* box = e ? e->parent : nullptr;
    if (!box) return -1;
    for (int i = 0; i < box->children.count; ++i) {
        if (box->children.items[i] == e) return i;
    }
    return -1;
}

// Tab: the next (or previous) child of the current element's parent, wrapping around.
void toSibling(int step) {
    tk_CPol* e = tk_KM_cPol_10;
    const int i = indexInParent(e);
    if (i < 0) return;
    const tk_CARRE& kids = e->parent->children;
    for (int k = 1; k < kids.count; ++k) {
        const int j = ((i + step * k) % kids.count + kids.count) % kids.count;
        if (auto* sibling = static_cast<tk_CPol*>(kids.items[j])) {
            tk_KM_SetCurrent(sibling);
            return;
        }
    }
}

// F2 in mode 9: the current child, wrapping within the container's children.
void stepItem(int step) {
    const int n = tk_KM_cPolCHLO_9 ? tk_KM_cPolCHLO_9->children.count : 0;
    if (n > 0) tk_KM_item = ((tk_KM_item + step) % n + n) % n;
}

// F2 to F8 in modes 1 and 2.
bool tuneList(int vk, int step) {
    tk_CDUI* list = tk_KM_List();
    if (!list) return false;
    switch (vk) {
        case VK_F2:
            list->SetTextMode_NEXT();
            break;
        case VK_F3:
            list->SetIconMode_NEXT();
            break;
        case VK_F5:
            tk_KM_Step(&list->text_okraj, step);
            break;
        case VK_F6:
            tk_KM_Step(&list->icon_okraj, step);
            break;
        case VK_F7:
            tk_KM_Step(&list->a, step);
            tk_KM_Step(&list->b, step);
            break;
        case VK_F8:
            tk_KM_Step(&list->c, step);
            break;
        default:
            return false;
    }
    tk_KM_Relayout(list);
    return true;
}

// An arrow: the selected children, or the element itself (moved, or resized with Shift).
void arrow(int dx, int dy) {
    if (tk_KM_mod == 9 && tk_KM_cPolCHLO_9 && tk_KM_multi) {
        for (int k = 0; k < tk_KM_sel_count; ++k) tk_KM_MoveBy(tk_KM_Child(tk_KM_sel[k]), dx, dy);
        return;
    }
    tk_CPol* e = tk_KM_mod == 9 ? tk_KM_cPolCHLO_9 : tk_KM_mod == 10 ? tk_KM_cPol_10 : nullptr;
    if (held(VK_SHIFT)) {
        tk_KM_ResizeBy(e, dx, dy);
    } else {
        tk_KM_MoveBy(e, dx, dy);
    }
}

}  // namespace

void tk_KM_Key(int vk) {
    const bool modifier = held(VK_CONTROL) || held(VK_SHIFT);
    const int step = modifier ? -1 : 1;
    switch (vk) {
        case VK_ESCAPE:
        case VK_F12:
            tk_KM_SwitchOff();
            return;
        case VK_F1:
            if (modifier) {
                tk_KM_SwitchOff();
            } else {
                tk_KM_NextMode();
            }
            return;
        case VK_F11:
            tk_KM_SAVE();
            return;
        case VK_BACK:
            if (tk_KM_cPol_10 && tk_KM_cPol_10->parent) tk_KM_SetCurrent(tk_KM_cPol_10->parent);
            return;
        case VK_TAB:
            toSibling(modifier ? -1 : 1);
            return;
        case VK_RETURN:
            if (tk_KM_mod == 9) {
                if (tk_CPol* child = tk_KM_Child(tk_KM_item)) tk_KM_SetCurrent(child);
            }
            return;
        case VK_LEFT:
        case VK_NUMPAD4:
            arrow(-1, 0);
            return;
        case VK_RIGHT:
        case VK_NUMPAD6:
            arrow(1, 0);
            return;
        case VK_UP:
        case VK_NUMPAD8:
            arrow(0, -1);
            return;
        case VK_DOWN:
        case VK_NUMPAD2:
            arrow(0, 1);
            return;
        default:
            break;
    }
    if (vk == VK_F2 && tk_KM_mod == 9) {
        stepItem(step);
        return;
    }
    tuneList(vk, step);
}
