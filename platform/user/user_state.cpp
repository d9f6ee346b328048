// The single user32 state of the program's one thread.
#include "platform/user/user_state.h"

#include <string>

#include "platform/kernel/debug.h"
#include "platform/kernel/files.h"

namespace tkp::user {

UserState& State() {
    static UserState state = [] {
        UserState fresh;
        fresh.cursorShape = ArrowCursor();
        return fresh;
    }();
    return state;
}

void ResetState() {
    UserState& s = State();
    s.classes.clear();
    s.windows.clear();
    s.main = nullptr;
    s.queue.Clear();
    for (int i = 0; i < 256; ++i) s.asyncDown[i] = s.syncDown[i] = s.syncToggled[i] = false;
    s.cursor = POINT{0, 0};
    s.extraInfo = 0;
    s.cursorShape = ArrowCursor();
    s.pointerShown = true;
}

tkp::user::Window* LiveWindow(HWND window) {
    for (const auto& w : State().windows) {
        if (w.get() == window && w->alive) return w.get();
    }
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
}

void LogMisuse(const char* text) {
    std::string line = "user32: ";
    line += text;
    line += '\n';
    OutputDebugStringA(line.c_str());
}

}  // namespace tkp::user
