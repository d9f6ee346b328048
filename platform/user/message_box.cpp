// Message boxes: shown by the backend and always written to standard error, so that a message
// is not lost where nobody sees the screen.
#include <cstdio>

#include "platform/base/backend.h"
#include "platform/user/user.h"

int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT type) {
    if (text == nullptr) text = "";
    // Windows' caption when none is given.
    if (caption == nullptr) caption = "Error";
    std::fprintf(stderr, "%s: %s\n", caption, text);
    tkp::base::backend::ShowMessageBox(text, caption, type);
    // The box has only its first button to answer with.
    const UINT buttons = type & 0x0F;
    return (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) ? IDYES : IDOK;
}
