// The SDL backend in a real X server: a demo program opens the window, shows a known picture
// scaled from 800 x 600 to 1280 x 1024, and logs the messages that real pointer and key events
// (from xdotool) become. Skipped where Xvfb or the X tools are missing.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/common/tk_test_files.h"

namespace {

bool haveTool(const char* name) {
    const std::string command = std::string("command -v ") + name + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

// The driver runs inside xvfb-run: it starts the demo, waits for its window and first frame,
// sends the input, takes the screenshot, lets the demo measure an idle second and closes it.
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
xdotool mousemove 161 193
waitfor '^move 100 100'
xdotool click 1
xdotool mousemove 1121 833 click 3
xdotool mousemove 300 5 click 1
xdotool mousemove 300 1020 click 1
xdotool keydown shift mousemove 641 513 click 1 keyup shift
xdotool key a
waitfor '^keyup 0x41' || echo "keys did not arrive"
xwd -root -silent | convert xwd:- "$SHOT.png" && convert "$SHOT.png" "$SHOT.ppm"
xdotool key i
waitfor '^idle ' || echo "no idle measurement"
xdotool key Escape
wait $pid
echo "demo exit $?"
)";

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// True when every expected line appears in the log, in this order (other lines may come between).
::testing::AssertionResult inOrder(const std::vector<std::string>& log,
                                   const std::vector<std::string>& expected) {
    std::size_t at = 0;
    for (const auto& want : expected) {
        while (at < log.size() && log[at] != want) ++at;
        if (at == log.size())
            return ::testing::AssertionFailure() << "missing or out of order: \"" << want << "\"";
        ++at;
    }
    return ::testing::AssertionSuccess();
}

struct Rgb {
    int r, g, b;
};

// The next number of a PPM header, skipping blanks and "#" comments.
int ppmNumber(std::istream& in) {
    for (;;) {
        const int c = in.peek();
        if (c == '#') {
            std::string comment;
            std::getline(in, comment);
        } else if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            in.get();
        } else {
            break;
        }
    }
    int value = -1;
    in >> value;
    return value;
}

// A binary PPM (P6, maxval 255) as written by ImageMagick.
bool readPpm(const std::string& path, int* w, int* h, std::vector<unsigned char>* pixels) {
    std::ifstream in(path, std::ios::binary);
    char magic[2] = {};
    in.read(magic, 2);
    if (!in || magic[0] != 'P' || magic[1] != '6') return false;
    *w = ppmNumber(in);
    *h = ppmNumber(in);
    const int maxval = ppmNumber(in);
    in.get();
    if (!in || maxval != 255 || *w <= 0 || *h <= 0) return false;
    pixels->resize(static_cast<std::size_t>(*w) * *h * 3);
    in.read(reinterpret_cast<char*>(pixels->data()), static_cast<std::streamsize>(pixels->size()));
    return static_cast<std::size_t>(in.gcount()) == pixels->size();
}

}  // namespace

TEST(RealWindow, InputArrivesInBufferPixelsAndThePictureIsScaledWithBars) {
    for (const char* tool : {"xvfb-run", "Xvfb", "xauth", "xdotool", "xwd", "convert"}) {
        if (!haveTool(tool))
            GTEST_SKIP() << "skipped: " << tool << " is not installed (it comes with the set-up script)";
    }
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

    const std::vector<std::string> got = lines(logText);
    EXPECT_TRUE(inOrder(
        got, {"desktop 1280 1024", "modes 800x600 1024x768 1152x864 1280x720 1280x800 1280x1024", "ready"}))
        << logText;
    // 800 x 600 on 1280 x 1024: scale 1.6, bars of 32 pixels above and below.
    EXPECT_TRUE(inOrder(got,
                        {
                            "move 100 100 0x0",
                            "ldown 100 100 0x1",
                            "lup 100 100 0x0",
                            "rdown 700 500 0x2",
                            "rup 700 500 0x0",
                            "ldown 187 0 0x1",    // clicked in the top bar
                            "ldown 187 599 0x1",  // clicked in the bottom bar
                            "keydown 0x10",
                            "ldown 400 300 0x5",
                            "lup 400 300 0x4",
                            "keyup 0x10",
                            "keydown 0x41",
                            "keyup 0x41",
                            "keydown 0x49",
                            "keydown 0x1b",
                            "destroy",
                            "exit 0",
                        }))
        << logText;

    // With nothing to do for a second the loop sleeps: a spinning loop would use the whole second.
    long long cpuMs = -1, wallMs = -1;
    int ticks = -1;
    for (const auto& line : got) {
        std::sscanf(line.c_str(), "idle cpu_ms=%lld wall_ms=%lld ticks=%d", &cpuMs, &wallMs, &ticks);
    }
    ASSERT_GE(wallMs, 900) << logText;
    EXPECT_LT(cpuMs * 4, wallMs) << "the idle loop used " << cpuMs << " ms of CPU in " << wallMs << " ms";
    EXPECT_GE(ticks, 3);

    int w = 0, h = 0;
    std::vector<unsigned char> px;
    ASSERT_TRUE(readPpm(shot + ".ppm", &w, &h, &px)) << "no screenshot";
    ASSERT_EQ(w, 1280);
    ASSERT_EQ(h, 1024);
    auto at = [&](int x, int y) {
        const std::size_t i = (static_cast<std::size_t>(y) * w + x) * 3;
        return Rgb{px[i], px[i + 1], px[i + 2]};
    };
    auto near = [](Rgb c, int r, int g, int b) {
        return std::abs(c.r - r) <= 12 && std::abs(c.g - g) <= 12 && std::abs(c.b - b) <= 12;
    };
    struct Probe {
        int x, y, r, g, b;
        const char* what;
    };
    const Probe probes[] = {
        {640, 10, 0, 0, 0, "top bar"},          {640, 1015, 0, 0, 0, "bottom bar"},
        {320, 272, 255, 0, 0, "red quadrant"},  {960, 272, 0, 255, 0, "green quadrant"},
        {320, 752, 0, 0, 255, "blue quadrant"}, {960, 752, 255, 255, 255, "white quadrant"},
        {640, 512, 0, 255, 255, "cyan square"}, {5, 40, 255, 0, 0, "picture's left edge"},
    };
    for (const Probe& p : probes) {
        const Rgb c = at(p.x, p.y);
        EXPECT_TRUE(near(c, p.r, p.g, p.b))
            << p.what << " at " << p.x << "," << p.y << " is " << c.r << "," << c.g << "," << c.b;
    }
    // The scaled picture starts exactly below the 32-pixel bar.
    EXPECT_TRUE(near(at(320, 31), 0, 0, 0));
    EXPECT_TRUE(near(at(320, 33), 255, 0, 0));
}
