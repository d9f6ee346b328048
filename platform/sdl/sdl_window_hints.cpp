// The main window's size rules and its X11 hints.
#include "platform/sdl/sdl_window_hints.h"

#include "platform/sdl/sdl_video.h"

#include <SDL_syswm.h>

#include <algorithm>

#ifdef TKP_HAVE_X11
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace tkp::sdl {

namespace {

// Asks for full screen the way a client does before its window is mapped: the window manager reads
// _NET_WM_STATE when the window is mapped. False where the window is not an X11 one.
bool askFullScreenBeforeMapping(SDL_Window* window) {
#ifdef TKP_HAVE_X11
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return false;
    Display* display = info.info.x11.display;
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    const Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    XChangeProperty(display, info.info.x11.window, state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&fullScreen), 1);
    XFlush(display);
    return true;
#else
    (void)window;
    return false;
#endif
}

}  // namespace

SDL_Window* CreateScreenWindow(const char* title) {
    SDL_Rect screen{0, 0, 800, 600};
    if (SDL_GetDisplayBounds(0, &screen) != 0) LogSdlError("display bounds: ");
    // SDL's own full-screen flag, on X11, waits up to 100 ms after the window is mapped for a window
    // manager to move it; a window already covering the screen is never moved, so every start would
    // wait the whole time. The request is made as a property before mapping instead.
    SDL_Window* window = SDL_CreateWindow(title, screen.x, screen.y, screen.w, screen.h,
                                          SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
    if (window == nullptr) return nullptr;
    ForgetTransientForRoot(window);
    if (!askFullScreenBeforeMapping(window) &&
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        LogSdlError("full screen: ");
    }
    return window;
}

SDL_Window* CreateOrdinaryWindow(const char* title, int width, int height) {
    SDL_Rect usable{0, 0, 0, 0};
    const bool known = SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 && usable.h > 0;
    const bool fills = known && (width >= usable.w || height >= usable.h);
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE;
    int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED;
    if (fills) {
        flags |= SDL_WINDOW_MAXIMIZED;
        x = usable.x;
        y = usable.y;
        width = std::min(width, usable.w);
        height = std::min(height, usable.h);
    }
    SDL_Window* window = SDL_CreateWindow(title, x, y, width, height, flags);
    if (window == nullptr) return nullptr;
    SDL_SetWindowMinimumSize(window, std::min(width, kMinWindowW), std::min(height, kMinWindowH));
    ForgetTransientForRoot(window);
    return window;
}

void ForgetTransientForRoot(SDL_Window* window) {
#ifdef TKP_HAVE_X11
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return;
    XDeleteProperty(info.info.x11.display, info.info.x11.window, XA_WM_TRANSIENT_FOR);
    XFlush(info.info.x11.display);
#else
    (void)window;
#endif
}

}  // namespace tkp::sdl
