// BMP pictures for the loading tests: 24-bit and 8-bit files built in memory from exact 5-6-5
// pixel values, written as files or registered as the program's bitmap resources.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/testing/test_hooks.h"

namespace tk_test {

// The 8-bit channels whose narrowing gives back exactly the 5-6-5 value.
inline std::uint32_t XrgbOf565(std::uint16_t p) {
    const unsigned r5 = p >> 11, g6 = (p >> 5) & 0x3F, b5 = p & 0x1F;
    return ((r5 << 3 | r5 >> 2) << 16) | ((g6 << 2 | g6 >> 4) << 8) | (b5 << 3 | b5 >> 2);
}

inline void PutLE(std::string& s, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// File header and 40-byte info header of a bottom-up BMP.
inline std::string BmpHeaders(int w, int h, int bits, std::uint32_t colours, std::uint32_t pixelBytes) {
    const auto uw = static_cast<std::uint32_t>(w), uh = static_cast<std::uint32_t>(h);
    const auto ubits = static_cast<std::uint32_t>(bits), offset = 54 + colours * 4;
    // clang-format off
    const std::uint32_t fields[][2] = {{offset + pixelBytes, 4}, {0, 4}, {offset, 4}, {40, 4}, {uw, 4}, {uh, 4},
                                       {1, 2}, {ubits, 2}, {0, 4}, {pixelBytes, 4}, {2835, 4}, {2835, 4},
                                       {colours, 4}, {0, 4}};
    // clang-format on
    std::string b = "BM";
    for (const auto& f : fields) PutLE(b, f[0], static_cast<int>(f[1]));
    return b;
}

// A 24-bit BMP file whose pixel (x, y) narrows to raw(x, y).
inline std::string Bmp24(int w, int h, const std::function<std::uint16_t(int, int)>& raw) {
    const int stride = (w * 3 + 3) / 4 * 4;
    std::string b = BmpHeaders(w, h, 24, 0, static_cast<std::uint32_t>(stride * h));
    for (int y = h - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < w; ++x) PutLE(row, XrgbOf565(raw(x, y)), 3);
        row.resize(static_cast<std::size_t>(stride), '\0');
        b += row;
    }
    return b;
}

// An 8-bit BMP file with the given colour table (0x00RRGGBB) and every pixel index 0.
inline std::string Bmp8(int w, int h, const std::vector<std::uint32_t>& table) {
    const int stride = (w + 3) / 4 * 4;
    std::string b =
        BmpHeaders(w, h, 8, static_cast<std::uint32_t>(table.size()), static_cast<std::uint32_t>(stride * h));
    for (std::uint32_t c : table) PutLE(b, c, 4);
    b.append(static_cast<std::size_t>(stride * h), '\0');
    return b;
}

// Registers a BMP file's picture as a bitmap resource (resources start at the info header).
inline bool RegisterBitmap(const char* name, const std::string& file) {
    return tkp_RegisterResource(name, RT_BITMAP, file.data() + 14, file.size() - 14);
}

}  // namespace tk_test
