// What the SDL backend's window, display and event code share. Only platform/sdl includes it.
#pragma once

#include <SDL.h>

#include "platform/wintypes.h"

namespace tkp::sdl {

struct Video {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    // One streaming texture of the back buffer's size, in the buffer's own 5-6-5 format.
    SDL_Texture* texture = nullptr;
    int textureW = 0;
    int textureH = 0;
    // The back-buffer size the picture is scaled from (SDL's logical size).
    int presentW = 0;
    int presentH = 0;
    // An ordinary window of this size asked for instead of covering the screen; 0 x 0 for none.
    int windowedW = 0;
    int windowedH = 0;
    HWND hwnd = nullptr;
};

Video& video();
// Starts SDL's video and events once; false (with a line on the debugger output) when it cannot.
bool EnsureVideo();
// Applies the presentation size to the renderer (letterboxed scaling with the aspect kept).
void ApplyLogicalSize();
// Writes "SDL: <what><SDL's error>" to the debugger output.
void LogSdlError(const char* what);

}  // namespace tkp::sdl

namespace tkp::sdl {

// Turns one SDL event into input for user32 (messages and key state).
void TranslateEvent(const SDL_Event& event);
// The Windows virtual-key code of a key; 0 for keys the program is not offered.
int VirtualKeyOf(const SDL_Keysym& key);

}  // namespace tkp::sdl
