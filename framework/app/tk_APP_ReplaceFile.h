// Replacing a file whole: the bytes go to a temporary file in the same folder, which is then
// renamed over the old file, so a crash or a full disk while writing leaves the old file as it
// was. Private to the application shell.
#pragma once

#include <cstddef>

// True when the file now holds exactly these bytes. On failure the old file (if any) is kept,
// the temporary file is removed, and the reason is logged with the file's name.
bool tk_APP_ReplaceFile(const char* path, const char* bytes, std::size_t size);
