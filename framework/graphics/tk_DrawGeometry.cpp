// Hit tests, distances and the clipping of rectangles to the screen or to a window.
#include <algorithm>
#include <cmath>

#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"

bool tk_glob_test_v_rect(int left, int top, int right, int bottom, int x, int y) {
    return left <= x && x <= right && top <= y && y <= bottom;
}

double tk_glob_Distance(int x1, int y1, int x2, int y2) {
    double dx = static_cast<double>(x1) - x2;
    double dy = static_cast<double>(y1) - y2;
    return std::sqrt(dx * dx + dy * dy);
}

void tk_glob_Orez_Rect2Screen(RECT* r) {
    if (!r) return;
    r->right = std::min(r->right, tk_ScreenW + 1);
    r->bottom = std::min(r->bottom, tk_ScreenH + 1);
    r->left = std::max(r->left, 1);
    r->top = std::max(r->top, 1);
}

bool tk_glob_OREZ_Rect2LPHD(int l, int r, int t, int b, int* x, int* y, RECT* src) {
    if (!x || !y || !src) return false;
    int w = src->right - src->left;
    int h = src->bottom - src->top;
    if (*x + w < l || r < *x || *y + h < t || b < *y) return false;
    // The window holds its left and top edges and ends at its right and bottom ones.
    if (*x < l) {
        int d = l - *x;
        *x = l;
        src->left += d;
        w -= d;
    }
    if (*x + w > r) src->right += r - (*x + w);
    if (*y < t) {
        int d = t - *y;
        *y = t;
        src->top += d;
        h -= d;
    }
    if (*y + h > b) src->bottom += b - (*y + h);
    return true;
}
