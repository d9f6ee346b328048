// The animal pictures: round, friendly animals for the set whose pictures are photos' formats.
#pragma once

#include "tools/art/picture_frame.h"

namespace art {

void DrawCat(Picture& p);
void DrawDog(Picture& p);
void DrawFish(Picture& p);
void DrawMouse(Picture& p);
void DrawPig(Picture& p);
void DrawFrog(Picture& p);
void DrawBee(Picture& p);
void DrawOwl(Picture& p);

}  // namespace art
