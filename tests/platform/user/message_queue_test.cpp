// The queue's order and timer rules, driven with explicit times.
#include "platform/user/message_queue.h"

#include <gtest/gtest.h>

#include <vector>

using tkp::user::MessageFilter;
using tkp::user::MessageQueue;

namespace {

HWND fakeWindow(int n) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x1000 * n));
}

MSG msg(HWND w, UINT m, WPARAM wp = 0, LPARAM lp = 0) {
    return MSG{w, m, wp, lp, 0, POINT{0, 0}};
}

// Takes every message available at this time, as (message, wParam) pairs.
std::vector<std::pair<UINT, WPARAM>> drain(MessageQueue& q, std::uint64_t now, const MessageFilter& f = {}) {
    std::vector<std::pair<UINT, WPARAM>> out;
    MSG m;
    while (q.Take(&m, f, true, now)) out.emplace_back(m.message, m.wParam);
    return out;
}

}  // namespace

TEST(MessageQueue, PostedThenQuitThenInputThenPaintThenTimer) {
    MessageQueue q;
    HWND w = fakeWindow(1);
    q.SetTimer(w, 1, 20, nullptr, 0);
    q.SetPaint(w);
    q.PostInput(msg(w, WM_KEYDOWN, 'A'));
    q.PostQuit(3);
    q.Post(msg(w, WM_USER, 1));
    q.Post(msg(w, WM_USER, 2));
    const std::vector<std::pair<UINT, WPARAM>> expected = {{WM_USER, 1},      {WM_USER, 2},  {WM_QUIT, 3},
                                                           {WM_KEYDOWN, 'A'}, {WM_PAINT, 0}, {WM_TIMER, 1}};
    EXPECT_EQ(drain(q, 25), expected);
    // The paint request is met once; the timer waits for its next period.
    EXPECT_TRUE(drain(q, 39).empty());
}

TEST(MessageQueue, TimersKeepTheirCadenceAndNeverPileUp) {
    MessageQueue q;
    HWND w = fakeWindow(1);
    q.SetTimer(w, 1, 20, nullptr, 100);
    EXPECT_TRUE(drain(q, 119).empty());
    EXPECT_EQ(q.NextTimerDue({}), 120u);
    // Five periods missed: one message, and the next due on the period grid after now.
    EXPECT_EQ(drain(q, 205).size(), 1u);
    EXPECT_EQ(q.NextTimerDue({}), 220u);
    EXPECT_EQ(drain(q, 220).size(), 1u);
    EXPECT_EQ(q.NextTimerDue({}), 240u);
    // Setting the id again gives it the new period from now.
    q.SetTimer(w, 1, 50, nullptr, 230);
    EXPECT_EQ(q.NextTimerDue({}), 280u);
    EXPECT_TRUE(q.KillTimer(w, 1));
    EXPECT_FALSE(q.KillTimer(w, 1));
    EXPECT_EQ(q.NextTimerDue({}), 0u);
}

TEST(MessageQueue, EarliestTimerFirstAndTimersOnlyWhenNothingElseWaits) {
    MessageQueue q;
    HWND w = fakeWindow(1);
    q.SetTimer(w, 7, 30, nullptr, 0);
    q.SetTimer(w, 8, 20, nullptr, 0);
    MSG m;
    ASSERT_TRUE(q.Take(&m, {}, false, 40));
    EXPECT_EQ(m.wParam, 8u);  // due at 20, before id 7 at 30
    // Without removal the timer stays ready.
    ASSERT_TRUE(q.Take(&m, {}, true, 40));
    EXPECT_EQ(m.wParam, 8u);
    q.PostInput(msg(w, WM_LBUTTONDOWN));
    ASSERT_TRUE(q.Take(&m, {}, true, 40));
    EXPECT_EQ(m.message, static_cast<UINT>(WM_LBUTTONDOWN));
    ASSERT_TRUE(q.Take(&m, {}, true, 40));
    EXPECT_EQ(m.wParam, 7u);
    EXPECT_EQ(m.time, 40u);
}

TEST(MessageQueue, FiltersByWindowAndRangeButQuitAlwaysPasses) {
    MessageQueue q;
    HWND a = fakeWindow(1);
    HWND b = fakeWindow(2);
    q.Post(msg(a, WM_USER));
    q.Post(msg(b, WM_USER + 1));
    q.Post(msg(nullptr, WM_USER + 2));
    q.SetTimer(a, 1, 10, nullptr, 0);
    MSG m;
    ASSERT_TRUE(q.Take(&m, MessageFilter{b, 0, 0}, true, 0));
    EXPECT_EQ(m.message, WM_USER + 1);
    const HWND threadOnly = reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1));
    ASSERT_TRUE(q.Take(&m, MessageFilter{threadOnly, 0, 0}, true, 0));
    EXPECT_EQ(m.message, WM_USER + 2);
    // A key range skips the posted message and the timer; NextTimerDue follows the filter.
    const MessageFilter keys{nullptr, WM_KEYFIRST, WM_KEYLAST};
    EXPECT_FALSE(q.Take(&m, keys, true, 50));
    EXPECT_EQ(q.NextTimerDue(keys), 0u);
    EXPECT_EQ(q.NextTimerDue(MessageFilter{b, 0, 0}), 0u);
    q.PostQuit(0);
    ASSERT_TRUE(q.Take(&m, keys, true, 50));
    EXPECT_EQ(m.message, static_cast<UINT>(WM_QUIT));
}

TEST(MessageQueue, PointerMovesCoalesceAndForgottenWindowsLoseEverything) {
    MessageQueue q;
    HWND w = fakeWindow(1);
    q.PostInput(msg(w, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1)));
    q.PostInput(msg(w, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2)));
    // A different button state starts a new move.
    q.PostInput(msg(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(3, 3)));
    MSG m;
    ASSERT_TRUE(q.Take(&m, {}, true, 0));
    EXPECT_EQ(m.lParam, MAKELPARAM(2, 2));
    ASSERT_TRUE(q.Take(&m, {}, true, 0));
    EXPECT_EQ(m.lParam, MAKELPARAM(3, 3));

    q.Post(msg(w, WM_USER));
    q.PostInput(msg(w, WM_KEYDOWN));
    q.SetPaint(w);
    q.SetTimer(w, 1, 10, nullptr, 0);
    q.ForgetWindow(w);
    EXPECT_FALSE(q.Take(&m, {}, true, 100));
    EXPECT_EQ(q.NextTimerDue({}), 0u);
}
