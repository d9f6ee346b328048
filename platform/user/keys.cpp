// Key and pointer state as the program sees it.
#include "platform/base/backend.h"
#include "platform/user/user_state.h"

using tkp::user::State;

SHORT GetAsyncKeyState(int vk) {
    if (vk <= 0 || vk > 0xFF) return 0;
    // The state now: take in what the backend has seen since the last look.
    tkp::base::backend::PumpEvents();
    return State().asyncDown[vk] ? static_cast<SHORT>(0x8000) : static_cast<SHORT>(0);
}

SHORT GetKeyState(int vk) {
    if (vk <= 0 || vk > 0xFF) return 0;
    const auto& s = State();
    int bits = 0;
    if (s.syncDown[vk]) bits |= 0x8000;
    if (s.syncToggled[vk]) bits |= 0x0001;
    return static_cast<SHORT>(bits);
}

LPARAM GetMessageExtraInfo() {
    return State().extraInfo;
}

BOOL GetCursorPos(LPPOINT point) {
    if (point == nullptr) return FALSE;
    *point = State().cursor;
    return TRUE;
}
