// The break-music player on the panel `frameplay` of `main`, on the media player `wplay`.
#include "scoreboard/main_form.h"
#include "scoreboard/music_device.h"
#include "scoreboard/music_player.h"

namespace scoreboard {

void MainForm::connectMusic()
{
    if (!m_musicDevice)
        m_musicDevice = std::make_unique<MediaPlayerMusic>(m_wplay);
    m_music = std::make_unique<MusicPlayer>(*this, *m_musicDevice, [this] { inshowfame(); });
}

void MainForm::mp3onplay()
{
    if (m_music)
        m_music->mp3onplay();
}

void MainForm::mp()
{
    if (m_music)
        m_music->mp();
}

void MainForm::mp3new()
{
    if (m_music)
        m_music->mp3new();
}

} // namespace scoreboard
