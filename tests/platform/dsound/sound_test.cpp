// DirectSound on the headless output: mixing, a long sound, a missing device, and the conversion
// of every buffer to 16-bit stereo at the device rate.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "platform/testing/test_hooks.h"
#include "tests/common/platform/debug_log.h"
#include "tests/common/platform/headless_mix.h"

namespace {

using Ints = std::vector<int>;
using Bytes = std::vector<std::uint8_t>;
// The mix, both channels or the left one (tests check the right one where it differs).
using ptest::LeftOf;
using ptest::Mix;
using ptest::MixLeft;

WAVEFORMATEX pcm(int channels, int rate, int bits) {
    WAVEFORMATEX wf{
        WAVE_FORMAT_PCM, WORD(channels), DWORD(rate), 0, WORD(channels * bits / 8), WORD(bits), 0};
    wf.nAvgBytesPerSec = wf.nSamplesPerSec * wf.nBlockAlign;
    return wf;
}

// The description the framework gives: size 20, static with the three controls.
DSBUFFERDESC bufferDesc(WAVEFORMATEX* wf, DWORD bytes) {
    return DSBUFFERDESC{20, DSBCAPS_STATIC | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME,
                        bytes, 0, wf};
}

Bytes samples16(const Ints& values) {
    Bytes bytes;
    for (int v : values) bytes.insert(bytes.end(), {std::uint8_t(v & 0xFF), std::uint8_t((v >> 8) & 0xFF)});
    return bytes;
}

// Writes the whole buffer through one Lock and Unlock; false when either fails.
bool fillBuffer(LPDIRECTSOUNDBUFFER b, const Bytes& bytes) {
    LPVOID p1 = nullptr, p2 = nullptr;
    DWORD n1 = 0, n2 = 0;
    if (b->Lock(0, static_cast<DWORD>(bytes.size()), &p1, &n1, &p2, &n2, 0) != DS_OK) return false;
    std::memcpy(p1, bytes.data(), n1);
    return b->Unlock(p1, n1, p2, n2) == DS_OK;
}

// A device on a present headless output at 44100 Hz; every test must release what it made,
// which the tear-down checks by the output being closed again.
class DirectSoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tkp::headless::SetAudioDevice(true);
        Open(44100);
    }
    void TearDown() override {
        EXPECT_EQ(ds_ ? ds_->Release() : 0u, 0u) << "a buffer was left";
        EXPECT_FALSE(tkp::headless::AudioOpen());
        tkp::headless::SetAudioDevice(true);
        tkp::headless::SetAudioRate(44100);
    }
    // A new device on an output at the given rate.
    void Open(int rate) {
        if (ds_) ds_->Release();
        tkp::headless::SetAudioRate(rate);
        tkp::headless::ClearPlayedSounds();
        ASSERT_EQ(DirectSoundCreate(nullptr, &ds_, nullptr), DS_OK);
    }
    // A filled buffer of the given format.
    LPDIRECTSOUNDBUFFER Make(WAVEFORMATEX wf, const Bytes& bytes) {
        DSBUFFERDESC desc = bufferDesc(&wf, static_cast<DWORD>(bytes.size()));
        LPDIRECTSOUNDBUFFER b = nullptr;
        EXPECT_EQ(ds_->CreateSoundBuffer(&desc, &b, nullptr), DS_OK);
        EXPECT_TRUE(b && fillBuffer(b, bytes));
        return b;
    }

    LPDIRECTSOUND ds_ = nullptr;
};

TEST_F(DirectSoundTest, OverlappingSoundsAreSummedAndClamped) {
    LPDIRECTSOUNDBUFFER a = Make(pcm(1, 44100, 16), samples16({1000, 20000, -20000, 1000}));
    LPDIRECTSOUNDBUFFER b = Make(pcm(1, 44100, 16), samples16({2000, 15000, -15000, 2000, 2000, 2000}));
    ASSERT_EQ(a->Play(0, 0, 0) + b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(MixLeft(8), (Ints{3000, 32767, -32768, 3000, 2000, 2000, 0, 0}));
    EXPECT_EQ(a->Release() + b->Release(), 0u);
}

// (Playing again from the start, through SetCurrentPosition(0), is the sound layer's test.)
TEST_F(DirectSoundTest, ALongSoundPlaysOnAcrossTheMixersPasses) {
    // 600 frames holding 50 * i: the mix shows where the buffer plays from.
    Ints ramp;
    for (int i = 0; i < 600; ++i) ramp.push_back(50 * i);
    LPDIRECTSOUNDBUFFER b = Make(pcm(1, 44100, 16), samples16(ramp));
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(MixLeft(300).back(), 299 * 50);
    EXPECT_EQ(MixLeft(2), (Ints{300 * 50, 301 * 50}));
    EXPECT_EQ(b->Release(), 0u);
}

TEST_F(DirectSoundTest, WithoutADeviceTheProgramRunsSilentAndBuffersOutliveTheirDevice) {
    LPDIRECTSOUNDBUFFER b = Make(pcm(1, 44100, 16), samples16({7, 8}));
    EXPECT_EQ(ds_->Release(), 0u);
    ds_ = nullptr;
    // The buffer holds the output open and still plays; once it goes, and the backend has no
    // device, no device can be made.
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(MixLeft(2), (Ints{7, 8}));
    EXPECT_EQ(b->Release(), 0u);
    EXPECT_FALSE(tkp::headless::AudioOpen());
    tkp::headless::SetAudioDevice(false);
    LPDIRECTSOUND none = nullptr;
    EXPECT_EQ(ptest::Logged([&] { EXPECT_EQ(DirectSoundCreate(nullptr, &none, nullptr), DSERR_NODRIVER); }),
              "DirectSound: no sound device, running silent\n");
}

TEST_F(DirectSoundTest, SamplesAreCentredScaledSpreadToStereoAndInterpolatedToTheDeviceRate) {
    // 4 frames at 11025 Hz give 16 at 44100 Hz: 128 -> 0, 255 -> 32512, 0 -> -32768, the last
    // held; mono sounds the same on both sides.
    LPDIRECTSOUNDBUFFER b = Make(pcm(1, 11025, 8), {128, 255, 0, 128});
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    const Ints mono = Mix(18);
    for (std::size_t i = 0; i < mono.size(); i += 2) EXPECT_EQ(mono[i], mono[i + 1]) << i;
    EXPECT_EQ(LeftOf(mono), (Ints{0, 8128, 16256, 24384, 32512, 16192, -128, -16448, -32768, -24576, -16384,
                                  -8192, 0, 0, 0, 0, 0, 0}));
    b->Release();
    // 16-bit stereo at 22050 Hz keeps its channels; halfway values are truncated toward zero.
    b = Make(pcm(2, 22050, 16), samples16({1000, -1000, 3000, -3000, -32768, 32767}));
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Mix(7), (Ints{1000, -1000, 2000, -2000, 3000, -3000, -14884, 14883, -32768, 32767, -32768,
                            32767, 0, 0}));
    b->Release();
    // At 48000 Hz frame 1 sits 22050/48000 of the way from 1000 to 3000: 1918.75, truncated. The
    // 3 frames last 6.53 frames at 48000 Hz: rounded up to 7, the last ones holding the last frame.
    Open(48000);
    b = Make(pcm(2, 22050, 16), samples16({1000, -1000, 3000, -3000, 5000, 0}));
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Mix(8),
              (Ints{1000, -1000, 1918, -1918, 2837, -2837, 3756, -1865, 4675, -487, 5000, 0, 5000, 0, 0, 0}));
    EXPECT_EQ(b->Release(), 0u);
}

// (A WAV that is not PCM never gets here: the WAV parser refuses it. 24-bit samples are refused
// as Zvuk.NamesThatGiveNoSoundAreLoggedAndLoadNothing shows.)
TEST_F(DirectSoundTest, InvalidDescriptionsAndFormatsAreRefused) {
    struct Case {
        const char* what;
        void (*change)(DSBUFFERDESC&, WAVEFORMATEX&);
        HRESULT code;
    };
    const Case cases[] = {
        {"block align", [](DSBUFFERDESC&, WAVEFORMATEX& w) { w.nBlockAlign = 4; }, DSERR_INVALIDPARAM},
        {"3 channels", [](DSBUFFERDESC&, WAVEFORMATEX& w) { w = pcm(3, 22050, 8); }, DSERR_BADFORMAT},
        {"3 bytes", [](DSBUFFERDESC& d, WAVEFORMATEX&) { d.dwBufferBytes = 3; }, DSERR_INVALIDPARAM},
        // 360,000 bytes at 100 Hz: an hour, hundreds of megabytes at the device's rate.
        {"an hour",
         [](DSBUFFERDESC& d, WAVEFORMATEX& w) {
             w = pcm(1, 100, 8);
             d.dwBufferBytes = 360000;
         },
         DSERR_INVALIDPARAM},
    };
    for (const Case& c : cases) {
        WAVEFORMATEX wf = pcm(1, 22050, 8);
        DSBUFFERDESC desc = bufferDesc(&wf, 100);
        c.change(desc, wf);
        LPDIRECTSOUNDBUFFER b = nullptr;
        EXPECT_EQ(ds_->CreateSoundBuffer(&desc, &b, nullptr), c.code) << c.what;
    }
}

}  // namespace
