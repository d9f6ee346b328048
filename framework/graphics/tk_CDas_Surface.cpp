// tk_CDas_Surface: construction, loading, refilling after a loss, release.
#define TK_MODULE "TK_DSRFC_w"
#include "framework/graphics/tk_CDas_Surface.h"

#include "framework/graphics/tk_DDBitmap.h"
#include "framework/graphics/tk_Display.h"
#include "framework/support/tk_Assert.h"
#include "framework/support/tk_LOG.h"
#include "framework/support/tk_String.h"

namespace {

const char* orEmpty(const char* text) {
    return text ? text : "";
}

}  // namespace

tk_CDas_Surface::tk_CDas_Surface() : tk_CDas_Surface("noname") {}

tk_CDas_Surface::tk_CDas_Surface(const char* label)
    : subor_nazov(nullptr), SURFACE(nullptr), w(0), h(0), TC(0), BC(0), stretch(false) {
    tk_StrCopy(meno, label ? label : "noname");
}

tk_CDas_Surface::~tk_CDas_Surface() {
    RELEASE_SURFACE();
    delete[] subor_nazov;
}

void tk_CDas_Surface::RememberName(const char* name) {
    // Copy before freeing: the name may be our own subor_nazov.
    char* copy = tk_StrDup(name);
    delete[] subor_nazov;
    subor_nazov = copy;
}

// A load that fails is logged and leaves SURFACE null; a missing or damaged picture is something a
// user can meet (a card set's files), so the program goes on.
int tk_CDas_Surface::NAHRAJ_SURFACE(IDirectDraw* dd, const char* name) {
    RememberName(name);
    RELEASE_SURFACE();
    SURFACE = DDCreateSurfaceFromBitmap(dd, subor_nazov, 0, 0, &w, &h);
    stretch = false;
    if (SURFACE) return 1;
    TK_LOG_ERR("tk_CDas_Surface::NAHRAJ_SURFACE() - Neuspesne nahratie SURFACE");
    TK_LOG("subor:", orEmpty(subor_nazov));
    return 0;
}

int tk_CDas_Surface::NAHRAJ_SURFACE(const char* name) {
    return NAHRAJ_SURFACE(tk_lpDD, name);
}

int tk_CDas_Surface::NAHRAJ_SURFACE_2_stretch(IDirectDraw* dd, const char* name, int width, int height) {
    RememberName(name);
    RELEASE_SURFACE();
    SURFACE = DDCreateSurfaceFromBitmap_stretch(dd, subor_nazov, width, height);
    w = width;
    h = height;
    stretch = true;
    if (SURFACE) return 1;
    TK_LOG_ERR("tk_CDas_Surface::NAHRAJ_SURFACE_2_stretch() - Neuspesne nahratie SURFACE");
    TK_LOG("subor:", orEmpty(subor_nazov));
    TK_LOG("sir,vys:", width, height);
    return 0;
}

int tk_CDas_Surface::NAHRAJ_SURFACE_2_stretch(const char* name, int width, int height) {
    return NAHRAJ_SURFACE_2_stretch(tk_lpDD, name, width, height);
}

int tk_CDas_Surface::RENAHRAJ_SURFACE() {
    // Reloading what was never loaded is a fault of the caller.
    if (!subor_nazov) TK_FAIL("tk_CDas_Surface::RENAHRAJ_SURFACE() - subor_nazov == NULL");
    RELEASE_SURFACE();
    SURFACE = DDCreateSurfaceFromBitmap(tk_lpDD, subor_nazov, 0, 0, &w, &h);
    if (SURFACE) return 1;
    TK_LOG_ERR("tk_CDas_Surface::RENAHRAJ_SURFACE() - Neuspesne nahratie SURFACE");
    TK_LOG("subor:", subor_nazov);
    return 0;
}

long tk_CDas_Surface::RESTORE_SURFACE() {
    // Nothing loaded (or a failed load): nothing to restore.
    if (!SURFACE) return DDERR_GENERIC;
    const HRESULT restored = SURFACE->Restore();
    if (restored != DD_OK) return restored;
    if (stretch) {
        DDRefillSurface_stretch(SURFACE, subor_nazov, w, h);
    } else {
        DDRefillSurface(SURFACE, subor_nazov);
    }
    return restored;
}

void tk_CDas_Surface::RELEASE_SURFACE() {
    if (!SURFACE) return;
    SURFACE->Release();
    SURFACE = nullptr;
}
