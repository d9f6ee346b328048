#include "framework/support/tk_LOG.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "tests/common/tk_test_files.h"

using tk_test::ReadFile;
using tk_test::WriteFile;

namespace {

// Each test starts a fresh run in its own folder, with the log on and not yet reset.
class LogTest : public ::testing::Test {
protected:
    void SetUp() override {
        tk_LOG_on = 1;
        tk_LOG_reset_done = false;
    }
    tk_test::ScopedWorkDir dir;
};

TEST_F(LogTest, FirstLineOfARunStartsTheFileWithTheSeparator) {
    WriteFile("tk_LOG.txt", "old run\n");
    tk_LOG_Zapis("x");
    tk_LOG_Zapis("y");
    EXPECT_EQ(ReadFile("tk_LOG.txt"), "===========\nx\ny\n");
    EXPECT_TRUE(tk_LOG_reset_done);
}

TEST_F(LogTest, SwitchedOffLeavesThePreviousRunAlone) {
    WriteFile("tk_LOG.txt", "old run\n");
    tk_LOG_SetONOFF(0);
    tk_LOG_Zapis("lost");
    tk_LOG_Reset("lost too");
    EXPECT_EQ(ReadFile("tk_LOG.txt"), "old run\n");
    EXPECT_FALSE(tk_LOG_reset_done);

    tk_LOG_SetONOFF(1);
    tk_LOG_Zapis("now");
    EXPECT_EQ(ReadFile("tk_LOG.txt"), "===========\nnow\n");
}

TEST_F(LogTest, ForcedWriteIgnoresTheSwitchAndTheResetFlag) {
    tk_LOG_SetONOFF(0);
    tk_LOG_Zapis_F("y", 1);
    EXPECT_EQ(ReadFile("tk_LOG.txt"), "===========\ny\n");
    tk_LOG_Zapis_F("y2", 0);
    EXPECT_EQ(ReadFile("tk_LOG.txt"), "===========\ny\ny2\n");
    EXPECT_FALSE(tk_LOG_reset_done);

    tk_LOG_SetONOFF(1);
    tk_LOG_Zapis("z");
    EXPECT_EQ(ReadFile("tk_LOG.txt"), "===========\nz\n");
}

TEST_F(LogTest, SetStructSwitchesTheLog) {
    tk_LOG_Set_struct off(0);
    EXPECT_EQ(tk_LOG_on, 0);
    tk_LOG_Set_struct on(1);
    EXPECT_EQ(tk_LOG_on, 1);
}

TEST_F(LogTest, TheSixOverloadsFormatTheirLines) {
    _tk_LOG_("TK_TEST_w", 12, "TSKW ERROR: ", "abc");
    _tk_LOG_("M", 1, "plain");
    _tk_LOG_("M", 2, "one", 7);
    _tk_LOG_("M", 3, "two", -1, 4);
    _tk_LOG_("M", 4, "three", 1, 2, 3);
    _tk_LOG_("M", 5, "subor:", "pes.bmp", 9);
    EXPECT_EQ(ReadFile("tk_LOG.txt"),
              "===========\n"
              "TK_TEST_w(12) : TSKW ERROR:  [abc]\n"
              "M(1) : plain\n"
              "M(2) : one [7]\n"
              "M(3) : two [-1] [4]\n"
              "M(4) : three [1] [2] [3]\n"
              "M(5) : subor: [pes.bmp] [9]\n");
}

TEST_F(LogTest, ALongLineIsCutToItsBufferAtACharacterBoundary) {
    // "š" is two bytes: an odd prefix makes the 499-byte cut fall inside one.
    std::string detail;
    for (int i = 0; i < 300; ++i) detail += "š";
    _tk_LOG_("M", 1, "x", detail.c_str());
    std::string log = ReadFile("tk_LOG.txt");
    std::string line = log.substr(std::string("===========\n").size());
    ASSERT_FALSE(line.empty());
    line.pop_back();  // newline
    EXPECT_LE(line.size(), 499u);
    EXPECT_GE(line.size(), 497u);
    EXPECT_EQ(line.rfind("M(1) : x [", 0), 0u);
    EXPECT_EQ(line.substr(line.size() - 2), "š");
}

TEST_F(LogTest, AnUnwritableLogFileIsSkippedSilently) {
    tk_test::MakeDir("tk_LOG.txt");  // a folder where the file should be
    tk_LOG_Zapis("nowhere");
    _tk_LOG_("M", 1, "nowhere", 1);
    SUCCEED();
}

}  // namespace
