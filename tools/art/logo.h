// The framework's logo: a tessellated hexagon and the word "tessalin", on transparency.
#pragma once

#include "tools/lib/canvas.h"

namespace art {

Canvas DrawLogo(int w, int h);

}  // namespace art
