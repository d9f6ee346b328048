// The SDL backend's shared video state.
#include "platform/sdl/sdl_video.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/kernel/debug.h"

namespace tkp::sdl {

Video& video() {
    static Video state;
    return state;
}

void LogSdlError(const char* what) {
    std::string line = "SDL: ";
    line += what;
    line += SDL_GetError();
    line += '\n';
    OutputDebugStringA(line.c_str());
}

bool EnsureVideo() {
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) return true;
    // A display that was not there is not looked for again, nor reported again.
    static bool missing = false;
    if (missing) return false;
    // The first click on the window counts as a click, not only as taking the focus.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // The window's surface is the X server's shared memory, updated a rectangle at a time; SDL's
    // default puts a renderer (OpenGL, in software under Xvfb) behind it.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // The program reads keys, never text: the X input method's compose table (the locale's several
    // thousand sequences, parsed at every start) is not wanted, so an empty one is named while SDL
    // opens the display, unless the user named one.
    const bool composeNamed = std::getenv("XCOMPOSEFILE") != nullptr;
    if (!composeNamed) setenv("XCOMPOSEFILE", "/dev/null", 1);
    const int started = SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    if (!composeNamed) unsetenv("XCOMPOSEFILE");
    if (started != 0) {
        LogSdlError("no display: ");
        missing = true;
        return false;
    }
    // Without a display SDL falls back to drivers that show nothing: the program would run on
    // unseen and never end. They serve only when asked for by name.
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    if (driver != nullptr && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0) &&
        (asked == nullptr || std::strstr(asked, driver) == nullptr)) {
        OutputDebugStringA("SDL: no display: no X server or other display answers (is DISPLAY set?)\n");
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        missing = true;
        return false;
    }
    return true;
}

}  // namespace tkp::sdl
