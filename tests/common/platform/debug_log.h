// What a piece of platform code writes to the debugger output, captured for comparison.
#pragma once

#include <string>

#include "platform/testing/test_hooks.h"

namespace ptest {

// Runs f with the debugger output captured and returns what it wrote.
template <typename F>
std::string Logged(F&& f) {
    tkp::testing::CaptureDebugOutput(true);
    tkp::testing::TakeDebugOutput();
    f();
    std::string log = tkp::testing::TakeDebugOutput();
    tkp::testing::CaptureDebugOutput(false);
    return log;
}

}  // namespace ptest
