#include "tools/art/banner.h"

#include "tools/lib/dmath.h"
#include "tools/lib/shapes.h"
#include "tools/lib/sheet.h"
#include "tools/lib/text.h"

namespace art {

namespace {

constexpr int kW = 598, kH = 78;  // the picture inside the sheet's one-pixel frame

// The banner cloth: a gently waving band with a rope loop in front.
void cloth(Canvas& c) {
    const double x0 = 8, x1 = 438, top = 14, bottom = 64;
    auto wave = [](double x) { return 3.0 * dm::Sin(x / 55.0); };
    Path band, inner;
    const int n = 60;
    for (int i = 0; i <= n; ++i) {
        double x = x0 + (x1 - x0) * i / n;
        if (i == 0)
            band.MoveTo(x, top + wave(x));
        else
            band.LineTo(x, top + wave(x));
    }
    for (int i = n; i >= 0; --i) {
        double x = x0 + (x1 - x0) * i / n;
        band.LineTo(x, bottom + wave(x));
    }
    band.Close();
    c.Fill(band, Hex(0xC62828));
    for (int i = 0; i <= n; ++i) {
        double x = x0 + 3 + (x1 - x0 - 6) * i / n;
        if (i == 0)
            inner.MoveTo(x, top + 3 + wave(x));
        else
            inner.LineTo(x, top + 3 + wave(x));
    }
    for (int i = n; i >= 0; --i) {
        double x = x0 + 3 + (x1 - x0 - 6) * i / n;
        inner.LineTo(x, bottom - 3 + wave(x));
    }
    inner.Close();
    c.Fill(inner, Linear({0, top}, Hex(0xFFFDF5), {0, bottom}, Hex(0xF3EAD3)));
    // Each letter of the name in its own colour, riding the wave.
    const char* letters[7] = {"K", "a", "r", "t", "o", "l", "a"};
    const std::uint32_t colours[7] = {0xE53935, 0xFB8C00, 0xFDD835, 0x43A047, 0x1E88E5, 0x5E35B1, 0xD81B60};
    Font f(Face::SansBold, 40);
    double width = 0;
    for (const char* l : letters) width += f.Measure(l) + 4;
    double x = (x0 + x1) / 2 - (width - 4) / 2;
    for (int i = 0; i < 7; ++i) {
        double adv = f.Measure(letters[i]);
        double base = 54 + wave(x + adv / 2);
        Mask shadow = f.Render(letters[i], x + 1.5, base + 1.5, c.Width(), c.Height());
        c.Fill(shadow, Hex(0x000000, 0.25f));
        Rgba col = Hex(colours[i]);
        if (i == 2) col = Hex(0xF2B705);  // yellow darkened a little so it reads on cream
        c.Fill(f.Render(letters[i], x, base, c.Width(), c.Height()), col);
        x += adv + 4;
    }
}

// The plane, flying to the right; its tail is at about x = 480.
void plane(Canvas& c) {
    const Rgba body = Hex(0x1E88E5), dark = Hex(0x0D47A1), wing = Hex(0xFFB300);
    // Tail fin and rear wing.
    c.Fill(Polygon({{478, 38}, {486, 14}, {498, 14}, {506, 40}}), dark);
    c.Fill(RoundRect(478, 36, 34, 6, 3), wing);
    // Fuselage.
    Path f;
    f.MoveTo(480, 40).CubicTo(500, 30, 540, 26, 570, 30).CubicTo(588, 32, 592, 44, 588, 50);
    f.CubicTo(584, 56, 560, 58, 530, 56).CubicTo(505, 54, 488, 50, 480, 40).Close();
    c.Fill(f, Linear({0, 28}, Hex(0x64B5F6), {0, 58}, body));
    // Cockpit window, stripe, wing and wheel.
    c.Fill(Polygon({{548, 31}, {562, 30}, {566, 40}, {546, 40}}), Hex(0xE3F2FD));
    c.Fill(Stroke({500, 45}, {580, 47}, 2.5), Hex(0xFFFFFF, 0.8f));
    c.Fill(RoundRect(522, 44, 44, 9, 4.5), wing);
    c.Fill(Stroke({546, 56}, {544, 66}, 2.2), dark);
    c.Fill(Circle(544, 68, 4.5), Hex(0x37474F));
    c.Fill(Circle(544, 68, 1.8), Hex(0xB0BEC5));
    // Nose and propeller.
    c.Fill(Circle(588, 43, 5), Hex(0xE53935));
    c.Fill(Ellipse(594, 43, 2.5, 17), Hex(0x90A4AE, 0.9f));
}

}  // namespace

RgbImage DrawBanner() {
    Canvas c(kW, kH);
    // The tow rope from the tail to both ends of the cloth's front edge.
    c.Fill(Stroke({438, 18}, {482, 40}, 1.4), Hex(0x5D4037));
    c.Fill(Stroke({438, 62}, {482, 40}, 1.4), Hex(0x5D4037));
    cloth(c);
    plane(c);
    Sheet s(kW + 2, kH + 2, 0xFF0000, 0x00FFFF);
    s.PlaceKeyed(c, 1, 1);
    return s.Image();
}

}  // namespace art
