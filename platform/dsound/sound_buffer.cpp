// A static sound buffer: locked and written in its own format, converted once per final Unlock.
#include "platform/dsound/sound_buffer.h"

#include <algorithm>
#include <new>

#include "platform/base/backend.h"
#include "platform/dsound/sound_decode.h"
#include "platform/dsound/sound_mixer.h"
#include "platform/kernel/debug.h"

namespace tkp::dsound {

namespace {

// The byte value of silence: 8-bit samples are unsigned around 128.
std::uint8_t silenceByte(const PcmFormat& f) {
    return f.bits == 8 ? 0x80 : 0x00;
}

std::uintptr_t address(const void* p) {
    return reinterpret_cast<std::uintptr_t>(p);
}

// Buffers made and not yet destroyed (main thread only).
int g_liveBuffers = 0;

}  // namespace

SoundBuffer::SoundBuffer(DWORD bytes, const PcmFormat& format)
    : bytes_(bytes, silenceByte(format)),
      format_(format),
      frames_(2 * DeviceFrameCount(bytes / format.blockAlign, format.rate, SoundMixer::Instance().Rate()),
              0) {
    ++g_liveBuffers;
}

SoundBuffer::~SoundBuffer() {
    --g_liveBuffers;
}

HRESULT SoundBuffer::Create(DWORD bytes, const PcmFormat& format, SoundBuffer** out) {
    *out = nullptr;
    SoundMixer& mixer = SoundMixer::Instance();
    if (!mixer.EnsureOpen()) return DSERR_NODRIVER;
    // What a buffer costs in the device format follows its duration: a long one is refused before
    // anything is allocated.
    if (format.blockAlign <= 0 || SoundTooLong(bytes / static_cast<DWORD>(format.blockAlign), format.rate)) {
        OutputDebugStringA("DirectSound: a buffer longer than a minute refused\n");
        return DSERR_INVALIDPARAM;
    }
    SoundBuffer* buffer = nullptr;
    try {
        buffer = new SoundBuffer(bytes, format);
    } catch (const std::bad_alloc&) {
        return DSERR_OUTOFMEMORY;
    }
    if (!mixer.Acquire()) {
        delete buffer;
        return DSERR_NODRIVER;
    }
    if (!mixer.Add(buffer)) {
        mixer.Unref();
        delete buffer;
        return DSERR_OUTOFMEMORY;
    }
    *out = buffer;
    return DS_OK;
}

ULONG SoundBuffer::AddRef() {
    return ++refs_;
}

ULONG SoundBuffer::Release() {
    if (--refs_ > 0) return refs_;
    SoundMixer& mixer = SoundMixer::Instance();
    mixer.Remove(this);
    mixer.Unref();
    delete this;
    return 0;
}

HRESULT SoundBuffer::GetStatus(LPDWORD pdwStatus) {
    if (!pdwStatus) return DSERR_INVALIDPARAM;
    SoundMixer::Instance().CheckDevice();
    AudioLock lock;
    *pdwStatus = (playing_ ? DSBSTATUS_PLAYING : 0) | (lost_ ? DSBSTATUS_BUFFERLOST : 0);
    return DS_OK;
}

HRESULT SoundBuffer::Lock(DWORD dwOffset, DWORD dwBytes, LPVOID* ppvAudioPtr1, LPDWORD pdwAudioBytes1,
                          LPVOID* ppvAudioPtr2, LPDWORD pdwAudioBytes2, DWORD dwFlags) {
    if (!ppvAudioPtr1 || !pdwAudioBytes1 || dwFlags != 0) return DSERR_INVALIDPARAM;
    *ppvAudioPtr1 = nullptr;
    *pdwAudioBytes1 = 0;
    if (ppvAudioPtr2) *ppvAudioPtr2 = nullptr;
    if (pdwAudioBytes2) *pdwAudioBytes2 = 0;
    SoundMixer::Instance().CheckDevice();
    if (lost_) return DSERR_BUFFERLOST;
    const DWORD size = static_cast<DWORD>(bytes_.size());
    if (dwOffset >= size || dwBytes == 0 || dwBytes > size) {
        OutputDebugStringA("DirectSound: Lock outside the buffer refused\n");
        return DSERR_INVALIDPARAM;
    }
    // A region running past the end continues at the start: the second part.
    const DWORD first = std::min(dwBytes, size - dwOffset);
    *ppvAudioPtr1 = bytes_.data() + dwOffset;
    *pdwAudioBytes1 = first;
    if (dwBytes > first && ppvAudioPtr2 && pdwAudioBytes2) {
        *ppvAudioPtr2 = bytes_.data();
        *pdwAudioBytes2 = dwBytes - first;
    }
    ++locks_;
    return DS_OK;
}

HRESULT SoundBuffer::Unlock(LPVOID pvAudioPtr1, DWORD dwAudioBytes1, LPVOID pvAudioPtr2,
                            DWORD dwAudioBytes2) {
    const std::uintptr_t begin = address(bytes_.data());
    const std::uintptr_t end = begin + bytes_.size();
    const std::uintptr_t p1 = address(pvAudioPtr1);
    const bool firstOk = p1 >= begin && p1 < end && dwAudioBytes1 <= end - p1;
    const bool secondOk = !pvAudioPtr2 || (address(pvAudioPtr2) == begin && dwAudioBytes2 <= bytes_.size());
    if (locks_ == 0 || !firstOk || !secondOk) {
        OutputDebugStringA("DirectSound: Unlock of a region that was not locked refused\n");
        return DSERR_INVALIDPARAM;
    }
    if (--locks_ > 0 || lost_) return DS_OK;
    // The whole buffer is converted once here; the audio thread only ever reads the result. The
    // converted frames are taken from the audio thread and converted again in their own memory,
    // so that two converted copies never exist at once; meanwhile the buffer sounds as ended.
    std::vector<std::int16_t> frames;
    {
        AudioLock lock;
        frames.swap(frames_);
    }
    const bool converted =
        ConvertToDevice(bytes_.data(), bytes_.size(), format_, SoundMixer::Instance().Rate(), &frames);
    AudioLock lock;
    frames_.swap(frames);
    position_ = std::min(position_, frames_.size() / 2);
    if (!converted) {
        OutputDebugStringA("DirectSound: out of memory converting a buffer\n");
        return DSERR_OUTOFMEMORY;
    }
    return DS_OK;
}

HRESULT SoundBuffer::Play(DWORD dwReserved1, DWORD dwPriority, DWORD dwFlags) {
    if (dwReserved1 != 0 || dwPriority != 0 || dwFlags != 0) {
        OutputDebugStringA("DirectSound: Play with flags refused (only one-shot play is offered)\n");
        return DSERR_INVALIDPARAM;
    }
    SoundMixer::Instance().CheckDevice();
    if (lost_) return DSERR_BUFFERLOST;
    base::backend::PlayedSound played{
        this, static_cast<std::uint32_t>(bytes_.size()), format_.channels, format_.rate, format_.bits, 0,
        false};
    {
        AudioLock lock;
        played.wasPlaying = playing_;
        played.position = bytePosition();
        playing_ = true;
    }
    base::backend::AudioPlayed(played);
    return DS_OK;
}

HRESULT SoundBuffer::SetCurrentPosition(DWORD dwNewPosition) {
    if (dwNewPosition >= bytes_.size()) return DSERR_INVALIDPARAM;
    // The first device frame at or after the source frame that holds the byte.
    std::size_t frame = DeviceFrameCount(dwNewPosition / static_cast<DWORD>(format_.blockAlign), format_.rate,
                                         SoundMixer::Instance().Rate());
    AudioLock lock;
    position_ = std::min(frame, frames_.size() / 2);
    return DS_OK;
}

HRESULT SoundBuffer::Stop() {
    AudioLock lock;
    playing_ = false;
    return DS_OK;
}

HRESULT SoundBuffer::Restore() {
    if (!SoundMixer::Instance().EnsureOpen()) return DSERR_BUFFERLOST;
    if (!lost_) return DS_OK;
    // Fresh silent memory of the right length at the output's rate, which may differ after a loss.
    std::vector<std::int16_t> silent;
    try {
        silent.assign(2 * DeviceFrameCount(bytes_.size() / static_cast<std::size_t>(format_.blockAlign),
                                           format_.rate, SoundMixer::Instance().Rate()),
                      0);
    } catch (const std::bad_alloc&) {
        return DSERR_OUTOFMEMORY;
    }
    {
        AudioLock lock;
        frames_.swap(silent);
        position_ = 0;
    }
    lost_ = false;
    return DS_OK;
}

void SoundBuffer::MarkLost() {
    {
        AudioLock lock;
        playing_ = false;
        position_ = 0;
        std::fill(frames_.begin(), frames_.end(), 0);
    }
    std::fill(bytes_.begin(), bytes_.end(), silenceByte(format_));
    lost_ = true;
}

void SoundBuffer::MixInto(std::int32_t* acc, int frames) {
    if (!playing_) return;
    const std::size_t total = frames_.size() / 2;
    const std::size_t n = std::min(static_cast<std::size_t>(frames), total - std::min(position_, total));
    const std::int16_t* src = frames_.data() + 2 * position_;
    for (std::size_t i = 0; i < 2 * n; ++i) acc[i] += src[i];
    position_ += n;
    // A one-shot sound that reached its end stops and goes back to the start.
    if (position_ >= total) {
        playing_ = false;
        position_ = 0;
    }
}

DWORD SoundBuffer::bytePosition() const {
    std::uint64_t frame = static_cast<std::uint64_t>(position_) * static_cast<std::uint64_t>(format_.rate) /
                          static_cast<std::uint64_t>(SoundMixer::Instance().Rate());
    return static_cast<DWORD>(frame * static_cast<std::uint64_t>(format_.blockAlign));
}

}  // namespace tkp::dsound

namespace tkp::testing {
// A test hook, declared in platform/testing/test_hooks.h.
int LiveSoundBufferCount() {
    return tkp::dsound::g_liveBuffers;
}
}  // namespace tkp::testing
