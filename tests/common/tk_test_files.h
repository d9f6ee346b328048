// Test helpers for files: a temporary working folder, whole-file reads and writes, the
// repository's files, and the program's log.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tk_test {

// Creates a fresh folder and makes it the working folder, with the user's cache ($XDG_CACHE_HOME)
// in its ".cache"; restores both and removes the folder on destruction.
class ScopedWorkDir {
  public:
    ScopedWorkDir();
    ~ScopedWorkDir();
    ScopedWorkDir(const ScopedWorkDir&) = delete;
    ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
    std::string previous_;
    std::string previous_cache_;
    bool had_cache_ = false;
};

std::string ReadFile(const std::string& path);
// The little-endian number of `size` bytes at the offset.
inline std::uint32_t Field(const std::string& bytes, std::size_t offset, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(bytes.at(offset + i));
    return v;
}
void WriteFile(const std::string& path, const std::string& bytes);
void MakeDir(const std::string& path);
// The names in a folder, sorted, as "a b c".
std::string FilesIn(const std::string& folder);
// Removes the files a writer left half made (any name holding ".tmp") in the folder; returns how
// many there were.
int RemoveTemporaries(const std::string& folder = ".");

// A path inside the repository.
std::string RepoPath(const std::string& relative);
// The lines of tk_LOG.txt in the working folder, each source line number written as "(N)".
std::vector<std::string> LogLines();
// Whether tk_LOG.txt holds the text.
bool Logged(const std::string& text);

}  // namespace tk_test
