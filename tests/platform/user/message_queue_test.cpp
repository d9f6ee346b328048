// The queue's order and timer rules, driven with explicit times.
#include "platform/user/message_queue.h"

#include <gtest/gtest.h>

#include <vector>

using tkp::user::MessageFilter;
using tkp::user::MessageQueue;

namespace {

using Taken = std::vector<std::pair<UINT, WPARAM>>;

HWND fakeWindow(int n) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x1000 * n));
}

MSG msg(HWND w, UINT m, WPARAM wp = 0, LPARAM lp = 0) {
    return MSG{w, m, wp, lp, 0, POINT{0, 0}, 0};
}

// Takes every message available at this time, as (message, wParam) pairs.
Taken drain(MessageQueue& q, std::uint64_t now, const MessageFilter& f = {}) {
    Taken out;
    MSG m;
    while (q.Take(&m, f, true, now)) out.emplace_back(m.message, m.wParam);
    return out;
}

}  // namespace

TEST(MessageQueue, PostedThenQuitThenInputThenPaintThenTheEarliestTimer) {
    MessageQueue q;
    HWND w = fakeWindow(1);
    q.SetTimer(w, 7, 30, nullptr, 0);
    q.SetTimer(w, 8, 20, nullptr, 0);
    q.SetPaint(w);
    q.PostInput(msg(w, WM_KEYDOWN, 'A'));
    q.PostQuit(3);
    q.Post(msg(w, WM_USER, 1));
    q.Post(msg(w, WM_USER, 2));
    EXPECT_EQ(q.NextTimerDue({}), 20u);
    EXPECT_EQ(drain(q, 35), (Taken{{WM_USER, 1},
                                   {WM_USER, 2},
                                   {WM_QUIT, 3},
                                   {WM_KEYDOWN, 'A'},
                                   {WM_PAINT, 0},
                                   {WM_TIMER, 8},
                                   {WM_TIMER, 7}}));
    // The paint request is met once; five missed periods give one message, and the next is due on
    // the period grid after now; setting an id again gives it the new period from now.
    EXPECT_TRUE(drain(q, 39).empty());
    EXPECT_EQ(drain(q, 145), (Taken{{WM_TIMER, 8}, {WM_TIMER, 7}}));
    EXPECT_EQ(q.NextTimerDue({}), 150u);
    q.SetTimer(w, 7, 50, nullptr, 145);
    EXPECT_TRUE(q.KillTimer(w, 8) && !q.KillTimer(w, 8));
    EXPECT_EQ(q.NextTimerDue({}), 195u);
}

TEST(MessageQueue, PointerMovesCoalesceAndForgottenWindowsLoseEverything) {
    MessageQueue q;
    HWND w = fakeWindow(1);
    q.PostInput(msg(w, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1)));
    q.PostInput(msg(w, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2)));
    // A different button state starts a new move.
    q.PostInput(msg(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(3, 3)));
    MSG m, n;
    ASSERT_TRUE(q.Take(&m, {}, true, 0) && q.Take(&n, {}, true, 0));
    EXPECT_EQ(std::make_pair(m.lParam, n.lParam), std::make_pair(MAKELPARAM(2, 2), MAKELPARAM(3, 3)));
    q.Post(msg(w, WM_USER));
    q.PostInput(msg(w, WM_KEYDOWN));
    q.SetPaint(w);
    q.SetTimer(w, 1, 10, nullptr, 0);
    q.ForgetWindow(w);
    EXPECT_FALSE(q.Take(&m, {}, true, 100));
    EXPECT_EQ(q.NextTimerDue({}), 0u);
}
