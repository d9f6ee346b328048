// The DirectDraw object: cooperative level, display modes from the backend, surfaces and palettes.
// The display mode is emulated: SetDisplayMode only changes the size surfaces and the presentation
// take; the real screen is left alone.
#include "platform/ddraw/direct_draw.h"

#include <new>

#include "platform/base/backend.h"
#include "platform/ddraw/display_state.h"
#include "platform/ddraw/palette.h"
#include "platform/ddraw/surface.h"
#include "platform/ddraw/surface_desc.h"
#include "platform/kernel/debug.h"

namespace {

constexpr int kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = std::int64_t{64} << 20;

int g_objects = 0;         // DirectDraw objects alive
int g_createFailures = 0;  // test hook: CreateSurface calls still to fail

// The size of the display: the mode set, else the desktop's.
tkp::base::backend::DisplayMode currentMode() {
    const tkp::ddraw::DisplayState& d = tkp::ddraw::Display();
    if (d.width > 0 && d.height > 0) return {d.width, d.height};
    return tkp::base::backend::DesktopSize();
}

bool is565(const DDPIXELFORMAT& f) {
    return (f.dwFlags & DDPF_RGB) && f.dwRGBBitCount == 16 && f.dwRBitMask == 0xF800 &&
           f.dwGBitMask == 0x07E0 && f.dwBBitMask == 0x001F;
}

}  // namespace

HRESULT DirectDrawCreate(GUID* guid, LPDIRECTDRAW* directDraw, IUnknown* outer) {
    if (!directDraw) return DDERR_INVALIDPARAMS;
    *directDraw = nullptr;
    if (guid || outer) return DDERR_INVALIDPARAMS;
    try {
        *directDraw = new tkp::ddraw::DirectDraw();
    } catch (const std::bad_alloc&) {
        return DDERR_OUTOFMEMORY;
    }
    ++g_objects;
    return DD_OK;
}

namespace tkp::testing {
// A test hook, declared in platform/testing/test_hooks.h.
void SetCreateSurfaceFailures(int count) {
    g_createFailures = count > 0 ? count : 0;
}
}  // namespace tkp::testing

ULONG tkp::ddraw::DirectDraw::AddRef() {
    return ++refs_;
}

ULONG tkp::ddraw::DirectDraw::Release() {
    if (refs_ == 0) return 0;
    ULONG left = --refs_;
    if (left == 0) {
        // The last DirectDraw object gone: the display returns to the desktop's mode and level.
        if (--g_objects == 0) {
            tkp::ddraw::DisplayState& d = tkp::ddraw::Display();
            d.width = d.height = 0;
            d.exclusive = d.cooperativeSet = false;
        }
        delete this;
    }
    return left;
}

HRESULT tkp::ddraw::DirectDraw::SetCooperativeLevel(HWND /*window*/, DWORD flags) {
    const bool exclusive = (flags & DDSCL_EXCLUSIVE) != 0;
    const bool fullscreen = (flags & DDSCL_FULLSCREEN) != 0;
    if (exclusive != fullscreen || (exclusive && (flags & DDSCL_NORMAL))) return DDERR_INVALIDPARAMS;
    tkp::ddraw::Display().exclusive = exclusive;
    tkp::ddraw::Display().cooperativeSet = true;
    return DD_OK;
}

HRESULT tkp::ddraw::DirectDraw::EnumDisplayModes(DWORD flags, LPDDSURFACEDESC filter, LPVOID context,
                                                 LPDDENUMMODESCALLBACK callback) {
    if (!callback) return DDERR_INVALIDPARAMS;
    for (const tkp::base::backend::DisplayMode& mode : tkp::base::backend::DisplayModes()) {
        if (filter && (filter->dwFlags & DDSD_WIDTH) && filter->dwWidth != static_cast<DWORD>(mode.width))
            continue;
        if (filter && (filter->dwFlags & DDSD_HEIGHT) && filter->dwHeight != static_cast<DWORD>(mode.height))
            continue;
        if (filter && (filter->dwFlags & DDSD_PIXELFORMAT) && filter->ddpfPixelFormat.dwRGBBitCount != 16)
            continue;
        DDSURFACEDESC desc{};
        desc.dwSize = sizeof(desc);
        desc.dwFlags = DDSD_WIDTH | DDSD_HEIGHT | DDSD_PITCH | DDSD_PIXELFORMAT;
        desc.dwWidth = static_cast<DWORD>(mode.width);
        desc.dwHeight = static_cast<DWORD>(mode.height);
        desc.lPitch = mode.width * 2;
        desc.ddpfPixelFormat = tkp::ddraw::PixelFormat565();
        if (flags & DDEDM_REFRESHRATES) {
            desc.dwFlags |= DDSD_REFRESHRATE;
            desc.dwRefreshRate = 60;
        }
        if (callback(&desc, context) == DDENUMRET_CANCEL) break;
    }
    return DD_OK;
}

HRESULT tkp::ddraw::DirectDraw::SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel) {
    if (bitsPerPixel != 16) {
        OutputDebugStringA("ddraw: SetDisplayMode supports only 16 bits per pixel\n");
        return DDERR_INVALIDMODE;
    }
    if (!tkp::ddraw::Display().exclusive) return DDERR_NOEXCLUSIVEMODE;
    bool listed = false;
    for (const tkp::base::backend::DisplayMode& mode : tkp::base::backend::DisplayModes()) {
        listed =
            listed || (static_cast<DWORD>(mode.width) == width && static_cast<DWORD>(mode.height) == height);
    }
    if (!listed) return DDERR_INVALIDMODE;
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    const tkp::base::backend::DisplayMode now = currentMode();
    // A change of mode loses every surface's memory, as on a real display.
    if (now.width != w || now.height != h) {
        for (tkp::ddraw::Surface* s : tkp::ddraw::LiveSurfaces()) s->MarkLost();
    }
    tkp::ddraw::Display().width = w;
    tkp::ddraw::Display().height = h;
    tkp::base::backend::SetPresentationSize(w, h);
    return DD_OK;
}

HRESULT tkp::ddraw::DirectDraw::CreatePalette(DWORD flags, LPPALETTEENTRY entries,
                                              LPDIRECTDRAWPALETTE* palette, IUnknown* outer) {
    if (!palette) return DDERR_INVALIDPARAMS;
    *palette = nullptr;
    if (!entries || outer || (flags & DDPCAPS_8BIT) == 0) return DDERR_INVALIDPARAMS;
    try {
        *palette = new tkp::ddraw::Palette(entries);
    } catch (const std::bad_alloc&) {
        return DDERR_OUTOFMEMORY;
    }
    return DD_OK;
}

HRESULT tkp::ddraw::DirectDraw::CreateSurface(LPDDSURFACEDESC desc, LPDIRECTDRAWSURFACE* surface,
                                              IUnknown* outer) {
    if (!surface) return DDERR_INVALIDPARAMS;
    *surface = nullptr;
    if (!desc || outer || !tkp::ddraw::SurfaceDescSizeValid(desc->dwSize)) return DDERR_INVALIDPARAMS;
    if (g_createFailures > 0) {
        --g_createFailures;
        return DDERR_OUTOFMEMORY;
    }
    const DWORD caps = (desc->dwFlags & DDSD_CAPS) ? desc->ddsCaps.dwCaps : 0;
    if (caps & DDSCAPS_PRIMARYSURFACE) return CreatePrimary(*desc, surface);
    return CreateOffscreen(*desc, surface);
}

HRESULT tkp::ddraw::DirectDraw::CreatePrimary(const DDSURFACEDESC& desc, LPDIRECTDRAWSURFACE* surface) {
    tkp::ddraw::DisplayState& display = tkp::ddraw::Display();
    if (!display.cooperativeSet) return DDERR_NOCOOPERATIVELEVELSET;
    if (display.primary) return DDERR_PRIMARYSURFACEALREADYEXISTS;
    const DWORD caps = desc.ddsCaps.dwCaps;
    if (desc.dwFlags & (DDSD_WIDTH | DDSD_HEIGHT | DDSD_PIXELFORMAT)) return DDERR_INVALIDPARAMS;
    const bool flip = (caps & DDSCAPS_FLIP) != 0;
    if (flip) {
        if ((caps & DDSCAPS_COMPLEX) == 0 || (desc.dwFlags & DDSD_BACKBUFFERCOUNT) == 0)
            return DDERR_INVALIDCAPS;
        if (desc.dwBackBufferCount != 1) {
            OutputDebugStringA("ddraw: a primary surface has exactly one back buffer\n");
            return DDERR_INVALIDPARAMS;
        }
    }
    const tkp::base::backend::DisplayMode mode = currentMode();
    const DWORD chain = flip ? (DDSCAPS_FLIP | DDSCAPS_COMPLEX) : 0;
    tkp::ddraw::Surface* primary = tkp::ddraw::Surface::Create(
        mode.width, mode.height,
        DDSCAPS_PRIMARYSURFACE | DDSCAPS_FRONTBUFFER | DDSCAPS_VISIBLE | DDSCAPS_VIDEOMEMORY | chain);
    if (!primary) return DDERR_OUTOFMEMORY;
    if (flip) {
        tkp::ddraw::Surface* back = tkp::ddraw::Surface::Create(
            mode.width, mode.height, DDSCAPS_BACKBUFFER | DDSCAPS_VIDEOMEMORY | chain);
        if (!back) {
            primary->Release();
            return DDERR_OUTOFMEMORY;
        }
        primary->AttachBackBuffer(back);
    }
    display.primary = primary;
    *surface = primary;
    return DD_OK;
}

HRESULT tkp::ddraw::DirectDraw::CreateOffscreen(const DDSURFACEDESC& desc, LPDIRECTDRAWSURFACE* surface) {
    const DWORD caps = (desc.dwFlags & DDSD_CAPS) ? desc.ddsCaps.dwCaps : 0;
    if (caps & ~(DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY | DDSCAPS_VIDEOMEMORY))
        return DDERR_INVALIDCAPS;
    if ((desc.dwFlags & (DDSD_WIDTH | DDSD_HEIGHT)) != (DDSD_WIDTH | DDSD_HEIGHT)) return DDERR_INVALIDPARAMS;
    if ((desc.dwFlags & DDSD_PIXELFORMAT) && !is565(desc.ddpfPixelFormat)) return DDERR_INVALIDPIXELFORMAT;
    if (desc.dwWidth == 0 || desc.dwHeight == 0) return DDERR_INVALIDPARAMS;
    if (desc.dwWidth > kMaxSide || desc.dwHeight > kMaxSide ||
        std::int64_t{desc.dwWidth} * desc.dwHeight > kMaxPixels) {
        return DDERR_OUTOFMEMORY;
    }
    const DWORD memory = (caps & DDSCAPS_SYSTEMMEMORY) ? DDSCAPS_SYSTEMMEMORY : DDSCAPS_VIDEOMEMORY;
    tkp::ddraw::Surface* created = tkp::ddraw::Surface::Create(
        static_cast<int>(desc.dwWidth), static_cast<int>(desc.dwHeight), DDSCAPS_OFFSCREENPLAIN | memory);
    if (!created) return DDERR_OUTOFMEMORY;
    if (desc.dwFlags & DDSD_CKSRCBLT) {
        DDCOLORKEY key = desc.ddckCKSrcBlt;
        if (created->SetColorKey(DDCKEY_SRCBLT | DDCKEY_COLORSPACE, &key) != DD_OK) {
            created->Release();
            return DDERR_INVALIDPARAMS;
        }
    }
    *surface = created;
    return DD_OK;
}
