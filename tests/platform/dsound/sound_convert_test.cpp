// Buffers are converted once to 16-bit stereo at the device rate: lengths, values, formats refused.
#include <memory>
#include <string>

#include "tests/platform/dsound/ds_test_helpers.h"

namespace {

using ds_test::DirectSoundTest;
using ds_test::Left;
using ds_test::Pcm;
using ds_test::Status;
using Ints = std::vector<int>;

// Plays b and checks it sounds for exactly frames device frames: ceil(source frames * 44100 / rate).
void expectLength(LPDIRECTSOUNDBUFFER b, int frames) {
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    tkp_HeadlessMixAudio(frames - 1);
    EXPECT_EQ(Status(b), DSBSTATUS_PLAYING);
    tkp_HeadlessMixAudio(1);
    EXPECT_EQ(Status(b), 0u);
}

TEST_F(DirectSoundTest, EightBitMonoIsCenteredScaledDuplicatedAndInterpolated) {
    LPDIRECTSOUNDBUFFER b = Make(Pcm(1, 11025, 8), {128, 255, 0, 128});
    ASSERT_NE(b, nullptr);
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    std::vector<std::int16_t> mixed = tkp_HeadlessMixAudio(18);
    // 4 frames at 11025 Hz give 16 at 44100 Hz: 128 -> 0, 255 -> 32512, 0 -> -32768, the last held.
    EXPECT_EQ(Left(mixed), (Ints{0, 8128, 16256, 24384, 32512, 16192, -128, -16448, -32768, -24576, -16384,
                                 -8192, 0, 0, 0, 0, 0, 0}));
    for (std::size_t i = 0; i < mixed.size(); i += 2) EXPECT_EQ(mixed[i], mixed[i + 1]) << "frame " << i / 2;
    EXPECT_EQ(b->Release(), 0u);
}

TEST_F(DirectSoundTest, SixteenBitStereoKeepsChannelsAndTruncatesTowardZero) {
    auto bytes = ds_test::Samples16({1000, -1000, 3000, -3000, -32768, 32767});
    LPDIRECTSOUNDBUFFER b = Make(Pcm(2, 22050, 16), bytes);
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    std::vector<std::int16_t> mixed = tkp_HeadlessMixAudio(7);
    EXPECT_EQ(
        std::vector<int>(mixed.begin(), mixed.end()),
        (Ints{1000, -1000, 2000, -2000, 3000, -3000, -14884, 14883, -32768, 32767, -32768, 32767, 0, 0}));
    EXPECT_EQ(b->Release(), 0u);
}

TEST_F(DirectSoundTest, DeviceRateDecidesTheConversion) {
    ds_->Release();
    ds_ = nullptr;
    tkp_HeadlessSetAudioRate(48000);
    ASSERT_EQ(DirectSoundCreate(nullptr, &ds_, nullptr), DS_OK);
    LPDIRECTSOUNDBUFFER b = Make(Pcm(2, 22050, 16), ds_test::Samples16({1000, -1000, 3000, -3000, 5000, 0}));
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    // Frame 1 sits at 22050/48000 of the way from 1000 to 3000: 1918.75, truncated.
    std::vector<std::int16_t> mixed = tkp_HeadlessMixAudio(2);
    EXPECT_EQ(std::vector<int>(mixed.begin(), mixed.end()), (Ints{1000, -1000, 1918, -1918}));
    EXPECT_EQ(b->Release(), 0u);
}

TEST_F(DirectSoundTest, LengthIsSourceFramesTimesDeviceRateOverRateRoundedUp) {
    struct Case {
        WAVEFORMATEX wf;
        std::size_t bytes;
        int frames;
    };
    const Case cases[] = {
        {Pcm(1, 11025, 8), 4, 16},    {Pcm(1, 11025, 8), 5, 20},  {Pcm(2, 22050, 16), 400, 200},
        {Pcm(1, 44100, 8), 7, 7},     {Pcm(1, 48000, 8), 10, 10},  // 9.1875 rounded up
        {Pcm(2, 16000, 8), 101, 138},  // 50 whole frames (the odd byte is dropped): 137.8 rounded up
        {Pcm(1, 22050, 16), 9, 8},     // 4 whole frames
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.wf.nSamplesPerSec) + " Hz, " + std::to_string(c.bytes) + " bytes");
        LPDIRECTSOUNDBUFFER b = Make(c.wf, std::vector<std::uint8_t>(c.bytes, 0x90));
        ASSERT_NE(b, nullptr);
        expectLength(b, c.frames);
        EXPECT_EQ(b->Release(), 0u);
    }
}

TEST_F(DirectSoundTest, InvalidDescriptionsAndFormatsAreRefused) {
    struct Case {
        const char* what;
        void (*change)(DSBUFFERDESC&, WAVEFORMATEX&);
        HRESULT code;
    };
    const Case cases[] = {
        {"0 channels", [](DSBUFFERDESC&, WAVEFORMATEX& w) { w.nChannels = 0; }, DSERR_INVALIDPARAM},
        {"0 rate", [](DSBUFFERDESC&, WAVEFORMATEX& w) { w.nSamplesPerSec = 0; }, DSERR_INVALIDPARAM},
        {"block align", [](DSBUFFERDESC&, WAVEFORMATEX& w) { w.nBlockAlign = 4; }, DSERR_INVALIDPARAM},
        {"24 bits", [](DSBUFFERDESC&, WAVEFORMATEX& w) { w = Pcm(1, 22050, 24); }, DSERR_BADFORMAT},
        {"3 channels", [](DSBUFFERDESC&, WAVEFORMATEX& w) { w = Pcm(3, 22050, 8); }, DSERR_BADFORMAT},
        {"float", [](DSBUFFERDESC&, WAVEFORMATEX& w) { w.wFormatTag = 3; }, DSERR_BADFORMAT},
        {"no format", [](DSBUFFERDESC& d, WAVEFORMATEX&) { d.lpwfxFormat = nullptr; }, DSERR_INVALIDPARAM},
        {"size 36", [](DSBUFFERDESC& d, WAVEFORMATEX&) { d.dwSize = 36; }, DSERR_INVALIDPARAM},
        {"3 bytes", [](DSBUFFERDESC& d, WAVEFORMATEX&) { d.dwBufferBytes = 3; }, DSERR_INVALIDPARAM},
        {"primary", [](DSBUFFERDESC& d, WAVEFORMATEX&) { d.dwFlags |= 1; }, DSERR_INVALIDPARAM},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WAVEFORMATEX wf = Pcm(1, 22050, 8);
        DSBUFFERDESC desc = ds_test::Desc(&wf, 100);
        c.change(desc, wf);
        LPDIRECTSOUNDBUFFER b = reinterpret_cast<LPDIRECTSOUNDBUFFER>(&wf);
        EXPECT_EQ(ds_->CreateSoundBuffer(&desc, &b, nullptr), c.code);
        EXPECT_EQ(b, nullptr);
    }
    tkp_CaptureDebugOutput(true);
    WAVEFORMATEX wf = Pcm(1, 22050, 8);
    DSBUFFERDESC desc = ds_test::Desc(&wf, 100);
    LPDIRECTSOUNDBUFFER b = nullptr;
    EXPECT_EQ(ds_->CreateSoundBuffer(&desc, &b, reinterpret_cast<LPUNKNOWN>(&wf)), DSERR_NOAGGREGATION);
    wf.nBlockAlign = 2;
    EXPECT_EQ(ds_->CreateSoundBuffer(&desc, &b, nullptr), DSERR_INVALIDPARAM);
    EXPECT_EQ(tkp_TakeDebugOutput(),
              "DirectSound: CreateSoundBuffer refused: aggregation\n"
              "DirectSound: CreateSoundBuffer refused: block align does not match channels and bits\n");
    tkp_CaptureDebugOutput(false);
}

TEST_F(DirectSoundTest, FormatIsReadFromASixteenByteFmtChunkWithoutItsMissingTail) {
    // Exactly the 16 bytes of a PCM "fmt " chunk: reading cbSize would run past them.
    WAVEFORMATEX wf = Pcm(1, 11025, 8);
    auto chunk = std::make_unique<std::uint8_t[]>(16);
    std::memcpy(chunk.get(), &wf, 16);
    DSBUFFERDESC desc = ds_test::Desc(reinterpret_cast<WAVEFORMATEX*>(chunk.get()), 8);
    desc.dwSize = sizeof(DSBUFFERDESC);
    LPDIRECTSOUNDBUFFER b = nullptr;
    ASSERT_EQ(ds_->CreateSoundBuffer(&desc, &b, nullptr), DS_OK);
    expectLength(b, 32);
    EXPECT_EQ(b->Release(), 0u);
}

}  // namespace
