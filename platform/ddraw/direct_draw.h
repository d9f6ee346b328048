// The DirectDraw object; internal to platform/ (callers see IDirectDraw).
#pragma once

#include "platform/ddraw/ddraw.h"

class tkp_DirectDraw final : public IDirectDraw {
  public:
    tkp_DirectDraw() = default;

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
    ~tkp_DirectDraw() override = default;

    HRESULT CreatePrimary(const DDSURFACEDESC& desc, LPDIRECTDRAWSURFACE* surface);
    HRESULT CreateOffscreen(const DDSURFACEDESC& desc, LPDIRECTDRAWSURFACE* surface);

    ULONG refs_ = 1;
};
