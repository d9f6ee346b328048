#define TK_MODULE "TK_APP_w"
#include "framework/widgets/tk_DSGN.h"

#include <cstring>

#include "framework/graphics/tk_Display.h"
#include "framework/support/tk_FSI.h"
#include "framework/widgets/tk_CDAS.h"
#include "framework/widgets/tk_CPosuv.h"
#include "framework/widgets/tk_CTlac.h"

tk_DSGN_Struct tk_DSGN;
bool tk_DSGN_ready = false;

namespace {

tk_DSGN_BackFileSource g_back_source = nullptr;

// Gives a template the skin sheet and its three phases: normal, pointer over, pressed.
template <typename T>
T* skinTemplate(const char* name, int x1, int y1, int x2, int y2, int x3, int y3) {
    T* t = new T(name);
    t->surface = tk_DSGN.rezia_dll_srf;
    t->own_surface = false;
    t->EVIDUJ(x1, y1);
    t->EVIDUJ(x2, y2);
    t->EVIDUJ(x3, y3);
    return t;
}

void track(tk_CIcon& icon, int x, int y) {
    icon.surface = tk_DSGN.rezia_dll_srf;
    icon.own_surface = false;
    icon.visible = true;
    icon.EVIDUJ(x, y);
}

void clearTrack(tk_CIcon& icon) {
    icon.surface = nullptr;
    icon.own_surface = false;
    icon.phase = tk_TFAZA();
}

template <typename T>
void destroy(T*& p) {
    delete p;
    p = nullptr;
}

// The template whose field name is `which`, or null.
tk_CDAS* stockTemplate(const char* which) {
    if (!which) return nullptr;
    struct Entry {
        const char* name;
        tk_CDAS* sprite;
    };
    const Entry entries[] = {
        {"_T_x_", tk_DSGN._T_x_},
        {"_posuvV_", tk_DSGN._posuvV_},
        {"_posuvV_btnA_", tk_DSGN._posuvV_btnA_},
        {"_posuvV_btnB_", tk_DSGN._posuvV_btnB_},
        {"_posuvH_", tk_DSGN._posuvH_},
        {"_posuvH_btnA_", tk_DSGN._posuvH_btnA_},
        {"_posuvH_btnB_", tk_DSGN._posuvH_btnB_},
        {"_posuvV2_", tk_DSGN._posuvV2_},
        {"_posuvH2_", tk_DSGN._posuvH2_},
    };
    for (const Entry& e : entries) {
        if (std::strcmp(e.name, which) == 0) return e.sprite;
    }
    return nullptr;
}

// The skin's text face at an average character width; the skin's own font has kSkinFontWidth.
HFONT skinFont(int width) {
    return CreateFontA(15, width, 0, 0, 400, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Verdana");
}

// Narrower cuts of the skin's font, made on first use and kept until the skin is torn down.
HFONT narrow_fonts[kSkinFontWidth];

}  // namespace

void tk_DSGN_SetBackFileSource(tk_DSGN_BackFileSource source) {
    g_back_source = source;
}

int tk_DSGN_INIT() {
    if (tk_DSGN_ready) return 0;
    tk_DSGN_Struct& d = tk_DSGN;
    const char* back = g_back_source ? g_back_source() : nullptr;
    if (back && back[0] && tk_FSI_Existuje_sub(back)) {
        d.background_srf = new tk_CDas_Surface("tk_DSGN.background_srf");
        d.background_srf->NAHRAJ_SURFACE_2_stretch(tk_lpDD, back, tk_ScreenW, tk_ScreenH);
        // The background covers the screen: nothing of it is transparent.
        d.background_srf->TC = 0;
    }
    d.rezia_dll_srf = new tk_CDas_Surface("tk_DSGN.rezia_dll_srf");
    d.rezia_dll_srf->NAHRAJ_SURFACE(tk_lpDD, "rezia_dll.bmp");
    d.rezia_dll_srf->TC_NASTAV(1, 1);
    d.rezia_dll_srf->BC_NASTAV(0, 0);

    d._T_x_ = skinTemplate<tk_CTlac>("tk_DSGN._T_x_", 45, 10, 45, 10, 45, 25);
    d.ico_logo = new tk_CIcon(d.rezia_dll_srf, 100, 180);
    d.ico_void = new tk_CIcon(d.rezia_dll_srf, 210, 70);
    d.ico_help = new tk_CIcon(d.rezia_dll_srf, 200, 25);
    d.ico_ok = new tk_CIcon(d.rezia_dll_srf, 45, 40);
    d.ico_cancel = new tk_CIcon(d.rezia_dll_srf, 45, 55);
    d._posuvV_ = skinTemplate<tk_CPosuv>("tk_DSGN._posuvV_", 120, 50, 120, 50, 145, 50);
    d._posuvV_btnA_ = skinTemplate<tk_CTlac>("tk_DSGN._posuvV_btnA_", 120, 10, 120, 10, 145, 10);
    d._posuvV_btnB_ = skinTemplate<tk_CTlac>("tk_DSGN._posuvV_btnB_", 120, 85, 120, 85, 145, 85);
    track(d._posuvV_track, 170, 30);
    d._posuvH_ = skinTemplate<tk_CPosuv>("tk_DSGN._posuvH_", 50, 80, 50, 80, 50, 105);
    d._posuvH_btnA_ = skinTemplate<tk_CTlac>("tk_DSGN._posuvH_btnA_", 10, 80, 10, 80, 10, 105);
    d._posuvH_btnB_ = skinTemplate<tk_CTlac>("tk_DSGN._posuvH_btnB_", 85, 80, 85, 80, 85, 105);
    track(d._posuvH_track, 30, 130);
    d._posuvH2_ = skinTemplate<tk_CPosuv>("tk_DSGN._posuvH2_", 5, 32, 14, 32, 23, 32);
    d._posuvV2_ = skinTemplate<tk_CPosuv>("tk_DSGN._posuvV2_", 9, 45, 9, 55, 9, 65);
    d.font = skinFont(kSkinFontWidth);
    tk_DSGN_ready = true;
    return 1;
}

int tk_DSGN_DONE() {
    if (!tk_DSGN_ready) return 0;
    tk_DSGN_Struct& d = tk_DSGN;
    // Everything that shares the sheet goes before the sheet.
    destroy(d._T_x_);
    destroy(d.ico_logo);
    destroy(d.ico_void);
    destroy(d.ico_help);
    destroy(d.ico_ok);
    destroy(d.ico_cancel);
    destroy(d._posuvV_);
    destroy(d._posuvV_btnA_);
    destroy(d._posuvV_btnB_);
    clearTrack(d._posuvV_track);
    destroy(d._posuvH_);
    destroy(d._posuvH_btnA_);
    destroy(d._posuvH_btnB_);
    clearTrack(d._posuvH_track);
    destroy(d._posuvH2_);
    destroy(d._posuvV2_);
    destroy(d.rezia_dll_srf);
    destroy(d.background_srf);
    if (d.font) DeleteObject(d.font);
    d.font = nullptr;
    for (HFONT& f : narrow_fonts) {
        if (f) DeleteObject(f);
        f = nullptr;
    }
    tk_DSGN_ready = false;
    return 1;
}

void tk_CDAS::Dsgn1_Stock(int rx_, int ry_, const char* which) {
    MoveToRel(rx_, ry_);
    if (tk_CDAS* t = stockTemplate(which)) EVID_PREBER(t);
}

HFONT tk_DSGN_NarrowFont(int width) {
    if (width >= kSkinFontWidth || width < 1) return tk_DSGN.font;
    HFONT& f = narrow_fonts[width];
    if (!f) f = skinFont(width);
    return f;
}
