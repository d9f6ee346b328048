// The WAV parser on well-formed and damaged images: every image is parsed from a heap copy of
// exactly its size, so the sanitizers catch any read outside it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/sound/tk_DSWave.h"
#include "tests/sound/tk_test_wav.h"

using namespace wav_test;

namespace {

struct Parsed {
    int ok = 0;
    long offset = -1;  // of the samples in the image
    DWORD size = 0;
    WAVEFORMATEX format{};
    std::string reason;
};

Parsed Parse(const std::string& image) {
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

struct Case {
    const char* what;
    std::string image;
    long offset;  // -1: refused with the reason
    DWORD size;
    const char* reason;
};

TEST(WaveParse, FindsFormatAndSamplesInWellFormedAndDamagedImages) {
    const std::string fmtShort = FmtBody(2, 22050, 16);
    const std::vector<Case> cases = {
        {"plain", Riff(kFmt16 + kData8), 44, 8, ""},
        {"LIST chunk first, odd with its pad byte", Riff(Chunk("LIST", Ramp(5)) + kFmt16 + kData8), 58, 8,
         ""},
        {"odd data chunk with its pad byte, then more",
         Riff(kFmt8 + Chunk("data", Ramp(7)) + Chunk("LIST", "ab")), 44, 7, ""},
        {"odd LIST chunk without its pad byte", Riff(Chunk("LIST", Ramp(5, 'a'), false) + kFmt16 + kData8),
         57, 8, ""},
        {"18-byte fmt with cbSize", Riff(Chunk("fmt ", fmtShort + Le16(0x1234)) + kData8), 46, 8, ""},
        {"data before fmt", Riff(kData8 + kFmt16), 20, 8, ""},
        {"first fmt and data win",
         Riff(kFmt16 + Chunk("data", Ramp(4)) + Chunk("fmt ", FmtBody(0, 0, 0)) + kData8), 44, 4, ""},
        {"data cut short by the end", Riff(kFmt16 + ChunkClaiming("data", 1000, Ramp(10))), 44, 8, ""},
        {"file cut inside the data", Riff(kFmt16 + ChunkClaiming("data", 1000, Ramp(11)), 4 + 24 + 8 + 1000),
         44, 8, ""},
        {"data not whole blocks", Riff(kFmt16 + Chunk("data", Ramp(10))), 44, 8, ""},
        {"huge data and RIFF lengths", Riff(kFmt16 + ChunkClaiming("data", 0xFFFFFFFF, Ramp(12)), 0xFFFFFFFF),
         44, 12, ""},
        {"RIFF length cuts into the data", Riff(kFmt16 + kData8, 4 + 24 + 8 + 4), 44, 4, ""},
        {"huge LIST length before fmt", Riff(ChunkClaiming("LIST", 0xFFFFFFF0, "x") + kFmt16 + kData8), -1, 0,
         "chyba blok fmt"},
        {"huge odd LIST length", Riff(ChunkClaiming("LIST", 0xFFFFFFFF, "xyz") + kFmt16 + kData8), -1, 0,
         "chyba blok fmt"},
        {"RIFF length ends before the data", Riff(kFmt16 + kData8, 4 + 24), -1, 0, "chyba blok data"},
        {"header only", Riff(""), -1, 0, "chyba blok fmt"},
        {"only a format", Riff(kFmt16), -1, 0, "chyba blok data"},
        {"chunk header cut short", Riff(kFmt16, 0xFFFFFFFF) + "dat", -1, 0, "chyba blok data"},
        {"eleven bytes", "RIFF" + Le32(3) + "WAV", -1, 0, "nie je RIFF WAVE"},
        {"empty", "", -1, 0, "nie je RIFF WAVE"},
        {"big-endian RIFX", "RIFX" + Riff(kFmt16 + kData8).substr(4), -1, 0, "nie je RIFF WAVE"},
        {"not WAVE", "RIFF" + Le32(4) + "AVI ", -1, 0, "nie je RIFF WAVE"},
        {"fmt of 14 bytes", Riff(Chunk("fmt ", fmtShort.substr(0, 14)) + kData8), -1, 0,
         "blok fmt kratsi ako 16 bajtov"},
        {"fmt of 15 bytes", Riff(Chunk("fmt ", fmtShort.substr(0, 15)) + kData8), -1, 0,
         "blok fmt kratsi ako 16 bajtov"},
        {"fmt of 1 byte", Riff(Chunk("fmt ", "\x01") + kData8), -1, 0, "blok fmt kratsi ako 16 bajtov"},
        {"fmt runs past the end", Riff(ChunkClaiming("fmt ", 16, fmtShort.substr(0, 10))), -1, 0,
         "blok fmt presahuje koniec"},
        {"zero channels", Riff(Chunk("fmt ", FmtBody(0, 22050, 16, 1, 4)) + kData8), -1, 0, "0 kanalov"},
        {"zero rate", Riff(Chunk("fmt ", FmtBody(2, 0, 16)) + kData8), -1, 0, "frekvencia 0"},
        {"zero block alignment", Riff(Chunk("fmt ", FmtBody(2, 22050, 16, 1, 0)) + kData8), -1, 0,
         "zarovnanie bloku 0"},
        {"zero bits", Riff(Chunk("fmt ", FmtBody(2, 22050, 0, 1, 4)) + kData8), -1, 0, "0 bitov na vzorku"},
        {"float samples", Riff(Chunk("fmt ", FmtBody(2, 22050, 32, 3)) + kData8), -1, 0, "format nie je PCM"},
        {"extensible format",
         Riff(Chunk("fmt ", FmtBody(2, 22050, 16, 0xFFFE) + Le16(22) + Ramp(22)) + kData8), -1, 0,
         "format nie je PCM"},
        {"14-byte ADPCM format", Riff(Chunk("fmt ", FmtBody(1, 8000, 4, 2).substr(0, 14)) + kData8), -1, 0,
         "format nie je PCM"},
        {"less than one block of data", Riff(kFmt16 + Chunk("data", Ramp(3))), -1, 0,
         "data bez celeho bloku"},
        {"empty data", Riff(kFmt16 + Chunk("data", "")), -1, 0, "data bez celeho bloku"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Parsed r = Parse(c.image);
        EXPECT_EQ(r.ok, c.offset >= 0 ? 1 : 0);
        EXPECT_EQ(r.offset, c.offset);
        EXPECT_EQ(r.size, c.size);
        EXPECT_EQ(r.reason, c.reason);
    }
}

TEST(WaveParse, CopiesTheFormatAndClearsWhatIsWanted) {
    // The 16 bytes of a PCM format, with cbSize 0 whatever the file held after them.
    Parsed r = Parse(Riff(Chunk("fmt ", FmtBody(2, 22050, 16) + Le16(0x1234)) + kData8));
    ASSERT_EQ(r.ok, 1);
    EXPECT_EQ(r.format.wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(r.format.nChannels, 2);
    EXPECT_EQ(r.format.nSamplesPerSec, 22050u);
    EXPECT_EQ(r.format.nAvgBytesPerSec, 88200u);
    EXPECT_EQ(r.format.nBlockAlign, 4);
    EXPECT_EQ(r.format.wBitsPerSample, 16);
    EXPECT_EQ(r.format.cbSize, 0);

    // Every wanted output starts cleared, and stays cleared when the image is refused.
    const std::string bad = Riff(kFmt16);
    WAVEFORMATEX format;
    std::memset(&format, 0xAB, sizeof(format));
    const BYTE* data = reinterpret_cast<const BYTE*>(bad.data());
    DWORD size = 99;
    EXPECT_EQ(DSParseWaveResource(bad.data(), DWORD(bad.size()), &format, &data, &size), 0);
    const WAVEFORMATEX cleared{};
    EXPECT_EQ(std::memcmp(&format, &cleared, sizeof(format)), 0);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(size, 0u);

    // Outputs that are not wanted may be null; the same image is accepted or refused alike.
    const std::string good = Riff(kFmt16 + kData8);
    EXPECT_EQ(DSParseWaveResource(good.data(), DWORD(good.size()), nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(DSParseWaveResource(good.data(), DWORD(good.size()), nullptr, &data, &size), 1);
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(DSParseWaveResource(bad.data(), DWORD(bad.size()), nullptr, nullptr, &size), 0);
    EXPECT_EQ(DSParseWaveResource(nullptr, 100, nullptr, nullptr, nullptr), 0);
}

TEST(WaveParse, EveryCutOfAFileKeepsOnlyTheWholeBlocksItHolds) {
    // LIST (14 bytes with its pad) and fmt before 12 bytes of samples starting at offset 58.
    const std::string whole = Riff(Chunk("LIST", Ramp(5)) + kFmt16 + Chunk("data", Ramp(12)));
    for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
        SCOPED_TRACE(cut);
        Parsed r = Parse(whole.substr(0, cut));
        const long have = long(cut) - 58;
        if (have < 4) {
            EXPECT_EQ(r.ok, 0);
            EXPECT_EQ(r.offset, -1);
        } else {
            EXPECT_EQ(r.ok, 1);
            EXPECT_EQ(r.offset, 58);
            EXPECT_EQ(r.size, DWORD(have - have % 4));
        }
    }
}

}  // namespace
