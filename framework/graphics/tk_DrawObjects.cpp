// The pens and brushes the framework shares, and the icon transparency default.
#include "framework/graphics/tk_Draw.h"

namespace {

tk_TGlobGDI g_gdi{};
bool g_created = false;
int g_icon_transparency = 1;

void createMissing() {
    if (!g_gdi.pen_grey) g_gdi.pen_grey = CreatePen(PS_SOLID, 1, RGB(80, 80, 80));
    if (!g_gdi.pen_blue) g_gdi.pen_blue = CreatePen(PS_SOLID, 1, RGB(0, 160, 232));
    if (!g_gdi.brush_grey) g_gdi.brush_grey = CreateSolidBrush(RGB(216, 216, 216));
    if (!g_gdi.brush_blue) g_gdi.brush_blue = CreateSolidBrush(RGB(60, 60, 255));
    if (!g_gdi.brush_red) g_gdi.brush_red = CreateSolidBrush(RGB(255, 60, 60));
    if (!g_gdi.brush_yellow) g_gdi.brush_yellow = CreateSolidBrush(RGB(255, 255, 60));
    g_created = true;
}

void release(HGDIOBJ& object) {
    if (object) DeleteObject(object);
    object = nullptr;
}

}  // namespace

const tk_TGlobGDI& tk_glob_GDI() {
    if (!g_created) createMissing();
    return g_gdi;
}

void tk_glob_GDI_Release() {
    release(g_gdi.pen_grey);
    release(g_gdi.pen_blue);
    release(g_gdi.brush_grey);
    release(g_gdi.brush_blue);
    release(g_gdi.brush_red);
    release(g_gdi.brush_yellow);
    g_created = false;
}

void tk_glob_Set_CIcon_default_transparency(int on) {
    g_icon_transparency = on;
}

int tk_glob_Get_CIcon_default_transparency() {
    return g_icon_transparency;
}
