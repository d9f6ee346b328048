// How a backend feeds input into user32: it reports what happened, already in back-buffer pixels
// and virtual-key codes, and user32 turns it into window messages and key state.
// Platform-internal: only the backends include it.
#pragma once

namespace tkp::user::input {

// The pointer moved to a back-buffer position.
void PointerMoved(int x, int y);
// VK_LBUTTON or VK_RBUTTON pressed or released at a back-buffer position; other buttons are ignored.
void PointerButton(int vkButton, bool down, int x, int y);
// A key went down (again while held, for auto-repeat) or up. The left and right Shift, Control
// and Alt keys may be named by their own codes; messages carry the common code (VK_SHIFT ...).
void Key(int vk, bool down);
// A finger on a touch screen: it lands (phase 1), moves (0) or lifts (-1) at a back-buffer
// position. It drives the pointer and the left button; its messages are marked as touch
// (GetMessageExtraInfo).
void Touch(int phase, int x, int y);
// The program became the active one, or stopped being it (WM_ACTIVATEAPP).
void Focus(bool gained);
// The user asked to close the window (WM_CLOSE).
void CloseRequested();
// The window's picture was damaged and needs painting (WM_PAINT).
void Exposed();

}  // namespace tkp::user::input
