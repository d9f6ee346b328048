// What text is drawn onto: a pixel area that mixes coverage in a colour and fills rectangles.
// A device context is one (through platform/gdi/dc.h); tests use a memory picture.
#pragma once

#include <cstdint>

#include "platform/wintypes.h"

class tkp_TextTarget {
  public:
    virtual ~tkp_TextTarget() = default;
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
    // Fills a rectangle that lies inside the target.
    virtual void Fill(const RECT& r, COLORREF colour) = 0;
};
