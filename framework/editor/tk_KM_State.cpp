// The editor's state: switching on and off, the mode that fits the current element, a new current
// element, and forgetting elements as they are destroyed.
#define TK_MODULE "TK_KM_w"
#include "framework/editor/tk_KM_internal.h"
#include "framework/support/tk_LOG.h"

bool tk_KM_on = false;
int tk_KM_mod = 0;
tk_CDUI* tk_KM_cDUI_1 = nullptr;
tk_CDUIR* tk_KM_cDUIR_2 = nullptr;
tk_CPol* tk_KM_cFT_3 = nullptr;
tk_CPol* tk_KM_cFF_4 = nullptr;
tk_CPol* tk_KM_cFI_5 = nullptr;
tk_CPol* tk_KM_cFD_6 = nullptr;
tk_CPol* tk_KM_cDE_7 = nullptr;
tk_CPol* tk_KM_cDLG_8 = nullptr;
tk_CPolCHLO* tk_KM_cPolCHLO_9 = nullptr;
tk_CPol* tk_KM_cPol_10 = nullptr;
int tk_KM_item = 0;
int tk_KM_sel[tk_KM_SEL_MAX] = {};
int tk_KM_sel_count = 0;
bool tk_KM_multi = false;
tk_KM_TBand tk_KM_band = {{0, 0, 0, 0}, false, false};
tk_KM_TDrag tk_KM_drag = {};

namespace {

// The target of a mode; mode 10's is the current element itself.
bool hasTarget(int mode) {
    switch (mode) {
        case 1:
            return tk_KM_cDUI_1 != nullptr;
        case 2:
            return tk_KM_cDUIR_2 != nullptr;
        case 3:
            return tk_KM_cFT_3 != nullptr;
        case 4:
            return tk_KM_cFF_4 != nullptr;
        case 5:
            return tk_KM_cFI_5 != nullptr;
        case 6:
            return tk_KM_cFD_6 != nullptr;
        case 7:
            return tk_KM_cDE_7 != nullptr;
        case 8:
            return tk_KM_cDLG_8 != nullptr;
        case 9:
            return tk_KM_cPolCHLO_9 != nullptr;
        case 10:
            return tk_KM_cPol_10 != nullptr;
        default:
            return false;
    }
}

void clearTargets() {
    tk_KM_cDUI_1 = nullptr;
    tk_KM_cDUIR_2 = nullptr;
    tk_KM_cFT_3 = tk_KM_cFF_4 = tk_KM_cFI_5 = tk_KM_cFD_6 = tk_KM_cDE_7 = tk_KM_cDLG_8 = nullptr;
    tk_KM_cPolCHLO_9 = nullptr;
}

// The editor forgets an element that is going: the current element falls back to its parent, which
// is still whole (a container destroys its children before itself); a child of the container
// target takes the selection and any drag with it, since the indices may now mean other children.
void forget(tk_CPol* gone) {
    if (tk_KM_cPolCHLO_9 && gone->parent == tk_KM_cPolCHLO_9) {
        tk_KM_ClearSelection();
        tk_KM_item = 0;
    }
    if (gone == tk_KM_cDUI_1) tk_KM_cDUI_1 = nullptr;
    if (gone == tk_KM_cDUIR_2) tk_KM_cDUIR_2 = nullptr;
    if (gone == tk_KM_cPolCHLO_9) {
        tk_KM_cPolCHLO_9 = nullptr;
        tk_KM_ClearSelection();
    }
    if (gone == tk_KM_cPol_10) tk_KM_SetCurrent(gone->parent);
}

}  // namespace

void tk_KM_ClearSelection() {
    tk_KM_multi = false;
    tk_KM_sel_count = 0;
    tk_KM_band.right_down = false;
    tk_KM_drag = {};
}

tk_CPol* tk_KM_Child(int i) {
    tk_CPolCHLO* box = tk_KM_cPolCHLO_9;
    if (!box || i < 0 || i >= box->children.count) return nullptr;
    return static_cast<tk_CPol*>(box->children.items[i]);
}

tk_CDUI* tk_KM_List() {
    if (tk_KM_mod == 1) return tk_KM_cDUI_1;
    if (tk_KM_mod == 2) return tk_KM_cDUIR_2;
    return nullptr;
}

void tk_KM_NextMode() {
    if (!tk_KM_on) return;
    if (tk_KM_cPol_10 && tk_KM_mod != 0) {
        tk_KM_mod = 0;
        return;
    }
    clearTargets();
    if (tk_CPol* e = tk_KM_cPol_10) {
        if (tk_CPolCHLO::IsClassIdPolCHLO(e->class_id)) {
            tk_KM_cPolCHLO_9 = dynamic_cast<tk_CPolCHLO*>(e);
        } else if (e->class_id == tk_CLASS_CDUI) {
            tk_KM_cDUI_1 = dynamic_cast<tk_CDUI*>(e);
        } else if (e->class_id == tk_CLASS_CDUIR) {
            tk_KM_cDUIR_2 = dynamic_cast<tk_CDUIR*>(e);
        }
    }
    do {
        ++tk_KM_mod;
    } while (tk_KM_mod <= 10 && !hasTarget(tk_KM_mod));
    if (tk_KM_mod > 10) tk_KM_mod = 0;
    tk_KM_item = 0;
}

void tk_KM_SetCurrent(tk_CPol* element) {
    tk_KM_ClearSelection();
    tk_KM_cPol_10 = element;
    tk_KM_mod = 0;
    tk_KM_NextMode();
}

void tk_KM_SwitchOn(tk_CPol* root) {
    tk_KM_on = true;
    tk_KM_SetCurrent(root);
    TK_LOG("tk_KM; on", tk_KM_mod);
}

void tk_KM_SwitchOff() {
    tk_KM_on = false;
    tk_KM_band.right_down = tk_KM_band.left_down = false;
    tk_KM_drag = {};
    TK_LOG("tk_KM; off");
}

void tk_KM_ElementGone(tk_CPol* gone) {
    if (gone) forget(gone);
}
