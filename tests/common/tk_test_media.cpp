#include "tests/common/tk_test_media.h"

#include <sndfile.h>

#include <cstdio>
#include <vector>

namespace tk_test {

std::string SoundFile(int format, int channels, int rate, const std::vector<short>& samples) {
    // Made in an unnamed temporary file: the encoders seek back over what they wrote.
    std::FILE* file = std::tmpfile();
    if (!file) return {};
    SF_INFO info{};
    info.channels = channels;
    info.samplerate = rate;
    info.format = format;
    SNDFILE* f = sf_open_fd(fileno(file), SFM_WRITE, &info, 0);
    if (!f) {
        std::fclose(file);
        return {};
    }
    // Written as floats: libsndfile 1.2.0 garbles 16-bit stereo samples on their way to MP3.
    std::vector<float> scaled(samples.begin(), samples.end());
    for (float& x : scaled) x /= 32768.0f;
    sf_writef_float(f, scaled.data(), sf_count_t(scaled.size()) / channels);
    sf_close(f);
    std::rewind(file);
    std::string bytes;
    char block[4096];
    for (std::size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0;) bytes.append(block, n);
    std::fclose(file);
    return bytes;
}

}  // namespace tk_test
