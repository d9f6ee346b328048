// Row comparison: memcmp says whether a row changed (the common answer is no, and it is the fast
// path), then the changed row is searched from both ends eight bytes at a time.
#include "platform/pixels/frame_changes.h"

#include <cstring>

namespace tkp::pixels {

namespace {

// Rows up to this many unchanged rows apart, and columns this close, join one rectangle: sending
// a few unchanged pixels costs less than another rectangle.
constexpr int kRowGap = 8;
constexpr int kColumnGap = 64;

bool sameBlock(const std::uint16_t* a, const std::uint16_t* b) {
    std::uint64_t x;
    std::uint64_t y;
    std::memcpy(&x, a, sizeof x);
    std::memcpy(&y, b, sizeof y);
    return x == y;
}

// The first column where the rows differ; they are known to differ somewhere.
int firstDifference(const std::uint16_t* a, const std::uint16_t* b, int width) {
    int x = 0;
    while (x + 4 <= width && sameBlock(a + x, b + x)) x += 4;
    while (a[x] == b[x]) ++x;
    return x;
}

// One past the last column where the rows differ; they are known to differ somewhere.
int lastDifference(const std::uint16_t* a, const std::uint16_t* b, int width) {
    int end = width;
    while (end >= 4 && sameBlock(a + end - 4, b + end - 4)) end -= 4;
    while (a[end - 1] == b[end - 1]) --end;
    return end;
}

}  // namespace

std::vector<RECT> TakeFrameChanges(const PixelView& kept, const std::uint16_t* frame, int framePitch) {
    std::vector<RECT> changes;
    if (kept.pixels == nullptr || frame == nullptr || kept.width <= 0) return changes;
    const std::size_t rowBytes = static_cast<std::size_t>(kept.width) * sizeof(std::uint16_t);
    bool open = false;
    RECT band{};
    for (int y = 0; y < kept.height; ++y) {
        std::uint16_t* old = kept.Row(y);
        const std::uint16_t* now = frame + static_cast<std::ptrdiff_t>(y) * framePitch;
        if (std::memcmp(old, now, rowBytes) == 0) continue;
        const int left = firstDifference(old, now, kept.width);
        const int right = lastDifference(old, now, kept.width);
        std::memcpy(old + left, now + left, static_cast<std::size_t>(right - left) * sizeof(std::uint16_t));
        const bool joins = open && y - band.bottom <= kRowGap && left <= band.right + kColumnGap &&
                           right + kColumnGap >= band.left;
        if (joins) {
            if (left < band.left) band.left = left;
            if (right > band.right) band.right = right;
            band.bottom = y + 1;
            continue;
        }
        if (open) changes.push_back(band);
        band = RECT{left, y, right, y + 1};
        open = true;
    }
    if (open) changes.push_back(band);
    return changes;
}

void TakeAreaChanges(const PixelView& kept, const std::uint16_t* frame, int framePitch, const RECT& area,
                     std::vector<RECT>& changes) {
    const int width = area.right - area.left;
    if (width <= 0 || area.bottom <= area.top) return;
    const std::size_t spanBytes = static_cast<std::size_t>(width) * sizeof(std::uint16_t);
    RECT box{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
        std::uint16_t* old = kept.Row(y) + area.left;
        const std::uint16_t* now = frame + static_cast<std::ptrdiff_t>(y) * framePitch + area.left;
        if (std::memcmp(old, now, spanBytes) == 0) continue;
        const int left = firstDifference(old, now, width);
        const int right = lastDifference(old, now, width);
        std::memcpy(old + left, now + left, static_cast<std::size_t>(right - left) * sizeof(std::uint16_t));
        if (area.left + left < box.left) box.left = area.left + left;
        if (area.left + right > box.right) box.right = area.left + right;
        if (y < box.top) box.top = y;
        box.bottom = y + 1;
    }
    if (box.left < box.right) changes.push_back(box);
}

}  // namespace tkp::pixels
