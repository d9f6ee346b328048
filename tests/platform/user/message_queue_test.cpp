// The queue's order and timer rules, driven with explicit times; screen-to-buffer
// mapping under a kept aspect, and the emulated display-mode list.
#include "platform/user/message_queue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/user/display_modes.h"
#include "platform/user/pointer_map.h"

using tkp::user::EmulatedDisplayModes;
using tkp::user::LetterboxRect;
using tkp::user::MessageFilter;
using tkp::user::MessageQueue;
using tkp::user::ScreenToBuffer;

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

std::string list(const std::vector<tkp::backend::DisplayMode>& modes) {
    std::string s;
    for (const auto& m : modes) s += std::to_string(m.width) + "x" + std::to_string(m.height) + " ";
    return s;
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

TEST(PointerMap, LetterboxedPillarboxedAndClampedAndThePicturesPlace) {
    // 800x600 on 1280x1024: scale 1.6, picture 1280x960 with bars of 32 above and below, where the
    // pointer is clamped; 800x600 on 1920x1080: scale 1.8, picture 1440x1080 with bars of 240 left
    // and right; the same aspect scales plainly, the same size is the identity, and nonsense sizes
    // give the origin rather than a division by zero.
    const int cases[][8] = {{0, 32, 1280, 1024, 0, 0},
                            {1279, 991, 1280, 1024, 799, 599},
                            {300, 1020, 1280, 1024, 187, 599},
                            {1201, 541, 1920, 1080, 533, 300},
                            {100, 541, 1920, 1080, 0, 300},
                            {1900, 541, 1920, 1080, 799, 300},
                            {1599, 1199, 1600, 1200, 799, 599},
                            {17, 23, 800, 600, 17, 23},
                            {5, 5, 0, 0, 0, 0}};
    for (const auto& c : cases) {
        const POINT p = ScreenToBuffer(c[0], c[1], c[2], c[3], 800, 600);
        EXPECT_EQ(std::make_pair(p.x, p.y), std::make_pair(LONG(c[4]), LONG(c[5]))) << c[0] << "," << c[1];
    }
    // The picture's place on the first two screens, where the presentation draws it.
    const RECT bars = LetterboxRect(1280, 1024, 800, 600), sides = LetterboxRect(1920, 1080, 800, 600);
    EXPECT_EQ((std::vector<LONG>{bars.left, bars.top, bars.right, bars.bottom, sides.left, sides.right}),
              (std::vector<LONG>{0, 32, 1280, 992, 240, 1680}));
}

TEST(DisplayModes, CommonSizesThatFitPlusTheDesktopAscending) {
    EXPECT_EQ(list(EmulatedDisplayModes(1280, 1024)),
              "800x600 1024x768 1152x864 1280x720 1280x800 1280x1024 ");
    // An unusual desktop joins the list in its place.
    EXPECT_EQ(list(EmulatedDisplayModes(1300, 750)), "800x600 1280x720 1300x750 ");
    EXPECT_EQ(list(EmulatedDisplayModes(640, 480)), "640x480 ");
    EXPECT_EQ(list(EmulatedDisplayModes(0, 0)), "");
}
