#include "tools/lib/sheet.h"

#include <algorithm>

namespace art {

std::uint16_t To565(std::uint32_t rgb, bool round) {
    int r = (rgb >> 16) & 255, g = (rgb >> 8) & 255, b = rgb & 255;
    if (round) {
        r = std::min(31, (r * 31 + 127) / 255);
        g = std::min(63, (g * 63 + 127) / 255);
        b = std::min(31, (b * 31 + 127) / 255);
    } else {
        r >>= 3;
        g >>= 2;
        b >>= 3;
    }
    return static_cast<std::uint16_t>((r << 11) | (g << 5) | b);
}

Sheet::Sheet(int w, int h, std::uint32_t background, std::uint32_t key)
    : img_(w, h, background), background_(background), key_(key) {}

std::uint32_t Sheet::Safe(std::uint32_t rgb) const {
    auto clash = [&](std::uint32_t c) {
        for (bool round : {false, true})
            if (To565(c, round) == To565(background_, round) || To565(c, round) == To565(key_, round))
                return true;
        return false;
    };
    while (clash(rgb)) {
        // Move the green channel towards the middle: far from pure red and from cyan alike.
        int g = (rgb >> 8) & 255;
        g = g < 128 ? g + 8 : g - 8;
        rgb = (rgb & 0xFF00FF) | (static_cast<std::uint32_t>(g) << 8);
    }
    return rgb;
}

void Sheet::PlaceKeyed(const Canvas& c, int x, int y) {
    for (int j = 0; j < c.Height(); ++j) {
        for (int i = 0; i < c.Width(); ++i) {
            Rgba p = c.At(i, j);
            std::uint32_t out = key_;
            if (p.a >= 0.5f) {
                out = (static_cast<std::uint32_t>(ToByte(p.r / p.a)) << 16) |
                      (static_cast<std::uint32_t>(ToByte(p.g / p.a)) << 8) | ToByte(p.b / p.a);
                out = Safe(out);
            }
            img_.At(x + i, y + j) = out;
        }
    }
}

void Sheet::PlaceOpaque(const Canvas& c, int x, int y, Rgba background) {
    for (int j = 0; j < c.Height(); ++j)
        for (int i = 0; i < c.Width(); ++i) img_.At(x + i, y + j) = Safe(c.Xrgb(i, j, background));
}

void Sheet::FillRect(int x, int y, int w, int h, std::uint32_t rgb) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) img_.At(i, j) = rgb;
}

}  // namespace art
