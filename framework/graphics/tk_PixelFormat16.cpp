#include "framework/graphics/tk_PixelFormat16.h"

bool tk_PixelFormat16::Channel::Take(DWORD mask) {
    if (mask == 0 || mask > 0xFFFF) return false;
    shift = 0;
    while (!(mask & 1u)) {
        mask >>= 1;
        ++shift;
    }
    bits = 0;
    while (mask & 1u) {
        mask >>= 1;
        ++bits;
    }
    // A channel wider than 8 bits, or with a gap in its mask, is no RGB channel.
    if (mask != 0 || bits > 8) return false;
    const unsigned levels = 1u << bits;
    for (unsigned v = 0; v < levels; ++v) {
        // Repeat the level's bits until 8 are filled: 5 bits abcde give abcdeabc.
        unsigned repeated = 0;
        int filled = 0;
        while (filled < 8) {
            repeated = repeated << bits | v;
            filled += bits;
        }
        wide[v] = static_cast<std::uint8_t>(repeated >> (filled - 8));
    }
    return true;
}

std::uint16_t tk_PixelFormat16::Channel::Narrow(unsigned value8) const {
    const unsigned top = (1u << bits) - 1;
    return static_cast<std::uint16_t>(((value8 & 0xFF) * top + 127) / 255 << shift);
}

bool tk_PixelFormat16::Read(const DDPIXELFORMAT& format) {
    if (format.dwRGBBitCount != 16) return false;
    return red_.Take(format.dwRBitMask) && green_.Take(format.dwGBitMask) && blue_.Take(format.dwBBitMask);
}

void tk_PixelFormat16::ToBGR(const std::uint16_t* pixels, int n, std::uint8_t* out) const {
    for (int i = 0; i < n; ++i) {
        const std::uint16_t p = pixels[i];
        out[0] = blue_.Widen(p);
        out[1] = green_.Widen(p);
        out[2] = red_.Widen(p);
        out += 3;
    }
}

std::uint32_t tk_PixelFormat16::ToXrgb(std::uint16_t p) const {
    return std::uint32_t{red_.Widen(p)} << 16 | std::uint32_t{green_.Widen(p)} << 8 | blue_.Widen(p);
}

std::uint16_t tk_PixelFormat16::FromXrgb(std::uint32_t xrgb) const {
    return static_cast<std::uint16_t>(red_.Narrow(xrgb >> 16) | green_.Narrow(xrgb >> 8) |
                                      blue_.Narrow(xrgb));
}
