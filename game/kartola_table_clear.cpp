#include "game/kartola_table_clear.h"

#include <algorithm>

#include "framework/graphics/tk_CDas_Surface.h"
#include "platform/ddraw/surface_access.h"

TableClear& TheTableClear() {
    static TableClear clear;
    return clear;
}

void TableClear::Clear(IDirectDrawSurface* back, DWORD colour) {
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    const bool known = back->GetSurfaceDesc(&desc) == DD_OK;
    const bool whole = !on_ || whole_ || nextWhole_ || !known;
    // What the last frame covered is what this clear takes away.
    covered_.swap(next_);
    next_.clear();
    nextWhole_ = false;
    clearedWhole_ = whole;
    if (whole) {
        DDSURFACE_ZMAZ(back, colour);
    } else {
        DDBLTFX fx{};
        fx.dwSize = sizeof fx;
        fx.dwFillColor = colour;
        const LONG w = static_cast<LONG>(desc.dwWidth), h = static_cast<LONG>(desc.dwHeight);
        for (RECT r : covered_) {
            r.left = std::max<LONG>(r.left, 0);
            r.top = std::max<LONG>(r.top, 0);
            r.right = std::min(r.right, w);
            r.bottom = std::min(r.bottom, h);
            if (r.left < r.right && r.top < r.bottom)
                back->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
        }
    }
    // A clear that failed (a lost surface) leaves the next one whole.
    whole_ = back->IsLost() != DD_OK;
}

void TableClear::Cover(const RECT& box) {
    if (box.left >= box.right || box.top >= box.bottom) return;
    // A box inside one already kept adds nothing.
    for (const RECT& r : next_) {
        if (box.left >= r.left && box.top >= r.top && box.right <= r.right && box.bottom <= r.bottom) return;
    }
    next_.push_back(box);
}

void TableClear::HintChanges(IDirectDrawSurface* back) {
    if (!on_ || clearedWhole_ || nextWhole_ || whole_) return;
    std::vector<RECT> both(covered_);
    both.insert(both.end(), next_.begin(), next_.end());
    tkp::ddraw::HintFrameChanges(back, both.data(), static_cast<int>(both.size()));
}
