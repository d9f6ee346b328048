// The SDL backend's display: the emulated mode list, and frames uploaded to one streaming
// texture that SDL scales to the screen with the aspect kept.
#include "platform/backend.h"
#include "platform/kernel/debug.h"
#include "platform/sdl/sdl_video.h"
#include "platform/user/display_modes.h"

using tkp::sdl::video;

namespace tkp::backend {

DisplayMode DesktopSize() {
    // In a window the program sees the window as its screen.
    if (video().windowedW > 0) return DisplayMode{video().windowedW, video().windowedH};
    SDL_DisplayMode mode;
    if (!tkp::sdl::EnsureVideo() || SDL_GetDesktopDisplayMode(0, &mode) != 0) return DisplayMode{0, 0};
    return DisplayMode{mode.w, mode.h};
}

std::vector<DisplayMode> DisplayModes() {
    const DisplayMode desktop = DesktopSize();
    return tkp::user::EmulatedDisplayModes(desktop.width, desktop.height);
}

void SetPresentationSize(int width, int height) {
    if (width <= 0 || height <= 0) return;
    video().presentW = width;
    video().presentH = height;
    tkp::sdl::ApplyLogicalSize();
}

void Present(const std::uint16_t* pixels, int width, int height, int pitchBytes) {
    tkp::sdl::Video& v = video();
    if (v.renderer == nullptr || pixels == nullptr || width <= 0 || height <= 0 || pitchBytes < width * 2)
        return;
    // A frame before any mode was set is shown at its own size.
    if (v.presentW <= 0) SetPresentationSize(width, height);
    if (v.texture == nullptr || v.textureW != width || v.textureH != height) {
        if (v.texture != nullptr) SDL_DestroyTexture(v.texture);
        v.texture =
            SDL_CreateTexture(v.renderer, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING, width, height);
        v.textureW = width;
        v.textureH = height;
        if (v.texture == nullptr) {
            tkp::sdl::LogSdlError("no texture: ");
            return;
        }
    }
    if (SDL_UpdateTexture(v.texture, nullptr, pixels, pitchBytes) != 0) {
        tkp::sdl::LogSdlError("texture upload: ");
        return;
    }
    // The bars around the scaled picture are black.
    SDL_SetRenderDrawColor(v.renderer, 0, 0, 0, 255);
    SDL_RenderClear(v.renderer);
    SDL_RenderCopy(v.renderer, v.texture, nullptr, nullptr);
    SDL_RenderPresent(v.renderer);
    static bool shown = false;
    if (!shown) OutputDebugStringA("SDL: first frame shown\n");
    shown = true;
}

}  // namespace tkp::backend
