// One secondary sound buffer: the caller's bytes, and their copy in the device format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/dsound/dsound.h"
#include "platform/dsound/pcm_convert.h"

namespace tkp::dsound {

class SoundBuffer final : public IDirectSoundBuffer {
  public:
    // A silent buffer of bytes bytes, registered with the mixer and holding a reference on
    // its output. DSERR_OUTOFMEMORY or DSERR_NODRIVER when it cannot be made.
    static HRESULT Create(DWORD bytes, const PcmFormat& format, SoundBuffer** out);

    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetStatus(LPDWORD pdwStatus) override;
    HRESULT Lock(DWORD dwOffset, DWORD dwBytes, LPVOID* ppvAudioPtr1, LPDWORD pdwAudioBytes1,
                 LPVOID* ppvAudioPtr2, LPDWORD pdwAudioBytes2, DWORD dwFlags) override;
    HRESULT Play(DWORD dwReserved1, DWORD dwPriority, DWORD dwFlags) override;
    HRESULT SetCurrentPosition(DWORD dwNewPosition) override;
    HRESULT Stop() override;
    HRESULT Unlock(LPVOID pvAudioPtr1, DWORD dwAudioBytes1, LPVOID pvAudioPtr2, DWORD dwAudioBytes2) override;
    HRESULT Restore() override;

    // The content is gone: silence, stopped, and lost until Restore (main thread).
    void MarkLost();
    // Adds the next frames of a playing buffer to acc (audio thread, under the audio lock).
    void MixInto(std::int32_t* acc, int frames);

  private:
    SoundBuffer(DWORD bytes, const PcmFormat& format);
    ~SoundBuffer() override;
    // Byte offset in the buffer's own format of the current device frame.
    DWORD bytePosition() const;

    ULONG refs_ = 1;
    std::vector<std::uint8_t> bytes_;
    PcmFormat format_;
    int locks_ = 0;
    bool lost_ = false;
    // Shared with the audio thread: changed only under the audio lock.
    std::vector<std::int16_t> frames_;
    std::size_t position_ = 0;
    bool playing_ = false;
};

}  // namespace tkp::dsound
