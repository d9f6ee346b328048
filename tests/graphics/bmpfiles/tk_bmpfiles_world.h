// The world of the bitmap-file and file-list tests: a DirectDraw object as tk_lpDD, a fresh
// working folder for the files and the log, pictures written as BMP files from a colour function,
// surfaces filled from a pixel function, and a file-size limit that makes writes fail.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "framework/graphics/tk_Display.h"
#include "framework/support/tk_LOG.h"
#include "platform/ddraw/surface_access.h"
#include "platform/testing/test_hooks.h"
#include "tests/common/tk_test_files.h"

namespace tk_test {

// Numbers as "a,b,c", so that several results are compared at once.
template <typename... T>
std::string Join(T... v) {
    std::string s;
    ((s += (s.empty() ? "" : ",") + std::to_string(static_cast<long long>(v))), ...);
    return s;
}

// A little-endian number of `size` bytes at offset.
inline std::uint32_t Field(const std::string& bytes, std::size_t offset, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(bytes.at(offset + i));
    return v;
}

// A 24-bit BMP file of w x h pixels, each 0x00RRGGBB from the function.
inline std::string Picture24(int w, int h, const std::function<std::uint32_t(int, int)>& xrgb) {
    const std::uint32_t stride = (3u * w + 3) / 4 * 4;
    std::string b = "BM";
    auto put = [&b](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) b += static_cast<char>(v >> (8 * i));
    };
    put(54 + stride * h, 4), put(0, 4), put(54, 4), put(40, 4), put(w, 4), put(h, 4), put(1, 2), put(24, 2);
    put(0, 4), put(stride * h, 4), put(2835, 4), put(2835, 4), put(0, 4), put(0, 4);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) put(xrgb(x, y), 3);
        b.append(stride - 3u * w, '\0');
    }
    return b;
}

// The names in a folder, sorted, as "a b c".
inline std::string FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    std::string s;
    for (const auto& n : names) s += (s.empty() ? "" : " ") + n;
    return s;
}

// A bundled card set's folder in the source tree.
inline std::string CardSet(const char* name) {
    return RepoPath(std::string("cardsets/") + name);
}

// Runs f while files can grow to `bytes` only: longer writes fail as on a full disk.
template <typename F>
void OnAFullDisk(rlim_t bytes, F f) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limited{bytes, old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limited);
    f();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
}

class BmpWorld : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(DirectDrawCreate(nullptr, &dd_, nullptr), DD_OK);
        saved_dd_ = tk_lpDD;
        tk_lpDD = dd_;
        tk_LOG_on = 1;
        tk_LOG_reset_done = true;
    }
    void TearDown() override {
        for (IDirectDrawSurface* s : surfaces_) s->Release();
        tk_lpDD = saved_dd_;
        if (dd_) dd_->Release();
    }
    // A w x h surface whose pixel (x, y) is raw(x, y), released after the test.
    IDirectDrawSurface* Surface(int w, int h, const std::function<std::uint16_t(int, int)>& raw) {
        IDirectDrawSurface* s = tkp_CreateOffscreenSurface(dd_, w, h);
        surfaces_.push_back(s);
        tkp_LockedSurface px(s);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) px.at(x, y) = raw(x, y);
        return s;
    }
    static bool Logged(const std::string& text) {
        return ReadFile("tk_LOG.txt").find(text) != std::string::npos;
    }

    ScopedWorkDir dir_;
    IDirectDraw* dd_ = nullptr;

  private:
    IDirectDraw* saved_dd_ = nullptr;
    std::vector<IDirectDrawSurface*> surfaces_;
};

}  // namespace tk_test
