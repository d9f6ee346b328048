// UTF-8 text as the text functions take it: a span bounded by a count or a zero byte, decoded to
// code points.
#pragma once

#include <string>
#include <string_view>

namespace tkp::text {

// The text of (s, count): count -1 means zero-terminated, otherwise at most count bytes and no
// further than the first zero byte. Empty for a null pointer or another negative count.
std::string_view TextSpan(const char* s, int count);

// Code points of the UTF-8 bytes; every invalid or truncated sequence becomes one U+FFFD, and
// nothing past the span is read.
std::u32string DecodeUtf8(std::string_view bytes);

}  // namespace tkp::text
