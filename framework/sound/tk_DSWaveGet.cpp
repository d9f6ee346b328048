// WAV images taken from the program's resources or read whole from files (other sound files
// decoded into one), and the DSLOG line.
#define TK_MODULE "TK_DSO_w"
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "framework/sound/tk_DSWave.h"
#include "framework/support/tk_LOG.h"
#include "platform/kernel/regular_file.h"

namespace {

constexpr const char* kFileFunction = "DSGetWave_FILE_qr";
// The largest WAV file read: the largest sound buffer and room for the chunks around its samples.
constexpr std::uint64_t kLargestFile = std::uint64_t{DSBSIZE_MAX} + 64 * 1024;

void clearOutputs(WAVEFORMATEX* format, const BYTE** data, DWORD* size) {
    if (format) *format = WAVEFORMATEX{};
    if (data) *data = nullptr;
    if (size) *size = 0;
}

// Logs why a WAV image was refused, with where it came from.
void logRefused(const char* function, const char* name, const char* reason) {
    char detail[300];
    std::snprintf(detail, sizeof(detail), "%s - zly WAV [%s]: %s", function, name, reason ? reason : "");
    TK_LOG_ERR(detail);
}

// Reads the whole file into a new[] buffer of its real size; null with the DSLOG line on failure.
// Only a regular file is read: a FIFO or device named like a sound is refused without waiting.
BYTE* readWhole(const char* name, DWORD* length) {
    const char* why = nullptr;
    std::FILE* f = name ? tkp::kernel::OpenRegularStream(name, &why) : nullptr;
    if (!f) {
        DSLOG(kFileFunction, "CHYBA pri otvoreni F", 0);
        if (name && why == tkp::kernel::kNotRegularFile) logRefused(kFileFunction, name, why);
        return nullptr;
    }
    long n = -1;
    if (std::fseek(f, 0, SEEK_END) == 0) n = std::ftell(f);
    std::rewind(f);
    // No sound buffer holds more than DSBSIZE_MAX bytes of samples: a longer file (a damaged or
    // sparse one can claim gigabytes) is refused before anything is allocated or read.
    if (n > static_cast<long>(kLargestFile)) {
        DSLOG(kFileFunction, "CHYBA subor je prilis velky", 0);
        logRefused(kFileFunction, name, "subor je vacsi ako najvacsi zvuk");
        std::fclose(f);
        return nullptr;
    }
    BYTE* buffer = nullptr;
    if (n >= 0) buffer = new (std::nothrow) BYTE[n > 0 ? static_cast<std::size_t>(n) : 1];
    if (!buffer) {
        DSLOG(kFileFunction, n < 0 ? "CHYBA pri citani fread do bufra" : "CHYBA alok. pamate", 0);
        std::fclose(f);
        return nullptr;
    }
    const std::size_t got = std::fread(buffer, 1, static_cast<std::size_t>(n), f);
    std::fclose(f);
    if (got != static_cast<std::size_t>(n)) {
        DSLOG(kFileFunction, "CHYBA pri citani fread do bufra", 0);
        delete[] buffer;
        return nullptr;
    }
    *length = static_cast<DWORD>(n);
    return buffer;
}

// A file that is no RIFF image (OGG, MP3, FLAC) is decoded once into a WAV image of 16-bit PCM,
// which then replaces the file's bytes. False, with *whole freed and a DSLOG line, when it is no
// sound at all.
bool asWave(const char* name, BYTE** whole, DWORD* length) {
    if (*length >= 4 && std::memcmp(*whole, "RIFF", 4) == 0) return true;
    std::vector<std::uint8_t> wave;
    const char* reason = nullptr;
    const bool decoded = tkp::dsound::DecodeSoundToWave(*whole, *length, &wave, &reason);
    delete[] * whole;
    *whole = nullptr;
    BYTE* image = decoded ? new (std::nothrow) BYTE[wave.size()] : nullptr;
    if (!image) {
        DSLOG(kFileFunction, decoded ? "CHYBA alok. pamate" : "CHYBA pri dekodovani zvuku", 0);
        logRefused(kFileFunction, name, reason ? reason : "");
        return false;
    }
    std::memcpy(image, wave.data(), wave.size());
    *whole = image;
    *length = static_cast<DWORD>(wave.size());
    return true;
}

}  // namespace

int DSGetWave_RES(const char* name, WAVEFORMATEX* format, const BYTE** data, DWORD* size) {
    clearOutputs(format, data, size);
    if (!name) return 0;
    HMODULE module = GetModuleHandleA(nullptr);
    // A name that is no resource is not an error: the caller may try a file next.
    HRSRC found = FindResourceA(module, name, "WAV");
    if (!found) return 0;
    HGLOBAL loaded = LoadResource(module, found);
    const void* image = loaded ? LockResource(loaded) : nullptr;
    if (!image) {
        logRefused("DSGetWave_RES", name, "zdroj sa neda nacitat");
        return 0;
    }
    const char* reason = nullptr;
    if (!DSParseWaveResource(image, SizeofResource(module, found), format, data, size, &reason)) {
        logRefused("DSGetWave_RES", name, reason);
        return 0;
    }
    return 1;
}

int DSGetWave_FILE_qr(BYTE** buffer, const char* name, WAVEFORMATEX* format, const BYTE** data, DWORD* size) {
    clearOutputs(format, data, size);
    if (!buffer) {
        TK_LOG_ERR("DSGetWave_FILE_qr - buffer == NULL");
        return 0;
    }
    *buffer = nullptr;
    DWORD length = 0;
    BYTE* whole = readWhole(name, &length);
    if (!whole) return 0;
    if (!asWave(name, &whole, &length)) return 0;
    const char* reason = nullptr;
    WAVEFORMATEX found{};
    const BYTE* samples = nullptr;
    DWORD bytes = 0;
    if (!DSParseWaveResource(whole, length, &found, &samples, &bytes, &reason)) {
        DSLOG(kFileFunction, "CHYBA pri parsovani DSParseWaveResource", 0);
        logRefused(kFileFunction, name, reason);
        delete[] whole;
        return 0;
    }
    // A long sound at a low rate is a small file but a large buffer once converted.
    if (tkp::dsound::SoundTooLong(bytes / found.nBlockAlign, static_cast<int>(found.nSamplesPerSec))) {
        logRefused(kFileFunction, name, tkp::dsound::kSoundTooLong);
        delete[] whole;
        return 0;
    }
    if (format) *format = found;
    if (data) *data = samples;
    if (size) *size = bytes;
    *buffer = whole;
    return 1;
}

void DSLOG(const char* function, const char* text, int number) {
    char line[600];
    const int n = std::snprintf(line, sizeof(line), " DSLOG: [%s] [%s] [%i]\n", function ? function : "",
                                text ? text : "", number);
    // A cut line still ends its line.
    if (n >= static_cast<int>(sizeof(line))) line[sizeof(line) - 2] = '\n';
    // With the log on, the run's first line starts the file afresh, as the log itself does, so
    // that a later log line does not wipe this one out.
    if (tk_LOG_on && !tk_LOG_reset_done) tk_LOG_Reset("===========");
    if (!tk_LOG_AppendText(line)) OutputDebugStringA(line);
}
