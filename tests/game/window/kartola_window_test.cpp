// The game in a real X server (Xvfb), started by `make run`'s own script in a copy of the project's
// layout with the bundled sets, of which the animals (JPEG and PNG pictures, OGG names) load first,
// and played with real pointer events from xdotool: every picture card is dragged onto its name card, where
// the log says the scatter put them, until the congratulation shows; Escape ends the game with status 0 and
// the settings file written. Screenshots of the table, the game half played and the won game go to
// build/screenshots/. Skipped where Xvfb or the X tools are missing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "tests/common/tk_test_run.h"
#include "tests/common/tk_test_surface.h"

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
    }
    // An X server of w x h for as long as the holder sleeps; it tells its display and authority. The
    // game's settings ask for the same size.
    void StartX(int w, int h) {
        const std::string size = std::to_string(w) + "x" + std::to_string(h);
        WriteFile(hra_ + "/KARTOLA.INI", std::to_string(w) + " " + std::to_string(h) + "\n2 16");
        const std::string holder = "cd " + dir_.path() + " && (xvfb-run -a -s \"-screen 0 " + size +
                                   "x24\" sh -c 'echo \"$DISPLAY "
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
    std::string Log() { return ReadFile(hra_ + "/tk_LOG.txt"); }
    bool Logs(const char* text) { return Log().find(text) != std::string::npos; }
    void Shot(const std::string& name) {
        X("xwd -root -silent | convert xwd:- " + std::string(TK_SCREENSHOT_DIR) + "/" + name + ".png");
    }

    // Plays the whole game on a w x h screen; the screenshots are named with the prefix.
    void PlayAGame(int w, int h, const std::string& shots);

    ScopedWorkDir dir_;
    std::string top_, hra_, x_;
};

void KartolaWindow::PlayAGame(int w, int h, const std::string& shots) {
    StartX(w, h);
    if (HasFatalFailure()) return;
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
    Shot(shots + "_table");

    // A point of card i that no later visible card covers, away from the menu button.
    auto grab = [&](int i) {
        const Card& c = cards[i];
        for (int dy = 10; dy < c.h - 5; dy += 5) {
            for (int dx = 10; dx < c.w - 5; dx += 5) {
                const int px = c.x + dx, py = c.y + dy;
                bool free = !(py < 40 && px > w / 2 - 80 && px < w / 2 + 80);
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
            X("xdotool mousemove " + std::to_string(w / 2) + " " + std::to_string(h - 100) + " sleep 0.3");
            Shot(shots + "_midgame");
        }
    }
    ASSERT_TRUE(WaitFor(5, [&] { return Logs("Vsetky pary najdene [8]"); })) << "not won: " << Log();
    X("xdotool mousemove " + std::to_string(w - 180) + " " + std::to_string(h - 70) + " sleep 0.4");
    Shot(shots + "_won");
    ASSERT_EQ(X("xdotool key Escape"), 0);
    ASSERT_TRUE(WaitFor(20, [&] { return !ReadFile(top_ + "/game.status").empty(); }))
        << "the game did not end";
    EXPECT_EQ(ReadFile(top_ + "/game.status"), "0\n") << ReadFile(top_ + "/game.out");
    EXPECT_EQ(ReadFile(hra_ + "/KARTOLA.INI"), std::to_string(w) + " " + std::to_string(h) + "\n2 16");
    // The game itself logged no error (without a sound card the framework logs that it runs silent).
    EXPECT_EQ(CountMatches(Log(), R"(Kartola\(\d+\) : TSKW ERROR)"), 0);
}

TEST_F(KartolaWindow, APlayerDragsEveryCardOntoItsPartnerWinsAndEscapeEnds) {
    PlayAGame(1280, 1024, "kartola_window");
}

// A school laptop's screen: the congratulation's white letters reach close to the right edge (its
// "!") and touch neither edge of the screen, so none is cut off.
TEST_F(KartolaWindow, OnALaptopScreenTheWholeCongratulationShows) {
    PlayAGame(1366, 768, "kartola_window_1366x768");
    if (HasFatalFailure()) return;
    int w = 0, h = 0;
    std::vector<std::uint32_t> px;
    ASSERT_TRUE(ReadPng(std::string(TK_SCREENSHOT_DIR) + "/kartola_window_1366x768_won.png", &w, &h, &px));
    ASSERT_EQ(Nums(w, h), "1366,768");
    int atEdges = 0, left = w, right = -1;
    for (int y = h / 2 - 120; y < h / 2 + 120; ++y)
        for (int x = 0; x < w; ++x) {
            if ((px[static_cast<std::size_t>(y) * w + x] & 0xFFFFFFu) != 0xFFFFFFu) continue;
            atEdges += x < 2 || x >= w - 2;
            if (x >= 180) left = std::min(left, x), right = std::max(right, x);
        }
    EXPECT_EQ(atEdges, 0);
    EXPECT_TRUE(right > w - 150 && right < w - 2 && left < 400) << left << " " << right;
}

}  // namespace
}  // namespace tk_test
