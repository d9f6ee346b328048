// The SDL backend's display: the emulated mode list and the size frames are presented at
// (sdl_present.cpp shows them).
#include "platform/base/backend.h"
#include "platform/present/display_modes.h"
#include "platform/sdl/sdl_video.h"

using tkp::sdl::video;

namespace tkp::base::backend {

DisplayMode DesktopSize() {
    // In a window the program sees the window as its screen.
    if (video().windowedW > 0) return DisplayMode{video().windowedW, video().windowedH};
    SDL_DisplayMode mode;
    if (!tkp::sdl::EnsureVideo() || SDL_GetDesktopDisplayMode(0, &mode) != 0) return DisplayMode{0, 0};
    return DisplayMode{mode.w, mode.h};
}

std::vector<DisplayMode> DisplayModes() {
    const DisplayMode desktop = DesktopSize();
    return tkp::present::EmulatedDisplayModes(desktop.width, desktop.height);
}

void SetPresentationSize(int width, int height) {
    if (width <= 0 || height <= 0) return;
    // The next frame is placed anew in the window, and drawn whole.
    video().presentW = width;
    video().presentH = height;
}

}  // namespace tkp::base::backend
