// The command line and TESSALIN_WINDOW, and a program run in a window on the headless backend.
#include <cstdio>

#include "tests/common/app/tk_app_world.h"

namespace tk_test {
namespace {

struct OptionCase {
    std::vector<const char*> args;
    const char* environment;
    int status;
    const char* options;  // windowed, width, height
    const char* message;  // part of what went to standard error
};

class CommandLine : public ::testing::TestWithParam<OptionCase> {};

TEST_P(CommandLine, IsRead) {
    const OptionCase& c = GetParam();
    std::vector<const char*> argv{"demo"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    tk_TAppOptions o;
    EXPECT_EQ(tk_APP_ParseOptions(static_cast<int>(argv.size()), argv.data(), c.environment, "demo", "About.",
                                  &o, out, err),
              c.status);
    EXPECT_EQ(c.status < 0 ? Nums(o.windowed, o.window_w, o.window_h) : "", c.options);
    std::string said(4096, '\0');
    std::rewind(err);
    said.resize(std::fread(said.data(), 1, said.size(), err));
    EXPECT_NE(said.find(c.message), std::string::npos) << said;
    std::fclose(out);
    std::fclose(err);
}

INSTANTIATE_TEST_SUITE_P(
    AppOptions, CommandLine,
    ::testing::Values(
        OptionCase{{}, nullptr, -1, "0,0,0", ""}, OptionCase{{"--window"}, nullptr, -1, "1,0,0", ""},
        OptionCase{{"--window=1280x720"}, nullptr, -1, "1,1280,720", ""},
        OptionCase{{}, "1", -1, "1,0,0", ""}, OptionCase{{}, "1000x700", -1, "1,1000,700", ""},
        OptionCase{{}, "0", -1, "0,0,0", ""},
        OptionCase{{"--window=800x600"}, "1000x700", -1, "1,800,600", ""},
        OptionCase{{}, "big", -1, "0,0,0", "TESSALIN_WINDOW=big is not"},
        OptionCase{{"--window=800"}, nullptr, 2, "", "--window=800: the size must be"},
        // The form is right, the size is not: the message says what is wrong.
        OptionCase{
            {"--window=100x100"}, nullptr, 2, "", "--window=100x100: the window must be at least 640x480"},
        OptionCase{{"--window=640x479"}, nullptr, 2, "", "must be at least 640x480"},
        OptionCase{{"--window=640x480"}, nullptr, -1, "1,640,480", ""},
        OptionCase{{"--window=20000x600"}, nullptr, 2, "", "must be at most 16384x16384"},
        OptionCase{{},
                   "320x240",
                   -1,
                   "0,0,0",
                   "TESSALIN_WINDOW=320x240: the window must be at least 640x480; the whole screen is used"},
        OptionCase{{"--fullscreen"}, nullptr, 2, "", "unknown switch --fullscreen"},
        OptionCase{{"--help", "--bad"}, nullptr, 0, "", ""}));

// The usage line of --help lists the switches a program takes itself after the framework's.
TEST(CommandLineHelp, TheUsageLineListsTheProgramsOwnSwitches) {
    std::string lines;
    for (const char* own : {static_cast<const char*>(nullptr), "[--scan[=MS]]"}) {
        const char* argv[] = {"demo", "--help"};
        std::FILE* out = std::tmpfile();
        tk_TAppOptions o;
        EXPECT_EQ(tk_APP_ParseOptions(2, argv, nullptr, "demo", "About.", &o, out, stderr, own), 0);
        std::string said(256, '\0');
        std::rewind(out);
        said.resize(std::fread(said.data(), 1, said.size(), out));
        lines += said.substr(0, said.find('\n') + 1);
        std::fclose(out);
    }
    EXPECT_EQ(lines,
              "Usage: demo [--window[=WIDTHxHEIGHT]]\nUsage: demo [--window[=WIDTHxHEIGHT]] [--scan[=MS]]\n");
}

// In a window the screen is the window: the modes fit it and the program runs at its size.
TEST_F(AppWorld, TheDisplayModesFitTheWindow) {
    int w = 0, h = 0, w2 = 0, h2 = 0, w3 = 0, h3 = 0;
    tk_APP_DefaultWindowSize(1920, 1080, &w, &h);
    tk_APP_DefaultWindowSize(1000, 740, &w2, &h2);
    tk_APP_DefaultWindowSize(640, 480, &w3, &h3);
    EXPECT_EQ(Nums(w, h, w2, h2, w3, h3), "1024,768,800,600,640,480");
    tkp::user::SetWindowedMode(1000, 700);
    EXPECT_EQ(Nums(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)), "1000,700");
    ProbeApp app;
    EXPECT_EQ(Run(app, nullptr, {[](ProbeApp& a) {
                      tk_CDUIR* list = a.m_dlgRozlisenie->m_duir_Rozlisenia;
                      EXPECT_EQ(std::to_string(list->CountR()) + " " + list->VratVolbu__indexovo(1)->text,
                                "2 1000  x  700");
                      Escape(a);
                  }}),
              0);
    EXPECT_EQ(ReadFile("APP.INI"), "1000 700\n2 16");
}

}  // namespace
}  // namespace tk_test
