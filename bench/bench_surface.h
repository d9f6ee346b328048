// An off-screen 5-6-5 surface for the benchmarks.
#pragma once

#include "platform/platform.h"

inline LPDIRECTDRAWSURFACE MakeSurface(LPDIRECTDRAW dd, int w, int h) {
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof(desc);
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    desc.dwWidth = static_cast<DWORD>(w);
    desc.dwHeight = static_cast<DWORD>(h);
    LPDIRECTDRAWSURFACE s = nullptr;
    dd->CreateSurface(&desc, &s, nullptr);
    return s;
}
