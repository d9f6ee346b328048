// SDL keys to Windows virtual-key codes. Letters follow the keyboard layout as on Windows; digits
// and the rest follow the key's position.
#include "platform/sdl/sdl_video.h"
#include "platform/user/user.h"

namespace {

struct KeyPair {
    SDL_Keycode sdl;
    int vk;
};

constexpr KeyPair kKeys[] = {
    {SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_SPACE, VK_SPACE},
    {SDLK_BACKSPACE, VK_BACK},
    {SDLK_DELETE, VK_DELETE},
    {SDLK_TAB, VK_TAB},
    {SDLK_RETURN, VK_RETURN},
    {SDLK_KP_ENTER, VK_RETURN},
    {SDLK_LEFT, VK_LEFT},
    {SDLK_RIGHT, VK_RIGHT},
    {SDLK_UP, VK_UP},
    {SDLK_DOWN, VK_DOWN},
    {SDLK_INSERT, VK_INSERT},
    {SDLK_HOME, VK_HOME},
    {SDLK_END, VK_END},
    {SDLK_PAGEUP, VK_PRIOR},
    {SDLK_PAGEDOWN, VK_NEXT},
    {SDLK_LSHIFT, VK_LSHIFT},
    {SDLK_RSHIFT, VK_RSHIFT},
    {SDLK_LCTRL, VK_LCONTROL},
    {SDLK_RCTRL, VK_RCONTROL},
    {SDLK_LALT, VK_LMENU},
    {SDLK_RALT, VK_RMENU},
    {SDLK_APPLICATION, VK_APPS},
    {SDLK_PAUSE, VK_PAUSE},
    {SDLK_CAPSLOCK, VK_CAPITAL},
    {SDLK_NUMLOCKCLEAR, VK_NUMLOCK},
    {SDLK_KP_MULTIPLY, VK_MULTIPLY},
    {SDLK_KP_PLUS, VK_ADD},
    {SDLK_KP_MINUS, VK_SUBTRACT},
    {SDLK_KP_DIVIDE, VK_DIVIDE},
};

// The numeric pad's keys 1..9, 0 and the point: digits with Num Lock on, else the keys printed
// under them, as on Windows.
struct PadKey {
    SDL_Scancode scancode;
    int withNumLock;
    int without;
};

constexpr PadKey kPad[] = {
    {SDL_SCANCODE_KP_0, VK_NUMPAD0, VK_INSERT},      {SDL_SCANCODE_KP_1, VK_NUMPAD1, VK_END},
    {SDL_SCANCODE_KP_2, VK_NUMPAD2, VK_DOWN},        {SDL_SCANCODE_KP_3, VK_NUMPAD3, VK_NEXT},
    {SDL_SCANCODE_KP_4, VK_NUMPAD4, VK_LEFT},        {SDL_SCANCODE_KP_5, VK_NUMPAD5, 0x0C},
    {SDL_SCANCODE_KP_6, VK_NUMPAD6, VK_RIGHT},       {SDL_SCANCODE_KP_7, VK_NUMPAD7, VK_HOME},
    {SDL_SCANCODE_KP_8, VK_NUMPAD8, VK_UP},          {SDL_SCANCODE_KP_9, VK_NUMPAD9, VK_PRIOR},
    {SDL_SCANCODE_KP_PERIOD, VK_DECIMAL, VK_DELETE},
};

}  // namespace

namespace tkp::sdl {

int VirtualKeyOf(const SDL_Keysym& key) {
    if (key.sym >= SDLK_a && key.sym <= SDLK_z) return 'A' + (key.sym - SDLK_a);
    // Layouts without Latin letters: the letter at that position.
    if (key.scancode >= SDL_SCANCODE_A && key.scancode <= SDL_SCANCODE_Z) {
        return 'A' + (key.scancode - SDL_SCANCODE_A);
    }
    if (key.scancode >= SDL_SCANCODE_1 && key.scancode <= SDL_SCANCODE_9) {
        return '1' + (key.scancode - SDL_SCANCODE_1);
    }
    if (key.scancode == SDL_SCANCODE_0) return '0';
    if (key.scancode >= SDL_SCANCODE_F1 && key.scancode <= SDL_SCANCODE_F12) {
        return VK_F1 + (key.scancode - SDL_SCANCODE_F1);
    }
    for (const PadKey& p : kPad) {
        if (key.scancode == p.scancode) return (key.mod & KMOD_NUM) != 0 ? p.withNumLock : p.without;
    }
    for (const KeyPair& k : kKeys) {
        if (key.sym == k.sdl) return k.vk;
    }
    return 0;
}

}  // namespace tkp::sdl
