#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace plat::media {

// The sample format of an open audio device (SDL's format code, channels, rate).
struct AudioFormat {
    uint16_t format = 0;
    int channels = 0;
    int rate = 0;
    uint8_t silence = 0;
    int frameBytes() const;
};

// A decoded sound, already converted to the device's format so that playing it is a plain copy.
struct SoundClip {
    std::vector<uint8_t> bytes;
};

// Decodes a WAV file and converts it to `device`. Returns null for a missing, unreadable,
// broken or empty file.
std::shared_ptr<const SoundClip> decodeWavFile(const std::string& path, const AudioFormat& device);

} // namespace plat::media
