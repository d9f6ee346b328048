// Bitmaps into surfaces: loading by name (resource first, then file), creating, refilling and
// copying with GDI's StretchBlt, and measuring.
#include "framework/graphics/tk_DDBitmap.h"

#include "platform/ddraw/surface_access.h"

namespace {

// The bitmap as a resource of the program, else as a file; scaled when a size is given.
HBITMAP loadBitmap(const char* name, int width, int height) {
    if (!name) return nullptr;
    HANDLE h = LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, width, height, LR_CREATEDIBSECTION);
    if (!h) h = LoadImageA(nullptr, name, IMAGE_BITMAP, width, height, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    return static_cast<HBITMAP>(h);
}

// A new surface of the given size (0 x 0: the bitmap's) holding the bitmap.
IDirectDrawSurface* createFilled(IDirectDraw* dd, HBITMAP bitmap, int width, int height) {
    IDirectDrawSurface* surface = tkp::ddraw::CreateOffscreenSurface(dd, width, height);
    if (surface) DDCopyBitmap(surface, bitmap, 0, 0, 0, 0);
    DeleteObject(bitmap);
    return surface;
}

// Refills with the bitmap; the texts differ between the plain and the stretching variant.
HRESULT refill(IDirectDrawSurface* surface, HBITMAP bitmap, const char* noHandle, const char* copyFailed) {
    if (!bitmap) {
        OutputDebugStringA(noHandle);
        return DDERR_GENERIC;
    }
    HRESULT result = DDCopyBitmap(surface, bitmap, 0, 0, 0, 0);
    if (result != DD_OK) OutputDebugStringA(copyFailed);
    DeleteObject(bitmap);
    return result;
}

}  // namespace

IDirectDrawSurface* DDCreateSurfaceFromBitmap(IDirectDraw* dd, const char* name, int loadW, int loadH,
                                              int* outW, int* outH) {
    HBITMAP bitmap = loadBitmap(name, loadW, loadH);
    if (!bitmap) return nullptr;
    BITMAP bm{};
    GetObjectA(bitmap, sizeof(bm), &bm);
    if (outW) *outW = bm.bmWidth;
    if (outH) *outH = bm.bmHeight;
    return createFilled(dd, bitmap, bm.bmWidth, bm.bmHeight);
}

IDirectDrawSurface* DDCreateSurfaceFromBitmap_stretch(IDirectDraw* dd, const char* name, int width,
                                                      int height) {
    HBITMAP bitmap = loadBitmap(name, width, height);
    if (!bitmap) return nullptr;
    return createFilled(dd, bitmap, width, height);
}

IDirectDrawSurface* DDCreateSurfaceFromPictureInBox(IDirectDraw* dd, const char* path, int width,
                                                    int height) {
    constexpr double kSameShape = 0.02;
    auto* bitmap =
        static_cast<HBITMAP>(tkp::gdi::LoadPictureInBox(path, width, height, kSameShape, RGB(255, 255, 255)));
    if (!bitmap) return nullptr;
    return createFilled(dd, bitmap, width, height);
}

IDirectDrawSurface* DDReplaceSurfaceFromBitmap(IDirectDraw* dd, IDirectDrawSurface* old, const char* name,
                                               int* outW, int* outH) {
    if (old) old->Release();
    return DDCreateSurfaceFromBitmap(dd, name, 0, 0, outW, outH);
}

HRESULT DDRefillSurface(IDirectDrawSurface* surface, const char* name) {
    return refill(surface, loadBitmap(name, 0, 0), "handle is null\n", "ddcopybitmap failed\n");
}

HRESULT DDRefillSurface_stretch(IDirectDrawSurface* surface, const char* name, int width, int height) {
    return refill(surface, loadBitmap(name, width, height), "$QR: handle is null\n",
                  "$QR: DDCopyBitmap failed\n");
}

HRESULT DDCopyBitmap(IDirectDrawSurface* surface, HBITMAP bitmap, int x, int y, int width, int height) {
    if (!bitmap || !surface) return DDERR_GENERIC;
    // A surface whose memory was lost must be restored before it can be written.
    surface->Restore();
    HDC memory = CreateCompatibleDC(nullptr);
    if (!memory) {
        // Nothing could be copied: report it rather than the success of a later GetDC.
        OutputDebugStringA("createcompatible dc failed\n");
        return DDERR_GENERIC;
    }
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BITMAP bm{};
    GetObjectA(bitmap, sizeof(bm), &bm);
    if (width == 0) width = bm.bmWidth;
    if (height == 0) height = bm.bmHeight;
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof(desc);
    desc.dwFlags = DDSD_WIDTH | DDSD_HEIGHT;
    surface->GetSurfaceDesc(&desc);
    HRESULT result = DD_OK;
    {
        tkp::ddraw::SurfaceDC target(surface);
        result = target.result();
        if (target.ok())
            StretchBlt(target, 0, 0, static_cast<int>(desc.dwWidth), static_cast<int>(desc.dwHeight), memory,
                       x, y, width, height, SRCCOPY);
    }
    if (previous) SelectObject(memory, previous);
    DeleteDC(memory);
    return result;
}

void tk_glob_GetSizeBitmap(const char* name, int* width, int* height) {
    HBITMAP bitmap = loadBitmap(name, 0, 0);
    if (!bitmap) {
        OutputDebugStringA("$QR: handle is null\n");
        return;
    }
    BITMAP bm{};
    GetObjectA(bitmap, sizeof(bm), &bm);
    if (width) *width = bm.bmWidth;
    if (height) *height = bm.bmHeight;
    DeleteObject(bitmap);
}
