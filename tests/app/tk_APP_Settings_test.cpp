// The settings file read without trusting it and replaced whole; the display-mode list.
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "framework/app/tk_APP_Settings.h"
#include "tests/app/tk_app_world.h"

namespace tk_test {
namespace {

std::string FilesHere() {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(".")) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    std::string s;
    for (const auto& n : names) s += n + " ";
    return s;
}

// Writes stop after 4 bytes of any file (the child of a death test, which ends without running the
// program's exit code); 0 when the write failed and left the old file alone.
int WriteOnAFullDisk() {
    const rlimit limit{4, 4};
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    const bool written = tk_APP_WriteSettings("S.INI", {1024, 768, 5, 100});
    return !written && ReadFile("S.INI") == "800 600\n3 36" && FilesHere() == "S.INI tk_LOG.txt " ? 0 : 1;
}

struct ReadCase {
    const char* bytes;  // null: no file, which is not read
    const char* got;    // width, height, level, period after reading over 111, 222, 7, 77
};

class SettingsRead : public AppWorld, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(SettingsRead, TakesOnlyLinesThatScanAndMakeSense) {
    if (GetParam().bytes) WriteFile("S.INI", GetParam().bytes);
    tk_TAppSettings s{111, 222, 7, 77};
    EXPECT_EQ(tk_APP_ReadSettings("S.INI", &s), GetParam().bytes != nullptr);
    EXPECT_EQ(Nums(s.screen_w, s.screen_h, s.level, s.period), GetParam().got);
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
    EXPECT_EQ(ReadFile("S.INI") + "|" + FilesHere(), "800 600\n3 36|S.INI ");
    EXPECT_FALSE(tk_APP_WriteSettings("gone/S.INI", {800, 600, 3, 36}));
    EXPECT_EQ(LogLines("tk_APP_WriteSettings|gone"),
              "TSKW ERROR:  [tk_APP_WriteSettings - the file was not written; the old one is "
              "kept]|gone/S.INI [open: No such file or directory]|");
    // A full disk: the old file stays whole and no temporary file is left.
    EXPECT_EXIT(std::_Exit(WriteOnAFullDisk()), ::testing::ExitedWithCode(0), "");
}

TEST_F(AppSettings, TheModeListMergesOnlyNeighboursAndAnUnlistedWishTakesTheLastMode) {
    tkp_HeadlessSetDisplayModes({{640, 480}, {800, 600}, {800, 600}, {1024, 768}, {800, 600}});
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

}  // namespace
}  // namespace tk_test
