// Log lines of the text area (bad arguments, missing fonts) on the debugger output, "text: ..." each.
#pragma once

namespace tkp::text {

void TextLog(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace tkp::text
