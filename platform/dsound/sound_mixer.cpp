// The mixer: opens the backend's output, sums the playing buffers, notices a lost device.
#include "platform/dsound/sound_mixer.h"

#include <algorithm>
#include <new>

#include "platform/base/backend.h"
#include "platform/dsound/sound_buffer.h"
#include "platform/kernel/debug.h"

namespace tkp::dsound {

namespace {

// Frames mixed per pass: the accumulator lives on the stack.
constexpr int kChunk = 256;

}  // namespace

AudioLock::AudioLock() {
    base::backend::LockAudio();
}
AudioLock::~AudioLock() {
    base::backend::UnlockAudio();
}

// Never destroyed: an audio thread still running at exit must not find the voice list gone.
SoundMixer& SoundMixer::Instance() {
    static SoundMixer* mixer = new SoundMixer();
    return *mixer;
}

bool SoundMixer::open() {
    int rate = kWishedRate;
    if (!base::backend::OpenAudio(&rate, &SoundMixer::callback, this)) return false;
    if (rate <= 0) {
        OutputDebugStringA("DirectSound: the sound output reported no rate, closed\n");
        base::backend::CloseAudio();
        return false;
    }
    rate_ = rate;
    open_ = true;
    return true;
}

bool SoundMixer::Acquire() {
    CheckDevice();
    if (!open_ && !open()) return false;
    ++refs_;
    return true;
}

void SoundMixer::Unref() {
    if (refs_ > 0) --refs_;
    if (refs_ == 0 && open_) {
        base::backend::CloseAudio();
        open_ = false;
    }
}

void SoundMixer::CheckDevice() {
    if (!open_ || !base::backend::AudioLost()) return;
    OutputDebugStringA("DirectSound: the sound device went away, all buffers are lost\n");
    for (SoundBuffer* b : buffers_) b->MarkLost();
    base::backend::CloseAudio();
    open_ = false;
}

bool SoundMixer::EnsureOpen() {
    CheckDevice();
    return open_ || open();
}

bool SoundMixer::Add(SoundBuffer* buffer) {
    AudioLock lock;
    try {
        buffers_.push_back(buffer);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void SoundMixer::Remove(SoundBuffer* buffer) {
    AudioLock lock;
    buffers_.erase(std::remove(buffers_.begin(), buffers_.end(), buffer), buffers_.end());
}

void SoundMixer::Pull(std::int16_t* frames, int count) {
    std::int32_t acc[2 * kChunk];
    for (int done = 0; done < count;) {
        int n = std::min(kChunk, count - done);
        std::fill(acc, acc + 2 * n, 0);
        for (SoundBuffer* b : buffers_) b->MixInto(acc, n);
        std::int16_t* out = frames + 2 * done;
        for (int i = 0; i < 2 * n; ++i) out[i] = static_cast<std::int16_t>(std::clamp(acc[i], -32768, 32767));
        done += n;
    }
}

void SoundMixer::callback(std::int16_t* frames, int count, void* user) {
    static_cast<SoundMixer*>(user)->Pull(frames, count);
}

}  // namespace tkp::dsound
