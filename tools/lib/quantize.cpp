#include <algorithm>
#include <map>

#include "tools/lib/image.h"

namespace art {

namespace {

struct Entry {
    std::uint32_t rgb;
    std::uint64_t count;
};

int channel(std::uint32_t rgb, int c) {
    return static_cast<int>((rgb >> (16 - 8 * c)) & 255);
}

// A box of the colour histogram, split at the median of its widest channel.
struct Box {
    std::vector<Entry> entries;
    int Widest(int* range) const {
        int best = 0, bestRange = -1;
        for (int c = 0; c < 3; ++c) {
            int lo = 255, hi = 0;
            for (const Entry& e : entries) {
                lo = std::min(lo, channel(e.rgb, c));
                hi = std::max(hi, channel(e.rgb, c));
            }
            if (hi - lo > bestRange) {
                bestRange = hi - lo;
                best = c;
            }
        }
        *range = bestRange;
        return best;
    }
    std::uint64_t Population() const {
        std::uint64_t n = 0;
        for (const Entry& e : entries) n += e.count;
        return n;
    }
    std::uint32_t Mean() const {
        std::uint64_t sum[3] = {0, 0, 0}, n = Population();
        for (const Entry& e : entries)
            for (int c = 0; c < 3; ++c) sum[c] += static_cast<std::uint64_t>(channel(e.rgb, c)) * e.count;
        std::uint32_t out = 0;
        for (int c = 0; c < 3; ++c) out = (out << 8) | static_cast<std::uint32_t>((sum[c] + n / 2) / n);
        return out;
    }
};

int squaredDistance(std::uint32_t a, std::uint32_t b) {
    int d = 0;
    for (int c = 0; c < 3; ++c) {
        int e = channel(a, c) - channel(b, c);
        d += e * e;
    }
    return d;
}

}  // namespace

IndexedImage Quantize(const RgbImage& img, int colours) {
    std::map<std::uint32_t, std::uint64_t> hist;
    for (std::uint32_t p : img.px) ++hist[p & 0xFFFFFF];
    IndexedImage out;
    out.w = img.w;
    out.h = img.h;
    if (static_cast<int>(hist.size()) <= colours) {
        for (const auto& [rgb, n] : hist) out.palette.push_back(rgb);
    } else {
        std::vector<Box> boxes(1);
        for (const auto& [rgb, n] : hist) boxes[0].entries.push_back({rgb, n});
        while (static_cast<int>(boxes.size()) < colours) {
            // Split the most populous box that still holds more than one colour.
            int pick = -1;
            std::uint64_t best = 0;
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                int range;
                boxes[i].Widest(&range);
                std::uint64_t score = boxes[i].Population() * static_cast<std::uint64_t>(range + 1);
                if (boxes[i].entries.size() > 1 && score > best) {
                    best = score;
                    pick = static_cast<int>(i);
                }
            }
            if (pick < 0) break;
            Box& b = boxes[pick];
            int range;
            int c = b.Widest(&range);
            std::stable_sort(b.entries.begin(), b.entries.end(), [c](const Entry& x, const Entry& y) {
                return channel(x.rgb, c) < channel(y.rgb, c);
            });
            std::uint64_t half = b.Population() / 2, run = 0;
            std::size_t cut = 1;
            for (std::size_t i = 0; i + 1 < b.entries.size(); ++i) {
                run += b.entries[i].count;
                cut = i + 1;
                if (run >= half) break;
            }
            Box rest;
            rest.entries.assign(b.entries.begin() + static_cast<long>(cut), b.entries.end());
            b.entries.resize(cut);
            boxes.push_back(std::move(rest));
        }
        for (const Box& b : boxes) out.palette.push_back(b.Mean());
    }
    std::map<std::uint32_t, std::uint8_t> nearest;
    out.idx.reserve(img.px.size());
    for (std::uint32_t p : img.px) {
        p &= 0xFFFFFF;
        auto it = nearest.find(p);
        if (it == nearest.end()) {
            int best = 0;
            for (std::size_t i = 1; i < out.palette.size(); ++i)
                if (squaredDistance(p, out.palette[i]) < squaredDistance(p, out.palette[best]))
                    best = static_cast<int>(i);
            it = nearest.emplace(p, static_cast<std::uint8_t>(best)).first;
        }
        out.idx.push_back(it->second);
    }
    return out;
}

}  // namespace art
