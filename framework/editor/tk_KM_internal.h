// What the editor's own files share: the drag of children, the limits of every edit, the edits
// themselves, the brushes and pens of the overlay, and the texts it shows.
#pragma once

#include <string>
#include <vector>

#include "framework/editor/tk_KM.h"

// ---- Limits ----------------------------------------------------------------------------------
// Positions stay within this many pixels of the screen's origin, sizes within 1 and this, so that
// no sum of positions and sizes can overflow and everything can be brought back by keys.
constexpr int tk_KM_MAX_COORD = 16384;
constexpr int tk_KM_MAX_SIZE = 16384;
// Margins and layout constants of a list stay within 0 and this.
constexpr int tk_KM_MAX_LAYOUT = 4096;

// ---- The drag of children of the container target (left button in mode 9) --------------------
struct tk_KM_TDrag {
    // A press on a dragged child is pending: it becomes a drag when the pointer moves.
    bool pending;
    // The pointer moved since the press: the children follow it.
    bool moving;
    int press_x;
    int press_y;
    int count;
    int index[tk_KM_SEL_MAX];
    int start_rx[tk_KM_SEL_MAX];
    int start_ry[tk_KM_SEL_MAX];
};
extern tk_KM_TDrag tk_KM_drag;

// Installed as the elements' gone watcher: drops every pointer the editor keeps to the element.
void tk_KM_ElementGone(tk_CPol* gone);
// Forgets the selection and any drag.
void tk_KM_ClearSelection();
// The container target's child at index i, or null.
tk_CPol* tk_KM_Child(int i);
// The list being tuned in modes 1 and 2, or null.
tk_CDUI* tk_KM_List();

// ---- Edits (tk_KM_Edit.cpp) ------------------------------------------------------------------
// Moves by (dx, dy) through the relative position; false (nothing moved) past the limits.
bool tk_KM_MoveBy(tk_CPol* e, int dx, int dy);
// Places at this relative position, held within the limits.
void tk_KM_MoveToRel(tk_CPol* e, int rx, int ry);
// Changes the size by (dw, dh) through GetSize and SetSize; false past the limits.
bool tk_KM_ResizeBy(tk_CPol* e, int dw, int dh);
// Steps a margin or layout constant by delta within 0..tk_KM_MAX_LAYOUT.
void tk_KM_Step(int* value, int delta);
// Marks the list for a new layout before its next drawing.
void tk_KM_Relayout(tk_CDUI* list);

// ---- Input (tk_KM_Keys.cpp, tk_KM_Mouse.cpp) -------------------------------------------------
void tk_KM_Key(int vk);
// Pointer codes: 0 moved, 1 left pressed, -1 left released, 2 right pressed, -2 right released.
void tk_KM_Pointer(int x, int y, int code);

// ---- Overlay (tk_KM_Overlay.cpp) -------------------------------------------------------------
struct tk_KM_TGDI {
    HBRUSH yellow;    // 255, 255, 0: children
    HBRUSH red;       // 255, 0, 0: the current child
    HBRUSH orange;    // 255, 158, 50: selected children
    HBRUSH magenta;   // 255, 0, 255: the current child when it is also the first selected
    HBRUSH green;     // 0, 255, 0: origins
    HPEN pen_red;     // 2 px: children being dragged
    HPEN pen_green;   // 3 px: the target's rectangle
    HPEN pen_orange;  // 2 px: the rubber band
};
// Created on first use and kept for the whole run.
const tk_KM_TGDI& tk_KM_GDI();
// The help: the title line first, then the key lines.
std::vector<std::string> tk_KM_HelpLines();
// The current element's data; empty without one.
std::vector<std::string> tk_KM_DataLines();
