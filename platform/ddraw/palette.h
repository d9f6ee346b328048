// A DirectDraw palette: 256 entries kept as given; internal to platform/.
#pragma once

#include <array>

#include "platform/ddraw/ddraw.h"

class tkp_Palette final : public IDirectDrawPalette {
  public:
    explicit tkp_Palette(const PALETTEENTRY* entries);

    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetEntries(DWORD flags, DWORD base, DWORD count, LPPALETTEENTRY entries) override;

  private:
    ~tkp_Palette() override = default;

    std::array<PALETTEENTRY, 256> entries_;
    ULONG refs_ = 1;
};
