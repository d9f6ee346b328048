// The application screen run for real on the headless backend: Execute's steps, frames on timer 1,
// the corner buttons and framework keys, the three dialogs, the settings file and the failure paths.
#include <cstdio>

#include "platform/ddraw/surface_access.h"
#include "platform/pixels/pixel565.h"
#include "platform/testing/test_hooks.h"
#include "tests/app/tk_app_world.h"
#include "tests/common/tk_test_bmp.h"

namespace tk_test {
namespace {

bool OnTop(ProbeApp& a, tk_CPol* dlg) {
    return dlg->visible && a.children.items[a.children.count - 1] == dlg;
}

std::string BoxText(tk_CDEDB* box) {
    return box->Get_Text();
}

// Every element below the container as "id:visible:state", depth first.
std::string Snapshot(tk_CPolCHLO* c) {
    std::string s;
    for (int i = 0; i < c->children.count; ++i) {
        auto* e = static_cast<tk_CPol*>(c->children.items[i]);
        s += std::to_string(e->ID) + ":" + std::to_string(e->visible) + ":" + std::to_string(e->state) + " ";
        if (auto* box = dynamic_cast<tk_CPolCHLO*>(e)) s += "(" + Snapshot(box) + ") ";
    }
    return s;
}

using AppScreen = AppWorld;

TEST_F(AppScreen, ExecuteRunsItsStepsInOrderAndEachTickDrawsOneFrameUnlessRedrawIsOff) {
    ProbeApp app;
    const int status =
        Run(app, "800 600\n2 16",
            {[](ProbeApp&) {}, [](ProbeApp& a) { a.m_bRedrawOff = true; }, [](ProbeApp&) {},
             [](ProbeApp& a) { a.m_bRedrawOff = false; }, [](ProbeApp&) { Press(VK_ESCAPE); }});
    EXPECT_EQ(status, 0);
    EXPECT_EQ(LogLines("TRAC|Probe"),
              (std::vector<std::string>{
                  "TK_APP_w(N) : TRAC [tk_CAppScreen::Execute; spracovanie m_LocApp_INI] [1]",
                  "TK_APP_w(N) : TRAC [tk_CAppScreen::Execute; tk_APP_Inicializuj] [2]",
                  "TK_APP_w(N) : TRAC [tk_CAppScreen::Execute; tk_APP_Synchro_dll2App] [3]",
                  "TK_APP_w(N) : TRAC [tk_CAppScreen::Execute; Init();] [4]",
                  "Probe(N) : Init",
                  "TK_APP_w(N) : TRAC [tk_CAppScreen::Execute; SetupVisual_Private] [5]",
                  "TK_APP_w(N) : TRAC [tk_CAppScreen::Execute; init m_duir_Rozlisenia] [6]",
                  "TK_APP_w(N) : TRAC [tk_CAppScreen::Execute; Init2] [7]",
                  "Probe(N) : Init2",
                  "TK_APP_w(N) : TRAC [tk_CAppScreen::Execute; while...] [8]",
              }));
    // Timer 1 runs at the timer dialog's 16 ms from the layout on; ticks 2 and 3 drew nothing.
    EXPECT_EQ(app.ticks, (std::vector<std::uint64_t>{16, 32, 48, 64, 80}));
    EXPECT_EQ(tkp_HeadlessFrameCount(), 3);
    EXPECT_EQ(app.redraws, 3);
    EXPECT_EQ(Numbers(app.m_ScrW, app.m_ScrH, app.m_ScrCX, app.m_ScrCY), "800,600,400,300");
    EXPECT_EQ(Numbers(tkp_HeadlessPresentationSize().width, tkp_HeadlessPresentationSize().height),
              "800,600");
    EXPECT_EQ(LogLines("WM_DESTROY|frames drawn"),
              (std::vector<std::string>{"TK_APP_w(N) : case WM_DESTROY - dll; tk_APP_WindowProc",
                                        "TK_APP_w(N) : tk_APP_WindowProc; frames drawn [3]"}));
    EXPECT_FALSE(tkp_HeadlessWindowOpen());
    EXPECT_EQ(tk_lpDD, nullptr);
}

TEST_F(AppScreen, CornerButtonsShowAndHideTheirDialogsOnTopAndTheCloseButtonEndsTheRun) {
    ProbeApp app;
    const int status = Run(app, "800 600\n2 16",
                           {[](ProbeApp& a) {
                                EXPECT_EQ(Numbers(a.Child(601)->x, a.Child(602)->x, a.Child(603)->x,
                                                  a.Child(604)->x, a.Child(601)->y, a.Child(602)->y),
                                          "749,720,691,662,5,6");
                                ClickOn(a.Child(602));
                            },
                            [](ProbeApp& a) {
                                EXPECT_TRUE(OnTop(a, a.m_dlgInfo));
                                ClickOn(a.Child(604));
                            },
                            [](ProbeApp& a) {
                                EXPECT_TRUE(OnTop(a, a.m_dlgCasovac));
                                ClickOn(a.Child(602));
                            },
                            [](ProbeApp& a) {
                                EXPECT_FALSE(a.m_dlgInfo->visible);
                                ClickOn(a.Child(602));
                            },
                            [](ProbeApp& a) {
                                EXPECT_TRUE(OnTop(a, a.m_dlgInfo));
                                EXPECT_TRUE(a.m_dlgCasovac->visible);
                                ClickOn(a.Child(603));
                            },
                            [](ProbeApp& a) {
                                EXPECT_TRUE(OnTop(a, a.m_dlgRozlisenie));
                                EXPECT_EQ(BoxText(a.m_dlgRozlisenie->width_box), "800");
                                EXPECT_EQ(BoxText(a.m_dlgRozlisenie->height_box), "600");
                                Move(a.Child(601)->x + 5, a.Child(601)->y + 5);
                            },
                            // Buttons 603 and 602 are still armed: each takes one move as the pointer leaves.
                            [](ProbeApp& a) { Move(a.Child(601)->x + 6, a.Child(601)->y + 5); },
                            [](ProbeApp& a) { ClickOn(a.Child(601)); }});
    EXPECT_EQ(status, 0);
    EXPECT_EQ(app.ticks.size(), 8u);
    EXPECT_EQ(ReadFile("APP.INI"), "800 600\n2 16");
}

// The resolution dialog lists the modes; a chosen row and OK switch the display, the corner
// buttons move to the new right edge, the info dialog to the new centre, and the background
// picture is loaded again at the new size.
TEST_F(AppScreen, ChoosingAResolutionSwitchesTheDisplayAndMovesTheLayout) {
    WriteFile("back.bmp", Bmp24(8, 8, [](int, int) { return std::uint16_t{0x07E0}; }));
    ProbeApp app;
    app.SetBackground(-1, "back.bmp", false);
    auto entry = [](ProbeApp& a, int i) { return a.m_dlgRozlisenie->m_duir_Rozlisenia->EntryAt(i); };
    const int status = Run(
        app, "1024 768\n2 16",
        {[](ProbeApp& a) { ClickOn(a.Child(603)); }, [](ProbeApp&) {},
         [&](ProbeApp& a) {
             EXPECT_EQ(BoxText(a.m_dlgRozlisenie->width_box), "1024");
             std::string rows;
             for (int i = 0; i < 4; ++i) rows += std::string(entry(a, i)->text) + "|";
             EXPECT_EQ(rows, "800  x  600|1024  x  768|1280  x  1024|1920  x  1080|");
             const RECT r = entry(a, 0)->rect;
             Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
         },
         [](ProbeApp& a) {
             EXPECT_EQ(BoxText(a.m_dlgRozlisenie->width_box) + " " + BoxText(a.m_dlgRozlisenie->height_box),
                       "800 600");
             EXPECT_EQ(tk_ScreenW, 1024);
             ClickOn(a.Child(1222));
         },
         [](ProbeApp& a) {
             EXPECT_EQ(Numbers(tk_ScreenW, tk_ScreenH, tk_ScreenCX, tk_ScreenCY), "800,600,400,300");
             EXPECT_EQ(Numbers(a.Child(601)->x, a.Child(602)->x, a.Child(603)->x, a.Child(604)->x),
                       "749,720,691,662");
             EXPECT_EQ(Numbers(a.m_dlgInfo->x, a.m_dlgInfo->y), "217,154");
             EXPECT_EQ(Numbers(a.m_dlgRozlisenie->x, a.m_dlgCasovac->x, a.m_dlgCasovac->y), "300,200,70");
             EXPECT_FALSE(a.m_dlgRozlisenie->visible);
             EXPECT_EQ(Numbers(tk_DSGN.background_srf->w, tk_DSGN.background_srf->h), "800,600");
         },
         [](ProbeApp&) {
             EXPECT_EQ(tkp_HeadlessLastFrame().width, 800);
             EXPECT_EQ(tkp_HeadlessFramePixel(5, 595), tkp::XrgbOf565(0x07E0));
             Press(VK_ESCAPE);
         }});
    EXPECT_EQ(status, 0);
    EXPECT_EQ(app.calls, (std::vector<std::string>{"Init", "Init2", "ChangedResolution 1024 768 800 600"}));
    EXPECT_EQ(ReadFile("APP.INI"), "800 600\n2 16");
}

// The timer dialog's buttons change the level and restart timer 1 at once: the click is handled
// 3 ms after a tick, so the next tick comes the new period after the click. (The platform raises
// periods under 10 ms to 10, as Windows does.)
struct TimerCase {
    const char* settings;
    int button;
    int level, period;
    std::uint64_t interval;
};
class TimerLevels : public AppWorld, public ::testing::WithParamInterface<TimerCase> {};

TEST_P(TimerLevels, AButtonChangesTheLevelAndRestartsTheTimer) {
    const TimerCase c = GetParam();
    ProbeApp app;
    int startPeriod = 0;
    std::sscanf(c.settings, "%*d %*d %*d %d", &startPeriod);
    const int status = Run(app, c.settings,
                           {[](ProbeApp& a) { ClickOn(a.Child(604)); },
                            [&](ProbeApp& a) {
                                EXPECT_EQ(BoxText(a.m_dlgCasovac->period_box), std::to_string(startPeriod));
                                ClickOn(a.Child(c.button));
                                tkp_HeadlessAdvanceMs(3);
                            },
                            [&](ProbeApp& a) {
                                EXPECT_EQ(a.LastInterval(), c.interval);
                                EXPECT_EQ(BoxText(a.m_dlgCasovac->period_box), std::to_string(c.period));
                                Press(VK_ESCAPE);
                            }});
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Numbers(app.m_dlgCasovac->level, app.m_dlgCasovac->period), Numbers(c.level, c.period));
    EXPECT_EQ(ReadFile("APP.INI"), "800 600\n" + std::to_string(c.level) + " " + std::to_string(c.period));
}

INSTANTIATE_TEST_SUITE_P(AppScreen, TimerLevels,
                         ::testing::Values(TimerCase{"800 600\n1 4", 1231, 1, 4, 13},
                                           TimerCase{"800 600\n10 400", 1232, 10, 400, 403},
                                           TimerCase{"800 600\n5 100", 1232, 6, 144, 147}));

// Escape and F12 close the program and write the settings file byte for byte; a wish the display
// does not list runs at the last listed mode and is stored as such; a display without a mode 800
// pixels wide runs at its largest mode.
struct CloseCase {
    const char* settings;  // null: no file
    int key;
    std::vector<tkp::backend::DisplayMode> modes;
    const char* written;
    int largestLogged = 0;
};
class ClosingKeys : public AppWorld, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingKeys, WriteTheSettingsFile) {
    const CloseCase c = GetParam();
    if (!c.modes.empty()) tkp_HeadlessSetDisplayModes(c.modes);
    ProbeApp app;
    const int key = c.key;
    EXPECT_EQ(Run(app, c.settings, {[key](ProbeApp&) { Press(key); }}), 0);
    EXPECT_EQ(app.ticks.size(), 1u);
    EXPECT_EQ(ReadFile("APP.INI"), c.written);
    EXPECT_EQ(LogLines("no mode 800 wide, the largest offered is used \\[640\\] \\[480\\]").size(),
              static_cast<std::size_t>(c.largestLogged));
}

INSTANTIATE_TEST_SUITE_P(
    AppScreen, ClosingKeys,
    ::testing::Values(CloseCase{"800 600\n3 36", VK_ESCAPE, {}, "800 600\n3 36"},
                      CloseCase{"800 600\n3 36", VK_F12, {}, "800 600\n3 36"},
                      CloseCase{"1024 768", VK_ESCAPE, {}, "1024 768\n2 16"},
                      CloseCase{nullptr, VK_ESCAPE, {}, "1920 1080\n2 16"},
                      CloseCase{"1280 1024\n2 16", VK_F12, {{800, 600}, {1024, 768}}, "1024 768\n2 16"},
                      CloseCase{
                          nullptr, VK_ESCAPE, {{720, 400}, {640, 480}, {320, 240}}, "640 480\n2 16", 1}));

struct KeyEater : tk_CPolCHLO {
    explicit KeyEater(tk_CPolCHLO* owner) : tk_CPolCHLO(owner, 900) {}
    bool INFORMUJ_SA_KLAV(int key) override { return key == VK_ESCAPE; }
};

// An element that takes Escape keeps the program running; Ctrl or Shift with F2 toggles the setup
// buttons and closes their dialogs (F2 alone does nothing); a right click changes nothing.
TEST_F(AppScreen, KeysAndTheRightButton) {
    ProbeApp app;
    auto* eater = new KeyEater(&app);
    auto shown = [](ProbeApp& a) { return Numbers(a.Child(603)->visible, a.Child(604)->visible); };
    std::string before;
    const int status = Run(app, "800 600\n2 16",
                           {[](ProbeApp&) {
                                Press(VK_ESCAPE);
                                Move(10, 300);  // a new plain container takes the first move
                            },
                            [](ProbeApp& a) { ClickOn(a.Child(603)); },
                            [](ProbeApp& a) {
                                EXPECT_TRUE(a.m_dlgRozlisenie->visible);
                                tkp_HeadlessKey(VK_LCONTROL, true);
                                Press(VK_F2);
                            },
                            [&](ProbeApp& a) {
                                tkp_HeadlessKey(VK_LCONTROL, false);
                                EXPECT_EQ(shown(a), "0,0");
                                EXPECT_FALSE(a.m_dlgRozlisenie->visible);
                                tkp_HeadlessKey(VK_RSHIFT, true);
                                Press(VK_F2);
                            },
                            [&](ProbeApp& a) {
                                tkp_HeadlessKey(VK_RSHIFT, false);
                                EXPECT_EQ(shown(a), "1,1");
                                Press(VK_F2);
                                Move(a.Child(601)->x + 5, a.Child(601)->y + 5);
                            },
                            [&](ProbeApp& a) {
                                EXPECT_EQ(shown(a), "1,1");
                                before = Snapshot(&a);
                                tkp_HeadlessButton(VK_RBUTTON, true);
                                tkp_HeadlessButton(VK_RBUTTON, false);
                            },
                            [&](ProbeApp& a) {
                                EXPECT_EQ(Snapshot(&a), before);
                                eater->visible = false;
                                Press(VK_ESCAPE);
                            }});
    EXPECT_EQ(status, 0);
    EXPECT_EQ(app.ticks.size(), 7u);
}

// A stand-in for the layout editor: it marks a square over the close button in its overlay.
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
        RECT r{755, 10, 760, 15};
        DDBLTFX fx{};
        fx.dwSize = sizeof fx;
        fx.dwFillColor = 0xFFFF;
        back->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
    }
};

TEST_F(AppScreen, TheEditorSeamTakesTheF1ChordTheInputWhileOnAndDrawsItsOverlayLast) {
    FakeEditor editor;
    tk_APP_SetEditor(&editor);
    ProbeApp app;
    const int status = Run(app, "800 600\n2 16",
                           {[](ProbeApp&) { Press(VK_F1); },
                            [&](ProbeApp&) {
                                EXPECT_FALSE(editor.on);
                                tkp_HeadlessKey(VK_LSHIFT, true);
                                Press(VK_F1);
                            },
                            [&](ProbeApp& a) {
                                tkp_HeadlessKey(VK_LSHIFT, false);
                                EXPECT_TRUE(editor.on);
                                EXPECT_EQ(editor.app, &a);
                                ClickOn(a.Child(602));
                            },
                            [&](ProbeApp& a) {
                                EXPECT_FALSE(a.m_dlgInfo->visible);
                                EXPECT_EQ(tkp_HeadlessFramePixel(757, 12), 0xFFFFFFu);
                                Press(VK_ESCAPE);
                            },
                            [&](ProbeApp&) {
                                EXPECT_FALSE(editor.on);
                                Press(VK_ESCAPE);
                            }});
    EXPECT_EQ(status, 0);
    EXPECT_EQ(app.ticks.size(), 5u);
    // The click and the first Escape; key releases and timers are not the editor's.
    EXPECT_EQ(editor.messages, (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_KEYDOWN}));
}

TEST_F(AppScreen, AFailedDisplaySetUpStopsExecuteWithACodeInsteadOfRunningTheProgram) {
    tkp_SetCreateSurfaceFailures(1);
    ProbeApp app;
    const int status = Run(app, "800 600\n3 36", {});
    tkp_SetCreateSurfaceFailures(0);
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(app.calls.empty());
    ASSERT_EQ(tkp_HeadlessMessageBoxes().size(), 1u);
    EXPECT_EQ(tkp_HeadlessMessageBoxes()[0].text, "Problem pri inicializacii");
    EXPECT_EQ(tkp_HeadlessMessageBoxes()[0].caption, "KT Tessalin Kartola");
    EXPECT_EQ(
        LogLines("TRAC|TSKW"),
        (std::vector<std::string>{
            "TK_APP_w(N) : TRAC [tk_CAppScreen::Execute; spracovanie m_LocApp_INI] [1]",
            "TK_APP_w(N) : TRAC [tk_CAppScreen::Execute; tk_APP_Inicializuj] [2]",
            "TK_APP_w(N) : TSKW ERROR:  [Problem pri inicializcii [tk_APP_Inic_problem]]",
            "TK_APP_w(N) : TSKW ERROR:  [tk_CAppScreen::Execute; the window or the display could not be set "
            "up, the program ends]",
        }));
    EXPECT_FALSE(tkp_HeadlessWindowOpen());
    EXPECT_EQ(tk_lpDD, nullptr);
    EXPECT_EQ(ReadFile("APP.INI"), "800 600\n3 36");
}

// A lost display restores the framework's own sheet as well as the primary surface.
TEST_F(AppScreen, ALostDisplayIsRestoredWithTheSkinSheet) {
    ProbeApp app;
    auto sheetCorner = [] {
        tkp_LockedSurface px(tk_DSGN.rezia_dll_srf->SURFACE, DDLOCK_WAIT | DDLOCK_READONLY);
        return px.ok() ? px.at(0, 0) : 0;
    };
    EXPECT_EQ(Run(app, "800 600\n2 16",
                  {[](ProbeApp&) { tkp_MarkSurfacesLost(); },
                   [&](ProbeApp& a) {
                       EXPECT_EQ(a.calls.back(), "Do_RESTORE_SRF");
                       EXPECT_EQ(sheetCorner(), 0xF800);  // the sheet's red background, not the lost pattern
                   },
                   [](ProbeApp&) {
                       EXPECT_EQ(tkp_HeadlessFramePixel(400, 5), tkp::XrgbOf565(500));
                       Press(VK_ESCAPE);
                   }}),
              0);
    EXPECT_EQ(tkp_HeadlessFrameCount(), 2);
}

}  // namespace
}  // namespace tk_test
