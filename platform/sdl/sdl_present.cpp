// The SDL backend's presentation: frames go into the window's own surface (the X server's shared
// memory) and only the rectangles that changed since the last frame are sent; a frame equal to the
// last sends nothing. The changes are found here, or by the caller while it copied the frame. The frame is
// scaled into the window with its aspect kept, black bars around it; a frame the size of its place is copied
// 1:1.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/base/backend.h"
#include "platform/kernel/debug.h"
#include "platform/pixels/frame_changes.h"
#include "platform/pixels/pixel_memory.h"
#include "platform/present/frame_scale.h"
#include "platform/present/pointer_map.h"
#include "platform/sdl/sdl_video.h"

namespace {

struct Presenter {
    // The last frame presented, the 5-6-5 pixels the next one is compared with.
    tkp::pixels::PixelMemory kept;
    int keptW = 0;
    int keptH = 0;
    // The surface and placement the window shows now; any change redraws the whole window.
    SDL_Surface* surface = nullptr;
    int surfaceW = 0;
    int surfaceH = 0;
    RECT place{};
    bool redrawAll = true;
    tkp::present::FrameScaler scaler;
    // The picture in 0x00RRGGBB when the surface has another pixel format, converted per rectangle.
    std::vector<std::uint32_t> canvas;
    std::vector<SDL_Rect> sent;
    bool shown = false;
    // The window is made hidden and shown with its first frame, so it never shows an empty picture.
    bool showWindow = false;
    // Only the first of several failed updates in a row is logged.
    bool updateFailing = false;
};

Presenter& presenter() {
    static Presenter p;
    return p;
}

bool directFormat(const SDL_Surface* s) {
    return s->format->format == SDL_PIXELFORMAT_RGB888 || s->format->format == SDL_PIXELFORMAT_ARGB8888;
}

// Takes the window's current surface; true when it is not the one drawn into last (a new window,
// a resize, a lost surface), which must then be drawn whole.
bool takeSurface(Presenter& p) {
    tkp::sdl::Video& v = tkp::sdl::video();
    SDL_Surface* s = SDL_GetWindowSurface(v.window);
    if (s == nullptr) {
        if (p.surface != nullptr) tkp::sdl::LogSdlError("no window surface: ");
        p.surface = nullptr;
        return true;
    }
    const int presentW = v.presentW > 0 ? v.presentW : p.keptW;
    const int presentH = v.presentH > 0 ? v.presentH : p.keptH;
    const RECT place = tkp::present::LetterboxRect(s->w, s->h, presentW, presentH);
    const bool changed = s != p.surface || s->w != p.surfaceW || s->h != p.surfaceH ||
                         place.left != p.place.left || place.top != p.place.top ||
                         place.right != p.place.right || place.bottom != p.place.bottom;
    p.surface = s;
    p.surfaceW = s->w;
    p.surfaceH = s->h;
    p.place = place;
    return changed;
}

// Draws the kept frame's rectangle source into the surface; returns the window pixels drawn.
SDL_Rect draw(Presenter& p, const RECT& source) {
    SDL_Surface* s = p.surface;
    const int placeW = p.place.right - p.place.left;
    std::uint32_t* target;
    int pitch;
    if (directFormat(s)) {
        pitch = s->pitch / 4;
        target = static_cast<std::uint32_t*>(s->pixels) + static_cast<std::ptrdiff_t>(p.place.top) * pitch +
                 p.place.left;
    } else {
        p.canvas.resize(static_cast<std::size_t>(placeW) *
                        static_cast<std::size_t>(p.place.bottom - p.place.top));
        target = p.canvas.data();
        pitch = placeW;
    }
    const RECT drawn = p.scaler.Draw(p.kept.Data(), p.keptW, source, target, pitch);
    const SDL_Rect rect{p.place.left + drawn.left, p.place.top + drawn.top, drawn.right - drawn.left,
                        drawn.bottom - drawn.top};
    if (!directFormat(s) && rect.w > 0 && rect.h > 0) {
        const std::uint32_t* from = target + static_cast<std::ptrdiff_t>(drawn.top) * pitch + drawn.left;
        auto* to = static_cast<std::uint8_t*>(s->pixels) + static_cast<std::ptrdiff_t>(rect.y) * s->pitch +
                   rect.x * s->format->BytesPerPixel;
        SDL_ConvertPixels(rect.w, rect.h, SDL_PIXELFORMAT_RGB888, from, pitch * 4, s->format->format, to,
                          s->pitch);
    }
    return rect;
}

// Paints the bars around the picture's place black (nothing when the picture fills the window).
void fillBars(const Presenter& p) {
    const RECT& r = p.place;
    const int w = p.surfaceW;
    const int h = p.surfaceH;
    const SDL_Rect bars[4] = {{0, 0, w, r.top},
                              {0, r.bottom, w, h - r.bottom},
                              {0, r.top, r.left, r.bottom - r.top},
                              {r.right, r.top, w - r.right, r.bottom - r.top}};
    const Uint32 black = SDL_MapRGB(p.surface->format, 0, 0, 0);
    for (const SDL_Rect& bar : bars) {
        if (bar.w > 0 && bar.h > 0) SDL_FillRect(p.surface, &bar, black);
    }
}

// Sends the kept frame: everything when redrawAll, otherwise only the rectangles given.
void show(Presenter& p, const std::vector<RECT>& changes) {
    if (p.showWindow && p.keptW > 0) {
        p.showWindow = false;
        SDL_ShowWindow(tkp::sdl::video().window);
    }
    if (takeSurface(p)) p.redrawAll = true;
    if (p.surface == nullptr || p.keptW <= 0) return;
    if (p.redrawAll) {
        p.scaler.SetSizes(p.keptW, p.keptH, p.place.right - p.place.left, p.place.bottom - p.place.top);
    } else if (changes.empty()) {
        return;
    }
    if (SDL_MUSTLOCK(p.surface) && SDL_LockSurface(p.surface) != 0) return;
    int status;
    if (p.redrawAll) {
        fillBars(p);
        draw(p, RECT{0, 0, p.keptW, p.keptH});
        if (SDL_MUSTLOCK(p.surface)) SDL_UnlockSurface(p.surface);
        status = SDL_UpdateWindowSurface(tkp::sdl::video().window);
    } else {
        p.sent.clear();
        for (const RECT& change : changes) {
            const SDL_Rect rect = draw(p, change);
            if (rect.w > 0 && rect.h > 0) p.sent.push_back(rect);
        }
        if (SDL_MUSTLOCK(p.surface)) SDL_UnlockSurface(p.surface);
        status = SDL_UpdateWindowSurfaceRects(tkp::sdl::video().window, p.sent.data(),
                                              static_cast<int>(p.sent.size()));
    }
    // A surface that went away with a resize is taken again, and drawn whole, next time.
    p.redrawAll = status != 0;
    if (status != 0) {
        if (!p.updateFailing) tkp::sdl::LogSdlError("window update: ");
        p.updateFailing = true;
        p.surface = nullptr;
        return;
    }
    p.updateFailing = false;
    if (!p.shown) OutputDebugStringA("SDL: first frame shown\n");
    p.shown = true;
}

}  // namespace

namespace tkp::sdl {

bool StartPresenting() {
    Presenter& p = presenter();
    p.surface = nullptr;
    p.keptW = p.keptH = 0;
    p.kept = {};
    p.redrawAll = true;
    p.shown = false;
    p.showWindow = true;
    if (SDL_GetWindowSurface(video().window) == nullptr) {
        LogSdlError("no window surface: ");
        return false;
    }
    return true;
}

void RedrawWindow() {
    Presenter& p = presenter();
    p.redrawAll = true;
    if (video().window != nullptr && p.keptW > 0) show(p, {});
}

void StopPresenting() {
    Presenter& p = presenter();
    p.surface = nullptr;
    p.redrawAll = true;
}

}  // namespace tkp::sdl

namespace tkp::base::backend {

void Present(const std::uint16_t* pixels, int width, int height, int pitchBytes) {
    tkp::sdl::Video& v = tkp::sdl::video();
    if (v.window == nullptr || pixels == nullptr || width <= 0 || height <= 0 || pitchBytes < width * 2)
        return;
    // A frame before any mode was set is shown at its own size.
    if (v.presentW <= 0) SetPresentationSize(width, height);
    Presenter& p = presenter();
    const int pitch = pitchBytes / 2;
    if (p.keptW != width || p.keptH != height || p.redrawAll) {
        const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
        if (p.kept.Size() != count) p.kept = tkp::pixels::PixelMemory(count);
        for (int y = 0; y < height; ++y)
            std::copy_n(pixels + static_cast<std::ptrdiff_t>(y) * pitch, width,
                        p.kept.Data() + static_cast<std::ptrdiff_t>(y) * width);
        p.keptW = width;
        p.keptH = height;
        p.redrawAll = true;
        show(p, {});
        return;
    }
    show(p, tkp::pixels::TakeFrameChanges(tkp::pixels::PixelView{p.kept.Data(), width, height, width}, pixels,
                                          pitch));
}

void PresentChanges(const std::uint16_t* pixels, int width, int height, int pitchBytes,
                    const std::vector<RECT>& changes) {
    Presenter& p = presenter();
    if (tkp::sdl::video().window == nullptr || p.keptW != width || p.keptH != height || p.redrawAll ||
        pixels == nullptr || pitchBytes < width * 2) {
        Present(pixels, width, height, pitchBytes);
        return;
    }
    // The caller compared the frame already: only what changed is taken into the kept frame.
    const int pitch = pitchBytes / 2;
    for (const RECT& r : changes) {
        for (int y = r.top; y < r.bottom; ++y)
            std::copy(pixels + static_cast<std::ptrdiff_t>(y) * pitch + r.left,
                      pixels + static_cast<std::ptrdiff_t>(y) * pitch + r.right,
                      p.kept.Data() + static_cast<std::ptrdiff_t>(y) * width + r.left);
    }
    show(p, changes);
}

}  // namespace tkp::base::backend
