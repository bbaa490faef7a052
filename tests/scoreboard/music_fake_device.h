#pragma once
#include "scoreboard/music_device.h"

#include "platform/backend/session.h"
#include "platform/media/time_text.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>

namespace scoreboard::test {

// A media player on the session's virtual clock: a loaded file plays at real pace in virtual
// time, and at its end turns to stopped at position 0, as the real player does. Lengths are
// given by file name (200 s when not given); a file that does not exist does not load. A file
// named in `unplayable` loads and fails as a damaged file does; one named in `soundEnds` gives
// its length but its sound ends at the second given there.
class FakeMusic : public MusicDevice {
public:
    explicit FakeMusic(plat::backend::HeadlessSession& session)
        : m_session(session)
    {
    }

    std::map<std::string, double> lengths;
    std::set<std::string> unplayable;
    std::map<std::string, double> soundEnds;
    bool muted = false;
    int setURLCount = 0;

    void setURL(const std::string& path) override
    {
        ++setURLCount;
        m_url = path;
        m_state = 1;
        m_position = 0;
        m_loaded = !path.empty() && std::filesystem::exists(path);
        const std::string name = std::filesystem::path(path).filename().string();
        m_length = !m_loaded ? 0 : lengths.count(name) ? lengths[name] : 200;
        m_failed = m_loaded && unplayable.count(name) > 0;
        m_soundEnd = soundEnds.count(name) ? soundEnds[name] : m_length;
        m_endedEarly = false;
    }
    std::string URL() const override { return m_url; }
    int playState() override
    {
        update();
        return m_state;
    }
    void play() override
    {
        update();
        if (!m_loaded || m_failed)
            return;
        m_endedEarly = false;
        m_state = 3;
        m_since = m_session.nowMs();
    }
    void pause() override
    {
        update();
        if (m_loaded)
            m_state = 2;
    }
    void stop() override
    {
        m_state = 1;
        m_position = 0;
    }
    double currentPosition() override
    {
        update();
        return m_position;
    }
    void setCurrentPosition(double seconds) override
    {
        update();
        if (m_loaded)
            m_position = std::clamp(seconds, 0.0, m_length);
        m_since = m_session.nowMs();
    }
    std::string currentPositionString() override { return plat::media::minutesSecondsText(currentPosition()); }
    std::string mediaName() override { return m_url.empty() ? std::string() : std::filesystem::path(m_url).stem().string(); }
    double duration() override { return m_length; }
    std::string durationString() override { return plat::media::minutesSecondsText(m_length); }
    void setMute(bool mute) override { muted = mute; }
    void setVolume(int volume) override { m_volume = std::clamp(volume, 0, 100); }
    int volume() override { return m_volume; }
    void poll() override { update(); }
    bool mediaFailed() override { return m_failed; }
    bool endedEarly() override
    {
        update();
        return m_endedEarly;
    }

private:
    void update()
    {
        if (m_state != 3)
            return;
        const int64_t now = m_session.nowMs();
        m_position += double(now - m_since) / 1000.0;
        m_since = now;
        if (m_position >= m_soundEnd) {
            m_endedEarly = m_soundEnd < m_length - 1;
            m_state = 1;
            m_position = 0;
        }
    }

    plat::backend::HeadlessSession& m_session;
    std::string m_url;
    int m_state = 1;
    bool m_loaded = false;
    double m_position = 0;
    double m_length = 0;
    double m_soundEnd = 0;
    bool m_failed = false;
    bool m_endedEarly = false;
    int64_t m_since = 0;
    int m_volume = 50;
};

} // namespace scoreboard::test
