// The game as a user installs it: `cmake --install` of this build into a temporary prefix puts the
// program, the bundled card sets, the desktop entry, the metainfo, the icons and the manual page in
// place; the installed program, started without a display (SDL's dummy video driver) and with a
// fresh data folder, makes the user's folder with the sets, reaches its message loop and ends on
// SIGTERM.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/common/tk_test_run.h"

namespace tk_test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kAppId = "io.github.kartola.Kartola";

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
    for (const std::string& file :
         {"applications/" + std::string(kAppId) + ".desktop",
          "metainfo/" + std::string(kAppId) + ".metainfo.xml",
          std::string("icons/hicolor/16x16/apps/kartola.png"),
          std::string("icons/hicolor/256x256/apps/kartola.png"), std::string("kartola/cardsets")})
        EXPECT_TRUE(fs::exists(share / file)) << file;
    EXPECT_TRUE(fs::exists(prefix / TK_INSTALL_MANDIR / "man6/kartola.6"));

    const fs::path user = dir.path() + "/data/kartola";
    const std::string run = "XDG_DATA_HOME=" + dir.path() +
                            "/data SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " +
                            "TESSALIN_WINDOW=1024x768 ASAN_OPTIONS=detect_leaks=0 " +
                            (prefix / TK_INSTALL_BINDIR / "kartola").string();
    ASSERT_EQ(Shell(run + " --help >help"), 0);
    EXPECT_NE(ReadFile("help").find(user.string()), std::string::npos) << ReadFile("help");
    EXPECT_FALSE(fs::exists(user)) << "--help makes nothing";

    // The first start, to the message loop; SIGTERM then ends it as closing the window does.
    ASSERT_EQ(Shell("(" + run + " >out 2>&1 & echo $! >pid; wait $!; echo $? >status) &"), 0);
    const std::string log = (user / "hra/tk_LOG.txt").string();
    const bool looping = WaitFor(60, [&] { return ReadFile(log).find("while...") != std::string::npos; });
    if (looping) {
        // A second start in the same folder says that the game runs already and ends at once with
        // status 0, leaving the first one's log as it was (no display: the box cannot block).
        const std::string before = ReadFile(log);
        EXPECT_EQ(Shell("env -u DISPLAY -u WAYLAND_DISPLAY " + run + " >second.out 2>second.err"), 0);
        const std::string said = ReadFile("second.err");
        EXPECT_EQ(said.rfind("Kartola: Kartola is already running in " + (user / "hra").string() +
                                 "; this copy ends.\n",
                             0),
                  0u)
            << said;
        EXPECT_EQ(ReadFile(log).rfind(before, 0), 0u) << "the first copy's log was touched";
    }
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

// The manual page names the bundled sets' folder under the prefix given when installing, not the
// configured one; DESTDIR stages the files without entering the path. The desktop entry and the
// metainfo pass the checks of the desktop and of software centres.
TEST(Installed, TheInstalledFilesNameThePrefixTheyWereInstalledUnderAndPassTheDesktopChecks) {
    ScopedWorkDir dir;
    struct Case {
        std::string destdir, prefix;
    };
    for (const Case& c : {Case{"", dir.path() + "/one"}, Case{dir.path() + "/stage", "/opt/kartola-two"}}) {
        SCOPED_TRACE(c.prefix);
        ASSERT_EQ(Shell("DESTDIR='" + c.destdir + "' " + TK_CMAKE + " --install " + TK_BUILD_DIR +
                        " --prefix " + c.prefix + " >out"),
                  0)
            << ReadFile("out");
        const fs::path root = c.destdir + c.prefix;
        const std::string page = ReadFile((root / TK_INSTALL_MANDIR / "man6/kartola.6").string());
        EXPECT_NE(page.find("\n.I " + c.prefix + "/" + TK_INSTALL_DATADIR + "/kartola/cardsets/\n"),
                  std::string::npos)
            << page;
        EXPECT_EQ(CountMatches(page, "/kartola/cardsets/"), 1) << page;
        EXPECT_TRUE(fs::is_directory(root / TK_INSTALL_DATADIR / "kartola/cardsets"));
    }

    const fs::path share = dir.path() + "/one/" + TK_INSTALL_DATADIR;
    if (MissingTool({"desktop-file-validate"}).empty()) {
        const std::string entry = (share / "applications" / (std::string(kAppId) + ".desktop")).string();
        EXPECT_EQ(Shell("desktop-file-validate " + entry + " >out 2>&1"), 0) << ReadFile("out");
        EXPECT_EQ(ReadFile("out"), "") << "no hint either";
    }
    if (MissingTool({"appstreamcli"}).empty()) {
        const std::string info = (share / "metainfo" / (std::string(kAppId) + ".metainfo.xml")).string();
        EXPECT_EQ(Shell("appstreamcli validate --no-net " + info + " >out 2>&1"), 0) << ReadFile("out");
    }
}

}  // namespace
}  // namespace tk_test
