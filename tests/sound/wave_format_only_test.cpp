// Asked for the format alone, the WAV parser is done at the first good format chunk, whatever
// follows it; asked for the samples too, it still wants a whole block of them.
#include <gtest/gtest.h>

#include <string>

#include "framework/sound/tk_DSWave.h"
#include "tests/sound/tk_test_wav.h"

namespace {

using namespace wav_test;

// "format-only/with-samples" results, the format as "channels,rate,bits" when it was given.
std::string Both(const std::string& image) {
    WAVEFORMATEX f{};
    const int alone = DSParseWaveResource(image.data(), DWORD(image.size()), &f, nullptr, nullptr);
    WAVEFORMATEX g{};
    const BYTE* data = nullptr;
    DWORD size = 0;
    const int whole = DSParseWaveResource(image.data(), DWORD(image.size()), &g, &data, &size);
    return std::to_string(alone) + "/" + std::to_string(whole) + " " + std::to_string(f.nChannels) + "," +
           std::to_string(f.nSamplesPerSec) + "," + std::to_string(f.wBitsPerSample);
}

TEST(WaveFormatOnly, TheFormatChunkIsEnoughWhateverFollows) {
    const std::string fmt = Chunk("fmt ", FmtBody(2, 22050, 16));
    const struct {
        std::string image;
        const char* got;
    } cases[] = {
        {Riff(fmt), "1/0 2,22050,16"},
        {Riff(fmt + Chunk("data", "ab")), "1/0 2,22050,16"},
        {Riff(fmt + "\xff\xff junk that is no chunk"), "1/0 2,22050,16"},
        {Riff(Chunk("LIST", "abcd") + fmt + ChunkClaiming("data", 0xFFFFFF00u, "")), "1/0 2,22050,16"},
        {Riff(fmt + Chunk("data", Ramp(8))), "1/1 2,22050,16"},
        // Every bound on the format itself still holds.
        {Riff(Chunk("fmt ", FmtBody(2, 22050, 16).substr(0, 14))), "0/0 0,0,0"},
        {Riff(Chunk("fmt ", FmtBody(0, 22050, 16))), "0/0 0,0,0"},
        {Riff(Chunk("fmt ", FmtBody(2, 22050, 16, 3))), "0/0 0,0,0"},
        {Riff(ChunkClaiming("fmt ", 40, FmtBody(2, 22050, 16))), "0/0 0,0,0"},
        {Riff(Chunk("data", Ramp(8))), "0/0 0,0,0"},
    };
    for (const auto& c : cases) EXPECT_EQ(Both(c.image), c.got) << ::testing::PrintToString(c.image);
}

}  // namespace
