// The list menu's looks, placement codes and layout.
#define TK_MODULE "TK_DUI_w"
#include <algorithm>
#include <cstring>

#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/lists/tk_CDUI.h"
#include "framework/lists/tk_TVOLBA.h"
#include "framework/support/tk_Assert.h"
#include "framework/support/tk_LOG.h"
#include "framework/support/tk_String.h"

namespace {

// The nine placements in their numbered order, and the same places in Slovak letters.
const char* const kEnglish[9] = {"LT", "CT", "RT", "LC", "CC", "RC", "LB", "CB", "RB"};
const char* const kSlovak[9] = {"LH", "CH", "PH", "LC", "CC", "PC", "LD", "CD", "PD"};

int indexOf(const char* const (&set)[9], const char* code) {
    for (int i = 0; i < 9; ++i) {
        if (std::strcmp(set[i], code) == 0) return i;
    }
    return -1;
}

void setMode(char (&field)[4], const char* code) {
    if (!code || (indexOf(kEnglish, code) < 0 && indexOf(kSlovak, code) < 0)) TK_FAIL("tk_CDUI::SetMode");
    tk_StrCopy(field, code);
}

void setModeNumber(char (&field)[4], int n) {
    if (n < 1 || n > 9) TK_FAIL("SetMode_EN");
    tk_StrCopy(field, kEnglish[n - 1]);
}

void setModeNext(char (&field)[4]) {
    int i = indexOf(kEnglish, field);
    if (i < 0) {
        TK_LOG_ERR("SetMode_NEXT_EN");
        tk_StrCopy(field, "LT");
        return;
    }
    tk_StrCopy(field, kEnglish[(i + 1) % 9]);
}

// Characters, not bytes, of a UTF-8 text.
int characters(const char* text) {
    int n = 0;
    for (const char* p = text; p && *p; ++p) n += (static_cast<unsigned char>(*p) & 0xC0) != 0x80;
    return n;
}

}  // namespace

void tk_CDUI::Inic_KP() {
    int n = Count();
    switch (trieda) {
        case 0:
            a = 80, b = 0, c = 100, d = 30;
            MoveToAbs(tk_ScreenCX - (n * (c + d) - d) / 2, tk_ScreenCY);
            std::strcpy(text_mode, "CB");
            std::strcpy(icon_mode, "CC");
            je_popup = false;
            break;
        case 1:
            a = 20, b = 0, c = 0, d = 3;
            MoveToAbs(1, 3);
            std::strcpy(text_mode, "CC");
            std::strcpy(icon_mode, "LC");
            sirka_znaku = 8;
            je_popup = false;
            break;
        case 2:
            a = 20, b = 23, c = 120, d = 3;
            MoveToAbs(tk_ScreenCX - c / 2 - d, tk_ScreenCY - (b * n) / 2 - d);
            std::strcpy(text_mode, "CC");
            std::strcpy(icon_mode, "LT");
            je_popup = true;
            break;
        default:
            TK_FAIL("tk_CDUI::Inic_KP() - neznama trieda ");
    }
    text_okraj = 1;
    icon_okraj = 1;
    zmena = true;
}

void tk_CDUI::RESET_DEFAULT() {
    Inic_KP();
    RESET_GEOMETRIE();
}

void tk_CDUI::RESET_DEFAULT(int trieda_) {
    // Only the three looks the layout knows are taken, so no later layout can meet another.
    if (trieda_ < 0 || trieda_ > 2) {
        TK_LOG("TSKW ERROR: ", "tk_CDUI::RESET_DEFAULT() - zadana nekorektna trieda", trieda_);
        return;
    }
    trieda = trieda_;
    RESET_DEFAULT();
}

void tk_CDUI::Nastav_Konstanty(int a_, int b_, int c_, int d_) {
    a = a_, b = b_, c = c_, d = d_;
    zmena = true;
}

void tk_CDUI::SetTextMode(const char* code) {
    setMode(text_mode, code);
    zmena = true;
}

void tk_CDUI::SetTextMode(int n) {
    setModeNumber(text_mode, n);
    zmena = true;
}

void tk_CDUI::SetIconMode(const char* code) {
    setMode(icon_mode, code);
    zmena = true;
}

void tk_CDUI::SetIconMode(int n) {
    setModeNumber(icon_mode, n);
    zmena = true;
}

void tk_CDUI::SetTextMode_NEXT() {
    setModeNext(text_mode);
    zmena = true;
}

void tk_CDUI::SetIconMode_NEXT() {
    setModeNext(icon_mode);
    zmena = true;
}

void tk_CDUI::Rodic_reset() {
    tk_CPol::Rodic_reset();
    zmena = true;
}

void tk_CDUI::CHOD_NA(int x_, int y_) {
    MoveToAbs(x_, y_);
    zmena = true;
}

void tk_CDUI::Dsgn(int x_, int y_) {
    MoveToRel(x_, y_);
    zmena = true;
}

void tk_CDUI::CHOD_NA_CENTER(int x_, int y_) {
    if (zmena) RESET_GEOMETRIE();
    MoveToAbs(x_ - (obal.right - obal.left) / 2, y_ - (obal.bottom - obal.top) / 2);
    zmena = true;
}

void tk_CDUI::GetSize(int* w, int* h) {
    if (w) *w = obal.right - obal.left + 1;
    if (h) *h = obal.bottom - obal.top + 1;
}

void tk_CDUI::RESET_GEOMETRIE() {
    switch (trieda) {
        case 0:
            LayoutButtons(volby.count);
            break;
        case 1:
            LayoutBar(volby.count);
            break;
        case 2:
            LayoutMenu(RowCount());
            if (KeepOnScreen()) LayoutMenu(RowCount());
            break;
        default:
            TK_FAIL("RESET_GEOMETRIE() - trieda");
    }
    zmena = false;
}

// A row of large buttons rising to the middle and falling again.
void tk_CDUI::LayoutButtons(int n) {
    int left = x + d;
    int top = y + (d * n) / 2 + 1;
    RECT u{x, y, x, y};
    for (int i = 0; i < n; ++i) {
        tk_TVOLBA* v = EntryAt(i);
        v->rect = RECT{left, top, left + c, top + a};
        if (i == 0) u = v->rect;
        u.left = std::min(u.left, v->rect.left);
        u.top = std::min(u.top, v->rect.top);
        u.right = std::max(u.right, v->rect.right);
        u.bottom = std::max(u.bottom, v->rect.bottom);
        left += c + d;
        top += (i < n / 2) ? -d : d;
    }
    obal = RECT{u.left - d, u.top - d, u.right + d, u.bottom + d};
    tk_glob_Orez_Rect2Screen(&obal);
}

// A bar along the top of the screen; each entry as wide as its text.
void tk_CDUI::LayoutBar(int n) {
    obal = RECT{x, y, tk_ScreenW - 1, y + a + 2 * d};
    int left = x + d;
    for (int i = 0; i < n; ++i) {
        tk_TVOLBA* v = EntryAt(i);
        int w = sirka_znaku * characters(v->text) + 2 * text_okraj;
        v->rect = RECT{left, y + d, left + w, y + d + a};
        left = v->rect.right + d;
    }
}

// A vertical menu of the first r entries.
void tk_CDUI::LayoutMenu(int r) {
    const int w = EntryWidth();
    obal = RECT{x, y, x + w + 2 * d, y + b * r + 2 * d + (a - b)};
    vnutro = EntryArea{x + d, x + d + w, y + d, y + d + b * r + (a - b)};
    for (int i = 0; i < r; ++i) {
        int top = y + d + b * i;
        EntryAt(i)->rect = RECT{x + d, top, x + d + w, top + a};
    }
}

int tk_CDUI::WidestText() const {
    int widest = 0;
    for (int i = 0; i < volby.count; ++i) {
        const tk_TVOLBA* v = EntryAt(i);
        if (v && v->text) widest = std::max(widest, v->text_w);
    }
    return widest;
}

int tk_CDUI::EntryWidth() const {
    if (text_fit != 1) return c;
    // The text is drawn inside the entry less a pixel and its margin on each side; no wider than
    // the screen less the menu's margins (a text wider still is narrowed when drawn).
    const int wanted = WidestText() + 2 + 2 * text_okraj;
    return std::max(c, std::min(wanted, tk_ScreenW - 2 * d - 2));
}

bool tk_CDUI::KeepOnScreen() {
    if (!je_popup) return false;
    auto shift = [](LONG low, LONG high, int limit) {
        int by = high > limit ? limit - static_cast<int>(high) : 0;
        if (low + by < 0) by = -static_cast<int>(low);
        return by;
    };
    int dx = shift(obal.left, obal.right, tk_ScreenW - 1);
    // A pop-up that opens to the right of its menu opens to its left where the right has no room,
    // so that it does not cover the entry that opened it.
    if (dx < 0 && master && master->trieda == 2) {
        const int left = static_cast<int>(master->obal.left) + 2 - static_cast<int>(obal.right - obal.left);
        if (left >= 0) dx = left - static_cast<int>(obal.left);
    }
    const int dy = shift(obal.top, obal.bottom, tk_ScreenH - 1);
    if (dx == 0 && dy == 0) return false;
    MoveToAbs(x + dx, y + dy);
    return true;
}
