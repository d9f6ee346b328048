// An RGBA picture in floating point (premultiplied alpha) that masks are painted onto.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "tools/lib/mask.h"

namespace art {

// A straight (not premultiplied) colour, channels 0..1.
struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

// 0xRRGGBB with an opacity.
Rgba Hex(std::uint32_t rgb, float alpha = 1.0f);
// Mixes two colours: t = 0 gives a, t = 1 gives b.
Rgba Mix(Rgba a, Rgba b, double t);
Rgba Lighter(Rgba c, double t);
Rgba Darker(Rgba c, double t);

// A colour for every point: solid colours and gradients.
using Paint = std::function<Rgba(double x, double y)>;
Paint Solid(Rgba c);
Paint Linear(Vec p0, Rgba c0, Vec p1, Rgba c1);
Paint Radial(Vec centre, double radius, Rgba inner, Rgba outer);

class Canvas {
  public:
    Canvas(int w, int h, Rgba fill = {});
    int Width() const { return w_; }
    int Height() const { return h_; }

    // Source-over painting through a mask.
    void Fill(const Mask& m, const Paint& paint);
    void Fill(const Mask& m, Rgba c) { Fill(m, Solid(c)); }
    void Fill(const Path& p, Rgba c) { Fill(Rasterize(p, w_, h_), Solid(c)); }
    void Fill(const Path& p, const Paint& paint) { Fill(Rasterize(p, w_, h_), paint); }
    // Source-over of another canvas at (dx, dy).
    void Draw(const Canvas& src, int dx, int dy);
    // Source-over of another canvas scaled into the rectangle (area averaging when shrinking).
    void DrawScaled(const Canvas& src, int dx, int dy, int dw, int dh);

    // Premultiplied pixel.
    Rgba At(int x, int y) const { return px_[static_cast<std::size_t>(y) * w_ + x]; }
    Rgba& At(int x, int y) { return px_[static_cast<std::size_t>(y) * w_ + x]; }
    // The pixel over an opaque background, as 0x00RRGGBB.
    std::uint32_t Xrgb(int x, int y, Rgba background) const;

  private:
    int w_, h_;
    std::vector<Rgba> px_;
};

std::uint8_t ToByte(float v);

}  // namespace art
