// The thread's message queue: posted messages, input, the paint request and timers, taken out
// in Windows' order. It knows no clock: the time is passed in, so its rules can be checked alone.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "platform/user/user.h"

namespace tkp::user {

// Which messages a take may return: a window (null = any; HWND(-1) = only those without one)
// and an inclusive range of message numbers (0, 0 = all). WM_QUIT passes every filter.
struct MessageFilter {
    HWND window = nullptr;
    UINT min = 0;
    UINT max = 0;
};

class MessageQueue {
  public:
    void Post(const MSG& msg);
    // Input; a pointer move replaces a move still waiting at the end with the same buttons.
    void PostInput(const MSG& msg);
    void PostQuit(int exitCode);
    void SetPaint(HWND window);
    void ClearPaint(HWND window);
    bool PaintPending(HWND window) const { return paintPending_ && paint_ == window; }

    // Starts or restarts a timer, due one period after now.
    void SetTimer(HWND window, UINT_PTR id, UINT periodMs, TIMERPROC callback, std::uint64_t now);
    bool KillTimer(HWND window, UINT_PTR id);
    // Forgets the window's timers, queued messages and paint request.
    void ForgetWindow(HWND window);

    // The next message the filter lets through, in Windows' order; false when none. With
    // remove, it leaves the queue (a timer then waits for its next period after now).
    bool Take(MSG* out, const MessageFilter& filter, bool remove, std::uint64_t now);
    // When the earliest timer the filter lets through is due; 0 when there is none.
    std::uint64_t NextTimerDue(const MessageFilter& filter) const;

    void Clear();

  private:
    struct Timer {
        HWND window;
        UINT_PTR id;
        UINT period;
        TIMERPROC callback;
        std::uint64_t due;
    };

    bool takeFrom(std::deque<MSG>& list, MSG* out, const MessageFilter& filter, bool remove);

    std::deque<MSG> posted_;
    std::deque<MSG> input_;
    std::vector<Timer> timers_;
    HWND paint_ = nullptr;
    bool paintPending_ = false;
    bool quit_ = false;
    int quitCode_ = 0;
};

}  // namespace tkp::user
