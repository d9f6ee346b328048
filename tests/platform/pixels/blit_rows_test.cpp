// The blit row loops against the pixel-by-pixel reference on random pictures: fills, keyed copies,
// and stretches with keys, mirroring and alpha, at odd widths, unaligned starts and every scaling
// path (same width, exactly double, any other), including keys whose ends are swapped.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "platform/pixels/blit.h"
#include "tests/platform/pixels/blit_reference.h"

namespace {

using tkp::pixels::BlitEffects;
using tkp::pixels::ColourKey;
using tkp::pixels::PixelView;

constexpr std::uint16_t kKeyLow = 0xF800;
constexpr std::uint16_t kKeyHigh = 0xF81F;

// A picture of random pixels, about a quarter of them inside [kKeyLow, kKeyHigh] or equal to
// its ends, held with a pitch wider than its width.
struct Picture {
    std::vector<std::uint16_t> store;
    PixelView view;
    Picture(int w, int h, std::mt19937& rng) : store(static_cast<std::size_t>((w + 5) * h)) {
        view = {store.data(), w, h, w + 5};
        for (std::uint16_t& p : store) {
            const unsigned r = rng();
            p = static_cast<std::uint16_t>(r >> 16);
            if (r % 4 == 0) p = static_cast<std::uint16_t>(kKeyLow + (r >> 8) % 0x20);
            if (r % 16 == 1) p = (r & 32) ? kKeyLow : kKeyHigh;
        }
    }
};

struct StretchCase {
    RECT s;
    RECT d;
    bool keyed;
    ColourKey key;
    bool mirror;
    int alpha;
};

TEST(BlitRows, StretchesMatchTheReferenceOnEveryPath) {
    const ColourKey range{kKeyLow, kKeyHigh}, one{kKeyLow, kKeyLow}, swapped{kKeyHigh, 0x0100};
    const StretchCase cases[] = {
        // Same width: keyed, alpha, both, and mirrored (gathered); odd widths and starts.
        {{1, 0, 18, 5}, {3, 1, 20, 6}, true, range, false, 255},
        {{0, 1, 33, 4}, {1, 0, 34, 9}, false, range, false, 128},
        {{3, 0, 40, 7}, {0, 2, 37, 9}, true, one, false, 77},
        {{2, 2, 19, 6}, {5, 0, 22, 4}, true, swapped, true, 255},
        // Exactly double: plain, and mirrored keyed and blended.
        {{1, 0, 16, 5}, {3, 0, 33, 10}, false, range, false, 255},
        {{0, 0, 21, 7}, {0, 0, 42, 14}, true, range, true, 255},
        {{1, 1, 18, 4}, {0, 0, 34, 6}, true, swapped, true, 254},
        // Other scales, up and down (mirrored and keyed), odd and uneven.
        {{0, 0, 7, 3}, {1, 2, 40, 13}, false, range, false, 255},
        {{2, 0, 39, 8}, {0, 0, 11, 3}, true, range, true, 255},
        // Nothing drawn at alpha 0.
        {{0, 0, 8, 4}, {0, 0, 16, 8}, false, range, false, 0},
    };
    std::mt19937 rng(17);
    int index = 0;
    for (const StretchCase& c : cases) {
        Picture src(45, 16, rng), fast(45, 16, rng);
        Picture slow = fast;
        slow.view.pixels = slow.store.data();
        BlitEffects fx;
        fx.keyed = c.keyed;
        fx.key = c.key;
        fx.mirrorLeftRight = c.mirror;
        fx.alpha = c.alpha;
        tkp::pixels::StretchPixels(fast.view, c.d, src.view, c.s, fx);
        tkp::pixels::reference::StretchPixels(slow.view, c.d, src.view, c.s, fx);
        EXPECT_EQ(fast.store, slow.store) << "case " << index;
        ++index;
    }
}

TEST(BlitRows, FillsAndKeyedCopiesMatchTheReference) {
    std::mt19937 rng(5);
    for (int width : {1, 2, 7, 8, 9, 15, 16, 17, 31, 33, 64, 67}) {
        for (int start : {0, 1, 3}) {
            Picture src(80, 4, rng), fast(80, 5, rng);
            Picture slow = fast;
            slow.view.pixels = slow.store.data();
            const RECT s{start, 0, start + width, 4};
            const auto value = static_cast<std::uint16_t>(rng());
            for (ColourKey key :
                 {ColourKey{kKeyLow, kKeyHigh}, ColourKey{kKeyHigh, kKeyHigh}, ColourKey{kKeyHigh, 0x0100}}) {
                tkp::pixels::CopyPixelsKeyed(fast.view, 4 - start, 1, src.view, s, key);
                tkp::pixels::reference::CopyPixelsKeyed(slow.view, 4 - start, 1, src.view, s, key);
            }
            const RECT f{start + 1, 0, start + 1 + width, 2};
            tkp::pixels::FillPixels(fast.view, f, value);
            tkp::pixels::reference::FillPixels(slow.view, f, value);
            EXPECT_EQ(fast.store, slow.store) << "width " << width << " start " << start;
        }
    }
}

}  // namespace
