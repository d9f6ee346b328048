// Path builders for the shapes the pictures are made of.
#pragma once

#include <vector>

#include "tools/lib/geometry.h"

namespace art {

Path Rect(double x, double y, double w, double h);
Path RoundRect(double x, double y, double w, double h, double r);
Path Ellipse(double cx, double cy, double rx, double ry);
Path Circle(double cx, double cy, double r);
Path Polygon(const std::vector<Vec>& points);
// A regular polygon; the first corner points along `rotation` radians from straight up.
Path RegularPolygon(double cx, double cy, double r, int corners, double rotation = 0);
Path Star(double cx, double cy, double outer, double inner, int points, double rotation = 0);
// A thick line with round ends.
Path Stroke(Vec a, Vec b, double width);
// A thick polyline with round joins and ends (closed: the last point joins the first).
Path StrokePolyline(const std::vector<Vec>& points, double width, bool closed = false);
// Points along a cubic curve, for strokes that bend.
std::vector<Vec> CubicPoints(Vec p0, Vec c1, Vec c2, Vec p1, int steps = 24);

}  // namespace art
