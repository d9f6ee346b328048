// What user32 keeps for the thread: window classes, windows, the queue, key and pointer state.
// Platform-internal: the backends reach user32 through platform/user/input.h.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/user/message_queue.h"
#include "platform/user/user.h"

namespace tkp::user {

// The window a HWND points to. Objects live until the state is reset, so a stale handle is
// recognised as dead instead of pointing at freed memory.
struct Window {
    std::string className;
    std::string title;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    bool alive = true;
    bool visible = false;
    bool destroying = false;
};

struct WindowClass {
    std::string name;
    WNDCLASSA wc;
};

struct UserState {
    std::vector<WindowClass> classes;
    std::vector<std::unique_ptr<Window>> windows;
    HWND main = nullptr;
    MessageQueue queue;
    // Key states by virtual-key code: held now, and as of the last message taken.
    bool asyncDown[256] = {};
    bool syncDown[256] = {};
    bool syncToggled[256] = {};
    POINT cursor = {0, 0};
    // The extra information of the last message taken.
    LPARAM extraInfo = 0;
    HCURSOR cursorShape = nullptr;
    bool pointerShown = true;
};

UserState& State();
// The stock arrow cursor: the shape the pointer has until SetCursor changes it.
HCURSOR ArrowCursor();
// Forgets every class, window, message, timer and key state (for tests).
void ResetState();
// The window if the handle names a live one, else null with ERROR_INVALID_WINDOW_HANDLE.
Window* LiveWindow(HWND window);
// Logs a misuse of the interface to the debugger output with the "user32: " prefix.
void LogMisuse(const char* text);

}  // namespace tkp::user
