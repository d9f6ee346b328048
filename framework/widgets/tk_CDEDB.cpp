#define TK_MODULE "TK_DAS_w"
#include "framework/widgets/tk_CDEDB.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/support/tk_String.h"
#include "platform/ddraw/surface_access.h"

namespace {

constexpr int kBackspace = 8;
constexpr int kDelete = 46;

}  // namespace

tk_CDEDB::tk_CDEDB(tk_CPolCHLO* parent_, int rx_, int ry_) : tk_CPol(parent_, rx_, ry_) {
    Init();
}

tk_CDEDB::tk_CDEDB(tk_CPolCHLO* parent_, int id) : tk_CPol(parent_, id) {
    Init();
}

tk_CDEDB::tk_CDEDB(tk_CPolCHLO* parent_, int id, int limit, HFONT f) : tk_CPol(parent_, id) {
    Init();
    // A larger limit would let typing run past the end of the field.
    max_len = std::min(limit, kMaxLenLimit);
    if (f) {
        DeleteObject(font);
        font = f;
    }
}

void tk_CDEDB::Init() {
    SetClassId(tk_CLASS_CDEDB);
    SetName("noname_edb");
    sir = 150;
    vys = 20;
    box = RECT{0, 0, 150, 20};
    text[0] = '\0';
    text_len = 0;
    max_len = 50;
    brush_back = CreateSolidBrush(0xC8C8C8);
    pen_dark = CreatePen(PS_SOLID, 1, 0x505050);
    font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

tk_CDEDB::~tk_CDEDB() {
    DeleteObject(brush_back);
    DeleteObject(pen_dark);
    // Stock fonts survive DeleteObject; a font handed over is the box's own.
    DeleteObject(font);
}

void tk_CDEDB::Dsgn(int rx_, int ry_, int w, int h) {
    rx = rx_;
    ry = ry_;
    sir = w;
    vys = h;
}

void tk_CDEDB::Set_Text(const char* s) {
    tk_StrCopy(text, s ? s : "");
    text_len = static_cast<int>(std::strlen(text));
}

void tk_CDEDB::Set_Number(int n) {
    std::snprintf(text, sizeof(text), "%d", n);
    text_len = static_cast<int>(std::strlen(text));
}

bool tk_CDEDB::INFORMUJ_SA_KLAV(int key) {
    if (key == kBackspace || key == kDelete) {
        if (text_len >= 1) text[--text_len] = '\0';
        return true;
    }
    if (key < 'A' || key > 'Z') return false;
    // The field bounds typing too, should max_len have been raised past what it holds.
    if (text_len > max_len || text_len >= kMaxLenLimit + 1) return true;
    text[text_len] = static_cast<char>(key);
    text[++text_len] = '\0';
    return true;
}

bool tk_CDEDB::TakeKey(int key) {
    return INFORMUJ_SA_KLAV(key);
}

void tk_CDEDB::Level_efekt(HDC dc, int style) {
    if (!dc) return;
    FillRect(dc, &box, brush_back);
    const int L = box.left, T = box.top, R = box.right, B = box.bottom;
    HGDIOBJ white = GetStockObject(WHITE_PEN), black = GetStockObject(BLACK_PEN);
    if (style == 1) {
        tk_glob_Polyline(dc, white, {{L, B}, {L, T}, {R, T}});
        tk_glob_Polyline(dc, black, {{R, T}, {R, B}, {L - 1, B}});
        tk_glob_Polyline(dc, pen_dark, {{R - 1, T + 1}, {R - 1, B - 1}, {L, B - 1}});
    } else if (style == 2) {
        tk_glob_Polyline(dc, pen_dark, {{L, B}, {L, T}, {R, T}});
        tk_glob_Polyline(dc, white, {{R, T}, {R, B}, {L, B}});
        tk_glob_Polyline(dc, black, {{L + 1, B - 1}, {L + 1, T + 1}, {R, T + 1}});
    }
}

void tk_CDEDB::ZOBRAZ() {
    ZOBRAZ(tk_lpDDSBack);
}

// Drawn whatever visible says: the box shows as long as it exists.
void tk_CDEDB::ZOBRAZ(IDirectDrawSurface* dst) {
    box = RECT{x, y, x + sir, y + vys};
    tkp::ddraw::SurfaceDC dc(dst);
    if (!dc.ok()) return;
    Level_efekt(dc, 2);
    dc.select(font);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, box.left + 5, box.top + 5, text, -1);
}

void tk_CDEDB::GetSize(int* w, int* h) {
    if (w) *w = sir;
    if (h) *h = vys;
}

void tk_CDEDB::SetSize(int w, int h) {
    sir = w;
    vys = h;
}
