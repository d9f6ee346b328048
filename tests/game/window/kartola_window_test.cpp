// The game in a real X server (Xvfb), started by `make run`'s own script in a copy of the project's
// layout with the bundled sets, of which the animals (JPEG and PNG pictures, OGG names) load first,
// and played with real pointer events from xdotool: every picture card is dragged onto its name card, where
// the log says the scatter put them, until the congratulation shows; Escape ends the game with status 0 and
// the settings file written. Screenshots of the table, the game half played and the won game go to
// build/screenshots/. Skipped where Xvfb or the X tools are missing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <tuple>

#include "tests/common/tk_test_run.h"

namespace tk_test {
namespace {

namespace fs = std::filesystem;

struct Card {
    int x, y, w, h;
    bool visible;
    bool Holds(int px, int py) const { return visible && px >= x && px <= x + w && py >= y && py <= y + h; }
};

class KartolaWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string missing = MissingTool({"xvfb-run", "Xvfb", "xauth", "xdotool", "xwd", "convert"});
        if (!missing.empty())
            GTEST_SKIP() << "skipped: " << missing << " is not installed (scripts/setup.sh)";
        top_ = dir_.path() + "/top";
        hra_ = top_ + "/cardsets/hra";
        fs::create_directories(hra_);
        fs::create_directories(top_ + "/scripts");
        fs::copy(RepoPath("scripts/run-game.sh"), top_ + "/scripts/run-game.sh");
        for (const char* set : {"DATA_ovocie", "DATA_tvary", "DATA_zvierata"})
            fs::copy(RepoPath(std::string("cardsets/") + set), top_ + "/cardsets/" + set,
                     fs::copy_options::recursive);
        fs::create_directory_symlink(fs::path(TK_SCREENSHOT_DIR).parent_path(), top_ + "/build");
        WriteFile(hra_ + "/KARTOLA.INI", "1280 1024\n2 16");
        // An X server for as long as the holder sleeps; it tells its display and authority.
        const std::string holder = "cd " + dir_.path() +
                                   " && (xvfb-run -a -s \"-screen 0 1280x1024x24\" sh -c 'echo \"$DISPLAY "
                                   "$XAUTHORITY\" > x.env; echo $$ > x.pid; exec sleep 300' >x.out 2>&1 &)";
        ASSERT_EQ(Shell(holder), 0);
        ASSERT_TRUE(WaitFor(20, [&] { return !ReadFile(dir_.path() + "/x.env").empty(); })) << "no X server";
        std::istringstream env(ReadFile(dir_.path() + "/x.env"));
        std::string display, authority;
        env >> display >> authority;
        x_ = "DISPLAY=" + display + " XAUTHORITY=" + authority + " ";
    }
    void TearDown() override {
        // A game still running when the test gave up ends with its X server.
        const std::string game = ReadFile(top_ + "/game.pid");
        if (!game.empty() && ReadFile(top_ + "/game.status").empty())
            Shell(("kill " + game.substr(0, game.find('\n')) + " 2>/dev/null"));
        WaitFor(10, [&] { return game.empty() || !ReadFile(top_ + "/game.status").empty(); });
        const std::string pid = ReadFile(dir_.path() + "/x.pid");
        if (!pid.empty()) Shell(("kill " + pid.substr(0, pid.find('\n')) + " 2>/dev/null"));
    }

    int X(const std::string& command) { return Shell((x_ + command)); }
    // Starts the game as make run does and waits for its loop; the cards' places from the log.
    void StartGame() {
        const std::string start = "cd " + top_ + " && (" + x_ +
                                  "SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy bash scripts/run-game.sh build "
                                  ">game.out 2>&1 & echo $! > game.pid; wait $!; echo $? > game.status) &";
        ASSERT_EQ(Shell(start), 0);
        ASSERT_TRUE(WaitFor(20, [&] {
            return X("xdotool search --name 'KT Tessalin Kartola' >/dev/null 2>&1") == 0;
        })) << ReadFile(top_ + "/game.out");
        ASSERT_TRUE(WaitFor(30, [&] { return Logs("while..."); })) << Log();
        cards_.clear();
        for (const auto& [x, y] : DealtCards(Log())) {
            const bool picture = cards_.size() % 2 == 0;
            cards_.push_back(Card{x, y, picture ? 147 : 150, picture ? 97 : 100, true});
        }
    }
    bool Ended() {
        return WaitFor(20, [&] { return !ReadFile(top_ + "/game.status").empty(); });
    }
    std::string Log() { return ReadFile(hra_ + "/tk_LOG.txt"); }
    bool Logs(const char* text) { return Log().find(text) != std::string::npos; }
    void Shot(const std::string& name) {
        X("xwd -root -silent | convert xwd:- " + std::string(TK_SCREENSHOT_DIR) + "/" + name + ".png");
    }

    ScopedWorkDir dir_;
    std::string top_, hra_, x_;
    std::vector<Card> cards_;
};

TEST_F(KartolaWindow, APlayerDragsEveryCardOntoItsPartnerWinsAndEscapeEnds) {
    const std::string start = "cd " + top_ + " && (" + x_ +
                              "SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy bash scripts/run-game.sh build "
                              ">game.out 2>&1 & echo $! > game.pid; wait $!; echo $? > game.status) &";
    ASSERT_EQ(Shell(start), 0);
    ASSERT_TRUE(WaitFor(20, [&] {
        return X("xdotool search --name 'KT Tessalin Kartola' >/dev/null 2>&1") == 0;
    })) << ReadFile(top_ + "/game.out");
    ASSERT_TRUE(WaitFor(30, [&] { return Logs("while..."); })) << Log();

    // Where the start-up scatter put each card; picture cards are 3 pixels smaller.
    std::vector<Card> cards;
    const std::string log = Log();
    for (const auto& [x, y] : DealtCards(log)) {
        const bool picture = cards.size() % 2 == 0;
        cards.push_back(Card{x, y, picture ? 147 : 150, picture ? 97 : 100, true});
    }
    ASSERT_EQ(cards.size(), 16u)
        << "the animals set of JPEG and PNG pictures, listed last, is loaded at start";
    // Each of its pairs has its spoken name, an OGG file.
    EXPECT_EQ(CountMatches(log, R"(wav sub init \[[^\]]+\.ogg\])"), 8);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    Shot("kartola_window_table");

    // A point of card i that no later visible card covers, away from the menu button.
    auto grab = [&](int i) {
        const Card& c = cards[i];
        for (int dy = 10; dy < c.h - 5; dy += 5) {
            for (int dx = 10; dx < c.w - 5; dx += 5) {
                const int px = c.x + dx, py = c.y + dy;
                bool free = !(py < 40 && px > 560 && px < 720);
                for (std::size_t j = i + 1; free && j < cards.size(); ++j) free = !cards[j].Holds(px, py);
                if (free) return std::pair<int, int>(px, py);
            }
        }
        return std::pair<int, int>(-1, -1);
    };
    for (int p = 0; p < 8; ++p) {
        const auto [gx, gy] = grab(2 * p);
        ASSERT_GE(gx, 0) << "card " << 2 * p << " is covered";
        const int tx = gx + cards[2 * p + 1].x - cards[2 * p].x,
                  ty = gy + cards[2 * p + 1].y - cards[2 * p].y;
        char drag[300];
        std::snprintf(drag, sizeof drag,
                      "xdotool mousemove %d %d sleep 0.15 mousedown 1 sleep 0.1 mousemove %d %d sleep 0.1 "
                      "mousemove %d %d sleep 0.15 mouseup 1 sleep 0.2",
                      gx, gy, (gx + tx) / 2, (gy + ty) / 2, tx, ty);
        ASSERT_EQ(X(drag), 0);
        cards[2 * p].visible = cards[2 * p + 1].visible = false;
        if (p == 4) {
            // The pointer leaves the table for the picture of the half-played game.
            X("xdotool mousemove 640 900 sleep 0.3");
            Shot("kartola_window_midgame");
        }
    }
    ASSERT_TRUE(WaitFor(5, [&] { return Logs("Vsetky pary najdene [8]"); })) << "not won: " << Log();
    X("xdotool mousemove 1100 950 sleep 0.4");
    Shot("kartola_window_won");
    ASSERT_EQ(X("xdotool key Escape"), 0);
    ASSERT_TRUE(WaitFor(20, [&] { return !ReadFile(top_ + "/game.status").empty(); }))
        << "the game did not end";
    EXPECT_EQ(ReadFile(top_ + "/game.status"), "0\n") << ReadFile(top_ + "/game.out");
    EXPECT_EQ(ReadFile(hra_ + "/KARTOLA.INI"), "1280 1024\n2 16");
    // The game itself logged no error (without a sound card the framework logs that it runs silent).
    EXPECT_EQ(CountMatches(Log(), R"(Kartola\(\d+\) : TSKW ERROR)"), 0);
}

TEST_F(KartolaWindow, AWholeGameByTabAndEnterAloneAndTheSettingsWrittenAtSigterm) {
    ASSERT_NO_FATAL_FAILURE(StartGame());
    ASSERT_EQ(cards_.size(), 16u);
    // Tab walks the visible cards by their top edge, then their left edge.
    auto order = [&] {
        std::vector<int> v;
        for (int i = 0; i < 16; ++i)
            if (cards_[i].visible) v.push_back(i);
        std::sort(v.begin(), v.end(), [&](int a, int b) {
            return std::tie(cards_[a].y, cards_[a].x, a) < std::tie(cards_[b].y, cards_[b].x, b);
        });
        return v;
    };
    int focus = -1;
    auto tabsTo = [&](int target) {
        const std::vector<int> v = order();
        const auto at = std::find(v.begin(), v.end(), focus);
        const int from = at == v.end() ? -1 : static_cast<int>(at - v.begin());
        const int to = static_cast<int>(std::find(v.begin(), v.end(), target) - v.begin());
        focus = target;
        const int n = static_cast<int>(v.size());
        return from < 0 ? to + 1 : (to - from + n) % n;
    };
    for (int p = 0; p < 8; ++p) {
        std::string keys = "xdotool";
        for (int card : {2 * p, 2 * p + 1}) {
            const int n = tabsTo(card);
            for (int i = 0; i < n; ++i) keys += " key Tab sleep 0.05";
            keys += " key Return sleep 0.15";
        }
        ASSERT_EQ(X(keys), 0);
        cards_[2 * p].visible = cards_[2 * p + 1].visible = false;
        // After a pair the focus goes to the first card in reading order.
        focus = order().empty() ? -1 : order().front();
    }
    ASSERT_TRUE(WaitFor(5, [&] { return Logs("Vsetky pary najdene [8]"); })) << "not won: " << Log();
    Shot("kartola_window_keys_won");
    // A font change, then the end by a termination signal: both files are written.
    ASSERT_EQ(X("xdotool key shift+F1 sleep 0.3"), 0);
    const std::string game = ReadFile(top_ + "/game.pid");
    // The script execs the game: its process id is the game's.
    ASSERT_EQ(Shell("kill -TERM " + game.substr(0, game.find('\n'))), 0);
    ASSERT_TRUE(Ended()) << "the game did not end";
    EXPECT_EQ(ReadFile(hra_ + "/KARTOLA.INI"), "1280 1024\n2 16");
    EXPECT_NE(ReadFile(hra_ + "/KARTOLA.MEM").find("font_width=17"), std::string::npos)
        << ReadFile(hra_ + "/KARTOLA.MEM");
}

}  // namespace
}  // namespace tk_test
