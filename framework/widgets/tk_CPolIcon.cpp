#define TK_MODULE "TK_DAS_w"
#include "framework/widgets/tk_CPolIcon.h"

#include "framework/graphics/tk_Display.h"

tk_CPolIcon::tk_CPolIcon(tk_CPolCHLO* parent_, int rx_, int ry_, const char* file)
    : tk_CPol(parent_, rx_, ry_), tk_CIcon(file) {
    InitIconElement();
}

tk_CPolIcon::tk_CPolIcon(tk_CPolCHLO* parent_, int rx_, int ry_, tk_CIcon* src)
    : tk_CPol(parent_, rx_, ry_), tk_CIcon() {
    InitIconElement();
    EVIDUJ_PREBER(src);
}

tk_CPolIcon::tk_CPolIcon(tk_CPolCHLO* parent_, int id) : tk_CPol(parent_, id), tk_CIcon() {
    InitIconElement();
}

tk_CPolIcon::tk_CPolIcon(int x_, int y_, tk_CDas_Surface* s, tk_TFAZA f) : tk_CPol(), tk_CIcon(s, f) {
    InitIconElement();
    MoveToAbs(x_, y_);
}

tk_CPolIcon::~tk_CPolIcon() = default;

void tk_CPolIcon::InitIconElement() {
    SetClassId(tk_CLASS_CPolIcon);
    SetName("noname_policon");
}

void tk_CPolIcon::ZOBRAZ() {
    ZOBRAZ(tk_lpDDSBack);
}

// The picture at the element's place, clipped to the screen less a one-pixel margin; a hidden
// element shows nothing.
void tk_CPolIcon::ZOBRAZ(IDirectDrawSurface* dst) {
    if (tk_CPol::visible) ZOBRAZ_2(dst, x, y);
}

void tk_CPolIcon::GetSize(int* w, int* h) {
    GetSize2(w, h);
}

void tk_CPolIcon::Dsgn_PolIcon_Copy(int rx_, int ry_, tk_CIcon* src) {
    MoveToRel(rx_, ry_);
    EVIDUJ_PREBER(src);
}

void tk_CPolIcon::Dsgn_PolIcon_User(int rx_, int ry_, tk_CDas_Surface* s, int px, int py) {
    MoveToRel(rx_, ry_);
    if (!s) return;
    // A sheet the icon loaded itself is not left behind when it takes another.
    if (own_surface && surface && surface != s) delete surface;
    surface = s;
    own_surface = false;
    phase = s->ZAMERAJ_FAZU(px, py);
}
