#include "tools/art/logo.h"

#include "tools/lib/dmath.h"
#include "tools/lib/shapes.h"
#include "tools/lib/text.h"

namespace art {

Canvas DrawLogo(int w, int h) {
    Canvas c(w, h);
    // Six triangles of a hexagon, each its own colour, with light seams between them.
    const std::uint32_t colours[6] = {0x3C7DD9, 0x2BB3A8, 0x5DBB46, 0xF2C12E, 0xF28C28, 0xE0493E};
    const double cx = h / 2.0, cy = h / 2.0, r = h / 2.0 - 2;
    c.Fill(RegularPolygon(cx, cy, r + 1.5, 6, dm::kPi / 6), Hex(0x24405F));
    for (int i = 0; i < 6; ++i) {
        double a0 = dm::kPi / 6 + dm::kTwoPi * i / 6, a1 = a0 + dm::kTwoPi / 6;
        Vec p0{cx + r * dm::Sin(a0), cy - r * dm::Cos(a0)}, p1{cx + r * dm::Sin(a1), cy - r * dm::Cos(a1)};
        c.Fill(Polygon({{cx, cy}, p0, p1}), Hex(colours[i]));
    }
    for (int i = 0; i < 3; ++i) {
        double a = dm::kPi / 6 + dm::kTwoPi * i / 6;
        Vec p{cx + r * dm::Sin(a), cy - r * dm::Cos(a)};
        c.Fill(Stroke(p, {2 * cx - p.x, 2 * cy - p.y}, 1.2), Hex(0xFFFFFF, 0.9f));
    }
    // The word, as large as fits beside the hexagon, with a light outline under it.
    const double left = h + 4, room = w - left - 2;
    double size = h * 0.75;
    while (size > 8) {
        Font probe(Face::SansBold, size);
        if (probe.Measure("tessalin") <= room) break;
        size -= 1;
    }
    Font f(Face::SansBold, size);
    const double base = h / 2.0 + size * 0.36;
    Mask halo(w, h);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) halo.Unite(f.Render("tessalin", left + dx, base + dy, w, h));
    c.Fill(halo, Hex(0xFFFFFF));
    c.Fill(f.Render("tessalin", left, base, w, h),
           Linear({0, base - size * 0.7}, Hex(0x3C7DD9), {0, base}, Hex(0x1E3A5F)));
    return c;
}

}  // namespace art
