#include "tests/resources/phase_locator.h"

namespace tk_res_test {

std::uint16_t SheetView::Pixel(int x, int y) const {
    std::uint32_t c = Rgb(x, y);
    return static_cast<std::uint16_t>((((c >> 16) & 255) >> 3) << 11 | (((c >> 8) & 255) >> 2) << 5 |
                                      (c & 255) >> 3);
}

Phase SheetView::Locate(int x, int y, std::uint16_t bc) const {
    Phase f;
    int r = y;
    while (Pixel(x, r) != bc && r > 0) --r;
    f.y = r + 1;
    int n = 0;
    do {
        ++r;
        ++n;
    } while (r < h_ && Pixel(x, r) != bc);
    f.y2 = r;
    f.h = n;
    int c = x;
    while (Pixel(c, y) != bc && c > 0) --c;
    f.x = c + 1;
    n = 0;
    do {
        ++c;
        ++n;
    } while (c < w_ && Pixel(c, y) != bc);
    f.x2 = c;
    f.w = n;
    return f;
}

}  // namespace tk_res_test
