// The game as a user installs it: `cmake --install` of this build into a temporary prefix puts the
// program, the bundled card sets, the desktop entry, the metainfo, the icons and the manual page in
// place; the installed program, started without a display (SDL's dummy video driver) and with a
// fresh data folder, makes the user's folder with the sets, reaches its message loop and ends on
// SIGTERM. The Debian package, built from this checkout with dpkg-buildpackage and unpacked, does
// the same.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "framework/support/tk_FSI_Kinds.h"
#include "tests/common/tk_test_run.h"

namespace tk_test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kAppId = "io.github.kartola.Kartola";

// The environment of a start without a display or sound, with its own data folder.
std::string quiet(const std::string& dataHome) {
    return "XDG_DATA_HOME=" + dataHome +
           " SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy TESSALIN_WINDOW=1024x768 " +
           "ASAN_OPTIONS=detect_leaks=0 ";
}

// Starts the command in the background, waits until the log says the message loop runs, calls
// meanwhile (when it runs), then ends it with SIGTERM as closing the window does. The command's
// output goes to the file out, its status to status.
void runToTheLoop(const std::string& command, const std::string& log,
                  const std::function<void()>& meanwhile) {
    ASSERT_EQ(Shell("(" + command + " >out 2>&1 & echo $! >pid; wait $!; echo $? >status) &"), 0);
    const bool looping = WaitFor(60, [&] { return ReadFile(log).find("while...") != std::string::npos; });
    if (looping) meanwhile();
    Shell("kill -TERM $(cat pid)");
    ASSERT_TRUE(looping) << ReadFile("out") << ReadFile(log);
    ASSERT_TRUE(WaitFor(60, [] { return !ReadFile("status").empty(); })) << "the game did not end";
    EXPECT_EQ(ReadFile("status"), "0\n") << ReadFile("out");
}

// The names in a folder but its thumbnails, sorted.
std::string namesIn(const fs::path& folder) {
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
    // The manual page and --help name the kinds of file a set may hold from the list that decides them.
    const std::string manual = ReadFile((prefix / TK_INSTALL_MANDIR / "man6/kartola.6").string());
    for (const std::string& kinds : {tk_FSI_PictureKindsText(), tk_FSI_SoundKindsText()})
        EXPECT_NE(manual.find("(" + kinds + ")"), std::string::npos) << kinds;

    const fs::path user = dir.path() + "/data/kartola";
    const std::string run = quiet(dir.path() + "/data") + (prefix / TK_INSTALL_BINDIR / "kartola").string();
    ASSERT_EQ(Shell(run + " --help >help"), 0);
    EXPECT_NE(ReadFile("help").find(user.string()), std::string::npos) << ReadFile("help");
    EXPECT_EQ(ReadFile("help").rfind("Usage: kartola [--window[=WIDTHxHEIGHT]] [--scan[=MS]]\n", 0), 0u);
    EXPECT_NE(ReadFile("help").find("Pictures: " + tk_FSI_PictureKindsText() +
                                    ".\nSounds: " + tk_FSI_SoundKindsText()),
              std::string::npos)
        << ReadFile("help");
    EXPECT_FALSE(fs::exists(user)) << "--help makes nothing";

    // The first start, to the message loop. A second start in the same folder meanwhile says that
    // the game runs already and ends at once with status 0, leaving the first one's log as it was
    // (no display: its message box cannot block).
    const std::string log = (user / "hra/tk_LOG.txt").string();
    runToTheLoop(run, log, [&] {
        const std::string before = ReadFile(log);
        EXPECT_EQ(Shell("env -u DISPLAY -u WAYLAND_DISPLAY " + run + " >second.out 2>second.err"), 0);
        const std::string said = ReadFile("second.err");
        EXPECT_EQ(said.rfind("Kartola: Kartola is already running in " + (user / "hra").string() +
                                 "; this copy ends.\n",
                             0),
                  0u)
            << said;
        EXPECT_EQ(ReadFile(log).rfind(before, 0), 0u) << "the first copy's log was touched";
    });

    // Every bundled set is the user's now, without thumbnails but those of the set dealt at start
    // (listed last).
    std::string dealt;
    for (const auto& e : fs::directory_iterator(RepoPath("cardsets"))) {
        const std::string name = e.path().filename().string();
        if (name.rfind("DATA", 0) != 0) continue;
        EXPECT_EQ(namesIn(user / name), namesIn(e.path())) << name;
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

// The Debian package of this checkout, built as Debian's builders do (in a folder of the build tree,
// so that the compiler cache serves the next build), passes lintian; unpacked, its desktop entry and
// metainfo pass their checks, its manual page names /usr, and its game starts to the message loop.
TEST(Installed, TheDebianPackageBuildsAndItsGameStarts) {
    const std::string missing = MissingTool({"dpkg-buildpackage", "dh", "git"});
    if (!missing.empty())
        GTEST_SKIP() << "skipped: " << missing << " is not installed (scripts/setup.sh --deb)";
    ScopedWorkDir dir;
    const fs::path package = fs::path(TK_BUILD_DIR) / "package", source = package / "kartola";
    fs::remove_all(package);
    fs::create_directories(source);
    ASSERT_EQ(Shell("git -C '" + RepoPath("") + "' ls-files -z -co --exclude-standard | (cd '" +
                    RepoPath("") + "' && tar --null -cf - -T -) | tar -xf - -C '" + source.string() + "'"),
              0);
    const std::string cache = MissingTool({"ccache"}).empty() ? "KARTOLA_CCACHE=ccache " : "";
    ASSERT_EQ(Shell("cd '" + source.string() + "' && " + cache +
                    "DEB_BUILD_OPTIONS='parallel=2 nocheck' dpkg-buildpackage -us -uc -b >../build.log 2>&1"),
              0)
        << Output("tail -n 30 '" + (package / "build.log").string() + "'");
    const std::string debs = Output("ls " + package.string() + "/kartola_*_amd64.deb");
    ASSERT_EQ(CountMatches(debs, "\n"), 1) << debs;
    const std::string deb = debs.substr(0, debs.size() - 1);

    if (MissingTool({"lintian"}).empty()) {
        EXPECT_EQ(Shell("lintian --fail-on error '" + deb + "' >lintian.out 2>&1"), 0)
            << ReadFile("lintian.out");
        EXPECT_EQ(CountMatches(ReadFile("lintian.out"), "(^|\n)E: "), 0) << ReadFile("lintian.out");
    }

    const fs::path root = dir.path() + "/root";
    ASSERT_EQ(Shell("dpkg -x '" + deb + "' " + root.string()), 0);
    EXPECT_NE(Output("zcat " + (root / "usr/share/man/man6/kartola.6.gz").string())
                  .find("\n.I /usr/share/kartola/cardsets/\n"),
              std::string::npos);
    if (MissingTool({"desktop-file-validate"}).empty()) {
        EXPECT_EQ(Output("desktop-file-validate " + (root / "usr/share/applications").string() + "/" +
                         kAppId + ".desktop 2>&1"),
                  "");
    }
    if (MissingTool({"appstreamcli"}).empty()) {
        EXPECT_EQ(Shell("appstreamcli validate --no-net " + (root / "usr/share/metainfo").string() + "/" +
                        kAppId + ".metainfo.xml >out 2>&1"),
                  0)
            << ReadFile("out");
    }

    const fs::path user = dir.path() + "/data/kartola";
    runToTheLoop(quiet(dir.path() + "/data") + (root / "usr/games/kartola").string(),
                 (user / "hra/tk_LOG.txt").string(), [] {});
    EXPECT_TRUE(fs::is_directory(user / "DATA_zvierata"));
}

}  // namespace
}  // namespace tk_test
