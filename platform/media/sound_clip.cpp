#include "platform/media/sound_clip.h"
#include <SDL.h>
#include <algorithm>

namespace plat::media {

int AudioFormat::frameBytes() const
{
    return int(SDL_AUDIO_BITSIZE(format) / 8) * channels;
}

namespace {

struct WavData {
    Uint8* buffer = nullptr;
    ~WavData()
    {
        if (buffer)
            SDL_FreeWAV(buffer);
    }
};

} // namespace

std::shared_ptr<const SoundClip> decodeWavFile(const std::string& path, const AudioFormat& device)
{
    if (device.frameBytes() <= 0)
        return nullptr;
    SDL_AudioSpec spec{};
    WavData wav;
    Uint32 length = 0;
    if (!SDL_LoadWAV(path.c_str(), &spec, &wav.buffer, &length))
        return nullptr;
    if (length == 0)
        return nullptr;

    // The whole file converts in one pass (an audio stream would hold back its resampler's tail).
    SDL_AudioCVT cvt{};
    int built = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, device.format,
                                  Uint8(device.channels), device.rate);
    if (built < 0)
        return nullptr;
    auto clip = std::make_shared<SoundClip>();
    clip->bytes.assign(wav.buffer, wav.buffer + length);
    if (built > 0) {
        clip->bytes.resize(size_t(length) * size_t(std::max(cvt.len_mult, 1)));
        cvt.buf = clip->bytes.data();
        cvt.len = int(length);
        if (SDL_ConvertAudio(&cvt) != 0)
            return nullptr;
        clip->bytes.resize(size_t(cvt.len_cvt));
    }
    int got = int(clip->bytes.size());
    const int frame = device.frameBytes();
    clip->bytes.resize(size_t(got - got % frame));
    if (clip->bytes.empty())
        return nullptr;
    return clip;
}

} // namespace plat::media
