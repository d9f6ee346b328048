// Headless window and time: input a test posts, and a virtual clock that advances when told.
// Input goes in as the SDL backend reports it from real events: pointer positions in back-buffer
// pixels (the headless screen is the buffer, unscaled), keys as virtual-key codes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/wintypes.h"

// ---- input ---------------------------------------------------------------------------------
// The pointer moves to a position of the back buffer.
void tkp_HeadlessPointerMove(int x, int y);
// VK_LBUTTON or VK_RBUTTON pressed or released where the pointer is.
void tkp_HeadlessButton(int vkButton, bool down);
// A finger lands (phase 1), moves (0) or lifts (-1) at a position of the back buffer.
void tkp_HeadlessTouch(int phase, int x, int y);
// A key pressed (again while held: auto-repeat) or released; VK_LSHIFT etc. name one side.
void tkp_HeadlessKey(int vk, bool down);
// The user asks to close the window (WM_CLOSE).
void tkp_HeadlessRequestClose();

// ---- the virtual clock ---------------------------------------------------------------------
// Milliseconds since the start (or the last reset). Waiting for a timer (GetMessageA,
// WaitMessage, or PeekMessageA with nothing else to do) jumps the clock to it. Waiting with no
// timer and no input stops the program with a message on standard error instead of hanging.
std::uint64_t tkp_HeadlessNowMs();
void tkp_HeadlessAdvanceMs(std::uint64_t ms);

// ---- what the program showed ---------------------------------------------------------------
struct tkp_HeadlessMessageBox {
    std::string text;
    std::string caption;
    UINT type;
};
// Message boxes shown since the start or the last reset, oldest first.
std::vector<tkp_HeadlessMessageBox> tkp_HeadlessMessageBoxes();
// Whether the system pointer is shown (SetCursor with null hides it).
bool tkp_HeadlessPointerVisible();
// Whether the window is open.
bool tkp_HeadlessWindowOpen();

// Forgets every window class, window, message, timer, key state and message box, and sets the
// clock back to 0, so that each test starts afresh.
void tkp_HeadlessResetWindowing();
