// Coverage masks: a path rasterised with exact anti-aliasing (signed-area accumulation), and the
// set operations that make shapes with bites and holes (a crescent is a disc minus a disc).
#pragma once

#include <cstddef>
#include <vector>

#include "tools/lib/geometry.h"

namespace art {

class Mask {
  public:
    Mask(int w, int h) : w_(w), h_(h), cov_(static_cast<std::size_t>(w) * h, 0.0f) {}
    int Width() const { return w_; }
    int Height() const { return h_; }
    float At(int x, int y) const { return cov_[static_cast<std::size_t>(y) * w_ + x]; }
    float& At(int x, int y) { return cov_[static_cast<std::size_t>(y) * w_ + x]; }
    // Rows that may hold coverage; painting skips the rest.
    int RowBegin() const { return y0_; }
    int RowEnd() const { return y1_; }
    void MarkRows(int y0, int y1);

    Mask& Subtract(const Mask& other);
    Mask& Intersect(const Mask& other);
    Mask& Unite(const Mask& other);
    Mask& Scale(float factor);

  private:
    int w_, h_;
    int y0_ = 0, y1_ = 0;
    std::vector<float> cov_;
};

// Every contour counts as filled whatever its direction; overlapping contours unite.
Mask Rasterize(const Path& path, int w, int h);

}  // namespace art
