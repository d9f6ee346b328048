// Thumbnails of a folder's pictures: each missing ".thm" file is made beside its picture, an
// existing one is never rewritten (a damaged one is logged by name so that a user can delete it).
#define TK_MODULE "TK_DBMP_w"
#include "framework/graphics/tk_BMP.h"
#include "framework/graphics/tk_DDBitmap.h"
#include "framework/graphics/tk_Display.h"
#include "framework/support/tk_Assert.h"
#include "framework/support/tk_CARRE.h"
#include "framework/support/tk_FSI.h"
#include "framework/support/tk_FSI_Kinds.h"
#include "framework/support/tk_LOG.h"
#include "framework/support/tk_String.h"

namespace {

constexpr const char* kListingFailed = "Doslo k chybe pri nacitani BMP suborov";

enum class Look { ExactOrPhase, Exact, Band };

// An existing thumbnail is kept; one that cannot be loaded would stay broken for ever unless
// someone deletes it, so it is named in the log.
void checkExisting(const char* thumbnail) {
    int w = 0;
    int h = 0;
    tk_glob_GetSizeBitmap(thumbnail, &w, &h);
    if (w <= 0 || h <= 0)
        TK_LOG("TSKW ERROR: thumbnail cannot be loaded, delete it to have it made again", thumbnail);
}

// Makes the picture's thumbnail unless it has one.
void makeMissing(IDirectDraw* dd, const char* picture, int width, int height, Look look) {
    char thumbnail[tk_FSI_PATH_SIZE];
    tk_FSI_Zmen_priponu(picture, "thm", thumbnail);
    if (tk_FSI_Existuje_sub(thumbnail)) {
        checkExisting(thumbnail);
        return;
    }
    if (look == Look::Band) {
        tk_BMP_VYTVOR_BMP_3C_zFILE_doFILE__stretch_cezSRF(dd, picture, width, height, 0.25f, 0.75f,
                                                          thumbnail);
        return;
    }
    char marker[tk_FSI_PATH_SIZE];
    tk_FSI_Zmen_priponu(picture, "faz", marker);
    if (look == Look::ExactOrPhase && tk_FSI_Existuje_sub(marker)) {
        tk_BMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(dd, picture, width, height, thumbnail, 10, 10);
    } else {
        tk_BMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(dd, picture, width, height, thumbnail);
    }
}

int listAndMake(const char* folder, bool keep_paths, IDirectDraw* dd, int width, int height, char** array,
                int capacity, int* last, Look look) {
    tk_CARRE pictures;
    if (!array || !last || tk_FSI_ListPictures(folder, &pictures) != 0) {
        TK_LOG(kListingFailed, "X");
        return -1;
    }
    *last = -1;
    for (int i = 0; i < pictures.count; ++i) {
        if (*last + 1 >= capacity) {
            TK_LOG_ERR("tk_BMP_Zisti_Vytvor__bmp2thm - pole je plne");
            delete[] static_cast<char*>(pictures.items[i]);
            continue;
        }
        array[++*last] = static_cast<char*>(pictures.items[i]);
    }
    for (int i = 0; i <= *last; ++i) {
        makeMissing(dd, array[i], width, height, look);
        if (keep_paths) continue;
        char name[tk_FSI_PATH_SIZE];
        tk_FSI_Vystrihni_meno(array[i], name);
        delete[] array[i];
        array[i] = tk_StrDup(name);
    }
    return 0;
}

}  // namespace

int tk_BMP_Vytvor__bmp2thm(const char* folder, int width, int height, int mode, tk_BMP_Progress progress,
                           void* context) {
    if (mode != 1 && mode != 2) {
        TK_LOG("TSKW ERROR: ", "Nekorektny mod", mode);
        TK_FAIL("Nekorektny mod");
    }
    tk_CARRE pictures;
    if (tk_FSI_ListPictures(folder, &pictures) != 0) {
        TK_LOG(kListingFailed, "X");
        TK_FAIL(kListingFailed);
    }
    const Look look = mode == 1 ? Look::ExactOrPhase : Look::Band;
    for (int i = 0; i < pictures.count; ++i) {
        const char* picture = static_cast<const char*>(pictures.items[i]);
        if (progress) progress(i, pictures.count, picture, context);
        makeMissing(tk_lpDD, picture, width, height, look);
    }
    if (progress) progress(pictures.count, pictures.count, nullptr, context);
    pictures.UVOLNI_char();
    return 0;
}

int tk_BMP_Zisti_Vytvor__bmp2thm(const char* folder, bool keep_paths, IDirectDraw* dd, int width, int height,
                                 char** array, int capacity, int* last) {
    return listAndMake(folder, keep_paths, dd, width, height, array, capacity, last, Look::Exact);
}

int tk_BMP_Zisti_Vytvor__bmp2thm_s3C(const char* folder, bool keep_paths, IDirectDraw* dd, int width,
                                     int height, char** array, int capacity, int* last) {
    return listAndMake(folder, keep_paths, dd, width, height, array, capacity, last, Look::Band);
}
