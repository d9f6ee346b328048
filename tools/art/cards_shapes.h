// The shape pictures: bold coloured shapes with friendly faces.
#pragma once

#include "tools/art/picture_frame.h"

namespace art {

void DrawCircleShape(Picture& p);
void DrawSquare(Picture& p);
void DrawTriangle(Picture& p);
void DrawStar(Picture& p);
void DrawHeart(Picture& p);
void DrawRectangle(Picture& p);
void DrawDiamond(Picture& p);
void DrawHexagon(Picture& p);
// The crescent moon in one of three moods (0 asleep, 1 awake, 2 winking) on a night-sky tile.
void DrawMoon(Picture& p, int mood);

}  // namespace art
