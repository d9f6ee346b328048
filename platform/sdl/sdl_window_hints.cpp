// The main window's size rules and its X11 hints.
#include "platform/sdl/sdl_window_hints.h"

#include <SDL_syswm.h>

#include <algorithm>

#ifdef TKP_HAVE_X11
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace tkp::sdl {

SDL_Window* CreateOrdinaryWindow(const char* title, int width, int height) {
    SDL_Rect usable{0, 0, 0, 0};
    const bool known = SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 && usable.h > 0;
    const bool fills = known && (width >= usable.w || height >= usable.h);
    Uint32 flags = SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE;
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
