#define TK_MODULE "TK_PolCHLO_w"
#include "framework/widgets/tk_CPolCHLO.h"

#include "framework/support/tk_Assert.h"
#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_globals.h"

namespace {

// The classes an owning children array may destroy: 10 is unused, 17 to 19 are never built.
bool isElementClass(int id) {
    return (id >= tk_CLASS_CPol && id <= tk_CLASS_CFoliaFaz && id != 10) ||
           (id >= tk_CLASS_CPolCHLO && id <= tk_CLASS_CScrollBar) || id == tk_CLASS_UTL_CDUIR_THMFILE ||
           id == tk_CLASS_UTL_CDUIR_DIR;
}

// Destroys one element of an owning children array through its virtual destructor; false for
// an id of no element class, so that the array stops the program.
bool destroyElement(void* p) {
    auto* e = static_cast<tk_CPol*>(p);
    if (!isElementClass(e->class_id)) return false;
    delete e;
    return true;
}

// The classes whose elements report a choice: the list menu, the row list and the file lists.
bool isList(int id) {
    return id == tk_CLASS_CDUI || id == tk_CLASS_CDUIR || id == tk_CLASS_UTL_CDUIR_THMFILE ||
           id == tk_CLASS_UTL_CDUIR_DIR;
}

// The child as a container when its class id says it is one.
tk_CPolCHLO* asContainer(tk_CPol* e) {
    if (!e || !tk_CPolCHLO::IsClassIdPolCHLO(e->class_id)) return nullptr;
    return dynamic_cast<tk_CPolCHLO*>(e);
}

}  // namespace

tk_CPolCHLO::tk_CPolCHLO() : tk_CPol() {
    Init();
}

tk_CPolCHLO::tk_CPolCHLO(tk_CPolCHLO* parent_, int id) : tk_CPol(parent_, id) {
    Init();
}

void tk_CPolCHLO::Init() {
    SetClassId(tk_CLASS_CPolCHLO);
    SetName("noname_polchlo");
    // The container owns its children and destroys them by their class id.
    children.mode = 1;
    children.destroyer = destroyElement;
}

// The children go while the container is still whole, so their destructors may look at it.
tk_CPolCHLO::~tk_CPolCHLO() {
    children.DetachAll();
}

void tk_CPolCHLO::ResetChildren() {
    for (int i = 0; i < children.count; ++i) {
        if (tk_CPol* c = child(i)) c->Rodic_reset();
    }
}

void tk_CPolCHLO::Rodic_reset() {
    tk_CPol::Rodic_reset();
    ResetChildren();
}

void tk_CPolCHLO::CHOD_NA(int x_, int y_) {
    MoveToAbs(x_, y_);
    ResetChildren();
}

void tk_CPolCHLO::ZOBRAZ(IDirectDrawSurface* surface) {
    if (!visible) return;
    // Only a plain container shows its handle; subclasses paint their own body.
    if (class_id == tk_CLASS_CPolCHLO) DrawMarker(surface);
    DrawChildren(surface);
}

void tk_CPolCHLO::DrawChildren(IDirectDrawSurface* surface) {
    for (int i = 0; i < children.count; ++i) {
        if (tk_CPol* c = child(i)) c->ZOBRAZ(surface);
    }
}

tk_CPol* tk_CPolCHLO::VratZasah(int px, int py) {
    if (!visible) return nullptr;
    for (int i = children.count - 1; i >= 0; --i) {
        tk_CPol* c = child(i);
        if (!c) continue;
        if (tk_CPol* hit = c->VratZasah(px, py)) return hit;
    }
    return BoxHit(px, py);
}

bool tk_CPolCHLO::INFORMUJ_SA(int px, int py, int code) {
    if (!visible) return false;
    for (int i = children.count - 1; i >= 0; --i) {
        tk_CPol* c = child(i);
        if (c && c->INFORMUJ_SA(px, py, code)) return true;
    }
    // Nothing below took it: the container's own drag by its handle.
    const DragStep step = Drag(px, py, code, true, code == 1 && CanDrag(px, py));
    if (step == DragStep::Dragged) {
        x = px - tk_drag_dx;
        y = py - tk_drag_dy;
        ResetChildren();
    }
    return step != DragStep::None;
}

int tk_CPolCHLO::SetupVisual() {
    return 0;
}

bool tk_CPolCHLO::INFORMUJ_SA_KLAV(int key) {
    if (!visible) return false;
    for (int i = children.count - 1; i >= 0; --i) {
        tk_CPol* c = child(i);
        if (!c) continue;
        // An edit box takes typing even when hidden; there is no focus.
        if (c->class_id == tk_CLASS_CDEDB) {
            if (c->TakeKey(key)) return true;
        } else if (tk_CPolCHLO* box = asContainer(c)) {
            if (box->visible && box->INFORMUJ_SA_KLAV(key)) return true;
        }
    }
    return false;
}

bool tk_CPolCHLO::INFORMUJ_MA(int* id) {
    if (!visible) return false;
    for (int i = children.count - 1; i >= 0; --i) {
        tk_CPol* c = child(i);
        if (!c) continue;
        if (c->class_id == tk_CLASS_CPosuv) {
            // A held slider reports its value with every pointer event.
            int value = 0;
            if (c->visible && c->state == 2 && c->ReportValue(&value)) {
                HandleFWInteraction(c->ID, value, c);
                if (id) *id = c->ID;
                return true;
            }
        } else if (isList(c->class_id)) {
            int value = 0;
            if (c->visible && c->ReportValue(&value)) {
                HandleFWInteraction(c->ID, value, c);
                if (id) *id = c->ID;
                return true;
            }
        } else if (tk_CPolCHLO* box = asContainer(c)) {
            int value = -1;
            if (box->INFORMUJ_MA(&value)) {
                if (id) *id = value;
                return true;
            }
        }
    }
    return false;
}

bool tk_CPolCHLO::HandleFWInteraction(int id, int value, tk_CPol* sender) {
    return parent ? parent->HandleFWInteraction(id, value, sender) : false;
}

void tk_CPolCHLO::PRIDAJ(tk_CPol* c) {
    if (!c || c == this) {
        TK_LOG_ERR("tk_CPolCHLO::PRIDAJ - neplatne dieta");
        return;
    }
    children.Add(c);
    c->parent = this;
    // An ordinary child added after a dialog slides below the lowest dialog.
    int last = children.count - 1;
    if (last < 1 || child(last)->class_id == tk_CLASS_CDDialog) return;
    if (!child(last - 1) || child(last - 1)->class_id != tk_CLASS_CDDialog) return;
    for (int k = 0; k < last; ++k) {
        if (child(k) && child(k)->class_id == tk_CLASS_CDDialog) {
            children.ROLR(k, last);
            return;
        }
    }
}

void tk_CPolCHLO::TOP_DLG(tk_CPol* dlg) {
    if (children.count == 0) return;
    int i = -1;
    for (int k = children.count - 1; k >= 0 && i < 0; --k) {
        if (child(k) == dlg) i = k;
    }
    if (i < 0) return;
    int j = -1;
    for (int k = children.count - 1; k >= 0 && j < 0; --k) {
        if (child(k) && child(k)->class_id == tk_CLASS_CDDialog) j = k;
    }
    if (i != j) children.ROLL(i, j);
}

tk_CPol* tk_CPolCHLO::FindCHLWithID(int id) {
    for (int i = 0; i < children.count; ++i) {
        tk_CPol* c = child(i);
        if (!c) continue;
        if (c->ID == id) return c;
        if (tk_CPolCHLO* box = asContainer(c)) {
            if (tk_CPol* found = box->FindCHLWithID(id)) return found;
        }
    }
    return nullptr;
}

tk_CPol* tk_CPolCHLO::GetCHLWithIndex(int i) {
    if (!visible) return nullptr;
    if (i < 0 || i >= children.count) TK_FAIL("tk_CPolCHLO::GetCHLWithIndex - Index mimo rozsah");
    tk_CPol* c = child(i);
    if (!c) TK_FAIL("tk_CPolCHLO::GetCHLWithIndex - Problem s indexom");
    return c;
}

int tk_CPolCHLO::GetIndexOfCHL(tk_CPol* p) {
    if (!visible) return 0;
    for (int i = 0; i < children.count; ++i) {
        if (child(i) == p) return i;
    }
    TK_FAIL("tk_CPolCHLO::GetIndexOfCHL - Nenajdene dieta");
}

void tk_CPolCHLO::SetupVisual_Private() {
    SetupVisual();
    ResetChildren();
    for (int i = 0; i < children.count; ++i) {
        if (tk_CPolCHLO* box = asContainer(child(i))) box->SetupVisual_Private();
    }
}
