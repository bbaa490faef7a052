#pragma once
#include "platform/media/sound_clip.h"
#include <cstdint>
#include <memory>

namespace plat::media {

// One voice of short sounds: starting a clip cuts the one that is playing.
// Not synchronised: the owner serialises start/stop against fill (the audio device lock).
class SoundMixer {
public:
    explicit SoundMixer(uint8_t silence = 0) : m_silence(silence) {}

    void start(std::shared_ptr<const SoundClip> clip);
    void stop();
    bool isPlaying() const { return m_clip != nullptr; }

    // Writes the next `length` bytes of output (the clip, then silence).
    // Returns true when this call handed out the first bytes of a newly started clip.
    bool fill(uint8_t* out, size_t length);

private:
    uint8_t m_silence;
    std::shared_ptr<const SoundClip> m_clip;
    size_t m_position = 0;
};

} // namespace plat::media
