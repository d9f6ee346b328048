// A DirectDraw palette: 256 entries kept as given; internal to platform/.
#pragma once

#include <array>

#include "platform/ddraw/ddraw.h"

namespace tkp::ddraw {

class Palette final : public IDirectDrawPalette {
  public:
    explicit Palette(const PALETTEENTRY* entries);

    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetEntries(DWORD flags, DWORD base, DWORD count, LPPALETTEENTRY entries) override;

  private:
    ~Palette() override = default;

    std::array<PALETTEENTRY, 256> entries_;
    ULONG refs_ = 1;
};

}  // namespace tkp::ddraw
