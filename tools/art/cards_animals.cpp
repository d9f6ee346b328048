#include "tools/art/cards_animals.h"

#include "tools/lib/dmath.h"
#include "tools/lib/shapes.h"

namespace art {

namespace {

// Two pointed ears on a head centred at (cx, cy) of radius r.
void pointedEars(Picture& p, double cx, double cy, double r, Rgba fur, Rgba inner) {
    for (int side = -1; side <= 1; side += 2) {
        const double x = cx + side * r * 0.55;
        p.Outlined(Polygon({{x - r * 0.38, cy - r * 0.6},
                            {x + side * r * 0.12, cy - r * 1.35},
                            {x + r * 0.38, cy - r * 0.6}}),
                   fur);
        p.Fill(Polygon({{x - r * 0.2, cy - r * 0.7},
                        {x + side * r * 0.1, cy - r * 1.12},
                        {x + r * 0.2, cy - r * 0.7}}),
               inner);
    }
}

}  // namespace

void DrawCat(Picture& p) {
    const Rgba fur = Hex(0xFFA726);
    p.Shadow(160, 184, 90, 8);
    p.Line(CubicPoints({220, 150}, {272, 140}, {262, 70}, {236, 62}), 14, Darker(fur, 0.3));
    p.Outlined(Ellipse(176, 138, 70, 44), fur);
    pointedEars(p, 118, 92, 46, fur, Hex(0xFFCCBC));
    p.Outlined(Circle(118, 92, 46), fur);
    for (int side = -1; side <= 1; side += 2)
        for (int k = -1; k <= 1; ++k)
            p.Line({{118.0 + side * 24, 104.0 + k * 5}, {118.0 + side * 56, 100.0 + k * 10}}, 1.6,
                   Hex(0x4E342E));
    p.Face(118, 94, 1.1);
}

void DrawDog(Picture& p) {
    const Rgba fur = Hex(0xC68B59);
    p.Shadow(160, 184, 90, 8);
    p.Line(CubicPoints({226, 128}, {250, 110}, {256, 86}, {262, 70}), 10, Darker(fur, 0.25));
    p.Outlined(Ellipse(178, 140, 66, 40), fur);
    p.Outlined(Circle(116, 96, 48), fur);
    for (int side = -1; side <= 1; side += 2)
        p.Outlined(Ellipse(116 + side * 46, 96, 14, 34)
                       .Transformed(Xform::RotateAbout(side * 0.35, 116 + side * 46, 96)),
                   Darker(fur, 0.35));
    p.Fill(Ellipse(116, 118, 20, 14), Hex(0xF5DEB3));
    p.Fill(Ellipse(116, 110, 8, 6), Hex(0x3E2723));
    p.Face(116, 92, 1.0);
}

void DrawFish(Picture& p) {
    const Rgba scale = Hex(0x29B6F6);
    p.Outlined(Polygon({{222, 100}, {272, 58}, {262, 100}, {272, 142}}), Darker(scale, 0.2));
    p.OutlinedRadial(Ellipse(150, 100, 88, 56), {130, 80}, 110, Lighter(scale, 0.4), scale);
    p.Outlined(Polygon({{140, 48}, {176, 20}, {190, 56}}), Darker(scale, 0.2));
    for (int i = 0; i < 3; ++i)
        p.Line(CubicPoints({150.0 + i * 22, 70}, {160.0 + i * 22, 90}, {160.0 + i * 22, 110},
                           {150.0 + i * 22, 130}),
               2.5, Darker(scale, 0.25));
    p.Face(106, 96, 1.0);
}

void DrawMouse(Picture& p) {
    const Rgba fur = Hex(0xB0BEC5);
    p.Shadow(150, 184, 90, 8);
    p.Line(CubicPoints({218, 150}, {270, 170}, {280, 120}, {250, 100}), 5, Hex(0xF48FB1));
    p.Outlined(Ellipse(170, 136, 62, 42), fur);
    for (int side = -1; side <= 1; side += 2) {
        p.Outlined(Circle(110 + side * 36, 56, 28), fur);
        p.Fill(Circle(110 + side * 36, 56, 17), Hex(0xF8BBD0));
    }
    p.Outlined(Circle(110, 100, 44), fur);
    p.Fill(Circle(110, 118, 7), Hex(0xEC407A));
    p.Face(110, 96, 1.0);
}

void DrawPig(Picture& p) {
    const Rgba skin = Hex(0xF8A5C2);
    p.Shadow(150, 186, 96, 8);
    for (int side = -1; side <= 1; side += 2)
        p.Outlined(Polygon({{150.0 + side * 40, 40}, {150.0 + side * 70, 20}, {150.0 + side * 70, 62}}),
                   Darker(skin, 0.1));
    p.OutlinedRadial(Ellipse(150, 104, 84, 72), {130, 80}, 110, Lighter(skin, 0.3), skin);
    p.Outlined(Ellipse(150, 124, 30, 20), Darker(skin, 0.12));
    for (int side = -1; side <= 1; side += 2) p.Fill(Ellipse(150 + side * 10, 124, 4.5, 7), Hex(0x880E4F));
    p.Face(150, 84, 1.2);
}

void DrawFrog(Picture& p) {
    const Rgba skin = Hex(0x66BB6A);
    p.Shadow(150, 184, 96, 8);
    for (int side = -1; side <= 1; side += 2)
        p.Outlined(Ellipse(150 + side * 74, 164, 34, 16), Darker(skin, 0.15));
    p.OutlinedRadial(Ellipse(150, 118, 92, 58), {130, 96}, 110, Lighter(skin, 0.35), skin);
    for (int side = -1; side <= 1; side += 2) p.Outlined(Circle(150 + side * 40, 64, 26), skin);
    p.Face(150, 80, 1.55);
}

void DrawBee(Picture& p) {
    p.Shadow(150, 186, 80, 8);
    for (int side = -1; side <= 1; side += 2)
        p.Outlined(Ellipse(150 + side * 34, 52, 36, 24)
                       .Transformed(Xform::RotateAbout(side * 0.5, 150 + side * 34, 52)),
                   Hex(0xE1F5FE, 0.85f), 3, Hex(0x4FC3F7));
    const Path body = Ellipse(150, 112, 92, 62);
    p.OutlinedRadial(body, {130, 90}, 120, Hex(0xFFF176), Hex(0xFDD835));
    Mask m = p.M(body);
    for (int i = 0; i < 3; ++i) {
        Mask stripe = p.M(Rect(158 + i * 34, 40, 16, 150));
        stripe.Intersect(m);
        p.FillMask(stripe, Hex(0x3E2723));
    }
    p.Outlined(Polygon({{240, 104}, {266, 112}, {240, 120}}), Hex(0x3E2723), 2);
    p.Face(104, 108, 1.1);
}

void DrawOwl(Picture& p) {
    const Rgba feathers = Hex(0x8D6E63);
    p.Shadow(150, 188, 70, 8);
    for (int side = -1; side <= 1; side += 2)
        p.Outlined(Polygon({{150.0 + side * 30, 36}, {150.0 + side * 58, 8}, {150.0 + side * 62, 46}}),
                   feathers);
    p.OutlinedRadial(Ellipse(150, 110, 68, 78), {140, 90}, 110, Lighter(feathers, 0.3), feathers);
    p.Fill(Ellipse(150, 140, 40, 40), Hex(0xD7CCC8));
    for (int side = -1; side <= 1; side += 2) {
        p.Outlined(Circle(150 + side * 28, 78, 24), Hex(0xFFFFFF), 3);
        p.Fill(Circle(150 + side * 28, 80, 11), Hex(0x3E2723));
        p.Fill(Circle(150 + side * 24, 75, 4), Hex(0xFFFFFF));
    }
    p.Outlined(Polygon({{140, 98}, {160, 98}, {150, 116}}), Hex(0xFFB300), 2);
}

}  // namespace art
