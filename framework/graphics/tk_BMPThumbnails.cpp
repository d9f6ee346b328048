// Thumbnails of a folder's pictures: each missing ".thm" file is made beside its picture, an
// existing one is never rewritten (a damaged one is logged by name so that a user can delete it).
#define TK_MODULE "TK_DBMP_w"
#include <cstdint>
#include <cstdio>

#include "framework/graphics/tk_BMP.h"
#include "framework/graphics/tk_DDBitmap.h"
#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_ThumbnailCache.h"
#include "framework/support/tk_Assert.h"
#include "framework/support/tk_CARRE.h"
#include "framework/support/tk_FSI.h"
#include "framework/support/tk_FSI_Kinds.h"
#include "framework/support/tk_LOG.h"
#include "framework/support/tk_String.h"
#include "platform/kernel/regular_file.h"

namespace {

constexpr const char* kListingFailed = "Doslo k chybe pri nacitani BMP suborov";

enum class Look { ExactOrPhase, Exact, Band };

std::uint32_t le(const unsigned char* p, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

// Whether an existing thumbnail is one this pass could have made: a regular file holding a BMP no
// larger than width x height, long enough for its rows when they are stored plain. Only the
// header is read, so that a file made to look like a thumbnail costs nothing to refuse.
bool usable(const char* thumbnail, int width, int height) {
    std::FILE* f = tkp::kernel::OpenRegularStream(thumbnail);
    if (!f) return false;
    unsigned char h[54] = {};
    const std::size_t got = std::fread(h, 1, sizeof h, f);
    std::fseek(f, 0, SEEK_END);
    const long size = std::ftell(f);
    std::fclose(f);
    if (got < 26 || h[0] != 'B' || h[1] != 'M') return false;
    const std::uint32_t header = le(h + 14, 4);
    long w = 0, rows = 0, bits = 24, compression = 0;
    if (header == 12) {
        w = le(h + 18, 2), rows = le(h + 20, 2), bits = le(h + 24, 2);
    } else if (header >= 40 && got >= 34) {
        w = static_cast<std::int32_t>(le(h + 18, 4));
        rows = static_cast<std::int32_t>(le(h + 22, 4));
        bits = le(h + 28, 2), compression = le(h + 30, 4);
    }
    if (rows < 0) rows = -rows;
    if (w < 1 || rows < 1 || w > width || rows > height) return false;
    const long stride = (w * bits + 31) / 32 * 4;
    return compression != 0 || size >= static_cast<long>(le(h + 10, 4)) + stride * rows;
}

tk_BMP_Why whyOf(DWORD error) {
    switch (error) {
        case ERROR_BAD_FORMAT:
            return tk_BMP_Why::UnknownKind;
        case ERROR_NOT_ENOUGH_MEMORY:
            return tk_BMP_Why::TooLarge;
        case ERROR_INVALID_DATA:
            return tk_BMP_Why::Damaged;
        default:
            return tk_BMP_Why::Unreadable;
    }
}

// A thumbnail of the picture's shape written beside it, else into the user's cache. When neither
// can be written the set still plays: its loader makes the picture's card from the picture itself.
void makeInBox(IDirectDraw* dd, const char* picture, int width, int height, const char* thumbnail,
               std::vector<tk_BMP_Missed>* missed) {
    IDirectDrawSurface* made = DDCreateSurfaceFromPictureInBox(dd, picture, width, height);
    if (!made) {
        const tk_BMP_Why why = whyOf(GetLastError());
        TK_LOG("TSKW ERROR: picture cannot be loaded", picture);
        if (missed) missed->push_back({picture, why});
        return;
    }
    if (!tk_BMP_VYTVOR_BMP_0_celySRF_doFILE(made, thumbnail)) {
        const std::string cached = tk_BMP_CachedThumbnailPath(picture);
        if (!cached.empty() && tk_BMP_MakeThumbnailCacheFolder() &&
            tk_BMP_VYTVOR_BMP_0_celySRF_doFILE(made, cached.c_str()))
            TK_LOG("thumbnail written to the cache", cached.c_str());
    }
    made->Release();
}

// Makes the picture's thumbnail unless it has one.
void makeMissing(IDirectDraw* dd, const char* picture, int width, int height, Look look,
                 std::vector<tk_BMP_Missed>* missed = nullptr) {
    char thumbnail[tk_FSI_PATH_SIZE];
    tk_FSI_Zmen_priponu(picture, "thm", thumbnail);
    if (tk_FSI_Existuje_sub(thumbnail)) {
        if (usable(thumbnail, width, height)) return;
        // Anything else would be trusted for ever: it is named and made again in its place.
        TK_LOG("TSKW ERROR: thumbnail cannot be used, it is made again", thumbnail);
    }
    if (look == Look::ExactOrPhase) {
        const std::string cached = tk_BMP_CachedThumbnailPath(picture);
        if (!cached.empty() && tk_FSI_Existuje_sub(cached.c_str())) return;
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
    } else if (look == Look::ExactOrPhase) {
        makeInBox(dd, picture, width, height, thumbnail, missed);
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
                           void* context, std::vector<tk_BMP_Missed>* missed) {
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
        makeMissing(tk_lpDD, picture, width, height, look, missed);
    }
    if (progress) progress(pictures.count, pictures.count, nullptr, context);
    pictures.UVOLNI_char();
    return 0;
}

std::string tk_BMP_ThumbnailOf(const char* picture) {
    char beside[tk_FSI_PATH_SIZE];
    tk_FSI_Zmen_priponu(picture, "thm", beside);
    if (tk_FSI_Existuje_sub(beside)) return beside;
    const std::string cached = tk_BMP_CachedThumbnailPath(picture);
    return !cached.empty() && tk_FSI_Existuje_sub(cached.c_str()) ? cached : "";
}

int tk_BMP_Zisti_Vytvor__bmp2thm(const char* folder, bool keep_paths, IDirectDraw* dd, int width, int height,
                                 char** array, int capacity, int* last) {
    return listAndMake(folder, keep_paths, dd, width, height, array, capacity, last, Look::Exact);
}

int tk_BMP_Zisti_Vytvor__bmp2thm_s3C(const char* folder, bool keep_paths, IDirectDraw* dd, int width,
                                     int height, char** array, int capacity, int* last) {
    return listAndMake(folder, keep_paths, dd, width, height, array, capacity, last, Look::Band);
}
