// The world of the game's tests: the headless backend reset, a working folder "hra" whose parent
// holds copies of the bundled card sets, a fixed scatter clock, and GameApp, the real game run by
// the real Execute and loop that plays a script, one step per tick of timer 1, with input
// injected through the headless backend. Helpers find a point by which a card can be taken, name
// the sounds that played and save screenshots.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "framework/tessalin.h"
#include "game/CKarta.h"
#include "game/kartola_app.h"
#include "game/kartola_fonts.h"
#include "game/kartola_table.h"
#include "platform/headless/headless.h"
#include "tests/common/tk_test_files.h"

namespace tk_test {

class GameApp : public CKartolaApp {
  public:
    using Step = std::function<void(GameApp&)>;

    GameApp() : CKartolaApp(nullptr, SW_SHOW, kKartolaSettings) {
        SetBackground(-1, "", false);
        SetAppInfo(kKartolaTitle, "(verzia: 1.1)", kKartolaAuthor, &game_sheet, kKartolaIconX, kKartolaIconY);
    }

    // Played one step per tick of timer 1, before that tick's frame; input a step posts is handled
    // before the next tick, so its effect is seen in the frame a step later. A step may put steps
    // in front of the rest. The run is closed when the script ran out long ago.
    std::deque<Step> script;

    void HandleWMInteraction(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override {
        CKartolaApp::HandleWMInteraction(window, msg, wParam, lParam);
        if (msg != WM_TIMER || wParam != 1) return;
        if (!script.empty()) {
            Step step = std::move(script.front());
            script.pop_front();
            step(*this);
        } else if (++idle_ > 20) {
            Close();
        }
    }

    // The name of a sound that played: one of the game's four, or the pair's name.
    std::string SoundName(const void* buffer) {
        const std::pair<tk_CDSO_Zvuk*, const char*> own[] = {{&snd_naraz, "zvuknaraz.wav"},
                                                             {&snd_koniec, "zvukkoniec.wav"},
                                                             {&snd_tada, "zvuktada.wav"},
                                                             {&snd_cvak, "zvukcvak.wav"}};
        for (const auto& [sound, label] : own)
            if (sound->m_lpDSB == buffer) return label;
        for (int i = 0; i < REG_ZVUK.count; ++i) {
            if (SoundOf(i) && SoundOf(i)->m_lpDSB == buffer) return NameOf(i)->text;
        }
        return "?";
    }
    // The sounds played since the last call, by name, and the record forgotten.
    std::vector<std::string> TakeSounds() {
        std::vector<std::string> names;
        for (const tkp_PlayedSound& s : tkp_HeadlessPlayedSounds()) names.push_back(SoundName(s.buffer));
        tkp_HeadlessClearPlayedSounds();
        return names;
    }

  private:
    int idle_ = 0;
};

// Numbers as "a,b,c", so that several results are compared at once.
template <typename... T>
std::string Numbers(T... v) {
    std::string s;
    ((s += (s.empty() ? "" : ",") + std::to_string(static_cast<long long>(v))), ...);
    return s;
}

// ---- input, as the backend reports it ---------------------------------------------------------
inline void Move(int x, int y) {
    tkp_HeadlessPointerMove(x, y);
}
inline void Click(int x, int y) {
    Move(x, y);
    tkp_HeadlessButton(VK_LBUTTON, true);
    tkp_HeadlessButton(VK_LBUTTON, false);
}
inline void Press(int vk) {
    tkp_HeadlessKey(vk, true);
    tkp_HeadlessKey(vk, false);
}
// The middle of a menu or list entry.
inline POINT Middle(const RECT& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
inline void ClickOn(tk_CPol* e) {
    int w = 0, h = 0;
    e->GetSize(&w, &h);
    Click(e->x + w / 2, e->y + h / 2);
}

// A point of card i that no later visible card covers and that lies in none of the boxes to
// avoid (left, top, right, bottom, edges included); (-1, -1) when there is none.
inline POINT GrabPoint(int i, const std::vector<RECT>& avoid = {}) {
    const CKarta* card = CardAt(i);
    if (!card) return POINT{-1, -1};
    for (int dy = 8; dy < card->vys - 4; dy += 6) {
        for (int dx = 8; dx < card->sir - 4; dx += 6) {
            const int px = card->x + dx, py = card->y + dy;
            bool free = px >= 0 && py >= 0 && px < tk_ScreenW && py < tk_ScreenH;
            for (int j = i + 1; free && j < REG_KARTY.count; ++j) {
                const CKarta* c = CardAt(j);
                free =
                    !(c->visible && px >= c->x && px <= c->x + c->sir && py >= c->y && py <= c->y + c->vys);
            }
            for (const RECT& r : avoid)
                free = free && !(px >= r.left && px <= r.right && py >= r.top && py <= r.bottom);
            if (free) return POINT{px, py};
        }
    }
    return POINT{-1, -1};
}

// Where the pointer must go with card i held so that its corner lands on card j's.
inline POINT DropPoint(int i, int j, POINT grab) {
    return POINT{grab.x + CardAt(j)->x - CardAt(i)->x, grab.y + CardAt(j)->y - CardAt(i)->y};
}

// Takes card i at a free point, drags it onto card j's corner and lets go, all before the next tick.
inline void DragOnto(GameApp& a, int i, int j) {
    int bw = 0, bh = 0;
    a.m_btnMenu->GetSize(&bw, &bh);
    tk_CDAS& b = a.banner_sprite;
    const std::vector<RECT> avoid = {
        {a.m_btnMenu->x, a.m_btnMenu->y, a.m_btnMenu->x + bw, a.m_btnMenu->y + bh},
        {b.x - 4, b.y, b.x + b.AktSIR() + 20, b.y + b.AktVYS()}};
    const POINT g = GrabPoint(i, avoid);
    ASSERT_GE(g.x, 0) << "card " << i << " cannot be taken anywhere";
    const POINT d = DropPoint(i, j, g);
    Move(g.x, g.y);
    tkp_HeadlessButton(VK_LBUTTON, true);
    Move((g.x + d.x) / 2, (g.y + d.y) / 2);
    Move(d.x, d.y);
    tkp_HeadlessButton(VK_LBUTTON, false);
}

// The last presented frame as build/screenshots/<name>.png.
inline void Shot(const std::string& name) {
    EXPECT_TRUE(tkp_HeadlessSaveFramePng((std::string(TK_SCREENSHOT_DIR) + "/" + name + ".png").c_str()));
}

// The bundled card sets in the source tree.
inline std::string SourceCardSets() {
    const std::string here = __FILE__;
    return here.substr(0, here.rfind("tests/")) + "cardsets";
}

using Steps = std::vector<GameApp::Step>;

class GameWorld : public ::testing::Test {
  protected:
    void SetUp() override {
        tkp_HeadlessResetWindowing();
        tkp_HeadlessResetDisplay();
        tkp_HeadlessClearPlayedSounds();
        tk_LOG_on = 1;
        tk_LOG_reset_done = false;
        tk_auto_rx = 15;
        tk_auto_ry = 10;
        tk_glob_APP_Synchro_exe2dll(1920, 1080, 960, 540, nullptr, nullptr, nullptr, nullptr);
        tk_pApp = nullptr;
        tk_hWnd = nullptr;
        tk_bAppActive = 0;
        g_TextFontW = 18;
        g_TextFontH = 22;
        SetScatterClock([] { return 1234567LL; });
        MakeDir(dir_.path() + "/hra");
        std::filesystem::current_path(dir_.path() + "/hra");
    }
    void TearDown() override {
        SetScatterClock(nullptr);
        tk_DSGN_DONE();
        tk_APP_SetEditor(nullptr);
        if (tk_lpDD) tk_APP_Vykonaj_RELEASE_SRF(true);
        std::filesystem::current_path(dir_.path());
    }

    // Copies a bundled card set beside the working folder.
    void CopySet(const char* name) {
        std::filesystem::copy(SourceCardSets() + "/" + name, dir_.path() + "/" + name,
                              std::filesystem::copy_options::recursive);
    }
    // Runs the game with these settings-file bytes and the script.
    static int Run(GameApp& app, const char* settings, std::vector<GameApp::Step> steps) {
        if (settings) WriteFile(kKartolaSettings, settings);
        app.script.assign(steps.begin(), steps.end());
        return app.Execute();
    }
    // The log's lines that match the pattern, with source line numbers written as N.
    static std::vector<std::string> LogLines(const std::string& pattern) {
        std::vector<std::string> lines;
        std::istringstream in(ReadFile("tk_LOG.txt"));
        const std::regex wanted(pattern);
        for (std::string line; std::getline(in, line);) {
            if (std::regex_search(line, wanted))
                lines.push_back(std::regex_replace(line, std::regex(R"(\((\d+)\) : )"), "(N) : "));
        }
        return lines;
    }

    ScopedWorkDir dir_;
};

}  // namespace tk_test
