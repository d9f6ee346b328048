// DirectDraw on software surfaces: 16-bit RGB 5-6-5, colour-keyed, stretched, mirrored and alpha blits.
//
// Surfaces live in our own memory. Blits never clip: a rectangle that leaves either surface, or is
// inverted, answers DDERR_INVALIDRECT and touches nothing; an empty one draws nothing and answers
// DD_OK. A blit onto the primary surface hands the primary's pixels to the backend to be shown.
// Surfaces can be marked lost (tkp::ddraw::MarkSurfacesLost) so that the restore paths really run.
//
// Sections (banners "// ---- name"): identifiers, result codes, flags, records, interfaces, entry
// point and loss.
#pragma once

#include <cstdint>

#include "platform/base/wintypes.h"

// ---- identifiers -------------------------------------------------------------------------------
struct IDirectDraw;
struct IDirectDrawSurface;
struct IDirectDrawPalette;
using LPDIRECTDRAW = IDirectDraw*;
using LPDIRECTDRAWSURFACE = IDirectDrawSurface*;
using LPDIRECTDRAWPALETTE = IDirectDrawPalette*;

namespace tkp::ddraw {
// ---- result codes ------------------------------------------------------------------------------
constexpr HRESULT MakeDDHResult(int code) {
    return static_cast<HRESULT>(0x88760000u | static_cast<DWORD>(code));
}
}  // namespace tkp::ddraw

constexpr HRESULT DD_OK = 0;
constexpr HRESULT DDERR_GENERIC = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT DDERR_UNSUPPORTED = static_cast<HRESULT>(0x80004001u);
constexpr HRESULT DDERR_INVALIDPARAMS = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT DDERR_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
constexpr HRESULT DDERR_INVALIDCAPS = tkp::ddraw::MakeDDHResult(100);
constexpr HRESULT DDERR_INVALIDMODE = tkp::ddraw::MakeDDHResult(120);
constexpr HRESULT DDERR_INVALIDOBJECT = tkp::ddraw::MakeDDHResult(130);
constexpr HRESULT DDERR_INVALIDPIXELFORMAT = tkp::ddraw::MakeDDHResult(145);
constexpr HRESULT DDERR_INVALIDRECT = tkp::ddraw::MakeDDHResult(150);
constexpr HRESULT DDERR_NOCOOPERATIVELEVELSET = tkp::ddraw::MakeDDHResult(212);
constexpr HRESULT DDERR_NOEXCLUSIVEMODE = tkp::ddraw::MakeDDHResult(225);
constexpr HRESULT DDERR_NOTFOUND = tkp::ddraw::MakeDDHResult(255);
constexpr HRESULT DDERR_SURFACEBUSY = tkp::ddraw::MakeDDHResult(430);
constexpr HRESULT DDERR_SURFACELOST = tkp::ddraw::MakeDDHResult(450);
constexpr HRESULT DDERR_WASSTILLDRAWING = tkp::ddraw::MakeDDHResult(540);
constexpr HRESULT DDERR_PRIMARYSURFACEALREADYEXISTS = tkp::ddraw::MakeDDHResult(564);
constexpr HRESULT DDERR_NOTLOCKED = tkp::ddraw::MakeDDHResult(584);
constexpr HRESULT DDERR_NODC = tkp::ddraw::MakeDDHResult(586);
constexpr HRESULT DDERR_IMPLICITLYCREATED = tkp::ddraw::MakeDDHResult(588);
constexpr HRESULT DDERR_DCALREADYCREATED = tkp::ddraw::MakeDDHResult(620);

// ---- flags -------------------------------------------------------------------------------------
constexpr DWORD DDSCL_FULLSCREEN = 0x00000001;
constexpr DWORD DDSCL_NORMAL = 0x00000008;
constexpr DWORD DDSCL_EXCLUSIVE = 0x00000010;

constexpr DWORD DDEDM_REFRESHRATES = 0x00000001;
constexpr HRESULT DDENUMRET_CANCEL = 0;
constexpr HRESULT DDENUMRET_OK = 1;

constexpr DWORD DDSD_CAPS = 0x00000001;
constexpr DWORD DDSD_HEIGHT = 0x00000002;
constexpr DWORD DDSD_WIDTH = 0x00000004;
constexpr DWORD DDSD_PITCH = 0x00000008;
constexpr DWORD DDSD_BACKBUFFERCOUNT = 0x00000020;
constexpr DWORD DDSD_LPSURFACE = 0x00000800;
constexpr DWORD DDSD_PIXELFORMAT = 0x00001000;
constexpr DWORD DDSD_CKSRCBLT = 0x00010000;
constexpr DWORD DDSD_REFRESHRATE = 0x00040000;

constexpr DWORD DDSCAPS_BACKBUFFER = 0x00000004;
constexpr DWORD DDSCAPS_COMPLEX = 0x00000008;
constexpr DWORD DDSCAPS_FLIP = 0x00000010;
constexpr DWORD DDSCAPS_FRONTBUFFER = 0x00000020;
constexpr DWORD DDSCAPS_OFFSCREENPLAIN = 0x00000040;
constexpr DWORD DDSCAPS_PRIMARYSURFACE = 0x00000200;
constexpr DWORD DDSCAPS_SYSTEMMEMORY = 0x00000800;
constexpr DWORD DDSCAPS_VIDEOMEMORY = 0x00004000;
constexpr DWORD DDSCAPS_VISIBLE = 0x00008000;

constexpr DWORD DDPF_RGB = 0x00000040;

constexpr DWORD DDLOCK_SURFACEMEMORYPTR = 0x00000000;
constexpr DWORD DDLOCK_WAIT = 0x00000001;
constexpr DWORD DDLOCK_READONLY = 0x00000010;
constexpr DWORD DDLOCK_WRITEONLY = 0x00000020;

constexpr DWORD DDCKEY_COLORSPACE = 0x00000001;
constexpr DWORD DDCKEY_SRCBLT = 0x00000008;

constexpr DWORD DDBLT_ALPHASRCCONSTOVERRIDE = 0x00000040;
constexpr DWORD DDBLT_ASYNC = 0x00000200;
constexpr DWORD DDBLT_COLORFILL = 0x00000400;
constexpr DWORD DDBLT_DDFX = 0x00000800;
constexpr DWORD DDBLT_KEYSRC = 0x00008000;
constexpr DWORD DDBLT_KEYSRCOVERRIDE = 0x00010000;
constexpr DWORD DDBLT_WAIT = 0x01000000;
constexpr DWORD DDBLT_DONOTWAIT = 0x08000000;

constexpr DWORD DDBLTFX_MIRRORLEFTRIGHT = 0x00000002;

constexpr DWORD DDBLTFAST_NOCOLORKEY = 0x00000000;
constexpr DWORD DDBLTFAST_SRCCOLORKEY = 0x00000001;
constexpr DWORD DDBLTFAST_WAIT = 0x00000010;
constexpr DWORD DDBLTFAST_DONOTWAIT = 0x00000020;

constexpr DWORD DDPCAPS_8BIT = 0x00000004;
constexpr DWORD DDPCAPS_ALLOW256 = 0x00000040;

// ---- records -----------------------------------------------------------------------------------
struct DDCOLORKEY {
    DWORD dwColorSpaceLowValue;
    DWORD dwColorSpaceHighValue;
};
using LPDDCOLORKEY = DDCOLORKEY*;

struct DDSCAPS {
    DWORD dwCaps;
};
using LPDDSCAPS = DDSCAPS*;

struct DDPIXELFORMAT {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwFourCC;
    DWORD dwRGBBitCount;
    DWORD dwRBitMask;
    DWORD dwGBitMask;
    DWORD dwBBitMask;
    DWORD dwRGBAlphaBitMask;
};

// dwSize is sizeof(DDSURFACEDESC), or 108: the size this record has on 32-bit Windows.
struct DDSURFACEDESC {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwHeight;
    DWORD dwWidth;
    union {
        LONG lPitch;  // bytes from one row to the next
        DWORD dwLinearSize;
    };
    DWORD dwBackBufferCount;
    union {
        DWORD dwMipMapCount;
        DWORD dwZBufferBitDepth;
        DWORD dwRefreshRate;
    };
    DWORD dwAlphaBitDepth;
    DWORD dwReserved;
    LPVOID lpSurface;
    DDCOLORKEY ddckCKDestOverlay;
    DDCOLORKEY ddckCKDestBlt;
    DDCOLORKEY ddckCKSrcOverlay;
    DDCOLORKEY ddckCKSrcBlt;
    DDPIXELFORMAT ddpfPixelFormat;
    DDSCAPS ddsCaps;
};
using LPDDSURFACEDESC = DDSURFACEDESC*;

// dwSize is sizeof(DDBLTFX), or 100: the size this record has on 32-bit Windows.
struct DDBLTFX {
    DWORD dwSize;
    DWORD dwDDFX;
    DWORD dwROP;
    DWORD dwDDROP;
    DWORD dwRotationAngle;
    DWORD dwZBufferOpCode;
    DWORD dwZBufferLow;
    DWORD dwZBufferHigh;
    DWORD dwZBufferBaseDest;
    DWORD dwZDestConstBitDepth;
    union {
        DWORD dwZDestConst;
        LPDIRECTDRAWSURFACE lpDDSZBufferDest;
    };
    DWORD dwZSrcConstBitDepth;
    union {
        DWORD dwZSrcConst;
        LPDIRECTDRAWSURFACE lpDDSZBufferSrc;
    };
    DWORD dwAlphaEdgeBlendBitDepth;
    DWORD dwAlphaEdgeBlend;
    DWORD dwReserved;
    DWORD dwAlphaDestConstBitDepth;
    union {
        DWORD dwAlphaDestConst;
        LPDIRECTDRAWSURFACE lpDDSAlphaDest;
    };
    // Bits of dwAlphaSrcConst (1 to 8); 0 is taken as 8. The constant runs from 0 (transparent)
    // to its largest value (opaque); larger values count as opaque.
    DWORD dwAlphaSrcConstBitDepth;
    union {
        DWORD dwAlphaSrcConst;
        LPDIRECTDRAWSURFACE lpDDSAlphaSrc;
    };
    union {
        DWORD dwFillColor;  // raw 16-bit pixel value for DDBLT_COLORFILL
        DWORD dwFillDepth;
        DWORD dwFillPixel;
        LPDIRECTDRAWSURFACE lpDDSPattern;
    };
    DDCOLORKEY ddckDestColorkey;
    DDCOLORKEY ddckSrcColorkey;
};
using LPDDBLTFX = DDBLTFX*;

struct PALETTEENTRY {
    BYTE peRed;
    BYTE peGreen;
    BYTE peBlue;
    BYTE peFlags;
};
using LPPALETTEENTRY = PALETTEENTRY*;

using LPDDENUMMODESCALLBACK = HRESULT (*)(LPDDSURFACEDESC mode, LPVOID context);

// ---- interfaces --------------------------------------------------------------------------------
// A surface. Pixels are 16-bit RGB 5-6-5 words; rows are lPitch bytes apart (at least 2 x width).
// A surface with a lock or a device context out answers DDERR_SURFACEBUSY to blits, locks and GetDC.
struct IDirectDrawSurface {
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;
    virtual HRESULT Blt(LPRECT destRect, LPDIRECTDRAWSURFACE source, LPRECT sourceRect, DWORD flags,
                        LPDDBLTFX fx) = 0;
    virtual HRESULT BltFast(DWORD x, DWORD y, LPDIRECTDRAWSURFACE source, LPRECT sourceRect, DWORD trans) = 0;
    virtual HRESULT GetAttachedSurface(LPDDSCAPS caps, LPDIRECTDRAWSURFACE* attached) = 0;
    virtual HRESULT GetDC(HDC* dc) = 0;
    virtual HRESULT ReleaseDC(HDC dc) = 0;
    virtual HRESULT GetSurfaceDesc(LPDDSURFACEDESC desc) = 0;
    virtual HRESULT IsLost() = 0;
    virtual HRESULT Lock(LPRECT rect, LPDDSURFACEDESC desc, DWORD flags, HANDLE event) = 0;
    virtual HRESULT Unlock(LPVOID pointer) = 0;
    virtual HRESULT Restore() = 0;
    virtual HRESULT SetColorKey(DWORD flags, LPDDCOLORKEY key) = 0;

  protected:
    virtual ~IDirectDrawSurface() = default;
};

// A palette: 256 entries kept as given (the display runs at 16 bits per pixel and never uses it).
struct IDirectDrawPalette {
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;
    virtual HRESULT GetEntries(DWORD flags, DWORD base, DWORD count, LPPALETTEENTRY entries) = 0;

  protected:
    virtual ~IDirectDrawPalette() = default;
};

// The DirectDraw object. Surfaces outlive it: releasing it leaves created surfaces usable until
// they are released themselves.
struct IDirectDraw {
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;
    virtual HRESULT CreatePalette(DWORD flags, LPPALETTEENTRY entries, LPDIRECTDRAWPALETTE* palette,
                                  IUnknown* outer) = 0;
    virtual HRESULT CreateSurface(LPDDSURFACEDESC desc, LPDIRECTDRAWSURFACE* surface, IUnknown* outer) = 0;
    virtual HRESULT EnumDisplayModes(DWORD flags, LPDDSURFACEDESC filter, LPVOID context,
                                     LPDDENUMMODESCALLBACK callback) = 0;
    virtual HRESULT SetCooperativeLevel(HWND window, DWORD flags) = 0;
    virtual HRESULT SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel) = 0;

  protected:
    virtual ~IDirectDraw() = default;
};

// ---- entry point and loss ----------------------------------------------------------------------
// guid must be null (the default driver); outer must be null.
HRESULT DirectDrawCreate(GUID* guid, LPDIRECTDRAW* directDraw, IUnknown* outer);

namespace tkp::ddraw {
// Marks every surface lost (the SDL backend calls it when the display is lost). Call on the
// program's thread.
void MarkSurfacesLost();
}  // namespace tkp::ddraw
