#include "scoreboard/main_form.h"
#include "scoreboard/board_form.h"
#include "scoreboard/display_routines.h"
#include "scoreboard/exit_command.h"
#include "scoreboard/main_clock_hooks.h"
#include "scoreboard/main_operation_hooks.h"
#include "scoreboard/main_panels.h"
#include "scoreboard/match_reset.h"
#include "scoreboard/match_state.h"
#include "scoreboard/music_list_loader.h"
#include "scoreboard/music_player.h"
#include "scoreboard/option_file.h"
#include "scoreboard/settings_store.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"
#include "controls/core/qel_label.h"
#include "controls/core/qel_toggle_button.h"
#include "platform/forms/image.h"
#include "platform/forms/label.h"
#include "platform/forms/message_box.h"
#include "platform/forms/timer.h"
#include "platform/media/alpha_image.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"

namespace scoreboard {

namespace forms = plat::forms;
namespace win = plat::win;

namespace {

constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 0;
constexpr std::string_view kReleaseDate = "2026-12-10";

// Where the clock text sits in the clock panel: taller than the panel, so that the digits,
// which sit low in their line, fill it.
constexpr double kClockLeft = 1670, kClockTop = -550, kClockWidth = 11940, kClockHeight = 4905;
constexpr double kClockPanelLeft = 30, kClockPanelTop = 1320, kClockPanelWidth = 15225, kClockPanelHeight = 4125;
// The status line's date and time keep this distance from the main frame's right edge.
constexpr double kDateRightMargin = 90;

constexpr uint32_t kRosterNameColor = 0x00FF00;
constexpr uint32_t kRosterNumberColor = 0x0000FF;

// The team-name label of each colour, in the order of TeamNameColors.
constexpr int kTeamNameLabel[4] = {0, 2, 1, 3};

} // namespace

MainForm::MainForm(const plat::sys::DateSource* dates)
    : Form("main")
    , m_dates(dates ? dates : &m_systemDates)
{
    setMainWindow(true);
}

MainForm::~MainForm()
{
    if (scoreboardView() == this)
        setScoreboardView(nullptr);
    if (boardForm() == this)
        setBoard(nullptr, nullptr);
}

std::string MainForm::versionLine()
{
    return "适用系统: Linux (Debian 12)   版本:V" + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor)
        + "   发布日期: " + std::string(kReleaseDate);
}

const BoardControls& MainForm::bound() const
{
    if (!m_controls)
        throw forms::ControlLookupError("form \"main\" is not loaded");
    return *m_controls;
}

void MainForm::onLoad()
{
    const BoardControls& c = m_controls.emplace(bindBoardControls(*this));
    setBoard(this, &c);
    setScoreboardView(this);
    MatchState& state = user();

    fillScreen();
    c.val.setCaption(versionLine());
    m_wplay.setEnableContextMenu(false);
    m_soundArmed = true;
    LoadLogo();
    m_matchBlinkPhase = false;
    m_musicBlinkPhase = false;
    m_keyReady = true;
    state.matchStartTime.clear();

    c.timetxt.setCaption(plat::sys::nowText(*m_dates));
    c.timetxt.setLeft(c.qelf1.width() - c.timetxt.width() - kDateRightMargin);

    // A fresh match, whatever the settings files held.
    prepareMatchAtLoad();
    scoreboard::ResetClockDisplay();
    state.clockTenths = 10;
    ShowMatchTitle();
    ShowTeamNames();
    scoreboard::ShowScores();
    scoreboard::ShowPeriod();
    c.balltime.move(kClockLeft, kClockTop, kClockWidth, kClockHeight);
    LoadMusicList(musicFolderPath());

    placePanels();
    prepareRosterLabels();
    ShowReferees();
    ShowReferees();
    connectEvents();
    m_matchClock = std::make_unique<MainMatchClock>(*this, mainFormClockHooks(*this, [this](bool phase) { m_matchBlinkPhase = phase; }), *m_dates);
    m_operation = std::make_unique<MainOperation>(*this, c, mainFormOperationHooks(*this));
    MainPanels::Hooks panelHooks;
    panelHooks.options.notice = [this](std::string_view text) {
        user().noticeText = std::string(text);
        inshowfame();
    };
    m_panels = std::make_unique<MainPanels>(*this, std::move(panelHooks));
    connectMusic();
}

// The window takes the whole screen and the main frame sits in its middle.
void MainForm::fillScreen()
{
    const double width = win::twipsFromPixels(win::GetSystemMetrics(win::SM_CXSCREEN));
    const double height = win::twipsFromPixels(win::GetSystemMetrics(win::SM_CYSCREEN));
    move(0, 0, width, height);
    qel::qelFrame& frame = bound().qelf1;
    frame.move((width - frame.width()) / 2, (height - frame.height()) / 2);
}

// A new display mode: the board fits the screen again, as at its load.
void MainForm::onDisplayChange() { fillScreen(); }

// The clock panel is shown; the music, score-sheet and options panels are hidden on exactly its
// place, so each of them covers it.
void MainForm::placePanels()
{
    const BoardControls& c = bound();
    c.showtime.setVisible(true);
    c.showtime.move(kClockPanelLeft, kClockPanelTop, kClockPanelWidth, kClockPanelHeight);
    for (qel::qelFrame* panel : {&c.frameplay, &c.balldate, &c.sysset}) {
        panel->setVisible(false);
        panel->move(kClockPanelLeft, kClockPanelTop, kClockPanelWidth, kClockPanelHeight);
    }
}

void MainForm::prepareRosterLabels()
{
    const BoardControls& c = bound();
    for (int i = 0; i < 12; ++i) {
        for (const auto* names : {&c.namelab1, &c.namelab2}) {
            forms::Label& label = (*names)[i];
            label.setBackStyle(0);
            label.setForeColor(kRosterNameColor);
        }
        for (const auto* numbers : {&c.numlab1, &c.numlab2}) {
            forms::Label& label = (*numbers)[i];
            label.setBackStyle(0);
            label.setForeColor(kRosterNumberColor);
        }
    }
}

void MainForm::connectEvents()
{
    const BoardControls& c = bound();
    c.Timer1.onTimer = [this] { statusTick(); };
    c.Timer10.onTimer = [this] { noticeTick(); };
    c.Timer12.onTimer = [this] { rosterTick(); };
    c.closet.Click = [&notice = c.inshow] { notice.setVisible(false); };
    c.Image5.onClick = [this] { closeHelp(); };
}

void MainForm::systemopen()
{
    if (!isLoaded())
        load();
    readOptionFile();
}

void MainForm::balldateinput()
{
    if (m_panels)
        m_panels->records().balldateinput();
}

void MainForm::balldateoutput()
{
    if (m_panels)
        m_panels->records().balldateoutput();
}

void MainForm::onResize()
{
    if (windowState() != 1 && m_controls)
        m_controls->Timer6.setEnabled(true);
}

// The key preview: `main` sees every key before the focused control.
void MainForm::onKeyDown(int& keyCode, int shift)
{
    if (m_operation && m_operation->keyDown(keyCode, keyRepeats()))
        keyCode = 0;
}

void MainForm::onKeyUp(int& keyCode, int shift)
{
    if (m_operation)
        m_operation->keyUp(keyCode);
}

bool MainForm::keyReady() const { return m_operation ? m_operation->scoreKeys().keyReady() : m_keyReady; }
bool MainForm::soundArmed() const { return m_operation ? m_operation->scoreKeys().soundArmed() : m_soundArmed; }

void MainForm::keyF5() { scoreboard::keyF5(); }
void MainForm::keyF6() { scoreboard::keyF6(); }
void MainForm::keyF7() { scoreboard::keyF7(); }

void MainForm::keyon(int16_t keyCode)
{
    if (m_operation)
        m_operation->scoreKeys().keyon(keyCode);
}

// The window manager's close (Alt+F4, the title bar's close box) is the exit command: refused
// while the clock runs, asked otherwise. The program's own unload (the exit command answered, an
// end signal, the program going down) is not asked again.
void MainForm::onQueryUnload(int& cancel)
{
    if (closeRequested() && !m_unattended && m_operation && !m_operation->commandBar().closeRequest())
        cancel = 1;
}

void MainForm::onUnload(int& cancel)
{
    (void)cancel;
    m_matchClock.reset();
    m_music.reset();
    if (!saveSettings() && !m_unattended && visible())
        forms::msgBox(std::string(kSettingsNotSavedMessage), forms::vbOKOnly | forms::vbCritical, "错误提示");
    // Every normal end puts the display back, not only the exit command.
    restoreDisplayAtEnd();
    if (scoreboardView() == this)
        setScoreboardView(nullptr);
    if (boardForm() == this)
        setBoard(nullptr, nullptr);
    m_controls.reset();
    win::PostQuitMessage(0);
}

void MainForm::closeUnattended()
{
    m_unattended = true;
    unload();
    m_unattended = false;
}

// --- ScoreboardView ---

void MainForm::ShowCommandBar() { scoreboard::ShowCommandBar(); }
void MainForm::HideCommandBar() { scoreboard::HideCommandBar(); }
void MainForm::ResetClockDisplay() { scoreboard::ResetClockDisplay(); }
void MainForm::ShowScores() { scoreboard::ShowScores(); }
void MainForm::ShowPeriod() { scoreboard::ShowPeriod(); }

void MainForm::hidePeriodReport()
{
    bound().look.setVisible(false);
}

void MainForm::setStartButtonCaption(std::string_view text)
{
    bound().ok.setCaption(std::string(text));
}

void MainForm::stopClockTimers()
{
    for (forms::Timer* clockTimer : {&bound().Timer2, &bound().Timer3})
        clockTimer->setEnabled(false);
}

void MainForm::hideOvertimeLabels()
{
    for (int i = 0; i <= 1; ++i)
        bound().addtimelab[i].setVisible(false);
}

void MainForm::showScoreBacklight(bool visible)
{
    for (int i : {2, 1})
        bound().backw[i].setVisible(visible);
}

plat::forms::PictureRef MainForm::boardIcon() const { return bound().mainico.picture(); }

TitleColors MainForm::titleColors() const
{
    return {.title = bound().titxt[1].ForeColor(), .shadow = bound().titxt[0].ForeColor()};
}

void MainForm::setTitleColors(const TitleColors& colors)
{
    bound().titxt[1].setForeColor(colors.title);
    bound().titxt[0].setForeColor(colors.shadow);
}

TeamNameColors MainForm::teamNameColors() const
{
    TeamNameColors colors{};
    for (size_t i = 0; i < colors.size(); ++i)
        colors[i] = bound().ballname[kTeamNameLabel[i]].ForeColor();
    return colors;
}

void MainForm::setTeamNameColors(const TeamNameColors& colors)
{
    for (size_t i = 0; i < colors.size(); ++i)
        bound().ballname[kTeamNameLabel[i]].setForeColor(colors[i]);
}

bool MainForm::rostersShown() const { return bound().ballnameframe[0].visible(); }

void MainForm::showRosters(bool visible)
{
    for (int side = 0; side < 2; ++side)
        bound().ballnameframe[side].setVisible(visible);
}

void MainForm::reloadRostersSoon() { bound().Timer12.setEnabled(true); }

} // namespace scoreboard
