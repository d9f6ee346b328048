#define TK_MODULE "TK_APP_w"
#include "framework/app/tk_APP_ReplaceFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/support/tk_LOG.h"

namespace {

void logFailure(const char* what, const char* path, int error) {
    TK_LOG_ERR(what);
    TK_LOG(path, std::strerror(error));
}

// Writes everything, going on after partial writes and interruptions.
bool writeAll(int fd, const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool tk_APP_ReplaceFile(const char* path, const char* bytes, std::size_t size) {
    if (!path || !path[0] || (!bytes && size > 0)) return false;
    // A unique name beside the target, so the rename stays within one file system.
    std::string temp = std::string(path) + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        logFailure("tk_APP_ReplaceFile - the temporary file cannot be made", path, errno);
        return false;
    }
    // A new file gets the usual permissions, not the private ones of a temporary file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    bool ok = writeAll(fd, bytes, size);
    int error = errno;
    // The bytes must be on the disk before the name points at them.
    if (ok && ::fsync(fd) != 0) ok = false, error = errno;
    if (::close(fd) != 0 && ok) ok = false, error = errno;
    if (ok && std::rename(temp.c_str(), path) != 0) ok = false, error = errno;
    if (!ok) {
        ::unlink(temp.c_str());
        logFailure("tk_APP_ReplaceFile - the file was not written; the old one is kept", path, error);
    }
    return ok;
}
