// The SDL backend's shared video state.
#include "platform/sdl/sdl_video.h"

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
    // The first click on the window counts as a click, not only as taking the focus.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // The window's surface is the X server's shared memory, updated a rectangle at a time; SDL's
    // default puts a renderer (OpenGL, in software under Xvfb) behind it.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        LogSdlError("no video: ");
        return false;
    }
    return true;
}

}  // namespace tkp::sdl
