// The channels of a 16-bit surface's pixels as 8-bit values, read the way GDI reads a pixel
// (the top bits repeated into the low ones), and 8-bit channels narrowed to the nearest level.
#pragma once

#include <cstdint>

#include "platform/platform.h"

class tk_PixelFormat16 {
  public:
    // Takes the channel masks of a surface description; false unless it is 16-bit RGB.
    bool Read(const DDPIXELFORMAT& format);

    // n pixels as blue, green, red bytes (the order of a BMP file's rows).
    void ToBGR(const std::uint16_t* pixels, int n, std::uint8_t* out) const;
    // One pixel as 0x00RRGGBB.
    std::uint32_t ToXrgb(std::uint16_t pixel) const;
    // 0x00RRGGBB as the nearest pixel.
    std::uint16_t FromXrgb(std::uint32_t xrgb) const;

  private:
    struct Channel {
        int shift = 0;
        int bits = 0;
        // Each level of the channel widened to 8 bits.
        std::uint8_t wide[256] = {};
        bool Take(DWORD mask);
        std::uint8_t Widen(std::uint16_t pixel) const { return wide[(pixel >> shift) & ((1u << bits) - 1)]; }
        std::uint16_t Narrow(unsigned value8) const;
    };
    Channel red_;
    Channel green_;
    Channel blue_;
};
