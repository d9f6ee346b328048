// Surfaces for tests: an off-screen surface and a display session on the headless backend, pixels
// read and written through locks, pictures as text for exact comparisons, and comparisons that
// save the expected and the actual picture side by side in TK_SCREENSHOT_DIR when they fail.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/pixels/pixel565.h"
#include "platform/platform.h"

namespace tk_test {

// Numbers as "a,b,c", so that several results are compared at once.
template <typename... T>
std::string Nums(T... v) {
    std::string s;
    ((s += (s.empty() ? "" : ",") + std::to_string(static_cast<long long>(v))), ...);
    return s;
}

// Letters for raw pixel values in pictures as text.
using Legend = std::map<std::uint16_t, char>;

// Pixel (x, y) of a surface; 0xDEAD when it cannot be locked or the point lies outside.
std::uint16_t PixelOf(IDirectDrawSurface* s, int x, int y);
// Every pixel, row by row; empty when the surface cannot be locked.
std::vector<std::uint16_t> PixelsOf(IDirectDrawSurface* s);
// Sets every pixel (x, y) to f(x, y).
void Paint(IDirectDrawSurface* s, const std::function<std::uint16_t(int, int)>& f);
// The size a surface reports.
std::pair<int, int> SizeOf(IDirectDrawSurface* s);
// Rows of the rectangle as letters parted by '|': each value by the legend, else '.' for 0 and
// '?' for anything else.
std::string Lines(IDirectDrawSurface* s, RECT r, const Legend& legend = {});

// Whether the rectangle shows the rows as Lines writes them. On a failure the picture the rows
// describe (through the legend) and the surface's are saved side by side, named after the test.
::testing::AssertionResult Shows(IDirectDrawSurface* s, RECT r, const Legend& legend,
                                 const std::string& rows);
// Whether two surfaces of one size hold the same pixels; saved side by side when not.
::testing::AssertionResult SamePicture(IDirectDrawSurface* actual, IDirectDrawSurface* expected);
// Whether a surface holds the raw pixels, row by row; saved side by side when not.
::testing::AssertionResult SamePicture(IDirectDrawSurface* actual,
                                       const std::vector<std::uint16_t>& expected);
// The same for two w x h pictures of 0x00RRGGBB pixels.
::testing::AssertionResult SamePixels(int w, int h, const std::vector<std::uint32_t>& actual,
                                      const std::vector<std::uint32_t>& expected);

// Reads a PNG file as w x h pixels 0x00RRGGBB; false when it cannot be read.
bool ReadPng(const std::string& path, int* w, int* h, std::vector<std::uint32_t>* xrgb);

// An off-screen surface of its own DirectDraw object, cleared to 0.
class TestSurface {
  public:
    TestSurface(int w, int h);
    ~TestSurface();
    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;

    IDirectDrawSurface* get() const { return s_; }
    int width() const { return w_; }
    int height() const { return h_; }
    void Fill(std::uint16_t raw);
    std::uint16_t Pixel(int x, int y) const { return PixelOf(s_, x, y); }
    // The raw value GDI stores for a colour.
    static std::uint16_t RawOf(COLORREF c) { return tkp::pixels::ColorrefTo565(c); }
    // A legend of colours with their letters.
    static Legend LegendOf(const char* letters, std::initializer_list<COLORREF> colours);
    std::string Lines(int l, int t, int r, int b, const Legend& legend = {}) const {
        return tk_test::Lines(s_, RECT{l, t, r, b}, legend);
    }
    ::testing::AssertionResult Shows(int l, int t, int r, int b, const Legend& legend,
                                     const std::string& rows) const {
        return tk_test::Shows(s_, RECT{l, t, r, b}, legend, rows);
    }
    ::testing::AssertionResult Same(const TestSurface& expected) const {
        return SamePicture(s_, expected.s_);
    }
    // Pixels that are not 0.
    int Inked() const;
    // Saves the surface as TK_SCREENSHOT_DIR/<name>.png for people to look at.
    void SavePng(const std::string& name) const;

  private:
    int w_, h_;
    IDirectDraw* dd_ = nullptr;
    IDirectDrawSurface* s_ = nullptr;
};

// A DirectDraw object in exclusive mode at width x height, with a flipping primary and its back
// buffer, as the framework makes them.
struct Session {
    IDirectDraw* dd = nullptr;
    IDirectDrawSurface* primary = nullptr;
    IDirectDrawSurface* back = nullptr;

    explicit Session(int width = 800, int height = 600);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    HRESULT MakePrimary();
    // An off-screen surface of this session.
    IDirectDrawSurface* Surface(int w, int h) const;
};

}  // namespace tk_test
