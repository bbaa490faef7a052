#include "scoreboard/main_clock_board.h"
#include "scoreboard/board_faces.h"
#include "scoreboard/control_binding.h"
#include "scoreboard/fitted_caption.h"
#include "scoreboard/required_hooks.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"
#include "controls/core/qel_label.h"
#include "platform/forms/form.h"
#include "platform/forms/label.h"
#include "platform/forms/line.h"
#include "platform/forms/message_box.h"
#include "platform/forms/timer.h"

#include <string>

namespace scoreboard {

namespace forms = plat::forms;

namespace {

constexpr const char* kTimerNames[] = {"Timer2", "Timer3", "Timer9", "Timer4", "Timer8"};
constexpr ClockTimer kTimers[] = {ClockTimer::Timer2, ClockTimer::Timer3, ClockTimer::Timer9, ClockTimer::Timer4, ClockTimer::Timer8};

// The report panel's place while it shows (twips).
constexpr double kReportLeft = 1790, kReportTop = 20, kReportWidth = 11670, kReportHeight = 4095;

} // namespace

ClockControls bindClockControls(const forms::Form& form)
{
    ClockControls controls{
        .qelf1 = form.get<qel::qelFrame>("qelf1"),
        .showtime = form.get<qel::qelFrame>("showtime"),
        .Line11 = bindItems<forms::Line>(form, "Line11", 2, 3),
        .balltime = form.get<qel::qelLabel>("balltime"),
        .look = form.get<qel::qelFrame>("look"),
        .vlook1 = bindItems<qel::qelLabel>(form, "vlook1", 0, 1),
        .onename = form.get<qel::qelLabel>("onename"),
        .vtime = form.get<qel::qelLabel>("vtime"),
        .addtimelab = bindItems<forms::Label>(form, "addtimelab", 0, 1),
        .ok = form.get<qel::qelCommand>("ok"),
        .line8 = form.get<forms::Line>("line8"),
        .balldate = form.get<qel::qelFrame>("balldate"),
        .lookdate = form.get<qel::qelCommand>("lookdate"),
        .timers = {},
    };
    for (ClockTimer which : kTimers)
        controls.timers[size_t(which)] = &form.get<forms::Timer>(kTimerNames[int(which)]);
    return controls;
}

MainClockBoard::MainClockBoard(ClockControls controls, Hooks hooks)
    : m_controls(std::move(controls))
    , m_hooks(std::move(hooks))
{
    const Hooks& h = m_hooks;
    requireHooks("MainClockBoard",
        {{"ResetClockDisplay", h.ResetClockDisplay}, {"ShowPeriod", h.ShowPeriod}, {"ShowPeriodTable", h.ShowPeriodTable},
            {"matchMode", h.matchMode}, {"scoreSheet", h.scoreSheet}, {"inshowfame", h.inshowfame},
            {"liveModeOn", h.liveModeOn}, {"leaveLiveMode", h.leaveLiveMode}, {"musicPlaying", h.musicPlaying},
            {"pauseMusic", h.pauseMusic}, {"setMatchBlinkPhase", h.setMatchBlinkPhase}});
}

void MainClockBoard::connect(MatchClock& clock)
{
    for (ClockTimer which : kTimers)
        timer(which).onTimer = [&clock, which] { clock.onTimer(which); };
    m_controls.ok.Click = [&clock] { clock.startPause(); };
}

void MainClockBoard::startTimer(ClockTimer which, int ms)
{
    forms::Timer& t = timer(which);
    t.setInterval(ms);
    t.setEnabled(true);
}

void MainClockBoard::stopTimer(ClockTimer which) { timer(which).setEnabled(false); }

bool MainClockBoard::timerRunning(ClockTimer which) const
{
    const forms::Timer& t = timer(which);
    return t.enabled() && t.isRunning();
}

void MainClockBoard::setStartButton(std::string_view caption, uint32_t backColor)
{
    setStartButtonCaption(caption);
    setStartButtonColor(backColor);
}

void MainClockBoard::setStartButtonColor(uint32_t backColor)
{
    m_controls.ok.setBackColor1(backColor);
    m_controls.ok.setBackColorPushed1(backColor);
}

void MainClockBoard::setStartButtonCaption(std::string_view text) { m_controls.ok.setCaption(std::string(text)); }

void MainClockBoard::setClockText(std::string_view text, uint32_t color)
{
    m_controls.balltime.setCaption(std::string(text));
    m_controls.balltime.setForeColor(color);
}

void MainClockBoard::setClockColor(uint32_t color) { m_controls.balltime.setForeColor(color); }

bool MainClockBoard::periodReportVisible() const { return m_controls.look.visible(); }

void MainClockBoard::hidePeriodReport() { m_controls.look.setVisible(false); }

void MainClockBoard::showPeriodReport() { m_controls.look.setVisible(true); }

void MainClockBoard::placePeriodReport() { m_controls.look.move(kReportLeft, kReportTop, kReportWidth, kReportHeight); }

void MainClockBoard::setReportCountdownText(std::string_view text) { m_controls.vtime.setCaption(std::string(text)); }

void MainClockBoard::setLeaderText(std::string_view text)
{
    showFitted({&m_controls.onename}, std::string(text), kLeaderPoints);
}

void MainClockBoard::showLeaderText(bool visible) { m_controls.onename.setVisible(visible); }

void MainClockBoard::showMatchScoreSheet()
{
    m_hooks.ShowPeriodTable();
    m_controls.balldate.setVisible(true);
    m_controls.balldate.zOrder(0);
    m_controls.lookdate.setVisible(true);
}

void MainClockBoard::setZeroMarkColor(uint32_t color)
{
    m_controls.showtime.setBorderColor(color);
    m_controls.qelf1.setBorderColor(color);
    m_controls.line8.setBorderColor(color);
    for (int index : {2, 3})
        m_controls.Line11[index].setBorderColor(color);
}

void MainClockBoard::setReportLines(std::string_view first, std::string_view second)
{
    m_controls.vlook1[0].setCaption(std::string(first));
    m_controls.vlook1[1].setCaption(std::string(second));
}

void MainClockBoard::showOvertimeLabels(bool visible)
{
    for (int index : {0, 1})
        m_controls.addtimelab[index].setVisible(visible);
}

void MainClockBoard::bringClockPanelToFront() { m_controls.showtime.zOrder(0); }

bool MainClockBoard::confirm(std::string_view text, std::string_view title)
{
    return forms::msgBox(std::string(text), forms::vbOKCancel, std::string(title)) == forms::vbOK;
}

MainMatchClock::MainMatchClock(forms::Form& form, MainClockBoard::Hooks hooks, const plat::sys::DateSource& dates)
    : m_board(bindClockControls(form), std::move(hooks))
    , m_clock(m_board, dates)
{
    for (ClockTimer which : kTimers)
        m_board.stopTimer(which);
    m_board.connect(m_clock);
}

MainMatchClock::~MainMatchClock()
{
    for (ClockTimer which : kTimers)
        m_board.stopTimer(which);
    for (forms::Timer* t : m_board.controls().timers)
        t->onTimer = nullptr;
    m_board.controls().ok.Click = nullptr;
}

} // namespace scoreboard
