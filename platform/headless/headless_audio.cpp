// The headless sound device: nothing leaves the process; a test pulls the mixed frames itself.
#include "platform/headless/headless_audio.h"

#include <mutex>

namespace {

struct HeadlessAudio {
    std::mutex mutex;  // held while mixing and between LockAudio and UnlockAudio
    bool present = true;
    int rate = 44100;
    bool open = false;
    bool lost = false;
    tkp::base::backend::AudioCallback callback = nullptr;
    void* user = nullptr;
    std::mutex playedMutex;
    std::vector<tkp::headless::PlayedSound> played;
};

HeadlessAudio& audio() {
    static HeadlessAudio a;
    return a;
}

}  // namespace

namespace tkp::base::backend {

bool OpenAudio(int* rate, AudioCallback callback, void* user) {
    HeadlessAudio& a = audio();
    std::lock_guard<std::mutex> lock(a.mutex);
    if (!a.present || a.open || !callback) return false;
    a.open = true;
    a.lost = false;
    a.callback = callback;
    a.user = user;
    *rate = a.rate;
    return true;
}

void CloseAudio() {
    HeadlessAudio& a = audio();
    std::lock_guard<std::mutex> lock(a.mutex);
    a.open = false;
    a.lost = false;
    a.callback = nullptr;
    a.user = nullptr;
}

void LockAudio() {
    audio().mutex.lock();
}
void UnlockAudio() {
    audio().mutex.unlock();
}

bool AudioLost() {
    HeadlessAudio& a = audio();
    std::lock_guard<std::mutex> lock(a.mutex);
    return a.open && a.lost;
}

void AudioPlayed(const PlayedSound& sound) {
    HeadlessAudio& a = audio();
    std::lock_guard<std::mutex> lock(a.playedMutex);
    a.played.push_back(sound);
}

}  // namespace tkp::base::backend

void tkp::headless::SetAudioDevice(bool present) {
    std::lock_guard<std::mutex> lock(audio().mutex);
    audio().present = present;
}

void tkp::headless::SetAudioRate(int rate) {
    std::lock_guard<std::mutex> lock(audio().mutex);
    audio().rate = rate;
}

bool tkp::headless::AudioOpen() {
    std::lock_guard<std::mutex> lock(audio().mutex);
    return audio().open;
}

void tkp::headless::LoseAudioDevice() {
    std::lock_guard<std::mutex> lock(audio().mutex);
    audio().lost = audio().open;
}

std::vector<std::int16_t> tkp::headless::MixAudio(int frameCount) {
    HeadlessAudio& a = audio();
    std::vector<std::int16_t> frames(frameCount > 0 ? 2 * static_cast<std::size_t>(frameCount) : 0, 0);
    std::lock_guard<std::mutex> lock(a.mutex);
    // A lost device plays nothing, as a real one that went away.
    if (a.open && !a.lost && !frames.empty()) a.callback(frames.data(), frameCount, a.user);
    return frames;
}

std::vector<tkp::headless::PlayedSound> tkp::headless::PlayedSounds() {
    std::lock_guard<std::mutex> lock(audio().playedMutex);
    return audio().played;
}

void tkp::headless::ClearPlayedSounds() {
    std::lock_guard<std::mutex> lock(audio().playedMutex);
    audio().played.clear();
}
