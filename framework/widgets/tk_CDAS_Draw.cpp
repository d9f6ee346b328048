// tk_CDAS: drawing the current phase, or the void design of a sprite without a picture.
#define TK_MODULE "TK_DAS_w"
#include "framework/graphics/tk_Draw.h"
#include "framework/widgets/tk_CDAS.h"
#include "framework/widgets/tk_ClassTable.h"
#include "platform/ddraw/surface_access.h"

void tk_CDAS::ZOBRAZ(IDirectDrawSurface* dst) {
    if (!visible) return;
    if (surface && phases.count > 0) {
        tk_TFAZA* f = CurrentPhase();
        if (!f) return;
        if (mirrored) {
            surface->ZOBRAZ_FAZU_Z(dst, x, y, *f, 1);
        } else {
            surface->ZOBRAZ_FAZU(dst, x, y, *f, 1);
        }
        return;
    }
    ZOBRAZ_VOID(dst);
}

// A box of the void size: buttons raised or sunken while pressed, sliders filled, others a bevel;
// large enough boxes name their class and the element.
void tk_CDAS::ZOBRAZ_VOID(IDirectDrawSurface* dst) {
    tkp::ddraw::SurfaceDC dc(dst);
    if (!dc.ok()) return;
    RECT box{x, y, x + void_SIR, y + void_VYS};
    if (class_id == tk_CLASS_CTlac) {
        tk_glob_Level_efekt2_fill(dc, &box, current == 2 ? 2 : 1);
    } else if (class_id == tk_CLASS_CPosuv) {
        tk_glob_Level_efekt2_fill(dc, &box, 1);
    } else {
        tk_glob_Level_efekt(dc, &box, 1);
    }
    if (void_SIR > 30 && void_VYS > 30) {
        tk_glob_Text(dc, x + 5, y + 5, 0xFF6464, tk_glob_GetClassName(class_id));
        tk_glob_Text(dc, x + 5, y + 20, 0xFFFF, name);
    }
}
