// Input into messages: pointer and buttons to WM_MOUSEMOVE / WM_xBUTTONxx with MK_* flags and the
// position packed into lParam, keys to WM_KEYDOWN / WM_KEYUP with Windows' lParam bits.
#include "platform/user/input.h"

#include "platform/base/backend.h"
#include "platform/user/user_state.h"

using tkp::user::State;

namespace {

// The common code of a left or right modifier key.
int commonKey(int vk) {
    switch (vk) {
        case VK_LSHIFT:
        case VK_RSHIFT:
            return VK_SHIFT;
        case VK_LCONTROL:
        case VK_RCONTROL:
            return VK_CONTROL;
        case VK_LMENU:
        case VK_RMENU:
            return VK_MENU;
        default:
            return vk;
    }
}

WPARAM mouseFlags() {
    const bool* down = State().asyncDown;
    WPARAM flags = 0;
    if (down[VK_LBUTTON]) flags |= MK_LBUTTON;
    if (down[VK_RBUTTON]) flags |= MK_RBUTTON;
    if (down[VK_SHIFT]) flags |= MK_SHIFT;
    if (down[VK_CONTROL]) flags |= MK_CONTROL;
    return flags;
}

// Set while the pointer messages being posted come from a finger.
LPARAM g_extra = 0;

void postInput(UINT message, WPARAM wParam, LPARAM lParam) {
    auto& s = State();
    if (s.main == nullptr) return;
    s.queue.PostInput(MSG{s.main, message, wParam, lParam, static_cast<DWORD>(tkp::base::backend::NowMs()),
                          s.cursor, g_extra});
}

void movePointer(int x, int y) {
    // Positions are packed into 16 bits each; the backends send back-buffer pixels.
    if (x < 0) x = 0;
    if (y < 0) y = 0;
    if (x > 0x7FFF) x = 0x7FFF;
    if (y > 0x7FFF) y = 0x7FFF;
    State().cursor = POINT{x, y};
}

}  // namespace

namespace tkp::user::input {

void PointerMoved(int x, int y) {
    movePointer(x, y);
    const POINT& p = State().cursor;
    postInput(WM_MOUSEMOVE, mouseFlags(), MAKELPARAM(p.x, p.y));
}

void PointerButton(int vkButton, bool down, int x, int y) {
    UINT message;
    if (vkButton == VK_LBUTTON) {
        message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    } else if (vkButton == VK_RBUTTON) {
        message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    } else {
        return;
    }
    movePointer(x, y);
    State().asyncDown[vkButton] = down;
    const POINT& p = State().cursor;
    postInput(message, mouseFlags(), MAKELPARAM(p.x, p.y));
}

void Key(int vk, bool down) {
    if (vk <= 0 || vk > 0xFF) return;
    bool* held = State().asyncDown;
    const int common = commonKey(vk);
    const bool wasDown = held[vk];
    held[vk] = down;
    if (common != vk) {
        const int left = common == VK_SHIFT ? VK_LSHIFT : common == VK_CONTROL ? VK_LCONTROL : VK_LMENU;
        held[common] = held[left] || held[left + 1];
    }
    // Without a window no key message is ever taken: the state of the last message is the state now.
    if (State().main == nullptr) {
        State().syncDown[vk] = held[vk];
        State().syncDown[common] = held[common];
    }
    // Alt (without Control) and F10 make system keys, as on Windows.
    const bool system = common == VK_MENU || common == VK_F10 || (held[VK_MENU] && !held[VK_CONTROL]);
    UINT message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    // lParam: repeat count 1, bit 30 the previous state, bit 31 set on release.
    DWORD bits = 1;
    if (wasDown || !down) bits |= 1u << 30;
    if (!down) bits |= 1u << 31;
    postInput(message, static_cast<WPARAM>(common), static_cast<LPARAM>(bits));
}

void Touch(int phase, int x, int y) {
    g_extra = MI_WP_SIGNATURE | 0x80;
    if (phase == 0) {
        PointerMoved(x, y);
    } else {
        // A finger that lands elsewhere first moves the pointer there, as a mouse would have.
        if (phase > 0) PointerMoved(x, y);
        PointerButton(VK_LBUTTON, phase > 0, x, y);
    }
    g_extra = 0;
}

void Focus(bool gained) {
    postInput(WM_ACTIVATEAPP, gained ? TRUE : FALSE, 0);
}

void CloseRequested() {
    postInput(WM_CLOSE, 0, 0);
}

void Exposed() {
    auto& s = State();
    tkp::user::Window* w = s.main;
    if (w != nullptr && w->visible) s.queue.SetPaint(s.main);
}

}  // namespace tkp::user::input
