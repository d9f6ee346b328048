#define TK_MODULE "TK_DAS_w"
#include "framework/widgets/tk_CPol.h"

#include <cstdlib>

#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/support/tk_String.h"
#include "framework/widgets/tk_CPolCHLO.h"
#include "framework/widgets/tk_globals.h"
#include "platform/ddraw/surface_access.h"

namespace {
tk_CPol_GoneWatcher g_gone_watcher = nullptr;
}

void tk_CPol_SetGoneWatcher(tk_CPol_GoneWatcher watcher) {
    g_gone_watcher = watcher;
}

tk_CPol::tk_CPol()
    : x(0),
      y(0),
      visible(true),
      state(0),
      movable(true),
      grab_radius(10),
      parent(nullptr),
      rx(0),
      ry(0),
      class_id(0),
      name{"noname_pol"},
      ID(-1) {}

tk_CPol::tk_CPol(tk_CPolCHLO* parent_, int rx_, int ry_) : tk_CPol() {
    parent = parent_;
    if (parent) parent->PRIDAJ(this);
    MoveToRel(rx_, ry_);
}

tk_CPol::tk_CPol(tk_CPolCHLO* parent_, int id) : tk_CPol() {
    parent = parent_;
    ID = id;
    tk_auto_rx += 15;
    tk_auto_ry += 10;
    rx = tk_auto_rx;
    ry = tk_auto_ry;
    if (parent) parent->PRIDAJ(this);
    Rodic_reset();
}

tk_CPol::~tk_CPol() {
    if (g_gone_watcher) g_gone_watcher(this);
}

void tk_CPol::MoveToRel(int rx_, int ry_) {
    rx = rx_;
    ry = ry_;
    x = parent ? parent->x + rx : rx;
    y = parent ? parent->y + ry : ry;
}

void tk_CPol::MoveToAbs(int x_, int y_) {
    x = x_;
    y = y_;
    rx = parent ? x - parent->x : x;
    ry = parent ? y - parent->y : y;
}

void tk_CPol::SetName(const char* text) {
    tk_StrCopy(name, text);
}

void tk_CPol::Rodic_reset() {
    MoveToRel(rx, ry);
}

void tk_CPol::CHOD_NA(int x_, int y_) {
    MoveToAbs(x_, y_);
}

void tk_CPol::ZOBRAZ() {
    ZOBRAZ(tk_lpDDSBack);
}

void tk_CPol::ZOBRAZ(IDirectDrawSurface* surface) {
    if (visible) DrawMarker(surface);
}

void tk_CPol::GetSize(int* w, int* h) {
    if (w) *w = 80;
    if (h) *h = 80;
}

void tk_CPol::SetSize(int, int) {}

bool tk_CPol::CanDrag(int px, int py) {
    // Bare elements and bare containers can always be dragged by their handle.
    if (!movable && class_id != tk_CLASS_CPol && class_id != tk_CLASS_CPolCHLO) return false;
    if (std::abs(px - x) > grab_radius || std::abs(py - y) > grab_radius) return false;
    return tk_glob_Distance(x, y, px, py) <= grab_radius;
}

tk_CPol* tk_CPol::BoxHit(int px, int py) {
    int w = 0, h = 0;
    GetSize(&w, &h);
    return tk_glob_test_v_rect(x, y, x + w - 1, y + h - 1, px, py) ? this : nullptr;
}

tk_CPol* tk_CPol::VratZasah(int px, int py) {
    if (!visible) return nullptr;
    return BoxHit(px, py);
}

tk_CPol::DragStep tk_CPol::Drag(int px, int py, int code, bool arm, bool grab) {
    if (code == 0 && state == 0 && arm) {
        state = 1;
        return DragStep::Armed;
    }
    if (code == 1 && state == 1 && grab) {
        state = 2;
        tk_drag_dx = px - x;
        tk_drag_dy = py - y;
        return DragStep::Grabbed;
    }
    if (code == -1 && state == 2) {
        state = 1;
        return DragStep::Released;
    }
    if (code == 0 && state == 2) return DragStep::Dragged;
    return DragStep::None;
}

bool tk_CPol::INFORMUJ_SA(int px, int py, int code) {
    // Only a bare element drags itself; every other class brings its own machine.
    if (class_id != tk_CLASS_CPol || !visible) return false;
    const bool onHandle = CanDrag(px, py);
    const DragStep step = Drag(px, py, code, onHandle, onHandle);
    if (step == DragStep::Dragged) MoveToAbs(px - tk_drag_dx, py - tk_drag_dy);
    return step != DragStep::None;
}

bool tk_CPol::ReportValue(int*) {
    return false;
}

bool tk_CPol::TakeKey(int) {
    return false;
}

void tk_CPol::DrawMarker(IDirectDrawSurface* surface) {
    if (!surface) return;
    tkp::ddraw::SurfaceDC dc(surface);
    if (!dc.ok()) return;
    dc.select(GetStockObject(WHITE_BRUSH));
    dc.select(GetStockObject(WHITE_PEN));
    Ellipse(dc, x - 4, y - 4, x + 4, y + 4);
    dc.select(GetStockObject(NULL_BRUSH));
    int r = grab_radius;
    // A plain container shows a square handle, every other element a round one.
    if (class_id == tk_CLASS_CPolCHLO) {
        Rectangle(dc, x - r, y - r, x + r, y + r);
    } else {
        Ellipse(dc, x - r, y - r, x + r, y + r);
    }
}
