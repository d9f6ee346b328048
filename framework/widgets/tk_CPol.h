// tk_CPol: the base of every screen element. It keeps the element's place (absolute and relative
// to its parent), visibility, pointer state, class id, name and user id, and the virtual interface
// through which the tree is drawn, hit-tested and fed with pointer events.
#pragma once

#include "framework/widgets/tk_ClassTable.h"
#include "platform/platform.h"

class tk_CPolCHLO;
class tk_CPol;

// Told of every element as the last step of its destruction, while its fields can still be read;
// one watcher for the whole program (the layout editor, which forgets what it points to).
using tk_CPol_GoneWatcher = void (*)(tk_CPol* element);
void tk_CPol_SetGoneWatcher(tk_CPol_GoneWatcher watcher);

class tk_CPol {
  public:
    // Absolute top-left in screen pixels.
    int x;
    int y;
    bool visible;
    // 0 idle, 1 pointer over it, 2 pressed or dragged, 3 (buttons) pressed with the pointer off.
    int state;
    bool movable;
    // Radius of the drag handle around (x, y).
    int grab_radius;
    tk_CPolCHLO* parent;
    // Place relative to the parent's (x, y); equal to (x, y) without a parent.
    int rx;
    int ry;
    // One of tk_ClassId.
    int class_id;
    char name[32];
    // The application's identifier; notifications carry it.
    int ID;

    tk_CPol();
    // Registers with the parent (when given), then places the element at (rx, ry) in it.
    tk_CPol(tk_CPolCHLO* parent, int rx, int ry);
    // Registers with the parent (when given) at the next cascading place, with the given ID.
    tk_CPol(tk_CPolCHLO* parent, int id);

    tk_CPol(const tk_CPol&) = delete;
    tk_CPol& operator=(const tk_CPol&) = delete;

    // The virtual operations, in the order of the virtual table.
    virtual void Rodic_reset();
    virtual void CHOD_NA(int x, int y);
    virtual void ZOBRAZ();
    virtual void ZOBRAZ(IDirectDrawSurface* surface);
    virtual void GetSize(int* w, int* h);
    virtual void SetSize(int w, int h);
    virtual bool CanDrag(int px, int py);
    virtual tk_CPol* VratZasah(int px, int py);
    virtual bool INFORMUJ_SA(int px, int py, int code);
    virtual ~tk_CPol();

    // What the containers' routing asks of the classes it picks by class id; a bare element has
    // nothing to give. True with the value the element reports to its container: a slider its
    // position, a list its pending choice (once).
    virtual bool ReportValue(int* value);
    // True when the element took the key (an edit box typing into itself).
    virtual bool TakeKey(int key);

    // Place by relative or absolute position; children of a container do not follow.
    void MoveToRel(int rx, int ry);
    void MoveToAbs(int x, int y);

    void SetClassId(int id) { class_id = id; }
    // Copies at most 31 bytes, cut at a character boundary.
    void SetName(const char* text);

  protected:
    // One step of the drag machine that elements moving with the pointer share: a move arms an
    // idle element (when arm), a press grabs an armed one (when grab) and records the pointer's
    // offset, a release lets go. A move while grabbed is reported; the caller moves itself.
    enum class DragStep { None, Armed, Grabbed, Released, Dragged };
    DragStep Drag(int px, int py, int code, bool arm, bool grab);
    // The box test shared with containers: this element when (px, py) lies in its size.
    tk_CPol* BoxHit(int px, int py);
    // The white disc and handle outline that show where a bare element can be grabbed.
    void DrawMarker(IDirectDrawSurface* surface);
};
