// An off-screen surface of the headless backend for drawing tests: pixel reads, colour fills,
// pictures as text for exact comparisons, and PNG files for people to look at.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>

#include "platform/ddraw/surface_access.h"
#include "platform/platform.h"
#include "platform/testing/test_hooks.h"

namespace tk_test {

// Numbers as "a,b,c", so that several results are compared at once.
template <typename... T>
std::string Nums(T... v) {
    std::string s;
    ((s += (s.empty() ? "" : ",") + std::to_string(static_cast<long long>(v))), ...);
    return s;
}

class TestSurface {
  public:
    TestSurface(int w, int h) : w_(w), h_(h) {
        EXPECT_EQ(DirectDrawCreate(nullptr, &dd_, nullptr), DD_OK);
        s_ = tkp_CreateOffscreenSurface(dd_, w, h);
        EXPECT_NE(s_, nullptr);
        Fill(0);
    }
    ~TestSurface() {
        if (s_) s_->Release();
        if (dd_) dd_->Release();
    }
    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;

    IDirectDrawSurface* get() const { return s_; }
    int width() const { return w_; }
    int height() const { return h_; }

    void Fill(std::uint16_t raw) {
        DDBLTFX fx{};
        fx.dwSize = sizeof(fx);
        fx.dwFillColor = raw;
        s_->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
    }

    std::uint16_t Pixel(int x, int y) const {
        tkp_LockedSurface px(s_, DDLOCK_WAIT | DDLOCK_READONLY);
        return px.ok() ? px.at(x, y) : 0xDEAD;
    }

    // The raw pixel value GDI stores for a colour, found by drawing it into a scratch surface.
    std::uint16_t RawOf(COLORREF c) const {
        TestSurface one(1, 1);
        HDC dc = nullptr;
        one.s_->GetDC(&dc);
        SetPixel(dc, 0, 0, c);
        one.s_->ReleaseDC(dc);
        return one.Pixel(0, 0);
    }

    // A legend for pictures: each colour as this surface stores it, with its letter.
    std::map<std::uint16_t, char> Legend(const char* letters, std::initializer_list<COLORREF> colours) const {
        std::map<std::uint16_t, char> legend;
        for (COLORREF c : colours) legend[RawOf(c)] = *letters++;
        return legend;
    }

    // Rows of the rectangle l..r-1 x t..b-1 as letters: each raw value by the legend, '.' for
    // the fill value 0 and '?' for anything else.
    std::string Picture(int l, int t, int r, int b, const std::map<std::uint16_t, char>& legend) const {
        std::string s;
        for (int y = t; y < b; ++y) {
            for (int x = l; x < r; ++x) {
                std::uint16_t v = Pixel(x, y);
                auto it = legend.find(v);
                s += it != legend.end() ? it->second : (v == 0 ? '.' : '?');
            }
            s += '\n';
        }
        return s;
    }

    // The same picture on one line, its rows parted by '|'.
    std::string Lines(int l, int t, int r, int b, const std::map<std::uint16_t, char>& legend = {}) const {
        std::string s = Picture(l, t, r, b, legend);
        if (!s.empty()) s.pop_back();
        for (char& c : s) c = c == '\n' ? '|' : c;
        return s;
    }

    // Counts the pixels that differ from another surface of the same size.
    int Differences(const TestSurface& other) const {
        int n = 0;
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) n += Pixel(x, y) != other.Pixel(x, y);
        return n;
    }

    void SavePng(const std::string& name) const {
        tkp_SaveSurfacePng(s_, (std::string(TK_SCREENSHOT_DIR) + "/" + name + ".png").c_str());
    }

  private:
    int w_, h_;
    IDirectDraw* dd_ = nullptr;
    IDirectDrawSurface* s_ = nullptr;
};

}  // namespace tk_test
