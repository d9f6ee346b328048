// Pieces the framework's controls are drawn from: button faces and small glyphs.
#pragma once

#include "tools/lib/canvas.h"

namespace art {

enum class Look { Normal, Over, Pressed };

// A rounded button face filling the canvas, in the given tint.
void DrawFace(Canvas& c, Rgba tint, Look look, double radius);
// A triangle pointing in direction (dx, dy) (one of them 0), centred in the canvas.
void DrawArrow(Canvas& c, int dx, int dy, Rgba colour, double shift);
// A cross of two thick strokes inside the box.
void DrawCross(Canvas& c, double x0, double y0, double x1, double y1, double width, Rgba colour);
// A check mark inside the canvas.
void DrawCheck(Canvas& c, double width, Rgba colour);

// The shared colours of the skin.
namespace ui {
inline Rgba Ink() {
    return Hex(0x24405F);
}
inline Rgba Face() {
    return Hex(0xDCE6F2);
}
inline Rgba Blue() {
    return Hex(0x3C7DD9);
}
inline Rgba Red() {
    return Hex(0xD9453C);
}
inline Rgba Green() {
    return Hex(0x2FA84F);
}
}  // namespace ui

}  // namespace art
