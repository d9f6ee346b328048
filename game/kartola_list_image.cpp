#include "game/kartola_list_image.h"

#include <algorithm>

#include "framework/graphics/tk_Display.h"
#include "framework/widgets/tk_CPol.h"
#include "platform/ddraw/surface_access.h"

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

// The image spans from the screen's top left corner to the box's far corner, so that the list
// draws at its own place and meets the same edges as on the screen.
bool ListImage::Fill(tk_CPol& list, DWORD colour, const FrameItem& item, int width, int height) {
    if (surface_ && (width_ != width || height_ != height)) Release();
    if (!surface_) surface_ = tkp::ddraw::CreateOffscreenSurface(tk_lpDD, width, height);
    if (!surface_) return false;
    DDBLTFX fx{};
    fx.dwSize = sizeof fx;
    fx.dwFillColor = colour;
    if (surface_->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx) != DD_OK) return false;
    list.ZOBRAZ(surface_);
    key_ = item.key;
    box_ = item.box;
    colour_ = colour;
    width_ = width;
    height_ = height;
    ++fills_;
    return true;
}

void ListImage::Draw(IDirectDrawSurface* target, tk_CPol& list, DWORD colour, const FrameItem* bare) {
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    if (on_ && bare && tk_lpDD && target->GetSurfaceDesc(&desc) == DD_OK) {
        const RECT& b = bare->box;
        RECT shown{std::max<LONG>(b.left, 0), std::max<LONG>(b.top, 0),
                   std::min(b.right, static_cast<LONG>(desc.dwWidth)),
                   std::min(b.bottom, static_cast<LONG>(desc.dwHeight))};
        if (shown.left < shown.right && shown.top < shown.bottom) {
            const int width = shown.right, height = shown.bottom;
            const bool current = surface_ && key_ == bare->key && colour_ == colour && width_ == width &&
                                 height_ == height && box_.left == b.left && box_.top == b.top &&
                                 box_.right == b.right && box_.bottom == b.bottom;
            if (current || Fill(list, colour, *bare, width, height)) {
                if (target->BltFast(static_cast<DWORD>(shown.left), static_cast<DWORD>(shown.top), surface_,
                                    &shown, DDBLTFAST_NOCOLORKEY | DDBLTFAST_WAIT) == DD_OK)
                    return;
                // A lost image is made again the next time.
                Release();
            }
        }
    }
    ++direct_;
    list.ZOBRAZ(target);
}
