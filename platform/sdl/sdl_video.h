// What the SDL backend's window, display and event code share. Only platform/sdl includes it.
#pragma once

#include <SDL.h>

#include "platform/base/wintypes.h"

namespace tkp::sdl {

struct Video {
    SDL_Window* window = nullptr;
    // The back-buffer size the picture is scaled from, with its aspect kept, to fill the window.
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
// The window's picture (sdl_present.cpp). StartPresenting takes a new, hidden window, which is
// shown with the first frame (false, with a log line, when the window has no surface to draw into);
// RedrawWindow draws the last frame again over the whole window, after it was uncovered, resized or its
// surface lost; StopPresenting forgets the window before it is destroyed.
bool StartPresenting();
void RedrawWindow();
void StopPresenting();
// Writes "SDL: <what><SDL's error>" to the debugger output.
void LogSdlError(const char* what);

}  // namespace tkp::sdl

namespace tkp::sdl {

// Turns one SDL event into input for user32 (messages and key state).
void TranslateEvent(const SDL_Event& event);
// The Windows virtual-key code of a key; 0 for keys the program is not offered.
int VirtualKeyOf(const SDL_Keysym& key);

}  // namespace tkp::sdl
