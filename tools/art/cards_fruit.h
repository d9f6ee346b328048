// The fruit pictures; each draws onto a picture of any size.
#pragma once

#include "tools/art/picture_frame.h"

namespace art {

void DrawApple(Picture& p);
void DrawPear(Picture& p);
void DrawCherries(Picture& p);
void DrawPlum(Picture& p);
void DrawBanana(Picture& p);
void DrawOrange(Picture& p);
void DrawStrawberry(Picture& p);
void DrawGrapes(Picture& p);
void DrawLemon(Picture& p);
void DrawWatermelon(Picture& p);

}  // namespace art
