#include "tools/art/cards_shapes.h"

#include "tools/lib/dmath.h"
#include "tools/lib/shapes.h"

namespace art {

namespace {

// A flat shape with a light top and a face.
void shape(Picture& p, const Path& s, std::uint32_t colour, double faceX, double faceY, double k) {
    Rgba c = Hex(colour);
    p.Outlined(s, c, 5, Darker(c, 0.55));
    p.Face(faceX, faceY, k);
}

}  // namespace

void DrawCircleShape(Picture& p) {
    p.Shadow(150, 184, 70, 8);
    shape(p, Circle(150, 98, 78), 0xEF5350, 150, 102, 1.7);
}

void DrawSquare(Picture& p) {
    p.Shadow(150, 184, 80, 8);
    shape(p, RoundRect(78, 24, 144, 144, 10), 0x42A5F5, 150, 100, 1.7);
}

void DrawTriangle(Picture& p) {
    p.Shadow(150, 184, 90, 8);
    Path t = Polygon({{150, 14}, {240, 172}, {60, 172}});
    shape(p, t, 0x66BB6A, 150, 128, 1.2);
}

void DrawStar(Picture& p) {
    p.Shadow(150, 188, 80, 8);
    shape(p, Star(150, 106, 94, 42, 5), 0xFFCA28, 150, 114, 1.05);
}

void DrawHeart(Picture& p) {
    p.Shadow(150, 188, 70, 8);
    Path h;
    h.MoveTo(150, 180)
        .CubicTo(118, 150, 64, 120, 66, 74)
        .CubicTo(68, 38, 126, 24, 150, 62)
        .CubicTo(174, 24, 232, 38, 234, 74)
        .CubicTo(236, 120, 182, 150, 150, 180)
        .Close();
    shape(p, h, 0xEC407A, 150, 94, 1.5);
}

void DrawRectangle(Picture& p) {
    p.Shadow(150, 176, 116, 8);
    shape(p, RoundRect(36, 46, 228, 118, 10), 0xFFA726, 150, 106, 1.6);
}

void DrawDiamond(Picture& p) {
    p.Shadow(150, 190, 60, 7);
    shape(p, Polygon({{150, 10}, {236, 98}, {150, 186}, {64, 98}}), 0xAB47BC, 150, 102, 1.35);
}

void DrawHexagon(Picture& p) {
    p.Shadow(150, 186, 80, 8);
    shape(p, RegularPolygon(150, 98, 88, 6, dm::kPi / 6), 0x26A69A, 150, 100, 1.7);
}

void DrawMoon(Picture& p, int mood) {
    // Stars around the moon.
    const Vec stars[] = {{40, 40}, {262, 30}, {250, 150}, {60, 160}, {226, 86}};
    for (Vec s : stars) p.Fill(Star(s.x, s.y, 9, 4, 5), Hex(0xFFF59D));
    // The crescent: a disc with a second disc cut out, outlined on both edges.
    const double r = 80, w = 5;
    const Vec a{140, 100}, b{178, 84};
    Mask ring = p.M(Circle(a.x, a.y, r + w / 2));
    ring.Subtract(p.M(Circle(b.x, b.y, r - 6 - w / 2)));
    p.FillMask(ring, Hex(0x8D6E00));
    Mask moon = p.M(Circle(a.x, a.y, r));
    moon.Subtract(p.M(Circle(b.x, b.y, r - 6)));
    p.RadialMask(moon, {100, 90}, 120, Hex(0xFFF3B0), Hex(0xFFC107));
    // The face sits in the crescent's thick part.
    const Rgba ink = Hex(0x5D4037);
    const double ex = 98, ey = 96;
    if (mood == 1) {
        p.Fill(Ellipse(ex, ey, 6, 8), Hex(0xFFFFFF));
        p.Fill(Ellipse(ex - 1, ey + 1, 3.6, 4.8), Hex(0x2B1D16));
    } else {
        p.Line(CubicPoints({ex - 8, ey}, {ex - 4, ey + 6}, {ex + 4, ey + 6}, {ex + 8, ey}), 3, ink);
    }
    p.Fill(Ellipse(ex - 6, ey + 20, 7, 4), Hex(0xFF8A65, 0.5f));
    p.Line(CubicPoints({ex - 14, ey + 30}, {ex - 6, ey + 38}, {ex + 6, ey + 38}, {ex + 10, ey + 30}), 3, ink);
    if (mood == 0) {
        // A sleepy "z".
        p.Line({{196, 150}, {210, 150}, {196, 164}, {210, 164}}, 3, Hex(0x5C6BC0));
    }
}

}  // namespace art
