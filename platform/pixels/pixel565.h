// Conversions between 16-bit RGB 5-6-5 pixels and 8-bit channels; internal to platform/.
// Narrowing rounds to the nearest level; widening replicates the top bits into the low ones, so
// every 5-6-5 value survives a round trip through 8 bits per channel unchanged.
#pragma once

#include <cstdint>

#include "platform/base/wintypes.h"

namespace tkp::pixels {

constexpr std::uint16_t Pack565(unsigned r8, unsigned g8, unsigned b8) {
    return static_cast<std::uint16_t>((((r8 & 0xFF) * 31 + 127) / 255) << 11 |
                                      (((g8 & 0xFF) * 63 + 127) / 255) << 5 |
                                      (((b8 & 0xFF) * 31 + 127) / 255));
}

constexpr unsigned Red8(std::uint16_t p) {
    unsigned r5 = p >> 11;
    return (r5 << 3) | (r5 >> 2);
}
constexpr unsigned Green8(std::uint16_t p) {
    unsigned g6 = (p >> 5) & 0x3F;
    return (g6 << 2) | (g6 >> 4);
}
constexpr unsigned Blue8(std::uint16_t p) {
    unsigned b5 = p & 0x1F;
    return (b5 << 3) | (b5 >> 2);
}

// A Windows colour (red in the low byte) and a 5-6-5 pixel.
constexpr std::uint16_t ColorrefTo565(COLORREF c) {
    return Pack565(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
constexpr COLORREF ColorrefOf565(std::uint16_t p) {
    return Red8(p) | (Green8(p) << 8) | (Blue8(p) << 16);
}

// A bitmap pixel 0x00RRGGBB and a 5-6-5 pixel.
constexpr std::uint16_t XrgbTo565(std::uint32_t x) {
    return Pack565((x >> 16) & 0xFF, (x >> 8) & 0xFF, x & 0xFF);
}
constexpr std::uint32_t XrgbOf565(std::uint16_t p) {
    return (Red8(p) << 16) | (Green8(p) << 8) | Blue8(p);
}

// A Windows colour and a bitmap pixel.
constexpr std::uint32_t ColorrefToXrgb(COLORREF c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr COLORREF ColorrefOfXrgb(std::uint32_t x) {
    return ((x >> 16) & 0xFF) | (x & 0xFF00) | ((x & 0xFF) << 16);
}

// Mixes two 8-bit channel values: alpha 255 gives a, alpha 0 gives b.
constexpr unsigned Mix8(unsigned a, unsigned b, unsigned alpha) {
    return (a * alpha + b * (255 - alpha) + 127) / 255;
}

// Mixes one 5- or 6-bit channel; every intermediate value fits 16 bits, so that loops of it
// run on 16-bit vector lanes.
constexpr std::uint16_t MixChannel(std::uint16_t a, std::uint16_t b, std::uint16_t alpha) {
    const std::uint16_t sum = static_cast<std::uint16_t>(a * alpha + b * (255 - alpha) + 127);
    return static_cast<std::uint16_t>(sum / 255);
}

// Mixes two 5-6-5 pixels channel by channel at their own precision.
constexpr std::uint16_t Mix565(std::uint16_t src, std::uint16_t dst, std::uint16_t alpha) {
    std::uint16_t r = MixChannel(src >> 11, dst >> 11, alpha);
    std::uint16_t g = MixChannel((src >> 5) & 0x3F, (dst >> 5) & 0x3F, alpha);
    std::uint16_t b = MixChannel(src & 0x1F, dst & 0x1F, alpha);
    return static_cast<std::uint16_t>(r << 11 | g << 5 | b);
}

}  // namespace tkp::pixels
