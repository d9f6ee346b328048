#include "tools/art/hands.h"

#include <algorithm>

#include "tools/lib/dmath.h"
#include "tools/lib/shapes.h"

namespace art {

namespace {

// Tilt of both hands: the fingers lean to the upper left, towards the hot spot.
const double kTilt = -0.4;
const Rgba kSkin = Hex(0xFFD7B0);
const Rgba kLine = Hex(0x6B4226);

// A hand drawn in its own upright frame; grow > 0 gives the outline's outer edge.
using HandShape = Path (*)(double grow);

Path openShape(double g) {
    Path p;
    p.Append(RoundRect(-6.5 - g, -2 - g, 14 + 2 * g, 12 + 2 * g, 4.5 + g));
    const double xs[4] = {-4.6, -1.0, 2.6, 6.0}, tops[4] = {-16.0, -12.5, -10.5, -8.0};
    for (int i = 0; i < 4; ++i) p.Append(Stroke({xs[i], 0}, {xs[i], tops[i]}, 3.3 + 2 * g));
    p.Append(Stroke({6, 6}, {11, 0.5}, 3.5 + 2 * g));  // thumb
    return p;
}

Path fistShape(double g) {
    Path p;
    p.Append(RoundRect(-6.5 - g, -5 - g, 14 + 2 * g, 15 + 2 * g, 4.5 + g));
    const double xs[4] = {-4.4, -0.9, 2.6, 5.6};
    // The first finger stays a little forward, pinching at the hot spot; the others curl in.
    const double tops[4] = {-12.0, -7.0, -6.5, -5.5};
    for (int i = 0; i < 4; ++i) p.Append(Stroke({xs[i], -3.5}, {xs[i], tops[i]}, 3.4 + 2 * g));
    p.Append(Stroke({6.5, 5.5}, {0.5, 0.5}, 3.4 + 2 * g));  // thumb folded over the fingers
    return p;
}

// Tilts the hand, scales it to fit the canvas and moves it so that the outline touches the
// canvas's top and left edges: the hot spot is at the fingertips.
Xform place(HandShape shape, int w, int h) {
    Path outline = shape(1.1).Transformed(Xform::Rotate(kTilt));
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (const auto& c : outline.Contours())
        for (Vec v : c) {
            minX = std::min(minX, v.x);
            minY = std::min(minY, v.y);
            maxX = std::max(maxX, v.x);
            maxY = std::max(maxY, v.y);
        }
    double k = std::min((w - 0.6) / (maxX - minX), (h - 0.6) / (maxY - minY));
    return Xform::Rotate(kTilt)
        .Then(Xform::Translate(-minX, -minY))
        .Then(Xform::Scale(k, k))
        .Then(Xform::Translate(0.2, 0.2));
}

Canvas drawHand(HandShape shape, int w, int h, bool fist) {
    Canvas c(w, h);
    Xform xf = place(shape, w, h);
    c.Fill(shape(1.1).Transformed(xf), kLine);
    c.Fill(shape(0).Transformed(xf), Linear(xf.Apply({-6, -10}), Hex(0xFFE6CC), xf.Apply({6, 10}), kSkin));
    // Lines between the fingers.
    const double xs[3] = {-2.8, 0.8, 4.3};
    for (double x : xs) {
        Vec a = fist ? Vec{x, -7.0} : Vec{x, 0.5}, b = fist ? Vec{x, -3.0} : Vec{x, -7.5};
        c.Fill(Stroke(xf.Apply(a), xf.Apply(b), 0.9), Mix(kLine, kSkin, 0.3));
    }
    return c;
}

}  // namespace

Canvas DrawOpenHand(int w, int h) {
    return drawHand(openShape, w, h, false);
}
Canvas DrawGrabbingHand(int w, int h) {
    return drawHand(fistShape, w, h, true);
}

}  // namespace art
