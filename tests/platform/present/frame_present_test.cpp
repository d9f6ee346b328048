// The presentation's change tracking and scaling, without a window: which rectangles a new frame
// sends, that the kept copy follows the frames, and that a window drawn a rectangle at a time ends
// up exactly as one drawn whole (so no changed pixel is left unsent).
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "platform/pixels/frame_changes.h"
#include "platform/pixels/pixel565.h"
#include "platform/present/frame_scale.h"
#include "tests/common/tk_test_surface.h"

namespace {

using Frame = std::vector<std::uint16_t>;

std::vector<RECT> changes(Frame& kept, const Frame& next, int w, int h) {
    return tkp::pixels::TakeFrameChanges(tkp::pixels::PixelView{kept.data(), w, h, w}, next.data(), w);
}

std::string text(const std::vector<RECT>& rects) {
    std::string s;
    for (const RECT& r : rects) s += tk_test::Nums(r.left, r.top, r.right, r.bottom) + " ";
    return s;
}

Frame randomFrame(std::mt19937& rng, int w, int h) {
    Frame f(static_cast<std::size_t>(w) * h);
    for (auto& p : f) p = static_cast<std::uint16_t>(rng());
    return f;
}

// Paints a few random blocks, some a single pixel, some at the edges.
void scribble(std::mt19937& rng, Frame& f, int w, int h) {
    const int blocks = static_cast<int>(rng() % 4);
    for (int b = 0; b < blocks; ++b) {
        const int x = static_cast<int>(rng() % w), y = static_cast<int>(rng() % h);
        const int bw = 1 + static_cast<int>(rng() % 9), bh = 1 + static_cast<int>(rng() % 5);
        for (int yy = y; yy < std::min(h, y + bh); ++yy)
            for (int xx = x; xx < std::min(w, x + bw); ++xx)
                f[static_cast<std::size_t>(yy) * w + xx] ^= 0x1234;
    }
}

}  // namespace

TEST(FrameChanges, RectanglesSentForAPairOfFrames) {
    constexpr int w = 203, h = 40;  // a width that is no multiple of the eight-byte steps
    struct Case {
        const char* what;
        std::vector<RECT> painted;
        std::vector<RECT> expected;
    };
    const Case cases[] = {
        {"nothing changed", {}, {}},
        {"the first pixel", {{0, 0, 1, 1}}, {{0, 0, 1, 1}}},
        {"the last pixel", {{202, 39, 203, 40}}, {{202, 39, 203, 40}}},
        {"one block", {{20, 10, 30, 14}}, {{20, 10, 30, 14}}},
        {"blocks a few rows apart join", {{20, 10, 30, 12}, {25, 15, 40, 16}}, {{20, 10, 40, 16}}},
        {"blocks far below stay apart",
         {{20, 0, 30, 2}, {20, 30, 30, 32}},
         {{20, 0, 30, 2}, {20, 30, 30, 32}}},
        {"blocks far aside stay apart", {{0, 0, 5, 3}, {190, 4, 203, 6}}, {{0, 0, 5, 3}, {190, 4, 203, 6}}},
    };
    std::mt19937 rng(7);
    for (const Case& c : cases) {
        Frame before = randomFrame(rng, w, h);
        Frame kept = before, next = before;
        for (const RECT& r : c.painted)
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x) next[static_cast<std::size_t>(y) * w + x] ^= 0x0821;
        EXPECT_EQ(text(changes(kept, next, w, h)), text(c.expected)) << c.what;
        EXPECT_EQ(kept, next) << c.what << ": the kept copy is the new frame";
    }
}

TEST(FrameScale, AWindowDrawnInPiecesEqualsOneDrawnWhole) {
    struct Sizes {
        int sw, sh, dw, dh;
    };
    // 1:1, twice, the 800 x 600 mode on 1280 x 1024 (1.6), an odd enlargement, and shrinking.
    const Sizes sizes[] = {
        {64, 48, 64, 48}, {40, 30, 80, 60}, {80, 60, 128, 96}, {64, 48, 101, 77}, {100, 80, 37, 29}};
    std::mt19937 rng(3);
    for (const Sizes& s : sizes) {
        tkp::present::FrameScaler scaler;
        scaler.SetSizes(s.sw, s.sh, s.dw, s.dh);
        Frame frame = randomFrame(rng, s.sw, s.sh), kept = frame;
        std::vector<std::uint32_t> pieces(static_cast<std::size_t>(s.dw) * s.dh, 0xDEAD);
        std::vector<std::uint32_t> whole(pieces.size());
        const RECT all{0, 0, s.sw, s.sh};
        scaler.Draw(frame.data(), s.sw, all, pieces.data(), s.dw);
        for (int round = 0; round < 40; ++round) {
            scribble(rng, frame, s.sw, s.sh);
            for (const RECT& r : changes(kept, frame, s.sw, s.sh)) {
                const RECT drawn = scaler.Draw(kept.data(), s.sw, r, pieces.data(), s.dw);
                ASSERT_TRUE(drawn.left >= 0 && drawn.top >= 0 && drawn.right <= s.dw && drawn.bottom <= s.dh);
            }
            const RECT drawn = scaler.Draw(frame.data(), s.sw, all, whole.data(), s.dw);
            ASSERT_EQ(drawn.right * drawn.bottom, s.dw * s.dh);
            ASSERT_EQ(pieces, whole) << s.sw << "x" << s.sh << " in " << s.dw << "x" << s.dh << ", round "
                                     << round;
        }
    }
}

TEST(FrameScale, ColoursSurviveAndWholeSteppedPixelsStaySharp) {
    // Widening keeps every 5-6-5 value, in blocks and in the rest of a row.
    std::vector<std::uint16_t> every(0x10000);
    for (std::size_t p = 0; p < every.size(); ++p) every[p] = static_cast<std::uint16_t>(p);
    std::vector<std::uint32_t> wide(every.size());
    tkp::present::Widen565Row(every.data() + 1, wide.data() + 1, 0xFFFF);
    for (std::size_t p = 1; p < every.size(); ++p) ASSERT_EQ(wide[p], tkp::pixels::XrgbOf565(every[p])) << p;
    // A flat colour scaled by any amount stays the same colour; a whole-number scale mixes nothing.
    const Frame flat(80 * 60, 0x7BEF);
    std::vector<std::uint32_t> out(128 * 96);
    tkp::present::FrameScaler scaler;
    scaler.SetSizes(80, 60, 128, 96);
    scaler.Draw(flat.data(), 80, RECT{0, 0, 80, 60}, out.data(), 128);
    for (std::uint32_t p : out) ASSERT_EQ(p, tkp::pixels::XrgbOf565(0x7BEF));
    const tkp::present::ScaleTaps twice = tkp::present::MakeScaleTaps(40, 80);
    for (int d = 0; d < 80; ++d) {
        EXPECT_EQ(twice.first[static_cast<std::size_t>(d)], d / 2);
        EXPECT_EQ(twice.weight[static_cast<std::size_t>(d)], 256);
    }
}
