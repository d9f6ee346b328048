#include "framework/support/tk_Assert.h"

#include <cstdio>
#include <cstdlib>

#include "framework/support/tk_LOG.h"

void tk_Fatal(const char* module, int line, const char* detail) {
    _tk_LOG_(module, line, "TSKW ERROR: ", detail);
    std::fprintf(stderr, "%s(%d): assertion failed: %s\n", module ? module : "?", line, detail ? detail : "");
    std::fflush(stderr);
    std::abort();
}
