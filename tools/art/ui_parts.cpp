#include "tools/art/ui_parts.h"

#include "tools/lib/shapes.h"

namespace art {

void DrawFace(Canvas& c, Rgba tint, Look look, double radius) {
    const double w = c.Width(), h = c.Height();
    Rgba top = Lighter(tint, 0.55), bottom = tint;
    if (look == Look::Over) {
        top = Lighter(tint, 0.75);
        bottom = Lighter(tint, 0.2);
    } else if (look == Look::Pressed) {
        top = Darker(tint, 0.2);
        bottom = Lighter(tint, 0.25);
    }
    c.Fill(RoundRect(0, 0, w, h, radius), Darker(tint, 0.55));
    c.Fill(RoundRect(1, 1, w - 2, h - 2, radius - 1), Linear({0, 1}, top, {0, h - 1}, bottom));
    // A thin highlight along the top edge, or a shade when pressed.
    Rgba edge = look == Look::Pressed ? Hex(0x000000, 0.18f) : Hex(0xFFFFFF, 0.6f);
    c.Fill(Rect(radius, 1, w - 2 * radius, 1), edge);
}

void DrawArrow(Canvas& c, int dx, int dy, Rgba colour, double shift) {
    const double cx = c.Width() / 2.0 + shift, cy = c.Height() / 2.0 + shift;
    const double s = c.Width() * 0.27;
    Vec tip{cx + dx * s, cy + dy * s};
    Vec a{cx - dx * s * 0.8 - dy * s * 1.1, cy - dy * s * 0.8 - dx * s * 1.1};
    Vec b{cx - dx * s * 0.8 + dy * s * 1.1, cy - dy * s * 0.8 + dx * s * 1.1};
    c.Fill(Polygon({tip, a, b}), colour);
}

void DrawCross(Canvas& c, double x0, double y0, double x1, double y1, double width, Rgba colour) {
    Path p = Stroke({x0, y0}, {x1, y1}, width);
    p.Append(Stroke({x1, y0}, {x0, y1}, width));
    c.Fill(p, colour);
}

void DrawCheck(Canvas& c, double width, Rgba colour) {
    const double w = c.Width(), h = c.Height();
    c.Fill(StrokePolyline({{w * 0.16, h * 0.52}, {w * 0.42, h * 0.78}, {w * 0.86, h * 0.2}}, width), colour);
}

}  // namespace art
