// Sounds on the headless device: loading from resources before files, playing and restarting,
// lost buffers refilled from where they came, and the exact log lines of each path.
#include "framework/sound/tk_CDSO_Zvuk.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "tests/sound/tk_test_sound.h"
#include "tests/sound/tk_test_wav.h"

using namespace wav_test;
using namespace sound_test;
using Lines = std::vector<std::string>;

namespace {

class Zvuk : public SoundTest {};

// 16-bit mono at the device's rate: the mixed frames are the samples themselves.
const std::vector<int> kValues = {1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000};
const std::string kSamples = Samples16(kValues);
const std::string kWav = Wav(1, 44100, 16, kSamples);
// Other samples of the same length, for a file that must not be read.
const std::string kOtherSamples = Samples16({-1, -2, -3, -4, -5, -6, -7, -8});
const std::string kOtherWav = Wav(1, 44100, 16, kOtherSamples);

Lines FileLines(const std::string& name, const Lines& middle = {}) {
    Lines lines{"===========", "TK_DSO_w(N) : NAHRAJ_FILE - BEG [" + name + "]"};
    lines.insert(lines.end(), middle.begin(), middle.end());
    lines.push_back("TK_DSO_w(N) : NAHRAJ_FILE - END [" + name + "]");
    return lines;
}

TEST_F(Zvuk, ResourceWinsWithoutRegardToCaseAndNeverTouchesTheDisk) {
    ASSERT_TRUE(RegisterWav("ZVUKNARAZ.WAV", kWav));
    tk_CDSO_Zvuk z;
    // No file of that name exists.
    ASSERT_EQ(z.NAHRAJ("zvuknaraz.wav"), 1);
    EXPECT_STREQ(z.m_ResName, "zvuknaraz.wav");
    EXPECT_EQ(z.m_FileName, nullptr);
    EXPECT_EQ(Bytes(z.m_lpDSB, DWORD(kSamples.size())), kSamples);

    // A file of that name with other samples is not read either.
    tk_test::WriteFile("zvuknaraz.wav", kOtherWav);
    ASSERT_EQ(z.NAHRAJ("ZvukNaraz.WAV"), 1);
    EXPECT_EQ(Bytes(z.m_lpDSB, DWORD(kSamples.size())), kSamples);
    EXPECT_TRUE(LogLines().empty());
}

TEST_F(Zvuk, FileServesWhenThereIsNoResource) {
    tk_test::WriteFile("pes.wav", kWav);
    tk_CDSO_Zvuk z;
    ASSERT_EQ(z.NAHRAJ("pes.wav"), 1);
    EXPECT_EQ(z.m_ResName, nullptr);
    EXPECT_STREQ(z.m_FileName, "pes.wav");
    EXPECT_EQ(Bytes(z.m_lpDSB, DWORD(kSamples.size())), kSamples);
    EXPECT_EQ(LogLines(), FileLines("pes.wav"));

    // The buffer has the WAV's size and format.
    ASSERT_EQ(z.SPUSTI(), 1);
    const auto played = tkp_HeadlessPlayedSounds();
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0].buffer, z.m_lpDSB);
    EXPECT_EQ(played[0].bytes, kSamples.size());
    EXPECT_EQ(played[0].channels, 1);
    EXPECT_EQ(played[0].rate, 44100);
    EXPECT_EQ(played[0].bits, 16);
}

TEST_F(Zvuk, NamesThatGiveNoSoundAreLoggedAndLoadNothing) {
    tk_test::WriteFile("zly.wav", Riff(Chunk("fmt ", FmtBody(1, 44100, 16))));
    // 24-bit samples are a WAV the device does not play.
    tk_test::WriteFile("hlboky.wav", Wav(1, 44100, 24, Ramp(6)));
    tk_CDSO_Zvuk z;
    tk_test::WriteFile("pes.wav", kWav);
    ASSERT_EQ(z.NAHRAJ("pes.wav"), 1);

    struct Failure {
        const char* name;
        Lines middle;
    };
    const std::string chyba = "TK_DSO_w(N) : NAHRAJ_FILE - CHYBA pri DSLoadSoundBuffer_FILE_qr! [";
    const std::vector<Failure> failures = {
        {"nic.wav", {" DSLOG: [DSGetWave_FILE_qr] [CHYBA pri otvoreni F] [0]", chyba + "nic.wav]"}},
        {"zly.wav",
         {" DSLOG: [DSGetWave_FILE_qr] [CHYBA pri parsovani DSParseWaveResource] [0]",
          "TK_DSO_w(N) : TSKW ERROR:  [DSGetWave_FILE_qr - zly WAV [zly.wav]: chyba blok data]",
          chyba + "zly.wav]"}},
        {"hlboky.wav",
         {"TK_DSO_w(N) : TSKW ERROR:  [DSLoadSoundBuffer - CHYBA pri CreateSoundBuffer [hlboky.wav]]",
          chyba + "hlboky.wav]"}},
    };
    for (const Failure& f : failures) {
        SCOPED_TRACE(f.name);
        std::remove("tk_LOG.txt");
        tk_LOG_reset_done = false;
        EXPECT_EQ(z.NAHRAJ(f.name), 0);
        // The earlier sound is gone and the new name kept.
        EXPECT_EQ(z.m_lpDSB, nullptr);
        EXPECT_STREQ(z.m_FileName, f.name);
        EXPECT_EQ(z.SPUSTI(), 0);
        EXPECT_EQ(LogLines(), FileLines(f.name, f.middle));
    }
    EXPECT_TRUE(tkp_HeadlessPlayedSounds().empty());
}

TEST_F(Zvuk, PlaysOnlyWhileSwitchedOnAndRestartsFromTheStart) {
    ASSERT_TRUE(RegisterWav("CVAK.WAV", kWav));
    tk_CDSO_Zvuk z;
    EXPECT_EQ(z.SPUSTI(), 0);  // nothing loaded
    ASSERT_EQ(z.NAHRAJ("cvak.wav"), 1);

    tk_DSO_on = false;
    EXPECT_EQ(z.SPUSTI(), 0);
    EXPECT_TRUE(tkp_HeadlessPlayedSounds().empty());
    EXPECT_EQ(MixLeft(3), (std::vector<int>{0, 0, 0}));

    tk_DSO_on = true;
    ASSERT_EQ(z.SPUSTI(), 1);
    EXPECT_EQ(MixLeft(3), (std::vector<int>{1000, 2000, 3000}));
    // A second play while it sounds starts it again from its first sample.
    ASSERT_EQ(z.SPUSTI(), 1);
    EXPECT_EQ(MixLeft(3), (std::vector<int>{1000, 2000, 3000}));
    const auto played = tkp_HeadlessPlayedSounds();
    ASSERT_EQ(played.size(), 2u);
    EXPECT_FALSE(played[0].wasPlaying);
    EXPECT_TRUE(played[1].wasPlaying);
    EXPECT_EQ(played[1].position, 0u);

    // Without the device object nothing plays.
    tk_DSO_DONE();
    EXPECT_EQ(z.SPUSTI(), 0);
    EXPECT_EQ(tkp_HeadlessPlayedSounds().size(), 2u);
}

TEST_F(Zvuk, LostBufferIsRestoredAndRefilledFromItsResource) {
    ASSERT_TRUE(RegisterWav("TADA.WAV", kWav));
    tk_test::WriteFile("tada.wav", kOtherWav);
    tk_CDSO_Zvuk z;
    ASSERT_EQ(z.NAHRAJ("tada.wav"), 1);
    tkp_DSMarkBufferLost(z.m_lpDSB);

    ASSERT_EQ(z.SPUSTI(), 1);
    EXPECT_EQ(Bytes(z.m_lpDSB, DWORD(kSamples.size())), kSamples);
    EXPECT_EQ(MixLeft(3), (std::vector<int>{1000, 2000, 3000}));
    EXPECT_EQ(tkp_HeadlessPlayedSounds().size(), 1u);
    EXPECT_TRUE(LogLines().empty());

    // A device that went away loses every buffer; the next play reopens it and refills.
    tkp_HeadlessLoseAudioDevice();
    ASSERT_EQ(z.SPUSTI(), 1);
    EXPECT_EQ(Bytes(z.m_lpDSB, DWORD(kSamples.size())), kSamples);
    EXPECT_EQ(MixLeft(2), (std::vector<int>{1000, 2000}));

    // Gone for good, the buffer cannot be restored: that play fails, and one after the device
    // came back plays again.
    tkp_HeadlessLoseAudioDevice();
    tkp_HeadlessSetAudioDevice(false);
    EXPECT_EQ(z.SPUSTI(), 0);
    EXPECT_EQ(z.SPUSTI(), 0);
    EXPECT_EQ(LogLines(),
              (Lines{"===========",
                     "TK_DSO_w(N) : TSKW ERROR:  [tk_CDSO_Zvuk::SPUSTI - CHYBA pri Restore [tada.wav]]",
                     "TK_DSO_w(N) : TSKW ERROR:  [tk_CDSO_Zvuk::SPUSTI - CHYBA pri Restore [tada.wav]]"}));
    tkp_HeadlessSetAudioDevice(true);
    ASSERT_EQ(z.SPUSTI(), 1);
    EXPECT_EQ(MixLeft(2), (std::vector<int>{1000, 2000}));
    EXPECT_EQ(tkp_HeadlessPlayedSounds().size(), 3u);
}

TEST_F(Zvuk, LostBufferIsRefilledFromItsFileAndRetriedAfterAFailure) {
    tk_test::WriteFile("mys.wav", kWav);
    tk_CDSO_Zvuk z;
    ASSERT_EQ(z.NAHRAJ_FILE("mys.wav"), 1);
    // The refill reads the file again: new samples of the same length show it.
    tk_test::WriteFile("mys.wav", kOtherWav);
    tkp_DSMarkBufferLost(z.m_lpDSB);
    ASSERT_EQ(z.SPUSTI(), 1);
    EXPECT_EQ(Bytes(z.m_lpDSB, DWORD(kOtherSamples.size())), kOtherSamples);

    // Without its file the refill fails: that play answers 0 and the next one tries again.
    std::remove("mys.wav");
    std::remove("tk_LOG.txt");
    tk_LOG_reset_done = false;
    tkp_DSMarkBufferLost(z.m_lpDSB);
    EXPECT_EQ(z.SPUSTI(), 0);
    EXPECT_EQ(
        LogLines(),
        (Lines{"===========", " DSLOG: [DSGetWave_FILE_qr] [CHYBA pri otvoreni F] [0]",
               "TK_DSO_w(N) : TSKW ERROR:  [tk_CDSO_Zvuk::SPUSTI - CHYBA pri obnove zvuku [mys.wav]]"}));
    tk_test::WriteFile("mys.wav", kWav);
    ASSERT_EQ(z.SPUSTI(), 1);
    EXPECT_EQ(Bytes(z.m_lpDSB, DWORD(kSamples.size())), kSamples);
    EXPECT_EQ(MixLeft(2), (std::vector<int>{1000, 2000}));
}

TEST_F(Zvuk, LoadsReplaceEachOtherAndReleaseTheirBuffers) {
    ASSERT_TRUE(RegisterWav("A.WAV", kWav));
    tk_test::WriteFile("b.wav", kOtherWav);
    auto z = std::make_unique<tk_CDSO_Zvuk>();
    EXPECT_EQ(z->m_ResName, nullptr);
    EXPECT_EQ(z->m_FileName, nullptr);
    EXPECT_EQ(z->m_lpDSB, nullptr);

    ASSERT_EQ(z->NAHRAJ_RES("a.wav"), 1);
    IDirectSoundBuffer* first = z->m_lpDSB;
    first->AddRef();
    ASSERT_EQ(z->NAHRAJ_FILE("b.wav"), 1);
    EXPECT_EQ(z->m_ResName, nullptr);
    EXPECT_STREQ(z->m_FileName, "b.wav");
    // The object let go of its earlier buffer: only the test's reference is left.
    EXPECT_EQ(first->Release(), 0u);

    ASSERT_EQ(z->NAHRAJ_RES("a.wav"), 1);
    EXPECT_STREQ(z->m_ResName, "a.wav");
    EXPECT_EQ(z->m_FileName, nullptr);
    z->ODSTRAN();
    EXPECT_EQ(z->m_lpDSB, nullptr);
    EXPECT_EQ(z->SPUSTI(), 0);

    // Loading again by the name the object keeps itself.
    ASSERT_EQ(z->NAHRAJ_FILE("b.wav"), 1);
    ASSERT_EQ(z->NAHRAJ(z->m_FileName), 1);
    EXPECT_STREQ(z->m_FileName, "b.wav");
    ASSERT_EQ(z->NAHRAJ_RES("a.wav"), 1);
    ASSERT_EQ(z->NAHRAJ_FILE(z->m_ResName), 0);
    EXPECT_STREQ(z->m_FileName, "a.wav");

    ASSERT_EQ(z->NAHRAJ("a.wav"), 1);
    IDirectSoundBuffer* last = z->m_lpDSB;
    last->AddRef();
    z.reset();
    EXPECT_EQ(last->Release(), 0u);
}

}  // namespace
