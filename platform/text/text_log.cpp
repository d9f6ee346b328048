// Log lines of the text area through the debugger output.
#include "platform/text/text_log.h"

#include <cstdarg>
#include <cstdio>

#include "platform/kernel/debug.h"

void tkp::text::TextLog(const char* format, ...) {
    char line[512] = "text: ";
    const std::size_t prefix = 6;
    va_list args;
    va_start(args, format);
    std::vsnprintf(line + prefix, sizeof line - prefix - 1, format, args);
    va_end(args);
    std::size_t n = 0;
    while (line[n]) ++n;
    line[n] = '\n';
    line[n + 1] = 0;
    OutputDebugStringA(line);
}
