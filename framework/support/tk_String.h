// Bounded string copies for the framework's fixed-size character fields, and heap copies.
#pragma once

#include <cstddef>

// Copies src into dst of dst_size bytes, always zero-terminated; a text that does not fit is
// cut at a character boundary (UTF-8). Returns the number of bytes stored, without the zero.
std::size_t tk_StrCopy(char* dst, std::size_t dst_size, const char* src);

template <std::size_t N>
std::size_t tk_StrCopy(char (&dst)[N], const char* src) {
    return tk_StrCopy(dst, N, src);
}

// A heap copy (new char[]) that its owner frees with delete[]; null for null.
char* tk_StrDup(const char* src);
