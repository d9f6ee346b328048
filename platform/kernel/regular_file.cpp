// The file is looked at before it is opened and opened non-blocking, so that neither a FIFO
// without a writer nor a device can hold the caller in open(); fstat then confirms what was opened.
#include "platform/kernel/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>

const char tkp::kernel::kNotRegularFile[] = "not a regular file";

namespace {

int refuse(const char** reason, const char* why, int fd = -1) {
    if (fd >= 0) ::close(fd);
    if (reason) *reason = why;
    return -1;
}

}  // namespace

bool tkp::kernel::IsRegularFile(const char* path) {
    struct stat st {};
    return path && *path && ::stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

int tkp::kernel::OpenRegularFile(const char* path, const char** reason) {
    if (!path || !*path) return refuse(reason, "no file name");
    struct stat st {};
    if (::stat(path, &st) != 0) return refuse(reason, std::strerror(errno));
    if (!S_ISREG(st.st_mode)) return refuse(reason, tkp::kernel::kNotRegularFile);
    // Something else may have taken the name since: the open itself never waits either.
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return refuse(reason, std::strerror(errno));
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return refuse(reason, tkp::kernel::kNotRegularFile, fd);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        return refuse(reason, std::strerror(errno), fd);
    return fd;
}

std::FILE* tkp::kernel::OpenRegularStream(const char* path, const char** reason) {
    const int fd = tkp::kernel::OpenRegularFile(path, reason);
    if (fd < 0) return nullptr;
    std::FILE* f = ::fdopen(fd, "rb");
    if (!f) {
        refuse(reason, std::strerror(errno), fd);
        return nullptr;
    }
    return f;
}

bool tkp::kernel::ReadRegularFile(const char* path, std::uint64_t maxBytes, std::vector<std::uint8_t>* bytes,
                                  bool* tooLarge, const char** reason) {
    bytes->clear();
    if (tooLarge) *tooLarge = false;
    const int fd = tkp::kernel::OpenRegularFile(path, reason);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0) return refuse(reason, std::strerror(errno), fd) == 0;
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        if (tooLarge) *tooLarge = true;
        return refuse(reason, "file too large", fd) == 0;
    }
    try {
        bytes->resize(static_cast<std::size_t>(st.st_size));
    } catch (const std::bad_alloc&) {
        if (tooLarge) *tooLarge = true;
        return refuse(reason, "out of memory", fd) == 0;
    }
    // A file that shrinks while it is read gives what it held; one that grows gives its old size.
    std::size_t got = 0;
    while (got < bytes->size()) {
        const ssize_t n = ::read(fd, bytes->data() + got, bytes->size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            bytes->clear();
            return refuse(reason, std::strerror(errno), fd) == 0;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes->resize(got);
    ::close(fd);
    return true;
}
