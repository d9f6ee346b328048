// The project-wide assertion for programming faults: it logs "TSKW ERROR: " with the detail,
// reports the module and line on stderr and stops the program, in every build type.
#pragma once

[[noreturn]] void tk_Fatal(const char* module, int line, const char* detail);

#define TK_FAIL(detail) tk_Fatal(TK_MODULE, __LINE__, detail)
#define TK_ASSERT(condition, detail)                             \
    do {                                                         \
        if (!(condition)) tk_Fatal(TK_MODULE, __LINE__, detail); \
    } while (0)
