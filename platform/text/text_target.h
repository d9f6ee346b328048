// What text is drawn onto: a pixel area that mixes coverage in a colour and fills rectangles.
// A device context is one (through platform/gdi/dc.h); tests use a memory picture.
#pragma once

#include "platform/wintypes.h"

class tkp_TextTarget {
  public:
    virtual ~tkp_TextTarget() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Mixes colour into pixel (x, y) with coverage 1..255; (x, y) lies inside the target.
    virtual void Blend(int x, int y, COLORREF colour, int alpha) = 0;
    // Fills a rectangle that lies inside the target.
    virtual void Fill(const RECT& r, COLORREF colour) = 0;
};
