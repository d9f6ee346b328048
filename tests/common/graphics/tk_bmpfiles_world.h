// The world of the bitmap-file and file-list tests: a DirectDraw object as tk_lpDD, a fresh
// working folder for the files and the log, pictures written as BMP files from a colour function,
// surfaces filled from a pixel function, and a file-size limit that makes writes fail.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>

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
#include "tests/common/tk_test_bmp.h"
#include "tests/common/tk_test_files.h"
#include "tests/common/tk_test_surface.h"

namespace tk_test {

// A bundled card set's folder in the source tree, found from the tree's absolute path (__FILE__ is
// relative when the compiler is given relative paths, as ccache's base directory does).
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
        IDirectDrawSurface* s = tkp::ddraw::CreateOffscreenSurface(dd_, w, h);
        surfaces_.push_back(s);
        Paint(s, raw);
        return s;
    }

    ScopedWorkDir dir_;
    IDirectDraw* dd_ = nullptr;

  private:
    IDirectDraw* saved_dd_ = nullptr;
    std::vector<IDirectDrawSurface*> surfaces_;
};

}  // namespace tk_test
