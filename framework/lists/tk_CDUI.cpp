#define TK_MODULE "TK_DUI_w"
#include "framework/lists/tk_CDUI.h"

#include <cstring>

#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/lists/tk_TVOLBA.h"
#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_CIcon.h"

bool tk_CDUI_void_flag = false;

namespace {

bool isPlaceholder(const char* text) {
    return text && std::strstr(text, "void_");
}

}  // namespace

tk_CDUI::tk_CDUI() : tk_CPol() {
    Init(2, "  tk_CDUI::tk_CDUI()");
}

tk_CDUI::tk_CDUI(int trieda_) : tk_CPol() {
    Init(trieda_, "  tk_CDUI::tk_CDUI(.)");
}

tk_CDUI::tk_CDUI(const char* name_) : tk_CPol() {
    Init(2, "  tk_CDUI::tk_CDUI(.)");
    SetName(name_ ? name_ : "noname");
}

tk_CDUI::tk_CDUI(const char* name_, int trieda_) : tk_CPol() {
    Init(trieda_, "  tk_CDUI::tk_CDUI(..)");
    SetName(name_ ? name_ : "noname");
}

tk_CDUI::tk_CDUI(tk_CPolCHLO* parent_, int rx_, int ry_) : tk_CPol(parent_, rx_, ry_) {
    Init(2, "  tk_CDUI::tk_CDUI(parent,rx,ry)");
}

tk_CDUI::tk_CDUI(tk_CPolCHLO* parent_, int id) : tk_CPol(parent_, id) {
    Init(2, "  tk_CDUI::tk_CDUI(parent,ID)");
}

void tk_CDUI::Init(int trieda_, const char* trace) {
    TK_LOG(trace);
    SetClassId(tk_CLASS_CDUI);
    SetName("noname");
    sprava = 0;
    trieda = (trieda_ >= 0 && trieda_ <= 2) ? trieda_ : 2;
    zmena = true;
    void_pocet = 0;
    hover = hover_old = hover_new = -1;
    zamknute = false;
    vlastny_srf = nullptr;
    podklad = 1;
    obal = RECT{1, 1, 100, 100};
    vnutro = EntryArea{0, 0, 0, 0};
    const tk_TGlobGDI& gdi = tk_glob_GDI();
    stetec_1 = gdi.brush_blue;
    stetec_2 = gdi.brush_red;
    stetec_3 = gdi.brush_yellow;
    stetec_podklad = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    pero_level = CreatePen(PS_SOLID, 1, RGB(80, 80, 80));
    pero_ramik = CreatePen(PS_SOLID, 1, RGB(60, 60, 255));
    font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    sirka_znaku = 15;
    a = b = c = d = 0;
    ramik_volieb = 0;
    std::strcpy(text_mode, "CC");
    text_okraj = 1;
    std::strcpy(icon_mode, "LT");
    icon_okraj = 1;
    posun = posun_x = posun_y = 0;
    nafuk_x = nafuk_y = 0;
    oble = false;
    oble_x = oble_y = 5;
    styl = 1;
    master = nullptr;
    je_popup = false;
    max_riadkov = 0;
    text_fit = 0;
    // An empty menu still shows its shape until the program clears its first list.
    if (!tk_CDUI_void_flag) {
        PRIDAJ(0, "void_0");
        PRIDAJ(1, "void_1");
        PRIDAJ(2, "void_2");
    }
    Inic_KP();
    RESET_GEOMETRIE();
}

tk_CDUI::~tk_CDUI() {
    ReleaseFittedFonts();
    DeleteEntries();
    DeleteObject(pero_level);
    DeleteObject(pero_ramik);
}

tk_TVOLBA* tk_CDUI::EntryAt(int i) const {
    if (i < 0 || i >= volby.count) return nullptr;
    return static_cast<tk_TVOLBA*>(volby.items[i]);
}

int tk_CDUI::Count() {
    return volby.count;
}

int tk_CDUI::RowCount() const {
    return (max_riadkov > 0 && max_riadkov < volby.count) ? max_riadkov : volby.count;
}

void tk_CDUI::PRIDAJ(int id, const char* text) {
    PRIDAJ(nullptr, id, text, nullptr, false);
}

void tk_CDUI::PRIDAJ(int id, const char* text, const char* icon_file) {
    tk_CIcon* icon = icon_file ? new tk_CIcon(tk_lpDD, icon_file) : nullptr;
    PRIDAJ(nullptr, id, text, icon, true);
}

void tk_CDUI::PRIDAJ(int id, const char* text, tk_CIcon* icon) {
    PRIDAJ(nullptr, id, text, icon, false);
}

void tk_CDUI::PRIDAJ(int id, const char* text, tk_CIcon* icon, bool own) {
    PRIDAJ(nullptr, id, text, icon, own);
}

tk_TVOLBA* tk_CDUI::PRIDAJ(const RECT* rect, int id, const char* text, tk_CIcon* icon, bool own) {
    auto* v = new tk_TVOLBA(id);
    int k = volby.count;
    v->rect = rect ? *rect : RECT{50 + 30 * k, 50 + 30 * k, 150 + 30 * k, 100 + 30 * k};
    v->rect2 = v->rect;
    v->SetText(text, true);
    v->text_w = v->text_h = 0;
    if (text && tk_lpDDSPrimary) {
        tk_glob_ZISTI_ROZMER_TEXTU(text, font, &v->text_w, &v->text_h);
    } else if (text) {
        v->text_w = 100;
        v->text_h = 20;
    }
    v->SetIcon(icon, own);
    // A real entry takes the next placeholder's place while placeholders are in use; a slot
    // that no longer holds a placeholder (removed meanwhile) is never overwritten.
    tk_TVOLBA* slot = EntryAt(void_pocet);
    if (!tk_CDUI_void_flag && void_pocet < 3 && !isPlaceholder(text) && slot && isPlaceholder(slot->text)) {
        delete slot;
        volby.items[void_pocet] = v;
        ++void_pocet;
    } else {
        volby.Add(v);
    }
    zmena = true;
    return v;
}

void tk_CDUI::ODOBER() {
    if (volby.count == 0) return;
    delete EntryAt(volby.count - 1);
    volby.items[volby.count - 1] = nullptr;
    volby.Del();
    zmena = true;
}

void tk_CDUI::DeleteEntries() {
    for (int i = 0; i < volby.count; ++i) {
        delete EntryAt(i);
        volby.items[i] = nullptr;
    }
    volby.Zhod_count();
    hover = hover_old = hover_new = -1;
}

void tk_CDUI::VYMAZ() {
    DeleteEntries();
    tk_CDUI_void_flag = true;
    zmena = true;
}

void tk_CDUI::Eviduj_Master_Detail_popup(int id, tk_CDUI* popup) {
    // A list cannot open itself: its pop-up chain would never end.
    if (popup == this) {
        TK_LOG_ERR("tk_CDUI::Eviduj_Master_Detail_popup - popup == this");
        return;
    }
    for (int i = 0; i < volby.count; ++i) {
        tk_TVOLBA* v = EntryAt(i);
        if (!v || v->id != id) continue;
        v->detail = popup;
        if (popup) popup->master = this;
        return;
    }
}
