// Letterbox mapping: the scale is the smaller of the two ratios, the picture centred.
#include "platform/present/pointer_map.h"

#include <cmath>

namespace tkp::present {

POINT ClampToBuffer(int x, int y, int bufferWidth, int bufferHeight) {
    if (x >= bufferWidth) x = bufferWidth - 1;
    if (y >= bufferHeight) y = bufferHeight - 1;
    if (x < 0) x = 0;
    if (y < 0) y = 0;
    return POINT{x, y};
}

namespace {

// The scale and the placement's corner, as SDL computes them for a renderer with a logical size.
struct Letterbox {
    float scale;
    int left;
    int top;
    int shownWidth;
    int shownHeight;
};

Letterbox letterbox(int screenWidth, int screenHeight, int bufferWidth, int bufferHeight) {
    const float wantAspect = static_cast<float>(bufferWidth) / static_cast<float>(bufferHeight);
    const float realAspect = static_cast<float>(screenWidth) / static_cast<float>(screenHeight);
    if (std::fabs(wantAspect - realAspect) < 0.0001f)
        return {static_cast<float>(screenWidth) / static_cast<float>(bufferWidth), 0, 0, screenWidth,
                screenHeight};
    if (wantAspect > realAspect) {
        // Wider than the screen: bars above and below.
        const float scale = static_cast<float>(screenWidth) / static_cast<float>(bufferWidth);
        const int shown = static_cast<int>(std::floor(static_cast<float>(bufferHeight) * scale));
        return {scale, 0, (screenHeight - shown) / 2, screenWidth, shown};
    }
    // Narrower than the screen: bars left and right.
    const float scale = static_cast<float>(screenHeight) / static_cast<float>(bufferHeight);
    const int shown = static_cast<int>(std::floor(static_cast<float>(bufferWidth) * scale));
    return {scale, (screenWidth - shown) / 2, 0, shown, screenHeight};
}

}  // namespace

RECT LetterboxRect(int screenWidth, int screenHeight, int bufferWidth, int bufferHeight) {
    if (screenWidth <= 0 || screenHeight <= 0 || bufferWidth <= 0 || bufferHeight <= 0) return RECT{};
    const Letterbox box = letterbox(screenWidth, screenHeight, bufferWidth, bufferHeight);
    return RECT{box.left, box.top, box.left + box.shownWidth, box.top + box.shownHeight};
}

POINT ScreenToBuffer(int x, int y, int screenWidth, int screenHeight, int bufferWidth, int bufferHeight) {
    if (screenWidth <= 0 || screenHeight <= 0 || bufferWidth <= 0 || bufferHeight <= 0) return POINT{0, 0};
    const Letterbox box = letterbox(screenWidth, screenHeight, bufferWidth, bufferHeight);
    const int bx = static_cast<int>(static_cast<float>(x - box.left) / box.scale);
    const int by = static_cast<int>(static_cast<float>(y - box.top) / box.scale);
    return ClampToBuffer(bx, by, bufferWidth, bufferHeight);
}

}  // namespace tkp::present
