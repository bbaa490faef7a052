#include "platform/media/sound_player.h"
#include <SDL.h>
#include <cctype>
#include <filesystem>
#include <sys/stat.h>

namespace plat::media {

namespace {

// 512 frames at 44.1 kHz is an 11.6 ms device period: the longest a started sound waits for
// the callback, and small enough buffers to stay clear of the 20 ms a horn may be late.
constexpr int kDeviceFrames = 512;

class DeviceLock {
public:
    explicit DeviceLock(uint32_t device) : m_device(device)
    {
        if (m_device)
            SDL_LockAudioDevice(m_device);
    }
    ~DeviceLock()
    {
        if (m_device)
            SDL_UnlockAudioDevice(m_device);
    }

private:
    uint32_t m_device;
};

bool statFile(const std::string& path, int64_t& modified, int64_t& size)
{
    struct stat info{};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    modified = int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    size = int64_t(info.st_size);
    return true;
}

} // namespace

SoundPlayer::SoundPlayer() = default;

SoundPlayer::~SoundPlayer()
{
    closeDevice();
}

SoundPlayer& SoundPlayer::shared()
{
    // Never destroyed: the audio thread may still run while the process exits.
    static SoundPlayer* player = new SoundPlayer;
    return *player;
}

bool SoundPlayer::open()
{
    if (m_device)
        return true;
    if (openDevice())
        return true;
    // No usable sound device: run on the silent driver so the program works the same.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    bool opened = openDevice();
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    return opened;
}

bool SoundPlayer::openDevice()
{
    if (!m_subsystemUp) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        m_subsystemUp = true;
    }
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = kDeviceFrames;
    want.callback = &SoundPlayer::audioCallback;
    want.userdata = this;
    SDL_AudioSpec have{};
    m_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have,
                                   SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_FORMAT_CHANGE |
                                       SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (!m_device) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_subsystemUp = false;
        return false;
    }
    m_format = AudioFormat{have.format, int(have.channels), have.freq, have.silence};
    m_mixer = SoundMixer(have.silence);
    m_cache.clear();
    SDL_PauseAudioDevice(m_device, 0);
    return true;
}

void SoundPlayer::closeDevice()
{
    if (m_device) {
        SDL_CloseAudioDevice(m_device);
        m_device = 0;
    }
    if (m_subsystemUp) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_subsystemUp = false;
    }
    m_playing.store(false);
}

void SoundPlayer::audioCallback(void* self, uint8_t* stream, int length)
{
    auto* player = static_cast<SoundPlayer*>(self);
    if (player->m_mixer.fill(stream, size_t(length))) {
        player->m_lastStartTicks.store(SDL_GetPerformanceCounter(), std::memory_order_release);
        player->m_started.fetch_add(1, std::memory_order_acq_rel);
    }
    player->m_playing.store(player->m_mixer.isPlaying(), std::memory_order_release);
}

std::shared_ptr<const SoundClip> SoundPlayer::clip(const std::string& path)
{
    if (!open())
        return nullptr;
    int64_t modified = 0;
    int64_t size = 0;
    if (!statFile(path, modified, size)) {
        m_cache.erase(path);
        return nullptr;
    }
    auto& entry = m_cache[path];
    if (entry.modified != modified || entry.size != size) {
        entry.modified = modified;
        entry.size = size;
        entry.clip = decodeWavFile(path, m_format);
    }
    return entry.clip;
}

bool SoundPlayer::preload(const std::string& path)
{
    return clip(path) != nullptr;
}

int SoundPlayer::preloadFolder(const std::string& folder)
{
    std::error_code error;
    int usable = 0;
    for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
        auto extension = item.path().extension().string();
        for (auto& c : extension)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        if (extension == ".wav" && preload(item.path().string()))
            ++usable;
    }
    return usable;
}

bool SoundPlayer::play(const std::string& path)
{
    auto sound = clip(path);
    if (!sound)
        return false;
    DeviceLock lock(m_device);
    m_mixer.start(std::move(sound));
    m_playing.store(true, std::memory_order_release);
    return true;
}

void SoundPlayer::stop()
{
    DeviceLock lock(m_device);
    m_mixer.stop();
    m_playing.store(false, std::memory_order_release);
}

bool SoundPlayer::isPlaying() const
{
    return m_playing.load(std::memory_order_acquire);
}

bool playSound(const std::string& path)
{
    return SoundPlayer::shared().play(path);
}

} // namespace plat::media
