// The demonstration program in a real X server (Xvfb), started as a user would: the info button is
// clicked with xdotool, the screenshot shows the info dialog exactly as the headless backend draws
// it at the same place, and Escape ends the program with status 0 and a settings file. Skipped
// where Xvfb or the X tools are missing.
#include "framework/demo/tessalin_demo.h"
#include "platform/pixels/pixel565.h"
#include "tests/common/app/tk_app_world.h"
#include "tests/common/tk_test_run.h"

namespace tk_test {
namespace {

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
timeout 20 xdotool search --sync --name "^Kartola$" >/dev/null || { echo "no window"; kill $pid; exit 1; }
for i in $(seq 1 200); do grep -q 'while\.\.\.' tk_LOG.txt 2>/dev/null && break; sleep 0.05; done
sleep 0.3
xdotool mousemove "$X" "$Y" click 1
sleep 0.5
xwd -root -silent | convert xwd:- "$SHOT.png" && convert "$SHOT.png" -depth 8 "rgb:$SHOT.rgb"
xdotool key Escape
wait $pid
echo "demo exit $?"
)";

// Whether pixel (x, y) of the screenshot (raw 8-bit RGB rows of 1280 pixels, which convert writes
// without a header) is within 8 levels of `want` in each channel.
bool closeTo(const std::string& rgb, int x, int y, std::uint32_t want) {
    const std::size_t i = (static_cast<std::size_t>(y) * 1280 + x) * 3;
    for (int k = 0; k < 3; ++k)
        if (std::abs(static_cast<unsigned char>(rgb[i + k]) - int(want >> (16 - 8 * k) & 0xFF)) > 8)
            return false;
    return true;
}

using DemoWindow = AppWorld;

TEST_F(DemoWindow, TheInfoButtonShowsTheInfoDialogAndEscapeEndsTheProgram) {
    const std::string missing = MissingTool({"xvfb-run", "Xvfb", "xauth", "xdotool", "xwd", "convert"});
    if (!missing.empty()) GTEST_SKIP() << "skipped: " << missing << " is not installed (scripts/setup.sh)";
    // The same program on the headless backend at the screen's size: the reference picture and
    // the place of the info button.
    tkp::headless::SetDisplayModes({{800, 600}, {1280, 1024}});
    ProbeApp reference(kTessalinDemoSettings);
    tk_demo_Configure(&reference);
    int w = 0, h = 0, buttonX = 0, buttonY = 0, dlgX = 0, dlgY = 0;
    tkp::headless::Frame expected;
    ASSERT_EQ(Run(reference, nullptr,
                  {[&](ProbeApp& a) {
                       a.Child(602)->GetSize(&w, &h);
                       buttonX = a.Child(602)->x + w / 2, buttonY = a.Child(602)->y + h / 2;
                       Click(buttonX, buttonY);
                   },
                   Idle,
                   [&](ProbeApp& a) {
                       expected = tkp::headless::LastFrame();
                       dlgX = a.m_dlgInfo->x, dlgY = a.m_dlgInfo->y;
                       Escape(a);
                   }}),
              0);
    ASSERT_EQ(Nums(expected.width, expected.height, dlgX, dlgY), "1280,1024,457,366");

    MakeDir(dir_.path() + "/run");
    const std::string script = dir_.path() + "/driver.sh";
    const std::string shot = std::string(TK_SCREENSHOT_DIR) + "/demo_info_dialog";
    WriteFile(script, kDriver);
    const std::string command = "timeout 120 xvfb-run -a -s \"-screen 0 1280x1024x24\" sh " + script + " " +
                                dir_.path() + "/run " + shot + " " + TK_TESSALIN_DEMO + " " +
                                std::to_string(buttonX) + " " + std::to_string(buttonY) + " > " +
                                dir_.path() + "/driver.out 2>&1";
    const int status = Shell(command);
    const std::string driverOut = ReadFile(dir_.path() + "/driver.out");
    ASSERT_EQ(status, 0) << driverOut << ReadFile(dir_.path() + "/run/demo.err");
    EXPECT_NE(driverOut.find("demo exit 0"), std::string::npos) << driverOut;
    EXPECT_EQ(ReadFile(dir_.path() + "/run/tessalin_demo.ini"), "1280 1024\n2 16");

    const std::string seen = ReadFile(shot + ".rgb");
    ASSERT_EQ(seen.size(), 1280u * 1024u * 3u) << "no screenshot";
    // The dialog with its frame, texts and icons, pixel for pixel (the screen widens 5-6-5 colours
    // to 8 bits its own way), and the background beside it.
    int wrong = 0;
    for (int y = dlgY - 4; y < dlgY + 293 + 4; ++y)
        for (int x = dlgX - 4; x < dlgX + 366 + 4; ++x)
            wrong += !closeTo(
                seen, x, y, tkp::pixels::XrgbOf565(expected.pixels[static_cast<std::size_t>(y) * 1280 + x]));
    EXPECT_EQ(wrong, 0) << "pixels of the info dialog differ from the headless picture; see " << shot
                        << ".png";
    EXPECT_TRUE(closeTo(seen, dlgX - 20, dlgY + 100, tkp::pixels::XrgbOf565(kTessalinDemoBackColour)));
}

}  // namespace
}  // namespace tk_test
