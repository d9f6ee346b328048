// The game as a user installs it: `cmake --install` of this build into a temporary prefix puts the
// program, the bundled card sets, the desktop entry, the icons and the manual page in place; the
// installed program, started without a display (SDL's dummy video driver) and with a fresh data
// folder, makes the user's folder with the sets, reaches its message loop and ends on SIGTERM.
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/support/tk_FSI_Kinds.h"
#include "tests/common/tk_test_run.h"

namespace tk_test {
namespace {

namespace fs = std::filesystem;

// The names in a folder but its thumbnails, sorted.
std::string Names(const fs::path& folder) {
    return Output("ls '" + folder.string() + "' | grep -v '[.]thm$'");
}

TEST(Installed, TheInstalledGameStartsInTheUsersOwnFolderWithTheBundledSets) {
    ScopedWorkDir dir;
    const fs::path prefix = dir.path() + "/prefix", share = prefix / TK_INSTALL_DATADIR;
    ASSERT_EQ(Shell(std::string(TK_CMAKE) + " --install " + TK_BUILD_DIR + " --prefix " + prefix.string() +
                    " >out"),
              0)
        << ReadFile("out");
    for (const char* file : {"applications/kartola.desktop", "icons/hicolor/16x16/apps/kartola.png",
                             "icons/hicolor/256x256/apps/kartola.png", "kartola/cardsets"})
        EXPECT_TRUE(fs::exists(share / file)) << file;
    // The manual page and --help name the kinds of file a set may hold from the list that decides them.
    const std::string manual = ReadFile((prefix / TK_INSTALL_MANDIR / "man6/kartola.6").string());
    for (const std::string& kinds : {tk_FSI_PictureKindsText(), tk_FSI_SoundKindsText()})
        EXPECT_NE(manual.find("(" + kinds + ")"), std::string::npos) << kinds;

    const fs::path user = dir.path() + "/data/kartola";
    const std::string run = "XDG_DATA_HOME=" + dir.path() +
                            "/data SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " +
                            "TESSALIN_WINDOW=1024x768 ASAN_OPTIONS=detect_leaks=0 " +
                            (prefix / TK_INSTALL_BINDIR / "kartola").string();
    ASSERT_EQ(Shell(run + " --help >help"), 0);
    EXPECT_NE(ReadFile("help").find(user.string()), std::string::npos) << ReadFile("help");
    EXPECT_NE(ReadFile("help").find("Pictures: " + tk_FSI_PictureKindsText() +
                                    ".\nSounds: " + tk_FSI_SoundKindsText()),
              std::string::npos)
        << ReadFile("help");
    EXPECT_FALSE(fs::exists(user)) << "--help makes nothing";

    // The first start, to the message loop; SIGTERM then ends it as closing the window does.
    ASSERT_EQ(Shell("(" + run + " >out 2>&1 & echo $! >pid; wait $!; echo $? >status) &"), 0);
    const std::string log = (user / "hra/tk_LOG.txt").string();
    const bool looping = WaitFor(60, [&] { return ReadFile(log).find("while...") != std::string::npos; });
    Shell("kill -TERM $(cat pid)");
    ASSERT_TRUE(looping) << ReadFile("out") << ReadFile(log);
    ASSERT_TRUE(WaitFor(60, [] { return !ReadFile("status").empty(); })) << "the game did not end";
    EXPECT_EQ(ReadFile("status"), "0\n") << ReadFile("out");

    // Every bundled set is the user's now, without thumbnails but those of the set dealt at start
    // (listed last).
    std::string dealt;
    for (const auto& e : fs::directory_iterator(RepoPath("cardsets"))) {
        const std::string name = e.path().filename().string();
        if (name.rfind("DATA", 0) != 0) continue;
        EXPECT_EQ(Names(user / name), Names(e.path())) << name;
        dealt = std::max(dealt, name);
    }
    EXPECT_NE(Output("ls '" + (user / dealt).string() + "'").find(".thm"), std::string::npos)
        << ReadFile(log);
}

}  // namespace
}  // namespace tk_test
