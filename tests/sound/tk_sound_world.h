// The fixture of the sound tests: a fresh working folder and log, a window, and the headless
// sound device at 44100 Hz opened by tk_DSO_INIT.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>

#include "framework/sound/tk_DSO.h"
#include "framework/support/tk_LOG.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "platform/testing/test_hooks.h"
#include "tests/common/tk_test_files.h"

class SoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tk_LOG_on = 1;
        tk_LOG_reset_done = false;
        tk_DSO_on = true;
        tkp::headless::SetAudioDevice(true);
        tkp::headless::SetAudioRate(44100);
        tkp::headless::ResetWindowing();
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "KT";
        ASSERT_NE(RegisterClassA(&wc), 0);
        window =
            CreateWindowExA(0, "KT", "sound", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(tk_DSO_INIT(window), 1);
        tkp::headless::ClearPlayedSounds();
    }
    void TearDown() override {
        tk_DSO_DONE();
        tk_DSO_on = true;
        tkp::testing::ClearRegisteredResources();
        tkp::headless::ResetWindowing();
        tkp::headless::SetAudioDevice(true);
        tkp::headless::ClearPlayedSounds();
    }

    // Forgets the log so far: the next line starts a fresh run.
    static void FreshLog() {
        std::remove("tk_LOG.txt");
        tk_LOG_reset_done = false;
    }

    tk_test::ScopedWorkDir dir;
    HWND window = nullptr;
};
