// Shared set-up of the sound tests: a fresh working folder and log, a window, the headless
// sound device opened by tk_DSO_INIT, and helpers to read back buffers and the log.
#pragma once

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "framework/sound/tk_DSO.h"
#include "framework/support/tk_LOG.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "tests/common/tk_test_files.h"

namespace sound_test {

class SoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tk_LOG_on = 1;
        tk_LOG_reset_done = false;
        tk_DSO_on = true;
        tkp_HeadlessSetAudioDevice(true);
        tkp_HeadlessSetAudioRate(44100);
        tkp_HeadlessResetWindowing();
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "KT";
        ASSERT_NE(RegisterClassA(&wc), 0);
        window =
            CreateWindowExA(0, "KT", "sound", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(tk_DSO_INIT(window), 1);
        tkp_HeadlessClearPlayedSounds();
    }
    void TearDown() override {
        tk_DSO_DONE();
        tk_DSO_on = true;
        tkp_ClearRegisteredResources();
        tkp_HeadlessResetWindowing();
        tkp_HeadlessSetAudioDevice(true);
        tkp_HeadlessClearPlayedSounds();
    }

    tk_test::ScopedWorkDir dir;
    HWND window = nullptr;
};

// The log's lines, with the source line of each "TK_DSO_w(123)" written as "TK_DSO_w(N)".
inline std::vector<std::string> LogLines() {
    std::istringstream in(tk_test::ReadFile("tk_LOG.txt"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(std::regex_replace(line, std::regex(R"(^TK_DSO_w\(\d+\))"), "TK_DSO_w(N)"));
    return lines;
}

// The first n bytes the buffer holds, read through a lock.
inline std::string Bytes(IDirectSoundBuffer* buffer, DWORD n) {
    void* p = nullptr;
    DWORD got = 0;
    if (!buffer || buffer->Lock(0, n, &p, &got, nullptr, nullptr, 0) != DS_OK) return "<no lock>";
    std::string bytes(static_cast<const char*>(p), got);
    buffer->Unlock(p, got, nullptr, 0);
    return bytes;
}

inline bool RegisterWav(const char* name, const std::string& image) {
    return tkp_RegisterResource(name, "WAV", image.data(), image.size());
}

// The left channel of the next frames the device mixes.
inline std::vector<int> MixLeft(int frames) {
    std::vector<int> left;
    std::vector<std::int16_t> mixed = tkp_HeadlessMixAudio(frames);
    for (std::size_t i = 0; i < mixed.size(); i += 2) left.push_back(mixed[i]);
    return left;
}

}  // namespace sound_test
