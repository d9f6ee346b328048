#include "tools/art/cards_fruit.h"

#include "tools/lib/dmath.h"
#include "tools/lib/shapes.h"

namespace art {

namespace {

const Rgba kStem = Hex(0x6D4C41);

// A leaf from its base towards its tip, with a lighter middle vein.
void addLeaf(Picture& p, Vec base, Vec tip, double width) {
    double dx = tip.x - base.x, dy = tip.y - base.y;
    double nx = -dy * width, ny = dx * width;
    Path leaf;
    leaf.MoveTo(base.x, base.y)
        .CubicTo(base.x + dx * 0.3 + nx, base.y + dy * 0.3 + ny, base.x + dx * 0.75 + nx * 0.8,
                 base.y + dy * 0.75 + ny * 0.8, tip.x, tip.y)
        .CubicTo(base.x + dx * 0.75 - nx * 0.8, base.y + dy * 0.75 - ny * 0.8, base.x + dx * 0.3 - nx,
                 base.y + dy * 0.3 - ny, base.x, base.y)
        .Close();
    p.Outlined(leaf, Hex(0x66BB6A), 3.5);
    p.Line({{base.x + dx * 0.1, base.y + dy * 0.1}, {base.x + dx * 0.8, base.y + dy * 0.8}}, 2,
           Hex(0xA5D6A7));
}

void shine(Picture& p, double cx, double cy, double rx, double ry, double angle) {
    p.Fill(Ellipse(0, 0, rx, ry).Transformed(Xform::Rotate(angle).Then(Xform::Translate(cx, cy))),
           Hex(0xFFFFFF, 0.55f));
}

}  // namespace

void DrawApple(Picture& p) {
    p.Shadow(150, 182, 72, 9);
    Path apple;
    apple.MoveTo(150, 66)
        .CubicTo(172, 50, 224, 54, 226, 102)
        .CubicTo(228, 142, 198, 178, 172, 178)
        .CubicTo(162, 178, 158, 173, 150, 173)
        .CubicTo(142, 173, 138, 178, 128, 178)
        .CubicTo(102, 178, 72, 142, 74, 102)
        .CubicTo(76, 54, 128, 50, 150, 66)
        .Close();
    p.OutlinedRadial(apple, {122, 92}, 120, Hex(0xFF6B5E), Hex(0xB71C1C));
    shine(p, 110, 100, 9, 19, 0.35);
    p.Line(CubicPoints({150, 70}, {150, 58}, {152, 46}, {160, 34}), 6, kStem);
    addLeaf(p, {160, 50}, {206, 34}, 0.32);
}

void DrawPear(Picture& p) {
    p.Shadow(150, 186, 62, 8);
    Path pear;
    pear.MoveTo(150, 46)
        .CubicTo(166, 46, 174, 62, 176, 82)
        .CubicTo(178, 102, 212, 118, 210, 148)
        .CubicTo(208, 176, 180, 184, 150, 184)
        .CubicTo(120, 184, 92, 176, 90, 148)
        .CubicTo(88, 118, 122, 102, 124, 82)
        .CubicTo(126, 62, 134, 46, 150, 46)
        .Close();
    p.OutlinedRadial(pear, {132, 110}, 110, Hex(0xF0F4A0), Hex(0x8BC34A));
    shine(p, 122, 132, 8, 16, 0.25);
    p.Fill(Circle(172, 152, 3), Hex(0x8D6E63, 0.5f));
    p.Line(CubicPoints({150, 50}, {150, 40}, {152, 30}, {158, 20}), 6, kStem);
    addLeaf(p, {154, 34}, {194, 22}, 0.32);
}

void DrawCherries(Picture& p) {
    p.Shadow(150, 176, 92, 8);
    p.Line(CubicPoints({118, 116}, {124, 84}, {146, 54}, {170, 36}), 5, Hex(0x5D8A3A));
    p.Line(CubicPoints({188, 108}, {186, 80}, {178, 54}, {170, 36}), 5, Hex(0x5D8A3A));
    addLeaf(p, {170, 38}, {220, 30}, 0.3);
    const Vec berries[2] = {{116, 142}, {188, 136}};
    for (Vec b : berries) {
        p.OutlinedRadial(Circle(b.x, b.y, 31), {b.x - 11, b.y - 12}, 44, Hex(0xFF5A5A), Hex(0x9E0B0F));
        shine(p, b.x - 12, b.y - 11, 5, 9, 0.6);
    }
}

void DrawPlum(Picture& p) {
    p.Shadow(150, 180, 60, 8);
    Path plum = Ellipse(0, 0, 58, 66).Transformed(Xform::Rotate(-0.25).Then(Xform::Translate(150, 114)));
    p.OutlinedRadial(plum, {130, 96}, 95, Hex(0xA68BE0), Hex(0x4A148C));
    p.Line(CubicPoints({158, 52}, {176, 84}, {178, 130}, {160, 176}), 3, Hex(0x311B92, 0.45f));
    shine(p, 124, 96, 8, 18, 0.3);
    p.Line({{154, 52}, {160, 34}}, 5, kStem);
    addLeaf(p, {158, 40}, {196, 30}, 0.3);
}

void DrawBanana(Picture& p) {
    p.Shadow(158, 172, 104, 10);
    Path banana;
    banana.MoveTo(52, 70)
        .CubicTo(70, 186, 226, 190, 256, 84)
        .LineTo(262, 76)
        .CubicTo(214, 142, 100, 136, 70, 60)
        .Close();
    p.Outlined(banana, Hex(0xFFE14D), 4.5);
    p.Fill(banana, {150, 100}, Hex(0xFFF176, 0.0f), {150, 162}, Hex(0xF9A825, 0.9f));
    p.Line(CubicPoints({74, 84}, {100, 140}, {200, 150}, {250, 92}), 3, Hex(0xC79100, 0.6f));
    p.Fill(Circle(58, 66, 6), Hex(0x4E342E));
    p.Line({{258, 80}, {276, 62}}, 10, Hex(0x7C8B3A));
}

void DrawOrange(Picture& p) {
    p.Shadow(160, 178, 100, 9);
    p.OutlinedRadial(Circle(126, 110, 62), {108, 90}, 90, Hex(0xFFC46B), Hex(0xEF6C00));
    for (int i = 0; i < 7; ++i) {
        double a = 0.9 * i + 0.4, r = 22 + 6 * (i % 3);
        p.Fill(Circle(126 + r * dm::Cos(a), 110 + r * dm::Sin(a), 1.6), Hex(0xBF5600, 0.45f));
    }
    shine(p, 104, 88, 9, 15, 0.6);
    p.Line({{126, 50}, {128, 40}}, 5, kStem);
    addLeaf(p, {128, 44}, {166, 30}, 0.3);
    // A slice in front: rind, pith and eight segments.
    const double cx = 214, cy = 136;
    p.Outlined(Circle(cx, cy, 42), Hex(0xF57C00), 4);
    p.Fill(Circle(cx, cy, 37), Hex(0xFFF3E0));
    p.Fill(Circle(cx, cy, 33), Hex(0xFFA726));
    for (int i = 0; i < 8; ++i) {
        double a = dm::kTwoPi * i / 8;
        p.Line({{cx, cy}, {cx + 33 * dm::Cos(a), cy + 33 * dm::Sin(a)}}, 2.6, Hex(0xFFF3E0));
    }
    p.Fill(Circle(cx, cy, 4), Hex(0xFFF3E0));
}

void DrawStrawberry(Picture& p) {
    p.Shadow(150, 184, 56, 7);
    Path berry;
    berry.MoveTo(150, 182)
        .CubicTo(112, 172, 84, 120, 92, 90)
        .CubicTo(98, 66, 130, 62, 150, 68)
        .CubicTo(170, 62, 202, 66, 208, 90)
        .CubicTo(216, 120, 188, 172, 150, 182)
        .Close();
    p.OutlinedRadial(berry, {130, 100}, 100, Hex(0xFF6F6F), Hex(0xC21818));
    // Seeds in staggered rows, kept inside the berry's narrowing outline.
    for (int row = 0; row < 5; ++row) {
        double y = 92 + row * 17;
        double half = 50 - row * row * 2.6 - row * 2;
        for (double x = 150 - half + (row % 2) * 9; x <= 150 + half; x += 18)
            p.Fill(Ellipse(0, 0, 2.2, 3.4)
                       .Transformed(Xform::Rotate((x - 150) * 0.006).Then(Xform::Translate(x, y))),
                   Hex(0xFFE082));
    }
    shine(p, 118, 100, 6, 12, 0.5);
    p.Outlined(Star(150, 70, 32, 10, 6, 0.26), Hex(0x43A047), 3.5);
    p.Line({{150, 66}, {154, 40}}, 5, Hex(0x558B2F));
}

void DrawGrapes(Picture& p) {
    p.Shadow(155, 184, 56, 7);
    p.Line(CubicPoints({155, 62}, {155, 50}, {158, 40}, {166, 28}), 6, kStem);
    addLeaf(p, {158, 44}, {104, 30}, 0.34);
    const double rows[4][4] = {{100, 134, 168, 202}, {117, 151, 185, 0}, {134, 168, 0, 0}, {151, 0, 0, 0}};
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 4; ++k) {
            double x = rows[r][k];
            if (x == 0) continue;
            double y = 78 + r * 28 + (k % 2) * 2;
            p.OutlinedRadial(Circle(x, y, 17.5), {x - 6, y - 7}, 26, Hex(0xB388FF), Hex(0x5E35B1), 3.5);
            p.Fill(Ellipse(x - 6, y - 6, 3, 5), Hex(0xFFFFFF, 0.6f));
        }
    }
}

void DrawLemon(Picture& p) {
    p.Shadow(150, 166, 84, 8);
    Path lemon;
    lemon.MoveTo(62, 110)
        .CubicTo(68, 104, 76, 102, 82, 96)
        .CubicTo(104, 52, 196, 52, 218, 96)
        .CubicTo(224, 102, 232, 104, 238, 108)
        .CubicTo(232, 114, 224, 118, 218, 124)
        .CubicTo(196, 168, 104, 168, 82, 124)
        .CubicTo(76, 118, 68, 116, 62, 110)
        .Close();
    p.OutlinedRadial(lemon, {126, 92}, 120, Hex(0xFFF9A8), Hex(0xF9C20B));
    shine(p, 118, 86, 8, 20, 1.3);
    addLeaf(p, {214, 100}, {252, 72}, 0.32);
}

void DrawWatermelon(Picture& p) {
    p.Shadow(150, 176, 112, 9);
    // A half-round slice: green rind outside, pale band, red flesh and black seeds.
    auto half = [](double r) {
        Path s;
        s.MoveTo(150 - r, 64);
        for (int i = 1; i <= 48; ++i) {
            double a = dm::kPi * i / 48;
            s.LineTo(150 - r * dm::Cos(a), 64 + r * dm::Sin(a));
        }
        s.Close();
        return s;
    };
    p.Outlined(half(112), Hex(0x2E7D32), 4);
    p.Fill(half(104), Hex(0x9CCC65));
    p.Fill(half(98), Hex(0xF1F8E9));
    p.Radial(half(93), {150, 60}, 100, Hex(0xFF6B6B), Hex(0xE53935));
    const Vec seeds[] = {{110, 84},  {150, 92},  {190, 84}, {126, 116},
                         {174, 116}, {150, 136}, {92, 100}, {208, 100}};
    for (Vec s : seeds)
        p.Fill(Ellipse(0, 0, 3.4, 6)
                   .Transformed(Xform::Rotate((s.x - 150) * -0.01).Then(Xform::Translate(s.x, s.y))),
               Hex(0x2B1D16));
}

}  // namespace art
