#include "framework/support/tk_String.h"

#include <cstring>

std::size_t tk_StrCopy(char* dst, std::size_t dst_size, const char* src) {
    if (!dst || dst_size == 0) return 0;
    if (!src) src = "";
    std::size_t len = std::strlen(src);
    if (len >= dst_size) {
        len = dst_size - 1;
        // Step back over a UTF-8 sequence that would be cut in two.
        while (len > 0 && (static_cast<unsigned char>(src[len]) & 0xC0) == 0x80) --len;
    }
    std::memcpy(dst, src, len);
    dst[len] = '\0';
    return len;
}

char* tk_StrDup(const char* src) {
    if (!src) return nullptr;
    std::size_t len = std::strlen(src);
    char* copy = new char[len + 1];
    std::memcpy(copy, src, len + 1);
    return copy;
}
