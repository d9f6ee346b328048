// The sound layer: the WAV parser on well-formed and damaged images, every image parsed from a
// heap copy of exactly its size so that the sanitizers catch any read outside it; the sound device
// opened once and released; sounds loaded from resources before files, played and restarted;
// lost buffers refilled from where they came; a program without a device that runs on silent;
// and what each failing path logs. All on the headless device, whose mixer is read back.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "framework/sound/tk_CDSO_Zvuk.h"
#include "framework/sound/tk_DSO.h"
#include "framework/sound/tk_DSWave.h"
#include "framework/support/tk_LOG.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "platform/testing/test_hooks.h"
#include "tests/common/platform/headless_mix.h"
#include "tests/common/sound/tk_test_wav.h"
#include "tests/common/tk_test_files.h"
#include "tests/common/tk_test_surface.h"
#include "tests/sound/tk_sound_world.h"

using namespace wav_test;
using ptest::MixLeft;
using tk_test::Logged;
using tk_test::LogLines;
using tk_test::Nums;
using tk_test::WriteFile;
using Lines = std::vector<std::string>;

namespace {

struct Parsed {
    int ok = 0;
    long offset = -1;  // of the samples in the image
    DWORD size = 0;
    WAVEFORMATEX format{};
    std::string reason;
};

Parsed parse(const std::string& image) {
    std::vector<BYTE> exact(image.begin(), image.end());
    Parsed r;
    const BYTE* data = nullptr;
    const char* reason = nullptr;
    r.ok = DSParseWaveResource(exact.empty() ? nullptr : exact.data(), DWORD(exact.size()), &r.format, &data,
                               &r.size, &reason);
    if (data) r.offset = long(data - exact.data());
    if (reason) r.reason = reason;
    return r;
}

const std::string kFmt16 = Chunk("fmt ", FmtBody(2, 22050, 16));  // block of 4 bytes
const std::string kFmt8 = Chunk("fmt ", FmtBody(1, 11025, 8));    // block of 1 byte
const std::string kData8 = Chunk("data", Ramp(8));

// An image with the given format chunk body before 8 bytes of samples.
std::string withFmt(const std::string& body) {
    return Riff(Chunk("fmt ", body) + kData8);
}

TEST(WaveParse, FindsFormatAndSamplesInWellFormedAndDamagedImages) {
    const std::string fmt = FmtBody(2, 22050, 16);
    const char *noFmt = "chyba blok fmt", *noData = "chyba blok data", *notRiff = "nie je RIFF WAVE",
               *shortFmt = "blok fmt kratsi ako 16 bajtov", *notPcm = "format nie je PCM",
               *noBlock = "data bez celeho bloku";
    const struct {
        const char* what;
        std::string image;
        long offset;  // -1: refused with the reason
        DWORD size;
        const char* reason;
    } cases[] = {
        {"plain", Riff(kFmt16 + kData8), 44, 8, ""},
        {"odd LIST first with its pad", Riff(Chunk("LIST", Ramp(5)) + kFmt16 + kData8), 58, 8, ""},
        {"odd data with its pad, then more", Riff(kFmt8 + Chunk("data", Ramp(7)) + Chunk("LIST", "ab")), 44,
         7, ""},
        {"odd LIST without its pad", Riff(Chunk("LIST", Ramp(5, 'a'), false) + kFmt16 + kData8), 57, 8, ""},
        {"18-byte fmt with cbSize", withFmt(fmt + Le16(0x1234)), 46, 8, ""},
        {"data before fmt", Riff(kData8 + kFmt16), 20, 8, ""},
        {"first fmt and data win",
         Riff(kFmt16 + Chunk("data", Ramp(4)) + Chunk("fmt ", FmtBody(0, 0, 0)) + kData8), 44, 4, ""},
        {"data cut short by the end", Riff(kFmt16 + ChunkClaiming("data", 1000, Ramp(10))), 44, 8, ""},
        {"data not whole blocks", Riff(kFmt16 + Chunk("data", Ramp(10))), 44, 8, ""},
        {"huge data, RIFF lengths", Riff(kFmt16 + ChunkClaiming("data", ~0u, Ramp(12)), ~0u), 44, 12, ""},
        {"RIFF length cuts the data", Riff(kFmt16 + kData8, 4 + 24 + 8 + 4), 44, 4, ""},
        {"huge LIST length", Riff(ChunkClaiming("LIST", 0xFFFFFFF0, "x") + kFmt16 + kData8), -1, 0, noFmt},
        {"huge odd LIST length", Riff(ChunkClaiming("LIST", ~0u, "xyz") + kFmt16 + kData8), -1, 0, noFmt},
        {"RIFF length ends before data", Riff(kFmt16 + kData8, 4 + 24), -1, 0, noData},
        {"header only", Riff(""), -1, 0, noFmt},
        {"only a format", Riff(kFmt16), -1, 0, noData},
        {"chunk header cut short", Riff(kFmt16, ~0u) + "dat", -1, 0, noData},
        {"empty", "", -1, 0, notRiff},
        {"big-endian RIFX", "RIFX" + Riff(kFmt16 + kData8).substr(4), -1, 0, notRiff},
        {"not WAVE", "RIFF" + Le32(4) + "AVI ", -1, 0, notRiff},
        {"fmt of 15 bytes", withFmt(fmt.substr(0, 15)), -1, 0, shortFmt},
        {"fmt runs past the end", Riff(ChunkClaiming("fmt ", 16, fmt.substr(0, 10))), -1, 0,
         "blok fmt presahuje koniec"},
        {"zero channels", withFmt(FmtBody(0, 22050, 16, 1, 4)), -1, 0, "0 kanalov"},
        {"zero rate", withFmt(FmtBody(2, 0, 16)), -1, 0, "frekvencia 0"},
        {"zero block alignment", withFmt(FmtBody(2, 22050, 16, 1, 0)), -1, 0, "zarovnanie bloku 0"},
        {"zero bits", withFmt(FmtBody(2, 22050, 0, 1, 4)), -1, 0, "0 bitov na vzorku"},
        {"float samples", withFmt(FmtBody(2, 22050, 32, 3)), -1, 0, notPcm},
        {"extensible", withFmt(FmtBody(2, 22050, 16, 0xFFFE) + Le16(22) + Ramp(22)), -1, 0, notPcm},
        {"14-byte ADPCM", withFmt(FmtBody(1, 8000, 4, 2).substr(0, 14)), -1, 0, notPcm},
        {"less than one block", Riff(kFmt16 + Chunk("data", Ramp(3))), -1, 0, noBlock},
        {"empty data", Riff(kFmt16 + Chunk("data", "")), -1, 0, noBlock}};
    for (const auto& c : cases) {
        Parsed r = parse(c.image);
        EXPECT_EQ(std::tie(r.ok, r.offset, r.size, r.reason),
                  std::make_tuple(c.offset >= 0 ? 1 : 0, c.offset, c.size, std::string(c.reason)))
            << c.what;
    }
}

TEST(WaveParse, CopiesTheFormatWithCbSizeZero) {
    // The 16 bytes of a PCM format, with cbSize 0 whatever the file held after them.
    const WAVEFORMATEX f = parse(Riff(Chunk("fmt ", FmtBody(2, 22050, 16) + Le16(0x1234)) + kData8)).format;
    EXPECT_EQ(Nums(f.wFormatTag, f.nChannels, f.nSamplesPerSec, f.nAvgBytesPerSec, f.nBlockAlign,
                   f.wBitsPerSample, f.cbSize),
              Nums(WAVE_FORMAT_PCM, 2, 22050, 88200, 4, 16, 0));
}

TEST(WaveParse, AskedForTheFormatAloneItIsDoneAtTheFirstGoodFormatChunkWhateverFollows) {
    // "format alone, with the samples" and the channels found when asked for the format alone.
    const auto both = [](const std::string& image) {
        WAVEFORMATEX f{};
        const int alone = DSParseWaveResource(image.data(), DWORD(image.size()), &f, nullptr, nullptr);
        return Nums(alone, parse(image).ok, f.nChannels);
    };
    const std::pair<std::string, const char*> cases[] = {
        {Riff(kFmt16), "1,0,2"},
        {Riff(kFmt16 + "\xff\xff junk that is no chunk"), "1,0,2"},
        {Riff(Chunk("LIST", "abcd") + kFmt16 + ChunkClaiming("data", 0xFFFFFF00u, "")), "1,0,2"},
        {Riff(kFmt16 + kData8), "1,1,2"},
        // The format is checked, and its chunk's length, before the parser is done (the bounds
        // themselves are the first table's).
        {Riff(Chunk("fmt ", FmtBody(0, 22050, 16))), "0,0,0"},
        {Riff(ChunkClaiming("fmt ", 40, FmtBody(2, 22050, 16))), "0,0,0"},
        {Riff(kData8), "0,0,0"},
    };
    for (const auto& [image, got] : cases) EXPECT_EQ(both(image), got) << ::testing::PrintToString(image);
}

TEST(WaveParse, EveryCutOfAFileKeepsOnlyTheWholeBlocksItHolds) {
    // LIST (14 bytes with its pad) and fmt before 12 bytes of samples starting at offset 58.
    const std::string whole = Riff(Chunk("LIST", Ramp(5)) + kFmt16 + Chunk("data", Ramp(12)));
    for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
        const Parsed r = parse(whole.substr(0, cut));
        const long have = long(cut) - 58;
        EXPECT_EQ(std::make_tuple(r.ok, r.offset, long(r.size)),
                  have < 4 ? std::make_tuple(0, -1L, 0L) : std::make_tuple(1, 58L, have - have % 4))
            << cut;
    }
}

// The first n bytes the buffer holds, read through a lock.
std::string lockedBytes(IDirectSoundBuffer* buffer, std::size_t n) {
    void* p = nullptr;
    DWORD got = 0;
    if (!buffer || buffer->Lock(0, DWORD(n), &p, &got, nullptr, nullptr, 0) != DS_OK) return "<no lock>";
    std::string bytes(static_cast<const char*>(p), got);
    buffer->Unlock(p, got, nullptr, 0);
    return bytes;
}

bool registerWav(const char* name, const std::string& image) {
    return tkp::testing::RegisterResource(name, "WAV", image.data(), image.size());
}

TEST_F(SoundTest, DslogWritesWhateverTheSwitchSaysAndFallsBackToTheDebugger) {
    // The first line of a run starts the log afresh, so the next log line keeps it; with the log
    // off the line is still appended.
    WriteFile("tk_LOG.txt", "previous run\n");
    DSLOG("f", "text", 3);
    tk_LOG_Zapis("next");
    tk_LOG_on = 0;
    DSLOG(nullptr, nullptr, -1);
    tk_LOG_on = 1;
    EXPECT_EQ(LogLines(), (Lines{"===========", " DSLOG: [f] [text] [3]", "next", " DSLOG: [] [] [-1]"}));
    // A log file that cannot be opened sends the line to the debugger output.
    std::remove("tk_LOG.txt");
    tk_test::MakeDir("tk_LOG.txt");
    tkp::testing::CaptureDebugOutput(true);
    DSLOG("g", "nowhere", 0);
    EXPECT_EQ(tkp::testing::TakeDebugOutput(), " DSLOG: [g] [nowhere] [0]\n");
    tkp::testing::CaptureDebugOutput(false);
}

TEST_F(SoundTest, FailedReadsLeaveNothingBehindAndADamagedResourceSaysWhy) {
    ASSERT_TRUE(registerWav("ZLY.WAV", withFmt(FmtBody(2, 22050, 32, 3))));
    WriteFile("prazdny.wav", "");
    tk_test::MakeDir("priecinok.wav");
    static BYTE junk;
    for (const char* name : {"nic.wav", "priecinok.wav", "prazdny.wav", static_cast<const char*>(nullptr)}) {
        BYTE* buffer = &junk;
        const BYTE* data = buffer;
        DWORD size = 7;
        EXPECT_EQ(DSGetWave_FILE_qr(&buffer, name, nullptr, &data, &size), 0);
        EXPECT_TRUE(!buffer && !data && !size) << (name ? name : "null");
    }
    const BYTE* data = &junk;
    DWORD size = 7;
    EXPECT_EQ(DSGetWave_RES("zly.wav", nullptr, &data, &size) + DSGetWave_RES(nullptr, nullptr, &data, &size),
              0);
    EXPECT_TRUE(!data && !size);
    EXPECT_TRUE(Logged("[zly.wav]: format nie je PCM"));
}

using Zvuk = SoundTest;

// 16-bit mono at the device's rate: the mixed frames are the samples themselves.
const std::string kSamples = Samples16({1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000});
const std::string kWav = Wav(1, 44100, 16, kSamples);
const std::vector<int> kFirstThree = {1000, 2000, 3000};

// Plays the sound and tells whether the device then mixes its first samples.
bool playsFromTheStart(tk_CDSO_Zvuk& z) {
    return z.SPUSTI() == 1 && MixLeft(3) == kFirstThree;
}
// Other samples of the same length, for a file that must not be read.
const std::string kOtherSamples = Samples16({-1, -2, -3, -4, -5, -6, -7, -8});
const std::string kOtherWav = Wav(1, 44100, 16, kOtherSamples);

TEST_F(Zvuk, DeviceOpensOnceReleasesAndRefusesAWindowlessStart) {
    IDirectSound* opened = tk_lpDS;
    ASSERT_TRUE(opened && tkp::headless::AudioOpen());
    EXPECT_EQ(tk_DSO_INIT(window), 1);
    EXPECT_EQ(tk_lpDS, opened);
    EXPECT_EQ(tk_DSO_DONE(), 1);
    EXPECT_EQ(tk_DSO_DONE(), 1);
    EXPECT_FALSE(tk_lpDS || tkp::headless::AudioOpen());
    // A device that refuses the window is given up again, and that is logged.
    EXPECT_EQ(tk_DSO_INIT(nullptr), 0);
    EXPECT_FALSE(tk_lpDS || tkp::headless::AudioOpen());
    EXPECT_TRUE(Logged("CHYBA pri SetCooperativeLevel, zvuky nebudu"));
}

TEST_F(Zvuk, WithoutADeviceEverythingIsLoggedAndThePlayGoesOnSilent) {
    tk_DSO_DONE();
    tkp::headless::SetAudioDevice(false);
    EXPECT_EQ(tk_DSO_INIT(window), 0);
    EXPECT_TRUE(Logged("CHYBA pri DirectSoundCreate, zvuky nebudu"));
    ASSERT_TRUE(registerWav("ZVUKTADA.WAV", kWav));
    WriteFile("pes.wav", kWav);
    tk_CDSO_Zvuk tada, pes;
    // The names are kept; nothing is loaded and nothing plays.
    EXPECT_EQ(tada.NAHRAJ_RES("zvuktada.wav") + pes.NAHRAJ("pes.wav"), 0);
    EXPECT_EQ(tada.SPUSTI() + pes.SPUSTI(), 0);
    EXPECT_EQ(std::string(tada.m_ResName) + pes.m_FileName, "zvuktada.wavpes.wav");
    EXPECT_TRUE(tkp::headless::PlayedSounds().empty());
    // A device that appears later serves the sounds loaded after it.
    tkp::headless::SetAudioDevice(true);
    ASSERT_EQ(tk_DSO_INIT(window), 1);
    EXPECT_EQ(tada.SPUSTI(), 0);
    EXPECT_EQ(tada.NAHRAJ("zvuktada.wav"), 1);
    EXPECT_EQ(tada.SPUSTI(), 1);
}

TEST_F(Zvuk, ResourceWinsWithoutRegardToCaseNeverTouchingTheDiskAndAFileServesOtherwise) {
    ASSERT_TRUE(registerWav("ZVUKNARAZ.WAV", kWav));
    tk_CDSO_Zvuk z;
    // No file of that name exists, and one made later with other samples is not read either.
    ASSERT_EQ(z.NAHRAJ("zvuknaraz.wav"), 1);
    WriteFile("zvuknaraz.wav", kOtherWav);
    ASSERT_EQ(z.NAHRAJ("ZvukNaraz.WAV"), 1);
    EXPECT_TRUE(std::string(z.m_ResName) == "ZvukNaraz.WAV" && !z.m_FileName);
    EXPECT_EQ(lockedBytes(z.m_lpDSB, kSamples.size()), kSamples);
    EXPECT_TRUE(LogLines().empty());
    // A file is read whole; what follows the RIFF is no harm.
    WriteFile("pes.wav", kWav + "trailing bytes");
    ASSERT_EQ(z.NAHRAJ("pes.wav"), 1);
    EXPECT_TRUE(!z.m_ResName && std::string(z.m_FileName) == "pes.wav");
    EXPECT_EQ(lockedBytes(z.m_lpDSB, kSamples.size()), kSamples);
    // The buffer has the WAV's size and format.
    ASSERT_EQ(z.SPUSTI(), 1);
    const auto played = tkp::headless::PlayedSounds();
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(Nums(played[0].buffer == z.m_lpDSB, played[0].bytes, played[0].channels, played[0].rate,
                   played[0].bits),
              Nums(1, kSamples.size(), 1, 44100, 16));
}

TEST_F(Zvuk, NamesThatGiveNoSoundAreLoggedAndLoadNothing) {
    WriteFile("zly.wav", Riff(Chunk("fmt ", FmtBody(1, 44100, 16))));
    // 24-bit samples are a WAV the device does not play.
    WriteFile("hlboky.wav", Wav(1, 44100, 24, Ramp(6)));
    WriteFile("pes.wav", kWav);
    tk_CDSO_Zvuk z;
    ASSERT_EQ(z.NAHRAJ("pes.wav"), 1);
    // Each failure logs why, then that the load failed.
    const std::pair<const char*, const char*> failures[] = {
        {"nic.wav", "[CHYBA pri otvoreni F]"},
        {"zly.wav", "zly WAV [zly.wav]: chyba blok data"},
        {"hlboky.wav", "CHYBA pri CreateSoundBuffer [hlboky.wav]"}};
    for (const auto& [name, why] : failures) {
        FreshLog();
        // The earlier sound is gone and the new name kept.
        EXPECT_TRUE(z.NAHRAJ(name) == 0 && z.SPUSTI() == 0 && !z.m_lpDSB &&
                    std::string(z.m_FileName) == name && Logged(why) &&
                    Logged(std::string("CHYBA pri DSLoadSoundBuffer_FILE_qr! [") + name))
            << name;
    }
    EXPECT_TRUE(tkp::headless::PlayedSounds().empty());
}

TEST_F(Zvuk, PlaysOnlyWhileSwitchedOnAndRestartsFromTheStart) {
    ASSERT_TRUE(registerWav("CVAK.WAV", kWav));
    tk_CDSO_Zvuk z;
    EXPECT_EQ(z.SPUSTI(), 0);  // nothing loaded
    ASSERT_EQ(z.NAHRAJ("cvak.wav"), 1);
    tk_DSO_on = false;
    EXPECT_EQ(z.SPUSTI(), 0);
    EXPECT_TRUE(tkp::headless::PlayedSounds().empty());
    tk_DSO_on = true;
    EXPECT_TRUE(playsFromTheStart(z));
    // A second play while it sounds starts it again from its first sample.
    EXPECT_TRUE(playsFromTheStart(z));
    const auto played = tkp::headless::PlayedSounds();
    ASSERT_EQ(played.size(), 2u);
    EXPECT_TRUE(!played[0].wasPlaying && played[1].wasPlaying && played[1].position == 0u);
    // Without the device object nothing plays.
    tk_DSO_DONE();
    EXPECT_EQ(z.SPUSTI(), 0);
    EXPECT_EQ(tkp::headless::PlayedSounds().size(), 2u);
}

TEST_F(Zvuk, LostBufferIsRestoredAndRefilledFromItsResource) {
    ASSERT_TRUE(registerWav("TADA.WAV", kWav));
    WriteFile("tada.wav", kOtherWav);
    tk_CDSO_Zvuk z;
    ASSERT_EQ(z.NAHRAJ("tada.wav"), 1);
    tkp::testing::MarkSoundBufferLost(z.m_lpDSB);
    EXPECT_TRUE(playsFromTheStart(z));
    EXPECT_TRUE(LogLines().empty());
    // A device that went away loses every buffer; the next play reopens it and refills.
    tkp::headless::LoseAudioDevice();
    EXPECT_TRUE(playsFromTheStart(z));
    // Gone for good, the buffer cannot be restored: each such play fails and is logged, and one
    // after the device came back plays again.
    tkp::headless::LoseAudioDevice();
    tkp::headless::SetAudioDevice(false);
    EXPECT_EQ(z.SPUSTI() + z.SPUSTI(), 0);
    EXPECT_EQ(LogLines().size(), 3u);
    EXPECT_TRUE(Logged("SPUSTI - CHYBA pri Restore [tada.wav]"));
    tkp::headless::SetAudioDevice(true);
    EXPECT_TRUE(playsFromTheStart(z));
    EXPECT_EQ(tkp::headless::PlayedSounds().size(), 3u);
}

TEST_F(Zvuk, LostBufferIsRefilledFromItsFileAndRetriedAfterAFailure) {
    WriteFile("mys.wav", kWav);
    tk_CDSO_Zvuk z;
    ASSERT_EQ(z.NAHRAJ_FILE("mys.wav"), 1);
    // The refill reads the file again: new samples of the same length show it.
    WriteFile("mys.wav", kOtherWav);
    tkp::testing::MarkSoundBufferLost(z.m_lpDSB);
    ASSERT_EQ(z.SPUSTI(), 1);
    EXPECT_EQ(lockedBytes(z.m_lpDSB, kOtherSamples.size()), kOtherSamples);
    // Without its file the refill fails: that play answers 0, says so, and the next one tries again.
    std::remove("mys.wav");
    FreshLog();
    tkp::testing::MarkSoundBufferLost(z.m_lpDSB);
    EXPECT_EQ(z.SPUSTI(), 0);
    EXPECT_TRUE(Logged("SPUSTI - CHYBA pri obnove zvuku [mys.wav]"));
    WriteFile("mys.wav", kWav);
    EXPECT_TRUE(playsFromTheStart(z));
}

TEST_F(Zvuk, LoadsReplaceEachOtherAndReleaseTheirBuffers) {
    ASSERT_TRUE(registerWav("A.WAV", kWav));
    WriteFile("b.wav", kOtherWav);
    tk_CDSO_Zvuk z;
    const auto names = [&] {
        return std::string(z.m_ResName ? z.m_ResName : "-") + "|" + (z.m_FileName ? z.m_FileName : "-");
    };
    ASSERT_EQ(z.NAHRAJ_RES("a.wav"), 1);
    IDirectSoundBuffer* first = z.m_lpDSB;
    first->AddRef();
    ASSERT_EQ(z.NAHRAJ_FILE("b.wav"), 1);
    EXPECT_EQ(names(), "-|b.wav");
    // The object let go of its earlier buffer: only the test's reference is left. (What the
    // destructor releases shows in every test's device release and in the long play's counts.)
    EXPECT_EQ(first->Release(), 0u);
    ASSERT_EQ(z.NAHRAJ_RES("a.wav"), 1);
    EXPECT_EQ(names(), "a.wav|-");
}

}  // namespace
