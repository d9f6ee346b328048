// Conveniences every user of surfaces needs: making a plain off-screen surface, reading or writing
// its pixels through a lock that is always released, and drawing through a device context that is
// always given back (surface_dc_guard.h).
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/ddraw/ddraw.h"
#include "platform/ddraw/surface_dc_guard.h"

namespace tkp::ddraw {

// A plain off-screen surface of width x height in the display's format, DirectDraw choosing its
// memory; null when the size is not positive or DirectDraw refuses.
inline IDirectDrawSurface* CreateOffscreenSurface(IDirectDraw* dd, int width, int height) {
    if (!dd || width <= 0 || height <= 0) return nullptr;
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof(desc);
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    desc.dwWidth = static_cast<DWORD>(width);
    desc.dwHeight = static_cast<DWORD>(height);
    IDirectDrawSurface* surface = nullptr;
    if (dd->CreateSurface(&desc, &surface, nullptr) != DD_OK) return nullptr;
    return surface;
}

// A promise about the next copy of the whole of source onto the primary surface: its pixels differ
// from the primary's only inside these rectangles, so only they are compared and presented. It
// holds for that one copy (or a failed attempt at it) and is then forgotten. Defined beside the blits.
void HintFrameChanges(IDirectDrawSurface* source, const RECT* rects, int count);

// A surface locked for as long as this object lives: its size and its rows of 16-bit pixels.
class LockedSurface {
  public:
    explicit LockedSurface(IDirectDrawSurface* surface, DWORD flags = DDLOCK_WAIT) : surface_(surface) {
        desc_.dwSize = sizeof(desc_);
        ok_ = surface_ && surface_->Lock(nullptr, &desc_, flags, nullptr) == DD_OK && desc_.lpSurface;
    }
    ~LockedSurface() {
        if (ok_) surface_->Unlock(nullptr);
    }
    LockedSurface(const LockedSurface&) = delete;
    LockedSurface& operator=(const LockedSurface&) = delete;

    bool ok() const { return ok_; }
    int width() const { return static_cast<int>(desc_.dwWidth); }
    int height() const { return static_cast<int>(desc_.dwHeight); }
    bool inside(long long x, long long y) const { return x >= 0 && y >= 0 && x < width() && y < height(); }
    // Row y's pixels; callers keep y inside the surface.
    std::uint16_t* row(long long y) const {
        return reinterpret_cast<std::uint16_t*>(static_cast<std::uint8_t*>(desc_.lpSurface) +
                                                static_cast<std::ptrdiff_t>(y) * desc_.lPitch);
    }
    // Pixel (x, y); callers keep it inside the surface.
    std::uint16_t& at(long long x, long long y) const { return row(y)[x]; }
    // One pixel, left alone when it lies outside the surface.
    void put(long long x, long long y, std::uint16_t v) const {
        if (inside(x, y)) at(x, y) = v;
    }
    // Columns x0..x1 (inclusive) of row y, cut to the surface.
    void span(long long x0, long long x1, long long y, std::uint16_t v) const {
        if (y < 0 || y >= height()) return;
        if (x0 < 0) x0 = 0;
        if (x1 > width() - 1) x1 = width() - 1;
        for (long long x = x0; x <= x1; ++x) at(x, y) = v;
    }

  private:
    IDirectDrawSurface* surface_;
    DDSURFACEDESC desc_{};
    bool ok_ = false;
};

}  // namespace tkp::ddraw
