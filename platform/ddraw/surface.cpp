// A surface's life, locks, device contexts, colour key, description, loss and restore. The blits
// are in surface_blit.cpp.
#include "platform/ddraw/surface.h"

#include <cstring>
#include <new>

#include "platform/ddraw/display_state.h"
#include "platform/ddraw/surface_desc.h"
#include "platform/gdi/surface_dc.h"
#include "platform/kernel/debug.h"

namespace {

// Rows are kept 8-byte aligned, so a pitch usually differs from twice the width.
int pitchFor(int width) {
    return (width + 3) & ~3;
}

}  // namespace

namespace tkp::testing {
// A test hook, declared in platform/testing/test_hooks.h.
std::uint16_t LostPatternPixel(int x, int y) {
    return ((x ^ y) & 1) ? 0x07E0 : 0xF81F;
}
}  // namespace tkp::testing

tkp::ddraw::Surface* tkp::ddraw::Surface::Create(int width, int height, DWORD caps) {
    try {
        return new tkp::ddraw::Surface(width, height, pitchFor(width), caps);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

tkp::ddraw::Surface::Surface(int width, int height, int pitch, DWORD caps)
    : memory_(static_cast<std::size_t>(pitch) * static_cast<std::size_t>(height)),
      width_(width),
      height_(height),
      pitch_(pitch),
      caps_(caps) {
    tkp::ddraw::RegisterSurface(this);
}

tkp::ddraw::Surface::~Surface() {
    if (dc_) {
        OutputDebugStringA("ddraw: surface released with its device context still out\n");
        tkp::gdi::DestroyDC(dc_);
    }
    delete backBuffer_;
    if (tkp::ddraw::Display().primary == this) tkp::ddraw::Display().primary = nullptr;
    tkp::ddraw::UnregisterSurface(this);
}

void tkp::ddraw::Surface::AttachBackBuffer(tkp::ddraw::Surface* back) {
    backBuffer_ = back;
    back->owner_ = this;
}

ULONG tkp::ddraw::Surface::AddRef() {
    return ++refs_;
}

ULONG tkp::ddraw::Surface::Release() {
    if (refs_ == 0) return 0;
    ULONG left = --refs_;
    // A back buffer lives as long as its primary, whatever its own count says.
    if (left == 0 && !owner_) delete this;
    return left;
}

HRESULT tkp::ddraw::Surface::GetAttachedSurface(LPDDSCAPS caps, LPDIRECTDRAWSURFACE* attached) {
    if (!caps || !attached) return DDERR_INVALIDPARAMS;
    *attached = nullptr;
    if (!backBuffer_ || (caps->dwCaps & DDSCAPS_BACKBUFFER) == 0) return DDERR_NOTFOUND;
    backBuffer_->AddRef();
    *attached = backBuffer_;
    return DD_OK;
}

HRESULT tkp::ddraw::Surface::StillDrawing(bool wait) {
    if (stillDrawing_ == 0) return DD_OK;
    if (wait) {
        stillDrawing_ = 0;
        return DD_OK;
    }
    --stillDrawing_;
    return DDERR_WASSTILLDRAWING;
}

HRESULT tkp::ddraw::Surface::Usable() const {
    if (lost_) return DDERR_SURFACELOST;
    if (locked_ || dc_) return DDERR_SURFACEBUSY;
    return DD_OK;
}

bool tkp::ddraw::Surface::ResolveRect(const RECT* r, RECT& out) const {
    if (!r) {
        out = {0, 0, width_, height_};
        return true;
    }
    if (r->left < 0 || r->top < 0 || r->right > width_ || r->bottom > height_) return false;
    if (r->left > r->right || r->top > r->bottom) return false;
    out = *r;
    return true;
}

HRESULT tkp::ddraw::Surface::IsLost() {
    return lost_ ? DDERR_SURFACELOST : DD_OK;
}

HRESULT tkp::ddraw::Surface::Restore() {
    if (owner_) return DDERR_IMPLICITLYCREATED;
    // The memory is kept but its content is gone: a pattern shows whether the owner refilled it.
    if (lost_) FillLostPattern();
    lost_ = false;
    presented_ = false;
    if (backBuffer_ && backBuffer_->lost_) {
        backBuffer_->FillLostPattern();
        backBuffer_->lost_ = false;
    }
    return DD_OK;
}

void tkp::ddraw::Surface::FillLostPattern() {
    for (int y = 0; y < height_; ++y) {
        std::uint16_t* row = View().Row(y);
        for (int x = 0; x < width_; ++x) row[x] = tkp::testing::LostPatternPixel(x, y);
    }
}

HRESULT tkp::ddraw::Surface::Lock(LPRECT rect, LPDDSURFACEDESC desc, DWORD flags, HANDLE /*event*/) {
    if (!desc || !tkp::ddraw::SurfaceDescSizeValid(desc->dwSize)) return DDERR_INVALIDPARAMS;
    if (HRESULT busy = StillDrawing((flags & DDLOCK_WAIT) != 0); busy != DD_OK) return busy;
    if (HRESULT state = Usable(); state != DD_OK) return state;
    RECT r;
    if (!ResolveRect(rect, r)) return DDERR_INVALIDRECT;
    tkp::ddraw::DescribeSurface(*this, *desc);
    desc->dwFlags |= DDSD_LPSURFACE;
    desc->lpSurface = View().Row(r.top) + r.left;
    locked_ = true;
    presented_ = false;
    return DD_OK;
}

HRESULT tkp::ddraw::Surface::Unlock(LPVOID /*pointer*/) {
    if (!locked_) return DDERR_NOTLOCKED;
    locked_ = false;
    return DD_OK;
}

HRESULT tkp::ddraw::Surface::GetDC(HDC* dc) {
    if (!dc) return DDERR_INVALIDPARAMS;
    *dc = nullptr;
    if (lost_) return DDERR_SURFACELOST;
    if (dc_) return DDERR_DCALREADYCREATED;
    if (locked_) return DDERR_SURFACEBUSY;
    dc_ = tkp::gdi::CreateSurfaceDC(View());
    if (!dc_) return DDERR_OUTOFMEMORY;
    presented_ = false;
    *dc = dc_;
    return DD_OK;
}

HRESULT tkp::ddraw::Surface::ReleaseDC(HDC dc) {
    if (!dc_) return DDERR_NODC;
    if (dc != dc_) return DDERR_INVALIDPARAMS;
    tkp::gdi::DestroyDC(dc_);
    dc_ = nullptr;
    return DD_OK;
}

HRESULT tkp::ddraw::Surface::GetSurfaceDesc(LPDDSURFACEDESC desc) {
    if (!desc || !tkp::ddraw::SurfaceDescSizeValid(desc->dwSize)) return DDERR_INVALIDPARAMS;
    tkp::ddraw::DescribeSurface(*this, *desc);
    if (hasSourceKey_) {
        desc->dwFlags |= DDSD_CKSRCBLT;
        desc->ddckCKSrcBlt = {sourceKey_.low, sourceKey_.high};
    }
    if (backBuffer_) {
        desc->dwFlags |= DDSD_BACKBUFFERCOUNT;
        desc->dwBackBufferCount = 1;
    }
    return DD_OK;
}

HRESULT tkp::ddraw::Surface::SetColorKey(DWORD flags, LPDDCOLORKEY key) {
    if ((flags & ~(DDCKEY_SRCBLT | DDCKEY_COLORSPACE)) != 0 || (flags & DDCKEY_SRCBLT) == 0) {
        OutputDebugStringA("ddraw: SetColorKey supports only DDCKEY_SRCBLT\n");
        return DDERR_INVALIDPARAMS;
    }
    if (!key) {
        hasSourceKey_ = false;
        return DD_OK;
    }
    DWORD low = key->dwColorSpaceLowValue;
    // Without DDCKEY_COLORSPACE the key is the single value in the low field.
    DWORD high = (flags & DDCKEY_COLORSPACE) ? key->dwColorSpaceHighValue : low;
    if (low > 0xFFFF || high > 0xFFFF || high < low) return DDERR_INVALIDPARAMS;
    sourceKey_ = {static_cast<std::uint16_t>(low), static_cast<std::uint16_t>(high)};
    hasSourceKey_ = true;
    return DD_OK;
}
