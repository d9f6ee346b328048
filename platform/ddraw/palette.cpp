// A DirectDraw palette.
#include "platform/ddraw/palette.h"

#include <algorithm>

tkp::ddraw::Palette::Palette(const PALETTEENTRY* entries) {
    std::copy_n(entries, entries_.size(), entries_.begin());
}

ULONG tkp::ddraw::Palette::AddRef() {
    return ++refs_;
}

ULONG tkp::ddraw::Palette::Release() {
    if (refs_ == 0) return 0;
    ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

HRESULT tkp::ddraw::Palette::GetEntries(DWORD /*flags*/, DWORD base, DWORD count, LPPALETTEENTRY entries) {
    if (!entries || base >= entries_.size() || count > entries_.size() - base) return DDERR_INVALIDPARAMS;
    std::copy_n(entries_.begin() + base, count, entries);
    return DD_OK;
}
