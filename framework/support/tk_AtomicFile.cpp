#include "framework/support/tk_AtomicFile.h"

#include <cerrno>
#include <cstring>

namespace {

// Temporary names tried beside the target before giving up: one left by a program that stopped
// while writing, or written by another running program, is never taken over.
constexpr int kTemporaryNames = 16;

}  // namespace

tk_AtomicFile::tk_AtomicFile(const char* target) : target_(target ? target : "") {
    if (target_.empty()) {
        error_ = "open: no file name";
        return;
    }
    for (int i = 0; i < kTemporaryNames; ++i) {
        std::string name = target_ + ".tmp" + (i ? std::to_string(i) : "");
        // "x": the temporary file must be a new one.
        file_ = std::fopen(name.c_str(), "wbx");
        if (file_) {
            temporary_ = std::move(name);
            return;
        }
        if (errno != EEXIST) break;
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
    // Buffered bytes can still fail to reach the disk: both the flush and the close are checked.
    if (std::fflush(file_) != 0) {
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
