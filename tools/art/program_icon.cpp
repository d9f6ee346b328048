#include "tools/art/program_icon.h"

#include "tools/lib/dmath.h"
#include "tools/lib/shapes.h"

namespace art {

namespace {

// Draws a path given in a 32 x 32 design space, turned by `angle` about (16, 16).
void put(Canvas& c, const Path& p, double angle, const Paint& paint) {
    double k = c.Width() / 32.0;
    Xform xf = Xform::RotateAbout(angle, 16, 16).Then(Xform::Scale(k, k));
    c.Fill(p.Transformed(xf), paint);
}

void put(Canvas& c, const Path& p, double angle, Rgba colour) {
    put(c, p, angle, Solid(colour));
}

}  // namespace

Canvas DrawProgramIcon(int size) {
    Canvas c(size, size);
    const double back = -0.26, front = 0.2;
    const bool tiny = size < 24;
    // The picture card, behind: an apple on a light card.
    put(c, RoundRect(2, 5, 18, 24, 3), back, Hex(0x2A4A6E));
    put(c, RoundRect(3.3, 6.3, 15.4, 21.4, 2), back, Hex(0xFFF8E8));
    put(c, Circle(11, 18, tiny ? 5.2 : 4.8), back, Hex(0xE53935));
    if (!tiny) put(c, Circle(9.5, 16.5, 1.4), back, Hex(0xFF8A80));
    put(c, Stroke({11, 13.5}, {12, 11}, 1.3), back, Hex(0x6D4C41));
    put(c, Ellipse(14, 12, 2.2, 1.1), back, Hex(0x43A047));
    // The name card, in front: lines of "text" under a coloured title bar.
    put(c, RoundRect(12, 4, 18, 24, 3), front, Hex(0x2A4A6E));
    put(c, RoundRect(13.3, 5.3, 15.4, 21.4, 2), front, Hex(0xFFFFFF));
    put(c, RoundRect(15, 9, 12, tiny ? 4 : 3, 1.5), front, Hex(0x3C7DD9));
    put(c, RoundRect(15, 15, 12, tiny ? 3 : 2.2, 1.1), front, Hex(0x90A4AE));
    if (!tiny) put(c, RoundRect(15, 19.5, 8, 2.2, 1.1), front, Hex(0x90A4AE));
    return c;
}

IconImage ProgramIconImage(int size) {
    Canvas c = DrawProgramIcon(size);
    IconImage img;
    img.size = size;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Rgba p = c.At(x, y);
            std::uint32_t a = ToByte(p.a);
            std::uint32_t rgb = 0;
            if (a > 0)
                rgb = (static_cast<std::uint32_t>(ToByte(p.r / p.a)) << 16) |
                      (static_cast<std::uint32_t>(ToByte(p.g / p.a)) << 8) | ToByte(p.b / p.a);
            img.argb.push_back((a << 24) | rgb);
        }
    }
    return img;
}

}  // namespace art
