// The world of the application-shell tests: the headless backend reset, a fresh working folder for
// the log and the settings file, the display globals back at their start values, and ProbeApp, a
// small application that runs the real Execute and loop and plays a script, one step per tick of
// timer 1, with input injected through the headless backend.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "framework/tessalin.h"
#include "platform/headless/headless.h"
#include "tests/common/tk_test_files.h"
#include "tests/common/tk_test_surface.h"

namespace tk_test {

// Plays the next step of a script on a tick of timer 1; closes the program once the script has
// been empty for twenty ticks.
template <typename App>
void PlayNextStep(App& app, std::deque<std::function<void(App&)>>& script, int& idle) {
    if (!script.empty()) {
        auto step = std::move(script.front());
        script.pop_front();
        step(app);
    } else if (++idle > 20) {
        app.Close();
    }
}

class ProbeApp : public tk_CAppScreen {
  public:
    using Step = std::function<void(ProbeApp&)>;

    explicit ProbeApp(const char* settings = "APP.INI") : tk_CAppScreen(nullptr, SW_SHOW, settings) {}

    // Played one step per tick of timer 1, before that tick's frame; input a step posts is handled
    // before the next tick. The run is closed when the script ran out long ago.
    std::deque<Step> script;
    // Hooks called, in order; virtual times of the ticks of timer 1.
    std::vector<std::string> calls;
    std::vector<std::uint64_t> ticks;
    int redraws = 0;
    // When set, what it says at each tick, before the step, each ended by '|'.
    std::function<std::string(ProbeApp&)> watch;
    std::string seen;
    // A modifier key a step holds down, released at the next tick.
    int held = 0;

    // Init and Init2 also write to the log, so that their place among Execute's steps shows.
    void Init() override { Note("Init"); }
    void Init2() override { Note("Init2"); }
    void Redraw_Screen() override { ++redraws; }
    void Do_RESTORE_SRF() override { calls.push_back("Do_RESTORE_SRF"); }
    void ChangedResolution(int a, int b, int c, int d) override {
        calls.push_back("ChangedResolution " + Nums(a, b, c, d));
        tk_CAppScreen::ChangedResolution(a, b, c, d);
    }
    void HandleWMInteraction(HWND, UINT msg, WPARAM wParam, LPARAM) override {
        if (msg != WM_TIMER || wParam != 1) return;
        ticks.push_back(tkp::headless::NowMs());
        if (watch) seen += watch(*this) + "|";
        if (held) tkp::headless::Key(std::exchange(held, 0), false);
        PlayNextStep(*this, script, idle_);
    }

    tk_CPol* Child(int id) { return FindCHLWithID(id); }

  private:
    void Note(const char* hook) {
        calls.push_back(hook);
        _tk_LOG_("Probe", 1, hook);
    }
    int idle_ = 0;
};

// ---- input, as the backend reports it ---------------------------------------------------------
// Consecutive moves are one message, as on Windows; an armed button that the pointer leaves takes
// that move, so a click on a button below it needs a move in an earlier step.
inline void Click(int x, int y) {
    tkp::headless::PointerMove(x, y);
    tkp::headless::Button(VK_LBUTTON, true);
    tkp::headless::Button(VK_LBUTTON, false);
}
// A click in the middle of an element.
inline void ClickOn(tk_CPol* e) {
    int w = 0, h = 0;
    e->GetSize(&w, &h);
    Click(e->x + w / 2, e->y + h / 2);
}
inline void Press(int vk) {
    tkp::headless::Key(vk, true);
    tkp::headless::Key(vk, false);
}
// Pixels of the colour (0x00RRGGBB) in the rectangle of the last presented frame.
inline int FramePixels(std::uint32_t colour, RECT r) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += tkp::headless::FramePixel(x, y) == colour;
    return n;
}
// The last presented frame as build/screenshots/<name>.png.
inline void Shot(const std::string& name) {
    EXPECT_TRUE(tkp::headless::SaveFramePng((std::string(TK_SCREENSHOT_DIR) + "/" + name + ".png").c_str()));
}

class AppWorld : public ::testing::Test {
  protected:
    void SetUp() override {
        tkp::headless::ResetWindowing();
        tkp::headless::ResetDisplay();
        tk_LOG_on = 1;
        tk_LOG_reset_done = false;
        tk_auto_rx = 15;
        tk_auto_ry = 10;
        tk_glob_APP_Synchro_exe2dll(1920, 1080, 960, 540, nullptr, nullptr, nullptr, nullptr);
        tk_pApp = nullptr;
        tk_hWnd = nullptr;
        tk_bAppActive = 0;
    }
    void TearDown() override {
        tk_DSGN_DONE();
        tk_APP_SetEditor(nullptr);
        if (tk_lpDD) tk_APP_Vykonaj_RELEASE_SRF(true);
    }

    // Runs the application with these settings-file bytes (none when null) and the script.
    template <typename App>
    static int Run(App& app, const char* settings, std::vector<typename App::Step> steps) {
        if (settings) WriteFile(app.m_LocApp_INI, settings);
        app.script.assign(steps.begin(), steps.end());
        return app.Execute();
    }
    // The texts of the log's lines that match the pattern (without source and line), each ended by '|'.
    static std::string LogLines(const std::string& pattern) {
        std::string lines;
        const std::regex wanted(pattern);
        for (const std::string& line : tk_test::LogLines())
            if (std::regex_search(line, wanted)) lines += line.substr(line.find(" : ") + 3) + "|";
        return lines;
    }
    static void Idle(ProbeApp&) {}
    static void Escape(ProbeApp&) { Press(VK_ESCAPE); }
    // The key pressed while the modifier is held, until the next tick.
    static ProbeApp::Step Chord(int modifier, int key) {
        return [=](ProbeApp& a) {
            tkp::headless::Key(a.held = modifier, true);
            Press(key);
        };
    }
    static ProbeApp::Step Tap(int id) {
        return [id](ProbeApp& a) { ClickOn(a.Child(id)); };
    }

    ScopedWorkDir dir_;
};

}  // namespace tk_test
