// The headless backend's window, input and time: no real window, a virtual clock, and input
// that tests post through headless_input.h.
#include <cstdio>
#include <cstdlib>

#include "platform/backend.h"
#include "platform/headless/headless_input.h"
#include "platform/user/input.h"
#include "platform/user/pointer_map.h"
#include "platform/user/user_state.h"

namespace {

struct HeadlessWindowing {
    std::uint64_t now = 0;
    bool windowOpen = false;
    std::string title;
    bool pointerVisible = true;
    std::vector<tkp_HeadlessMessageBox> boxes;
    // Pointer scaling; zero sizes mean screen pixels are buffer pixels.
    int screenW = 0, screenH = 0, bufferW = 0, bufferH = 0;
};

HeadlessWindowing& hw() {
    static HeadlessWindowing state;
    return state;
}

POINT toBuffer(int x, int y) {
    const auto& s = hw();
    if (s.bufferW <= 0) return POINT{x, y};
    return tkp::user::ScreenToBuffer(x, y, s.screenW, s.screenH, s.bufferW, s.bufferH);
}

}  // namespace

namespace tkp::backend {

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

bool CreateMainWindow(HWND, const char* title) {
    hw().windowOpen = true;
    hw().title = title != nullptr ? title : "";
    return true;
}

void DestroyMainWindow(HWND) {
    hw().windowOpen = false;
}

void ShowPointer(bool visible) {
    hw().pointerVisible = visible;
}

void ShowMessageBox(const char* text, const char* caption, UINT type) {
    hw().boxes.push_back(tkp_HeadlessMessageBox{text, caption, type});
}

}  // namespace tkp::backend

void tkp_HeadlessPointerMove(int x, int y) {
    const POINT p = toBuffer(x, y);
    tkp::input::PointerMoved(p.x, p.y);
}

void tkp_HeadlessButton(int vkButton, bool down) {
    POINT p;
    GetCursorPos(&p);
    tkp::input::PointerButton(vkButton, down, p.x, p.y);
}

void tkp_HeadlessKey(int vk, bool down) {
    tkp::input::Key(vk, down);
}

void tkp_HeadlessFocus(bool gained) {
    tkp::input::Focus(gained);
}

void tkp_HeadlessRequestClose() {
    tkp::input::CloseRequested();
}

void tkp_HeadlessSetPointerScaling(int screenWidth, int screenHeight, int bufferWidth, int bufferHeight) {
    auto& s = hw();
    s.screenW = screenWidth;
    s.screenH = screenHeight;
    s.bufferW = bufferWidth;
    s.bufferH = bufferHeight;
}

std::uint64_t tkp_HeadlessNowMs() {
    return hw().now;
}

void tkp_HeadlessAdvanceMs(std::uint64_t ms) {
    hw().now += ms;
}

std::vector<tkp_HeadlessMessageBox> tkp_HeadlessMessageBoxes() {
    return hw().boxes;
}

bool tkp_HeadlessPointerVisible() {
    return hw().pointerVisible;
}

bool tkp_HeadlessWindowOpen() {
    return hw().windowOpen;
}

std::string tkp_HeadlessWindowTitle() {
    return hw().title;
}

void tkp_HeadlessResetWindowing() {
    tkp::user::ResetState();
    hw() = HeadlessWindowing{};
}
