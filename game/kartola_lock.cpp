#include "game/kartola_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

FolderLock LockFolder(const std::string& folder, std::string* problem) {
    const std::string path = folder + "/" + kLockFileName;
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        *problem = "the lock file " + path + " cannot be made: " + std::strerror(errno);
        return FolderLock::Unavailable;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return FolderLock::Taken;  // kept open until the end
    const int error = errno;
    close(fd);
    if (error == EWOULDBLOCK) return FolderLock::HeldByAnother;
    *problem = "the lock file " + path + " cannot be locked: " + std::strerror(error);
    return FolderLock::Unavailable;
}
