#define TK_MODULE "TK_APP_w"
#include "framework/app/tk_APP_Settings.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/support/tk_AtomicFile.h"
#include "framework/support/tk_LOG.h"
#include "platform/kernel/regular_file.h"

namespace {

// The longest line read; the rest of a longer line is skipped, never read as the next line.
constexpr int kLineMax = 200;
// The slowest redraw period the timer dialog sets (level 10); a longer one would leave the screen
// standing still for minutes or days.
constexpr int kPeriodMax = 400;

// Reads one line of at most kLineMax characters without its newline; false at the end of the file.
bool readLine(std::FILE* f, std::string* line) {
    line->clear();
    int c;
    bool any = false;
    while ((c = std::fgetc(f)) != EOF) {
        any = true;
        if (c == '\n') break;
        if (static_cast<int>(line->size()) < kLineMax) line->push_back(static_cast<char>(c));
    }
    return any;
}

// One number as "%i" reads it (sign, decimal, 0x hexadecimal or 0 octal), but only when it fits
// an int.
bool scanInt(const char** at, int* out) {
    const char* s = *at;
    while (std::isspace(static_cast<unsigned char>(*s))) ++s;
    if (!*s) return false;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(s, &end, 0);
    if (end == s || errno == ERANGE || v < INT_MIN || v > INT_MAX) return false;
    *out = static_cast<int>(v);
    *at = end;
    return true;
}

// Both numbers of "%i %i", or neither.
bool scanPair(const std::string& line, int* a, int* b) {
    const char* at = line.c_str();
    int first = 0, second = 0;
    if (!scanInt(&at, &first) || !scanInt(&at, &second)) return false;
    *a = first;
    *b = second;
    return true;
}

}  // namespace

bool tk_APP_ReadSettings(const char* path, tk_TAppSettings* s) {
    if (!path || !path[0] || !s) return false;
    // A folder (or a device) of that name opens, but holds no settings.
    struct stat st {};
    if (::stat(path, &st) == 0 && !S_ISREG(st.st_mode)) {
        TK_LOG("tk_APP_ReadSettings; not a file, ignored", path);
        return false;
    }
    std::FILE* f = tkp::kernel::OpenRegularStream(path);
    if (!f) return false;
    std::string line;
    int a = 0, b = 0;
    readLine(f, &line);
    if (scanPair(line, &a, &b) && a > 0 && b > 0) {
        s->screen_w = a;
        s->screen_h = b;
    } else {
        TK_LOG("tk_APP_ReadSettings; the screen size line does not scan", path);
    }
    s->level = 2;
    s->period = 16;
    if (readLine(f, &line) && !line.empty()) {
        if (scanPair(line, &a, &b) && a >= 1 && a <= 10 && b > 0 && b <= kPeriodMax) {
            s->level = a;
            s->period = b;
        } else {
            TK_LOG("tk_APP_ReadSettings; the redraw timer line does not scan", path);
        }
    }
    std::fclose(f);
    return true;
}

bool tk_APP_WriteSettings(const char* path, const tk_TAppSettings& s) {
    char text[64];
    const int n = std::snprintf(text, sizeof text, "%i %i\n%i %i", s.screen_w, s.screen_h, s.level, s.period);
    tk_AtomicFile out(path);
    if (out.Write(text, static_cast<std::size_t>(n)) && out.Commit()) return true;
    TK_LOG_ERR("tk_APP_WriteSettings - the file was not written; the old one is kept");
    TK_LOG(path, out.Error());
    return false;
}
