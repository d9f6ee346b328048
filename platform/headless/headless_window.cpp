// The headless backend's window, input and time: no real window, a virtual clock, and input
// that tests post through headless_input.h.
#include <cstdio>
#include <cstdlib>

#include "platform/base/backend.h"
#include "platform/headless/headless_input.h"
#include "platform/user/input.h"
#include "platform/user/user_state.h"

namespace {

struct HeadlessWindowing {
    std::uint64_t now = 0;
    bool windowOpen = false;
    bool pointerVisible = true;
    std::vector<tkp::headless::MessageBox> boxes;
};

HeadlessWindowing& hw() {
    static HeadlessWindowing state;
    return state;
}

}  // namespace

namespace tkp::base::backend {

std::uint64_t NowMs() {
    return hw().now;
}

// Input is posted straight into the queue; there is nothing to pump.
void PumpEvents() {}

void WaitForEvents(std::uint64_t untilMs) {
    if (untilMs == 0) {
        // No timer runs and no test can post input while the program waits: it would wait forever.
        std::fprintf(stderr,
                     "headless: the program waits for a message, but no timer runs and no input was "
                     "posted; stopping instead of hanging\n");
        std::abort();
    }
    if (untilMs > hw().now) hw().now = untilMs;
}

bool CreateMainWindow(HWND, const char*) {
    hw().windowOpen = true;
    return true;
}

void DestroyMainWindow(HWND) {
    hw().windowOpen = false;
}

void ShowPointer(bool visible) {
    hw().pointerVisible = visible;
}

void ShowMessageBox(const char* text, const char* caption, UINT type) {
    hw().boxes.push_back(tkp::headless::MessageBox{text, caption, type});
}

}  // namespace tkp::base::backend

void tkp::headless::PointerMove(int x, int y) {
    tkp::user::input::PointerMoved(x, y);
}

void tkp::headless::Button(int vkButton, bool down) {
    POINT p;
    GetCursorPos(&p);
    tkp::user::input::PointerButton(vkButton, down, p.x, p.y);
}

void tkp::headless::Touch(int phase, int x, int y) {
    tkp::user::input::Touch(phase, x, y);
}

void tkp::headless::Key(int vk, bool down) {
    tkp::user::input::Key(vk, down);
}

void tkp::headless::RequestClose() {
    tkp::user::input::CloseRequested();
}

std::uint64_t tkp::headless::NowMs() {
    return hw().now;
}

void tkp::headless::AdvanceMs(std::uint64_t ms) {
    hw().now += ms;
}

std::vector<tkp::headless::MessageBox> tkp::headless::MessageBoxes() {
    return hw().boxes;
}

bool tkp::headless::PointerVisible() {
    return hw().pointerVisible;
}

bool tkp::headless::WindowOpen() {
    return hw().windowOpen;
}

void tkp::headless::ResetWindowing() {
    tkp::user::ResetState();
    hw() = HeadlessWindowing{};
}
