#include "framework/widgets/tk_ClassTable.h"

#include <gtest/gtest.h>

namespace {

TEST(ClassTableTest, NamesAreFoundByIdAndUnknownIdsGiveAQuestionMark) {
    // The file lists sit right after the row list.
    EXPECT_EQ(tk_class_table[12].id, 121);
    EXPECT_EQ(tk_class_table[14].id, 13);
    EXPECT_EQ(tk_class_table[23].id, 22);
    EXPECT_STREQ(tk_glob_GetClassName(0), "tk_CPol");
    EXPECT_STREQ(tk_glob_GetClassName(1), "tk_CIcon");
    EXPECT_STREQ(tk_glob_GetClassName(7), "tk_CDEDB");
    EXPECT_STREQ(tk_glob_GetClassName(13), "tk_CDDialog_EFEKT");
    EXPECT_STREQ(tk_glob_GetClassName(20), "tk_CPolCHLO");
    EXPECT_STREQ(tk_glob_GetClassName(22), "tk_CScrollBar");
    EXPECT_STREQ(tk_glob_GetClassName(122), "tk_UTL_CDUIR_DIR");
    for (int unknown : {10, 23, 120, 123, -1}) EXPECT_STREQ(tk_glob_GetClassName(unknown), "?") << unknown;
}

}  // namespace
