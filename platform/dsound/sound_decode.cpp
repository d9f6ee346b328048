// libsndfile reads the sound from memory through its virtual I/O; the samples come out as 16-bit
// integers, which libsndfile scales and clips from whatever the file holds.
#include "platform/dsound/sound_decode.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>
#include <new>

namespace {

struct Memory {
    const std::uint8_t* data;
    sf_count_t size;
    sf_count_t pos;
};

sf_count_t length(void* user) {
    return static_cast<Memory*>(user)->size;
}
sf_count_t seek(sf_count_t offset, int whence, void* user) {
    auto* m = static_cast<Memory*>(user);
    sf_count_t to = offset;
    if (whence == SEEK_CUR) to = m->pos + offset;
    if (whence == SEEK_END) to = m->size + offset;
    if (to < 0 || to > m->size) return -1;
    return m->pos = to;
}
sf_count_t read(void* out, sf_count_t count, void* user) {
    auto* m = static_cast<Memory*>(user);
    const sf_count_t n = std::clamp<sf_count_t>(count, 0, m->size - m->pos);
    std::memcpy(out, m->data + m->pos, static_cast<std::size_t>(n));
    m->pos += n;
    return n;
}
sf_count_t write(const void*, sf_count_t, void*) {
    return 0;
}
sf_count_t tell(void* user) {
    return static_cast<Memory*>(user)->pos;
}

bool fail(const char** reason, const char* text) {
    if (reason) *reason = text;
    return false;
}

void put16(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
    v[at] = static_cast<std::uint8_t>(x);
    v[at + 1] = static_cast<std::uint8_t>(x >> 8);
}
void put32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
    put16(v, at, x & 0xFFFF);
    put16(v, at + 2, x >> 16);
}

constexpr std::size_t kHeader = 44;

// The canonical 44-byte header of a 16-bit PCM WAV before pcmBytes of samples.
void writeHeader(std::vector<std::uint8_t>& v, int channels, int rate, std::size_t pcmBytes) {
    std::memcpy(&v[0], "RIFF", 4);
    put32(v, 4, static_cast<std::uint32_t>(36 + pcmBytes));
    std::memcpy(&v[8], "WAVEfmt ", 8);
    put32(v, 16, 16);
    put16(v, 20, 1);
    put16(v, 22, static_cast<std::uint32_t>(channels));
    put32(v, 24, static_cast<std::uint32_t>(rate));
    put32(v, 28, static_cast<std::uint32_t>(rate * channels * 2));
    put16(v, 32, static_cast<std::uint32_t>(channels * 2));
    put16(v, 34, 16);
    std::memcpy(&v[36], "data", 4);
    put32(v, 40, static_cast<std::uint32_t>(pcmBytes));
}

}  // namespace

bool tkp::dsound::DecodeSoundToWave(const std::uint8_t* data, std::size_t size,
                                    std::vector<std::uint8_t>* wave, const char** reason) {
    wave->clear();
    if (!data || size == 0) return fail(reason, "empty file");
    Memory memory{data, static_cast<sf_count_t>(size), 0};
    SF_VIRTUAL_IO io{length, seek, read, write, tell};
    SF_INFO info{};
    SNDFILE* file = sf_open_virtual(&io, SFM_READ, &info, &memory);
    if (!file) return fail(reason, "not a sound file libsndfile reads");
    struct Close {
        SNDFILE* f;
        ~Close() { sf_close(f); }
    } closer{file};
    // Rates far past any sound card's are no sound (and would overflow the header's byte rate).
    if (info.channels <= 0 || info.samplerate <= 0 || info.samplerate > 1000000)
        return fail(reason, "no channels or no usable rate");
    const int channels = info.channels > 2 ? 1 : info.channels;
    // The declared length is refused before anything is decoded; the count read is checked too.
    if (info.frames > 0 &&
        tkp::dsound::SoundTooLong(static_cast<std::uint64_t>(info.frames), info.samplerate))
        return fail(reason, tkp::dsound::kSoundTooLong);

    // Read block by block: the frame count of a compressed file is only an estimate.
    constexpr sf_count_t kBlock = 4096;
    std::vector<short> block;
    std::vector<std::uint8_t> out;
    try {
        block.resize(static_cast<std::size_t>(kBlock) * static_cast<std::size_t>(info.channels));
        out.resize(kHeader);
        for (;;) {
            const sf_count_t got = sf_readf_short(file, block.data(), kBlock);
            if (got <= 0) break;
            if (out.size() - kHeader + std::size_t(got) * channels * 2 > tkp::dsound::kSoundMaxBytes)
                return fail(reason, "sound too long");
            if (tkp::dsound::SoundTooLong(
                    (out.size() - kHeader) / (2 * std::size_t(channels)) + std::size_t(got), info.samplerate))
                return fail(reason, tkp::dsound::kSoundTooLong);
            for (sf_count_t f = 0; f < got; ++f) {
                const short* frame = &block[static_cast<std::size_t>(f * info.channels)];
                if (channels == 1 && info.channels > 1) {
                    long sum = 0;
                    for (int c = 0; c < info.channels; ++c) sum += frame[c];
                    const auto s = static_cast<std::uint16_t>(static_cast<short>(sum / info.channels));
                    out.push_back(static_cast<std::uint8_t>(s));
                    out.push_back(static_cast<std::uint8_t>(s >> 8));
                    continue;
                }
                for (int c = 0; c < channels; ++c) {
                    const auto s = static_cast<std::uint16_t>(frame[c]);
                    out.push_back(static_cast<std::uint8_t>(s));
                    out.push_back(static_cast<std::uint8_t>(s >> 8));
                }
            }
        }
    } catch (const std::bad_alloc&) {
        return fail(reason, "out of memory");
    }
    if (sf_error(file) != SF_ERR_NO_ERROR) return fail(reason, "damaged sound data");
    if (out.size() == kHeader) return fail(reason, "no samples");
    writeHeader(out, channels, info.samplerate, out.size() - kHeader);
    *wave = std::move(out);
    return true;
}
