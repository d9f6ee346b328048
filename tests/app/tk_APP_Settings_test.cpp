// The settings file read without trusting it and replaced whole; files that fight back (a folder
// in the file's place, a read-only file, megabytes of junk, a writer killed at any moment, which
// leaves the old file or the new one, never a damaged one); the display-mode list.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "framework/app/tk_APP_Settings.h"
#include "tests/common/app/tk_app_world.h"

namespace tk_test {
namespace {

namespace fs = std::filesystem;

// "read,width,height,level,period" after reading the file over 111, 222, 7, 77.
std::string readFields(const char* file) {
    tk_TAppSettings s{111, 222, 7, 77};
    const bool read = tk_APP_ReadSettings(file, &s);
    return Nums(read, s.screen_w, s.screen_h, s.level, s.period);
}

// Writes stop after 4 bytes of any file (the child of a death test, which ends without running the
// program's exit code); 0 when the write failed and left the old file alone.
int writeOnAFullDisk() {
    const rlimit limit{4, 4};
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    const bool written = tk_APP_WriteSettings("S.INI", {1024, 768, 5, 100});
    return !written && ReadFile("S.INI") == "800 600\n3 36" && FilesIn(".") == "S.INI tk_LOG.txt" ? 0 : 1;
}

struct ReadCase {
    const char* bytes;  // null: no file, which is not read
    const char* got;    // width, height, level, period after reading over 111, 222, 7, 77
};

class SettingsRead : public AppWorld, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(SettingsRead, TakesOnlyLinesThatScanAndMakeSense) {
    if (GetParam().bytes) WriteFile("S.INI", GetParam().bytes);
    EXPECT_EQ(readFields("S.INI"), Nums(GetParam().bytes != nullptr) + "," + GetParam().got);
}

const std::string kLongFirstLine = "1024 768" + std::string(200, ' ') + "9 324\n3 36";

INSTANTIATE_TEST_SUITE_P(
    AppSettings, SettingsRead,
    ::testing::Values(ReadCase{"800 600\n3 36", "800,600,3,36"}, ReadCase{"1024 768", "1024,768,2,16"},
                      ReadCase{"", "111,222,2,16"}, ReadCase{nullptr, "111,222,7,77"},
                      ReadCase{"800 600\n\n5 100", "800,600,2,16"},
                      ReadCase{"0x320 0x258\r\n3 36\r\n", "800,600,3,36"},
                      ReadCase{"abc\n3 36", "111,222,3,36"}, ReadCase{"800\n3 36", "111,222,3,36"},
                      ReadCase{"99999999999 600\n3 36", "111,222,3,36"},
                      ReadCase{"800 -600\n3 36", "111,222,3,36"}, ReadCase{"0 600\n3 36", "111,222,3,36"},
                      ReadCase{"800 600\n11 484", "800,600,2,16"}, ReadCase{"800 600\n0 36", "800,600,2,16"},
                      ReadCase{"800 600\n3 0", "800,600,2,16"}, ReadCase{"800 600\n10 401", "800,600,2,16"},
                      ReadCase{"2147483647 2147483647\n10 400", "2147483647,2147483647,10,400"},
                      ReadCase{"800 600\n3 4294967332", "800,600,2,16"},
                      ReadCase{kLongFirstLine.c_str(), "1024,768,3,36"}));

using AppSettings = AppWorld;

TEST_F(AppSettings, WritingReplacesTheFileWholeAndAFailedWriteKeepsTheOldOne) {
    WriteFile("S.INI", "1024 768\n5 100");
    ASSERT_TRUE(tk_APP_WriteSettings("S.INI", {800, 600, 3, 36}));
    EXPECT_EQ(ReadFile("S.INI") + "|" + FilesIn("."), "800 600\n3 36|S.INI");
    EXPECT_FALSE(tk_APP_WriteSettings("gone/S.INI", {800, 600, 3, 36}));
    EXPECT_EQ(LogLines("tk_APP_WriteSettings|gone"),
              "TSKW ERROR:  [tk_APP_WriteSettings - the file was not written; the old one is "
              "kept]|gone/S.INI [open: No such file or directory]|");
    // A full disk: the old file stays whole and no temporary file is left.
    EXPECT_EXIT(std::_Exit(writeOnAFullDisk()), ::testing::ExitedWithCode(0), "");
}

TEST_F(AppSettings, TheModeListMergesOnlyNeighboursAndAnUnlistedWishTakesTheLastMode) {
    tkp::headless::SetDisplayModes({{640, 480}, {800, 600}, {800, 600}, {1024, 768}, {800, 600}});
    ASSERT_EQ(DirectDrawCreate(nullptr, &tk_lpDD, nullptr), DD_OK);
    auto listed = [](int wishW, int wishH) {
        tk_ScreenW = wishW, tk_ScreenH = wishH;
        tk_APP_DisplayModes_LIST();
        std::string s;
        for (int i = 0; i < tk_DisplayModes.count; ++i) {
            const auto* m = static_cast<tk_TDisplayMode*>(tk_DisplayModes.items[i]);
            s += Nums(m->width, m->height) + " ";
        }
        return s + "at " + Nums(tk_ScreenW, tk_ScreenH);
    };
    EXPECT_EQ(listed(1024, 768), "800,600 1024,768 800,600 at 1024,768");
    EXPECT_EQ(listed(1280, 1024), "800,600 1024,768 800,600 at 800,600");
}

using HostileSettings = AppWorld;

TEST_F(HostileSettings, ReadingTakesNothingFromFoldersOrJunk) {
    MakeDir("DIR.INI");
    std::string junk(10 << 20, '\0');
    std::mt19937 random(7);
    for (char& c : junk) c = static_cast<char>(random());
    WriteFile("JUNK.INI", junk);
    EXPECT_EQ(readFields("DIR.INI") + " " + readFields("JUNK.INI"), "0,111,222,7,77 1,111,222,2,16");
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
[[noreturn]] void writeForEver() {
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
        if (child == 0) writeForEver();
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
