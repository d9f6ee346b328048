#include "framework/widgets/tk_ClassTable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(ClassTableTest, RowsStandInTheirFixedOrderWithPaddedNames) {
    const int ids[] = {0,   1,   2,  3,  4,  5,  6,  7,  8,  9,  11, 12,
                       121, 122, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22};
    ASSERT_EQ(sizeof(tk_class_table), 24 * (sizeof(int) + 24));
    for (int i = 0; i < tk_CLASS_TABLE_ROWS; ++i) {
        EXPECT_EQ(tk_class_table[i].id, ids[i]) << i;
        // Zero padding to the end of the field.
        const char* name = tk_class_table[i].name;
        for (std::size_t k = std::strlen(name); k < 24; ++k) EXPECT_EQ(name[k], '\0');
    }
    EXPECT_STREQ(tk_class_table[12].name, "tk_UTL_CDUIR_THMFILE");

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
