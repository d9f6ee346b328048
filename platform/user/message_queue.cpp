// The queue's order: posted messages, WM_QUIT, input, WM_PAINT, then the earliest due timer.
#include "platform/user/message_queue.h"

#include <algorithm>

namespace tkp::user {

namespace {

const HWND kOnlyThreadMessages = reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1));

bool windowPasses(const MessageFilter& f, HWND window) {
    if (f.window == nullptr) return true;
    if (f.window == kOnlyThreadMessages) return window == nullptr;
    return f.window == window;
}

bool messagePasses(const MessageFilter& f, UINT message) {
    if (f.min == 0 && f.max == 0) return true;
    return message >= f.min && message <= f.max;
}

bool passes(const MessageFilter& f, const MSG& m) {
    return windowPasses(f, m.hwnd) && messagePasses(f, m.message);
}

}  // namespace

void MessageQueue::Post(const MSG& msg) {
    posted_.push_back(msg);
}

void MessageQueue::PostInput(const MSG& msg) {
    // Windows keeps one pending move: a newer one with the same buttons replaces it.
    if (msg.message == WM_MOUSEMOVE && !input_.empty()) {
        MSG& last = input_.back();
        if (last.message == WM_MOUSEMOVE && last.hwnd == msg.hwnd && last.wParam == msg.wParam &&
            last.lPrivate == msg.lPrivate) {
            last = msg;
            return;
        }
    }
    input_.push_back(msg);
}

void MessageQueue::PostQuit(int exitCode) {
    quit_ = true;
    quitCode_ = exitCode;
}

void MessageQueue::SetPaint(HWND window) {
    paint_ = window;
    paintPending_ = true;
}

void MessageQueue::ClearPaint(HWND window) {
    if (paint_ == window) paintPending_ = false;
}

void MessageQueue::SetTimer(HWND window, UINT_PTR id, UINT periodMs, TIMERPROC callback, std::uint64_t now) {
    for (Timer& t : timers_) {
        if (t.window == window && t.id == id) {
            t.period = periodMs;
            t.callback = callback;
            t.due = now + periodMs;
            return;
        }
    }
    timers_.push_back(Timer{window, id, periodMs, callback, now + periodMs});
}

bool MessageQueue::KillTimer(HWND window, UINT_PTR id) {
    auto it = std::find_if(timers_.begin(), timers_.end(),
                           [&](const Timer& t) { return t.window == window && t.id == id; });
    if (it == timers_.end()) return false;
    timers_.erase(it);
    return true;
}

void MessageQueue::ForgetWindow(HWND window) {
    auto ofWindow = [window](const MSG& m) { return m.hwnd == window; };
    posted_.erase(std::remove_if(posted_.begin(), posted_.end(), ofWindow), posted_.end());
    input_.erase(std::remove_if(input_.begin(), input_.end(), ofWindow), input_.end());
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [window](const Timer& t) { return t.window == window; }),
                  timers_.end());
    ClearPaint(window);
}

bool MessageQueue::takeFrom(std::deque<MSG>& list, MSG* out, const MessageFilter& filter, bool remove) {
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (!passes(filter, *it)) continue;
        *out = *it;
        if (remove) list.erase(it);
        return true;
    }
    return false;
}

bool MessageQueue::Take(MSG* out, const MessageFilter& filter, bool remove, std::uint64_t now) {
    const DWORD time = static_cast<DWORD>(now);
    if (takeFrom(posted_, out, filter, remove)) return true;
    if (quit_) {
        *out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(quitCode_), 0, time, POINT{0, 0}, 0};
        if (remove) quit_ = false;
        return true;
    }
    if (takeFrom(input_, out, filter, remove)) return true;
    if (paintPending_ && windowPasses(filter, paint_) && messagePasses(filter, WM_PAINT)) {
        *out = MSG{paint_, WM_PAINT, 0, 0, time, POINT{0, 0}, 0};
        if (remove) paintPending_ = false;
        return true;
    }
    // The earliest due timer; among equals the one set first.
    Timer* next = nullptr;
    for (Timer& t : timers_) {
        if (t.due > now || !windowPasses(filter, t.window) || !messagePasses(filter, WM_TIMER)) continue;
        if (next == nullptr || t.due < next->due) next = &t;
    }
    if (next == nullptr) return false;
    *out =
        MSG{next->window, WM_TIMER, next->id, reinterpret_cast<LPARAM>(next->callback), time, POINT{0, 0}, 0};
    if (remove) {
        // Periods missed while waiting are dropped: the next one is the first still to come.
        const std::uint64_t missed = (now - next->due) / next->period + 1;
        next->due += missed * next->period;
    }
    return true;
}

std::uint64_t MessageQueue::NextTimerDue(const MessageFilter& filter) const {
    std::uint64_t earliest = 0;
    if (!messagePasses(filter, WM_TIMER)) return 0;
    for (const Timer& t : timers_) {
        if (!windowPasses(filter, t.window)) continue;
        if (earliest == 0 || t.due < earliest) earliest = t.due;
    }
    return earliest;
}

void MessageQueue::Clear() {
    posted_.clear();
    input_.clear();
    timers_.clear();
    paint_ = nullptr;
    paintPending_ = false;
    quit_ = false;
    quitCode_ = 0;
}

}  // namespace tkp::user
