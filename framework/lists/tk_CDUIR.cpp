#define TK_MODULE "TK_DUIR_w"
#include "framework/lists/tk_CDUIR.h"

#include <cstring>

#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/lists/tk_TVOLBA.h"
#include "framework/lists/tk_TVOLBAR.h"
#include "framework/support/tk_Assert.h"
#include "framework/support/tk_LOG.h"
#include "framework/support/tk_String.h"

namespace {

bool isPlaceholder(const char* text) {
    return text && std::strstr(text, "voidR_");
}

}  // namespace

tk_CDUIR::tk_CDUIR() : tk_CDUI() {
    InitRowList();
}

tk_CDUIR::tk_CDUIR(const char* name_) : tk_CDUI() {
    InitRowList();
    SetName(name_ ? name_ : "noname");
}

tk_CDUIR::tk_CDUIR(tk_CPolCHLO* parent_, int rx_, int ry_) : tk_CDUI(parent_, rx_, ry_) {
    InitRowList();
}

tk_CDUIR::tk_CDUIR(tk_CPolCHLO* parent_, int id) : tk_CDUI(parent_, id) {
    InitRowList();
}

void tk_CDUIR::InitRowList() {
    SetClassId(tk_CLASS_CDUIR);
    SetName("noname");
    trieda = 2;
    Inic_KP();
    // The scroll parts stay hidden until there are more rows than lines.
    posuv.visible = false;
    posuv.void_SIR = 20;
    posuv.void_VYS = 60;
    for (tk_CTlac* t : {&tlac_hore, &tlac_dole}) {
        t->visible = false;
        t->void_SIR = 20;
        t->void_VYS = 20;
    }
    draha.visible = false;
    zmenaR = true;
    voidR_pocet = 0;
    posuvanie = false;
    riadkov = 7;
    pozicia = 0;
    rozsah = 100;
    na_koniec = false;
    posuv.SP(0);
    if (!tk_CDUI_void_flag) {
        PRIDAJR(0, "voidR_0", nullptr, false);
        PRIDAJR(1, "voidR_1", nullptr, false);
        PRIDAJR(2, "voidR_2", nullptr, false);
    }
    zmenaR = true;
}

tk_CDUIR::~tk_CDUIR() {
    TK_LOG("tk_CDUIR::~tk_CDUIR()", name);
    TK_LOG("  VOLR.count", VOLR.count);
    // The entries borrow the rows' texts and icons: they go first.
    DeleteEntries();
    for (int i = 0; i < VOLR.count; ++i) {
        delete RowAt(i);
        VOLR.items[i] = nullptr;
    }
    VOLR.Zhod_count();
}

tk_TVOLBAR* tk_CDUIR::RowAt(int i) const {
    if (i < 0 || i >= VOLR.count) return nullptr;
    return static_cast<tk_TVOLBAR*>(VOLR.items[i]);
}

// Deleting a row drops the entries that may still borrow its text or icon; the next layout
// makes them again.
void tk_CDUIR::DeleteRow(int i) {
    DeleteEntries();
    delete RowAt(i);
    VOLR.items[i] = nullptr;
}

void tk_CDUIR::PRIDAJ(int id, const char* text) {
    PRIDAJR(id, text, nullptr, false);
}

void tk_CDUIR::PRIDAJ(int id, const char* text, const char* icon_file) {
    PRIDAJR(id, text, icon_file ? new tk_CIcon(tk_lpDD, icon_file) : nullptr, true);
}

void tk_CDUIR::PRIDAJ(int id, const char* text, tk_CIcon* icon) {
    PRIDAJR(id, text, icon, false);
}

void tk_CDUIR::PRIDAJ(int id, const char* text, tk_CIcon* icon, bool own) {
    PRIDAJR(id, text, icon, own);
}

tk_TVOLBAR* tk_CDUIR::PRIDAJR(int id, const char* text, tk_CIcon* icon, bool own) {
    auto* row = new tk_TVOLBAR(id);
    row->text = tk_StrDup(text);
    if (text && tk_lpDDSPrimary) {
        tk_glob_ZISTI_ROZMER_TEXTU(text, font, &row->text_w, &row->text_h);
    } else if (text) {
        row->text_w = 100;
        row->text_h = 20;
    }
    row->icon = icon;
    row->icon_vlastny = own;
    // A real row takes the next placeholder row's place; a removed placeholder is not replaced.
    tk_TVOLBAR* slot = RowAt(voidR_pocet);
    if (!tk_CDUI_void_flag && voidR_pocet < 3 && !isPlaceholder(text) && slot && isPlaceholder(slot->text)) {
        DeleteRow(voidR_pocet);
        VOLR.items[voidR_pocet] = row;
        ++voidR_pocet;
    } else {
        VOLR.Add(row);
    }
    if (na_koniec && (posuvanie || VOLR.count > riadkov)) {
        RESET_GEOMETRIER();
        posuv.SP(rozsah);
    }
    zmenaR = true;
    return row;
}

void tk_CDUIR::ODOBERR() {
    if (VOLR.count == 0) return;
    DeleteRow(VOLR.count - 1);
    VOLR.Del();
    zmenaR = true;
}

void tk_CDUIR::VYMAZR() {
    DeleteEntries();
    for (int i = 0; i < VOLR.count; ++i) DeleteRow(i);
    VOLR.Zhod_count();
    tk_CDUI_void_flag = true;
    zmenaR = true;
}

tk_TVOLBAR* tk_CDUIR::VratVolbu__indexovo(int i) {
    if (i < 0 || i >= VOLR.count) {
        TK_LOG("TSKW ERROR: ", "CHYBA: tk_CDUIR::VratVolbu__indexovo - Index mimo rozsah", i);
        TK_FAIL("CHYBA: tk_CDUIR::VratVolbu__indexovo - Index mimo rozsah");
    }
    return RowAt(i);
}

tk_TVOLBAR* tk_CDUIR::VratVolbu__hodnotovo(int value) {
    for (int i = 0; i < VOLR.count; ++i) {
        if (RowAt(i)->id == value) return RowAt(i);
    }
    return nullptr;
}

tk_TVOLBAR* tk_CDUIR::VratVolbu__podla_textu(const char* text) {
    if (!text) return nullptr;
    for (int i = 0; i < VOLR.count; ++i) {
        const char* t = RowAt(i)->text;
        if (t && std::strcmp(t, text) == 0) return RowAt(i);
    }
    return nullptr;
}

void tk_CDUIR::Eviduj_Master_Detail_popupR(int id, tk_CDUI* popup) {
    for (int i = 0; i < VOLR.count; ++i) {
        if (RowAt(i)->id != id) continue;
        Eviduj_Master_Detail_popupR__indexovo(i, popup);
        return;
    }
}

void tk_CDUIR::Eviduj_Master_Detail_popupR__indexovo(int index, tk_CDUI* popup) {
    if (index < 0 || index >= VOLR.count) {
        const char* detail = "ERROR,CHYBA: CDUIR::Eviduj_Master_Detail_popupR__indexovo - Nekorektny index";
        TK_LOG("TSKW ERROR: ", detail, index);
        TK_FAIL(detail);
    }
    // A list cannot open itself: its pop-up chain would never end.
    if (popup == this) {
        TK_LOG_ERR("tk_CDUIR::Eviduj_Master_Detail_popupR - popup == this");
        return;
    }
    RowAt(index)->detail = popup;
    if (popup) popup->master = this;
    // The visible entries take the row's pop-up at the next layout.
    zmenaR = true;
}
