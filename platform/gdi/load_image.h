// Bitmaps: LoadImageA from embedded resources or BMP, PNG, JPEG, GIF, WebP and HEIF files, scaled
// with area averaging; pictures loaded for a box, as thumbnails are; GetObjectA.
#pragma once

#include <cstddef>

#include "platform/base/wintypes.h"

// Image types of LoadImageA; only IMAGE_BITMAP is loaded (icons and cursors come from
// LoadIconA and LoadCursorA).
constexpr UINT IMAGE_BITMAP = 0;
constexpr UINT IMAGE_ICON = 1;
constexpr UINT IMAGE_CURSOR = 2;

// Flags of LoadImageA, with Windows' values. LR_LOADFROMFILE chooses a file over a resource; the
// others are accepted and change nothing (every bitmap is a device-independent one already).
constexpr UINT LR_DEFAULTCOLOR = 0x0000;
constexpr UINT LR_MONOCHROME = 0x0001;
constexpr UINT LR_LOADFROMFILE = 0x0010;
constexpr UINT LR_LOADTRANSPARENT = 0x0020;
constexpr UINT LR_DEFAULTSIZE = 0x0040;
constexpr UINT LR_VGACOLOR = 0x0080;
constexpr UINT LR_LOADMAP3DCOLORS = 0x1000;
constexpr UINT LR_CREATEDIBSECTION = 0x2000;
constexpr UINT LR_SHARED = 0x8000;

// A bitmap's description, laid out as Windows lays it out.
struct BITMAP {
    LONG bmType;  // 0
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;  // bytes per row at bmBitsPixel, rounded up to 4
    WORD bmPlanes;      // 1
    WORD bmBitsPixel;   // the depth the picture was stored with
    LPVOID bmBits;      // null: the pixels are not exposed in that depth
};
using PBITMAP = BITMAP*;
using LPBITMAP = BITMAP*;
static_assert(offsetof(BITMAP, bmPlanes) == 16 && offsetof(BITMAP, bmBits) == 24 && sizeof(BITMAP) == 32);

// Loads a picture as an HBITMAP (delete it with DeleteObject). Without LR_LOADFROMFILE, name
// is an RT_BITMAP resource of the module (null or GetModuleHandleA(nullptr)), found without
// regard to case; with it, name is the path of a picture file of any kind above (told by its content).
// cx and cy give the size to scale to (area averaging); 0 keeps the picture's own width or height.
// Null when there is no such picture, or it is malformed (the reason goes to the debugger output),
// or the arguments are bad; GetLastError then says which (tkp::gdi::LoadPictureInBox below).
HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags);

namespace tkp::gdi {
// Loads a picture file for a box of cx x cy pixels, as a thumbnail shows it. A picture whose
// aspect (width / height) lies within `tolerance` (a fraction, 0.02 for 2 %) of the box's is
// stretched over the whole box exactly as LoadImageA(..., cx, cy, LR_LOADFROMFILE) does; any other
// is reduced to fit inside the box with its aspect kept and centred on `background`. Large
// pictures may be decoded at a reduced size first, never below twice the box. Null on failure,
// with GetLastError: ERROR_FILE_NOT_FOUND (no such readable file), ERROR_BAD_FORMAT (no picture
// kind known here), ERROR_NOT_ENOUGH_MEMORY (too large), ERROR_INVALID_DATA (damaged),
// ERROR_INVALID_PARAMETER (bad arguments).
HANDLE LoadPictureInBox(LPCSTR path, int cx, int cy, double tolerance, COLORREF background);
}  // namespace tkp::gdi

// Fills a BITMAP for a bitmap handle, or a LOGFONTA for a font, and returns its size; with a null
// buffer, returns the size needed. 0 for pens and brushes, a null, deleted or unknown handle, or a
// buffer smaller than the answer.
int GetObjectA(HGDIOBJ object, int size, LPVOID buffer);
