// Filling the surface description records.
#include "platform/ddraw/surface_desc.h"

#include <cstring>

#include "platform/ddraw/surface.h"

namespace tkp::ddraw {

DDPIXELFORMAT PixelFormat565() {
    DDPIXELFORMAT f{};
    f.dwSize = sizeof(DDPIXELFORMAT);
    f.dwFlags = DDPF_RGB;
    f.dwRGBBitCount = 16;
    f.dwRBitMask = 0xF800;
    f.dwGBitMask = 0x07E0;
    f.dwBBitMask = 0x001F;
    return f;
}

void DescribeSurface(const tkp::ddraw::Surface& surface, DDSURFACEDESC& desc) {
    DWORD size = desc.dwSize;
    std::memset(&desc, 0, sizeof(desc));
    desc.dwSize = size;
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_PITCH | DDSD_PIXELFORMAT;
    desc.dwWidth = static_cast<DWORD>(surface.Width());
    desc.dwHeight = static_cast<DWORD>(surface.Height());
    desc.lPitch = surface.PitchBytes();
    desc.ddpfPixelFormat = PixelFormat565();
    desc.ddsCaps.dwCaps = surface.Caps();
}

}  // namespace tkp::ddraw
