// Sprite sheets: a flat background colour with phases placed on it as framed rectangles.
#pragma once

#include <cstdint>

#include "tools/lib/canvas.h"
#include "tools/lib/image.h"

namespace art {

class Sheet {
  public:
    // key: the transparent colour that fills the undrawn parts of phases.
    Sheet(int w, int h, std::uint32_t background, std::uint32_t key);
    // A phase picture at (x, y): covered pixels (alpha >= 1/2) keep their colour, the others
    // become the key, so a colour-keyed blit shows clean edges without a fringe.
    void PlaceKeyed(const Canvas& c, int x, int y);
    // A phase picture over an opaque background colour.
    void PlaceOpaque(const Canvas& c, int x, int y, Rgba background);
    void FillRect(int x, int y, int w, int h, std::uint32_t rgb);
    const RgbImage& Image() const { return img_; }

  private:
    // A drawn colour that 16-bit conversion could turn into the background or key is nudged.
    std::uint32_t Safe(std::uint32_t rgb) const;
    RgbImage img_;
    std::uint32_t background_, key_;
};

// The colour as a 5-6-5 pixel, by truncation (round = false) or rounding.
std::uint16_t To565(std::uint32_t rgb, bool round);

}  // namespace art
