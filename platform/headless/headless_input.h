// Headless window and time: input a test posts, and a virtual clock that advances when told.
// Input goes in as the SDL backend reports it from real events: pointer positions in back-buffer
// pixels (the headless screen is the buffer, unscaled), keys as virtual-key codes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/wintypes.h"

namespace tkp::headless {

// ---- input ---------------------------------------------------------------------------------
// The pointer moves to a position of the back buffer.
void PointerMove(int x, int y);
// VK_LBUTTON or VK_RBUTTON pressed or released where the pointer is.
void Button(int vkButton, bool down);
// A finger lands (phase 1), moves (0) or lifts (-1) at a position of the back buffer.
void Touch(int phase, int x, int y);
// A key pressed (again while held: auto-repeat) or released; VK_LSHIFT etc. name one side.
void Key(int vk, bool down);
// The user asks to close the window (WM_CLOSE).
void RequestClose();

// ---- the virtual clock ---------------------------------------------------------------------
// Milliseconds since the start (or the last reset). Waiting for a timer (GetMessageA,
// WaitMessage, or PeekMessageA with nothing else to do) jumps the clock to it. Waiting with no
// timer and no input stops the program with a message on standard error instead of hanging.
std::uint64_t NowMs();
void AdvanceMs(std::uint64_t ms);

// ---- what the program showed ---------------------------------------------------------------
struct MessageBox {
    std::string text;
    std::string caption;
    UINT type;
};
// Message boxes shown since the start or the last reset, oldest first.
std::vector<MessageBox> MessageBoxes();
// Whether the system pointer is shown (SetCursor with null hides it).
bool PointerVisible();
// Whether the window is open.
bool WindowOpen();

// Forgets every window class, window, message, timer, key state and message box, and sets the
// clock back to 0, so that each test starts afresh.
void ResetWindowing();

}  // namespace tkp::headless
