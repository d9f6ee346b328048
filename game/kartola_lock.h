// One copy of the game per working folder: two copies would write the same log, settings and
// thumbnails. The first takes a lock on a file in the folder; the system releases it when the
// process ends, however it ends, so a crash never leaves the folder locked.
#pragma once

#include <string>

// The lock file, hidden in the working folder.
inline constexpr const char* kLockFileName = ".kartola.lock";

enum class FolderLock {
    Taken,          // this process holds the folder until it ends
    HeldByAnother,  // another copy of the game plays in the folder
    Unavailable,    // the lock file cannot be made or locked; *problem says why
};

// Takes the folder's lock for the rest of the process's life without waiting.
FolderLock LockFolder(const std::string& folder, std::string* problem);
