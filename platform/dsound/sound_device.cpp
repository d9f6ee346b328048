// The sound device object: buffer descriptions are checked here, before any memory is taken.
#include "platform/dsound/sound_device.h"

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <new>

#include "platform/dsound/sound_buffer.h"
#include "platform/dsound/sound_mixer.h"
#include "platform/kernel/debug.h"

namespace tkp::dsound {

namespace {

// The size the description has on 32-bit Windows, which callers may give instead of sizeof.
constexpr DWORD kDescriptionSize32 = 20;
constexpr DWORD kOfferedFlags = DSBCAPS_STATIC | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
constexpr DWORD kMinRate = 100;
constexpr DWORD kMaxRate = 200000;

HRESULT refuse(HRESULT code, const char* why) {
    char line[160];
    std::snprintf(line, sizeof(line), "DirectSound: CreateSoundBuffer refused: %s\n", why);
    OutputDebugStringA(line);
    return code;
}

// Checks a buffer description and gives the PCM format it asks for.
HRESULT checkDescription(LPCDSBUFFERDESC desc, PcmFormat* format) {
    if (!desc) return refuse(DSERR_INVALIDPARAM, "no description");
    if (desc->dwSize != sizeof(DSBUFFERDESC) && desc->dwSize != kDescriptionSize32)
        return refuse(DSERR_INVALIDPARAM, "unknown description size");
    if (desc->dwFlags & ~kOfferedFlags) return refuse(DSERR_INVALIDPARAM, "flags that are not offered");
    if (desc->dwReserved != 0) return refuse(DSERR_INVALIDPARAM, "reserved field not 0");
    if (desc->dwBufferBytes < DSBSIZE_MIN || desc->dwBufferBytes > DSBSIZE_MAX)
        return refuse(DSERR_INVALIDPARAM, "buffer size out of range");
    if (!desc->lpwfxFormat) return refuse(DSERR_INVALIDPARAM, "no format");
    // Only the 16 bytes a PCM format has are read: a 16-byte "fmt " chunk holds no cbSize.
    WAVEFORMATEX wf{};
    std::memcpy(&wf, desc->lpwfxFormat, offsetof(WAVEFORMATEX, cbSize));
    if (wf.wFormatTag != WAVE_FORMAT_PCM) return refuse(DSERR_BADFORMAT, "not PCM");
    if (wf.nChannels == 0 || wf.nSamplesPerSec == 0 || wf.wBitsPerSample == 0)
        return refuse(DSERR_INVALIDPARAM, "0 channels, rate or bits");
    if (wf.wBitsPerSample != 8 && wf.wBitsPerSample != 16) return refuse(DSERR_BADFORMAT, "not 8 or 16 bits");
    if (wf.nChannels > 2) return refuse(DSERR_BADFORMAT, "more than 2 channels");
    if (wf.nBlockAlign != wf.nChannels * wf.wBitsPerSample / 8)
        return refuse(DSERR_INVALIDPARAM, "block align does not match channels and bits");
    if (wf.nSamplesPerSec < kMinRate || wf.nSamplesPerSec > kMaxRate)
        return refuse(DSERR_BADFORMAT, "rate out of range");
    *format = PcmFormat{wf.nChannels, static_cast<int>(wf.nSamplesPerSec), wf.wBitsPerSample, wf.nBlockAlign};
    return DS_OK;
}

}  // namespace

HRESULT SoundDevice::Create(SoundDevice** out) {
    *out = nullptr;
    SoundMixer& mixer = SoundMixer::Instance();
    if (!mixer.Acquire()) return DSERR_NODRIVER;
    SoundDevice* device = new (std::nothrow) SoundDevice();
    if (!device) {
        mixer.Unref();
        return DSERR_OUTOFMEMORY;
    }
    *out = device;
    return DS_OK;
}

ULONG SoundDevice::AddRef() {
    return ++refs_;
}

ULONG SoundDevice::Release() {
    if (--refs_ > 0) return refs_;
    SoundMixer::Instance().Unref();
    delete this;
    return 0;
}

HRESULT SoundDevice::CreateSoundBuffer(LPCDSBUFFERDESC pcDSBufferDesc, LPDIRECTSOUNDBUFFER* ppDSBuffer,
                                       LPUNKNOWN pUnkOuter) {
    if (!ppDSBuffer) return refuse(DSERR_INVALIDPARAM, "no place for the buffer");
    *ppDSBuffer = nullptr;
    if (pUnkOuter) return refuse(DSERR_NOAGGREGATION, "aggregation");
    PcmFormat format{};
    HRESULT hr = checkDescription(pcDSBufferDesc, &format);
    if (hr != DS_OK) return hr;
    SoundBuffer* buffer = nullptr;
    hr = SoundBuffer::Create(pcDSBufferDesc->dwBufferBytes, format, &buffer);
    if (hr == DSERR_NODRIVER) return refuse(hr, "the sound device is gone");
    if (hr != DS_OK) return refuse(hr, "out of memory");
    *ppDSBuffer = buffer;
    return DS_OK;
}

HRESULT SoundDevice::SetCooperativeLevel(HWND hwnd, DWORD dwLevel) {
    if (!hwnd || dwLevel != DSSCL_NORMAL) {
        OutputDebugStringA("DirectSound: SetCooperativeLevel needs a window and DSSCL_NORMAL\n");
        return DSERR_INVALIDPARAM;
    }
    return DS_OK;
}

}  // namespace tkp::dsound
