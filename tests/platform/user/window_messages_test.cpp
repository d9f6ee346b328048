// The window and its message loop on the headless backend, driven message by message. The queue's
// own order and timer rules are tested with the queue; here what the calls add to them.
#include <gtest/gtest.h>

#include <vector>

#include "platform/headless/headless_display.h"
#include "platform/headless/headless_input.h"
#include "platform/testing/test_hooks.h"
#include "platform/user/user.h"

namespace {

std::vector<UINT> g_seen;
bool g_quitOnDestroy = false;

// Records what reaches the window; ends the loop on WM_DESTROY when asked, like a program.
LRESULT CALLBACK_Record(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    g_seen.push_back(m);
    if (m == WM_DESTROY && g_quitOnDestroy) PostQuitMessage(0);
    return DefWindowProcA(w, m, wp, lp);
}

using Taken = std::vector<std::pair<UINT, WPARAM>>;

class WindowMessages : public ::testing::Test {
  protected:
    void SetUp() override {
        tkp::headless::ResetWindowing();
        g_quitOnDestroy = false;
        WNDCLASSA wc{};
        wc.lpfnWndProc = CALLBACK_Record;
        wc.lpszClassName = "KT";
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        ASSERT_NE(RegisterClassA(&wc), 0);
        window = CreateWindowExA(0, "kt", "Test window", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr,
                                 nullptr);
        ASSERT_NE(window, nullptr);
        g_seen.clear();
    }
    void TearDown() override { tkp::headless::ResetWindowing(); }

    // Takes the next message with GetMessageA and dispatches it; returns it.
    MSG Next() {
        MSG m{};
        if (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
        return m;
    }
    // The next n messages as (message, wParam).
    Taken Next(int n) {
        Taken out;
        for (int i = 0; i < n; ++i) {
            const MSG m = Next();
            out.emplace_back(m.message, m.wParam);
        }
        return out;
    }

    HWND window = nullptr;
};

TEST_F(WindowMessages, CloseDestroysTheWindowAndTheQuitMessageEndsTheLoop) {
    g_quitOnDestroy = true;
    SetTimer(window, 1, 20, nullptr);
    PostMessageA(window, WM_USER, 0, 0);
    tkp::headless::RequestClose();
    MSG m{};
    int loops = 0;
    while (GetMessageA(&m, nullptr, 0, 0) > 0 && ++loops < 10) DispatchMessageA(&m);
    EXPECT_EQ(m.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(g_seen, (std::vector<UINT>{WM_USER, WM_CLOSE, WM_DESTROY}));
    EXPECT_FALSE(IsWindow(window) || tkp::headless::WindowOpen());
    // The window's timer went with it, and nothing more can be posted to it.
    EXPECT_FALSE(KillTimer(window, 1) || PostMessageA(window, WM_USER, 0, 0));
    // The exit code of PostQuitMessage comes back in wParam.
    PostQuitMessage(42);
    EXPECT_EQ(GetMessageA(&m, nullptr, 0, 0), FALSE);
    EXPECT_EQ(m.wParam, 42u);
}

TEST_F(WindowMessages, TimersReachTheWindowAtLeastTenMillisecondsApart) {
    // The fastest timer level asks for 4 ms.
    SetTimer(window, 1, 4, nullptr);
    EXPECT_EQ(Next(2), (Taken{{WM_TIMER, 1}, {WM_TIMER, 1}}));
    EXPECT_EQ(g_seen, (std::vector<UINT>{WM_TIMER, WM_TIMER}));
    EXPECT_EQ(tkp::headless::NowMs(), 20u);
}

TEST_F(WindowMessages, PeekWithoutRemovingLeavesTheMessageAndWaitsForATimerInsteadOfSpinning) {
    MSG m{};
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
    PostMessageA(window, WM_USER, 7, 0);
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.wParam, 7u);
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    // With a timer running, an empty peek sleeps until it is due: the virtual clock jumps there.
    SetTimer(window, 3, 25, nullptr);
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(m.message * 1000 + tkp::headless::NowMs(), WM_TIMER * 1000 + 25u);
    // The timer message stays until taken, and a filter that excludes timers does not wait.
    EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE));
    ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
    EXPECT_EQ(m.wParam * 1000 + tkp::headless::NowMs(), 3025u);
    // WaitMessage returns at once while something waits, else after the clock reached the timer.
    EXPECT_TRUE(WaitMessage());
    EXPECT_EQ(tkp::headless::NowMs(), 50u);
}

TEST_F(WindowMessages, KeysAreHeldUntilReleased) {
    // The program asks for VK_SHIFT and VK_CONTROL only.
    tkp::headless::Key(VK_LSHIFT, true);
    EXPECT_TRUE(GetAsyncKeyState(VK_SHIFT) < 0 && GetAsyncKeyState(VK_CONTROL) == 0);
    tkp::headless::Key(VK_F1, true);
    tkp::headless::Key(VK_F1, true);  // auto-repeat
    tkp::headless::Key(VK_F1, false);
    tkp::headless::Key(VK_RSHIFT, true);
    tkp::headless::Key(VK_LSHIFT, false);
    EXPECT_LT(GetAsyncKeyState(VK_SHIFT), 0);  // the right one is still down
    tkp::headless::Key(VK_RSHIFT, false);
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT), 0);
    // A held key repeats its WM_KEYDOWN (F1 changes the names' width once per message); either
    // shift is VK_SHIFT.
    EXPECT_EQ(Next(4),
              (Taken{{WM_KEYDOWN, VK_SHIFT}, {WM_KEYDOWN, VK_F1}, {WM_KEYDOWN, VK_F1}, {WM_KEYUP, VK_F1}}));
}

TEST_F(WindowMessages, MessageBoxesReachStandardError) {
    // A message box is written to standard error too (what is recorded, and the screen metrics,
    // the application shell's tests read).
    testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBoxA(nullptr, "Problem pri inicializacii", "KT Tessalin Kartola", MB_OK), IDOK);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "KT Tessalin Kartola: Problem pri inicializacii\n");
}

TEST_F(WindowMessages, WaitingWithNothingThatCouldArriveStopsInsteadOfHanging) {
    MSG m;
    EXPECT_DEATH(GetMessageA(&m, nullptr, 0, 0), "no timer runs and no input was posted");
}

}  // namespace
