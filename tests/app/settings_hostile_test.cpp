// Settings files that fight back: a folder in the file's place, a read-only file, megabytes of
// junk, and a writer killed at any moment, which leaves the old file or
// the new one, never a damaged one.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "framework/app/tk_APP_Settings.h"
#include "tests/app/tk_app_world.h"

namespace tk_test {
namespace {

namespace fs = std::filesystem;

std::string Read(const char* file) {
    tk_TAppSettings s{111, 222, 7, 77};
    const bool read = tk_APP_ReadSettings(file, &s);
    return Nums(read, s.screen_w, s.screen_h, s.level, s.period);
}

using HostileSettings = AppWorld;

TEST_F(HostileSettings, ReadingTakesNothingFromFoldersOrJunk) {
    MakeDir("DIR.INI");
    std::string junk(10 << 20, '\0');
    std::mt19937 random(7);
    for (char& c : junk) c = static_cast<char>(random());
    WriteFile("JUNK.INI", junk);
    EXPECT_EQ(Read("DIR.INI") + " " + Read("JUNK.INI"), "0,111,222,7,77 1,111,222,2,16");
    EXPECT_EQ(LogLines("DIR.INI"), "tk_APP_ReadSettings; not a file, ignored [DIR.INI]|");
}

TEST_F(HostileSettings, AFolderOrAReadOnlyFileIsNeverReplaced) {
    MakeDir("DIR.INI");
    WriteFile("RO.INI", "1024 768\n5 100");
    fs::permissions("RO.INI", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(tk_APP_WriteSettings("DIR.INI", {800, 600, 3, 36}));
    EXPECT_FALSE(tk_APP_WriteSettings("RO.INI", {800, 600, 3, 36}));
    EXPECT_EQ(Nums(fs::is_directory("DIR.INI"), RemoveTemporaries()) + " " + ReadFile("RO.INI"),
              "1,0 1024 768\n5 100");
    EXPECT_EQ(LogLines("\\.INI \\["),
              "DIR.INI [open: the target is a folder]|RO.INI [open: the target is read-only]|");

    // A whole run with a folder for its settings file starts on the defaults and ends as usual.
    ProbeApp app("DIR.INI");
    EXPECT_EQ(Run(app, nullptr, {Escape}), 0);
    EXPECT_EQ(Nums(fs::is_directory("DIR.INI"), RemoveTemporaries()), "1,0");
}

// Writes the two settings alternately for ever; the parent kills it.
[[noreturn]] void WriteForEver() {
    for (int i = 0;; ++i)
        tk_APP_WriteSettings("S.INI",
                             i % 2 ? tk_TAppSettings{800, 600, 3, 36} : tk_TAppSettings{1024, 768, 5, 100});
}

TEST_F(HostileSettings, AWriterKilledAtAnyMomentLeavesTheOldFileOrTheNewOne) {
    tk_LOG_on = 0;
    ASSERT_TRUE(tk_APP_WriteSettings("S.INI", {1024, 768, 5, 100}));
    std::mt19937 random(11);
    std::string damaged;
    for (int kill = 0; kill < 200 && damaged.empty(); ++kill) {
        const pid_t child = fork();
        if (child == 0) WriteForEver();
        ASSERT_GT(child, 0);
        // From before the first write to deep inside the loop.
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 4000)(random));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const std::string now = ReadFile("S.INI");
        if (now != "800 600\n3 36" && now != "1024 768\n5 100")
            damaged = "after kill " + std::to_string(kill) + ": " + now;
        // A killed writer cannot remove its temporary file; it is never read as the settings.
        RemoveTemporaries();
    }
    EXPECT_EQ(damaged, "");
}

}  // namespace
}  // namespace tk_test
