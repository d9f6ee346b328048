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
    measured_w_ = -1;
    fitted_room_ = -1;
}

int tk_CLabel::TextWidth() {
    HFONT f = font ? font : tk_DSGN.font;
    if (measured_w_ < 0 || measured_font_ != f) {
        int h = 0;
        tk_glob_ZISTI_ROZMER_TEXTU(text, f, &measured_w_, &h);
        measured_font_ = f;
        fitted_room_ = -1;
    }
    return measured_w_;
}

// The label's font, or the widest cut of the skin's font whose text fits the room (the
// narrowest when none does). The skin's face is wider than the one the dialogs were laid out for;
// a text narrowed a little keeps its distance from the border and from the label after it.
HFONT tk_CLabel::DrawFont() {
    if (font || room <= 0 || !tk_DSGN.font || TextWidth() <= room) return font ? font : tk_DSGN.font;
    if (fitted_room_ != room) {
        fitted_room_ = room;
        for (fitted_width_ = kSkinFontWidth - 1; fitted_width_ > kSkinFontWidth / 2; --fitted_width_) {
            int tw = 0, th = 0;
            tk_glob_ZISTI_ROZMER_TEXTU(text, tk_DSGN_NarrowFont(fitted_width_), &tw, &th);
            if (tw <= room) break;
        }
    }
    // By width, not handle: the skin's cuts are made again when the skin is.
    return tk_DSGN_NarrowFont(fitted_width_);
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
    tk_glob_Text_font(dc, x, y, colour, DrawFont(), text);
}

void tk_CLabel::ZOBRAZ(IDirectDrawSurface* dst) {
    if (!visible) return;
    tkp::ddraw::SurfaceDC dc(dst);
    if (dc.ok()) ZOBRAZ(dc.get());
}

void tk_CLabel::GetSize(int* w, int* h) {
    tk_glob_ZISTI_ROZMER_TEXTU(text, tk_DSGN.font, w, h);
}
