// A folder made read-only for real, also for root, as a USB stick, a CD or a school share is.
#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>

namespace tk_test {

// Whether a thumbnail-sized file can be written whole in the folder.
inline bool Writable(const std::string& folder) {
    std::FILE* f = std::fopen((folder + "/probe").c_str(), "wb");
    if (!f) return false;
    const std::string bytes(50000, 'x');
    const bool whole = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool closed = std::fclose(f) == 0;
    std::filesystem::remove(folder + "/probe");
    return whole && closed;
}

// Makes the folder read-only, also for root: the permission bits, else the immutable flag (root),
// else a file-size limit that fails every thumbnail write (the log, far shorter, stays under it).
// Undo() gives the folder back.
class Unwritable {
  public:
    explicit Unwritable(const std::string& folder) : folder_(folder) {
        std::filesystem::permissions(folder,
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        if (Writable(folder) && SetImmutable(true)) how_ = "immutable";
        if (Writable(folder)) {
            getrlimit(RLIMIT_FSIZE, &old_);
            previous_ = std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limited{std::filesystem::file_size("tk_LOG.txt") + 8000, old_.rlim_max};
            setrlimit(RLIMIT_FSIZE, &limited);
            how_ = "limit";
        }
    }
    void Undo() {
        if (how_ == "immutable") SetImmutable(false);
        if (how_ == "limit") {
            setrlimit(RLIMIT_FSIZE, &old_);
            std::signal(SIGXFSZ, previous_);
        }
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all);
    }

  private:
    bool SetImmutable(bool on) {
        const int fd = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        if (fd >= 0) ::close(fd);
        return done;
    }
    std::string folder_;
    std::string how_;
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};

}  // namespace tk_test
