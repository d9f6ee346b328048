#include "game/kartola_list_image.h"

#include <algorithm>

#include "framework/graphics/tk_Display.h"
#include "framework/widgets/tk_CPol.h"
#include "platform/ddraw/surface_access.h"

namespace {

bool same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

ListImage& FoundListImage() {
    static ListImage image;
    return image;
}

ListImage::~ListImage() {
    Release();
}

void ListImage::Release() {
    if (surface_) surface_->Release();
    surface_ = nullptr;
}

void ListImage::SetOn(bool on) {
    on_ = on;
    if (!on) Release();
}

// The box as the target shows it now, copied into the image.
void ListImage::Keep(IDirectDrawSurface* target, const FrameItem& item, const RECT& shown) {
    const int width = shown.right - shown.left, height = shown.bottom - shown.top;
    if (surface_ && (shown_.right - shown_.left != width || shown_.bottom - shown_.top != height)) Release();
    if (!surface_) surface_ = tkp::ddraw::CreateOffscreenSurface(tk_lpDD, width, height);
    if (!surface_) return;
    RECT from = shown;
    if (surface_->BltFast(0, 0, target, &from, DDBLTFAST_NOCOLORKEY | DDBLTFAST_WAIT) != DD_OK) {
        Release();
        return;
    }
    key_ = item.key;
    box_ = item.box;
    shown_ = shown;
}

void ListImage::Draw(IDirectDrawSurface* target, tk_CPol& list, const FrameItem* item) {
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    if (!on_ || !item || !tk_lpDD || target->GetSurfaceDesc(&desc) != DD_OK) {
        ++draws_;
        list.ZOBRAZ(target);
        return;
    }
    const RECT& b = item->box;
    const RECT shown{std::max<LONG>(b.left, 0), std::max<LONG>(b.top, 0),
                     std::min(b.right, static_cast<LONG>(desc.dwWidth)),
                     std::min(b.bottom, static_cast<LONG>(desc.dwHeight))};
    if (surface_ && key_ == item->key && same(box_, b) && same(shown_, shown)) {
        if (target->BltFast(static_cast<DWORD>(shown.left), static_cast<DWORD>(shown.top), surface_, nullptr,
                            DDBLTFAST_NOCOLORKEY | DDBLTFAST_WAIT) == DD_OK)
            return;
        // A lost image is made again.
        Release();
    }
    ++draws_;
    list.ZOBRAZ(target);
    if (shown.left < shown.right && shown.top < shown.bottom && target->IsLost() == DD_OK)
        Keep(target, *item, shown);
}
