// The scoped device context of a surface.
#include "platform/ddraw/surface_dc_guard.h"

#include "platform/gdi/gdi.h"

namespace tkp::ddraw {

SurfaceDC::SurfaceDC(IDirectDrawSurface* surface) : surface_(surface) {
    if (!surface_) return;
    HDC dc = nullptr;
    result_ = surface_->GetDC(&dc);
    if (result_ == DD_OK) dc_ = dc;
}

SurfaceDC::~SurfaceDC() {
    if (!dc_) return;
    for (int i = count_ - 1; i >= 0; --i) SelectObject(dc_, originals_[i]);
    surface_->ReleaseDC(dc_);
}

HGDIOBJ SurfaceDC::select(HGDIOBJ object) {
    if (!dc_) return nullptr;
    HGDIOBJ previous = SelectObject(dc_, object);
    if (!previous) return nullptr;
    // Replacing an object selected here: the original of its kind is already known.
    for (int i = 0; i < count_; ++i) {
        if (ours_[i] == previous) {
            ours_[i] = object;
            return previous;
        }
    }
    if (count_ < kKinds) {
        originals_[count_] = previous;
        ours_[count_] = object;
        ++count_;
    }
    return previous;
}

}  // namespace tkp::ddraw
