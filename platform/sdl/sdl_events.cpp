// SDL events into user32 input: pointer positions in back-buffer pixels, buttons, keys, focus,
// close requests and exposure; losing the display marks the surfaces lost.
#include "platform/ddraw/ddraw.h"
#include "platform/present/pointer_map.h"
#include "platform/sdl/sdl_video.h"
#include "platform/user/input.h"
#include "platform/user/user.h"

namespace {

// SDL reports positions in window pixels; the picture is scaled into the window with bars around
// it, and positions over the bars give the nearest edge.
POINT bufferPoint(int x, int y) {
    const tkp::sdl::Video& v = tkp::sdl::video();
    if (v.presentW <= 0 || v.presentH <= 0 || v.window == nullptr) return POINT{x < 0 ? 0 : x, y < 0 ? 0 : y};
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(v.window, &w, &h);
    return tkp::present::ScreenToBuffer(x, y, w, h, v.presentW, v.presentH);
}

void windowEvent(const SDL_WindowEvent& e) {
    switch (e.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            tkp::user::input::Focus(true);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            // A full-screen program that loses the focus loses its display, as with DirectDraw.
            tkp::user::input::Focus(false);
            tkp::ddraw::MarkSurfacesLost();
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
            tkp::ddraw::MarkSurfacesLost();
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            // The window shows the last frame again at once; the program is asked to paint too.
            tkp::sdl::RedrawWindow();
            tkp::user::input::Exposed();
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            tkp::sdl::RedrawWindow();
            break;
        case SDL_WINDOWEVENT_CLOSE:
            tkp::user::input::CloseRequested();
            break;
        default:
            break;
    }
}

int buttonOf(Uint8 sdlButton) {
    if (sdlButton == SDL_BUTTON_LEFT) return VK_LBUTTON;
    if (sdlButton == SDL_BUTTON_RIGHT) return VK_RBUTTON;
    return 0;
}

}  // namespace

namespace tkp::sdl {

void TranslateEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_MOUSEMOTION: {
            const POINT p = bufferPoint(event.motion.x, event.motion.y);
            // SDL turns a finger into the pointer: such events say so.
            if (event.motion.which == SDL_TOUCH_MOUSEID) {
                tkp::user::input::Touch(0, p.x, p.y);
            } else {
                tkp::user::input::PointerMoved(p.x, p.y);
            }
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const int button = buttonOf(event.button.button);
            if (button == 0) break;
            const POINT p = bufferPoint(event.button.x, event.button.y);
            const bool down = event.type == SDL_MOUSEBUTTONDOWN;
            if (event.button.which == SDL_TOUCH_MOUSEID && button == VK_LBUTTON) {
                tkp::user::input::Touch(down ? 1 : -1, p.x, p.y);
            } else {
                tkp::user::input::PointerButton(button, down, p.x, p.y);
            }
            break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const int vk = VirtualKeyOf(event.key.keysym);
            if (vk != 0) tkp::user::input::Key(vk, event.type == SDL_KEYDOWN);
            break;
        }
        case SDL_WINDOWEVENT:
            windowEvent(event.window);
            break;
        case SDL_QUIT:
            tkp::user::input::CloseRequested();
            break;
        default:
            break;
    }
}

}  // namespace tkp::sdl
