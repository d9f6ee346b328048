#include "tests/game/window/wm_close.h"

#include <X11/Xlib.h>
#include <stdlib.h>

namespace tk_test {

bool SendWindowManagerClose(const std::string& display, const std::string& authority, unsigned long window) {
    // Xlib reads the authority from the environment when it opens the display.
    setenv("XAUTHORITY", authority.c_str(), 1);
    Display* x = XOpenDisplay(display.c_str());
    if (!x) return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(x, window, False, NoEventMask, &event) != 0;
    XSync(x, False);
    XCloseDisplay(x);
    return sent;
}

}  // namespace tk_test
