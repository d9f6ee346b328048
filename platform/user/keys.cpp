// Key and pointer state as the program sees it.
#include "platform/base/backend.h"
#include "platform/user/user_state.h"

using tkp::user::State;

SHORT GetAsyncKeyState(int vk) {
    if (vk <= 0 || vk > 0xFF) return 0;
    // The state now: take in what the backend has seen since the last look.
    tkp::backend::PumpEvents();
    return State().asyncDown[vk] ? static_cast<SHORT>(0x8000) : static_cast<SHORT>(0);
}

BOOL GetCursorPos(LPPOINT point) {
    if (point == nullptr) return FALSE;
    *point = State().cursor;
    return TRUE;
}
