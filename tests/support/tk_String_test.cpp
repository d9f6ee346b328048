#include "framework/support/tk_String.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(StringTest, BoundedCopyAlwaysTerminatesAndCutsWholeCharacters) {
    char field[8];
    std::memset(field, 'x', sizeof(field));
    EXPECT_EQ(tk_StrCopy(field, "hruška"), 7u);
    EXPECT_STREQ(field, "hruška");
    EXPECT_EQ(tk_StrCopy(field, "ččččč"), 6u);  // seven bytes would end inside the fourth "č"
    EXPECT_STREQ(field, "ččč");
    EXPECT_EQ(tk_StrCopy(field, "abcdefghij"), 7u);
    EXPECT_STREQ(field, "abcdefg");
    EXPECT_EQ(tk_StrCopy(field, nullptr), 0u);
    EXPECT_STREQ(field, "");
    EXPECT_EQ(tk_StrCopy(field, 0, "abc"), 0u);

    char* copy = tk_StrDup("pes");
    EXPECT_STREQ(copy, "pes");
    delete[] copy;
    EXPECT_EQ(tk_StrDup(nullptr), nullptr);
}
