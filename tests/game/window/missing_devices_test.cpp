// The game started as a user starts it (build/game/kartola in a folder beside the bundled card
// sets) on machines that lack something: no sound device, no display at all, a display smaller than
// 800 x 600, no font the game asks for or no font at all. It must start, show the table and end
// with status 0 on Escape, or, without a display, say why on standard error and end at once with
// a non-zero status. Every run is bounded by `timeout`, so a hang fails instead of blocking.
// Skipped where Xvfb or the X tools are missing.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/common/tk_test_run.h"

namespace tk_test {
namespace {

namespace fs = std::filesystem;

// Inside an X server: start the game, wait for its loop, take a screenshot, note the window's
// size, press Escape and write the game's exit status (124 when it had to be killed).
const char* kDriver = R"SH(set -u
RUN=$1; EXE=$2; ARGS=${3:-}
cd "$RUN"
timeout 40 "$EXE" $ARGS >game.out 2>game.err &
pid=$!
if timeout 20 xdotool search --sync --name "Kartola" >window.id 2>/dev/null; then
    for i in $(seq 1 300); do grep -q 'while\.\.\.' tk_LOG.txt 2>/dev/null && break; sleep 0.05; done
    sleep 0.5
    xdotool getwindowgeometry --shell "$(head -n1 window.id)" >window.geometry
    xwd -root -silent | convert xwd:- shot.png
    xdotool key Escape
fi
wait $pid
echo $? >game.status
)SH";

// What a run left behind: the exit status, standard error, the log and the window's geometry.
struct Outcome {
    std::string status, err, log, geometry;
};

class MissingDevices : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string missing =
            MissingTool({"xvfb-run", "Xvfb", "xauth", "xdotool", "xwd", "convert", "timeout"});
        if (!missing.empty())
            GTEST_SKIP() << "skipped: " << missing << " is not installed (scripts/setup.sh)";
        exe_ = fs::path(TK_SCREENSHOT_DIR).parent_path() / "game" / "kartola";
        ASSERT_TRUE(fs::exists(exe_)) << exe_ << " was not built";
        hra_ = dir_.path() + "/hra";
        MakeDir(hra_);
        for (const char* set : {"DATA_ovocie", "DATA_tvary"})
            fs::copy(RepoPath(std::string("cardsets/") + set), dir_.path() + "/" + set,
                     fs::copy_options::recursive);
        WriteFile(hra_ + "/KARTOLA.INI", "1280 1024\n2 16");
        WriteFile(dir_.path() + "/driver.sh", kDriver);
    }

    // Plays the driver in an X server of that size with the environment and the game's arguments; the shot is
    // kept as build/screenshots/<shot>.png.
    Outcome InDisplay(const std::string& screen, const std::string& environment, const std::string& shot,
                      const std::string& args = "") {
        Shell("cd " + dir_.path() + " && " + environment +
              " SDL_VIDEODRIVER=x11 timeout 90 xvfb-run -a -s '-screen 0 " + screen + "x24' bash driver.sh " +
              hra_ + " " + exe_.string() + " '" + args + "' >driver.out 2>&1");
        if (fs::exists(hra_ + "/shot.png"))
            fs::copy_file(hra_ + "/shot.png", std::string(TK_SCREENSHOT_DIR) + "/" + shot + ".png",
                          fs::copy_options::overwrite_existing);
        return Collect();
    }
    // Runs the game without any X server, bounded by a timeout.
    Outcome NoDisplay(const std::string& environment) {
        Shell("cd " + hra_ + " && env -u DISPLAY -u WAYLAND_DISPLAY " + environment + " timeout 40 " +
              exe_.string() + " >game.out 2>game.err; echo $? >game.status");
        return Collect();
    }
    Outcome Collect() {
        return Outcome{ReadFile(hra_ + "/game.status"), ReadFile(hra_ + "/game.err"),
                       ReadFile(hra_ + "/tk_LOG.txt"), ReadFile(hra_ + "/window.geometry")};
    }
    ScopedWorkDir dir_;
    fs::path exe_;
    std::string hra_;
};

TEST_F(MissingDevices, WithoutASoundDeviceTheGameRunsSilentWithOneLogLine) {
    // No such audio driver, SDL's dummy driver, which makes no sound, and ALSA asked for a device
    // it does not know, which it complains about in its own words: those go into the log, never
    // onto the console.
    for (const char* driver : {"nosuchdriver", "dummy", "alsa AUDIODEV=kartola_no_such_pcm"}) {
        SCOPED_TRACE(driver);
        fs::remove(hra_ + "/tk_LOG.txt");
        const Outcome r = InDisplay("1280x1024", std::string("SDL_AUDIODRIVER=") + driver,
                                    std::string("kartola_no_sound_") + std::string(driver).substr(0, 5));
        EXPECT_EQ(r.status, "0\n") << r.err;
        EXPECT_EQ(CountMatches(r.log, "TSKW ERROR"), 1) << r.log;
        EXPECT_EQ(CountMatches(r.log, "zvuky nebudu"), 1) << r.log;
        // Every card's place, told again when a card was moved out from under the top buttons.
        const int places = CountMatches(r.log, ": karta \\[");
        EXPECT_TRUE(places >= 18 && places % 18 == 0) << places << ": the table was not dealt";
        EXPECT_EQ(r.err.find("ALSA lib"), std::string::npos) << r.err;
    }
    const std::string log = ReadFile(hra_ + "/tk_LOG.txt");
    EXPECT_NE(log.find("TK_DSO_w("), std::string::npos);
    EXPECT_EQ(
        CountMatches(
            log,
            R"(\n[A-Z_a-z]+\(\d+\) : ALSA lib pcm\.c:\d+:\(snd_pcm_open\w*\) Unknown PCM kartola_no_such_pcm\n)"),
        1)
        << log;
}

TEST_F(MissingDevices, WithoutADisplayTheGameSaysWhyAndEndsAtOnce) {
    // A display where no server listens, and a video driver that does not exist.
    for (const char* environment : {"DISPLAY=:87", "DISPLAY=:0 SDL_VIDEODRIVER=nosuchdriver"}) {
        SCOPED_TRACE(environment);
        const Outcome r = NoDisplay(environment);
        EXPECT_NE(r.status, "0\n");
        EXPECT_NE(r.status, "124\n") << "the game hung";
        EXPECT_NE(r.err.find("SDL: no display: "), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("kartola: the display could not be set up"), std::string::npos) << r.err;
        // The settings are left as they were.
        EXPECT_EQ(ReadFile(hra_ + "/KARTOLA.INI"), "1280 1024\n2 16");
    }
}

TEST_F(MissingDevices, OnADisplaySmallerThan800x600TheGameFitsTheScreenAndDealsInsideIt) {
    // Over the whole screen, and in a window of the default size, which must not reach past it.
    for (const char* args : {"", "--window"}) {
        SCOPED_TRACE(args);
        fs::remove(hra_ + "/tk_LOG.txt");
        const Outcome r =
            InDisplay("640x480", "SDL_AUDIODRIVER=dummy", "kartola_640x480" + std::string(args), args);
        EXPECT_EQ(r.status, "0\n") << r.err << r.log;
        EXPECT_NE(r.geometry.find("WIDTH=640\nHEIGHT=480"), std::string::npos) << r.geometry;
        const auto cards = DealtCards(r.log);
        EXPECT_EQ(cards.size(), 18u) << "the table was not dealt";
        for (const auto& [x, y] : cards)
            EXPECT_TRUE(x >= 0 && y >= 0 && x + 150 <= 640 && y + 100 <= 480) << x << "," << y;
    }
}

TEST_F(MissingDevices, WithoutTheFontsItAsksForTheGameWritesInWhateverFaceThereIs) {
    const std::string sans = Output("fc-match -f '%{file}' 'DejaVu Sans'");
    if (sans.find("DejaVu") == std::string::npos) GTEST_SKIP() << "skipped: DejaVu Sans is not installed";
    // DejaVu Sans under another family name, alone in the font folder: "Verdana" finds neither a
    // substitute nor DejaVu, only this face. The other folder holds no font at all.
    std::string renamed = ReadFile(sans);
    const std::pair<std::string, std::string> names[] = {
        {"DejaVu", "Lonely"}, {std::string("\0D\0e\0j\0a\0V\0u", 12), std::string("\0L\0o\0n\0e\0l\0y", 12)}};
    for (const auto& [from, to] : names)
        for (std::size_t at = renamed.find(from); at != std::string::npos; at = renamed.find(from, at))
            renamed.replace(at, from.size(), to);
    for (const char* folder : {"one", "none"}) {
        MakeDir(dir_.path() + "/fonts_" + folder);
        WriteFile(dir_.path() + "/fonts_" + folder + ".conf",
                  "<?xml version=\"1.0\"?>\n<fontconfig><dir>" + dir_.path() + "/fonts_" + folder +
                      "</dir><cachedir>" + dir_.path() + "/fonts_cache</cachedir></fontconfig>\n");
    }
    WriteFile(dir_.path() + "/fonts_one/lonely.ttf", renamed);

    const Outcome one =
        InDisplay("1280x1024", "SDL_AUDIODRIVER=dummy FONTCONFIG_FILE=" + dir_.path() + "/fonts_one.conf",
                  "kartola_one_font");
    EXPECT_EQ(one.status, "0\n") << one.err;
    EXPECT_NE(one.log.find("font [Lonely Sans]"), std::string::npos) << one.log;
    // Every card's place, told again when a card was moved out from under the top buttons.
    const int places = CountMatches(one.log, ": karta \\[");
    EXPECT_TRUE(places >= 18 && places % 18 == 0) << places << ": the table was not dealt";

    // No font at all: the game says so once and goes on.
    const Outcome none =
        InDisplay("1280x1024", "SDL_AUDIODRIVER=dummy FONTCONFIG_FILE=" + dir_.path() + "/fonts_none.conf",
                  "kartola_no_font");
    EXPECT_EQ(none.status, "0\n") << none.err;
    EXPECT_EQ(CountMatches(none.err, "text: "), 1) << none.err;
    EXPECT_EQ(CountMatches(none.err, "knows no installed font at all"), 1) << none.err;
}

}  // namespace
}  // namespace tk_test
