#define TK_MODULE "TK_UTL_w"
#include "framework/lists/tk_UTL_CDUIR_THMFILE.h"

#include "framework/graphics/tk_BMP.h"
#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/lists/tk_TVOLBAR.h"
#include "framework/lists/tk_UTL_RowPaths.h"
#include "framework/support/tk_Assert.h"
#include "framework/support/tk_CARRE.h"
#include "framework/support/tk_FSI.h"
#include "framework/support/tk_FSI_Kinds.h"
#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_CIcon.h"
#include "framework/widgets/tk_ClassTable.h"

namespace {

// Thumbnails taller or wider than this are laid out as if they were this size.
constexpr int kLargest = 150;

}  // namespace

tk_UTL_CDUIR_THMFILE::tk_UTL_CDUIR_THMFILE() : tk_CDUIR() {
    InicThm();
    TK_LOG("  tk_UTL_CDUIR_THMFILE::tk_UTL_CDUIR_THMFILE()");
}

tk_UTL_CDUIR_THMFILE::tk_UTL_CDUIR_THMFILE(const char* name_) : tk_CDUIR(name_) {
    InicThm();
    TK_LOG("  tk_UTL_CDUIR_THMFILE::tk_UTL_CDUIR_THMFILE(.)", name);
}

tk_UTL_CDUIR_THMFILE::tk_UTL_CDUIR_THMFILE(tk_CPolCHLO* parent_, int rx_, int ry_)
    : tk_CDUIR(parent_, rx_, ry_) {
    InicThm();
    TK_LOG("  tk_UTL_CDUIR_THMFILE::tk_UTL_CDUIR_THMFILE(parent,rx,ry)");
}

tk_UTL_CDUIR_THMFILE::tk_UTL_CDUIR_THMFILE(tk_CPolCHLO* parent_, int id) : tk_CDUIR(parent_, id) {
    InicThm();
    TK_LOG("  tk_UTL_CDUIR_THMFILE::tk_UTL_CDUIR_THMFILE(parent,iID)");
}

void tk_UTL_CDUIR_THMFILE::InicThm() {
    SetClassId(tk_CLASS_UTL_CDUIR_THMFILE);
    thm_sir = 100;
    thm_vys = 75;
    zmena = true;
    zmenaR = true;
}

tk_UTL_CDUIR_THMFILE::~tk_UTL_CDUIR_THMFILE() {
    TK_LOG("  tk_UTL_CDUIR_THMFILE::~tk_UTL_CDUIR_THMFILE", name);
    tk_UTL_FreeRowPaths(*this);
}

int tk_UTL_CDUIR_THMFILE::LOAD(const char* folder, bool transparent) {
    tk_CARRE pictures;
    if (tk_FSI_ListPictures(folder, &pictures) != 0) {
        TK_LOG("Doslo k chybe pri nacitani BMP suborov", "X");
        TK_FAIL("Doslo k chybe pri nacitani BMP suborov");
    }
    const int keyed = tk_glob_Get_CIcon_default_transparency();
    tk_glob_Set_CIcon_default_transparency(transparent ? 1 : 0);
    for (int i = 0; i < pictures.count; ++i) {
        const char* picture = static_cast<const char*>(pictures.items[i]);
        char thumbnail[tk_FSI_PATH_SIZE];
        char title[tk_FSI_PATH_SIZE];
        tk_FSI_Zmen_priponu(picture, "thm", thumbnail);
        tk_FSI_Vystrihni_meno(picture, title);
        PRIDAJ_THMFILE(i + 1, title, picture, thumbnail);
    }
    tk_glob_Set_CIcon_default_transparency(keyed);
    pictures.UVOLNI_char();
    return 0;
}

// A picture without a thumbnail still gets a row, with an icon that has no picture.
void tk_UTL_CDUIR_THMFILE::PRIDAJ_THMFILE(int id, const char* title, const char* picture,
                                          const char* thumbnail) {
    tk_CIcon* icon = nullptr;
    if (tk_FSI_Existuje_sub(thumbnail)) {
        icon = new tk_CIcon(tk_lpDD, thumbnail);
        // The file is there but is no picture: name it, so that a user can delete it.
        if (!icon->surface)
            TK_LOG("TSKW ERROR: thumbnail cannot be loaded, delete it to have it made again", thumbnail);
    } else {
        icon = new tk_CIcon();
    }
    tk_TVOLBAR* row = PRIDAJR(id, title, icon, true);
    if (!row) TK_FAIL("tk_UTL_CDUIR_THMFILE::PRIDAJ_THMFILE - v == NULL");
    tk_UTL_SetRowPath(row, picture);
}

int tk_UTL_CDUIR_THMFILE::RELOAD(const char* folder, bool transparent) {
    if (CountR() > 0) {
        tk_UTL_FreeRowPaths(*this);
        VYMAZR();
    }
    return LOAD(folder, transparent);
}

int tk_UTL_CDUIR_THMFILE::XRELOAD(const char* folder, bool transparent) {
    if (tk_BMP_Vytvor__bmp2thm(folder, thm_sir, thm_vys, 1) != 0) {
        TK_LOG("Doslo k chybe pri vytvarani THM suborov", "X");
        TK_FAIL("Doslo k chybe pri vytvarani THM suborov");
    }
    RELOAD(folder, transparent);
    AUTORESIZE();
    return 0;
}

int tk_UTL_CDUIR_THMFILE::GetIconsStatistics(int* min_w, int* max_w, int* min_h, int* max_h) {
    int n = 0;
    int lo_w = 0, hi_w = 0, lo_h = 0, hi_h = 0;
    for (int i = 0; i < CountR(); ++i) {
        const tk_TVOLBAR* row = (*this)[i];
        if (!row || !row->icon) continue;
        const tk_TFAZA& f = row->icon->phase;
        if (n == 0 || f.w < lo_w) lo_w = f.w;
        if (n == 0 || f.w > hi_w) hi_w = f.w;
        if (n == 0 || f.h < lo_h) lo_h = f.h;
        if (n == 0 || f.h > hi_h) hi_h = f.h;
        ++n;
    }
    if (n == 0) return 0;
    if (min_w) *min_w = lo_w;
    if (max_w) *max_w = hi_w;
    if (min_h) *min_h = lo_h;
    if (max_h) *max_h = hi_h;
    return n;
}

int tk_UTL_CDUIR_THMFILE::AUTORESIZE() {
    int max_w = 0;
    int max_h = 0;
    if (GetIconsStatistics(nullptr, &max_w, nullptr, &max_h) == 0) return -1;
    if (max_h > kLargest) {
        a = kLargest;
    } else if (max_h + 1 > a) {
        a = max_h + 1;
    }
    b = a + 8;
    icon_okraj = 1;
    SetIconMode("LC");
    if (max_w > kLargest) {
        text_okraj = kLargest;
    } else if (max_w + 15 > text_okraj) {
        text_okraj = max_w + 15;
    }
    SetTextMode("LC");
    zmena = true;
    zmenaR = true;
    return 0;
}
