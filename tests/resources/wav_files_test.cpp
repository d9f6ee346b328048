// Every committed WAV (the program's sounds and the card sets' spoken names) is plain PCM that
// the sound loader takes: RIFF/WAVE, a "fmt " chunk of PCM, whole sample frames of data.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/common/tk_test_files.h"
#include "tests/resources/resource_files.h"

namespace tk_res_test {
namespace {

struct WavFormat {
    int tag = 0, channels = 0, rate = 0, byteRate = 0, block = 0, bits = 0;
    std::uint32_t dataSize = 0;
    bool complete = false;
};

std::uint32_t U(const std::string& b, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

// Walks the chunks as the loader does; `complete` when both chunks were found inside the file.
WavFormat Parse(const std::string& b) {
    WavFormat f;
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) return f;
    const std::size_t end = 8 + static_cast<std::size_t>(U(b, 4, 4));
    if (end > b.size()) return f;
    bool fmt = false, data = false;
    for (std::size_t at = 12; at + 8 <= end;) {
        std::string id = b.substr(at, 4);
        std::size_t n = U(b, at + 4, 4);
        if (at + 8 + n > end) return f;
        if (id == "fmt " && n >= 16) {
            f.tag = static_cast<int>(U(b, at + 8, 2));
            f.channels = static_cast<int>(U(b, at + 10, 2));
            f.rate = static_cast<int>(U(b, at + 12, 4));
            f.byteRate = static_cast<int>(U(b, at + 16, 4));
            f.block = static_cast<int>(U(b, at + 20, 2));
            f.bits = static_cast<int>(U(b, at + 22, 2));
            fmt = true;
        } else if (id == "data") {
            f.dataSize = static_cast<std::uint32_t>(n);
            data = true;
        }
        at += 8 + ((n + 1) & ~static_cast<std::size_t>(1));
    }
    f.complete = fmt && data;
    return f;
}

void ExpectPlainPcm(const WavFormat& f) {
    ASSERT_TRUE(f.complete);
    EXPECT_EQ(f.tag, 1);
    EXPECT_EQ(f.block, f.channels * f.bits / 8);
    EXPECT_EQ(f.byteRate, f.rate * f.block);
    EXPECT_EQ(f.dataSize % f.block, 0u);
    EXPECT_GT(f.dataSize, 0u);
}

TEST(WavFiles, ProgramSoundsInTheirFormats) {
    struct Expected {
        int channels, rate, bits;
    };
    // 8-bit mono at 11025, 22050 and 44100 Hz, and one 16-bit stereo at 22050 Hz.
    const std::map<std::string, Expected> expected = {{"zvukcvak.wav", {1, 11025, 8}},
                                                      {"zvuknaraz.wav", {1, 22050, 8}},
                                                      {"zvukkoniec.wav", {1, 44100, 8}},
                                                      {"zvuktada.wav", {2, 22050, 16}}};
    for (const auto& [name, e] : expected) {
        SCOPED_TRACE(name);
        WavFormat f = Parse(tk_test::ReadFile(RepoPath("resources/" + name)));
        ExpectPlainPcm(f);
        EXPECT_EQ(f.channels, e.channels);
        EXPECT_EQ(f.rate, e.rate);
        EXPECT_EQ(f.bits, e.bits);
        // Short sounds: at most two seconds each.
        EXPECT_LE(f.dataSize / static_cast<std::uint32_t>(f.block), static_cast<std::uint32_t>(2 * f.rate));
    }
}

TEST(WavFiles, EveryCardSetPictureSpeaksItsName) {
    for (const std::string& folder : CardSetFolders()) {
        for (const std::string& bmp : FilesIn(folder, ".bmp")) {
            std::string wav = bmp.substr(0, bmp.size() - 4) + ".wav";
            SCOPED_TRACE(wav);
            WavFormat f = Parse(tk_test::ReadFile(wav));
            ExpectPlainPcm(f);
            EXPECT_EQ(f.channels, 1);
            EXPECT_EQ(f.rate, 22050);
            EXPECT_TRUE(f.bits == 8 || f.bits == 16);
        }
        // No sound without its picture.
        EXPECT_EQ(FilesIn(folder, ".wav").size(), FilesIn(folder, ".bmp").size());
    }
}

}  // namespace
}  // namespace tk_res_test
