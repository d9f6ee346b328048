#include "framework/support/tk_AtomicFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

namespace {

// The temporary file's name: the target's name and ".tmpXXXXXX", within the file system's limit
// on one name (a target named up to that limit still gets a temporary file beside it). Only the
// temporary name is shortened, at a character boundary.
std::string temporaryPattern(const std::string& target) {
    constexpr const char* kSuffix = ".tmpXXXXXX";
    constexpr std::size_t kNameMax = NAME_MAX;
    const std::size_t slash = target.find_last_of('/');
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    std::size_t keep = target.size() - start;
    const std::size_t room = kNameMax - std::strlen(kSuffix);
    if (keep > room) {
        keep = room;
        // Never end inside a UTF-8 character.
        while (keep > 0 && (static_cast<unsigned char>(target[start + keep]) & 0xC0) == 0x80) --keep;
    }
    return target.substr(0, start + keep) + kSuffix;
}

}  // namespace

tk_AtomicFile::tk_AtomicFile(const char* target) : target_(target ? target : "") {
    if (target_.empty()) {
        error_ = "open: no file name";
        return;
    }
    // A folder is never replaced, nor a file marked read-only: its owner wants it kept as it is
    // (the mode bits are asked as well as access(), which grants everything to root).
    struct stat st {};
    if (::stat(target_.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            error_ = "open: the target is a folder";
            return;
        }
        if ((st.st_mode & 0222) == 0 || ::access(target_.c_str(), W_OK) != 0) {
            error_ = "open: the target is read-only";
            return;
        }
    }
    // A new name beside the target (so the rename stays within one file system); a file left by a
    // program that stopped while writing, or written by another running program, is never taken over.
    std::string name = temporaryPattern(target_);
    const int fd = ::mkstemp(name.data());
    if (fd >= 0) {
        // The finished file gets the usual permissions, not the private ones of a temporary file.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
        file_ = ::fdopen(fd, "wb");
        if (file_) {
            temporary_ = std::move(name);
            return;
        }
        ::close(fd);
        ::unlink(name.c_str());
    }
    Fail("open");
}

tk_AtomicFile::~tk_AtomicFile() {
    Abandon();
}

void tk_AtomicFile::Fail(const char* step) {
    error_ = std::string(step) + ": " + std::strerror(errno);
    Abandon();
}

void tk_AtomicFile::Abandon() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    if (!temporary_.empty()) std::remove(temporary_.c_str());
    temporary_.clear();
}

bool tk_AtomicFile::Write(const void* data, std::size_t size) {
    if (!file_) return false;
    if (size == 0 || std::fwrite(data, 1, size, file_) == size) return true;
    Fail("write");
    return false;
}

bool tk_AtomicFile::Commit() {
    if (!file_) return false;
    // Buffered bytes can still fail to reach the disk: the flush, the sync and the close are all
    // checked, and the bytes are on the disk before the name points at them.
    if (std::fflush(file_) != 0 || ::fsync(::fileno(file_)) != 0) {
        Fail("write");
        return false;
    }
    const int closed = std::fclose(file_);
    file_ = nullptr;
    if (closed != 0) {
        Fail("close");
        return false;
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        Fail("rename");
        return false;
    }
    temporary_.clear();
    return true;
}
