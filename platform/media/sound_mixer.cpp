#include "platform/media/sound_mixer.h"
#include <algorithm>
#include <cstring>

namespace plat::media {

void SoundMixer::start(std::shared_ptr<const SoundClip> clip)
{
    m_clip = (clip && !clip->bytes.empty()) ? std::move(clip) : nullptr;
    m_position = 0;
}

void SoundMixer::stop()
{
    m_clip = nullptr;
    m_position = 0;
}

bool SoundMixer::fill(uint8_t* out, size_t length)
{
    size_t written = 0;
    bool began = false;
    if (m_clip) {
        began = m_position == 0;
        const auto& bytes = m_clip->bytes;
        written = std::min(length, bytes.size() - m_position);
        std::memcpy(out, bytes.data() + m_position, written);
        m_position += written;
        if (m_position >= bytes.size())
            stop();
    }
    std::memset(out + written, m_silence, length - written);
    return began;
}

} // namespace plat::media
