// Static sound buffers made from WAV images, and refilled after the system took them away.
#define TK_MODULE "TK_DSO_w"
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "framework/sound/tk_DSWave.h"
#include "framework/support/tk_LOG.h"

namespace {

// Static, with frequency, pan and volume control.
constexpr DWORD kBufferFlags = DSBCAPS_STATIC | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
// The size the description has on 32-bit Windows.
constexpr DWORD kDescriptionSize = 20;

void logFailure(const char* what, const char* name) {
    char detail[300];
    std::snprintf(detail, sizeof(detail), "%s [%s]", what, name ? name : "");
    TK_LOG_ERR(detail);
}

// A buffer of the WAV's format and size, filled with its samples; null when any step fails.
IDirectSoundBuffer* makeBuffer(IDirectSound* ds, WAVEFORMATEX* format, const BYTE* data, DWORD size,
                               const char* name) {
    DSBUFFERDESC desc{kDescriptionSize, kBufferFlags, size, 0, format};
    IDirectSoundBuffer* buffer = nullptr;
    if (ds->CreateSoundBuffer(&desc, &buffer, nullptr) != DS_OK || !buffer) {
        logFailure("DSLoadSoundBuffer - CHYBA pri CreateSoundBuffer", name);
        return nullptr;
    }
    if (!DSFillBuffer(buffer, data, size)) {
        logFailure("DSLoadSoundBuffer - CHYBA pri DSFillBuffer", name);
        buffer->Release();
        return nullptr;
    }
    return buffer;
}

}  // namespace

IDirectSoundBuffer* DSLoadSoundBuffer_RES(IDirectSound* ds, const char* name) {
    WAVEFORMATEX format{};
    const BYTE* data = nullptr;
    DWORD size = 0;
    if (!ds || !DSGetWave_RES(name, &format, &data, &size)) return nullptr;
    return makeBuffer(ds, &format, data, size, name);
}

IDirectSoundBuffer* DSLoadSoundBuffer_FILE_qr(IDirectSound* ds, const char* name) {
    if (!ds) return nullptr;
    BYTE* whole = nullptr;
    WAVEFORMATEX format{};
    const BYTE* data = nullptr;
    DWORD size = 0;
    if (!DSGetWave_FILE_qr(&whole, name, &format, &data, &size)) return nullptr;
    IDirectSoundBuffer* buffer = makeBuffer(ds, &format, data, size, name);
    delete[] whole;
    return buffer;
}

int DSReloadSoundBuffer_RES(IDirectSoundBuffer* buffer, const char* name) {
    const BYTE* data = nullptr;
    DWORD size = 0;
    if (!buffer || !DSGetWave_RES(name, nullptr, &data, &size)) return 0;
    if (buffer->Restore() != DS_OK) return 0;
    return DSFillBuffer(buffer, data, size);
}

int DSReloadSoundBuffer_FILE(IDirectSoundBuffer* buffer, const char* name) {
    if (!buffer) return 0;
    BYTE* whole = nullptr;
    const BYTE* data = nullptr;
    DWORD size = 0;
    if (!DSGetWave_FILE_qr(&whole, name, nullptr, &data, &size)) return 0;
    int filled = buffer->Restore() == DS_OK ? DSFillBuffer(buffer, data, size) : 0;
    delete[] whole;
    return filled;
}

int DSFillBuffer(IDirectSoundBuffer* buffer, const BYTE* data, DWORD size) {
    if (!buffer || !data || size == 0) return 0;
    void* first = nullptr;
    void* second = nullptr;
    DWORD firstBytes = 0, secondBytes = 0;
    if (buffer->Lock(0, size, &first, &firstBytes, &second, &secondBytes, 0) != DS_OK) return 0;
    // The lock may hand out less than asked; never copy more than either side holds.
    const DWORD a = std::min(firstBytes, size);
    if (first) std::memcpy(first, data, a);
    const DWORD b = std::min(secondBytes, size - a);
    if (second && b) std::memcpy(second, data + a, b);
    return buffer->Unlock(first, firstBytes, second, secondBytes) == DS_OK ? 1 : 0;
}
