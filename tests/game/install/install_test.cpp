// The game as a user installs it: `cmake --install` of this build into a temporary prefix puts the
// program, the bundled card sets, the desktop entry, the icons and the manual page in place; the
// installed program, started without a display (SDL's dummy video driver) and a fresh data
// folder, makes the user's folder with the sets, reaches its message loop and ends on SIGTERM.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "tests/common/tk_test_files.h"

namespace tk_test {
namespace {

namespace fs = std::filesystem;

int Shell(const std::string& command) {
    return std::system(command.c_str());
}

// Waits up to 60 s for the predicate, checking every 50 ms.
template <typename F>
bool WaitFor(F done) {
    for (int i = 0; i < 1200 && !done(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return done();
}

// The names in a folder, sorted, without thumbnails.
std::string Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().extension() != ".thm") names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string all;
    for (const std::string& n : names) all += n + " ";
    return all;
}

// The width and height a PNG file's header gives, as "WxH".
std::string PngSize(const std::string& bytes) {
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return "not a PNG";
    auto be = [&](std::size_t at) {
        unsigned v = 0;
        for (std::size_t i = at; i < at + 4; ++i) v = v << 8 | static_cast<unsigned char>(bytes[i]);
        return std::to_string(v);
    };
    return be(16) + "x" + be(20);
}

TEST(Installed, TheInstalledGameStartsInTheUsersOwnFolderWithTheBundledSets) {
    ScopedWorkDir dir;
    const fs::path prefix = dir.path() + "/prefix";
    ASSERT_EQ(Shell(std::string(TK_CMAKE) + " --install " + TK_BUILD_DIR + " --prefix " + prefix.string() +
                    " >install.out 2>&1"),
              0)
        << ReadFile("install.out");

    // The files a desktop looks for.
    const fs::path share = prefix / TK_INSTALL_DATADIR;
    const std::string desktop = ReadFile((share / "applications/kartola.desktop").string());
    EXPECT_NE(desktop.find("\nExec=kartola\n"), std::string::npos) << desktop;
    EXPECT_NE(desktop.find("\nCategories=Education;Game;\n"), std::string::npos) << desktop;
    EXPECT_NE(desktop.find("\nComment[sk]="), std::string::npos) << desktop;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const std::string n = std::to_string(size);
        EXPECT_EQ(PngSize(ReadFile((share / "icons/hicolor" / (n + "x" + n) / "apps/kartola.png").string())),
                  n + "x" + n);
    }
    EXPECT_NE(ReadFile((prefix / TK_INSTALL_MANDIR / "man6/kartola.6").string()).find(".TH KARTOLA 6"),
              std::string::npos);

    // Every bundled set of the repository, without thumbnails.
    const fs::path installedSets = share / "kartola/cardsets";
    int sets = 0;
    for (const auto& e : fs::directory_iterator(RepoPath("cardsets"))) {
        if (!e.is_directory() || e.path().filename().string().rfind("DATA", 0) != 0) continue;
        ++sets;
        EXPECT_EQ(Names(installedSets / e.path().filename()), Names(e.path())) << e.path();
        EXPECT_EQ(Names(installedSets / e.path().filename()).find(".thm"), std::string::npos);
    }
    ASSERT_GE(sets, 2);

    // --help says where the user's sets are.
    const fs::path user = dir.path() + "/data/kartola";
    const std::string env = "XDG_DATA_HOME=" + dir.path() + "/data HOME=" + dir.path() +
                            " SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy TESSALIN_WINDOW=1024x768 "
                            "ASAN_OPTIONS=detect_leaks=0 ";
    const std::string program = (prefix / TK_INSTALL_BINDIR / "kartola").string();
    ASSERT_EQ(Shell(env + program + " --help >help.out 2>&1"), 0);
    EXPECT_NE(ReadFile("help.out").find(user.string()), std::string::npos) << ReadFile("help.out");
    EXPECT_FALSE(fs::exists(user)) << "--help makes nothing";

    // The first start: to the message loop, then SIGTERM ends it like closing the window.
    ASSERT_EQ(
        Shell("(" + env + program + " >game.out 2>&1 & echo $! >game.pid; wait $!; echo $? >game.status) &"),
        0);
    const std::string log = (user / "hra/tk_LOG.txt").string();
    const bool looping = WaitFor([&] { return ReadFile(log).find("while...") != std::string::npos; });
    const std::string pid = ReadFile("game.pid");
    Shell("kill -TERM " + pid.substr(0, pid.find('\n')) + " 2>/dev/null");
    ASSERT_TRUE(looping) << ReadFile("game.out") << ReadFile(log);
    ASSERT_TRUE(WaitFor([] { return !ReadFile("game.status").empty(); })) << "the game did not end";
    EXPECT_EQ(ReadFile("game.status"), "0\n") << ReadFile("game.out");

    // The user's folder holds every set, its pictures and sounds, and the thumbnails of the set
    // dealt at start, loaded from the work folder.
    std::string dealt;
    for (const auto& e : fs::directory_iterator(installedSets)) {
        EXPECT_EQ(Names(user / e.path().filename()), Names(e.path())) << e.path();
        dealt = std::max(dealt, e.path().filename().string());
    }
    int thumbnails = 0;
    for (const auto& e : fs::directory_iterator(user / dealt)) thumbnails += e.path().extension() == ".thm";
    EXPECT_GT(thumbnails, 0) << dealt;
    EXPECT_NE(ReadFile(log).find("Nacitavam DATA: [../" + dealt + "]"), std::string::npos) << ReadFile(log);
}

}  // namespace
}  // namespace tk_test
