// UTF-8 spans and decoding.
#include "platform/text/utf8.h"

#include <cstring>

std::string_view tkp::text::TextSpan(const char* s, int count) {
    if (!s || count < -1) return {};
    if (count == -1) return std::string_view(s);
    const void* zero = std::memchr(s, 0, static_cast<std::size_t>(count));
    std::size_t n =
        zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - s) : static_cast<std::size_t>(count);
    return std::string_view(s, n);
}

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

}  // namespace

std::u32string tkp::text::DecodeUtf8(std::string_view bytes) {
    std::u32string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        }
        // Number of continuation bytes, the first one's allowed range, and the lead's payload.
        int more = 0;
        unsigned char lo = 0x80, hi = 0xBF;
        char32_t cp = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            more = 1;
            cp = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            more = 2;
            cp = lead & 0x0F;
            if (lead == 0xE0) lo = 0xA0;  // no overlong forms
            if (lead == 0xED) hi = 0x9F;  // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            more = 3;
            cp = lead & 0x07;
            if (lead == 0xF0) lo = 0x90;  // no overlong forms
            if (lead == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
        } else {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        // Take the valid continuation bytes; a broken sequence is replaced as a whole.
        std::size_t j = i + 1;
        bool ok = true;
        for (int k = 0; k < more; ++k, ++j) {
            if (j >= n) {
                ok = false;
                break;
            }
            const auto c = static_cast<unsigned char>(bytes[j]);
            const bool inRange = (k == 0) ? (c >= lo && c <= hi) : isContinuation(c);
            if (!inRange) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (c & 0x3F);
        }
        out.push_back(ok ? cp : kReplacement);
        i = j;
    }
    return out;
}
