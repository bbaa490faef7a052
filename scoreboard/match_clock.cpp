#include "scoreboard/match_clock.h"
#include "scoreboard/match_reset.h"
#include "scoreboard/match_state.h"
#include "scoreboard/program_sound.h"

namespace scoreboard {

namespace {

constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kGreen = 0x00FF00;

constexpr std::string_view kClockNotSetNotice = "比赛时间没设置好!";
constexpr std::string_view kResetWhileRunningNotice = "程序正在计时中不能复原,请暂停后再重试!";
constexpr std::string_view kResetQuestion = "提醒：计时计分数据归零，并不保存当前数据！";
constexpr std::string_view kResetDoneNotice = "复原成功!";

std::string leaderText(const MatchState& s, std::string current)
{
    if (!s.matchStartTime.empty()) {
        if (s.scoreA > s.scoreB)
            return s.teamNameA + "暂时领先!";
        if (s.scoreA < s.scoreB)
            return s.teamNameB + "暂时领先!";
        return s.scoreA != 0 ? "双方都是实力派!" : "可惜双方都没进球!";
    }
    if (s.scoreA == s.scoreB)
        return current;
    return (s.scoreA <= s.scoreB ? s.teamNameB : s.teamNameA) + "获胜本场比赛!";
}

} // namespace

MatchClock::MatchClock(MatchClockBoard& board, const plat::sys::DateSource& dates, GameClock::TimeSource now)
    : m_board(board)
    , m_dates(dates)
    , m_time(std::move(now))
{
}

MatchClock::State MatchClock::state() const
{
    switch (m_phase) {
    case Phase::Running:
        return m_time.face().lastMinute ? State::ClockLastMinute : State::ClockRunning;
    case Phase::AtZero:
        return State::ClockAtZero;
    case Phase::Stopped:
        break;
    }
    if (m_board.timerRunning(ClockTimer::Timer4))
        return State::PeriodReport;
    if (m_board.timerRunning(ClockTimer::Timer8))
        return State::ScoreSheet;
    return user().matchOver ? State::MatchOver : State::ClockStopped;
}

void MatchClock::notice(std::string_view text)
{
    user().noticeText = std::string(text);
    m_board.inshowfame();
}

void MatchClock::startPause()
{
    MatchState& s = user();
    playProgramSound("sound\\2.wav");
    if (m_board.periodReportVisible())
        return;
    // A finished match stays finished until the reset: a restart would book it twice.
    if (s.matchOver)
        return;
    if (m_board.liveModeOn() && s.optCloseVideoOnStart)
        m_board.leaveLiveMode();
    m_board.matchMode();
    if (s.matchStartTime.empty())
        s.matchStartTime = plat::sys::nowText(m_dates);
    if (m_phase == Phase::AtZero) {
        notice(kClockNotSetNotice);
        return;
    }
    if (m_phase == Phase::Running) {
        pause();
        return;
    }
    adoptSetValue();
    if (s.clockSeconds < 0 || m_time.runOut()) {
        notice(kClockNotSetNotice);
        return;
    }
    start();
}

void MatchClock::start()
{
    MatchState& s = user();
    if (s.optStopMusicOnStart && m_board.musicPlaying())
        m_board.pauseMusic();
    m_board.setStartButton("暂停", kGreen);
    m_board.setMatchBlinkPhase(true);
    m_time.start();
    m_phase = Phase::Running;
    if (!m_time.face().lastMinute)
        m_board.hidePeriodReport();
    showFace();
    publish();
    scheduleRefresh();
}

void MatchClock::pause()
{
    m_time.pause();
    m_phase = Phase::Stopped;
    m_board.setStartButton("开始", kRed);
    m_board.stopTimer(ClockTimer::Timer2);
    m_board.stopTimer(ClockTimer::Timer3);
    showFace();
    publish();
}

void MatchClock::onTimer(ClockTimer timer)
{
    switch (timer) {
    case ClockTimer::Timer2:
    case ClockTimer::Timer3:
        if (m_phase == Phase::Running)
            refresh();
        else if (m_phase == Phase::AtZero && !m_zeroMarked && timer == ClockTimer::Timer3)
            showZeroMarks();
        else
            m_board.stopTimer(timer);
        break;
    case ClockTimer::Timer9:
        endHold();
        break;
    case ClockTimer::Timer4:
        countDown();
        break;
    case ClockTimer::Timer8:
        returnFromScoreSheet();
        break;
    }
}

void MatchClock::refresh()
{
    MatchState& s = user();
    adoptSetValue();
    ClockSignals signals = m_time.takeSignals();
    if (signals.beep && s.optTenSecondBeep)
        playProgramSound("sound\\timer.wav");
    if (signals.bell && s.optEndBell)
        playProgramSound("sound\\yes.wav");
    showFace();
    publish();
    if (!m_time.runOut()) {
        scheduleRefresh();
        return;
    }
    // "0.0": the red marks follow one last tenths tick later, then the hold.
    m_time.pause();
    m_phase = Phase::AtZero;
    m_zeroMarked = false;
    m_board.stopTimer(ClockTimer::Timer2);
    m_board.startTimer(ClockTimer::Timer3, kZeroMarkStepMs);
}

void MatchClock::showZeroMarks()
{
    showFace();
    m_board.setZeroMarkColor(kRed);
    m_board.setStartButtonColor(kRed);
    m_board.stopTimer(ClockTimer::Timer3);
    m_board.startTimer(ClockTimer::Timer9, kZeroHoldMs);
    m_zeroMarked = true;
}

void MatchClock::endHold()
{
    EndOfPeriod(m_board);
    m_board.stopTimer(ClockTimer::Timer9);
    m_phase = Phase::Stopped;
    m_zeroMarked = false;
    // The period end showed the next period's time itself.
    m_shownText.clear();
    m_board.setReportCountdownText(std::to_string(user().breakCountdown) + "秒进入比赛模式");
}

void MatchClock::countDown()
{
    MatchState& s = user();
    if (s.breakCountdown > 1) {
        s.breakCountdown = int16_t(s.breakCountdown - 1);
        m_board.setReportCountdownText(std::to_string(s.breakCountdown) + "秒进入比赛模式");
        if (s.breakCountdown >= 2) {
            m_leaderText = leaderText(s, m_leaderText);
            m_board.setLeaderText(m_leaderText);
            m_board.showLeaderText(m_board.periodReportVisible());
        }
        return;
    }
    m_board.hidePeriodReport();
    s.breakCountdown = kReportSeconds;
    m_leaderText.clear();
    m_board.setLeaderText(m_leaderText);
    if (s.matchStartTime.empty() && s.periodNumber == 4)
        m_board.showMatchScoreSheet();
    m_board.stopTimer(ClockTimer::Timer4);
    m_board.scoreSheet();
    m_board.startTimer(ClockTimer::Timer8, kScoreSheetMs);
}

void MatchClock::returnFromScoreSheet()
{
    m_board.matchMode();
    m_board.stopTimer(ClockTimer::Timer8);
}

void MatchClock::ConfirmReset()
{
    if (m_phase != Phase::Stopped) {
        notice(kResetWhileRunningNotice);
        return;
    }
    if (!m_board.confirm(kResetQuestion, "提示"))
        return;
    const bool scoreSheetShown = m_board.timerRunning(ClockTimer::Timer8);
    ResetMatch();
    // Nothing of the old match may come back over the new one, nor stay on the board.
    for (ClockTimer timer : {ClockTimer::Timer2, ClockTimer::Timer3, ClockTimer::Timer9, ClockTimer::Timer4, ClockTimer::Timer8})
        m_board.stopTimer(timer);
    if (scoreSheetShown)
        m_board.matchMode();
    MatchState& s = user();
    s.inOvertime = false;
    s.breakCountdown = kReportSeconds;
    m_leaderText.clear();
    m_board.setLeaderText(m_leaderText);
    m_board.showLeaderText(false);
    m_time.setRemainingMs(int64_t(s.clockSeconds) * 1000);
    m_shownText.clear();
    showFace();
    publish();
    notice(kResetDoneNotice);
}

bool MatchClock::adoptSetValue()
{
    const MatchState& s = user();
    if (s.clockSeconds == m_publishedSeconds && s.clockTenths == m_publishedTenths)
        return false;
    m_time.setRemainingMs(int64_t(s.clockSeconds) * 1000);
    m_shownText.clear();
    return true;
}

void MatchClock::publish()
{
    MatchState& s = user();
    const ClockFace face = m_time.face();
    int32_t seconds = 0;
    int16_t tenths = 10;
    if (!face.lastMinute)
        seconds = int32_t((m_time.remainingUs() + kUsPerSecond - 1) / kUsPerSecond);
    else if (face.tenths == 600)
        seconds = 60;
    else if (face.tenths > 0) {
        seconds = int32_t(face.tenths / 10);
        tenths = int16_t(face.tenths % 10);
    }
    s.clockSeconds = m_publishedSeconds = seconds;
    s.clockTenths = m_publishedTenths = tenths;
}

void MatchClock::showFace()
{
    const ClockFace face = m_time.face();
    const uint32_t color = face.red ? kRed : kGreen;
    if (face.text == m_shownText && color == m_shownColor)
        return;
    m_shownText = face.text;
    m_shownColor = color;
    m_board.setClockText(face.text, color);
}

void MatchClock::scheduleRefresh()
{
    auto ms = m_time.msToNextChange();
    if (!ms)
        return;
    const bool lastMinute = m_time.face().lastMinute;
    m_board.stopTimer(lastMinute ? ClockTimer::Timer2 : ClockTimer::Timer3);
    m_board.startTimer(lastMinute ? ClockTimer::Timer3 : ClockTimer::Timer2, int(*ms));
}

} // namespace scoreboard
