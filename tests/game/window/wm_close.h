// The close a window manager sends when its close button is pressed: a WM_DELETE_WINDOW client
// message to the window, which Xvfb alone (no window manager) never sends.
#pragma once

#include <string>

namespace tk_test {

// Sends WM_DELETE_WINDOW to the X window with this id on the display (":99") with this authority
// file; false when the display cannot be opened or the message not sent.
bool SendWindowManagerClose(const std::string& display, const std::string& authority, unsigned long window);

}  // namespace tk_test
