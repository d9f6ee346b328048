#include "framework/support/tk_LOG.h"

#include <cstdio>
#include <string>

#include "framework/support/tk_String.h"

int tk_LOG_on = 1;
bool tk_LOG_reset_done = false;

namespace {

constexpr const char* kSeparator = "===========";
constexpr std::size_t kLineSize = 500;

// Writes one line; a file that cannot be opened is skipped silently.
void writeLine(const char* mode, const char* text) {
    std::FILE* f = std::fopen(tk_LOG_FILE_NAME, mode);
    if (!f) return;
    std::fprintf(f, "%s\n", text ? text : "");
    std::fclose(f);
}

template <typename... Args>
void formatAndWrite(const char* format, Args... args) {
    char buf[kLineSize];
    int n = std::snprintf(buf, sizeof(buf), format, args...);
    if (n < 0) return;
    if (n >= static_cast<int>(sizeof(buf))) {
        // Too long for one line: cut it where a character ends, not inside one.
        std::string whole(static_cast<std::size_t>(n), '\0');
        std::snprintf(whole.data(), whole.size() + 1, format, args...);
        tk_StrCopy(buf, whole.c_str());
    }
    tk_LOG_Zapis(buf);
}

const char* orEmpty(const char* s) {
    return s ? s : "";
}

}  // namespace

tk_LOG_Set_struct::tk_LOG_Set_struct(int on) {
    tk_LOG_on = on;
}

void tk_LOG_SetONOFF(int on) {
    tk_LOG_on = on;
}

void tk_LOG_Reset(const char* text) {
    if (!tk_LOG_on) return;
    writeLine("w", text);
    tk_LOG_reset_done = true;
}

void tk_LOG_Zapis(const char* text) {
    if (!tk_LOG_on) return;
    if (!tk_LOG_reset_done) tk_LOG_Reset(kSeparator);
    writeLine("a", text);
}

void tk_LOG_Zapis_F(const char* text, int reset) {
    if (reset) writeLine("w", kSeparator);
    writeLine("a", text);
}

void _tk_LOG_(const char* source, int line, const char* text) {
    formatAndWrite("%s(%i) : %s", orEmpty(source), line, orEmpty(text));
}

void _tk_LOG_(const char* source, int line, const char* text, int a) {
    formatAndWrite("%s(%i) : %s [%i]", orEmpty(source), line, orEmpty(text), a);
}

void _tk_LOG_(const char* source, int line, const char* text, int a, int b) {
    formatAndWrite("%s(%i) : %s [%i] [%i]", orEmpty(source), line, orEmpty(text), a, b);
}

void _tk_LOG_(const char* source, int line, const char* text, int a, int b, int c) {
    formatAndWrite("%s(%i) : %s [%i] [%i] [%i]", orEmpty(source), line, orEmpty(text), a, b, c);
}

void _tk_LOG_(const char* source, int line, const char* text, const char* s) {
    formatAndWrite("%s(%i) : %s [%s]", orEmpty(source), line, orEmpty(text), orEmpty(s));
}

void _tk_LOG_(const char* source, int line, const char* text, const char* s, int a) {
    formatAndWrite("%s(%i) : %s [%s] [%i]", orEmpty(source), line, orEmpty(text), orEmpty(s), a);
}
