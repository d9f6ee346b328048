// Opening the files a user supplied (pictures, sounds, settings, lists) so that nothing can block:
// a FIFO, socket or device in a file's place is refused without being waited on, and whatever is
// opened is a regular file (or a link to one) at the moment it is opened.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace tkp::kernel {

// The reason given for a FIFO, socket, device or folder in a file's place (one object, so that a
// caller may compare the pointer).
extern const char kNotRegularFile[];

// Opens path for reading, close-on-exec, blocking again once it is known to be a regular file.
// -1 when it does not open or is no regular file; *reason (when given) then says why in a few
// words ("not a regular file", or the system's reason).
int OpenRegularFile(const char* path, const char** reason = nullptr);
// The same as a stdio stream ("rb"); null on failure.
std::FILE* OpenRegularStream(const char* path, const char** reason = nullptr);
// True when path names a regular file or a link to one; nothing is opened.
bool IsRegularFile(const char* path);

// Reads the whole regular file when it holds at most maxBytes; false otherwise, with *tooLarge
// set when only the size was wrong and *reason as above.
bool ReadRegularFile(const char* path, std::uint64_t maxBytes, std::vector<std::uint8_t>* bytes,
                     bool* tooLarge = nullptr, const char** reason = nullptr);

}  // namespace tkp::kernel
