// Letterbox mapping: the scale is the smaller of the two ratios, the picture centred.
#include "platform/user/pointer_map.h"

#include <cmath>

namespace tkp::user {

POINT ClampToBuffer(int x, int y, int bufferWidth, int bufferHeight) {
    if (x >= bufferWidth) x = bufferWidth - 1;
    if (y >= bufferHeight) y = bufferHeight - 1;
    if (x < 0) x = 0;
    if (y < 0) y = 0;
    return POINT{x, y};
}

POINT ScreenToBuffer(int x, int y, int screenWidth, int screenHeight, int bufferWidth, int bufferHeight) {
    if (screenWidth <= 0 || screenHeight <= 0 || bufferWidth <= 0 || bufferHeight <= 0) return POINT{0, 0};
    const float wantAspect = static_cast<float>(bufferWidth) / static_cast<float>(bufferHeight);
    const float realAspect = static_cast<float>(screenWidth) / static_cast<float>(screenHeight);
    float scale;
    int left = 0;
    int top = 0;
    if (std::fabs(wantAspect - realAspect) < 0.0001f) {
        scale = static_cast<float>(screenWidth) / static_cast<float>(bufferWidth);
    } else if (wantAspect > realAspect) {
        // Wider than the screen: bars above and below.
        scale = static_cast<float>(screenWidth) / static_cast<float>(bufferWidth);
        const int shown = static_cast<int>(std::floor(static_cast<float>(bufferHeight) * scale));
        top = (screenHeight - shown) / 2;
    } else {
        // Narrower than the screen: bars left and right.
        scale = static_cast<float>(screenHeight) / static_cast<float>(bufferHeight);
        const int shown = static_cast<int>(std::floor(static_cast<float>(bufferWidth) * scale));
        left = (screenWidth - shown) / 2;
    }
    const int bx = static_cast<int>(static_cast<float>(x - left) / scale);
    const int by = static_cast<int>(static_cast<float>(y - top) / scale);
    return ClampToBuffer(bx, by, bufferWidth, bufferHeight);
}

}  // namespace tkp::user
