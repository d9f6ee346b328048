// The world of the game's tests: the application shell's world with a working folder "hra" whose
// parent holds copies of the bundled card sets, a fixed scatter clock, and GameApp, the real game
// run by the real Execute and loop that plays a script, one step per tick of timer 1.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "game/CKarta.h"
#include "game/kartola_app.h"
#include "game/kartola_fonts.h"
#include "game/kartola_table.h"
#include "tests/common/app/tk_app_world.h"

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
        PlayNextStep(*this, script, idle_);
    }

    // The sounds played since the last call, by name (one of the game's four, or the pair's name)
    // and parted by spaces, and the record forgotten.
    std::string TakeSounds() {
        const std::pair<tk_CDSO_Zvuk*, const char*> own[] = {{&snd_naraz, "zvuknaraz.wav"},
                                                             {&snd_koniec, "zvukkoniec.wav"},
                                                             {&snd_tada, "zvuktada.wav"},
                                                             {&snd_cvak, "zvukcvak.wav"}};
        std::string names;
        for (const tkp::headless::PlayedSound& s : tkp::headless::PlayedSounds()) {
            std::string heard = "?";
            for (const auto& [sound, label] : own)
                if (sound->m_lpDSB == s.buffer) heard = label;
            for (int i = 0; i < REG_ZVUK.count; ++i)
                if (SoundOf(i) && SoundOf(i)->m_lpDSB == s.buffer) heard = NameOf(i)->text;
            names += (names.empty() ? "" : " ") + heard;
        }
        tkp::headless::ClearPlayedSounds();
        return names;
    }

  private:
    int idle_ = 0;
};

inline void Move(int x, int y) {
    tkp::headless::PointerMove(x, y);
}
// The right button pressed and released at (x, y): the menu comes there.
inline void RightClick(int x, int y) {
    Move(x, y);
    tkp::headless::Button(VK_RBUTTON, true);
    tkp::headless::Button(VK_RBUTTON, false);
}
// The middle of a menu or list entry.
inline POINT Middle(const RECT& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The pointer to the middle of the entry of the list showing the row with that value; a click there.
inline void MoveTo(tk_CDUI& list, int id, bool click = false) {
    for (int i = 0; i < list.volby.count; ++i) {
        if (list.EntryAt(i)->id == id && list.EntryAt(i)->rect2_mode == 0) {
            const POINT p = Middle(list.EntryAt(i)->rect);
            return click ? Click(p.x, p.y) : Move(p.x, p.y);
        }
    }
    ADD_FAILURE() << "no entry " << id;
}
inline void ClickEntry(tk_CDUI& list, int id) {
    MoveTo(list, id, true);
}

// A point of card i where it is the topmost card, away from the menu button; (-1, -1) for none.
inline POINT TakePoint(GameApp& a, int i) {
    int bw = 0, bh = 0;
    a.m_btnMenu->GetSize(&bw, &bh);
    const tk_CPol& m = *a.m_btnMenu;
    const CKarta* card = CardAt(i);
    for (int dy = 8; dy < card->vys - 4; dy += 6) {
        for (int dx = 8; dx < card->sir - 4; dx += 6) {
            const int px = card->x + dx, py = card->y + dy;
            const bool onButton = px >= m.x && px <= m.x + bw && py >= m.y && py <= m.y + bh;
            if (!onButton && px >= 0 && py >= 0 && px < tk_ScreenW && py < tk_ScreenH &&
                CardUnderPointer(px, py) == i)
                return POINT{px, py};
        }
    }
    return POINT{-1, -1};
}

// Takes card i at a point where it is the topmost card, away from the menu button, drags it so
// that its corner lands on card j's and lets go, all before the next tick.
inline void DragOnto(GameApp& a, int i, int j) {
    const CKarta* card = CardAt(i);
    const POINT g = TakePoint(a, i);
    ASSERT_GE(g.x, 0) << "card " << i << " cannot be taken anywhere";
    const POINT d{g.x + CardAt(j)->x - card->x, g.y + CardAt(j)->y - card->y};
    Move(g.x, g.y);
    tkp::headless::Button(VK_LBUTTON, true);
    Move((g.x + d.x) / 2, (g.y + d.y) / 2);
    Move(d.x, d.y);
    tkp::headless::Button(VK_LBUTTON, false);
}

// The sounds of a pair found, as TakeSounds names them: the pair's own when card sounds are on and
// it has one, then the snap.
inline std::string FoundSounds(int pair, bool cardSounds = true) {
    return (cardSounds && SoundOf(pair) ? std::string(NameOf(pair)->text) + " " : "") + "zvuknaraz.wav";
}

using Steps = std::vector<GameApp::Step>;
inline const GameApp::Step kIdle = [](GameApp&) {};

// Once the step before opened the menu: its row of card sets, then the set whose row has the value
// id, chosen. Geometry changed by input is laid out by the frame after it: each move waits a step.
inline void ChooseSet(Steps& steps, int id) {
    steps.insert(steps.end(), {kIdle, [](GameApp& a) { MoveTo(a.dui_Main, kMenuSets); }, kIdle,
                               [id](GameApp& a) { MoveTo(a.utl_duir_DATA, id); },
                               [id](GameApp& a) { ClickEntry(a.utl_duir_DATA, id); }});
}

// Once the step before pressed the resolution button: the dialog's first row (the smallest mode,
// 800 x 600) chosen and confirmed.
inline void ChooseSmallestMode(Steps& steps) {
    steps.insert(steps.end(), {kIdle,
                               [](GameApp& a) {
                                   const POINT p =
                                       Middle(a.m_dlgRozlisenie->m_duir_Rozlisenia->EntryAt(0)->rect);
                                   Click(p.x, p.y);
                               },
                               [](GameApp& a) { ClickOn(a.FindCHLWithID(1222)); }});
}

class GameWorld : public AppWorld {
  protected:
    void SetUp() override {
        AppWorld::SetUp();
        tkp::headless::ClearPlayedSounds();
        g_TextFontW = 18, g_TextFontH = 22;
        SetScatterClock([] { return 1234567LL; });
        MakeDir(dir_.path() + "/hra");
        std::filesystem::current_path(dir_.path() + "/hra");
    }
    void TearDown() override {
        SetScatterClock(nullptr);
        AppWorld::TearDown();
        std::filesystem::current_path(dir_.path());
    }

    // Copies a bundled card set beside the working folder.
    void CopySet(const char* name) {
        std::filesystem::copy(RepoPath(std::string("cardsets/") + name), dir_.path() + "/" + name,
                              std::filesystem::copy_options::recursive);
    }
};

}  // namespace tk_test
