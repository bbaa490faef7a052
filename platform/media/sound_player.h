#pragma once
#include "platform/media/sound_clip.h"
#include "platform/media/sound_mixer.h"
#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace plat::media {

// Short sounds from WAV files, played asynchronously on one audio device: a new sound cuts
// the one playing, a missing or broken file plays nothing. Each file is decoded once (and again
// only when it changes on disk), so a sound starts within one device period of the call.
// Use from the UI thread; the device's callback runs on SDL's audio thread.
class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // The process's player, used by playSound().
    static SoundPlayer& shared();

    // Opens the audio device (also done by the first play). Falls back to SDL's silent dummy
    // driver when no real device opens. Returns false only when not even that works.
    bool open();
    bool isOpen() const { return m_device != 0; }
    const AudioFormat& deviceFormat() const { return m_format; }

    // Starts the sound of `path`; returns false (and leaves what plays alone) when the file is
    // missing or not a usable WAV.
    bool play(const std::string& path);
    void stop();
    bool isPlaying() const;

    // Decodes `path` ahead of its first play. Returns false for a missing or broken file.
    bool preload(const std::string& path);
    // Decodes every .wav file of a folder; returns how many were usable.
    int preloadFolder(const std::string& folder);
    // The decoded clip of `path`, or null.
    std::shared_ptr<const SoundClip> clip(const std::string& path);

    // How many started sounds have had their first samples handed to the device, and the
    // performance-counter time (SDL_GetPerformanceCounter) of the latest such hand-over.
    uint64_t soundsStarted() const { return m_started.load(std::memory_order_acquire); }
    uint64_t lastStartTicks() const { return m_lastStartTicks.load(std::memory_order_acquire); }

private:
    struct CacheEntry {
        int64_t modified = 0;
        int64_t size = -1;
        std::shared_ptr<const SoundClip> clip;
    };

    static void audioCallback(void* self, uint8_t* stream, int length);
    bool openDevice();
    void closeDevice();

    uint32_t m_device = 0;
    bool m_subsystemUp = false;
    AudioFormat m_format;
    SoundMixer m_mixer;
    std::map<std::string, CacheEntry> m_cache;
    std::atomic<bool> m_playing{false};
    std::atomic<uint64_t> m_started{0};
    std::atomic<uint64_t> m_lastStartTicks{0};
};

// sndPlaySound(path, SND_ASYNC | SND_NODEFAULT) on the shared player.
bool playSound(const std::string& path);

} // namespace plat::media
