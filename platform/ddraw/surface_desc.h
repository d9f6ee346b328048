// Filling and checking the DirectDraw description records; internal to platform/.
#pragma once

#include "platform/ddraw/ddraw.h"

namespace tkp::ddraw {

class Surface;

// The record sizes as 32-bit Windows has them; callers may give either that or our own sizeof.
constexpr DWORD kSurfaceDescSize32 = 108;
constexpr DWORD kBltFxSize32 = 100;

inline bool SurfaceDescSizeValid(DWORD size) {
    return size == sizeof(DDSURFACEDESC) || size == kSurfaceDescSize32;
}
inline bool BltFxSizeValid(DWORD size) {
    return size == sizeof(DDBLTFX) || size == kBltFxSize32;
}

// The 16-bit RGB 5-6-5 pixel format every surface has.
DDPIXELFORMAT PixelFormat565();
// Clears desc (keeping dwSize) and describes the surface: caps, size, pitch and pixel format.
void DescribeSurface(const Surface& surface, DDSURFACEDESC& desc);

}  // namespace tkp::ddraw
