// Playing buffers: mixing, restarting, locking with wrap, lost buffers and a lost or missing device.
#include "tests/platform/dsound/ds_test_helpers.h"

namespace {

using ds_test::DirectSoundTest;
using ds_test::Left;
using ds_test::Pcm;
using ds_test::Samples16;
using ds_test::Status;
using Ints = std::vector<int>;

// A 16-bit mono 44100 Hz buffer that holds values step * i: the mix shows where it plays from.
std::vector<std::uint8_t> ramp(int frames, int step) {
    Ints values;
    for (int i = 0; i < frames; ++i) values.push_back(step * i);
    return Samples16(values);
}

TEST_F(DirectSoundTest, OverlappingSoundsAreSummedAndClamped) {
    LPDIRECTSOUNDBUFFER a = Make(Pcm(1, 44100, 16), Samples16({1000, 20000, -20000, 1000}));
    LPDIRECTSOUNDBUFFER b = Make(Pcm(1, 44100, 16), Samples16({2000, 15000, -15000, 2000, 2000, 2000}));
    ASSERT_EQ(a->Play(0, 0, 0), DS_OK);
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Left(tkp_HeadlessMixAudio(8)), (Ints{3000, 32767, -32768, 3000, 2000, 2000, 0, 0}));
    EXPECT_EQ(Status(a), 0u);
    EXPECT_EQ(a->Release(), 0u);
    EXPECT_EQ(b->Release(), 0u);
}

TEST_F(DirectSoundTest, PlayRestartsFromTheStartAfterSetCurrentPosition) {
    LPDIRECTSOUNDBUFFER b = Make(Pcm(1, 44100, 16), ramp(600, 50));
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    Ints first = Left(tkp_HeadlessMixAudio(300));  // crosses the mixer's inner passes
    EXPECT_EQ(first.front(), 0);
    EXPECT_EQ(first.back(), 299 * 50);
    // Play while playing goes on where it is; SetCurrentPosition(0) first restarts it.
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Left(tkp_HeadlessMixAudio(2)), (Ints{300 * 50, 301 * 50}));
    ASSERT_EQ(b->SetCurrentPosition(0), DS_OK);
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Left(tkp_HeadlessMixAudio(3)), (Ints{0, 50, 100}));
    // Stop keeps the position; a sound that ran to its end starts again from 0.
    ASSERT_EQ(b->Stop(), DS_OK);
    EXPECT_EQ(Left(tkp_HeadlessMixAudio(1)), (Ints{0}));
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Left(tkp_HeadlessMixAudio(1)), (Ints{150}));
    tkp_HeadlessMixAudio(600);
    EXPECT_EQ(Status(b), 0u);
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Left(tkp_HeadlessMixAudio(2)), (Ints{0, 50}));
    ASSERT_EQ(b->SetCurrentPosition(20), DS_OK);  // byte 20 is frame 10
    EXPECT_EQ(Left(tkp_HeadlessMixAudio(1)), (Ints{500}));
    EXPECT_EQ(b->SetCurrentPosition(1200), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->Play(0, 0, 1), DSERR_INVALIDPARAM);  // looping is not offered

    // Every successful Play is recorded with the buffer, its format and where it played from.
    std::vector<tkp_PlayedSound> played = tkp_HeadlessPlayedSounds();
    ASSERT_EQ(played.size(), 5u);
    EXPECT_EQ(played[0].buffer, b);
    EXPECT_EQ(played[0].bytes, 1200u);
    EXPECT_EQ(played[0].channels, 1);
    EXPECT_EQ(played[0].rate, 44100);
    EXPECT_EQ(played[0].bits, 16);
    EXPECT_FALSE(played[0].wasPlaying);
    EXPECT_EQ(played[1].position, 600u);
    EXPECT_TRUE(played[1].wasPlaying);
    EXPECT_EQ(played[2].position, 0u);
    EXPECT_TRUE(played[2].wasPlaying);
    EXPECT_EQ(played[3].position, 6u);
    EXPECT_FALSE(played[3].wasPlaying);
    EXPECT_EQ(played[4].position, 0u);
    EXPECT_EQ(b->Release(), 0u);
}

TEST_F(DirectSoundTest, LockPastTheEndWrapsIntoASecondPart) {
    WAVEFORMATEX wf = Pcm(1, 44100, 16);
    LPDIRECTSOUNDBUFFER b = Make(wf, Samples16({0, 0, 0, 0, 0, 0, 0, 0}));
    LPVOID p1 = nullptr, p2 = nullptr, base = nullptr;
    DWORD n1 = 0, n2 = 0;
    ASSERT_EQ(b->Lock(0, 16, &base, &n1, &p2, &n2, 0), DS_OK);
    EXPECT_EQ(n1, 16u);
    EXPECT_EQ(p2, nullptr);
    EXPECT_EQ(n2, 0u);
    ASSERT_EQ(b->Unlock(base, n1, p2, n2), DS_OK);

    ASSERT_EQ(b->Lock(12, 8, &p1, &n1, &p2, &n2, 0), DS_OK);
    EXPECT_EQ(p1, static_cast<std::uint8_t*>(base) + 12);
    EXPECT_EQ(n1, 4u);
    EXPECT_EQ(p2, base);
    EXPECT_EQ(n2, 4u);
    std::memcpy(p1, Samples16({1, 2}).data(), 4);
    std::memcpy(p2, Samples16({3, 4}).data(), 4);
    EXPECT_EQ(b->Unlock(&wf, 4, nullptr, 0), DSERR_INVALIDPARAM);  // not the locked memory
    ASSERT_EQ(b->Unlock(p1, n1, p2, n2), DS_OK);
    EXPECT_EQ(b->Unlock(p1, n1, p2, n2), DSERR_INVALIDPARAM);  // nothing is locked any more

    // Without a second pointer the lock stops at the end.
    ASSERT_EQ(b->Lock(12, 8, &p1, &n1, nullptr, nullptr, 0), DS_OK);
    EXPECT_EQ(n1, 4u);
    ASSERT_EQ(b->Unlock(p1, n1, nullptr, 0), DS_OK);

    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Left(tkp_HeadlessMixAudio(8)), (Ints{3, 4, 0, 0, 0, 0, 1, 2}));
    EXPECT_EQ(b->Lock(16, 1, &p1, &n1, &p2, &n2, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->Lock(0, 17, &p1, &n1, &p2, &n2, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->Lock(0, 0, &p1, &n1, &p2, &n2, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(p1, nullptr);
    EXPECT_EQ(b->Release(), 0u);
}

TEST_F(DirectSoundTest, LostBufferAnswersBufferLostUntilRestoredAndRefilled) {
    LPDIRECTSOUNDBUFFER b = Make(Pcm(1, 11025, 8), {255, 255, 255, 255});
    ASSERT_NE(b, nullptr);
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Left(tkp_HeadlessMixAudio(1)), (Ints{32512}));
    tkp_DSMarkBufferLost(b);
    EXPECT_EQ(Status(b), DSBSTATUS_BUFFERLOST);
    EXPECT_EQ(Left(tkp_HeadlessMixAudio(1)), (Ints{0}));
    // The framework's play: position 0, Play, and on a loss Restore, refill and play again.
    EXPECT_EQ(b->SetCurrentPosition(0), DS_OK);
    EXPECT_EQ(b->Play(0, 0, 0), DSERR_BUFFERLOST);
    LPVOID p1 = nullptr, p2 = nullptr;
    DWORD n1 = 0, n2 = 0;
    EXPECT_EQ(b->Lock(0, 2, &p1, &n1, &p2, &n2, 0), DSERR_BUFFERLOST);
    ASSERT_EQ(b->Restore(), DS_OK);
    EXPECT_EQ(Status(b), 0u);
    // The old content is gone: silence until the caller writes it again.
    ASSERT_EQ(b->Lock(0, 2, &p1, &n1, &p2, &n2, 0), DS_OK);
    EXPECT_EQ(static_cast<std::uint8_t*>(p1)[0], 0x80);
    ASSERT_EQ(b->Unlock(p1, n1, p2, n2), DS_OK);
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Left(tkp_HeadlessMixAudio(4)), (Ints{0, 0, 0, 0}));
    ASSERT_TRUE(ds_test::Fill(b, {0, 0, 0, 0}));
    ASSERT_EQ(b->SetCurrentPosition(0), DS_OK);
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Left(tkp_HeadlessMixAudio(1)), (Ints{-32768}));
    EXPECT_EQ(tkp_HeadlessPlayedSounds().size(), 3u);  // the refused Play is not recorded
    EXPECT_EQ(b->Release(), 0u);
}

TEST_F(DirectSoundTest, LostDeviceLosesEveryBufferAndRestoreReopensIt) {
    LPDIRECTSOUNDBUFFER a = Make(Pcm(1, 22050, 16), Samples16({1000, 1000}));
    LPDIRECTSOUNDBUFFER b = Make(Pcm(1, 22050, 16), Samples16({2000, 2000}));
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    tkp_HeadlessLoseAudioDevice();
    tkp_HeadlessSetAudioDevice(false);
    EXPECT_EQ(a->Play(0, 0, 0), DSERR_BUFFERLOST);
    EXPECT_FALSE(tkp_HeadlessAudioOpen());
    EXPECT_EQ(Status(b), DSBSTATUS_BUFFERLOST);
    EXPECT_EQ(a->Restore(), DSERR_BUFFERLOST);  // no device yet: the next play tries again
    LPDIRECTSOUNDBUFFER c = nullptr;
    WAVEFORMATEX wf = Pcm(1, 22050, 16);
    DSBUFFERDESC desc = ds_test::Desc(&wf, 4);
    EXPECT_EQ(ds_->CreateSoundBuffer(&desc, &c, nullptr), DSERR_NODRIVER);

    // The device returns at another rate: a restored, refilled buffer is converted to it.
    tkp_HeadlessSetAudioDevice(true);
    tkp_HeadlessSetAudioRate(22050);
    ASSERT_EQ(a->Restore(), DS_OK);
    EXPECT_TRUE(tkp_HeadlessAudioOpen());
    EXPECT_EQ(b->Play(0, 0, 0), DSERR_BUFFERLOST);
    ASSERT_TRUE(ds_test::Fill(a, Samples16({1000, 3000})));
    ASSERT_EQ(a->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Left(tkp_HeadlessMixAudio(3)), (Ints{1000, 3000, 0}));
    EXPECT_EQ(a->Release(), 0u);
    EXPECT_EQ(b->Release(), 0u);
}

TEST_F(DirectSoundTest, NoDeviceMakesDirectSoundCreateFailAndLogsIt) {
    tkp_HeadlessSetAudioDevice(false);
    tkp_CaptureDebugOutput(true);
    LPDIRECTSOUND second = reinterpret_cast<LPDIRECTSOUND>(this);
    // The output is already open for the fixture's device: a second device shares it.
    ASSERT_EQ(DirectSoundCreate(nullptr, &second, nullptr), DS_OK);
    EXPECT_EQ(second->Release(), 0u);
    EXPECT_EQ(ds_->Release(), 0u);
    ds_ = nullptr;
    EXPECT_FALSE(tkp_HeadlessAudioOpen());
    EXPECT_EQ(DirectSoundCreate(nullptr, &second, nullptr), DSERR_NODRIVER);
    EXPECT_EQ(second, nullptr);
    EXPECT_EQ(tkp_TakeDebugOutput(), "DirectSound: no sound device, running silent\n");
    tkp_CaptureDebugOutput(false);
    EXPECT_EQ(DirectSoundCreate(nullptr, nullptr, nullptr), DSERR_INVALIDPARAM);
}

TEST_F(DirectSoundTest, BuffersOutliveTheDeviceObjectAndCountReferences) {
    int window = 0;
    EXPECT_EQ(ds_->SetCooperativeLevel(reinterpret_cast<HWND>(&window), DSSCL_NORMAL), DS_OK);
    EXPECT_EQ(ds_->SetCooperativeLevel(nullptr, DSSCL_NORMAL), DSERR_INVALIDPARAM);
    LPDIRECTSOUNDBUFFER b = Make(Pcm(1, 44100, 16), Samples16({7, 8}));
    EXPECT_EQ(b->AddRef(), 2u);
    EXPECT_EQ(b->Release(), 1u);
    EXPECT_EQ(ds_->Release(), 0u);
    ds_ = nullptr;
    ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Left(tkp_HeadlessMixAudio(2)), (Ints{7, 8}));
    EXPECT_TRUE(tkp_HeadlessAudioOpen());
    EXPECT_EQ(b->Release(), 0u);
}

}  // namespace
