// Recordings other than WAV: OGG, MP3 and FLAC files load into sound buffers that play the same
// samples as the WAV they were made from (lossy ones within the codec's error), more channels
// than two are mixed down, and files that are no sound are refused with a log line.
#include <sndfile.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "framework/sound/tk_CDSO_Zvuk.h"
#include "tests/common/tk_test_media.h"
#include "tests/sound/tk_sound_world.h"

namespace {

constexpr int kRate = 44100;  // the rate of the fixture's device

// A fading 440 Hz tone of a quarter of a second, interleaved over the channels (each channel
// at its own loudness).
std::vector<short> tone(int channels) {
    std::vector<short> s;
    for (int i = 0; i < kRate / 4; ++i)
        for (int c = 0; c < channels; ++c)
            s.push_back(
                short(9000.0 / (c + 1) * std::sin(i * 2 * M_PI * 440 / kRate) * (1.0 - i / (kRate / 4.0))));
    return s;
}

class SoundFormats : public SoundTest {
  protected:
    // Loads the file, plays it and returns the left channel of what the device mixes; empty when
    // it did not load.
    static std::vector<int> played(const std::string& name, const std::string& bytes) {
        tk_test::WriteFile(name, bytes);
        tk_CDSO_Zvuk sound;
        if (sound.NAHRAJ_FILE(name.c_str()) != 1 || sound.SPUSTI() != 1) return {};
        std::vector<int> left;
        const std::vector<std::int16_t> mixed = tkp::headless::MixAudio(kRate / 4);
        for (std::size_t i = 0; i < mixed.size(); i += 2) left.push_back(mixed[i]);
        return left;
    }
};

// The difference's energy against the reference's.
double relativeError(const std::vector<int>& got, const std::vector<int>& want) {
    double diff = 0, ref = 0;
    for (std::size_t i = 0; i < want.size(); ++i) {
        const double g = i < got.size() ? got[i] : 0;
        diff += (g - want[i]) * (g - want[i]);
        ref += double(want[i]) * want[i];
    }
    return std::sqrt(diff / ref);
}

TEST_F(SoundFormats, OggMp3AndFlacPlayTheSamplesOfTheirWav) {
    for (int channels : {1, 2}) {
        SCOPED_TRACE(channels);
        const std::vector<short> samples = tone(channels);
        const std::vector<int> wav =
            played("a.wav", tk_test::SoundFile(SF_FORMAT_WAV | SF_FORMAT_PCM_16, channels, kRate, samples));
        ASSERT_EQ(wav.size(), std::size_t(kRate / 4));
        EXPECT_EQ(
            played("a.flac", tk_test::SoundFile(SF_FORMAT_FLAC | SF_FORMAT_PCM_16, channels, kRate, samples)),
            wav);
        const std::string ogg =
            tk_test::SoundFile(SF_FORMAT_OGG | SF_FORMAT_VORBIS, channels, kRate, samples);
        EXPECT_LT(relativeError(played("a.ogg", ogg), wav), 0.05);
        const std::string mp3 =
            tk_test::SoundFile(SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, channels, kRate, samples);
        EXPECT_LT(relativeError(played("a.mp3", mp3), wav), 0.1);
    }
}

TEST_F(SoundFormats, MoreChannelsAreMixedDownAndNonSoundsAreRefusedWithALogLine) {
    // Three channels at 1, 1/2 and 1/3 of the loudness: their mean is 11/18 of the first.
    std::vector<int> mono =
        played("c.flac", tk_test::SoundFile(SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 3, kRate, tone(3)));
    std::vector<int> want =
        played("m.wav", tk_test::SoundFile(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, kRate, tone(1)));
    for (int& s : want) s = s * 11 / 18;
    EXPECT_LT(relativeError(mono, want), 0.01);

    const std::string flac = tk_test::SoundFile(SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 1, kRate, tone(1));
    for (const std::string& bytes :
         {std::string("OggS but nothing more"), flac.substr(0, 30), std::string()}) {
        EXPECT_TRUE(played("bad.ogg", bytes).empty());
        EXPECT_TRUE(tk_test::Logged("CHYBA pri dekodovani zvuku"));
        EXPECT_TRUE(tk_test::Logged("DSGetWave_FILE_qr - zly WAV [bad.ogg]"));
    }
}

}  // namespace
