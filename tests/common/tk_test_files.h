// Test helpers for files: a temporary working folder, and whole-file reads and writes.
#pragma once

#include <string>

namespace tk_test {

// Creates a fresh folder and makes it the working folder; restores and removes it on destruction.
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
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
void MakeDir(const std::string& path);

}  // namespace tk_test
