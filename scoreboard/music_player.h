#pragma once
#include "scoreboard/music_device.h"

#include "platform/forms/form.h"
#include "platform/forms/control_array.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace plat::forms {
class CommonDialog;
class Label;
class Line;
class ListBox;
class PictureBox;
class Timer;
}
namespace plat::media {
class AlphaImage;
}
namespace qel {
class qelCheck;
class qelFrame;
class qelLabel;
}

namespace scoreboard {

// The controls of the music panel `frameplay` of `main`, bound once when the player is made.
struct MusicControls {
    qel::qelFrame& frameplay;
    qel::qelFrame& qelFrame1;
    plat::forms::PictureBox& mf1; // clips the now-playing caption
    plat::forms::Label& playlab;
    qel::qelLabel& qelmp3;
    plat::forms::Label& lens;
    plat::forms::Line& lmove;
    plat::forms::ControlArray<plat::media::AlphaImage> a1;
    plat::forms::Label& mv1;
    plat::media::AlphaImage& muisc1;
    plat::forms::Label& mvul;
    plat::forms::Line& vno;
    qel::qelCheck& mute1;
    qel::qelFrame& qelFplay;
    plat::forms::ListBox& mp3list;
    plat::forms::ControlArray<qel::qelLabel> mc;
    plat::forms::Line& mclne;
    qel::qelFrame& mp3aframe;
    plat::forms::Label& copylab;
    plat::forms::ListBox& List1;
    plat::forms::CommonDialog& Caddmp3;
    plat::forms::Timer& Timer5;
    plat::forms::Timer& Timer6;
    plat::forms::Timer& Timer13;
    plat::forms::Timer& Timer14;
};

// Binds them on a loaded form: one it lacks, or of another class, throws ControlLookupError
// naming the form and the control.
MusicControls bindMusicControls(const plat::forms::Form& form);

// The break-music player on the panel `frameplay` of `main`: the list of the music folder's
// mp3 files, the transport buttons `a1` (0 previous, 1 play, 2 pause, 3 next, 4 stop) and the
// big play button, the progress track that seeks when clicked, the volume bar and the mute
// box, the now-playing caption that runs left when it is too long, and the menu that adds files
// (copied into the music folder two seconds later), deletes one or reloads the list. The track
// is `currentMp3` of the match state; the file played is always the music folder's file of
// that name.
class MusicPlayer {
public:
    // Connects the panel's events of `form`; they are let go again when the player goes.
    // `notice` shows user().noticeText in the notice box (skipped when empty).
    MusicPlayer(plat::forms::Form& form, MusicDevice& device, std::function<void()> notice = {});
    ~MusicPlayer();
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    // Plays currentMp3 from its start.
    void mp3onplay();
    // The time text, the progress line and the volume text; the next track in the last second
    // of this one.
    void mp();
    // Empties the list and fills it again from the music folder.
    void mp3new();

    // The buttons of `a1`: 0 previous, 1 play, 2 pause, 3 next, 4 stop.
    void transport(int index);
    // A press on the progress track, `x` twips from its left edge.
    void seekAt(double x);
    // A press on the volume bar, `x` twips from its left edge.
    void volumeAt(double x);
    // The menu `mc`: 0 add files, 1 delete the selected file, 2 reload the list.
    void menu(int index);

    // The ticks of Timer5 (progress and caption), Timer13 (the copy) and Timer14 (the copy
    // panel goes).
    void progressTick();
    void copyTick();
    void copyPanelTick();

    // The folder the files being added come from ("" before the first add).
    const std::string& copySourceFolder() const { return m_copySourceFolder; }

private:
    void connect();
    void disconnect();

    std::filesystem::path trackPath(const std::string& name) const;
    int entryOf(const std::string& text) const;
    // Selects a list entry by code, without it counting as the operator's click.
    void selectEntry(int index);
    void selectCurrent();
    void showPlayButton(bool playOnTop);
    void setCaption(const std::string& text, bool fromStart = true);
    void setTimeText(const std::string& text);
    void setProgressEnd(double twipsFromTrackStart);
    void showVolumeText();
    bool atLastSecond();
    // A file that cannot be played is told, and the player moves on as at its end.
    void tellUnplayable();

    void previous();
    void play();
    void pause();
    void next();
    void stop();

    void listClick();
    void listDblClick();
    void buttonHover(int index);
    void showHighlight(bool visible);
    void menuHover(int index);
    void showMenuLine(bool visible);

    void addFiles();
    void deleteSelected();
    bool copyOne(const std::string& name);

    MusicControls m_controls;
    MusicDevice& m_device;
    std::function<void()> m_notice;
    // The operator asked for sound (play, or the next track): from then on a file that does not
    // play is told. A file only loaded by a click on its entry is not.
    bool m_playWanted = false;
    std::string m_copySourceFolder;
    bool m_selectingByCode = false;
};

} // namespace scoreboard
