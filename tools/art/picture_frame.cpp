#include "tools/art/picture_frame.h"

#include <algorithm>

#include "tools/lib/shapes.h"

namespace art {

namespace {

// The outline's outer edge: every contour stroked along its length.
Path grown(const Path& p, double width) {
    Path out;
    for (const auto& c : p.Contours()) out.Append(StrokePolyline(c, width, true));
    return out;
}

}  // namespace

Picture::Picture(int w, int h, Rgba top, Rgba bottom) : c_(w, h) {
    s_ = std::min(w / 300.0, h / 200.0);
    xf_ = Xform::Scale(s_, s_).Then(Xform::Translate((w - 300 * s_) / 2, (h - 200 * s_) / 2));
    c_.Fill(Rasterize(Rect(0, 0, w, h), w, h), Linear({0, 0}, top, {0, static_cast<double>(h)}, bottom));
}

Mask Picture::M(const Path& p) const {
    return Rasterize(p.Transformed(xf_), c_.Width(), c_.Height());
}

void Picture::Fill(const Path& p, Rgba colour) {
    c_.Fill(M(p), colour);
}

void Picture::Fill(const Path& p, Vec a, Rgba ca, Vec b, Rgba cb) {
    c_.Fill(M(p), Linear(xf_.Apply(a), ca, xf_.Apply(b), cb));
}

void Picture::Radial(const Path& p, Vec centre, double radius, Rgba inner, Rgba outer) {
    c_.Fill(M(p), art::Radial(xf_.Apply(centre), radius * s_, inner, outer));
}

void Picture::RadialMask(const Mask& m, Vec centre, double radius, Rgba inner, Rgba outer) {
    c_.Fill(m, art::Radial(xf_.Apply(centre), radius * s_, inner, outer));
}

void Picture::Outlined(const Path& p, Rgba colour, double width, Rgba line) {
    Fill(grown(p, width), line);
    Fill(p, line);
    Fill(p, colour);
}

void Picture::OutlinedRadial(const Path& p, Vec centre, double radius, Rgba inner, Rgba outer, double width,
                             Rgba line) {
    Fill(grown(p, width), line);
    Fill(p, line);
    Radial(p, centre, radius, inner, outer);
}

void Picture::Line(const std::vector<Vec>& points, double width, Rgba colour) {
    Fill(StrokePolyline(points, width), colour);
}

void Picture::Shadow(double cx, double cy, double rx, double ry) {
    for (int i = 0; i < 6; ++i) {
        double k = 1.0 - i * 0.12;
        Fill(Ellipse(cx, cy, rx * k, ry * k), Hex(0x000000, 0.035f));
    }
}

void Picture::Face(double cx, double cy, double k) {
    const Rgba ink = Hex(0x2B1D16);
    for (int side = -1; side <= 1; side += 2) {
        double ex = cx + side * 13 * k;
        Fill(Ellipse(ex, cy - 4 * k, 6.5 * k, 8 * k), Hex(0xFFFFFF));
        Fill(Ellipse(ex + 1 * k, cy - 3 * k, 3.8 * k, 4.8 * k), ink);
        Fill(Circle(ex + 2.2 * k, cy - 5 * k, 1.4 * k), Hex(0xFFFFFF));
        Fill(Ellipse(cx + side * 24 * k, cy + 8 * k, 6 * k, 3.5 * k), Hex(0xFF6F91, 0.55f));
    }
    Line(CubicPoints({cx - 10 * k, cy + 9 * k}, {cx - 5 * k, cy + 17 * k}, {cx + 5 * k, cy + 17 * k},
                     {cx + 10 * k, cy + 9 * k}),
         3.2 * k, ink);
}

RgbImage Picture::Pixels() const {
    RgbImage img(c_.Width(), c_.Height());
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) img.At(x, y) = c_.Xrgb(x, y, Hex(0xFFFFFF));
    return img;
}

}  // namespace art
