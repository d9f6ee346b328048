#define TK_MODULE "TK_DAS_w"
#include "framework/widgets/tk_CDDialog.h"

#include <algorithm>

#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/widgets/tk_CLabel.h"
#include "framework/widgets/tk_DSGN.h"
#include "platform/ddraw/surface_access.h"

namespace {
// The least distance of a text from the dialog's right edge: the frame's border and some air.
constexpr int kTextMargin = 7;
}  // namespace

tk_CDDialog::tk_CDDialog() : tk_CPolCHLO(), sir(300), vys(200), plain_fill(false) {
    SetClassId(tk_CLASS_CDDialog);
    SetName("noname_dlg");
    state = 0;
    MoveToAbs(tk_ScreenCX - sir / 2, tk_ScreenCY - vys / 2);
}

tk_CDDialog::tk_CDDialog(tk_CPolCHLO* parent_, int id)
    : tk_CPolCHLO(parent_, id), sir(300), vys(200), plain_fill(false) {
    SetClassId(tk_CLASS_CDDialog);
    SetName("noname_dlg");
    state = 0;
    MoveToAbs(tk_ScreenCX - sir / 2, tk_ScreenCY - vys / 2);
}

// The frame goes with the dialog's members, then the container destroys the children.
tk_CDDialog::~tk_CDDialog() = default;

void tk_CDDialog::Dsgn(int rx_, int ry_, int w, int h, int style) {
    sir = w;
    vys = h;
    MoveToRel(rx_, ry_);
    frame.podklad = style;
}

void tk_CDDialog::CHOD_NA_CENTER(int cx, int cy) {
    frame.CHOD_NA_CENTER(cx, cy);
    CHOD_NA(cx - sir / 2, cy - vys / 2);
}

void tk_CDDialog::GO_TOP() {
    if (parent) parent->TOP_DLG(this);
}

void tk_CDDialog::ZOBRAZ(IDirectDrawSurface* dst) {
    if (visible) ZOBRAZ(dst, 0);
}

void tk_CDDialog::ZOBRAZ(IDirectDrawSurface* dst, int part) {
    if (!visible) return;
    if (part == 0 || part == 1 || part == 3) DrawBody(dst);
    if (part == 0 || part == 2 || part == 3) {
        FitLabels();
        DrawChildren(dst);
    }
}

// Each label may reach the dialog's right edge less the margin, or the label after it on its line
// less a space, whichever comes first.
void tk_CDDialog::FitLabels() {
    int space = -1, lineH = 0;
    for (int i = 0; i < children.count; ++i) {
        auto* label = dynamic_cast<tk_CLabel*>(static_cast<tk_CPol*>(children.items[i]));
        if (!label) continue;
        // Measured once, and only for a dialog that has labels.
        if (space < 0) tk_glob_ZISTI_ROZMER_TEXTU(" ", tk_DSGN.font, &space, &lineH);
        int end = x + sir - kTextMargin;
        for (int j = 0; j < children.count; ++j) {
            auto* next = dynamic_cast<tk_CLabel*>(static_cast<tk_CPol*>(children.items[j]));
            if (next && next != label && next->visible && next->x > label->x && next->y < label->y + lineH &&
                label->y < next->y + lineH)
                end = std::min(end, next->x - space);
        }
        label->room = std::max(1, end - label->x);
    }
}

void tk_CDDialog::DrawBody(IDirectDrawSurface* dst) {
    if (!dst) return;
    if (!plain_fill) {
        frame.x = x;
        frame.y = y;
        frame.sir = sir;
        frame.vys = vys;
        frame.ZOBRAZ(dst);
        return;
    }
    tkp::ddraw::SurfaceDC dc(dst);
    if (!dc.ok()) return;
    HBRUSH green = CreateSolidBrush(0x006400);
    const RECT r{x, y, x + sir, y + vys};
    FillRect(dc, &r, green);
    // FillRect never selects the brush, so it can go while the context is still out.
    DeleteObject(green);
}

void tk_CDDialog::GetSize(int* w, int* h) {
    if (w) *w = sir;
    if (h) *h = vys;
}

void tk_CDDialog::SetSize(int w, int h) {
    sir = w;
    vys = h;
}

bool tk_CDDialog::CanDrag(int px, int py) {
    return px >= x && px <= x + sir && py >= y && py <= y + frame.title_h;
}

bool tk_CDDialog::INFORMUJ_SA(int px, int py, int code) {
    if (!visible) return false;
    const bool inside = px >= x && px <= x + sir && py >= y && py <= y + vys;
    if (!inside && state != 2) {
        state = 0;
        return false;
    }
    // A press anywhere inside makes this the topmost dialog, whether or not it is taken.
    if (code == 1) GO_TOP();
    return tk_CPolCHLO::INFORMUJ_SA(px, py, code);
}
