#include "framework/support/tk_LOG.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "framework/support/tk_String.h"

int tk_LOG_on = 1;
bool tk_LOG_reset_done = false;
bool tk_LOG_given_up = false;

namespace {

constexpr const char* kSeparator = "===========";
constexpr std::size_t kLineSize = 500;

// Opens the log for one write. The log is never reached through a link (nor a second hard link):
// such a name is replaced by a file of the log's own, so that whatever the link pointed at stays
// as it was. Only a regular file is written, and opening never waits on a FIFO. -1 when the log
// cannot be written; the reason goes to standard error once, and the run goes on without a log.
int openLog(bool truncate) {
    if (tk_LOG_given_up) return -1;
    // A reader that goes away must not end the program through SIGPIPE.
    static const bool pipeIgnored = std::signal(SIGPIPE, SIG_IGN) != SIG_ERR;
    (void)pipeIgnored;
    const int flags = O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    const char* why = nullptr;
    for (int attempt = 0; attempt < 2 && !why; ++attempt) {
        const int fd = ::open(tk_LOG_FILE_NAME, flags, 0666);
        struct stat st {};
        if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1) {
            if (!truncate || ::ftruncate(fd, 0) == 0) return fd;
            why = std::strerror(errno);
        } else if (fd >= 0 && S_ISREG(st.st_mode)) {
            // A regular file with another name elsewhere: that name keeps its content.
            if (::unlink(tk_LOG_FILE_NAME) != 0) why = std::strerror(errno);
        } else if (fd < 0 && errno == ELOOP) {
            // A symbolic link in the log's place is removed, not followed.
            if (::unlink(tk_LOG_FILE_NAME) != 0) why = std::strerror(errno);
        } else {
            why = fd >= 0 ? "not a regular file" : std::strerror(errno);
        }
        if (fd >= 0) ::close(fd);
    }
    if (!why) why = "the name keeps changing";
    tk_LOG_given_up = true;
    std::fprintf(stderr, "%s: the log cannot be written, logging stops: %s\n", tk_LOG_FILE_NAME, why);
    return -1;
}

// Appends bytes to the log; false when it cannot be written.
bool writeText(bool truncate, const char* text, std::size_t size) {
    const int fd = openLog(truncate);
    if (fd < 0) return false;
    bool ok = true;
    while (size > 0 && ok) {
        const ssize_t n = ::write(fd, text, size);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) {
            text += n;
            size -= static_cast<std::size_t>(n);
        }
    }
    ::close(fd);
    return ok;
}

// Writes one line; a log that cannot be written is skipped.
void writeLine(bool truncate, const char* text) {
    std::string line(text ? text : "");
    line += '\n';
    writeText(truncate, line.data(), line.size());
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
    // A fresh start tries the file again, whatever became of it before.
    tk_LOG_given_up = false;
    writeLine(true, text);
    tk_LOG_reset_done = true;
}

void tk_LOG_Zapis(const char* text) {
    if (!tk_LOG_on) return;
    if (!tk_LOG_reset_done) tk_LOG_Reset(kSeparator);
    writeLine(false, text);
}

void tk_LOG_Zapis_F(const char* text, int reset) {
    if (reset) writeLine(true, kSeparator);
    writeLine(false, text);
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

bool tk_LOG_AppendText(const char* text) {
    return text && writeText(false, text, std::strlen(text));
}
