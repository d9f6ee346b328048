// The window and its message loop on the headless backend, driven message by message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/headless_display.h"
#include "platform/headless/headless_input.h"
#include "platform/kernel/debug.h"
#include "platform/user/user.h"

namespace {

struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Seen> g_seen;
bool g_quitOnDestroy = false;
bool g_failCreate = false;

// Records what reaches the window; ends the loop on WM_DESTROY when asked, like a program.
LRESULT CALLBACK_Record(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    g_seen.push_back(Seen{m, wp, lp});
    if (m == WM_CREATE && g_failCreate) return -1;
    if (m == WM_DESTROY && g_quitOnDestroy) PostQuitMessage(0);
    return DefWindowProcA(w, m, wp, lp);
}

class WindowMessages : public ::testing::Test {
  protected:
    void SetUp() override {
        tkp_HeadlessResetWindowing();
        g_seen.clear();
        g_quitOnDestroy = false;
        g_failCreate = false;
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
    void TearDown() override { tkp_HeadlessResetWindowing(); }

    // Takes the next message with GetMessageA and dispatches it; returns it.
    MSG next() {
        MSG m{};
        if (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
        return m;
    }

    HWND window = nullptr;
};

std::vector<UINT> messagesOf(const std::vector<Seen>& seen) {
    std::vector<UINT> out;
    for (const auto& s : seen) out.push_back(s.message);
    return out;
}

}  // namespace

TEST_F(WindowMessages, PostedMessagesComeBeforeADueTimer) {
    SetTimer(window, 1, 20, nullptr);
    tkp_HeadlessAdvanceMs(30);
    PostMessageA(window, WM_USER + 5, 1, 2);
    MSG m = next();
    EXPECT_EQ(m.message, WM_USER + 5);
    EXPECT_EQ(m.time, 30u);
    m = next();
    EXPECT_EQ(m.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(m.wParam, 1u);
    EXPECT_EQ(messagesOf(g_seen), (std::vector<UINT>{WM_USER + 5, WM_TIMER}));
}

TEST_F(WindowMessages, CloseDestroysTheWindowAndTheQuitMessageEndsTheLoop) {
    g_quitOnDestroy = true;
    SetTimer(window, 1, 20, nullptr);
    PostMessageA(window, WM_USER, 0, 0);
    tkp_HeadlessRequestClose();
    MSG m{};
    int loops = 0;
    while (GetMessageA(&m, nullptr, 0, 0) > 0 && ++loops < 10) DispatchMessageA(&m);
    EXPECT_EQ(m.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(messagesOf(g_seen), (std::vector<UINT>{WM_USER, WM_CLOSE, WM_DESTROY}));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(tkp_HeadlessWindowOpen());
    // The window's timer went with it, and nothing more can be posted to it.
    EXPECT_FALSE(KillTimer(window, 1));
    EXPECT_FALSE(PostMessageA(window, WM_USER, 0, 0));
    // Waiting for messages of the dead window is an error, not an endless wait.
    EXPECT_EQ(GetMessageA(&m, window, 0, 0), -1);
    EXPECT_FALSE(PeekMessageA(&m, window, 0, 0, PM_REMOVE));
    // The exit code of PostQuitMessage comes back in wParam.
    PostQuitMessage(42);
    EXPECT_EQ(GetMessageA(&m, nullptr, 0, 0), FALSE);
    EXPECT_EQ(m.wParam, 42u);
}

TEST_F(WindowMessages, TimerPeriodsChangeWhileRunningAndMissedTicksDoNotPileUp) {
    SetTimer(window, 1, 20, nullptr);
    std::vector<DWORD> times;
    for (int i = 0; i < 3; ++i) times.push_back(next().time);
    EXPECT_EQ(times, (std::vector<DWORD>{20, 40, 60}));
    // A busy program misses several periods: one WM_TIMER, then the cadence goes on.
    tkp_HeadlessAdvanceMs(75);  // now 135
    times.clear();
    for (int i = 0; i < 2; ++i) times.push_back(next().time);
    EXPECT_EQ(times, (std::vector<DWORD>{135, 140}));
    // The same id again: the new period counts from now.
    SetTimer(window, 1, 50, nullptr);
    times.clear();
    for (int i = 0; i < 2; ++i) times.push_back(next().time);
    EXPECT_EQ(times, (std::vector<DWORD>{190, 240}));
    // Periods below the minimum are raised to 10 ms.
    SetTimer(window, 1, 0, nullptr);
    EXPECT_EQ(next().time, 250u);
}

TEST_F(WindowMessages, TwoTimersInterleaveByDueTime) {
    SetTimer(window, 1, 30, nullptr);
    SetTimer(window, 2, 50, nullptr);
    std::vector<std::pair<WPARAM, DWORD>> ticks;
    for (int i = 0; i < 7; ++i) {
        MSG m = next();
        ticks.emplace_back(m.wParam, m.time);
    }
    const std::vector<std::pair<WPARAM, DWORD>> expected = {{1, 30},  {2, 50},  {1, 60}, {1, 90},
                                                            {2, 100}, {1, 120}, {1, 150}};
    ASSERT_EQ(ticks.size(), expected.size());
    EXPECT_EQ(ticks, expected);
    // Timer 2 was due at 150 as well; it comes next without the clock moving.
    MSG m = next();
    EXPECT_EQ(m.wParam, 2u);
    EXPECT_EQ(m.time, 150u);
    EXPECT_TRUE(KillTimer(window, 2));
    EXPECT_EQ(next().wParam, 1u);
    EXPECT_EQ(next().wParam, 1u);
}

TEST_F(WindowMessages, PeekWithoutRemovingLeavesTheMessageAndWaitsForATimerInsteadOfSpinning) {
    MSG m{};
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
    PostMessageA(window, WM_USER, 7, 0);
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(m.wParam, 7u);
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.wParam, 7u);
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    // With a timer running, an empty peek sleeps until it is due: the virtual clock jumps there.
    SetTimer(window, 3, 25, nullptr);
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(m.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(tkp_HeadlessNowMs(), 25u);
    // The timer message stays until taken, and a filter that excludes timers does not wait.
    EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE));
    EXPECT_EQ(tkp_HeadlessNowMs(), 25u);
    ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
    EXPECT_EQ(m.wParam, 3u);
    EXPECT_EQ(tkp_HeadlessNowMs(), 25u);
    // WaitMessage returns at once while something waits, else after the clock reached the timer.
    EXPECT_TRUE(WaitMessage());
    EXPECT_EQ(tkp_HeadlessNowMs(), 50u);
}

TEST_F(WindowMessages, KeysAreHeldUntilReleasedAndGetKeyStateFollowsTheQueue) {
    tkp_HeadlessKey(VK_LSHIFT, true);
    EXPECT_LT(GetAsyncKeyState(VK_SHIFT), 0);
    EXPECT_LT(GetAsyncKeyState(VK_LSHIFT), 0);
    EXPECT_EQ(GetAsyncKeyState(VK_RSHIFT), 0);
    EXPECT_EQ(GetAsyncKeyState(VK_CONTROL), 0);
    EXPECT_EQ(GetKeyState(VK_SHIFT), 0);  // its message is not taken yet
    tkp_HeadlessKey(VK_F1, true);
    tkp_HeadlessKey(VK_F1, true);  // auto-repeat
    tkp_HeadlessKey(VK_F1, false);
    tkp_HeadlessKey(VK_RSHIFT, true);
    tkp_HeadlessKey(VK_LSHIFT, false);
    EXPECT_LT(GetAsyncKeyState(VK_SHIFT), 0);  // the right one is still down
    tkp_HeadlessKey(VK_RSHIFT, false);
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT), 0);

    MSG m = next();
    EXPECT_EQ(m.message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(m.wParam, static_cast<WPARAM>(VK_SHIFT));
    EXPECT_EQ(m.lParam, 1);
    EXPECT_EQ(GetKeyState(VK_SHIFT) & 0x8000, 0x8000);
    m = next();
    EXPECT_EQ(m.wParam, static_cast<WPARAM>(VK_F1));
    EXPECT_EQ(m.lParam, 1);
    m = next();
    EXPECT_EQ(m.message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(m.lParam, 0x40000001);  // repeat: the key was already down
    m = next();
    EXPECT_EQ(m.message, static_cast<UINT>(WM_KEYUP));
    EXPECT_EQ(m.lParam, static_cast<LPARAM>(0xC0000001u));
    for (int i = 0; i < 3; ++i) next();
    EXPECT_EQ(GetKeyState(VK_SHIFT) & 0x8000, 0);
    // Alt makes system keys.
    tkp_HeadlessKey(VK_LMENU, true);
    tkp_HeadlessKey('X', true);
    EXPECT_EQ(next().message, static_cast<UINT>(WM_SYSKEYDOWN));
    m = next();
    EXPECT_EQ(m.message, static_cast<UINT>(WM_SYSKEYDOWN));
    EXPECT_EQ(m.wParam, static_cast<WPARAM>('X'));
}

TEST_F(WindowMessages, PointerPositionsArePackedInBufferPixelsWithButtonAndModifierFlags) {
    tkp_HeadlessSetPointerScaling(1280, 1024, 800, 600);
    tkp_HeadlessPointerMove(641, 513);
    tkp_HeadlessKey(VK_LCONTROL, true);
    tkp_HeadlessButton(VK_LBUTTON, true);
    tkp_HeadlessPointerMove(1000, 1020);  // over the bottom bar: clamped to the last row
    tkp_HeadlessPointerMove(1279, 2);     // coalesced into the previous move
    tkp_HeadlessButton(VK_LBUTTON, false);
    tkp_HeadlessButton(VK_RBUTTON, true);
    tkp_HeadlessKey(VK_LCONTROL, false);
    tkp_HeadlessButton(VK_RBUTTON, false);
    MSG m = next();
    EXPECT_EQ(m.message, static_cast<UINT>(WM_MOUSEMOVE));
    EXPECT_EQ(m.lParam, 0x012C0190);  // (400, 300)
    EXPECT_EQ(m.wParam, 0u);
    EXPECT_EQ(m.pt.x, 400);
    next();  // Control down
    m = next();
    EXPECT_EQ(m.message, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_EQ(m.wParam, MK_LBUTTON | MK_CONTROL);
    EXPECT_EQ(GET_X_LPARAM(m.lParam), 400);
    EXPECT_EQ(GET_Y_LPARAM(m.lParam), 300);
    EXPECT_LT(GetKeyState(VK_LBUTTON), 0);
    m = next();
    EXPECT_EQ(m.message, static_cast<UINT>(WM_MOUSEMOVE));
    EXPECT_EQ(m.lParam, MAKELPARAM(799, 0));
    m = next();
    EXPECT_EQ(m.message, static_cast<UINT>(WM_LBUTTONUP));
    EXPECT_EQ(m.wParam, static_cast<WPARAM>(MK_CONTROL));
    m = next();
    EXPECT_EQ(m.message, static_cast<UINT>(WM_RBUTTONDOWN));
    EXPECT_EQ(m.wParam, MK_RBUTTON | MK_CONTROL);
    next();
    m = next();
    EXPECT_EQ(m.message, static_cast<UINT>(WM_RBUTTONUP));
    EXPECT_EQ(m.wParam, 0u);
    POINT p;
    ASSERT_TRUE(GetCursorPos(&p));
    EXPECT_EQ(p.x, 799);
    EXPECT_EQ(p.y, 0);
    // Each pointer message was preceded by WM_SETCURSOR naming it, sent as it left the queue.
    int setCursors = 0;
    for (std::size_t i = 0; i + 1 < g_seen.size(); ++i) {
        if (g_seen[i].message != WM_SETCURSOR) continue;
        ++setCursors;
        EXPECT_EQ(HIWORD(g_seen[i].lParam), g_seen[i + 1].message);
        EXPECT_EQ(LOWORD(g_seen[i].lParam), HTCLIENT);
    }
    EXPECT_EQ(setCursors, 6);
}

TEST_F(WindowMessages, FocusPaintCursorAndTimerCallbacks) {
    tkp_HeadlessFocus(true);
    tkp_HeadlessFocus(false);
    MSG m = next();
    EXPECT_EQ(m.message, static_cast<UINT>(WM_ACTIVATEAPP));
    EXPECT_EQ(m.wParam, static_cast<WPARAM>(TRUE));
    EXPECT_EQ(next().wParam, static_cast<WPARAM>(FALSE));
    // Showing the window asks for a paint; UpdateWindow sends it at once, and only once.
    EXPECT_FALSE(ShowWindow(window, SW_SHOWNORMAL));
    EXPECT_TRUE(ShowWindow(window, SW_SHOWNORMAL));
    g_seen.clear();
    UpdateWindow(window);
    UpdateWindow(window);
    EXPECT_EQ(messagesOf(g_seen), std::vector<UINT>{WM_PAINT});
    // A null cursor hides the pointer and the arrow brings it back.
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    EXPECT_EQ(SetCursor(nullptr), arrow);
    EXPECT_FALSE(tkp_HeadlessPointerVisible());
    EXPECT_EQ(SetCursor(arrow), nullptr);
    EXPECT_TRUE(tkp_HeadlessPointerVisible());
    // A timer with a callback calls it instead of the window procedure.
    static std::vector<UINT_PTR> fired;
    fired.clear();
    const UINT_PTR id = SetTimer(nullptr, 0, 15, [](HWND, UINT, UINT_PTR id, DWORD) { fired.push_back(id); });
    ASSERT_NE(id, 0u);
    g_seen.clear();
    next();
    EXPECT_EQ(fired, std::vector<UINT_PTR>{id});
    EXPECT_TRUE(g_seen.empty());
}

TEST_F(WindowMessages, MisuseIsRefusedWithALogLine) {
    tkp_CaptureDebugOutput(true);
    tkp_TakeDebugOutput();
    EXPECT_EQ(CreateWindowExA(0, "KT", "second", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(CreateWindowExA(0, "nope", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    WNDCLASSA again{};
    again.lpfnWndProc = CALLBACK_Record;
    again.lpszClassName = "kt";
    EXPECT_EQ(RegisterClassA(&again), 0);
    EXPECT_EQ(tkp_TakeDebugOutput(),
              "user32: CreateWindowExA: a window already exists; only one is offered\n"
              "user32: CreateWindowExA: the window class is not registered\n");
    tkp_CaptureDebugOutput(false);
    // A window whose WM_CREATE answers -1 is not created.
    DestroyWindow(window);
    g_failCreate = true;
    g_seen.clear();
    EXPECT_EQ(CreateWindowExA(0, "KT", "t", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(messagesOf(g_seen), (std::vector<UINT>{WM_CREATE, WM_DESTROY}));
    EXPECT_FALSE(tkp_HeadlessWindowOpen());
}

TEST_F(WindowMessages, MessageBoxIsRecordedAndWrittenToStandardError) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBoxA(window, "Problem pri inicializacii", "KT Tessalin Kartola", MB_OK), IDOK);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "KT Tessalin Kartola: Problem pri inicializacii\n");
    const auto boxes = tkp_HeadlessMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Problem pri inicializacii");
    EXPECT_EQ(boxes[0].caption, "KT Tessalin Kartola");
    EXPECT_EQ(boxes[0].type, MB_OK);
}

TEST_F(WindowMessages, WaitingWithNothingThatCouldArriveStopsInsteadOfHanging) {
    MSG m;
    EXPECT_DEATH(GetMessageA(&m, nullptr, 0, 0), "no timer runs and no input was posted");
}

TEST_F(WindowMessages, ScreenMetricsAreTheDesktopSize) {
    tkp_HeadlessSetDesktopSize(1366, 768);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1366);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    EXPECT_EQ(GetSystemMetrics(42), 0);
    tkp_HeadlessResetDisplay();
}
