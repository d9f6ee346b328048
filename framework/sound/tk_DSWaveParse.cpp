// The WAV parser: walks the RIFF chunks of an image without ever reading outside it.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "framework/sound/tk_DSWave.h"

namespace {

constexpr std::uint64_t kRiffHeader = 12;
constexpr std::uint64_t kChunkHeader = 8;
constexpr std::uint64_t kPcmFormatBytes = 16;

std::uint32_t le32(const BYTE* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

bool isId(const BYTE* p, const char* id) {
    return std::memcmp(p, id, 4) == 0;
}

// Four printable characters, as every chunk id is.
bool looksLikeId(const BYTE* p) {
    return std::all_of(p, p + 4, [](BYTE c) { return c >= 0x20 && c <= 0x7E; });
}

int refuse(const char** reason, const char* why) {
    if (reason) *reason = why;
    return 0;
}

// Checks a "fmt " chunk body of n bytes and copies the PCM format out of it; null when fine.
const char* readFormat(const BYTE* body, std::uint64_t n, WAVEFORMATEX* out) {
    if (n < 2) return "blok fmt kratsi ako 16 bajtov";
    WAVEFORMATEX wf{};
    std::memcpy(&wf, body, static_cast<std::size_t>(std::min(n, kPcmFormatBytes)));
    if (wf.wFormatTag != WAVE_FORMAT_PCM) return "format nie je PCM";
    if (n < kPcmFormatBytes) return "blok fmt kratsi ako 16 bajtov";
    if (wf.nChannels == 0) return "0 kanalov";
    if (wf.nSamplesPerSec == 0) return "frekvencia 0";
    if (wf.nBlockAlign == 0) return "zarovnanie bloku 0";
    if (wf.wBitsPerSample == 0) return "0 bitov na vzorku";
    *out = wf;
    return nullptr;
}

}  // namespace

int DSParseWaveResource(const void* image, DWORD imageSize, WAVEFORMATEX* format, const BYTE** data,
                        DWORD* size, const char** reason) {
    if (format) *format = WAVEFORMATEX{};
    if (data) *data = nullptr;
    if (size) *size = 0;
    if (reason) *reason = nullptr;
    const BYTE* p = static_cast<const BYTE*>(image);
    if (!p || imageSize < kRiffHeader || !isId(p, "RIFF") || !isId(p + 8, "WAVE"))
        return refuse(reason, "nie je RIFF WAVE");
    // The RIFF length is believed only as far as the image really goes.
    const std::uint64_t end = std::min<std::uint64_t>(kChunkHeader + le32(p + 4), imageSize);

    // Asked only for the format, the parser is done at the first good format chunk: whatever
    // follows it (samples or none, damaged or not) does not matter to that caller.
    const bool formatOnly = format && !data && !size;
    WAVEFORMATEX wf{};
    bool haveFormat = false, haveData = false;
    const BYTE* samples = nullptr;
    std::uint64_t sampleBytes = 0;
    for (std::uint64_t at = kRiffHeader; at + kChunkHeader <= end && !(haveFormat && haveData);) {
        const std::uint64_t n = le32(p + at + 4);
        const std::uint64_t body = at + kChunkHeader;
        const std::uint64_t there = end - body;
        if (isId(p + at, "fmt ") && !haveFormat) {
            if (n > there) return refuse(reason, "blok fmt presahuje koniec");
            if (const char* why = readFormat(p + body, n, &wf)) return refuse(reason, why);
            haveFormat = true;
            if (formatOnly) {
                *format = wf;
                return 1;
            }
        } else if (isId(p + at, "data") && !haveData) {
            // Samples cut short by the end of the image are kept as far as they go.
            samples = p + body;
            sampleBytes = std::min(n, there);
            haveData = true;
        }
        std::uint64_t next = body + n + (n & 1);
        // Some writers leave out the pad byte after an odd chunk: a chunk id never starts with
        // the zero a pad byte holds, so a non-zero byte there that begins an id is the next chunk.
        if ((n & 1) && body + n + 4 <= end && p[body + n] != 0 && looksLikeId(p + body + n)) next = body + n;
        at = next;
    }
    if (!haveFormat) return refuse(reason, "chyba blok fmt");
    if (!haveData) return refuse(reason, "chyba blok data");
    // Only whole blocks can be played; a partial last block is dropped.
    sampleBytes -= sampleBytes % wf.nBlockAlign;
    if (sampleBytes == 0) return refuse(reason, "data bez celeho bloku");

    if (format) *format = wf;
    if (data) *data = samples;
    if (size) *size = static_cast<DWORD>(sampleBytes);
    return 1;
}
