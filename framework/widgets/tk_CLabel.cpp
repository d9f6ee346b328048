#define TK_MODULE "TK_DAS_w"
#include "framework/widgets/tk_CLabel.h"

#include <cstdio>

#include "framework/graphics/tk_Draw.h"
#include "framework/support/tk_String.h"
#include "framework/widgets/tk_DSGN.h"
#include "platform/ddraw/surface_access.h"

tk_CLabel::tk_CLabel(tk_CPolCHLO* parent_, int rx_, int ry_, const char* text_) : tk_CPol(parent_, rx_, ry_) {
    InitLabel(text_);
}

tk_CLabel::tk_CLabel(tk_CPolCHLO* parent_, int id, const char* text_) : tk_CPol(parent_, id) {
    InitLabel(text_);
}

tk_CLabel::tk_CLabel(tk_CPolCHLO* parent_, int id) : tk_CPol(parent_, id) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "Label [%d]", id);
    InitLabel(buf);
}

tk_CLabel::~tk_CLabel() {
    delete[] text;
}

void tk_CLabel::InitLabel(const char* text_) {
    SetClassId(tk_CLASS_CLabel);
    SetName("noname_label");
    text = nullptr;
    colour = 0;
    font = nullptr;
    SetText(text_);
}

// A null text is kept as an empty one, so the label always holds a string.
void tk_CLabel::SetText(const char* text_) {
    char* copy = tk_StrDup(text_ ? text_ : "");
    delete[] text;
    text = copy;
}

void tk_CLabel::Dsgn(int rx_, int ry_, const char* text_) {
    MoveToRel(rx_, ry_);
    SetText(text_);
}

void tk_CLabel::Dsgn(int rx_, int ry_) {
    MoveToRel(rx_, ry_);
}

void tk_CLabel::ZOBRAZ(HDC dc) {
    if (!visible || !dc) return;
    tk_glob_Text_font(dc, x, y, colour, font ? font : tk_DSGN.font, text);
}

void tk_CLabel::ZOBRAZ(IDirectDrawSurface* dst) {
    if (!visible) return;
    tkp::ddraw::SurfaceDC dc(dst);
    if (dc.ok()) ZOBRAZ(dc.get());
}

void tk_CLabel::GetSize(int* w, int* h) {
    tk_glob_ZISTI_ROZMER_TEXTU(text, tk_DSGN.font, w, h);
}
