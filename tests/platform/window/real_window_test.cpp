// The SDL backend in a real X server: a demo program opens the window, shows a known picture
// scaled from 800 x 600 to 1280 x 1024, and logs the messages that real pointer and key events
// (from xdotool) become. Skipped where Xvfb or the X tools are missing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/common/tk_test_files.h"
#include "tests/common/tk_test_run.h"
#include "tests/common/tk_test_surface.h"

namespace {

// The driver runs inside xvfb-run: it starts the demo, waits for its window and first frame,
// sends the input, takes the screenshot and closes it.
// The pointer starts at the screen's centre, so the first move goes elsewhere.
const char* kDriver = R"(set -u
export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy
LOG=$1; SHOT=$2; DEMO=$3
# Under the leak checker, what the system's D-Bus library keeps until exit is not the demo's leak.
printf 'leak:libdbus-1.so\n' > "$LOG.supp"
export LSAN_OPTIONS="suppressions=$LOG.supp"
"$DEMO" "$LOG" 2>"$LOG.err" &
pid=$!
waitfor() { for i in $(seq 1 200); do grep -q "$1" "$LOG" 2>/dev/null && return 0; sleep 0.05; done; return 1; }
timeout 20 xdotool search --sync --name "Window Demo" >/dev/null || { echo "no window"; kill $pid; exit 1; }
waitfor '^ready' || { echo "no frame"; kill $pid; exit 1; }
win=$(xdotool search --name "Window Demo" | head -n 1); xprop -id "$win" _NET_WM_STATE
xdotool mousemove 161 193
waitfor '^move 100 100'
xdotool click 1
xdotool mousemove 1121 833 click 3
xdotool keydown shift mousemove 641 513 click 1 keyup shift
xdotool key a
waitfor '^keyup 0x41' || echo "keys did not arrive"
xwd -root -silent | convert xwd:- "$SHOT.png" && convert "$SHOT.png" "$SHOT.ppm"
xdotool key Escape
wait $pid
echo "demo exit $?"
)";

// True when every expected line appears in the log, in this order (other lines may come between).
::testing::AssertionResult inOrder(const std::string& log, const std::vector<std::string>& expected) {
    std::size_t at = 0;
    for (const auto& want : expected) {
        at = log.find("\n" + want + "\n", at);
        if (at == std::string::npos)
            return ::testing::AssertionFailure() << "missing or out of order: \"" << want << "\"\n" << log;
        at += want.size() + 1;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(RealWindow, InputArrivesInBufferPixelsAndThePictureIsScaledWithBars) {
    const std::string missing =
        tk_test::MissingTool({"xvfb-run", "Xvfb", "xauth", "xdotool", "xwd", "convert", "xprop"});
    if (!missing.empty()) GTEST_SKIP() << "skipped: " << missing << " is not installed (scripts/setup.sh)";
    tk_test::ScopedWorkDir dir;
    const std::string log = dir.path() + "/demo.log";
    const std::string script = dir.path() + "/driver.sh";
    const std::string shot = std::string(TK_SCREENSHOT_DIR) + "/real_window";
    tk_test::WriteFile(script, kDriver);
    const std::string command = "timeout 120 xvfb-run -a -s \"-screen 0 1280x1024x24\" sh " + script + " " +
                                log + " " + shot + " " + TK_WINDOW_DEMO + " > " + dir.path() +
                                "/driver.out 2>&1";
    const int status = std::system(command.c_str());
    const std::string driverOut = tk_test::ReadFile(dir.path() + "/driver.out");
    const std::string logText = tk_test::ReadFile(log);
    ASSERT_EQ(status, 0) << driverOut << "\n--- log:\n" << logText;
    EXPECT_NE(driverOut.find("demo exit 0"), std::string::npos) << driverOut;
    // Full screen is asked of the window manager, even where there is none to grant it.
    EXPECT_NE(driverOut.find("_NET_WM_STATE(ATOM) = _NET_WM_STATE_FULLSCREEN"), std::string::npos)
        << driverOut;

    const std::string got = "\n" + logText;
    EXPECT_TRUE(inOrder(
        got, {"desktop 1280 1024", "modes 800x600 1024x768 1152x864 1280x720 1280x800 1280x1024", "ready"}));
    EXPECT_NE(got.find("\nactivate 1\n"), std::string::npos) << "the window never had the focus";
    // 800 x 600 on 1280 x 1024: scale 1.6, bars of 32 pixels above and below (where the pointer is
    // clamped: the pointer map's test).
    EXPECT_TRUE(
        inOrder(got, {"move 100 100 0x0", "ldown 100 100 0x1", "lup 100 100 0x0", "rdown 700 500 0x2",
                      "rup 700 500 0x0", "keydown 0x10", "ldown 400 300 0x5", "lup 400 300 0x4", "keyup 0x10",
                      "keydown 0x41", "keyup 0x41", "keydown 0x1b", "destroy", "exit 0"}));

    int w = 0, h = 0;
    std::vector<std::uint32_t> px;
    ASSERT_TRUE(tk_test::ReadPng(shot + ".png", &w, &h, &px)) << "no screenshot";
    ASSERT_EQ(tk_test::Nums(w, h), "1280,1024");
    auto near = [&](int x, int y, int r, int g, int b) {
        const std::uint32_t c = px[static_cast<std::size_t>(y) * w + x];
        return std::abs(int(c >> 16) - r) <= 12 && std::abs(int((c >> 8) & 0xFF) - g) <= 12 &&
               std::abs(int(c & 0xFF) - b) <= 12;
    };
    struct Probe {
        int x, y, r, g, b;
        const char* what;
    };
    const Probe probes[] = {
        {640, 1015, 0, 0, 0, "bottom bar"},
        {320, 272, 255, 0, 0, "red quadrant, top left: neither flipped nor turned"},
        {640, 512, 0, 255, 255, "cyan square"},
        {5, 40, 255, 0, 0, "picture's left edge"},
        // The scaled picture starts exactly below the 32-pixel bar.
        {320, 31, 0, 0, 0, "the bar's last row"},
        {320, 33, 255, 0, 0, "the picture's first row"},
    };
    for (const Probe& p : probes)
        EXPECT_TRUE(near(p.x, p.y, p.r, p.g, p.b))
            << p.what << " at " << p.x << "," << p.y << " is " << std::hex << px[p.y * w + p.x];
}
