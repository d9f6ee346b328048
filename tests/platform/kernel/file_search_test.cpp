#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "tests/common/tk_test_files.h"

namespace {

std::vector<std::string> search(const char* pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA(pattern, &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        names.emplace_back(fd.cFileName);
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) names.back() += "/";
    } while (FindNextFileA(h, &fd));
    EXPECT_EQ(GetLastError(), ERROR_NO_MORE_FILES);
    FindClose(h);
    return names;
}

using Names = std::vector<std::string>;

TEST(FileSearchTest, WildcardsMatchWithoutRegardToCase) {
    EXPECT_TRUE(tkp_WildcardMatch("*.bmp", "Pes.BMP"));
    EXPECT_TRUE(tkp_WildcardMatch("DATA*", "data_ovocie"));
    EXPECT_TRUE(tkp_WildcardMatch("p?s.*", "pes.wav"));
    EXPECT_TRUE(tkp_WildcardMatch("?ruška.bmp", "hruška.bmp"));
    EXPECT_TRUE(tkp_WildcardMatch("hru?ka.bmp", "hruška.bmp"));  // '?' is one character, not one byte
    EXPECT_TRUE(tkp_WildcardMatch("*.*", "bez_bodky"));
    EXPECT_TRUE(tkp_WildcardMatch("*a*b*", "xaxxbx"));
    EXPECT_FALSE(tkp_WildcardMatch("*.bmp", "pes.bmp.thm"));
    EXPECT_FALSE(tkp_WildcardMatch("p?s", "ps"));
    EXPECT_FALSE(tkp_WildcardMatch("DATA*", "xDATA"));
}

TEST(FileSearchTest, SearchListsSortedEntriesWithAttributes) {
    tk_test::ScopedWorkDir dir;
    tk_test::MakeDir("f/Sub");
    tk_test::WriteFile("f/b.bmp", "12345");
    tk_test::WriteFile("f/A.BMP", "1");
    tk_test::WriteFile("f/c.wav", "1");
    EXPECT_EQ(search("f/*.*"), (Names{"./", "../", "A.BMP", "b.bmp", "c.wav", "Sub/"}));
    EXPECT_EQ(search("f\\*.bmp"), (Names{"A.BMP", "b.bmp"}));

    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA("f/b.bmp", &fd);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(fd.nFileSizeLow, 5u);
    EXPECT_EQ(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    FindClose(h);

    EXPECT_EQ(FindFirstFileA("f/*.png", &fd), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(FindFirstFileA("nic/*", &fd), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

TEST(FileSearchTest, CopyAndCreateFolder) {
    tk_test::ScopedWorkDir dir;
    tk_test::WriteFile("a.txt", "novy");
    tk_test::WriteFile("b.txt", "stary");
    EXPECT_FALSE(CopyFileA("a.txt", "b.txt", TRUE));
    EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);
    EXPECT_EQ(tk_test::ReadFile("b.txt"), "stary");
    EXPECT_TRUE(CopyFileA("a.txt", "b.txt", FALSE));
    EXPECT_EQ(tk_test::ReadFile("b.txt"), "novy");
    EXPECT_FALSE(CopyFileA("chyba.txt", "c.txt", FALSE));

    EXPECT_TRUE(CreateDirectoryA("d", nullptr));
    EXPECT_FALSE(CreateDirectoryA("d", nullptr));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_FALSE(CreateDirectoryA("x/y", nullptr));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

}  // namespace
