#include "game/kartola_table_clear.h"

#include <algorithm>

#include "framework/graphics/tk_CDas_Surface.h"
#include "platform/ddraw/surface_access.h"

TableClear& TheTableClear() {
    static TableClear clear;
    return clear;
}

void TableClear::Fill(IDirectDrawSurface* back, const DDBLTFX& fx, RECT r, LONG w, LONG h) {
    r.left = std::max<LONG>(r.left, 0);
    r.top = std::max<LONG>(r.top, 0);
    r.right = std::min(r.right, w);
    r.bottom = std::min(r.bottom, h);
    if (r.left < r.right && r.top < r.bottom)
        back->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, const_cast<DDBLTFX*>(&fx));
}

void TableClear::Clear(IDirectDrawSurface* back, DWORD colour, const std::vector<FrameItem>* items) {
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    const bool known = back->GetSurfaceDesc(&desc) == DD_OK;
    const bool whole = !on_ || whole_ || !lastListed_ || !known;
    planned_ = !whole && items && onlyChanges_;
    hinted_ = !whole && items;
    hint_.clear();
    DDBLTFX fx{};
    fx.dwSize = sizeof fx;
    fx.dwFillColor = colour;
    const LONG w = static_cast<LONG>(desc.dwWidth), h = static_cast<LONG>(desc.dwHeight);
    width_ = w;
    height_ = h;
    if (whole) {
        DDSURFACE_ZMAZ(back, colour);
    } else if (planned_) {
        changes_ = ChangesBetween(last_, *items);
        for (const RECT& r : changes_.area) Fill(back, fx, r, w, h);
        hint_ = changes_.area;
    } else {
        // What the last frame drew is what this clear takes away; this frame may draw anywhere in
        // its own boxes.
        for (const FrameItem& item : last_) Fill(back, fx, item.box, w, h);
        if (items) {
            for (const FrameItem& item : last_) hint_.push_back(item.box);
            for (const FrameItem& item : *items) hint_.push_back(item.box);
        }
    }
    lastListed_ = items != nullptr;
    if (items) {
        last_ = *items;
    } else {
        last_.clear();
    }
    // A clear that failed (a lost surface) leaves the next one whole.
    whole_ = back->IsLost() != DD_OK;
}

bool TableClear::Draws(std::uint32_t id) const {
    return !planned_ || std::binary_search(changes_.redrawn.begin(), changes_.redrawn.end(), id);
}

void TableClear::HintChanges(IDirectDrawSurface* back) {
    if (!hinted_) return;
    // Boxes that overlap may add up to more than the frame; one pass over the frame is cheaper.
    std::int64_t area = 0;
    for (const RECT& r : hint_) area += std::int64_t{r.right - r.left} * (r.bottom - r.top);
    if (area >= std::int64_t{width_} * height_) return;
    tkp::ddraw::HintFrameChanges(back, hint_.data(), static_cast<int>(hint_.size()));
}
