// A library opened on first use: a present one gives its functions, a missing one or a missing
// function gives null and is said once, however often it is asked for.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/kernel/shared_library.h"
#include "tests/common/platform/debug_log.h"

namespace {

TEST(SharedLibrary, FindsWhatIsThereAndSaysOnceWhatIsNot) {
    tkp::kernel::SharedLibrary c("libc.so.6");
    decltype(&std::strlen) length = nullptr;
    ASSERT_TRUE(c.Find(length, "strlen"));
    EXPECT_EQ(length("Kartola"), 7u);

    tkp::kernel::SharedLibrary missing("libkartola-none.so.0");
    decltype(&std::strlen) none = &std::strlen;
    const std::string log = ptest::Logged([&] {
        EXPECT_FALSE(missing.Find(none, "strlen"));
        EXPECT_FALSE(missing.Find(none, "strlen"));
    });
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(log.rfind("library libkartola-none.so.0 is not available", 0), 0u) << log;
    EXPECT_EQ(log.find('\n'), log.size() - 1) << log;

    EXPECT_EQ(ptest::Logged([&] { EXPECT_FALSE(c.Find(length, "no_such_function_here")); }),
              "library libc.so.6 has no no_such_function_here\n");
}

}  // namespace
