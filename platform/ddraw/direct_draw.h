// The DirectDraw object; internal to platform/ (callers see IDirectDraw).
#pragma once

#include "platform/ddraw/ddraw.h"

namespace tkp::ddraw {

class DirectDraw final : public IDirectDraw {
  public:
    DirectDraw() = default;

    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT CreatePalette(DWORD flags, LPPALETTEENTRY entries, LPDIRECTDRAWPALETTE* palette,
                          IUnknown* outer) override;
    HRESULT CreateSurface(LPDDSURFACEDESC desc, LPDIRECTDRAWSURFACE* surface, IUnknown* outer) override;
    HRESULT EnumDisplayModes(DWORD flags, LPDDSURFACEDESC filter, LPVOID context,
                             LPDDENUMMODESCALLBACK callback) override;
    HRESULT SetCooperativeLevel(HWND window, DWORD flags) override;
    HRESULT SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel) override;

  private:
    ~DirectDraw() override = default;

    HRESULT CreatePrimary(const DDSURFACEDESC& desc, LPDIRECTDRAWSURFACE* surface);
    HRESULT CreateOffscreen(const DDSURFACEDESC& desc, LPDIRECTDRAWSURFACE* surface);

    ULONG refs_ = 1;
};

}  // namespace tkp::ddraw
