#include "framework/graphics/tk_BMPStretch.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/graphics/tk_PixelFormat16.h"
#include "platform/ddraw/surface_access.h"
#include "platform/image/scale.h"

namespace {

// A busy blitter is asked again, but not for ever.
constexpr int kMaxTries = 10000;

bool sizeOf(IDirectDrawSurface* s, DDSURFACEDESC* desc) {
    desc->dwSize = sizeof(*desc);
    return s && s->GetSurfaceDesc(desc) == DD_OK;
}

// Why a surface could not be locked: lost, or some other failure.
HRESULT lockFailure(IDirectDrawSurface* s) {
    return s->IsLost() != DD_OK ? DDERR_SURFACELOST : DDERR_GENERIC;
}

}  // namespace

HRESULT tk_BMP_AverageOnto(IDirectDrawSurface* dst, IDirectDrawSurface* src, RECT from) {
    DDSURFACEDESC to{};
    if (!sizeOf(dst, &to) || !src) return DDERR_INVALIDPARAMS;
    tk_PixelFormat16 format;
    if (!format.Read(to.ddpfPixelFormat)) return DDERR_INVALIDPIXELFORMAT;
    const int sw = from.right - from.left;
    const int sh = from.bottom - from.top;
    const int dw = static_cast<int>(to.dwWidth);
    const int dh = static_cast<int>(to.dwHeight);
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return DDERR_INVALIDRECT;
    std::vector<std::uint32_t> in(static_cast<std::size_t>(sw) * static_cast<std::size_t>(sh));
    {
        tkp::ddraw::LockedSurface px(src, DDLOCK_WAIT | DDLOCK_READONLY);
        if (!px.ok()) return lockFailure(src);
        if (!px.inside(from.left, from.top) || !px.inside(from.right - 1, from.bottom - 1))
            return DDERR_INVALIDRECT;
        std::uint32_t* out = in.data();
        for (int y = from.top; y < from.bottom; ++y) {
            const std::uint16_t* row = px.row(y) + from.left;
            for (int x = 0; x < sw; ++x) *out++ = format.ToXrgb(row[x]);
        }
    }
    std::vector<std::uint32_t> scaled(static_cast<std::size_t>(dw) * static_cast<std::size_t>(dh));
    if (!tkp::image::ScaleArea(in.data(), sw, sh, sw, scaled.data(), dw, dh, dw)) return DDERR_INVALIDPARAMS;
    tkp::ddraw::LockedSurface px(dst, DDLOCK_WAIT);
    if (!px.ok()) return lockFailure(dst);
    const std::uint32_t* value = scaled.data();
    for (int y = 0; y < dh; ++y) {
        std::uint16_t* row = px.row(y);
        for (int x = 0; x < dw; ++x) row[x] = format.FromXrgb(*value++);
    }
    return DD_OK;
}

HRESULT tk_BMP_StretchOnto(IDirectDrawSurface* dst, IDirectDrawSurface* src, RECT from,
                           const tk_BMP_Refill& refill) {
    DDSURFACEDESC to{};
    if (!sizeOf(dst, &to) || !src) return DDERR_INVALIDPARAMS;
    const bool shrinks = static_cast<LONG>(to.dwWidth) <= from.right - from.left &&
                         static_cast<LONG>(to.dwHeight) <= from.bottom - from.top;
    HRESULT result = DDERR_GENERIC;
    for (int i = 0; i < kMaxTries; ++i) {
        result = shrinks ? tk_BMP_AverageOnto(dst, src, from) : dst->Blt(nullptr, src, &from, 0, nullptr);
        if (result == DDERR_WASSTILLDRAWING) continue;
        if (result == DDERR_SURFACELOST && src->IsLost() != DD_OK && refill && refill()) continue;
        return result;
    }
    return result;
}
