#include "tools/art/skin.h"

#include "tools/art/logo.h"
#include "tools/art/ui_parts.h"
#include "tools/lib/dmath.h"
#include "tools/lib/shapes.h"
#include "tools/lib/sheet.h"
#include "tools/lib/text.h"

namespace art {

namespace {

constexpr std::uint32_t kBackground = 0xFF0000;  // read from (0, 0)
constexpr std::uint32_t kKey = 0x00FFFF;         // read from (1, 1)

// Scroll arrows 16 x 16, normal at the first place, pressed at the second.
void arrows(Sheet& s, int dx, int dy, int x1, int y1, int x2, int y2) {
    for (int pressed = 0; pressed < 2; ++pressed) {
        Canvas c(16, 16);
        DrawFace(c, ui::Face(), pressed ? Look::Pressed : Look::Normal, 3);
        DrawArrow(c, dx, dy, ui::Ink(), pressed ? 0.7 : 0);
        s.PlaceKeyed(c, pressed ? x2 : x1, pressed ? y2 : y1);
    }
}

// A slider thumb with three grip lines across its axis.
Canvas thumb(int w, int h, bool vertical, Look look) {
    Canvas c(w, h);
    DrawFace(c, ui::Blue(), look, 3);
    Rgba grip = Hex(0xFFFFFF, 0.8f), shade = Darker(ui::Blue(), 0.45);
    for (int k = -1; k <= 1; ++k) {
        double m = (vertical ? h : w) / 2.0 + 3 * k - 0.5;
        if (vertical) {
            c.Fill(Rect(4, m, w - 8, 1), grip);
            c.Fill(Rect(4, m + 1, w - 8, 1), shade);
        } else {
            c.Fill(Rect(m, 4, 1, h - 8), grip);
            c.Fill(Rect(m + 1, 4, 1, h - 8), shade);
        }
    }
    return c;
}

// A track tile 16 x 16 that repeats seamlessly along its axis: a groove with a centre line.
Canvas track(bool vertical) {
    Canvas c(16, 16);
    Rgba edge = Hex(0x9FB2C8), inner = Hex(0xEEF3F9);
    for (int i = 0; i < 16; ++i) {
        double d = (i - 7.5) / 7.5;
        Rgba col = Mix(inner, edge, d * d);
        if (i == 0 || i == 15) col = Hex(0x7D93AD);
        c.Fill(vertical ? Rect(i, 0, 1, 16) : Rect(0, i, 16, 1), col);
    }
    c.Fill(vertical ? Rect(7.5, 0, 1, 16) : Rect(0, 7.5, 16, 1), Hex(0xB8C7D8));
    return c;
}

// The round corner buttons 18 x 18 with their glyph drawn by `glyph`.
template <typename Glyph>
void cornerButton(Sheet& s, int x, int yNormal, Glyph glyph) {
    for (int i = 0; i < 3; ++i) {
        Canvas c(18, 18);
        Rgba tint = ui::Blue();
        Rgba top = i == 1 ? Lighter(tint, 0.5) : (i == 2 ? Darker(tint, 0.25) : Lighter(tint, 0.3));
        Rgba bottom = i == 2 ? Lighter(tint, 0.1) : Darker(tint, 0.15);
        c.Fill(Circle(9, 9, 9), Darker(tint, 0.5));
        c.Fill(Circle(9, 9, 8), Linear({0, 1}, top, {0, 17}, bottom));
        glyph(c, i == 2 ? 0.6 : 0.0);
        s.PlaceKeyed(c, x, yNormal + 20 * i);
    }
}

void infoGlyph(Canvas& c, double o) {
    c.Fill(Circle(9 + o, 5 + o, 1.6), Hex(0xFFFFFF));
    c.Fill(RoundRect(7.6 + o, 7.5 + o, 2.8, 6.8, 1.2), Hex(0xFFFFFF));
}

void screenGlyph(Canvas& c, double o) {
    Rgba white = Hex(0xFFFFFF);
    c.Fill(RoundRect(3.5 + o, 4 + o, 11, 7.5, 1), white);
    c.Fill(Rect(5 + o, 5.5 + o, 8, 4.5), Hex(0x8FC0F5));
    c.Fill(Rect(8 + o, 11.5 + o, 2, 2), white);
    c.Fill(RoundRect(5.5 + o, 13 + o, 7, 1.6, 0.8), white);
}

void timerGlyph(Canvas& c, double o) {
    c.Fill(Circle(9 + o, 9 + o, 5.6), Hex(0xFFFFFF));
    c.Fill(Circle(9 + o, 9 + o, 4.3), Hex(0xEAF3FF));
    c.Fill(Stroke({9 + o, 9 + o}, {9 + o, 5.8 + o}, 1.3), ui::Ink());
    c.Fill(Stroke({9 + o, 9 + o}, {11.4 + o, 10.2 + o}, 1.3), ui::Ink());
}

// The dialog close button: a small red square with a white cross.
void smallClose(Sheet& s) {
    for (int pressed = 0; pressed < 2; ++pressed) {
        Canvas c(13, 13);
        DrawFace(c, ui::Red(), pressed ? Look::Pressed : Look::Normal, 2.5);
        double o = pressed ? 0.6 : 0;
        DrawCross(c, 4 + o, 4 + o, 9 + o, 9 + o, 1.8, Hex(0xFFFFFF));
        s.PlaceKeyed(c, 39, pressed ? 19 : 4);
    }
}

// The program's close button at the top right corner, 25 x 19.
void closeButton(Sheet& s) {
    const Look looks[3] = {Look::Normal, Look::Over, Look::Pressed};
    const int ys[3] = {1, 21, 46};
    for (int i = 0; i < 3; ++i) {
        Canvas c(25, 19);
        DrawFace(c, ui::Red(), looks[i], 4);
        double o = i == 2 ? 0.6 : 0;
        DrawCross(c, 8.5 + o, 5.5 + o, 16.5 + o, 13.5 + o, 2.4, Hex(0xFFFFFF));
        s.PlaceKeyed(c, 68, ys[i]);
    }
}

Canvas helpIcon() {
    Canvas c(24, 24);
    c.Fill(Circle(12, 12, 12), Darker(ui::Blue(), 0.45));
    c.Fill(Circle(12, 12, 11), Radial({9, 7}, 14, Lighter(ui::Blue(), 0.45), ui::Blue()));
    Font f(Face::SansBold, 17);
    c.Fill(f.RenderCentred("?", 12, 18.5, 24, 24), Hex(0xFFFFFF));
    return c;
}

// A generic program window: the placeholder for programs without an icon of their own.
Canvas voidIcon() {
    Canvas c(32, 32);
    c.Fill(RoundRect(1, 3, 30, 26, 3), Hex(0x55657A));
    c.Fill(RoundRect(2, 4, 28, 24, 2), Hex(0xF4F7FB));
    c.Fill(Rect(2, 4, 28, 6), Linear({0, 4}, Lighter(ui::Blue(), 0.2), {0, 10}, ui::Blue()));
    c.Fill(Circle(26, 7, 1.5), Hex(0xFFFFFF));
    for (int k = 0; k < 3; ++k) c.Fill(RoundRect(6, 14 + 4.5 * k, k == 2 ? 12 : 20, 2, 1), Hex(0xB7C3D3));
    return c;
}

}  // namespace

RgbImage DrawSkinSheet() {
    Sheet s(235, 211, kBackground, kKey);
    // The transparent colour, read from (1, 1).
    s.FillRect(1, 1, 3, 3, kKey);

    // Small sliders: three horizontal knobs side by side, three vertical ones stacked.
    const Look looks[3] = {Look::Normal, Look::Over, Look::Pressed};
    for (int i = 0; i < 3; ++i) {
        Canvas h(8, 13);
        DrawFace(h, ui::Blue(), looks[i], 2.5);
        s.PlaceKeyed(h, 2 + 9 * i, 26);
        Canvas v(13, 9);
        DrawFace(v, ui::Blue(), looks[i], 2.5);
        s.PlaceKeyed(v, 3, 41 + 10 * i);
    }

    smallClose(s);
    Canvas ok(13, 13);
    DrawCheck(ok, 2.6, ui::Green());
    s.PlaceKeyed(ok, 39, 34);
    Canvas cancel(13, 13);
    DrawCross(cancel, 2.5, 2.5, 10.5, 10.5, 2.6, ui::Red());
    s.PlaceKeyed(cancel, 39, 49);
    closeButton(s);

    // Horizontal scroll bar: arrows, thumb (normal, pressed) and track.
    arrows(s, -1, 0, 2, 72, 2, 97);
    arrows(s, 1, 0, 77, 72, 77, 97);
    s.PlaceKeyed(thumb(19, 16, false, Look::Normal), 41, 72);
    s.PlaceKeyed(thumb(19, 16, false, Look::Pressed), 41, 97);
    s.PlaceKeyed(track(false), 22, 122);

    // Vertical scroll bar.
    arrows(s, 0, -1, 112, 2, 137, 2);
    arrows(s, 0, 1, 112, 77, 137, 77);
    s.PlaceKeyed(thumb(16, 19, true, Look::Normal), 112, 41);
    s.PlaceKeyed(thumb(16, 19, true, Look::Pressed), 137, 41);
    s.PlaceKeyed(track(true), 162, 22);

    s.PlaceKeyed(helpIcon(), 188, 13);
    s.PlaceKeyed(voidIcon(), 194, 54);
    cornerButton(s, 171, 91, timerGlyph);
    cornerButton(s, 191, 91, screenGlyph);
    cornerButton(s, 211, 91, infoGlyph);
    s.PlaceKeyed(DrawLogo(199, 59), 3, 151);
    return s.Image();
}

}  // namespace art
