// Points, affine transforms and paths made of closed polygons (curves are flattened on the way in).
#pragma once

#include <vector>

namespace art {

struct Vec {
    double x = 0, y = 0;
};

// x' = a*x + c*y + e, y' = b*x + d*y + f.
struct Xform {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
    Vec Apply(Vec p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
    static Xform Translate(double x, double y) { return {1, 0, 0, 1, x, y}; }
    static Xform Scale(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
    static Xform Rotate(double radians);
    // Rotation about a point.
    static Xform RotateAbout(double radians, double cx, double cy);
    // This transform applied after `inner`.
    Xform Then(const Xform& outer) const;
};

class Path {
  public:
    Path& MoveTo(double x, double y);
    Path& LineTo(double x, double y);
    Path& QuadTo(double cx, double cy, double x, double y);
    Path& CubicTo(double c1x, double c1y, double c2x, double c2y, double x, double y);
    Path& Close();
    Path& Append(const Path& other);
    Path Transformed(const Xform& xf) const;
    const std::vector<std::vector<Vec>>& Contours() const { return contours_; }

  private:
    std::vector<std::vector<Vec>> contours_;
    bool open_ = false;
};

}  // namespace art
