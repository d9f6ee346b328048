// The DirectSound object: checks buffer descriptions and makes buffers on the shared mixer.
#pragma once

#include "platform/dsound/dsound.h"

namespace tkp::dsound {

class SoundDevice final : public IDirectSound {
  public:
    // A device holding a reference on the mixer's output; DSERR_NODRIVER when there is no output.
    static HRESULT Create(SoundDevice** out);

    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT CreateSoundBuffer(LPCDSBUFFERDESC pcDSBufferDesc, LPDIRECTSOUNDBUFFER* ppDSBuffer,
                              LPUNKNOWN pUnkOuter) override;
    HRESULT SetCooperativeLevel(HWND hwnd, DWORD dwLevel) override;

  private:
    SoundDevice() = default;
    ~SoundDevice() override = default;

    ULONG refs_ = 1;
};

}  // namespace tkp::dsound
