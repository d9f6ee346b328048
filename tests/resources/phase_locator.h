// Locating a phase on a sprite sheet the way the framework does: from a seed point, scan up and
// down along its column and left and right along its row until the background colour is met.
// Colours are compared as 16-bit 5-6-5 pixels, as the framework's surfaces hold them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tk_res_test {

struct Phase {
    int x = 0, y = 0, x2 = 0, y2 = 0, w = 100, h = 100;
};

class SheetView {
  public:
    SheetView(std::vector<std::uint32_t> px, int w, int h) : px_(std::move(px)), w_(w), h_(h) {}
    int Width() const { return w_; }
    int Height() const { return h_; }
    std::uint32_t Rgb(int x, int y) const { return px_[static_cast<std::size_t>(y) * w_ + x]; }
    std::uint16_t Pixel(int x, int y) const;
    Phase Locate(int x, int y, std::uint16_t background) const;

  private:
    std::vector<std::uint32_t> px_;
    int w_, h_;
};

}  // namespace tk_res_test
