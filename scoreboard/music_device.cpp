#include "scoreboard/music_device.h"

#include "platform/media/media_player.h"

namespace scoreboard {

void MediaPlayerMusic::setURL(const std::string& path) { m_player.setURL(path); }
std::string MediaPlayerMusic::URL() const { return m_player.URL(); }
int MediaPlayerMusic::playState() { return m_player.playState(); }
void MediaPlayerMusic::play() { m_player.controls.play(); }
void MediaPlayerMusic::pause() { m_player.controls.pause(); }
void MediaPlayerMusic::stop() { m_player.controls.stop(); }
double MediaPlayerMusic::currentPosition() { return m_player.controls.currentPosition(); }
void MediaPlayerMusic::setCurrentPosition(double seconds) { m_player.controls.setCurrentPosition(seconds); }
std::string MediaPlayerMusic::currentPositionString() { return m_player.controls.currentPositionString(); }
std::string MediaPlayerMusic::mediaName() { return m_player.currentMedia.name(); }
double MediaPlayerMusic::duration() { return m_player.currentMedia.duration(); }
std::string MediaPlayerMusic::durationString() { return m_player.currentMedia.durationString(); }
void MediaPlayerMusic::setMute(bool mute) { m_player.settings.setMute(mute); }
void MediaPlayerMusic::setVolume(int volume) { m_player.settings.setVolume(volume); }
int MediaPlayerMusic::volume() { return m_player.settings.volume(); }
void MediaPlayerMusic::poll() { m_player.poll(); }
bool MediaPlayerMusic::mediaFailed() { return m_player.mediaFailed(); }
bool MediaPlayerMusic::endedEarly() { return m_player.endedEarly(); }

} // namespace scoreboard
