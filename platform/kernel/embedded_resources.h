// The table of files that the build compiled into the executable (see cmake/TkResources.cmake).
// Internal to platform/: the generated source defines tkp_EmbeddedFiles; without it, none exist.
#pragma once

#include <cstddef>

struct tkp_EmbeddedFile {
    const char* fileName;
    const unsigned char* begin;
    const unsigned char* end;
};

// The embedded files and their count; weak, so an executable without resources still links.
extern "C" const tkp_EmbeddedFile* tkp_EmbeddedFiles(std::size_t* count) __attribute__((weak));
