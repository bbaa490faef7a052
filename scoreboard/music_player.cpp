// The transport, the progress line, the volume and the list of the break-music player.
#include "scoreboard/music_player.h"
#include "scoreboard/match_state.h"
#include "scoreboard/music_list_loader.h"
#include "scoreboard/control_binding.h"

#include "controls/core/qel_check.h"
#include "controls/core/qel_frame.h"
#include "controls/core/qel_label.h"
#include "platform/forms/form.h"
#include "platform/forms/label.h"
#include "platform/forms/line.h"
#include "platform/forms/list_box.h"
#include "platform/forms/common_dialog.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/timer.h"
#include "platform/media/alpha_image.h"
#include "platform/system/file_system.h"
#include "platform/window/api.h"

#include <cmath>

namespace scoreboard {

namespace forms = plat::forms;
namespace sys = plat::sys;
using plat::media::AlphaImage;

namespace {

constexpr int kStopped = 1;
constexpr int kPaused = 2;
constexpr int kPlaying = 3;

constexpr std::string_view kIdleCaption = "篮球比赛播放器";
constexpr std::string_view kNoTime = "00:00/00:00";
constexpr std::string_view kUnplayableNotice = "无法播放该音乐文件--";
// The now-playing caption runs left by this much each second while it does not fit.
constexpr double kCaptionStep = 80;
// The volume bar's last 45 twips all mean full volume.
constexpr double kVolumeBarEnd = 45;
// The menu's underline starts a little left of the item under the pointer.
constexpr double kMenuLineLead = 30;
constexpr const char* kButtonTips[] = {"上一曲", "播放", "暂停", "下一曲", "停止"};

} // namespace

MusicControls bindMusicControls(const forms::Form& form)
{
    return MusicControls{
        .frameplay = form.get<qel::qelFrame>("frameplay"),
        .qelFrame1 = form.get<qel::qelFrame>("qelFrame1"),
        .mf1 = form.get<forms::PictureBox>("mf1"),
        .playlab = form.get<forms::Label>("playlab"),
        .qelmp3 = form.get<qel::qelLabel>("qelmp3"),
        .lens = form.get<forms::Label>("lens"),
        .lmove = form.get<forms::Line>("lmove"),
        .a1 = bindItems<AlphaImage>(form, "a1", 0, 4),
        .mv1 = form.get<forms::Label>("mv1"),
        .muisc1 = form.get<AlphaImage>("muisc1"),
        .mvul = form.get<forms::Label>("mvul"),
        .vno = form.get<forms::Line>("vno"),
        .mute1 = form.get<qel::qelCheck>("mute1"),
        .qelFplay = form.get<qel::qelFrame>("qelFplay"),
        .mp3list = form.get<forms::ListBox>("mp3list"),
        .mc = bindItems<qel::qelLabel>(form, "mc", 0, 2),
        .mclne = form.get<forms::Line>("mclne"),
        .mp3aframe = form.get<qel::qelFrame>("mp3aframe"),
        .copylab = form.get<forms::Label>("copylab"),
        .List1 = form.get<forms::ListBox>("List1"),
        .Caddmp3 = form.get<forms::CommonDialog>("Caddmp3"),
        .Timer5 = form.get<forms::Timer>("Timer5"),
        .Timer6 = form.get<forms::Timer>("Timer6"),
        .Timer13 = form.get<forms::Timer>("Timer13"),
        .Timer14 = form.get<forms::Timer>("Timer14"),
    };
}

MusicPlayer::MusicPlayer(forms::Form& form, MusicDevice& device, std::function<void()> notice)
    : m_controls(bindMusicControls(form))
    , m_device(device)
    , m_notice(std::move(notice))
{
    connect();
    // The play button is the one the operator needs first.
    showPlayButton(true);
    // The progress and volume lines lie on the track and the bar they mark: a press on them
    // is a press on the track or the bar.
    for (forms::Line* line : {&m_controls.lmove, &m_controls.vno, &m_controls.mclne})
        if (line->hwnd())
            plat::win::SetWindowTransparentToMouse(line->hwnd(), true);
}

MusicPlayer::~MusicPlayer() { disconnect(); }

void MusicPlayer::connect()
{
    const MusicControls& c = m_controls;
    for (int i = 0; i <= 4; ++i) {
        AlphaImage& button = c.a1[i];
        button.onClick = [this, i] { transport(i); };
        button.onMouseDown = [this](int, int, double, double) { showHighlight(true); };
        button.onMouseMove = [this, i](int, int, double, double) { buttonHover(i); };
        button.onMouseUp = [this](int, int, double, double) { showHighlight(false); };
    }
    c.muisc1.onClick = [this] { transport(1); };
    for (qel::qelFrame* frame : {&c.frameplay, &c.qelFrame1})
        frame->MouseMove = [this](int&, int&, int&, int&, int&) { showHighlight(false); };
    c.qelFplay.MouseMove = [this](int&, int&, int&, int&, int&) { showMenuLine(false); };

    forms::ListBox& entries = c.mp3list;
    entries.onClick = [this] { listClick(); };
    entries.onDblClick = [this] { listDblClick(); };
    entries.onGotFocus = [&keeper = c.Timer6] { keeper.setEnabled(false); };
    entries.onLostFocus = [&keeper = c.Timer6] { keeper.setEnabled(true); };
    entries.onMouseDown = [&entries](int, int, double, double) { entries.setToolTipText(entries.text()); };
    entries.onMouseUp = [this](int, int, double, double) { showMenuLine(true); };
    for (int i = 0; i <= 2; ++i) {
        qel::qelLabel& item = c.mc[i];
        item.MouseDown = [this, i](int&, int&, int&, int&, int&) { menu(i); };
        item.MouseMove = [this, i](int&, int&, int&, int&, int&) { menuHover(i); };
        item.MouseUp = [this](int&, int&, int&, int&, int&) { showMenuLine(true); };
    }
    c.lens.onMouseDown = [this](int, int, double x, double) { seekAt(x); };
    c.mvul.onMouseDown = [this](int, int, double x, double) { volumeAt(x); };
    c.mute1.Click = [this, &mute = c.mute1] { m_device.setMute(mute.Value() == 1); };

    c.Timer5.onTimer = [this] { progressTick(); };
    c.Timer13.onTimer = [this] { copyTick(); };
    c.Timer14.onTimer = [this] { copyPanelTick(); };
}

void MusicPlayer::disconnect()
{
    const MusicControls& c = m_controls;
    for (int i = 0; i <= 4; ++i) {
        AlphaImage& button = c.a1[i];
        button.onClick = nullptr;
        button.onMouseDown = button.onMouseMove = button.onMouseUp = nullptr;
    }
    c.muisc1.onClick = nullptr;
    for (qel::qelFrame* frame : {&c.frameplay, &c.qelFrame1, &c.qelFplay})
        frame->MouseMove = nullptr;
    forms::ListBox& entries = c.mp3list;
    entries.onClick = entries.onDblClick = nullptr;
    entries.onGotFocus = entries.onLostFocus = nullptr;
    entries.onMouseDown = entries.onMouseUp = nullptr;
    for (int i = 0; i <= 2; ++i) {
        qel::qelLabel& item = c.mc[i];
        item.MouseDown = item.MouseMove = item.MouseUp = nullptr;
    }
    for (forms::Label* label : {&c.lens, &c.mvul})
        label->onMouseDown = nullptr;
    c.mute1.Click = nullptr;
    for (forms::Timer* t : {&c.Timer5, &c.Timer13, &c.Timer14})
        t->onTimer = nullptr;
}

// --- helpers ---

// The list shows names that are not UTF-8 in the code page; the file keeps its own bytes.
std::filesystem::path MusicPlayer::trackPath(const std::string& name) const { return sys::entryPath(musicFolderPath(), name); }

int MusicPlayer::entryOf(const std::string& text) const
{
    const forms::ListBox& entries = m_controls.mp3list;
    if (text.empty())
        return -1;
    for (int i = 0; i < entries.listCount(); ++i)
        if (entries.list(i) == text)
            return i;
    return -1;
}

// A selection made by the player is no choice of the operator's: the list's Click, which would
// load the entry, is not run for it.
void MusicPlayer::selectEntry(int index)
{
    m_selectingByCode = true;
    m_controls.mp3list.setListIndex(index);
    m_selectingByCode = false;
}

void MusicPlayer::selectCurrent()
{
    const int index = entryOf(user().currentMp3);
    if (index >= 0)
        selectEntry(index);
}

// Play and pause share one place: the button for the next action is the one shown.
void MusicPlayer::showPlayButton(bool playOnTop)
{
    AlphaImage& playButton = m_controls.a1[1];
    AlphaImage& pauseButton = m_controls.a1[2];
    playButton.setVisible(playOnTop);
    pauseButton.setVisible(!playOnTop);
    (playOnTop ? playButton : pauseButton).zOrder(0);
}

// The caption is as wide as its text, and at least as wide as its clipping frame, so that a
// long one can run through the frame.
void MusicPlayer::setCaption(const std::string& text, bool fromStart)
{
    forms::Label* caption = &m_controls.playlab;
    const double top = caption->top(), height = caption->height();
    caption->setAutoSize(true);
    caption->setCaption(text);
    const double textWidth = caption->width();
    caption->setAutoSize(false);
    const double width = std::max(textWidth, m_controls.mf1.width());
    caption->move(fromStart ? 0 : caption->left(), top, width, height);
}

void MusicPlayer::setTimeText(const std::string& text)
{
    m_controls.qelmp3.setCaption(text);
}

// The progress line starts where the track does; its end is drawn `twipsFromTrackStart` on.
void MusicPlayer::setProgressEnd(double twipsFromTrackStart)
{
    m_controls.lmove.setX2(m_controls.lens.left() + twipsFromTrackStart);
}

void MusicPlayer::showVolumeText()
{
    m_controls.mute1.setCaption("静音 " + std::to_string(m_device.volume()));
}

// --- public procedures ---

void MusicPlayer::mp3onplay()
{
    const std::string& current = user().currentMp3;
    if (current.empty())
        return;
    m_device.setURL(trackPath(current).string());
    m_device.play();
    m_playWanted = true;
    m_device.setMute(m_controls.mute1.Value() == 1);
    selectCurrent();
    setCaption(m_device.URL().empty() ? std::string() : "正在播放--" + m_device.mediaName());
    m_controls.Timer5.setEnabled(true);
}

// The last second of the track: the tick that lands in it moves on to the next one. A track
// shorter than two seconds has no such second before its start; it ends as its last second
// begins instead of being skipped at once.
bool MusicPlayer::atLastSecond()
{
    const double length = m_device.duration();
    const double position = m_device.currentPosition();
    if (!(length > 0) || !std::isfinite(position) || position <= 0)
        return false;
    if (length < 2)
        return position >= length - 1;
    return std::floor(length) - 1 == std::floor(position);
}

void MusicPlayer::tellUnplayable()
{
    user().noticeText = std::string(kUnplayableNotice) + std::filesystem::path(m_device.URL()).filename().string();
    if (m_notice)
        m_notice();
    transport(3);
}

void MusicPlayer::mp()
{
    if (m_playWanted && !m_device.URL().empty() && m_device.mediaFailed()) {
        tellUnplayable();
        return;
    }
    if (!m_device.URL().empty()) {
        setTimeText(m_device.currentPositionString() + "/" + m_device.durationString());
        const double length = m_device.duration();
        if (length > 0) {
            const double fraction = std::clamp(m_device.currentPosition() / length, 0.0, 1.0);
            setProgressEnd(std::floor(fraction * m_controls.lens.width()));
        }
        // A file cut short ends where its sound does, as a whole one ends in its last second.
        if ((m_device.playState() == kPlaying && atLastSecond()) || m_device.endedEarly())
            transport(3);
    } else {
        setTimeText(std::string(kNoTime));
    }
    showVolumeText();
}

void MusicPlayer::mp3new()
{
    m_controls.mp3list.clear();
    m_selectingByCode = true;
    LoadMusicList(musicFolderPath());
    m_selectingByCode = false;
}

// --- transport ---

void MusicPlayer::transport(int index)
{
    showHighlight(false);
    switch (index) {
    case 0: previous(); break;
    case 1: play(); break;
    case 2: pause(); break;
    case 3: next(); break;
    case 4: stop(); break;
    default: break;
    }
}

// The entry before the current track; on the first entry the first track starts again.
void MusicPlayer::previous()
{
    forms::ListBox* entries = &m_controls.mp3list;
    if (entries->listCount() < 1 || entries->listIndex() == 0)
        return;
    m_device.stop();
    int from = entryOf(user().currentMp3);
    if (from < 0)
        from = entries->listIndex();
    const int to = std::max(from - 1, 0);
    user().currentMp3 = entries->list(to);
    selectEntry(to);
    play();
}

void MusicPlayer::play()
{
    std::string& current = user().currentMp3;
    if (current.empty()) {
        showPlayButton(true);
        return;
    }
    const std::string selected = m_controls.mp3list.text();
    // Resume only the very file that was paused.
    const bool resume = selected == current && m_device.playState() == kPaused
        && m_device.URL() == trackPath(current).string();
    if (resume) {
        m_device.play();
        m_playWanted = true;
        setCaption("正在播放--" + m_device.mediaName(), false);
    } else {
        current = selected;
        mp3onplay();
    }
    showPlayButton(m_device.playState() != kPlaying);
    mp();
    m_controls.Timer5.setEnabled(true);
}

void MusicPlayer::pause()
{
    m_playWanted = false;
    m_device.pause();
    selectCurrent();
    showPlayButton(true);
    m_controls.Timer5.setEnabled(false);
    setCaption(m_device.URL().empty() ? std::string() : "暂停播放--" + m_device.mediaName());
}

// The entry after the current track; after the last one there is none and the music stops.
void MusicPlayer::next()
{
    forms::ListBox* entries = &m_controls.mp3list;
    if (entries->listIndex() >= entries->listCount())
        return;
    stop();
    int from = entryOf(user().currentMp3);
    if (from < 0)
        from = entries->listIndex();
    const int to = from + 1;
    user().currentMp3 = to < entries->listCount() ? entries->list(to) : std::string();
    selectEntry(to < entries->listCount() ? to : -1);
    play();
}

void MusicPlayer::stop()
{
    pause();
    setProgressEnd(0);
    m_device.setURL("");
    m_device.stop();
    setCaption(std::string(kIdleCaption));
    setTimeText(std::string(kNoTime));
    setProgressEnd(2);
    m_controls.Timer5.setEnabled(false);
}

// --- progress, seeking and volume ---

void MusicPlayer::progressTick()
{
    m_device.poll();
    mp();
    forms::Label* caption = &m_controls.playlab;
    const forms::PictureBox* clip = &m_controls.mf1;
    if (m_device.playState() != kPlaying || caption->width() <= clip->width())
        return;
    if (caption->left() > clip->width() - caption->width())
        caption->setLeft(caption->left() - kCaptionStep);
    else
        caption->setLeft(0);
}

void MusicPlayer::seekAt(double x)
{
    const forms::Label* track = &m_controls.lens;
    if (track->width() <= 0)
        return;
    const double length = m_device.duration();
    if (length > 0)
        m_device.setCurrentPosition(std::floor(std::clamp(x / track->width(), 0.0, 1.0) * length));
    if (!m_device.URL().empty() && m_device.playState() != kStopped)
        setProgressEnd(std::clamp(x, 0.0, track->width()));
}

void MusicPlayer::volumeAt(double x)
{
    const forms::Label* bar = &m_controls.mvul;
    const double room = bar->width() - kVolumeBarEnd;
    m_controls.vno.setX2(bar->left() + std::clamp(x, 0.0, bar->width()));
    if (room > 0)
        m_device.setVolume(int(std::floor(std::clamp(x / room, 0.0, 1.0) * 100)));
    showVolumeText();
}

// --- the list ---

// A click on an entry while nothing plays loads it, ready to play.
void MusicPlayer::listClick()
{
    forms::ListBox* entries = &m_controls.mp3list;
    if (m_selectingByCode || entries->listCount() < 1 || entries->listIndex() < 0)
        return;
    if (m_device.playState() != kStopped)
        return;
    user().currentMp3 = entries->text();
    m_device.setURL(trackPath(user().currentMp3).string());
    m_device.pause();
}

void MusicPlayer::listDblClick()
{
    forms::ListBox* entries = &m_controls.mp3list;
    if (entries->listCount() < 1 || entries->listIndex() < 0)
        return;
    user().currentMp3 = entries->text();
    play();
}

// --- pointer feedback ---

void MusicPlayer::showHighlight(bool visible)
{
    m_controls.mv1.setVisible(visible);
}

void MusicPlayer::buttonHover(int index)
{
    AlphaImage* button = &m_controls.a1[index];
    forms::Label* highlight = &m_controls.mv1;
    highlight->setVisible(true);
    highlight->setLeft(button->left());
    button->setToolTipText(kButtonTips[index]);
}

void MusicPlayer::showMenuLine(bool visible)
{
    m_controls.mclne.setVisible(visible);
}

void MusicPlayer::menuHover(int index)
{
    qel::qelLabel* item = &m_controls.mc[index];
    forms::Line* line = &m_controls.mclne;
    item->setToolTipText(item->Caption());
    const double length = line->x2() - line->x1();
    const double start = item->left() - kMenuLineLead;
    line->setPoints(start, line->y1(), start + length, line->y2());
    line->setVisible(true);
}

} // namespace scoreboard
