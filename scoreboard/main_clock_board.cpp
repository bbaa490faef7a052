#include "scoreboard/main_clock_board.h"
#include "scoreboard/board_faces.h"
#include "scoreboard/fitted_caption.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"
#include "controls/core/qel_label.h"
#include "platform/forms/form.h"
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

MainClockBoard::MainClockBoard(forms::Form& form, Hooks hooks)
    : m_form(form)
    , m_hooks(std::move(hooks))
{
}

forms::Timer* MainClockBoard::timer(ClockTimer which) const { return &m_form.get<forms::Timer>(kTimerNames[int(which)]); }

void MainClockBoard::connect(MatchClock& clock)
{
    for (ClockTimer which : kTimers)
        if (forms::Timer* t = timer(which))
            t->onTimer = [&clock, which] { clock.onTimer(which); };
    if (auto* ok = &m_form.get<qel::qelCommand>("ok"))
        ok->Click = [&clock] { clock.startPause(); };
}

void MainClockBoard::startTimer(ClockTimer which, int ms)
{
    if (forms::Timer* t = timer(which)) {
        t->setInterval(ms);
        t->setEnabled(true);
    }
}

void MainClockBoard::stopTimer(ClockTimer which)
{
    if (forms::Timer* t = timer(which))
        t->setEnabled(false);
}

bool MainClockBoard::timerRunning(ClockTimer which) const
{
    forms::Timer* t = timer(which);
    return t && t->enabled() && t->isRunning();
}

void MainClockBoard::setStartButton(std::string_view caption, uint32_t backColor)
{
    setStartButtonCaption(caption);
    setStartButtonColor(backColor);
}

void MainClockBoard::setStartButtonColor(uint32_t backColor)
{
    auto& ok = m_form.get<qel::qelCommand>("ok");
    ok.setBackColor1(backColor);
    ok.setBackColorPushed1(backColor);
}

void MainClockBoard::setStartButtonCaption(std::string_view text)
{
    m_form.get<qel::qelCommand>("ok").setCaption(std::string(text));
}

void MainClockBoard::setClockText(std::string_view text, uint32_t color)
{
    auto& clock = m_form.get<qel::qelLabel>("balltime");
    clock.setCaption(std::string(text));
    clock.setForeColor(color);
}

void MainClockBoard::setClockColor(uint32_t color)
{
    m_form.get<qel::qelLabel>("balltime").setForeColor(color);
}

bool MainClockBoard::periodReportVisible() const
{
    forms::Control* look = m_form.find("look");
    return look && look->visible();
}

void MainClockBoard::hidePeriodReport()
{
    if (forms::Control* look = m_form.find("look"))
        look->setVisible(false);
}

void MainClockBoard::showPeriodReport()
{
    if (forms::Control* look = m_form.find("look"))
        look->setVisible(true);
}

void MainClockBoard::placePeriodReport()
{
    if (forms::Control* look = m_form.find("look"))
        look->move(kReportLeft, kReportTop, kReportWidth, kReportHeight);
}

void MainClockBoard::setReportCountdownText(std::string_view text)
{
    m_form.get<qel::qelLabel>("vtime").setCaption(std::string(text));
}

void MainClockBoard::setLeaderText(std::string_view text)
{
    showFitted({&m_form.get<qel::qelLabel>("onename")}, std::string(text), kLeaderPoints);
}

void MainClockBoard::showLeaderText(bool visible)
{
    if (forms::Control* label = m_form.find("onename"))
        label->setVisible(visible);
}

void MainClockBoard::showMatchScoreSheet()
{
    call(m_hooks.ShowPeriodTable);
    if (forms::Control* sheet = m_form.find("balldate")) {
        sheet->setVisible(true);
        sheet->zOrder(0);
    }
    if (forms::Control* button = m_form.find("lookdate"))
        button->setVisible(true);
}

void MainClockBoard::setZeroMarkColor(uint32_t color)
{
    for (const char* name : {"showtime", "qelf1"})
        m_form.get<qel::qelFrame>(name).setBorderColor(color);
    m_form.get<forms::Line>("line8").setBorderColor(color);
    for (int index : {2, 3})
        m_form.get<forms::Line>("Line11", index).setBorderColor(color);
}

void MainClockBoard::setReportLines(std::string_view first, std::string_view second)
{
    m_form.get<qel::qelLabel>("vlook1", 0).setCaption(std::string(first));
    m_form.get<qel::qelLabel>("vlook1", 1).setCaption(std::string(second));
}

void MainClockBoard::showOvertimeLabels(bool visible)
{
    for (int index : {0, 1})
        if (forms::Control* label = m_form.find("addtimelab", index))
            label->setVisible(visible);
}

void MainClockBoard::bringClockPanelToFront()
{
    if (forms::Control* panel = m_form.find("showtime"))
        panel->zOrder(0);
}

bool MainClockBoard::confirm(std::string_view text, std::string_view title)
{
    return forms::msgBox(std::string(text), forms::vbOKCancel, std::string(title)) == forms::vbOK;
}

MainMatchClock::MainMatchClock(forms::Form& form, MainClockBoard::Hooks hooks, const plat::sys::DateSource& dates)
    : m_form(form)
    , m_board(form, std::move(hooks))
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
    for (const char* name : kTimerNames)
        if (auto* t = dynamic_cast<forms::Timer*>(m_form.find(name)))
            t->onTimer = nullptr;
    if (auto* ok = dynamic_cast<qel::qelCommand*>(m_form.find("ok")))
        ok->Click = nullptr;
}

} // namespace scoreboard
