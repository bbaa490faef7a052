#pragma once
#include "scoreboard/board_form.h"
#include "scoreboard/match_record_count.h"
#include "scoreboard/scoreboard_view.h"

#include "platform/forms/form.h"
#include "platform/media/media_player.h"
#include "platform/system/date_time.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace scoreboard {

class MainMatchClock;
class MainOperation;
class MainPanels;
class MediaPlayerMusic;
class MusicPlayer;

// The scoreboard form `main`: the full-screen board with the clock, the scores, the team names,
// the title, the period, the referees, the rosters, the command bar and menu, the status items
// and the panels for music, the score sheet, the options, the help and the notice box, all from
// its stored layout. Its load starts a fresh match and fills every display; it sees every key
// before the focused control; its close writes date\config.db and ends the program.
class MainForm : public plat::forms::Form, public ScoreboardView {
public:
    // The status line's date and time come from `dates` (the system's clock when null).
    explicit MainForm(const plat::sys::DateSource* dates = nullptr);
    ~MainForm() override;

    // --- public procedures ---
    // Reads the option file into the switches. Its first use loads the form, hidden.
    void systemopen();
    // Shows noticeText in the notice box `inshow`, which closes itself five seconds later.
    void inshowfame();
    // The signal sounds, and the start key run by code (the score keys do nothing here).
    void keyF5();
    void keyF6();
    void keyF7();
    void keyon(int16_t keyCode);
    // The match-record view: the archive read into the record list, and the list written back.
    void balldateinput();
    void balldateoutput();
    // The break music: play currentMp3 from its start; refresh the time text, progress and
    // volume; reload the music list.
    void mp3onplay();
    void mp();
    void mp3new();
    // The close with nobody at the board to answer a message box (a signal from outside, the
    // program going down): the same close, a failed save told on standard error only.
    void closeUnattended();

    // The media player `wplay`; it lives as long as the form.
    plat::media::MediaPlayer& wplay() { return m_wplay; }
    // The match clock (start/pause command, ConfirmReset); null while the form is not loaded.
    MainMatchClock* matchClock() const { return m_matchClock.get(); }
    // The record view, the options panel and live video; null while the form is not loaded.
    MainPanels* panels() const { return m_panels.get(); }
    // The music player of the panel `frameplay`; null while the form is not loaded.
    MusicPlayer* music() const { return m_music.get(); }
    // Its controls, bound at its load; null while the form is not loaded.
    const BoardControls* boundControls() const { return m_controls ? &*m_controls : nullptr; }

    // --- form-level state, for the parts that drive it and for tests ---
    bool keyReady() const;
    bool soundArmed() const;
    // The key handler, score buttons, command bar, menu, double-clicks and focus keeper.
    MainOperation* operation() const { return m_operation.get(); }
    bool matchBlinkPhase() const { return m_matchBlinkPhase; }
    bool musicBlinkPhase() const { return m_musicBlinkPhase; }
    int16_t noticeSecondsLeft() const { return m_noticeSecondsLeft; }

    // The version line shown in the help panel.
    static std::string versionLine();

    // --- ScoreboardView ---
    void ShowCommandBar() override;
    void HideCommandBar() override;
    void ResetClockDisplay() override;
    void ShowScores() override;
    void ShowPeriod() override;
    void hidePeriodReport() override;
    void setStartButtonCaption(std::string_view text) override;
    void stopClockTimers() override;
    void hideOvertimeLabels() override;
    void showScoreBacklight(bool visible) override;
    plat::forms::PictureRef boardIcon() const override;
    TitleColors titleColors() const override;
    void setTitleColors(const TitleColors& colors) override;
    TeamNameColors teamNameColors() const override;
    void setTeamNameColors(const TeamNameColors& colors) override;
    bool rostersShown() const override;
    void showRosters(bool visible) override;
    void reloadRostersSoon() override;

protected:
    void onLoad() override;
    void onQueryUnload(int& cancel) override;
    void onUnload(int& cancel) override;
    void onResize() override;
    void onDisplayChange() override;
    void onKeyDown(int& keyCode, int shift) override;
    void onKeyUp(int& keyCode, int shift) override;

private:
    const BoardControls& bound() const;
    void fillScreen();
    void placePanels();
    void prepareRosterLabels();
    void connectEvents();
    void connectMusic();

    // Timer1: date and time, key hints, the small clock and period, indicators, record count.
    void statusTick();
    void blink(plat::media::AlphaImage& indicator, bool active, bool& phase, std::string_view activeTip);
    // Timer10: the notice countdown.
    void noticeTick();
    // Timer12: the rosters, once.
    void rosterTick();
    // Image5: the help panel's close picture.
    void closeHelp();

    // Bound first thing at each load; empty while the form is not loaded.
    std::optional<BoardControls> m_controls;
    plat::sys::SystemDateSource m_systemDates;
    const plat::sys::DateSource* m_dates;
    plat::media::MediaPlayer m_wplay;
    MatchRecordCounter m_records;
    std::unique_ptr<MainMatchClock> m_matchClock;
    std::unique_ptr<MainOperation> m_operation;
    std::unique_ptr<MainPanels> m_panels;
    std::unique_ptr<MediaPlayerMusic> m_musicDevice;
    std::unique_ptr<MusicPlayer> m_music;

    bool m_keyReady = true;
    bool m_soundArmed = true;
    bool m_matchBlinkPhase = false;
    bool m_musicBlinkPhase = false;
    int16_t m_noticeSecondsLeft = 0;
    bool m_unattended = false;
};

} // namespace scoreboard
