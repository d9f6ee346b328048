// Stock cursor and icon, and the pointer's visibility: the program may hide the system pointer
// and draw its own.
#include "platform/base/backend.h"
#include "platform/kernel/files.h"
#include "platform/kernel/resources.h"
#include "platform/user/user_state.h"

using tkp::user::State;

namespace {

// Stand-ins for the stock objects; only their addresses are used as handles.
int g_arrow;
int g_applicationIcon;

}  // namespace

namespace tkp::user {

HCURSOR ArrowCursor() {
    return &g_arrow;
}

}  // namespace tkp::user

HCURSOR LoadCursorA(HINSTANCE, LPCSTR name) {
    if (name == IDC_ARROW) return &g_arrow;
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}

HICON LoadIconA(HINSTANCE, LPCSTR name) {
    if (name == IDI_APPLICATION) return &g_applicationIcon;
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}

HCURSOR SetCursor(HCURSOR cursor) {
    auto& s = State();
    HCURSOR previous = s.cursorShape;
    s.cursorShape = cursor;
    const bool show = cursor != nullptr;
    if (show != s.pointerShown) {
        s.pointerShown = show;
        tkp::base::backend::ShowPointer(show);
    }
    return previous;
}
