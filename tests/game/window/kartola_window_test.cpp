// The game in a real X server (Xvfb), started by `make run`'s own script in a copy of the project's
// layout with the bundled sets, of which the animals (JPEG and PNG pictures, OGG names) load first,
// and played with real pointer events from xdotool: every picture card is dragged onto its name card, where
// the log says the scatter put them, until the congratulation shows; Escape ends the game with status 0 and
// the settings file written. Screenshots of the table, the game half played and the won game go to
// build/screenshots/. A second game plays a set of phone photos on a folder nobody can write, dealt
// at start because the game remembers it. Skipped where Xvfb or the X tools are missing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <tuple>

#include "tests/common/tk_test_media.h"
#include "tests/common/tk_test_run.h"
#include "tests/common/tk_test_surface.h"
#include "tests/common/tk_test_unwritable.h"
#include "tests/game/window/wm_close.h"

namespace tk_test {
namespace {

namespace fs = std::filesystem;

struct Card {
    int x, y, w, h;
    bool visible;
    bool Holds(int px, int py) const { return visible && px >= x && px <= x + w && py >= y && py <= y + h; }
};

// Where a back-buffer pixel is on the screen: the frame is scaled into the window with its aspect
// kept and centred, as the pointer is mapped back.
struct Placement {
    int left, top;       // the window's position on the screen
    int width, height;   // the window's size
    int frameW, frameH;  // the back buffer's size
    std::pair<int, int> OnScreen(int x, int y) const {
        const double scale = std::min(double(width) / frameW, double(height) / frameH);
        const int offsetX = (width - int(frameW * scale)) / 2, offsetY = (height - int(frameH * scale)) / 2;
        return {left + offsetX + int((x + 0.5) * scale), top + offsetY + int((y + 0.5) * scale)};
    }
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
        env >> display_ >> authority_;
        x_ = "DISPLAY=" + display_ + " XAUTHORITY=" + authority_ + " ";
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
        Start("");
        if (HasFatalFailure()) return;
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

    // Starts the game with make run's script and these arguments and waits for its loop.
    void Start(const std::string& args) {
        if (x_.empty()) StartX(1280, 1024);
        if (HasFatalFailure()) return;
        const std::string start =
            "cd " + top_ + " && (" + x_ +
            "SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy bash scripts/run-game.sh build " + args +
            " >game.out 2>&1 & echo $! > game.pid; wait $!; echo $? > game.status) &";
        ASSERT_EQ(Shell(start), 0);
        ASSERT_TRUE(WaitFor(20, [&] { return X("xdotool search --name '^Kartola$' >/dev/null 2>&1") == 0; }))
            << ReadFile(top_ + "/game.out");
        ASSERT_TRUE(WaitFor(30, [&] { return Logs("while..."); })) << Log();
    }

    // Drags every picture card onto its name card, where the log says the scatter put them, with
    // the frame placed on the screen so; the congratulation must show, and Escape end the game with
    // status 0. Screenshots <shot>_table, _midgame and _won.
    void Play(const Placement& at, const std::string& shot, int pairs = 8) {
        // Where the start-up scatter put each card; picture cards are 3 pixels smaller.
        std::vector<Card> cards;
        const std::string log = Log();
        for (const auto& [x, y] : DealtCards(log)) {
            const bool picture = cards.size() % 2 == 0;
            cards.push_back(Card{x, y, picture ? 147 : 150, picture ? 97 : 100, true});
        }
        ASSERT_EQ(cards.size(), 2u * pairs) << "the set dealt at start: " << log;
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        Shot(shot + "_table");

        // A point of card i that no later visible card covers, away from the menu button.
        auto grab = [&](int i) {
            const Card& c = cards[i];
            for (int dy = 10; dy < c.h - 5; dy += 5) {
                for (int dx = 10; dx < c.w - 5; dx += 5) {
                    const int px = c.x + dx, py = c.y + dy;
                    bool free = !(py < 40 && px > at.frameW / 2 - 80 && px < at.frameW / 2 + 80);
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
            const auto [sx, sy] = at.OnScreen(gx, gy);
            const auto [mx, my] = at.OnScreen((gx + tx) / 2, (gy + ty) / 2);
            const auto [ex, ey] = at.OnScreen(tx, ty);
            char drag[300];
            std::snprintf(
                drag, sizeof drag,
                "xdotool mousemove %d %d sleep 0.15 mousedown 1 sleep 0.1 mousemove %d %d sleep 0.1 "
                "mousemove %d %d sleep 0.15 mouseup 1 sleep 0.2",
                sx, sy, mx, my, ex, ey);
            ASSERT_EQ(X(drag), 0);
            cards[2 * p].visible = cards[2 * p + 1].visible = false;
            if (p == pairs / 2) {
                // The pointer leaves the table for the picture of the half-played game.
                const auto [ox, oy] = at.OnScreen(at.frameW / 2, at.frameH * 7 / 8);
                X("xdotool mousemove " + std::to_string(ox) + " " + std::to_string(oy) + " sleep 0.3");
                Shot(shot + "_midgame");
            }
        }
        ASSERT_TRUE(
            WaitFor(5, [&] { return Logs(("Vsetky pary najdene [" + std::to_string(pairs) + "]").c_str()); }))
            << "not won: " << Log();
        const auto [wx, wy] = at.OnScreen(at.frameW * 6 / 7, at.frameH * 13 / 14);
        X("xdotool mousemove " + std::to_string(wx) + " " + std::to_string(wy) + " sleep 0.4");
        Shot(shot + "_won");
        ASSERT_EQ(X("xdotool key Escape"), 0);
        ASSERT_TRUE(WaitFor(20, [&] { return !ReadFile(top_ + "/game.status").empty(); }))
            << "the game did not end";
        EXPECT_EQ(ReadFile(top_ + "/game.status"), "0\n") << ReadFile(top_ + "/game.out");
        // The game itself logged no error (without a sound card the framework logs that it runs silent).
        EXPECT_EQ(CountMatches(Log(), R"(Kartola\(\d+\) : TSKW ERROR)"), 0);
    }

    ScopedWorkDir dir_;
    std::string top_, hra_, x_, display_, authority_;
    std::vector<Card> cards_;
};

TEST_F(KartolaWindow, APlayerDragsEveryCardOntoItsPartnerWinsAndEscapeEnds) {
    Start("");
    // The animals set of JPEG and PNG pictures, listed last, is dealt at start; each of its pairs
    // has its spoken name, an OGG file.
    EXPECT_EQ(CountMatches(Log(), R"(wav sub init \[[^\]]+\.ogg\])"), 8);
    Play(Placement{0, 0, 1280, 1024, 1280, 1024}, "kartola_window");
    EXPECT_EQ(ReadFile(hra_ + "/KARTOLA.INI"), "1280 1024\n2 16");
}

// In an ordinary window, titled with the game's name, that the user then makes smaller than the
// frame: the frame is shown scaled into it and every drag still lands where the pointer is.
TEST_F(KartolaWindow, InAResizedWindowTheDragsLandWhereThePointerIs) {
    Start("--window=1024x768");
    const std::string id = Output(x_ + "xdotool search --name Kartola | head -n1");
    ASSERT_FALSE(id.empty());
    const std::string window = id.substr(0, id.find('\n'));
    EXPECT_EQ(Output(x_ + "xdotool getwindowname " + window), "Kartola\n");
    EXPECT_EQ(Output(x_ + "xprop -id " + window + " WM_TRANSIENT_FOR"), "WM_TRANSIENT_FOR:  not found.\n");
    ASSERT_EQ(X("xdotool windowsize " + window + " 700 600 sleep 0.5"), 0);
    const std::string geometry = Output(x_ + "xdotool getwindowgeometry --shell " + window);
    Placement at{0, 0, 0, 0, 1024, 768};
    std::sscanf(geometry.c_str(), "WINDOW=%*d\nX=%d\nY=%d\nWIDTH=%d\nHEIGHT=%d", &at.left, &at.top, &at.width,
                &at.height);
    ASSERT_EQ(at.width, 700) << geometry;
    ASSERT_EQ(at.height, 600) << geometry;
    Play(at, "kartola_window_resized");
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
    ASSERT_NO_FATAL_FAILURE(Start(""));
    ASSERT_NO_FATAL_FAILURE(Play(Placement{0, 0, 1280, 1024, 1280, 1024}, "kartola_window_photos", 4));
    lock.Undo();
    EXPECT_EQ(FilesIn(set), "hrad.jpg les.jpg lúka.jpg more.jpg");
    EXPECT_EQ(CountMatches(Log(), "thumbnail written to the cache"), 4) << Log();
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

// The window manager's close (its close button sends WM_DELETE_WINDOW) ends the game as Escape
// does: status 0, the settings file written again and the name font kept.
TEST_F(KartolaWindow, TheWindowManagersCloseWritesTheSettings) {
    ASSERT_NO_FATAL_FAILURE(Start(""));
    ASSERT_EQ(X("xdotool key shift+F1 sleep 0.3"), 0);
    // Read at start; only the close can write it again.
    fs::remove(hra_ + "/KARTOLA.INI");
    const std::string id = Output(x_ + "xdotool search --name '^Kartola$' | head -n1");
    ASSERT_FALSE(id.empty());
    ASSERT_TRUE(SendWindowManagerClose(display_, authority_, std::stoul(id)));
    ASSERT_TRUE(Ended()) << "the game did not end";
    EXPECT_EQ(ReadFile(top_ + "/game.status"), "0\n") << ReadFile(top_ + "/game.out");
    EXPECT_EQ(ReadFile(hra_ + "/KARTOLA.INI"), "1280 1024\n2 16");
    EXPECT_NE(ReadFile(hra_ + "/KARTOLA.MEM").find("font_width=17"), std::string::npos)
        << ReadFile(hra_ + "/KARTOLA.MEM");
}

// A school laptop's screen: the congratulation's white letters reach close to the right edge (its
// "!") and touch neither edge of the screen, so none is cut off.
TEST_F(KartolaWindow, OnALaptopScreenTheWholeCongratulationShows) {
    ASSERT_NO_FATAL_FAILURE(StartX(1366, 768));
    ASSERT_NO_FATAL_FAILURE(Start(""));
    ASSERT_NO_FATAL_FAILURE(Play(Placement{0, 0, 1366, 768, 1366, 768}, "kartola_window_1366x768"));
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
