// The game in a real X server (Xvfb), started by `make run`'s own script in a copy of the project's
// layout with the bundled sets, of which the animals (JPEG and PNG pictures, OGG names) load first,
// and played with real pointer events from xdotool: every picture card is dragged onto its name card, where
// the log says the scatter put them, until the congratulation shows; Escape ends the game with status 0 and
// the settings file written. Screenshots of the table, the game half played and the won game go to
// build/screenshots/. A second game plays a set of phone photos on a folder nobody can write, dealt
// at start because the game remembers it. Skipped where Xvfb or the X tools are missing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "tests/common/tk_test_media.h"
#include "tests/common/tk_test_run.h"
#include "tests/common/tk_test_unwritable.h"

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

    // Drags every picture card onto its name card, where the log says the start-up scatter put
    // them, with screenshots of the table and the half-played game when shots is true.
    void PlayToTheWin(int pairs, bool shots) {
        // Where the start-up scatter put each card; picture cards are 3 pixels smaller.
        std::vector<Card> cards;
        for (const auto& [x, y] : DealtCards(Log())) {
            const bool picture = cards.size() % 2 == 0;
            cards.push_back(Card{x, y, picture ? 147 : 150, picture ? 97 : 100, true});
        }
        ASSERT_EQ(cards.size(), 2u * pairs) << "the set dealt at start: " << Log();
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        if (shots) Shot("kartola_window_table");
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
        for (int p = 0; p < pairs; ++p) {
            const auto [gx, gy] = grab(2 * p);
            ASSERT_GE(gx, 0) << "card " << 2 * p << " is covered";
            const int tx = gx + cards[2 * p + 1].x - cards[2 * p].x,
                      ty = gy + cards[2 * p + 1].y - cards[2 * p].y;
            char drag[300];
            std::snprintf(
                drag, sizeof drag,
                "xdotool mousemove %d %d sleep 0.15 mousedown 1 sleep 0.1 mousemove %d %d sleep 0.1 "
                "mousemove %d %d sleep 0.15 mouseup 1 sleep 0.2",
                gx, gy, (gx + tx) / 2, (gy + ty) / 2, tx, ty);
            ASSERT_EQ(X(drag), 0);
            cards[2 * p].visible = cards[2 * p + 1].visible = false;
            if (shots && p == 4) {
                // The pointer leaves the table for the picture of the half-played game.
                X("xdotool mousemove 640 900 sleep 0.3");
                Shot("kartola_window_midgame");
            }
        }
        ASSERT_TRUE(
            WaitFor(5, [&] { return Logs(("Vsetky pary najdene [" + std::to_string(pairs) + "]").c_str()); }))
            << "not won: " << Log();
    }

    // Starts the game as `make run` does and waits for its window.
    void StartGame() {
        const std::string start = "cd " + top_ + " && (" + x_ +
                                  "SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy bash scripts/run-game.sh build "
                                  ">game.out 2>&1 & echo $! > game.pid; wait $!; echo $? > game.status) &";
        ASSERT_EQ(Shell(start), 0);
        ASSERT_TRUE(WaitFor(20, [&] {
            return X("xdotool search --name 'KT Tessalin Kartola' >/dev/null 2>&1") == 0;
        })) << ReadFile(top_ + "/game.out");
    }

    int X(const std::string& command) { return Shell((x_ + command)); }
    std::string Log() { return ReadFile(hra_ + "/tk_LOG.txt"); }
    bool Logs(const char* text) { return Log().find(text) != std::string::npos; }
    void Shot(const std::string& name) {
        X("xwd -root -silent | convert xwd:- " + std::string(TK_SCREENSHOT_DIR) + "/" + name + ".png");
    }

    ScopedWorkDir dir_;
    std::string top_, hra_, x_;
};

TEST_F(KartolaWindow, APlayerDragsEveryCardOntoItsPartnerWinsAndEscapeEnds) {
    ASSERT_NO_FATAL_FAILURE(StartGame());
    ASSERT_TRUE(WaitFor(30, [&] { return Logs("while..."); })) << Log();

    ASSERT_NO_FATAL_FAILURE(PlayToTheWin(8, true));
    // Each of its pairs has its spoken name, an OGG file.
    EXPECT_EQ(CountMatches(Log(), R"(wav sub init \[[^\]]+\.ogg\])"), 8);
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

// A teacher's set of phone photos on a stick nobody can write: 4:3 photos, a portrait one stored on
// its side, dealt at start because the game remembers it, with thumbnails in the user's cache, and
// played to the win.
TEST_F(KartolaWindow, AReadOnlySetOfPhotosIsPlayedToTheWin) {
    const std::string set = top_ + "/cardsets/DATA_výlet";
    MakeDir(set);
    auto photo = [](int w, int h, std::uint32_t sky) {
        std::vector<std::uint32_t> p;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const double dx = x - w / 2.0, dy = y - h / 2.0, r = 0.3 * std::min(w, h);
                p.push_back(dx * dx + dy * dy < r * r ? 0xE0A020u : y < h / 2 ? sky : 0x30A040u);
            }
        return p;
    };
    WriteFile(set + "/more.jpg", JpegFile(1200, 900, photo(1200, 900, 0x4080F0), {}));
    WriteFile(set + "/hrad.jpg", JpegFile(900, 1200, photo(900, 1200, 0x80A0D0), {}));
    WriteFile(set + "/les.jpg", JpegFile(1200, 900, photo(1200, 900, 0x204060), {.orientation = 6}));
    WriteFile(set + "/lúka.jpg", JpegFile(1500, 1000, photo(1500, 1000, 0x90C0F0), {}));
    WriteFile(hra_ + "/KARTOLA.MEM", "set=DATA_výlet\n");
    WriteFile("tk_LOG.txt", "");
    Unwritable lock(set);
    ASSERT_FALSE(Writable(set));
    ASSERT_NO_FATAL_FAILURE(StartGame());
    ASSERT_TRUE(WaitFor(30, [&] { return Logs("while..."); })) << Log();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    Shot("kartola_window_photos");
    ASSERT_NO_FATAL_FAILURE(PlayToTheWin(4, false));
    ASSERT_EQ(X("xdotool key Escape"), 0);
    ASSERT_TRUE(WaitFor(20, [&] { return !ReadFile(top_ + "/game.status").empty(); }))
        << "the game did not end";
    lock.Undo();
    EXPECT_EQ(ReadFile(top_ + "/game.status"), "0\n") << ReadFile(top_ + "/game.out");
    EXPECT_EQ(FilesIn(set), "hrad.jpg les.jpg lúka.jpg more.jpg");
    EXPECT_EQ(CountMatches(Log(), "thumbnail written to the cache"), 4) << Log();
}

}  // namespace
}  // namespace tk_test
