#pragma once
#include <string>

namespace plat::media {
class MediaPlayer;
}

namespace scoreboard {

// What the music player asks of the media player `wplay`: the loaded file, its play state
// (1 stopped, 2 paused, 3 playing), the transport, the position and the length, volume and mute.
class MusicDevice {
public:
    virtual ~MusicDevice() = default;

    // Writing a path loads that file; the empty text unloads it.
    virtual void setURL(const std::string& path) = 0;
    virtual std::string URL() const = 0;
    virtual int playState() = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    // Seconds from the start; writing seeks.
    virtual double currentPosition() = 0;
    virtual void setCurrentPosition(double seconds) = 0;
    virtual std::string currentPositionString() = 0;
    // The loaded file's display name, its length in seconds and as "mm:ss".
    virtual std::string mediaName() = 0;
    virtual double duration() = 0;
    virtual std::string durationString() = 0;
    virtual void setMute(bool mute) = 0;
    // 0 to 100.
    virtual void setVolume(int volume) = 0;
    virtual int volume() = 0;
    // Takes the player's pending news (end of the media, errors).
    virtual void poll() = 0;
    // The loaded file cannot be played (empty, damaged, not music).
    virtual bool mediaFailed() = 0;
    // The loaded file ended well before the length it gave (cut short).
    virtual bool endedEarly() = 0;
};

// The media player of the scoreboard as a music device.
class MediaPlayerMusic : public MusicDevice {
public:
    explicit MediaPlayerMusic(plat::media::MediaPlayer& player)
        : m_player(player)
    {
    }

    void setURL(const std::string& path) override;
    std::string URL() const override;
    int playState() override;
    void play() override;
    void pause() override;
    void stop() override;
    double currentPosition() override;
    void setCurrentPosition(double seconds) override;
    std::string currentPositionString() override;
    std::string mediaName() override;
    double duration() override;
    std::string durationString() override;
    void setMute(bool mute) override;
    void setVolume(int volume) override;
    int volume() override;
    void poll() override;
    bool mediaFailed() override;
    bool endedEarly() override;

private:
    plat::media::MediaPlayer& m_player;
};

} // namespace scoreboard
