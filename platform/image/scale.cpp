// Area-averaging resampler: separable, with exact integer weights, one destination row at a time.
#include "platform/image/scale.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

constexpr int kMaxSide = 1 << 16;

// The source pixels that each destination pixel covers along one axis, with integer weights.
// In units where a source pixel is `to` long and a destination pixel `from` long, both spans
// measure from * to; the weights of one destination pixel add up to `from`.
struct Axis {
    std::vector<int> first;          // first source index per destination index
    std::vector<std::size_t> start;  // offset into weights per destination index, plus one at the end
    std::vector<std::uint32_t> weights;
};

Axis makeAxis(int from, int to) {
    Axis axis;
    axis.first.resize(std::size_t(to));
    axis.start.resize(std::size_t(to) + 1);
    for (int d = 0; d < to; ++d) {
        const std::int64_t lo = std::int64_t(d) * from;
        const std::int64_t hi = lo + from;
        const int s0 = int(lo / to);
        const int s1 = int((hi - 1) / to);
        axis.first[std::size_t(d)] = s0;
        axis.start[std::size_t(d)] = axis.weights.size();
        for (int s = s0; s <= s1; ++s) {
            const std::int64_t a = std::max(lo, std::int64_t(s) * to);
            const std::int64_t b = std::min(hi, std::int64_t(s + 1) * to);
            axis.weights.push_back(std::uint32_t(b - a));
        }
    }
    axis.start[std::size_t(to)] = axis.weights.size();
    return axis;
}

// One source row averaged horizontally: three channel sums per destination column.
void horizontal(const std::uint32_t* row, const Axis& ax, int dw, std::uint32_t* out) {
    for (int d = 0; d < dw; ++d) {
        std::uint32_t r = 0, g = 0, b = 0;
        const std::uint32_t* px = row + ax.first[std::size_t(d)];
        for (std::size_t k = ax.start[std::size_t(d)]; k < ax.start[std::size_t(d) + 1]; ++k, ++px) {
            const std::uint32_t w = ax.weights[k];
            r += w * ((*px >> 16) & 0xFF);
            g += w * ((*px >> 8) & 0xFF);
            b += w * (*px & 0xFF);
        }
        out[3 * d] = r;
        out[3 * d + 1] = g;
        out[3 * d + 2] = b;
    }
}

// The two most recently averaged source rows: consecutive destination rows share their edge rows.
class RowCache {
  public:
    RowCache(const std::uint32_t* src, int srcStride, const Axis& ax, int dw)
        : src_(src), stride_(srcStride), ax_(ax), dw_(dw) {
        for (auto& slot : rows_) slot.assign(std::size_t(dw) * 3, 0);
    }
    const std::uint32_t* get(int index) {
        for (int i = 0; i < 2; ++i) {
            if (index_[i] == index) {
                last_ = i;
                return rows_[i].data();
            }
        }
        last_ = 1 - last_;
        index_[last_] = index;
        horizontal(src_ + std::size_t(index) * std::size_t(stride_), ax_, dw_, rows_[last_].data());
        return rows_[last_].data();
    }

  private:
    const std::uint32_t* src_;
    int stride_;
    const Axis& ax_;
    int dw_;
    std::vector<std::uint32_t> rows_[2];
    int index_[2] = {-1, -1};
    int last_ = 1;
};

}  // namespace

bool tkp::image::ScaleArea(const std::uint32_t* src, int sw, int sh, int srcStride, std::uint32_t* dst,
                           int dw, int dh, int dstStride) {
    if (!src || !dst || sw < 1 || sh < 1 || dw < 1 || dh < 1 || srcStride < sw || dstStride < dw)
        return false;
    // Keeps every weighted sum inside its integer type.
    if (sw > kMaxSide || sh > kMaxSide || dw > kMaxSide || dh > kMaxSide) return false;
    const Axis ax = makeAxis(sw, dw);
    const Axis ay = makeAxis(sh, dh);
    RowCache cache(src, srcStride, ax, dw);
    const std::uint64_t total = std::uint64_t(sw) * std::uint64_t(sh);
    std::vector<std::uint64_t> acc(std::size_t(dw) * 3);
    for (int d = 0; d < dh; ++d) {
        std::fill(acc.begin(), acc.end(), 0);
        int s = ay.first[std::size_t(d)];
        for (std::size_t k = ay.start[std::size_t(d)]; k < ay.start[std::size_t(d) + 1]; ++k, ++s) {
            const std::uint64_t w = ay.weights[k];
            const std::uint32_t* row = cache.get(s);
            for (std::size_t i = 0; i < acc.size(); ++i) acc[i] += w * row[i];
        }
        std::uint32_t* out = dst + std::size_t(d) * std::size_t(dstStride);
        for (int x = 0; x < dw; ++x) {
            const std::uint64_t r = (acc[3 * std::size_t(x)] + total / 2) / total;
            const std::uint64_t g = (acc[3 * std::size_t(x) + 1] + total / 2) / total;
            const std::uint64_t b = (acc[3 * std::size_t(x) + 2] + total / 2) / total;
            out[x] = std::uint32_t((r << 16) | (g << 8) | b);
        }
    }
    return true;
}
