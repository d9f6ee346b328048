// The message loop's calls: taking messages in order, waiting without spinning, posting, timers.
#include "platform/base/backend.h"
#include "platform/kernel/files.h"
#include "platform/user/close_signal.h"
#include "platform/user/input.h"
#include "platform/user/user_state.h"

using tkp::user::LiveWindow;
using tkp::user::MessageFilter;
using tkp::user::State;

namespace {

// Ids of timers without a window are handed out from here, as Windows does.
UINT_PTR g_nextThreadTimerId = 0x7FFF0000;

bool isKeyMessage(UINT m) {
    return m == WM_KEYDOWN || m == WM_KEYUP || m == WM_SYSKEYDOWN || m == WM_SYSKEYUP;
}
bool isMouseMessage(UINT m) {
    return m >= WM_MOUSEFIRST && m <= WM_MOUSELAST;
}

// What taking a message out of the queue changes: the key state seen by GetKeyState, and
// WM_SETCURSOR sent to the window for each pointer message, as Windows does.
void messageTaken(const MSG& msg) {
    auto& s = State();
    s.extraInfo = msg.lPrivate;
    if (isKeyMessage(msg.message) && msg.wParam < 256) {
        const bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
        if (down && !s.syncDown[msg.wParam]) s.syncToggled[msg.wParam] = !s.syncToggled[msg.wParam];
        s.syncDown[msg.wParam] = down;
    } else if (isMouseMessage(msg.message)) {
        s.syncDown[VK_LBUTTON] = (msg.wParam & MK_LBUTTON) != 0;
        s.syncDown[VK_RBUTTON] = (msg.wParam & MK_RBUTTON) != 0;
        SendMessageA(msg.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(msg.hwnd),
                     MAKELPARAM(HTCLIENT, static_cast<int>(msg.message)));
    }
}

// A filter naming a window that does not exist (null and -1 name none).
bool badWindowFilter(HWND window) {
    if (window == nullptr || window == reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1))) return false;
    return LiveWindow(window) == nullptr;
}

bool take(MSG* msg, const MessageFilter& filter, bool remove) {
    tkp::base::backend::PumpEvents();
    if (tkp::user::TakeCloseSignal()) tkp::user::input::CloseRequested();
    auto& s = State();
    if (!s.queue.Take(msg, filter, remove, tkp::base::backend::NowMs())) return false;
    if (msg->message == WM_QUIT || msg->message == WM_PAINT || msg->message == WM_TIMER) msg->pt = s.cursor;
    if (remove) messageTaken(*msg);
    return true;
}

}  // namespace

BOOL PeekMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags) {
    if (msg == nullptr || badWindowFilter(window)) return FALSE;
    const MessageFilter filter{window, filterMin, filterMax};
    const bool remove = (removeFlags & PM_REMOVE) != 0;
    if (take(msg, filter, remove)) return TRUE;
    // Nothing waits: sleep until the next timer this caller would see (or input arrives), so a
    // loop that polls does not burn a core. Its messages keep their order.
    const std::uint64_t due = State().queue.NextTimerDue(filter);
    if (due == 0 || due <= tkp::base::backend::NowMs()) return FALSE;
    tkp::base::backend::WaitForEvents(due);
    return take(msg, filter, remove) ? TRUE : FALSE;
}

BOOL GetMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax) {
    // Waiting for a window that is gone would never end: -1, as Windows answers.
    if (msg == nullptr || badWindowFilter(window)) return -1;
    const MessageFilter filter{window, filterMin, filterMax};
    while (!take(msg, filter, true)) {
        tkp::base::backend::WaitForEvents(State().queue.NextTimerDue(filter));
    }
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL TranslateMessage(const MSG*) {
    return FALSE;
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (msg == nullptr) return 0;
    // A timer with a callback calls it instead of the window procedure.
    if (msg->message == WM_TIMER && msg->lParam != 0) {
        auto callback = reinterpret_cast<TIMERPROC>(msg->lParam);
        callback(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
        return 0;
    }
    if (msg->hwnd == nullptr) return 0;
    return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL WaitMessage() {
    MSG msg;
    const MessageFilter all;
    if (take(&msg, all, false)) return TRUE;
    tkp::base::backend::WaitForEvents(State().queue.NextTimerDue(all));
    return TRUE;
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window != nullptr && LiveWindow(window) == nullptr) return FALSE;
    auto& s = State();
    s.queue.Post(
        MSG{window, message, wParam, lParam, static_cast<DWORD>(tkp::base::backend::NowMs()), s.cursor, 0});
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    State().queue.PostQuit(exitCode);
}

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapseMs, TIMERPROC callback) {
    if (window != nullptr && LiveWindow(window) == nullptr) return 0;
    if (elapseMs < USER_TIMER_MINIMUM) elapseMs = USER_TIMER_MINIMUM;
    if (elapseMs > USER_TIMER_MAXIMUM) elapseMs = USER_TIMER_MAXIMUM;
    auto& queue = State().queue;
    const std::uint64_t now = tkp::base::backend::NowMs();
    if (window == nullptr) {
        // A thread timer keeps its id when it is set again, else it gets a new one.
        if (id == 0 || !queue.KillTimer(nullptr, id)) id = g_nextThreadTimerId++;
        queue.SetTimer(nullptr, id, elapseMs, callback, now);
        return id;
    }
    queue.SetTimer(window, id, elapseMs, callback, now);
    return id != 0 ? id : 1;
}

BOOL KillTimer(HWND window, UINT_PTR id) {
    if (State().queue.KillTimer(window, id)) return TRUE;
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}
