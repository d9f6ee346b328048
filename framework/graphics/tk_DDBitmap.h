// Bitmaps into DirectDraw surfaces. A name is tried first as a bitmap resource of the program and
// then as a file path. Problems go only to the debugger output (OutputDebugStringA) and into the
// results, never to the log.
#pragma once

#include "platform/platform.h"

// A new off-screen surface holding the bitmap, loaded at loadW x loadH (0 = the bitmap's own);
// the loaded size goes to *outW, *outH (when given). Null when the bitmap or surface is missing.
IDirectDrawSurface* DDCreateSurfaceFromBitmap(IDirectDraw* dd, const char* name, int loadW, int loadH,
                                              int* outW, int* outH);
// A new width x height surface holding the bitmap scaled to that size, or null.
IDirectDrawSurface* DDCreateSurfaceFromBitmap_stretch(IDirectDraw* dd, const char* name, int width,
                                                      int height);
// A new width x height surface holding the picture file as a thumbnail shows it: stretched over
// the surface when its aspect is within 2 % of the surface's, else fitted whole with its aspect
// kept and centred on white. Null when the picture cannot be loaded; GetLastError says why
// (tkp::gdi::LoadPictureInBox).
IDirectDrawSurface* DDCreateSurfaceFromPictureInBox(IDirectDraw* dd, const char* path, int width, int height);
// Releases the old surface (may be null), then loads the bitmap at its own size.
IDirectDrawSurface* DDReplaceSurfaceFromBitmap(IDirectDraw* dd, IDirectDrawSurface* old, const char* name,
                                               int* outW, int* outH);

// Copies the bitmap again onto an existing surface (after its memory was lost); E_FAIL when the
// bitmap is missing (E_FAIL, which DirectDraw calls DDERR_GENERIC).
HRESULT DDRefillSurface(IDirectDrawSurface* surface, const char* name);
// The same with the bitmap loaded at width x height.
HRESULT DDRefillSurface_stretch(IDirectDrawSurface* surface, const char* name, int width, int height);
// Stretches the bitmap's rectangle (x, y, width, height; 0 = the bitmap's own width or height) over
// the whole surface. Returns the result of the surface's GetDC, or E_FAIL.
HRESULT DDCopyBitmap(IDirectDrawSurface* surface, HBITMAP bitmap, int x, int y, int width, int height);

// A new 8-bit palette: the bitmap's colour table over the 3-3-2 palette (null name: 3-3-2 only).
IDirectDrawPalette* DDLoadPalette(IDirectDraw* dd, const char* name);
// The surface's pixel value for an RGB colour (CLR_INVALID: the value at (0, 0) as it is);
// CLR_INVALID when the surface cannot be locked. Pixel (0, 0) is put back afterwards.
DWORD DDPixelOfColour(IDirectDrawSurface* surface, COLORREF colour);
// Sets the colour's pixel value as the surface's source colour key.
HRESULT DDSetSourceColourKey(IDirectDrawSurface* surface, COLORREF colour);

// The bitmap's own size; both outputs stay as they were when it is missing.
void tk_glob_GetSizeBitmap(const char* name, int* width, int* height);
