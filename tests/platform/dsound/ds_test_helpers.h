// Shared set-up of the DirectSound tests: a device on the headless output and buffers from samples.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/platform.h"

namespace ds_test {

inline WAVEFORMATEX Pcm(int channels, int rate, int bits) {
    WAVEFORMATEX wf{};
    wf.wFormatTag = WAVE_FORMAT_PCM;
    wf.nChannels = static_cast<WORD>(channels);
    wf.nSamplesPerSec = static_cast<DWORD>(rate);
    wf.nBlockAlign = static_cast<WORD>(channels * bits / 8);
    wf.nAvgBytesPerSec = wf.nSamplesPerSec * wf.nBlockAlign;
    wf.wBitsPerSample = static_cast<WORD>(bits);
    return wf;
}

// The description the framework gives: size 20, static with the three controls.
inline DSBUFFERDESC Desc(WAVEFORMATEX* wf, DWORD bytes) {
    return DSBUFFERDESC{20, DSBCAPS_STATIC | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME,
                        bytes, 0, wf};
}

inline std::vector<std::uint8_t> Samples16(const std::vector<int>& values) {
    std::vector<std::uint8_t> bytes;
    for (int v : values) {
        bytes.push_back(static_cast<std::uint8_t>(v & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    }
    return bytes;
}

// Writes the whole buffer through one Lock and Unlock; false when either fails.
inline bool Fill(LPDIRECTSOUNDBUFFER b, const std::vector<std::uint8_t>& bytes) {
    LPVOID p1 = nullptr, p2 = nullptr;
    DWORD n1 = 0, n2 = 0;
    if (b->Lock(0, static_cast<DWORD>(bytes.size()), &p1, &n1, &p2, &n2, 0) != DS_OK) return false;
    std::memcpy(p1, bytes.data(), n1);
    return b->Unlock(p1, n1, p2, n2) == DS_OK;
}

inline DWORD Status(LPDIRECTSOUNDBUFFER b) {
    DWORD s = 0xFFFF;
    EXPECT_EQ(b->GetStatus(&s), DS_OK);
    return s;
}

// The left channel of mixed frames (tests check the right one where it differs).
inline std::vector<int> Left(const std::vector<std::int16_t>& frames) {
    std::vector<int> left;
    for (std::size_t i = 0; i < frames.size(); i += 2) left.push_back(frames[i]);
    return left;
}

// A device on a present 44100 Hz headless output; every test must release what it made,
// which the tear-down checks by the output being closed again.
class DirectSoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tkp_HeadlessSetAudioDevice(true);
        tkp_HeadlessSetAudioRate(44100);
        tkp_HeadlessClearPlayedSounds();
        ASSERT_EQ(DirectSoundCreate(nullptr, &ds_, nullptr), DS_OK);
        ASSERT_NE(ds_, nullptr);
    }
    void TearDown() override {
        if (ds_) {
            EXPECT_EQ(ds_->Release(), 0u);
        }
        EXPECT_FALSE(tkp_HeadlessAudioOpen());
        tkp_HeadlessSetAudioDevice(true);
        tkp_HeadlessSetAudioRate(44100);
    }
    // A filled buffer of the given format.
    LPDIRECTSOUNDBUFFER Make(WAVEFORMATEX wf, const std::vector<std::uint8_t>& bytes) {
        DSBUFFERDESC desc = Desc(&wf, static_cast<DWORD>(bytes.size()));
        LPDIRECTSOUNDBUFFER b = nullptr;
        EXPECT_EQ(ds_->CreateSoundBuffer(&desc, &b, nullptr), DS_OK);
        if (b) {
            EXPECT_TRUE(Fill(b, bytes));
        }
        return b;
    }

    LPDIRECTSOUND ds_ = nullptr;
};

}  // namespace ds_test
