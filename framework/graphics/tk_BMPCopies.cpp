// Scaled and converted copies of surfaces and bitmap files, made through temporary surfaces in
// the display's format and written with the surface writer.
#define TK_MODULE "TK_DBMP_w"
#include <cstdio>
#include <string>

#include "framework/graphics/tk_BMP.h"
#include "framework/graphics/tk_BMPStretch.h"
#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/graphics/tk_DDBitmap.h"
#include "framework/support/tk_LOG.h"
#include "platform/ddraw/surface_access.h"

namespace {

void notLoaded(const char* bitmap) {
    TK_LOG("TSKW ERROR: picture cannot be loaded", bitmap ? bitmap : "");
}

std::string hresult(HRESULT r) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%08X", static_cast<unsigned>(r));
    return text;
}

// Scales `from` of src onto a new surface of width x height and writes that; `failed` is the
// text logged when the surface cannot be created.
int writeScaled(IDirectDraw* dd, IDirectDrawSurface* src, RECT from, int width, int height, const char* file,
                const char* failed, const tk_BMP_Refill& refill) {
    IDirectDrawSurface* scaled = tkp::ddraw::CreateOffscreenSurface(dd, width, height);
    if (!scaled) {
        TK_LOG(failed, width, height);
        return 0;
    }
    int written = 0;
    const HRESULT result = tk_BMP_StretchOnto(scaled, src, from, refill);
    if (result == DD_OK) {
        written = tk_BMP_VYTVOR_BMP_0_celySRF_doFILE(scaled, file);
    } else {
        TK_LOG("TSKW ERROR: scaled copy failed",
               (std::string(file ? file : "") + ": " + hresult(result)).c_str());
    }
    scaled->Release();
    return written;
}

// Writes the rectangle of a surface just loaded from a bitmap, then releases it.
int writeLoaded(IDirectDrawSurface* loaded, const char* bitmap, int x1, int y1, int x2, int y2,
                const char* file) {
    if (!loaded) {
        notLoaded(bitmap);
        return 0;
    }
    const int written = tk_BMP_VYTVOR_BMP_0_zoSRF_doFILE(loaded, x1, y1, x2, y2, file);
    loaded->Release();
    return written;
}

// A loaded sheet restores and refills itself from its file when its memory was lost.
tk_BMP_Refill refillSheet(tk_CDas_Surface& sheet) {
    return [&sheet] { return sheet.RESTORE_SURFACE() == DD_OK; };
}

}  // namespace

int tk_BMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(IDirectDraw* dd, IDirectDrawSurface* source, bool fit,
                                              int width, int height, const char* file) {
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof(desc);
    if (!source || source->GetSurfaceDesc(&desc) != DD_OK) {
        TK_LOG("TSKW ERROR: no surface to write", file ? file : "");
        return 0;
    }
    const int sw = static_cast<int>(desc.dwWidth);
    const int sh = static_cast<int>(desc.dwHeight);
    int w = width;
    int h = height;
    if (fit) tk_BMP_NOVE_ROZMERY(sw, sh, 0, width, height, w, h);
    // A caller's surface that was lost is restored for its owner, but its picture is gone: a
    // file of what the restored memory holds would be a wrong picture, so none is written.
    const tk_BMP_Refill restoreOnly = [source] {
        source->Restore();
        return false;
    };
    return writeScaled(dd, source, RECT{0, 0, sw, sh}, w, h, file,
                       "tk_BMP_VYTVOR_BMP_5 - Chyba pri CreateSurface", restoreOnly);
}

int tk_BMP_VYTVOR_BMP_2_zFILE_doFILE__copy_cezSRF(IDirectDraw* dd, const char* bitmap, const char* file) {
    int w = 0;
    int h = 0;
    IDirectDrawSurface* loaded = DDCreateSurfaceFromBitmap(dd, bitmap, 0, 0, &w, &h);
    return writeLoaded(loaded, bitmap, 0, 0, w - 1, h - 1, file);
}

int tk_BMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(IDirectDraw* dd, const char* bitmap, int koef,
                                                     int FIXMAX_sir, int FIXMAX_vys, const char* file) {
    tk_CDas_Surface sheet("tk_BMP.temp");
    if (!sheet.NAHRAJ_SURFACE(dd, bitmap)) return 0;
    int w = 0;
    int h = 0;
    tk_BMP_NOVE_ROZMERY(sheet.w, sheet.h, koef, FIXMAX_sir, FIXMAX_vys, w, h);
    return writeScaled(dd, sheet.SURFACE, RECT{0, 0, sheet.w, sheet.h}, w, h, file,
                       "tk_BMP_VYTVOR_BMP_3 - Chyba pri CreateSurface", refillSheet(sheet));
}

int tk_BMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(IDirectDraw* dd, const char* bitmap, int width,
                                                      int height, const char* file) {
    IDirectDrawSurface* loaded = DDCreateSurfaceFromBitmap_stretch(dd, bitmap, width, height);
    return writeLoaded(loaded, bitmap, 0, 0, width - 1, height - 1, file);
}

int tk_BMP_VYTVOR_BMP_3C_zFILE_doFILE__stretch_cezSRF(IDirectDraw* dd, const char* bitmap, int width,
                                                      int height, float top, float bottom, const char* file) {
    IDirectDrawSurface* loaded = DDCreateSurfaceFromBitmap_stretch(dd, bitmap, width, height);
    return writeLoaded(loaded, bitmap, 0, static_cast<int>(static_cast<float>(height) * top), width - 1,
                       static_cast<int>(static_cast<float>(height - 1) * bottom), file);
}

int tk_BMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(IDirectDraw* dd, const char* bitmap, int FIXMAX_sir,
                                                          int FIXMAX_vys, const char* file, int x, int y) {
    tk_CDas_Surface sheet("tk_BMP.temp");
    if (!sheet.NAHRAJ_SURFACE(dd, bitmap)) return 0;
    sheet.BC_NASTAV(0, 0);
    const tk_TFAZA f = sheet.ZAMERAJ_FAZU(x, y);
    int w = 0;
    int h = 0;
    tk_BMP_NOVE_ROZMERY(f.w, f.h, 0, FIXMAX_sir, FIXMAX_vys, w, h);
    return writeScaled(dd, sheet.SURFACE, RECT{f.x, f.y, f.x2, f.y2}, w, h, file,
                       "tk_BMP_VYTVOR_BMP_3 - Chyba pri CreateSurface", refillSheet(sheet));
}
