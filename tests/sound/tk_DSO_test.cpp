// The sound device: opened once, released, and a program without one that runs on silent.
#include "framework/sound/tk_DSO.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/sound/tk_CDSO_Zvuk.h"
#include "tests/sound/tk_test_sound.h"
#include "tests/sound/tk_test_wav.h"

using namespace sound_test;
using Lines = std::vector<std::string>;

namespace {

class DSO : public SoundTest {};

TEST_F(DSO, OpensOnceAndReleases) {
    IDirectSound* opened = tk_lpDS;
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(tkp_HeadlessAudioOpen());
    EXPECT_EQ(tk_DSO_INIT(window), 1);
    EXPECT_EQ(tk_lpDS, opened);
    EXPECT_EQ(tk_DSO_DONE(), 1);
    EXPECT_EQ(tk_lpDS, nullptr);
    EXPECT_FALSE(tkp_HeadlessAudioOpen());
    EXPECT_EQ(tk_DSO_DONE(), 1);

    // A device that refuses the window is given up again.
    EXPECT_EQ(tk_DSO_INIT(nullptr), 0);
    EXPECT_EQ(tk_lpDS, nullptr);
    EXPECT_FALSE(tkp_HeadlessAudioOpen());
    EXPECT_EQ(
        LogLines(),
        (Lines{"===========",
               "TK_DSO_w(N) : TSKW ERROR:  [tk_DSO_INIT - CHYBA pri SetCooperativeLevel, zvuky nebudu]"}));
}

TEST_F(DSO, WithoutADeviceEverythingIsLoggedAndThePlayGoesOnSilent) {
    tk_DSO_DONE();
    tkp_HeadlessSetAudioDevice(false);
    tkp_CaptureDebugOutput(true);
    EXPECT_EQ(tk_DSO_INIT(window), 0);
    EXPECT_EQ(tkp_TakeDebugOutput(), "DirectSound: no sound device, running silent\n");
    tkp_CaptureDebugOutput(false);
    EXPECT_EQ(tk_lpDS, nullptr);

    ASSERT_TRUE(RegisterWav("ZVUKTADA.WAV", wav_test::Wav(1, 22050, 8, wav_test::Ramp(10))));
    tk_test::WriteFile("pes.wav", wav_test::Wav(1, 22050, 8, wav_test::Ramp(10)));
    tk_CDSO_Zvuk tada, pes;
    // The names are kept; nothing is loaded and nothing plays.
    EXPECT_EQ(tada.NAHRAJ_RES("zvuktada.wav"), 0);
    EXPECT_STREQ(tada.m_ResName, "zvuktada.wav");
    EXPECT_EQ(pes.NAHRAJ("pes.wav"), 0);
    EXPECT_STREQ(pes.m_FileName, "pes.wav");
    EXPECT_EQ(tada.SPUSTI(), 0);
    EXPECT_EQ(pes.SPUSTI(), 0);
    EXPECT_TRUE(tkp_HeadlessPlayedSounds().empty());
    EXPECT_EQ(
        LogLines(),
        (Lines{"===========",
               "TK_DSO_w(N) : TSKW ERROR:  [tk_DSO_INIT - CHYBA pri DirectSoundCreate, zvuky nebudu]",
               "TK_DSO_w(N) : NAHRAJ_FILE - BEG [pes.wav]", "TK_DSO_w(N) : NAHRAJ_FILE - END [pes.wav]"}));

    // A device that appears later serves the sounds loaded after it.
    tkp_HeadlessSetAudioDevice(true);
    ASSERT_EQ(tk_DSO_INIT(window), 1);
    EXPECT_EQ(tada.SPUSTI(), 0);
    EXPECT_EQ(tada.NAHRAJ("zvuktada.wav"), 1);
    EXPECT_EQ(tada.SPUSTI(), 1);
}

}  // namespace
