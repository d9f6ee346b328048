// Drawing card pictures: a 300 x 200 design box fitted undistorted into the picture, bold outlines.
#pragma once

#include <vector>

#include "tools/lib/canvas.h"
#include "tools/lib/image.h"

namespace art {

class Picture {
  public:
    // A picture of w x h on a soft vertical gradient.
    Picture(int w, int h, Rgba top, Rgba bottom);
    Canvas& C() { return c_; }
    // Design point to pixel.
    Vec P(double x, double y) const { return xf_.Apply({x, y}); }
    double S() const { return s_; }
    const Xform& X() const { return xf_; }

    void Fill(const Path& p, Rgba colour);
    void Fill(const Path& p, Vec a, Rgba ca, Vec b, Rgba cb);  // linear gradient
    void Radial(const Path& p, Vec centre, double radius, Rgba inner, Rgba outer);
    // The shape with a dark outline of the given width (design units) around it.
    void Outlined(const Path& p, Rgba colour, double width = 4, Rgba line = Hex(0x3A2A20));
    void OutlinedRadial(const Path& p, Vec centre, double radius, Rgba inner, Rgba outer, double width = 4,
                        Rgba line = Hex(0x3A2A20));
    void Line(const std::vector<Vec>& points, double width, Rgba colour);
    // A soft shadow on the ground under a subject.
    void Shadow(double cx, double cy, double rx, double ry);
    // A cheerful face: eyes and a smile, centred at (cx, cy) with size k (1 = about 50 units wide).
    void Face(double cx, double cy, double k);
    RgbImage Pixels() const;
    // The path's coverage in pixels, for shapes made by cutting one shape out of another.
    Mask M(const Path& p) const;
    void FillMask(const Mask& m, Rgba colour) { c_.Fill(m, colour); }
    void RadialMask(const Mask& m, Vec centre, double radius, Rgba inner, Rgba outer);

  private:
    Canvas c_;
    Xform xf_;
    double s_;
};

}  // namespace art
