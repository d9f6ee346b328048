// Feeds arbitrary bytes to the WAV parser and checks what it accepts: samples inside the image,
// whole blocks of a playable PCM format. The sanitizers report any read outside the image.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "framework/sound/tk_DSWave.h"

namespace {

void require(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size > UINT32_MAX) return 0;
    WAVEFORMATEX format;
    const BYTE* data = nullptr;
    DWORD dataSize = 0;
    const char* reason = nullptr;
    const int ok = DSParseWaveResource(bytes, DWORD(size), &format, &data, &dataSize, &reason);
    if (ok) {
        require(reason == nullptr);
        require(data >= bytes && dataSize > 0 && dataSize <= size - std::size_t(data - bytes));
        require(format.wFormatTag == WAVE_FORMAT_PCM && format.cbSize == 0);
        require(format.nChannels && format.nSamplesPerSec && format.nBlockAlign && format.wBitsPerSample);
        require(dataSize % format.nBlockAlign == 0);
        // Read every accepted sample so that the sanitizers check the bounds.
        unsigned sum = 0;
        for (DWORD i = 0; i < dataSize; ++i) sum += data[i];
        volatile unsigned sink = sum;
        (void)sink;
    } else {
        require(reason != nullptr && data == nullptr && dataSize == 0);
    }
    // Outputs that are not wanted change nothing about the answer.
    require(DSParseWaveResource(bytes, DWORD(size), nullptr, nullptr, nullptr) == ok);
    // The format alone is found in every image that is accepted whole, and it is the same format.
    WAVEFORMATEX alone;
    const int formatFound = DSParseWaveResource(bytes, DWORD(size), &alone, nullptr, nullptr);
    require(formatFound >= ok);
    if (formatFound) require(alone.wFormatTag == WAVE_FORMAT_PCM && alone.nBlockAlign && alone.cbSize == 0);
    if (ok) require(std::memcmp(&alone, &format, sizeof format) == 0);
    return 0;
}
