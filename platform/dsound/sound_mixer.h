// The software mixer behind DirectSound: one output, shared by every device object and buffer.
#pragma once

#include <cstdint>
#include <vector>

namespace tkp::dsound {

class SoundBuffer;

// Keeps the backend's audio callback out while alive (main thread only).
class AudioLock {
  public:
    AudioLock();
    ~AudioLock();
    AudioLock(const AudioLock&) = delete;
    AudioLock& operator=(const AudioLock&) = delete;
};

class SoundMixer {
  public:
    // Rate asked of the backend; the device may answer with another one.
    static constexpr int kWishedRate = 44100;

    static SoundMixer& Instance();

    // Takes a reference on the output, opening it when closed; false when there is no device.
    bool Acquire();
    // Drops a reference; the last one closes the output.
    void Unref();
    // Notices an output the backend lost: every buffer is marked lost and the output closed.
    void CheckDevice();
    // Opens the output again after a loss closed it; false when there is still no device.
    bool EnsureOpen();
    // Frames per second of the output.
    int Rate() const { return rate_; }

    // Buffers sound while registered; both take the audio lock. Add is false when out of memory.
    bool Add(SoundBuffer* buffer);
    void Remove(SoundBuffer* buffer);

    // Fills count stereo frames with the sum of the playing buffers (audio thread, allocation-free).
    void Pull(std::int16_t* frames, int count);

  private:
    SoundMixer() = default;
    bool open();
    static void callback(std::int16_t* frames, int count, void* user);

    std::vector<SoundBuffer*> buffers_;
    int refs_ = 0;
    bool open_ = false;
    int rate_ = kWishedRate;
};

}  // namespace tkp::dsound
