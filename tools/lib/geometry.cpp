#include "tools/lib/geometry.h"

#include "tools/lib/dmath.h"

namespace art {

namespace {
// Curves are cut into this many straight pieces: smooth at every size the tools draw.
constexpr int kCurveSteps = 24;
}  // namespace

Xform Xform::Rotate(double radians) {
    double c = dm::Cos(radians), s = dm::Sin(radians);
    return {c, s, -s, c, 0, 0};
}

Xform Xform::RotateAbout(double radians, double cx, double cy) {
    return Translate(-cx, -cy).Then(Rotate(radians)).Then(Translate(cx, cy));
}

Xform Xform::Then(const Xform& o) const {
    return {o.a * a + o.c * b, o.b * a + o.d * b,       o.a * c + o.c * d,
            o.b * c + o.d * d, o.a * e + o.c * f + o.e, o.b * e + o.d * f + o.f};
}

Path& Path::MoveTo(double x, double y) {
    contours_.push_back({{x, y}});
    open_ = true;
    return *this;
}

Path& Path::LineTo(double x, double y) {
    if (!open_) return MoveTo(x, y);
    contours_.back().push_back({x, y});
    return *this;
}

Path& Path::QuadTo(double cx, double cy, double x, double y) {
    Vec p0 = contours_.back().back();
    for (int i = 1; i <= kCurveSteps; ++i) {
        double t = static_cast<double>(i) / kCurveSteps, u = 1 - t;
        LineTo(u * u * p0.x + 2 * u * t * cx + t * t * x, u * u * p0.y + 2 * u * t * cy + t * t * y);
    }
    return *this;
}

Path& Path::CubicTo(double c1x, double c1y, double c2x, double c2y, double x, double y) {
    Vec p0 = contours_.back().back();
    for (int i = 1; i <= kCurveSteps; ++i) {
        double t = static_cast<double>(i) / kCurveSteps, u = 1 - t;
        double w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, w3 = t * t * t;
        LineTo(w0 * p0.x + w1 * c1x + w2 * c2x + w3 * x, w0 * p0.y + w1 * c1y + w2 * c2y + w3 * y);
    }
    return *this;
}

Path& Path::Close() {
    open_ = false;
    return *this;
}

Path& Path::Append(const Path& other) {
    contours_.insert(contours_.end(), other.contours_.begin(), other.contours_.end());
    open_ = false;
    return *this;
}

Path Path::Transformed(const Xform& xf) const {
    Path out;
    for (const auto& c : contours_) {
        std::vector<Vec> t;
        t.reserve(c.size());
        for (Vec p : c) t.push_back(xf.Apply(p));
        out.contours_.push_back(std::move(t));
    }
    return out;
}

}  // namespace art
