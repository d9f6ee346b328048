// The application screen run for real on the headless backend: Execute's steps, frames on timer 1,
// the corner buttons and framework keys, the three dialogs, the settings file and the failure paths.
#include "platform/ddraw/surface_access.h"
#include "platform/pixels/pixel565.h"
#include "platform/testing/test_hooks.h"
#include "tests/common/app/tk_app_world.h"
#include "tests/common/tk_test_bmp.h"

namespace tk_test {
namespace {

// The dialogs shown (Info, Timer, Resolution), and after '^' the one on top.
std::string dialogs(ProbeApp& a) {
    std::string s, top;
    for (auto [d, name] :
         {std::pair<tk_CPol*, char>{a.m_dlgInfo, 'I'}, {a.m_dlgCasovac, 'T'}, {a.m_dlgRozlisenie, 'R'}}) {
        if (d->visible) s += name;
        if (d->visible && a.children.items[a.children.count - 1] == d) top = name;
    }
    return s + "^" + top;
}

using AppScreen = AppWorld;

TEST_F(AppScreen, ExecuteRunsItsStepsInOrderAndEachTickDrawsOneFrameUnlessRedrawIsOff) {
    ProbeApp app;
    auto redrawOff = [](bool off) { return [off](ProbeApp& a) { a.m_bRedrawOff = off; }; };
    EXPECT_EQ(Run(app, "800 600\n2 16", {Idle, redrawOff(true), Idle, redrawOff(false), Escape}), 0);
    EXPECT_EQ(LogLines("TRAC|Probe"),
              "TRAC [tk_CAppScreen::Execute; spracovanie m_LocApp_INI] [1]|TRAC [tk_CAppScreen::Execute; "
              "tk_APP_Inicializuj] [2]|TRAC [tk_CAppScreen::Execute; tk_APP_Synchro_dll2App] [3]|TRAC "
              "[tk_CAppScreen::Execute; Init();] [4]|Init|TRAC [tk_CAppScreen::Execute; SetupVisual_Private] "
              "[5]|TRAC [tk_CAppScreen::Execute; init m_duir_Rozlisenia] [6]|TRAC [tk_CAppScreen::Execute; "
              "Init2] [7]|Init2|TRAC [tk_CAppScreen::Execute; while...] [8]|");
    // The first frame is drawn before the loop waits for anything; timer 1 runs at the timer
    // dialog's 16 ms from the layout on; ticks 2 and 3 drew nothing.
    EXPECT_EQ(app.ticks, (std::vector<std::uint64_t>{16, 32, 48, 64, 80}));
    EXPECT_EQ(Nums(tkp::headless::FrameCount(), app.redraws, app.m_ScrW, app.m_ScrH, app.m_ScrCX, app.m_ScrCY,
                   tkp::headless::PresentationSize().width, tkp::headless::PresentationSize().height),
              "4,4,800,600,400,300,800,600");
    EXPECT_EQ(LogLines("frames drawn"), "tk_APP_WindowProc; frames drawn [4]|");
    EXPECT_TRUE(!tkp::headless::WindowOpen() && tk_lpDD == nullptr);
}

TEST_F(AppScreen, CornerButtonsShowAndHideTheirDialogsOnTopAndTheCloseButtonEndsTheRun) {
    ProbeApp app;
    app.watch = dialogs;
    // Buttons 603 and 602 are still armed at the end: each takes one move as the pointer leaves.
    auto toClose = [](int dx) {
        return [dx](ProbeApp& a) { tkp::headless::PointerMove(a.Child(601)->x + dx, 10); };
    };
    EXPECT_EQ(Run(app, "800 600\n2 16",
                  {Tap(602), Tap(604), Tap(602), Tap(602), Tap(603), toClose(5), toClose(6), Tap(601)}),
              0);
    EXPECT_EQ(app.seen, "^|I^I|IT^T|T^T|IT^I|ITR^R|ITR^R|ITR^R|");
    EXPECT_EQ(ReadFile("APP.INI"), "800 600\n2 16");
}

// The resolution dialog lists the modes; a chosen row and OK switch the display, the corner
// buttons move to the new right edge, the info dialog to the new centre, and the background
// picture is loaded again at the new size.
TEST_F(AppScreen, ChoosingAResolutionSwitchesTheDisplayAndMovesTheLayout) {
    WriteFile("back.bmp", Bmp24(8, 8, [](int, int) { return std::uint16_t{0x07E0}; }));
    ProbeApp app;
    app.SetBackground(-1, "back.bmp", false);
    // The size boxes and the display's width.
    app.watch = [](ProbeApp& a) {
        return std::string(a.m_dlgRozlisenie->width_box->Get_Text()) + " " +
               a.m_dlgRozlisenie->height_box->Get_Text() + " " + std::to_string(tk_ScreenW);
    };
    EXPECT_EQ(Run(app, "1024 768\n2 16",
                  {Tap(603), Idle,
                   // The first row: the smallest mode.
                   [](ProbeApp& a) {
                       const RECT r = a.m_dlgRozlisenie->m_duir_Rozlisenia->EntryAt(0)->rect;
                       Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
                   },
                   Tap(1222),
                   [](ProbeApp& a) {
                       EXPECT_EQ(Nums(tk_ScreenW, tk_ScreenH, tk_ScreenCX, tk_ScreenCY), "800,600,400,300");
                       EXPECT_EQ(Nums(a.Child(601)->x, a.Child(602)->x, a.Child(603)->x, a.Child(604)->x,
                                      a.Child(601)->y, a.Child(602)->y),
                                 "749,720,691,662,5,6");
                       EXPECT_EQ(Nums(a.m_dlgInfo->x, a.m_dlgInfo->y, a.m_dlgRozlisenie->x, a.m_dlgCasovac->x,
                                      a.m_dlgCasovac->y, a.m_dlgRozlisenie->visible),
                                 "217,154,300,200,70,0");
                       EXPECT_EQ(Nums(tk_DSGN.background_srf->w, tk_DSGN.background_srf->h), "800,600");
                   },
                   [](ProbeApp& a) {
                       EXPECT_EQ(tkp::headless::LastFrame().width, 800);
                       EXPECT_EQ(tkp::headless::FramePixel(5, 595), tkp::pixels::XrgbOf565(0x07E0));
                       Escape(a);
                   }}),
              0);
    EXPECT_EQ(app.seen, "  1024|1024 768 1024|1024 768 1024|800 600 1024|800 600 800|800 600 800|");
    EXPECT_EQ(app.calls, (std::vector<std::string>{"Init", "Init2", "ChangedResolution 1024,768,800,600"}));
    EXPECT_EQ(ReadFile("APP.INI"), "800 600\n2 16");
}

// The timer dialog's buttons change the level and restart timer 1 at once: the click is handled
// 3 ms after a tick, so the next tick comes the new period after the click. (The platform raises
// periods under 10 ms to 10, as Windows does.)
struct TimerCase {
    const char* settings;
    int button;
    const char* result;  // the period box at each tick, the interval after the click, the settings file
};
class TimerLevels : public AppWorld, public ::testing::WithParamInterface<TimerCase> {};

TEST_P(TimerLevels, AButtonChangesTheLevelAndRestartsTheTimer) {
    const TimerCase c = GetParam();
    ProbeApp app;
    app.watch = [](ProbeApp& a) { return std::string(a.m_dlgCasovac->period_box->Get_Text()); };
    EXPECT_EQ(Run(app, c.settings,
                  {Tap(604),
                   [&](ProbeApp& a) {
                       ClickOn(a.Child(c.button));
                       tkp::headless::AdvanceMs(3);
                   },
                   Escape}),
              0);
    EXPECT_EQ(app.seen + std::to_string(app.ticks[2] - app.ticks[1]) + " " + ReadFile("APP.INI"), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    AppScreen, TimerLevels,
    ::testing::Values(TimerCase{"800 600\n1 4", 1231, "4|4|4|13 800 600\n1 4"},
                      TimerCase{"800 600\n10 400", 1232, "400|400|400|403 800 600\n10 400"},
                      TimerCase{"800 600\n5 100", 1232, "100|100|144|147 800 600\n6 144"}));

// Escape and F12 close the program and write the settings file byte for byte; a wish the display
// does not list runs at the last listed mode and is stored as such; a display without a mode 800
// pixels wide runs at its largest mode, and says so.
struct CloseCase {
    const char* settings;  // null: no file
    int key;
    std::vector<tkp::base::backend::DisplayMode> modes;
    const char* written;
    bool largestLogged = false;
};
class ClosingKeys : public AppWorld, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingKeys, WriteTheSettingsFile) {
    const CloseCase c = GetParam();
    if (!c.modes.empty()) tkp::headless::SetDisplayModes(c.modes);
    ProbeApp app;
    EXPECT_EQ(Run(app, c.settings, {[&](ProbeApp&) { Press(c.key); }}), 0);
    EXPECT_EQ(app.ticks.size(), 1u);
    EXPECT_EQ(ReadFile("APP.INI"), c.written);
    EXPECT_EQ(LogLines("no mode 800 wide, the largest offered is used \\[640\\] \\[480\\]").empty(),
              !c.largestLogged);
}

INSTANTIATE_TEST_SUITE_P(
    AppScreen, ClosingKeys,
    ::testing::Values(CloseCase{"800 600\n3 36", VK_ESCAPE, {}, "800 600\n3 36"},
                      CloseCase{"800 600\n3 36", VK_F12, {}, "800 600\n3 36"},
                      CloseCase{nullptr, VK_ESCAPE, {}, "1920 1080\n2 16"},
                      CloseCase{"1280 1024\n2 16", VK_F12, {{800, 600}, {1024, 768}}, "1024 768\n2 16"},
                      CloseCase{
                          nullptr, VK_ESCAPE, {{720, 400}, {640, 480}, {320, 240}}, "640 480\n2 16", true}));

struct KeyEater : tk_CPolCHLO {
    explicit KeyEater(tk_CPolCHLO* owner) : tk_CPolCHLO(owner, 900) {}
    bool INFORMUJ_SA_KLAV(int key) override { return key == VK_ESCAPE; }
};

// An element that takes Escape keeps the program running; Ctrl or Shift with F2 toggles the setup
// buttons and closes their dialogs (F2 alone does nothing); a right click on the close button
// neither presses it nor ends the run.
TEST_F(AppScreen, KeysAndTheRightButton) {
    ProbeApp app;
    auto* eater = new KeyEater(&app);
    app.watch = [](ProbeApp& a) { return Nums(a.Child(603)->visible, a.Child(604)->visible) + dialogs(a); };
    int before = -1;
    EXPECT_EQ(Run(app, "800 600\n2 16",
                  {[](ProbeApp&) {
                       Press(VK_ESCAPE);
                       tkp::headless::PointerMove(10, 300);  // a new plain container takes the first move
                   },
                   Tap(603), Chord(VK_LCONTROL, VK_F2), Chord(VK_RSHIFT, VK_F2),
                   [](ProbeApp& a) {
                       Press(VK_F2);
                       tkp::headless::PointerMove(a.Child(601)->x + 5, a.Child(601)->y + 5);
                   },
                   [&](ProbeApp& a) {
                       before = a.Child(601)->state;
                       tkp::headless::Button(VK_RBUTTON, true);
                       tkp::headless::Button(VK_RBUTTON, false);
                   },
                   [&](ProbeApp& a) {
                       EXPECT_EQ(a.Child(601)->state, before);
                       eater->visible = false;
                       Escape(a);
                   }}),
              0);
    EXPECT_EQ(app.seen, "1,1^|1,1^|1,1R^R|0,0^|1,1^|1,1^|1,1^|");
}

// A stand-in for the layout editor: it marks a pixel over the close button in its overlay.
struct FakeEditor : tk_CAppEditor {
    bool on = false;
    tk_CAppScreen* app = nullptr;
    std::vector<UINT> messages;
    bool IsOn() const override { return on; }
    void SwitchOn(tk_CAppScreen* a) override { on = true, app = a; }
    void WindowProc(HWND, UINT msg, WPARAM wParam, LPARAM) override {
        messages.push_back(msg);
        if (msg == WM_KEYDOWN && wParam == VK_ESCAPE) on = false;
    }
    void DrawOverlay(IDirectDrawSurface* back) override {
        tkp::ddraw::LockedSurface(back).at(757, 12) = 0xFFFF;
    }
};

TEST_F(AppScreen, TheEditorSeamTakesTheF1ChordTheInputWhileOnAndDrawsItsOverlayLast) {
    FakeEditor editor;
    tk_APP_SetEditor(&editor);
    ProbeApp app;
    // On, the info dialog shown, the overlay's mark on the frame.
    app.watch = [&](ProbeApp& a) {
        return Nums(editor.on && editor.app == &a, a.m_dlgInfo->visible,
                    tkp::headless::FramePixel(757, 12) == 0xFFFFFFu);
    };
    EXPECT_EQ(Run(app, "800 600\n2 16",
                  {[](ProbeApp&) { Press(VK_F1); }, Chord(VK_LSHIFT, VK_F1), Tap(602), Escape, Escape}),
              0);
    EXPECT_EQ(app.seen, "0,0,0|0,0,0|1,0,0|1,0,1|0,0,1|");
    // The click and the first Escape; key releases and timers are not the editor's.
    EXPECT_EQ(editor.messages, (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_KEYDOWN}));
}

TEST_F(AppScreen, AFailedDisplaySetUpStopsExecuteWithACodeInsteadOfRunningTheProgram) {
    tkp::testing::SetCreateSurfaceFailures(1);
    ProbeApp app;
    EXPECT_EQ(Run(app, "800 600\n3 36", {}), 1);
    tkp::testing::SetCreateSurfaceFailures(0);
    EXPECT_TRUE(app.calls.empty());
    ASSERT_EQ(tkp::headless::MessageBoxes().size(), 1u);
    EXPECT_EQ(tkp::headless::MessageBoxes()[0].caption + ": " + tkp::headless::MessageBoxes()[0].text,
              "KT Tessalin Kartola: Problem pri inicializacii");
    EXPECT_EQ(LogLines("TSKW"),
              "TSKW ERROR:  [Problem pri inicializcii [tk_APP_Inic_problem]]|TSKW ERROR:  "
              "[tk_CAppScreen::Execute; the window or the display could not be set up, the program ends]|");
    EXPECT_TRUE(!tkp::headless::WindowOpen() && tk_lpDD == nullptr);
    EXPECT_EQ(ReadFile("APP.INI"), "800 600\n3 36");
}

// A lost display restores the framework's own sheet as well as the primary surface: the watch
// sees the last hook, the sheet's corner (its red background, not the lost pattern) and the frame
// (drawn once before the loop, and again after the restore).
TEST_F(AppScreen, ALostDisplayIsRestoredWithTheSkinSheet) {
    ProbeApp app;
    app.watch = [](ProbeApp& a) {
        tkp::ddraw::LockedSurface px(tk_DSGN.rezia_dll_srf->SURFACE, DDLOCK_WAIT | DDLOCK_READONLY);
        return a.calls.back() + " " +
               Nums(px.ok() ? px.at(0, 0) : 0,
                    tkp::headless::FramePixel(400, 5) == tkp::pixels::XrgbOf565(500));
    };
    EXPECT_EQ(Run(app, "800 600\n2 16", {[](ProbeApp&) { tkp::ddraw::MarkSurfacesLost(); }, Idle, Escape}),
              0);
    EXPECT_EQ(app.seen + Nums(tkp::headless::FrameCount()),
              "Init2 63488,1|Do_RESTORE_SRF 63488,1|Do_RESTORE_SRF 63488,1|3");
}

}  // namespace
}  // namespace tk_test
