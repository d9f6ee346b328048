#define TK_MODULE "TK_UTL_w"
#include "framework/lists/tk_UTL_CDUIR_DIR.h"

#include "framework/lists/tk_TVOLBAR.h"
#include "framework/lists/tk_UTL_RowPaths.h"
#include "framework/support/tk_Assert.h"
#include "framework/support/tk_CARRE.h"
#include "framework/support/tk_FSI.h"
#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_ClassTable.h"

namespace {

constexpr int kFirstValue = 100;
constexpr int kNameSize = 1024;

}  // namespace

tk_UTL_CDUIR_DIR::tk_UTL_CDUIR_DIR() : tk_CDUIR() {
    InicDir();
    TK_LOG("  tk_UTL_CDUIR_DIR::tk_UTL_CDUIR_DIR()");
}

tk_UTL_CDUIR_DIR::tk_UTL_CDUIR_DIR(const char* name_) : tk_CDUIR(name_) {
    InicDir();
    TK_LOG("  tk_UTL_CDUIR_DIR::tk_UTL_CDUIR_DIR(.)", name);
}

tk_UTL_CDUIR_DIR::tk_UTL_CDUIR_DIR(tk_CPolCHLO* parent_, int rx_, int ry_) : tk_CDUIR(parent_, rx_, ry_) {
    InicDir();
    TK_LOG("  tk_UTL_CDUIR_DIR::tk_UTL_CDUIR_DIR(parent,rx,ry)");
}

tk_UTL_CDUIR_DIR::tk_UTL_CDUIR_DIR(tk_CPolCHLO* parent_, int id) : tk_CDUIR(parent_, id) {
    InicDir();
    TK_LOG("  tk_UTL_CDUIR_DIR::tk_UTL_CDUIR_DIR(parent,iID)");
}

void tk_UTL_CDUIR_DIR::InicDir() {
    SetClassId(tk_CLASS_UTL_CDUIR_DIR);
    zmena = true;
    zmenaR = true;
}

tk_UTL_CDUIR_DIR::~tk_UTL_CDUIR_DIR() {
    TK_LOG("  tk_UTL_CDUIR_DIR::~tk_UTL_CDUIR_DIR", name);
    tk_UTL_FreeRowPaths(*this);
}

int tk_UTL_CDUIR_DIR::LOAD(const char* folder, const char* mask) {
    tk_CARRE folders;
    if (tk_FSI_Zisti_SubAdr(folder, mask, 1, true, &folders) != 0) {
        TK_LOG("Doslo k chybe pri nacitani adresarov", "X");
        return 0;
    }
    for (int i = 0; i < folders.count; ++i) {
        const char* path = static_cast<const char*>(folders.items[i]);
        char text[kNameSize];
        tk_FSI_Odstrihni_meno(path, text);
        PRIDAJ_DIR(kFirstValue + i, text, path);
    }
    folders.UVOLNI_char();
    return 0;
}

void tk_UTL_CDUIR_DIR::PRIDAJ_DIR(int value, const char* text, const char* path) {
    tk_TVOLBAR* row = PRIDAJR(value, text, nullptr, false);
    if (!row) TK_FAIL("tk_UTL_CDUIR_DIR::PRIDAJ_DIR - v == NULL");
    tk_UTL_SetRowPath(row, path);
}
