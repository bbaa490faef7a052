#include "scoreboard/main_operation.h"

#include "scoreboard/board_form.h"
#include "scoreboard/control_binding.h"
#include "scoreboard/display_clicks.h"
#include "scoreboard/display_routines.h"
#include "scoreboard/focus_keeper.h"
#include "scoreboard/key_names.h"
#include "scoreboard/required_hooks.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"
#include "platform/forms/form.h"
#include "platform/forms/timer.h"
#include "platform/window/window_system.h"

namespace scoreboard {

namespace forms = plat::forms;

namespace {

CommandBarHooks commandBarHooks(const MainOperation::Hooks& hooks)
{
    CommandBarHooks bar;
    bar.fillOptionsPanel = hooks.fillOptionsPanel;
    bar.showPeriodTable = [] { ShowPeriodTable(); };
    bar.liveModeOn = hooks.liveModeOn;
    bar.leaveLiveMode = hooks.leaveLiveMode;
    bar.notice = [show = hooks.inshowfame](std::string_view) { show(); };
    bar.confirm = hooks.confirm;
    return bar;
}

MainOperation::Hooks required(MainOperation::Hooks h)
{
    requireHooks("MainOperation",
        {{"confirmReset", h.confirmReset}, {"openDialog", h.openDialog}, {"inshowfame", h.inshowfame},
            {"fillOptionsPanel", h.fillOptionsPanel}, {"liveModeOn", h.liveModeOn}, {"leaveLiveMode", h.leaveLiveMode}});
    return h;
}

} // namespace

OperationControls bindOperationControls(const forms::Form& form)
{
    return OperationControls{
        .look = form.get<qel::qelFrame>("look"),
        .ok = form.get<qel::qelCommand>("ok"),
        .v1 = bindItems<qel::qelCommand>(form, "v1", 0, 3),
        .Timer6 = form.get<forms::Timer>("Timer6"),
        .Timer7 = form.get<forms::Timer>("Timer7"),
    };
}

MainOperation::MainOperation(forms::Form& main, const BoardControls& board, Hooks hooks)
    : m_main(main)
    , m_controls(bindOperationControls(main))
    , m_hooks(required(std::move(hooks)))
    , m_keys(*this)
    , m_commandBar(main, commandBarHooks(m_hooks))
    , m_menu(main, MenuRowHooks{ m_hooks.openDialog, m_hooks.confirmReset })
{
    connect(board);
}

void MainOperation::connect(const BoardControls& board)
{
    m_commandBar.connect();
    m_menu.connect();
    for (auto [index, button] : m_controls.v1)
        button.Click = [this, index = index] { m_keys.scoreButton(index); };
    m_controls.Timer7.onTimer = [this] { m_keys.scoreSoundTimerTick(); };
    m_controls.Timer6.onTimer = [this] { keepStartButtonFocus(m_controls.ok); };
    connectDisplayDoubleClicks(board, m_hooks.openDialog);
    connectHoverTexts(board, [](int keyCode) { return ballkey(int16_t(keyCode)); });
}

bool MainOperation::periodReportVisible() const { return m_controls.look.visible(); }

// The start/pause command is the Click of the start button.
void MainOperation::startPause()
{
    if (m_controls.ok.Click)
        m_controls.ok.Click();
}

void MainOperation::ShowScores() { scoreboard::ShowScores(); }

void MainOperation::setScoreSoundTimer(bool on) { m_controls.Timer7.setEnabled(on); }

bool MainOperation::typingFieldFocused() const
{
    plat::win::WindowSystem* windows = plat::win::WindowSystem::current();
    return windows && windows->textInput() && windows->focus() && m_main.hwnd()
        && windows->topLevelOf(windows->focus()) == m_main.hwnd();
}

} // namespace scoreboard
