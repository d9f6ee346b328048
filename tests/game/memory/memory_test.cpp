// The game's memory between runs: a round trip through the file, damaged and hostile files.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "framework/support/tk_LOG.h"
#include "game/kartola_memory.h"
#include "tests/common/tk_test_files.h"

namespace {

class MemoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tk_LOG_on = 1;
        tk_LOG_reset_done = true;
    }
    tk_test::ScopedWorkDir dir_;
};

TEST_F(MemoryTest, KeepsWhatWasSetAcrossRuns) {
    GameMemory first;
    first.Load();
    EXPECT_EQ(first.Get("set", "none"), "none");
    ASSERT_TRUE(first.Set("set", "DATA_zvieratá zo zoo"));
    ASSERT_TRUE(first.Set("font", "3 20 30"));
    EXPECT_FALSE(first.Set("bad", "two\nlines"));
    EXPECT_FALSE(first.Set("a=b", "x"));
    ASSERT_TRUE(first.Save());

    GameMemory second;
    second.Load();
    EXPECT_EQ(second.Get("set"), "DATA_zvieratá zo zoo");
    EXPECT_EQ(second.Get("font"), "3 20 30");
    EXPECT_EQ(second.Get("bad", "-"), "-");
    EXPECT_EQ(tk_test::ReadFile(kKartolaMemory), "font=3 20 30\nset=DATA_zvieratá zo zoo\n");
}

TEST_F(MemoryTest, DamagedOrHostileFilesGiveAnEmptyMemory) {
    tk_test::WriteFile(kKartolaMemory, "garbage\r\nset=DATA_a\r\n=x\n");
    GameMemory damaged;
    damaged.Load();
    EXPECT_EQ(damaged.Get("set"), "DATA_a");
    EXPECT_TRUE(tk_test::Logged("a line without a key"));

    tk_test::WriteFile(kKartolaMemory, std::string(20000, 'a') + "=b\n");
    GameMemory big;
    big.Load();
    EXPECT_EQ(big.Get("a", "-"), "-");

    ::remove(kKartolaMemory);
    ASSERT_EQ(::mkfifo(kKartolaMemory, 0600), 0);
    GameMemory fifo;
    fifo.Load();
    EXPECT_EQ(fifo.Get("set", "-"), "-");
    EXPECT_TRUE(tk_test::Logged("not a small file"));
}

}  // namespace
