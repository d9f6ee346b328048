// How the SDL backend's window presents itself to the window manager.
#pragma once

#include <SDL.h>

namespace tkp::sdl {

// The smallest ordinary window, the size the frame may be shrunk to by the user.
inline constexpr int kMinWindowW = 640;
inline constexpr int kMinWindowH = 480;

// The windows are made hidden and shown with the first frame (see sdl_present.cpp), so the screen
// never shows a window without a picture and nothing waits for the window manager before then.

// A borderless window at the screen's place and size, asking the window manager for full screen.
// Without a window manager the request is ignored and the window covers the screen by itself.
SDL_Window* CreateScreenWindow(const char* title);

// An ordinary window of that size in the middle of the desktop, which the user may resize and
// maximise (the frame is scaled into it with its aspect kept). A window that would not fit the
// desktop's usable area beside panels and a title bar is made the usable area's size and asked to
// be maximised, so the window manager fits it with its title bar. Null (with SDL's error) on failure.
SDL_Window* CreateOrdinaryWindow(const char* title, int width, int height);

// SDL marks a window transient for the root window when no window manager ever announced
// decoration hints (as under a bare X server); a program's main window is no one's dialog, so the
// mark is removed where the window is an X11 one.
void ForgetTransientForRoot(SDL_Window* window);

}  // namespace tkp::sdl
