#include "tests/common/tk_test_media.h"

#include <sndfile.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace tk_test {

namespace {

struct Memory {
    std::string bytes;
    sf_count_t pos = 0;
};

}  // namespace

std::string SoundFile(int format, int channels, int rate, const std::vector<short>& samples) {
    Memory memory;
    SF_VIRTUAL_IO io{};
    io.get_filelen = [](void* u) { return sf_count_t(static_cast<Memory*>(u)->bytes.size()); };
    io.seek = [](sf_count_t offset, int whence, void* u) {
        auto* m = static_cast<Memory*>(u);
        const sf_count_t base = whence == SEEK_SET   ? 0
                                : whence == SEEK_CUR ? m->pos
                                                     : sf_count_t(m->bytes.size());
        return m->pos = base + offset;
    };
    io.read = [](void* out, sf_count_t n, void* u) {
        auto* m = static_cast<Memory*>(u);
        const sf_count_t got =
            std::max<sf_count_t>(0, std::min<sf_count_t>(n, sf_count_t(m->bytes.size()) - m->pos));
        std::memcpy(out, m->bytes.data() + m->pos, std::size_t(got));
        m->pos += got;
        return got;
    };
    io.write = [](const void* in, sf_count_t n, void* u) {
        auto* m = static_cast<Memory*>(u);
        if (m->bytes.size() < std::size_t(m->pos + n)) m->bytes.resize(std::size_t(m->pos + n));
        std::memcpy(m->bytes.data() + m->pos, in, std::size_t(n));
        m->pos += n;
        return n;
    };
    io.tell = [](void* u) { return static_cast<Memory*>(u)->pos; };
    SF_INFO info{};
    info.channels = channels;
    info.samplerate = rate;
    info.format = format;
    SNDFILE* f = sf_open_virtual(&io, SFM_WRITE, &info, &memory);
    if (!f) return {};
    // Written as floats: libsndfile 1.2.0 garbles 16-bit stereo samples on their way to MP3.
    std::vector<float> scaled(samples.begin(), samples.end());
    for (float& x : scaled) x /= 32768.0f;
    sf_writef_float(f, scaled.data(), sf_count_t(scaled.size()) / channels);
    sf_close(f);
    return memory.bytes;
}

}  // namespace tk_test
