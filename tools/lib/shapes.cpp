#include "tools/lib/shapes.h"

#include <cmath>

#include "tools/lib/dmath.h"

namespace art {

Path Rect(double x, double y, double w, double h) {
    Path p;
    p.MoveTo(x, y).LineTo(x + w, y).LineTo(x + w, y + h).LineTo(x, y + h).Close();
    return p;
}

Path RoundRect(double x, double y, double w, double h, double r) {
    // A cubic quarter circle has its handles at 0.5523 of the radius.
    const double k = 0.5523 * r;
    Path p;
    p.MoveTo(x + r, y).LineTo(x + w - r, y);
    p.CubicTo(x + w - r + k, y, x + w, y + r - k, x + w, y + r).LineTo(x + w, y + h - r);
    p.CubicTo(x + w, y + h - r + k, x + w - r + k, y + h, x + w - r, y + h).LineTo(x + r, y + h);
    p.CubicTo(x + r - k, y + h, x, y + h - r + k, x, y + h - r).LineTo(x, y + r);
    p.CubicTo(x, y + r - k, x + r - k, y, x + r, y).Close();
    return p;
}

Path Ellipse(double cx, double cy, double rx, double ry) {
    Path p;
    const int n = 96;
    for (int i = 0; i < n; ++i) {
        double t = dm::kTwoPi * i / n;
        double x = cx + rx * dm::Cos(t), y = cy + ry * dm::Sin(t);
        if (i == 0)
            p.MoveTo(x, y);
        else
            p.LineTo(x, y);
    }
    p.Close();
    return p;
}

Path Circle(double cx, double cy, double r) {
    return Ellipse(cx, cy, r, r);
}

Path Polygon(const std::vector<Vec>& points) {
    Path p;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i == 0)
            p.MoveTo(points[i].x, points[i].y);
        else
            p.LineTo(points[i].x, points[i].y);
    }
    p.Close();
    return p;
}

Path RegularPolygon(double cx, double cy, double r, int corners, double rotation) {
    std::vector<Vec> pts;
    for (int i = 0; i < corners; ++i) {
        double t = rotation + dm::kTwoPi * i / corners;
        pts.push_back({cx + r * dm::Sin(t), cy - r * dm::Cos(t)});
    }
    return Polygon(pts);
}

Path Star(double cx, double cy, double outer, double inner, int points, double rotation) {
    std::vector<Vec> pts;
    for (int i = 0; i < 2 * points; ++i) {
        double t = rotation + dm::kPi * i / points;
        double r = (i % 2 == 0) ? outer : inner;
        pts.push_back({cx + r * dm::Sin(t), cy - r * dm::Cos(t)});
    }
    return Polygon(pts);
}

Path Stroke(Vec a, Vec b, double width) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double len = std::sqrt(dx * dx + dy * dy);
    double h = width / 2;
    Path p;
    if (len > 0) {
        double nx = -dy / len * h, ny = dx / len * h;
        p.Append(Polygon(
            {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}}));
    }
    p.Append(Circle(a.x, a.y, h));
    p.Append(Circle(b.x, b.y, h));
    return p;
}

Path StrokePolyline(const std::vector<Vec>& points, double width, bool closed) {
    Path p;
    std::size_t n = points.size();
    for (std::size_t i = 0; i + 1 < n; ++i) p.Append(Stroke(points[i], points[i + 1], width));
    if (closed && n > 2) p.Append(Stroke(points[n - 1], points[0], width));
    return p;
}

std::vector<Vec> CubicPoints(Vec p0, Vec c1, Vec c2, Vec p1, int steps) {
    std::vector<Vec> pts;
    for (int i = 0; i <= steps; ++i) {
        double t = static_cast<double>(i) / steps, u = 1 - t;
        double w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, w3 = t * t * t;
        pts.push_back(
            {w0 * p0.x + w1 * c1.x + w2 * c2.x + w3 * p1.x, w0 * p0.y + w1 * c1.y + w2 * c2.y + w3 * p1.y});
    }
    return pts;
}

}  // namespace art
