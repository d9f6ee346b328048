// What text is drawn onto: a pixel area that mixes coverage in a colour and fills rectangles.
// A device context is one (through platform/gdi/dc.h); tests use a memory picture.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/base/wintypes.h"

namespace tkp::text {

class TextTarget {
  public:
    virtual ~TextTarget() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Mixes colour into pixel (x, y) with coverage 1..255; (x, y) lies inside the target.
    virtual void Blend(int x, int y, COLORREF colour, int alpha) = 0;
    // Mixes one row of coverage values (0 = untouched, 255 = solid) starting at (x, y); the whole
    // row lies inside the target. Targets with a cheaper way than pixel by pixel override it.
    virtual void BlendRow(int x, int y, const std::uint8_t* coverage, int n, COLORREF colour) {
        for (int i = 0; i < n; ++i) {
            if (coverage[i] == 255) {
                Fill({x + i, y, x + i + 1, y + 1}, colour);
            } else if (coverage[i]) {
                Blend(x + i, y, colour, coverage[i]);
            }
        }
    }
    // A block of rows of n coverage values each, stride bytes apart, starting at (x, y); the whole
    // block lies inside the target. Targets that can mix a block at once override it.
    virtual void BlendRows(int x, int y, const std::uint8_t* coverage, int n, int rows, int stride,
                           COLORREF colour) {
        for (int j = 0; j < rows; ++j)
            BlendRow(x, y + j, coverage + static_cast<std::ptrdiff_t>(j) * stride, n, colour);
    }
    // Fills a rectangle that lies inside the target.
    virtual void Fill(const RECT& r, COLORREF colour) = 0;
};

}  // namespace tkp::text
