// Two taps per axis: a destination row mixes two widened source rows, then each destination pixel
// mixes two pixels of that row. Channels are mixed two at a time in one 32-bit word (red and blue
// in 0x00FF00FF, green in 0x0000FF00), which leaves each a byte of headroom.
#include "platform/present/frame_scale.h"

#include <algorithm>
#include <cstdint>

namespace tkp::present {

namespace {

std::uint32_t mix(std::uint32_t a, std::uint32_t b, std::uint32_t weightA) {
    const std::uint32_t weightB = 256 - weightA;
    const std::uint32_t rb = ((a & 0xFF00FFu) * weightA + (b & 0xFF00FFu) * weightB + 0x800080u) >> 8;
    const std::uint32_t g = ((a & 0xFF00u) * weightA + (b & 0xFF00u) * weightB + 0x8000u) >> 8;
    return (rb & 0xFF00FFu) | (g & 0xFF00u);
}

// The destination pixels [first, last) of one axis that read any of the source pixels [from, to).
std::pair<int, int> destinationSpan(const ScaleTaps& taps, int from, int to) {
    // Both tap lists rise with the destination index.
    const int first = static_cast<int>(
        std::partition_point(taps.second.begin(), taps.second.end(), [&](int s) { return s < from; }) -
        taps.second.begin());
    const int last = static_cast<int>(
        std::partition_point(taps.first.begin(), taps.first.end(), [&](int s) { return s < to; }) -
        taps.first.begin());
    return {first, std::max(first, last)};
}

}  // namespace

void Widen565Row(const std::uint16_t* __restrict src, std::uint32_t* __restrict dst, int count) {
    auto widen = [](std::uint32_t p) {
        const std::uint32_t r = p >> 11;
        const std::uint32_t g = (p >> 5) & 0x3F;
        const std::uint32_t b = p & 0x1F;
        return ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
    };
    // Blocks of eight, which the compiler turns into vector code, then the rest one by one.
    int i = 0;
    for (; i + 8 <= count; i += 8)
        for (int k = 0; k < 8; ++k) dst[i + k] = widen(src[i + k]);
    for (; i < count; ++i) dst[i] = widen(src[i]);
}

ScaleTaps MakeScaleTaps(int sourceSize, int destSize) {
    ScaleTaps taps;
    if (sourceSize <= 0 || destSize <= 0) return taps;
    const auto s = static_cast<std::int64_t>(sourceSize);
    const auto d = static_cast<std::int64_t>(destSize);
    taps.first.resize(static_cast<std::size_t>(destSize));
    taps.second.resize(static_cast<std::size_t>(destSize));
    taps.weight.resize(static_cast<std::size_t>(destSize));
    for (std::int64_t i = 0; i < d; ++i) {
        std::int64_t first;
        std::int64_t weight;
        if (s <= d) {
            // The destination pixel covers [i * s, (i + 1) * s) in units of 1/d source pixel.
            first = i * s / d;
            const std::int64_t inFirst = std::min((first + 1) * d, (i + 1) * s) - i * s;
            weight = (256 * inFirst + s / 2) / s;
        } else {
            // Its centre lies at (i + 1/2) * s / d - 1/2 source pixels, in units of 1/(2d).
            const std::int64_t centre = std::max<std::int64_t>(0, (2 * i + 1) * s - d);
            first = centre / (2 * d);
            weight = 256 - (256 * (centre % (2 * d)) + d) / (2 * d);
        }
        const auto at = static_cast<std::size_t>(i);
        taps.first[at] = static_cast<int>(first);
        taps.weight[at] = static_cast<std::uint16_t>(weight);
        taps.second[at] =
            weight >= 256 ? static_cast<int>(first) : static_cast<int>(std::min(first + 1, s - 1));
    }
    return taps;
}

void FrameScaler::SetSizes(int sourceW, int sourceH, int destW, int destH) {
    sourceW_ = sourceW;
    sourceH_ = sourceH;
    destW_ = destW;
    destH_ = destH;
    x_ = MakeScaleTaps(sourceW, destW);
    y_ = MakeScaleTaps(sourceH, destH);
}

const std::uint32_t* FrameScaler::widenedRow(const std::uint16_t* frame, int framePitch, int y, int keep,
                                             int from, int to) {
    for (int slot = 0; slot < 2; ++slot)
        if (rowOf_[slot] == y) return rows_[slot].data();
    const int slot = rowOf_[0] == keep ? 1 : 0;
    rows_[slot].resize(static_cast<std::size_t>(to - from));
    Widen565Row(frame + static_cast<std::ptrdiff_t>(y) * framePitch + from, rows_[slot].data(), to - from);
    rowOf_[slot] = y;
    return rows_[slot].data();
}

RECT FrameScaler::Draw(const std::uint16_t* frame, int framePitch, const RECT& source, std::uint32_t* dest,
                       int destPitch) {
    const int left = std::max(0, static_cast<int>(source.left));
    const int top = std::max(0, static_cast<int>(source.top));
    const int right = std::min(sourceW_, static_cast<int>(source.right));
    const int bottom = std::min(sourceH_, static_cast<int>(source.bottom));
    if (frame == nullptr || left >= right || top >= bottom || destW_ <= 0 || destH_ <= 0) return RECT{};
    auto destRow = [&](int y) { return dest + static_cast<std::ptrdiff_t>(y) * destPitch; };
    if (sourceW_ == destW_ && sourceH_ == destH_) {
        for (int y = top; y < bottom; ++y)
            Widen565Row(frame + static_cast<std::ptrdiff_t>(y) * framePitch + left, destRow(y) + left,
                        right - left);
        return RECT{left, top, right, bottom};
    }
    const auto [x0, x1] = destinationSpan(x_, left, right);
    const auto [y0, y1] = destinationSpan(y_, top, bottom);
    if (x0 >= x1 || y0 >= y1) return RECT{};
    // The source columns those destination columns read.
    const int from = x_.first[static_cast<std::size_t>(x0)];
    const int to = x_.second[static_cast<std::size_t>(x1 - 1)] + 1;
    rowOf_[0] = rowOf_[1] = -1;
    mixed_.resize(static_cast<std::size_t>(to - from));
    for (int y = y0; y < y1; ++y) {
        const auto ty = static_cast<std::size_t>(y);
        const int above = y_.first[ty];
        const int below = y_.second[ty];
        const std::uint32_t* row = widenedRow(frame, framePitch, above, below, from, to);
        if (above != below) {
            const std::uint32_t* next = widenedRow(frame, framePitch, below, above, from, to);
            for (int i = 0; i < to - from; ++i)
                mixed_[static_cast<std::size_t>(i)] = mix(row[i], next[i], y_.weight[ty]);
            row = mixed_.data();
        }
        std::uint32_t* out = destRow(y);
        for (int x = x0; x < x1; ++x) {
            const auto tx = static_cast<std::size_t>(x);
            out[x] = mix(row[x_.first[tx] - from], row[x_.second[tx] - from], x_.weight[tx]);
        }
    }
    return RECT{x0, y0, x1, y1};
}

}  // namespace tkp::present
