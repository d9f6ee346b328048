// Lines: MoveToEx and LineTo. A line covers the pixels nearest to the ideal line, one per step
// along its longer axis, from the start point up to but not including the end point. A wider pen
// paints a square of its width centred on each of those pixels.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/gdi/dc_internal.h"
#include "platform/gdi/gdi.h"

namespace {

// Wide enough for 2 x step x distance of any two int coordinates.
using Wide = __int128;

std::int64_t floorDiv(Wide a, Wide b) {
    // Most lines are short: their numbers fit 64 bits, whose division is far cheaper.
    constexpr Wide kMax = INT64_MAX;
    if (a >= -kMax && a <= kMax && b >= -kMax && b <= kMax) {
        const auto n = static_cast<std::int64_t>(a), d = static_cast<std::int64_t>(b);
        const std::int64_t q = n / d;
        return (n % d != 0 && ((n < 0) != (d < 0))) ? q - 1 : q;
    }
    Wide q = a / b;
    return static_cast<std::int64_t>((a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q);
}

// The first i in [a, b] for which pred holds (pred is false, then true); b + 1 when none.
template <typename Pred>
std::int64_t firstTrue(std::int64_t a, std::int64_t b, Pred pred) {
    while (a <= b) {
        std::int64_t mid = a + (b - a) / 2;
        if (pred(mid)) {
            b = mid - 1;
        } else {
            a = mid + 1;
        }
    }
    return a;
}

// Narrows the steps [first, last] to those whose coordinate c(i), monotonic in i, lies in [low, high].
template <typename Coord>
void narrow(std::int64_t& first, std::int64_t& last, bool increasing, int low, int high, Coord c) {
    std::int64_t a = first;
    std::int64_t b = last;
    if (increasing) {
        first = firstTrue(a, b, [&](std::int64_t i) { return c(i) >= low; });
        last = firstTrue(a, b, [&](std::int64_t i) { return c(i) > high; }) - 1;
    } else {
        first = firstTrue(a, b, [&](std::int64_t i) { return c(i) <= high; });
        last = firstTrue(a, b, [&](std::int64_t i) { return c(i) < low; }) - 1;
    }
}

// One axis of a line walked step by step without division: at step i the coordinate is
// c0 + floor((2 i d + steps) / (2 steps)), kept as a quotient and a remainder.
class AxisWalk {
  public:
    AxisWalk(int c0, std::int64_t d, std::int64_t steps, std::int64_t first) : den_(2 * steps) {
        const Wide n = Wide{2} * first * d + steps;
        const std::int64_t q = floorDiv(n, den_);
        rem_ = static_cast<std::int64_t>(n - Wide{q} * den_);
        at_ = c0 + q;
        // |2 d| <= 2 steps, so the quotient of a step is -1, 0 or 1.
        stepQ_ = floorDiv(2 * d, den_);
        stepR_ = 2 * d - stepQ_ * den_;
    }
    int At() const { return static_cast<int>(at_); }
    void Next() {
        at_ += stepQ_;
        rem_ += stepR_;
        if (rem_ >= den_) {
            ++at_;
            rem_ -= den_;
        }
    }

  private:
    std::int64_t den_;
    std::int64_t at_ = 0;
    std::int64_t rem_ = 0;
    std::int64_t stepQ_ = 0;
    std::int64_t stepR_ = 0;
};

void stamp(tkp::gdi::DC* dc, int x, int y, const tkp::gdi::GdiPen& pen) {
    const int lo = -(pen.width / 2);
    const int hi = (pen.width - 1) / 2;
    tkp::gdi::FillBox(dc, x + lo, y + lo, x + hi, y + hi, pen.colour);
}

}  // namespace

BOOL MoveToEx(HDC dc, int x, int y, LPPOINT previous) {
    tkp::gdi::DC* d = tkp::gdi::FindDC(dc);
    if (!d) return FALSE;
    if (previous) *previous = d->position;
    d->position = {x, y};
    return TRUE;
}

BOOL LineTo(HDC dc, int x, int y) {
    tkp::gdi::DC* d = tkp::gdi::FindDC(dc);
    if (!d) return FALSE;
    const int x0 = d->position.x;
    const int y0 = d->position.y;
    d->position = {x, y};
    const auto& pen = *static_cast<const tkp::gdi::GdiPen*>(d->pen);
    if (pen.null) return TRUE;
    const std::int64_t dx = std::int64_t{x} - x0;
    const std::int64_t dy = std::int64_t{y} - y0;
    const std::int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
    if (steps == 0) return TRUE;
    // Step i lies at the ideal point rounded to the nearest pixel (halves round up).
    auto px = [&](std::int64_t i) { return x0 + floorDiv(Wide{2} * i * dx + steps, Wide{2} * steps); };
    auto py = [&](std::int64_t i) { return y0 + floorDiv(Wide{2} * i * dy + steps, Wide{2} * steps); };
    // Only the steps that can touch the target are walked, however long the line.
    std::int64_t first = 0;
    std::int64_t last = steps - 1;
    // Coordinates run monotonically between the ends, so a line whose ends lie in the band keeps all.
    const auto within = [](int a, int b, int low, int high) {
        return std::min(a, b) >= low && std::max(a, b) <= high;
    };
    const int right = tkp::gdi::TargetWidth(d) + pen.width;
    const int bottom = tkp::gdi::TargetHeight(d) + pen.width;
    if (!within(x0, x, -pen.width, right)) narrow(first, last, dx >= 0, -pen.width, right, px);
    if (!within(y0, y, -pen.width, bottom)) narrow(first, last, dy >= 0, -pen.width, bottom, py);
    if (first > last) return TRUE;
    if (dx == 0 || dy == 0) {
        // The squares of a level or upright line join into one box.
        const int lo = -(pen.width / 2);
        const int hi = (pen.width - 1) / 2;
        const std::int64_t x1 = px(first), x2 = px(last), y1 = py(first), y2 = py(last);
        tkp::gdi::FillBox(d, static_cast<int>(std::min(x1, x2)) + lo, static_cast<int>(std::min(y1, y2)) + lo,
                          static_cast<int>(std::max(x1, x2)) + hi, static_cast<int>(std::max(y1, y2)) + hi,
                          pen.colour);
        return TRUE;
    }
    AxisWalk wx(x0, dx, steps, first);
    AxisWalk wy(y0, dy, steps, first);
    for (std::int64_t i = first; i <= last; ++i, wx.Next(), wy.Next()) stamp(d, wx.At(), wy.At(), pen);
    return TRUE;
}
