// The scale rule: a size divided by a whole factor, or fitted into a box with its aspect kept.
#define TK_MODULE "TK_DBMP_w"
#include "framework/graphics/tk_BMP.h"
#include "framework/support/tk_LOG.h"

namespace {

// A product in single precision, truncated; a result beyond int's range is limited to it.
int truncated(int v, float s) {
    const float product = static_cast<float>(v) * s;
    if (!(product < 2147483648.0f)) return 2147483647;
    return static_cast<int>(product);
}

}  // namespace

void tk_BMP_NOVE_ROZMERY(int w, int h, int koef, int FIXMAX_sir, int FIXMAX_vys, int& new_w, int& new_h) {
    if (koef != 0) {
        new_w = w / koef;
        new_h = h / koef;
        return;
    }
    // A picture without width or height has no aspect to keep: the same fallback as a bad box.
    if (FIXMAX_sir > 0 && FIXMAX_vys > 0 && w > 0 && h > 0) {
        const float sx = static_cast<float>(FIXMAX_sir) / static_cast<float>(w);
        const float sy = static_cast<float>(FIXMAX_vys) / static_cast<float>(h);
        const float s = sx < sy ? sx : sy;
        new_w = truncated(w, s);
        new_h = truncated(h, s);
        return;
    }
    new_w = 50;
    new_h = 50;
    TK_LOG("tk_BMP_NOVE_ROZMERY() - Chyba vstupu: koef, FIXMAX_sir, FIXMAX_vys", FIXMAX_sir, FIXMAX_vys);
}
