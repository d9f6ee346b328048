// A file written whole or not at all. The bytes go to a temporary file beside the target, which
// replaces the target only when every byte was written and the file closed cleanly; any failure
// removes the temporary file and leaves the target as it was. Each step says why it failed. A
// target that is a folder or a read-only file is refused at once.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

class tk_AtomicFile {
  public:
    // Creates the temporary file; ok() tells whether that worked.
    explicit tk_AtomicFile(const char* target);
    // Abandons the file unless Commit succeeded.
    ~tk_AtomicFile();
    tk_AtomicFile(const tk_AtomicFile&) = delete;
    tk_AtomicFile& operator=(const tk_AtomicFile&) = delete;

    // True while the temporary file is open and nothing has failed.
    bool ok() const { return file_ != nullptr; }
    // Appends the bytes; false (and the file abandoned) when not all of them were written.
    bool Write(const void* data, std::size_t size);
    // Flushes, closes and renames the temporary file over the target; false (nothing left behind)
    // when any of that fails or an earlier step failed.
    bool Commit();
    // Why the last step failed ("" while nothing has), with the system's reason.
    const char* Error() const { return error_.c_str(); }
    const std::string& target() const { return target_; }

  private:
    void Fail(const char* step);
    void Abandon();

    std::string target_;
    std::string temporary_;
    std::FILE* file_ = nullptr;
    std::string error_;
};
