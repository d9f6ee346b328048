// The SDL backend's window and time: one borderless window covering the screen (or an ordinary
// resizable window), shown with its first frame; waits that sleep until the next timer or event, and
// the clock.
#include <climits>

#include "platform/base/backend.h"
#include "platform/sdl/sdl_video.h"
#include "platform/sdl/sdl_window_hints.h"
#include "platform/user/user.h"

using tkp::sdl::video;

namespace tkp::base::backend {

std::uint64_t NowMs() {
    return SDL_GetTicks64();
}

void PumpEvents() {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return;
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) tkp::sdl::TranslateEvent(event);
}

void WaitForEvents(std::uint64_t untilMs) {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        // No events can come without video: only a timer can end the wait.
        const std::uint64_t now = NowMs();
        SDL_Delay(untilMs > now ? static_cast<Uint32>(untilMs - now) : 10u);
        return;
    }
    // The event that ends the wait is taken here and turned into input at once.
    SDL_Event event;
    int got;
    if (untilMs == 0) {
        got = SDL_WaitEvent(&event);
    } else {
        const std::uint64_t now = NowMs();
        if (untilMs <= now) return;
        const std::uint64_t wait = untilMs - now;
        got = SDL_WaitEventTimeout(&event, wait > INT_MAX ? INT_MAX : static_cast<int>(wait));
    }
    if (got != 0) tkp::sdl::TranslateEvent(event);
}

bool CreateMainWindow(HWND window, const char* title) {
    tkp::sdl::Video& v = video();
    if (v.window != nullptr || !tkp::sdl::EnsureVideo()) return false;
    if (v.windowedW > 0) {
        v.window = tkp::sdl::CreateOrdinaryWindow(title != nullptr ? title : "", v.windowedW, v.windowedH);
    } else {
        v.window = tkp::sdl::CreateScreenWindow(title != nullptr ? title : "");
    }
    if (v.window == nullptr) {
        tkp::sdl::LogSdlError("no window: ");
        return false;
    }
    // Frames are paced by the program's timers, never by the display's refresh.
    if (!tkp::sdl::StartPresenting()) {
        SDL_DestroyWindow(v.window);
        v.window = nullptr;
        return false;
    }
    v.hwnd = window;
    // Keys arrive as key events only; no text input or input method is wanted.
    SDL_StopTextInput();
    return true;
}

void SetWindowed(int width, int height) {
    video().windowedW = width;
    video().windowedH = height;
}

void DestroyMainWindow(HWND) {
    tkp::sdl::Video& v = video();
    tkp::sdl::StopPresenting();
    if (v.window != nullptr) SDL_DestroyWindow(v.window);
    v.window = nullptr;
    v.hwnd = nullptr;
}

void ShowPointer(bool visible) {
    if (tkp::sdl::EnsureVideo()) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void ShowMessageBox(const char* text, const char* caption, UINT type) {
    Uint32 flags = SDL_MESSAGEBOX_INFORMATION;
    const UINT icon = type & 0xF0;
    if (icon == MB_ICONERROR) flags = SDL_MESSAGEBOX_ERROR;
    if (icon == MB_ICONWARNING) flags = SDL_MESSAGEBOX_WARNING;
    if (SDL_ShowSimpleMessageBox(flags, caption, text, video().window) != 0) {
        tkp::sdl::LogSdlError("message box: ");
    }
}

}  // namespace tkp::base::backend
