// The demonstration program in a real X server (Xvfb), started as a user would: the info button is
// clicked with xdotool, the screenshot shows the info dialog exactly as the headless backend draws
// it at the same place, and Escape ends the program with status 0 and a settings file. Skipped
// where Xvfb or the X tools are missing.
#include <cctype>
#include <cstdlib>
#include <fstream>

#include "framework/demo/tessalin_demo.h"
#include "tests/app/tk_app_world.h"
#include "tests/graphics/tk_test_bmp.h"

namespace tk_test {
namespace {

bool HaveTool(const char* name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

// Inside xvfb-run: start the demo in its folder, wait for its loop, click at (X, Y), take the
// screenshot, press Escape. The pointer starts at the screen's centre, away from (X, Y).
const char* kDriver = R"(set -u
export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy
RUN=$1; SHOT=$2; DEMO=$3; X=$4; Y=$5
printf 'leak:libdbus-1.so\n' > "$RUN/../lsan.supp"
export LSAN_OPTIONS="suppressions=$RUN/../lsan.supp"
cd "$RUN"
"$DEMO" 2>demo.err &
pid=$!
timeout 20 xdotool search --sync --name "KT Tessalin Kartola" >/dev/null || { echo "no window"; kill $pid; exit 1; }
for i in $(seq 1 200); do grep -q 'while\.\.\.' tk_LOG.txt 2>/dev/null && break; sleep 0.05; done
sleep 0.3
xdotool mousemove "$X" "$Y" click 1
sleep 0.5
xwd -root -silent | convert xwd:- "$SHOT.png" && convert "$SHOT.png" "$SHOT.ppm"
xdotool key Escape
wait $pid
echo "demo exit $?"
)";

struct Picture {
    int w = 0, h = 0;
    std::vector<unsigned char> rgb;
    std::uint32_t At(int x, int y) const {
        const std::size_t i = (static_cast<std::size_t>(y) * w + x) * 3;
        return (std::uint32_t{rgb[i]} << 16) | (std::uint32_t{rgb[i + 1]} << 8) | rgb[i + 2];
    }
};

// The next header number of a PPM, past blanks and "#" comments.
int PpmNumber(std::istream& in) {
    while (in && (std::isspace(in.peek()) || in.peek() == '#')) {
        if (in.get() == '#') in.ignore(1 << 16, '\n');
    }
    int v = -1;
    in >> v;
    return v;
}

// A binary PPM (P6, maxval 255) as ImageMagick writes it.
bool ReadPpm(const std::string& path, Picture* p) {
    std::ifstream in(path, std::ios::binary);
    std::string magic(2, ' ');
    in.read(magic.data(), 2);
    p->w = PpmNumber(in);
    p->h = PpmNumber(in);
    const int maxval = PpmNumber(in);
    in.get();
    if (!in || magic != "P6" || maxval != 255 || p->w <= 0 || p->h <= 0) return false;
    p->rgb.resize(static_cast<std::size_t>(p->w) * p->h * 3);
    in.read(reinterpret_cast<char*>(p->rgb.data()), static_cast<std::streamsize>(p->rgb.size()));
    return static_cast<std::size_t>(in.gcount()) == p->rgb.size();
}

bool Near(std::uint32_t a, std::uint32_t b) {
    for (int shift : {0, 8, 16}) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 8)
            return false;
    }
    return true;
}

using DemoWindow = AppWorld;

TEST_F(DemoWindow, TheInfoButtonShowsTheInfoDialogAndEscapeEndsTheProgram) {
    for (const char* tool : {"xvfb-run", "Xvfb", "xauth", "xdotool", "xwd", "convert"}) {
        if (!HaveTool(tool))
            GTEST_SKIP() << "skipped: " << tool << " is not installed (it comes with the set-up script)";
    }
    // The same program on the headless backend at the screen's size: the reference picture and
    // the place of the info button.
    tkp_HeadlessSetDisplayModes({{800, 600}, {1280, 1024}});
    ProbeApp reference(kTessalinDemoSettings);
    tk_demo_Configure(&reference);
    int buttonX = 0, buttonY = 0, dlgX = 0, dlgY = 0;
    tkp_HeadlessFrame expected;
    ASSERT_EQ(Run(reference, nullptr,
                  {[&](ProbeApp& a) {
                       int w = 0, h = 0;
                       a.Child(602)->GetSize(&w, &h);
                       buttonX = a.Child(602)->x + w / 2, buttonY = a.Child(602)->y + h / 2;
                       Click(buttonX, buttonY);
                   },
                   [](ProbeApp&) {},
                   [&](ProbeApp& a) {
                       expected = tkp_HeadlessLastFrame();
                       dlgX = a.m_dlgInfo->x, dlgY = a.m_dlgInfo->y;
                       Press(VK_ESCAPE);
                   }}),
              0);
    ASSERT_EQ(Numbers(expected.width, expected.height, dlgX, dlgY), "1280,1024,457,366");

    MakeDir(dir_.path() + "/run");
    const std::string script = dir_.path() + "/driver.sh";
    const std::string shot = std::string(TK_SCREENSHOT_DIR) + "/demo_info_dialog";
    WriteFile(script, kDriver);
    const std::string command = "timeout 120 xvfb-run -a -s \"-screen 0 1280x1024x24\" sh " + script + " " +
                                dir_.path() + "/run " + shot + " " + TK_TESSALIN_DEMO + " " +
                                std::to_string(buttonX) + " " + std::to_string(buttonY) + " > " +
                                dir_.path() + "/driver.out 2>&1";
    const int status = std::system(command.c_str());
    const std::string driverOut = ReadFile(dir_.path() + "/driver.out");
    ASSERT_EQ(status, 0) << driverOut << ReadFile(dir_.path() + "/run/demo.err");
    EXPECT_NE(driverOut.find("demo exit 0"), std::string::npos) << driverOut;
    EXPECT_EQ(ReadFile(dir_.path() + "/run/tessalin_demo.ini"), "1280 1024\n2 16");

    Picture seen;
    ASSERT_TRUE(ReadPpm(shot + ".ppm", &seen)) << "no screenshot";
    ASSERT_EQ(Numbers(seen.w, seen.h), "1280,1024");
    // The dialog with its frame, texts and icons, pixel for pixel (the screen widens 5-6-5 colours
    // to 8 bits its own way), and the background beside it.
    int wrong = 0;
    for (int y = dlgY - 4; y < dlgY + 293 + 4; ++y) {
        for (int x = dlgX - 4; x < dlgX + 366 + 4; ++x) {
            const std::uint32_t want =
                XrgbOf565(expected.pixels[static_cast<std::size_t>(y) * expected.width + x]);
            wrong += !Near(seen.At(x, y), want);
        }
    }
    EXPECT_EQ(wrong, 0) << "pixels of the info dialog differ from the headless picture; see " << shot
                        << ".png";
    EXPECT_TRUE(Near(seen.At(dlgX - 20, dlgY + 100), XrgbOf565(kTessalinDemoBackColor)));
}

}  // namespace
}  // namespace tk_test
