// WAV images from resources and whole files, with the exact lines their failures log.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/sound/tk_DSWave.h"
#include "tests/sound/tk_test_sound.h"
#include "tests/sound/tk_test_wav.h"

using namespace wav_test;
using sound_test::LogLines;
using sound_test::RegisterWav;
using Lines = std::vector<std::string>;

namespace {

class WaveGet : public sound_test::SoundTest {};

const std::string kSamples = Ramp(12);
const std::string kGood = Wav(2, 22050, 16, kSamples);

TEST_F(WaveGet, ResourceIsFoundWithoutRegardToCaseAndRefusedWhenDamaged) {
    ASSERT_TRUE(RegisterWav("ZVUKCVAK.WAV", kGood));
    WAVEFORMATEX format{};
    const BYTE* data = nullptr;
    DWORD size = 0;
    ASSERT_EQ(DSGetWave_RES("zvukCvak.wav", &format, &data, &size), 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data), size), kSamples);
    EXPECT_EQ(format.nChannels, 2);
    EXPECT_EQ(format.nSamplesPerSec, 22050u);

    // A name that is no resource is no error: nothing is logged, the caller tries a file.
    EXPECT_EQ(DSGetWave_RES("nic.wav", &format, &data, &size), 0);
    EXPECT_EQ(DSGetWave_RES(nullptr, &format, &data, &size), 0);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(size, 0u);
    EXPECT_TRUE(LogLines().empty());

    ASSERT_TRUE(
        RegisterWav("ZLY.WAV", Riff(Chunk("fmt ", FmtBody(2, 22050, 32, 3)) + Chunk("data", kSamples))));
    EXPECT_EQ(DSGetWave_RES("zly.wav", &format, &data, &size), 0);
    EXPECT_EQ(LogLines(), (Lines{"===========",
                                 "TK_DSO_w(N) : TSKW ERROR:  [DSGetWave_RES - zly WAV [zly.wav]: "
                                 "format nie je PCM]"}));
}

TEST_F(WaveGet, FileIsReadWholeAndHandedToTheCaller) {
    tk_test::WriteFile("pes.wav", kGood + "trailing bytes after the RIFF");
    BYTE* buffer = nullptr;
    WAVEFORMATEX format{};
    const BYTE* data = nullptr;
    DWORD size = 0;
    ASSERT_EQ(DSGetWave_FILE_qr(&buffer, "pes.wav", &format, &data, &size), 1);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(data, buffer + 44);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data), size), kSamples);
    EXPECT_EQ(format.wBitsPerSample, 16);
    delete[] buffer;
    EXPECT_TRUE(LogLines().empty());
}

TEST_F(WaveGet, FileFailuresAreLoggedAndLeaveNothingBehind) {
    struct Failure {
        const char* name;
        Lines lines;
    };
    tk_test::WriteFile("kratky.wav", Riff(Chunk("fmt ", FmtBody(1, 11025, 8))));
    tk_test::WriteFile("prazdny.wav", "");
    tk_test::MakeDir("priecinok.wav");
    const std::string open = " DSLOG: [DSGetWave_FILE_qr] [CHYBA pri otvoreni F] [0]";
    const std::string parse = " DSLOG: [DSGetWave_FILE_qr] [CHYBA pri parsovani DSParseWaveResource] [0]";
    const std::vector<Failure> failures = {
        {"nie.wav", {"===========", open}},
        {"priecinok.wav", {"===========", open}},
        {nullptr, {"===========", open}},
        {"kratky.wav",
         {"===========", parse,
          "TK_DSO_w(N) : TSKW ERROR:  [DSGetWave_FILE_qr - zly WAV [kratky.wav]: chyba blok data]"}},
        {"prazdny.wav",
         {"===========", parse,
          "TK_DSO_w(N) : TSKW ERROR:  [DSGetWave_FILE_qr - zly WAV [prazdny.wav]: nie je RIFF WAVE]"}},
    };
    for (const Failure& f : failures) {
        SCOPED_TRACE(f.name ? f.name : "null");
        tk_LOG_reset_done = false;
        static BYTE junk;
        BYTE* buffer = &junk;
        const BYTE* data = buffer;
        DWORD size = 7;
        EXPECT_EQ(DSGetWave_FILE_qr(&buffer, f.name, nullptr, &data, &size), 0);
        EXPECT_EQ(buffer, nullptr);
        EXPECT_EQ(data, nullptr);
        EXPECT_EQ(size, 0u);
        EXPECT_EQ(LogLines(), f.lines);
    }
}

TEST_F(WaveGet, DslogWritesWhateverTheSwitchSaysAndFallsBackToTheDebugger) {
    // The first line of a run starts the log afresh, so the next log line keeps it.
    tk_test::WriteFile("tk_LOG.txt", "previous run\n");
    DSLOG("f", "text", 3);
    tk_LOG_Zapis("next");
    EXPECT_EQ(LogLines(), (Lines{"===========", " DSLOG: [f] [text] [3]", "next"}));

    // With the log off the line is appended to what is there.
    tk_LOG_on = 0;
    DSLOG(nullptr, nullptr, -1);
    EXPECT_EQ(LogLines(), (Lines{"===========", " DSLOG: [f] [text] [3]", "next", " DSLOG: [] [] [-1]"}));
    tk_LOG_on = 1;

    // A log file that cannot be opened sends the line to the debugger output.
    std::remove("tk_LOG.txt");
    tk_test::MakeDir("tk_LOG.txt");
    tkp_CaptureDebugOutput(true);
    DSLOG("g", "nowhere", 0);
    EXPECT_EQ(tkp_TakeDebugOutput(), " DSLOG: [g] [nowhere] [0]\n");
    tkp_CaptureDebugOutput(false);
}

}  // namespace
