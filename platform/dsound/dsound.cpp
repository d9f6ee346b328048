// DirectSound's entry point and the test hook that takes a buffer's memory away.
#include "platform/dsound/dsound.h"

#include "platform/dsound/sound_buffer.h"
#include "platform/dsound/sound_device.h"
#include "platform/kernel/debug.h"

HRESULT DirectSoundCreate(LPCGUID pcGuidDevice, LPDIRECTSOUND* ppDS, LPUNKNOWN pUnkOuter) {
    if (!ppDS) return DSERR_INVALIDPARAM;
    *ppDS = nullptr;
    if (pUnkOuter) return DSERR_NOAGGREGATION;
    // Only the default output exists.
    if (pcGuidDevice) {
        OutputDebugStringA("DirectSound: only the default sound device exists\n");
        return DSERR_NODRIVER;
    }
    tkp::dsound::SoundDevice* device = nullptr;
    HRESULT hr = tkp::dsound::SoundDevice::Create(&device);
    if (hr == DSERR_NODRIVER) OutputDebugStringA("DirectSound: no sound device, running silent\n");
    if (hr != DS_OK) return hr;
    *ppDS = device;
    return DS_OK;
}

namespace tkp::testing {
// A test hook, declared in platform/testing/test_hooks.h.
void MarkSoundBufferLost(LPDIRECTSOUNDBUFFER buffer) {
    if (buffer) static_cast<tkp::dsound::SoundBuffer*>(buffer)->MarkLost();
}
}  // namespace tkp::testing
