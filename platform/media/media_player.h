#pragma once
#include <memory>
#include <string>

namespace plat::media {

// The play states the callers test.
enum PlayState : int {
    PlayStateStopped = 1,
    PlayStatePaused = 2,
    PlayStatePlaying = 3,
};

// The media player of the scoreboard (break music): one file at a time, MP3 or WAV, on a
// GStreamer playbin. Its members follow the player's automation interface, grouped the same
// way: `URL`, `playState`, `controls`, `currentMedia`, `settings`.
//
// Everything runs on the owner's (UI) thread: GStreamer's messages wait on its bus and are
// taken by poll(), which every reading member also calls first, so a state that is read is
// never older than the last message. The end of the media comes from the bus: the player
// turns to stopped at position 0.
class MediaPlayer {
public:
    struct Options {
        // Sound goes to a silent sink that keeps real-time pace (headless runs and tests).
        bool silentAudio = false;
    };
    // The default options take silentAudio from the environment (silentAudioWanted()).
    MediaPlayer();
    explicit MediaPlayer(Options options);
    ~MediaPlayer();
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    // Writing a path loads that file (stopped, at its start); the empty text unloads.
    // Reading gives the text last written.
    void setURL(const std::string& path);
    const std::string& URL() const;

    // PlayStateStopped, PlayStatePaused or PlayStatePlaying. Nothing loaded, a file that failed
    // to load and the end of the media all read stopped.
    int playState();

    // The loaded file cannot be played (empty, damaged, not audio): it reads stopped, at 0.
    bool mediaFailed();
    // The file ended more than a second before the length it gave (cut short): it reads
    // stopped, at 0, as at its end. Cleared by the next play, seek or load.
    bool endedEarly();

    // Takes GStreamer's pending messages (end of media, errors, preroll, seeks done).
    // The owner may call it from a timer; the reading members call it too.
    void poll();

    class Controls {
    public:
        // Starts, or resumes where paused.
        void play();
        void pause();
        // Stops and goes back to the start.
        void stop();
        // Seconds from the start. Writing seeks (clamped to the media); while GStreamer cannot
        // answer (before the file is ready, during a seek) the last known or sought value is kept.
        double currentPosition();
        void setCurrentPosition(double seconds);
        std::string currentPositionString();

    private:
        friend class MediaPlayer;
        explicit Controls(MediaPlayer& player) : m_player(player) {}
        MediaPlayer& m_player;
    };

    class Media {
    public:
        // The display name: the file name without its folder and extension.
        std::string name() const;
        // Seconds; 0 until known (kept once known).
        double duration();
        std::string durationString();

    private:
        friend class MediaPlayer;
        explicit Media(MediaPlayer& player) : m_player(player) {}
        MediaPlayer& m_player;
    };

    class Settings {
    public:
        void setMute(bool mute);
        bool mute() const;
        // 0 to 100 (values outside are clamped); kept across files.
        void setVolume(int volume);
        int volume() const;

    private:
        friend class MediaPlayer;
        explicit Settings(MediaPlayer& player) : m_player(player) {}
        MediaPlayer& m_player;
    };

    Controls controls{*this};
    Media currentMedia{*this};
    Settings settings{*this};

    // Whether the player's own context menu may open (the scoreboard switches it off).
    void setEnableContextMenu(bool enabled) { m_contextMenu = enabled; }
    bool enableContextMenu() const { return m_contextMenu; }

private:
    struct Pipeline;

    void play();
    void pause();
    void stop();
    double position();
    void seek(double seconds);
    double duration();
    void setMute(bool mute);
    void setVolume(int volume);

    Options m_options;
    std::string m_url;
    std::string m_name;
    bool m_contextMenu = true;
    bool m_mute = false;
    int m_volume = 50;
    std::unique_ptr<Pipeline> m_pipeline;
};

} // namespace plat::media
