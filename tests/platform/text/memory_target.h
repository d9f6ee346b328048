// A picture in memory that text can be drawn onto: 0x00RRGGBB pixels, with checks that nothing is
// written outside it, and helpers to find the drawn ink.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/text/text_target.h"
#include "tests/common/tk_test_surface.h"

class MemoryTarget final : public tkp::text::TextTarget {
  public:
    MemoryTarget(int width, int height, std::uint32_t background = 0xFFFFFF)
        : width_(width),
          height_(height),
          background_(background),
          pixels_(std::size_t(width) * height, background) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Blend(int x, int y, COLORREF colour, int alpha) override {
        ASSERT_TRUE(x >= 0 && y >= 0 && x < width_ && y < height_) << "blend outside at " << x << "," << y;
        ASSERT_TRUE(alpha > 0 && alpha <= 255);
        std::uint32_t& p = pixels_[std::size_t(y) * width_ + x];
        std::uint32_t out = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            const std::uint32_t s = (rgb(colour) >> shift) & 0xFF, d = (p >> shift) & 0xFF;
            out |= ((s * alpha + d * (255 - alpha) + 127) / 255) << shift;
        }
        p = out;
    }
    void Fill(const RECT& r, COLORREF colour) override {
        ASSERT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= width_ && r.bottom <= height_ &&
                    r.left < r.right && r.top < r.bottom)
            << "fill outside: " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) Set(x, y, rgb(colour));
    }

    std::uint32_t At(int x, int y) const { return pixels_[std::size_t(y) * width_ + x]; }
    void Set(int x, int y, std::uint32_t pixel) { pixels_[std::size_t(y) * width_ + x] = pixel; }
    const std::vector<std::uint32_t>& Pixels() const { return pixels_; }

    // The smallest rectangle holding every pixel that is not the background (empty when none).
    RECT Ink() const {
        RECT r{width_, height_, 0, 0};
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (At(x, y) != background_)
                    r = {std::min<LONG>(r.left, x), std::min<LONG>(r.top, y), std::max<LONG>(r.right, x + 1),
                         std::max<LONG>(r.bottom, y + 1)};
        return r.left < r.right ? r : RECT{0, 0, 0, 0};
    }
    // Total darkness drawn: the sum over pixels of how far the blue channel moved from the background.
    long Darkness() const {
        long sum = 0;
        for (std::uint32_t p : pixels_) sum += (background_ & 0xFF) - static_cast<long>(p & 0xFF);
        return sum;
    }

    // A COLORREF (red in the low byte) as 0x00RRGGBB.
    static std::uint32_t rgb(COLORREF c) {
        return std::uint32_t(GetRValue(c)) << 16 | std::uint32_t(GetGValue(c)) << 8 | GetBValue(c);
    }

  private:
    int width_;
    int height_;
    std::uint32_t background_;
    std::vector<std::uint32_t> pixels_;
};

// Whether two pictures hold the same pixels; saved side by side when not.
inline ::testing::AssertionResult Same(const MemoryTarget& actual, const MemoryTarget& expected) {
    return tk_test::SamePixels(actual.Width(), actual.Height(), actual.Pixels(), expected.Pixels());
}
