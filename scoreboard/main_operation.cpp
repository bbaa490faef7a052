#include "scoreboard/main_operation.h"

#include "scoreboard/display_clicks.h"
#include "scoreboard/display_routines.h"
#include "scoreboard/focus_keeper.h"
#include "scoreboard/form_parts.h"
#include "scoreboard/key_names.h"

#include "controls/core/push_button_base.h"
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
    if (hooks.inshowfame)
        bar.notice = [show = hooks.inshowfame](std::string_view) { show(); };
    bar.confirm = hooks.confirm;
    return bar;
}

} // namespace

MainOperation::MainOperation(forms::Form& main, Hooks hooks)
    : m_main(main)
    , m_hooks(std::move(hooks))
    , m_keys(*this)
    , m_commandBar(main, commandBarHooks(m_hooks))
    , m_menu(main, MenuRowHooks{ m_hooks.openDialog, m_hooks.confirmReset })
{
    connect();
}

void MainOperation::connect()
{
    m_commandBar.connect();
    m_menu.connect();
    forEachItem(m_main, "v1", [this](forms::Control& item, int index) {
        if (auto* button = dynamic_cast<qel::PushButtonBase*>(&item))
            button->Click = [this, index] { m_keys.scoreButton(index); };
    });
    if (auto* soundTimer = dynamic_cast<forms::Timer*>(findPart(m_main, "Timer7")))
        soundTimer->onTimer = [this] { m_keys.scoreSoundTimerTick(); };
    if (auto* focusKeeper = dynamic_cast<forms::Timer*>(findPart(m_main, "Timer6")))
        focusKeeper->onTimer = [this] {
            if (forms::Control* ok = findPart(m_main, "ok"))
                keepStartButtonFocus(*ok);
        };
    connectDisplayDoubleClicks(m_main, m_hooks.openDialog);
    connectHoverTexts(m_main, [](int keyCode) { return ballkey(int16_t(keyCode)); });
}

bool MainOperation::periodReportVisible() const { return partVisible(m_main, "look"); }

// The start/pause command is the Click of the start button.
void MainOperation::startPause()
{
    auto* ok = dynamic_cast<qel::PushButtonBase*>(findPart(m_main, "ok"));
    if (ok && ok->Click)
        ok->Click();
}

void MainOperation::ShowScores() { scoreboard::ShowScores(); }

void MainOperation::setScoreSoundTimer(bool on) { setTimerOn(m_main, "Timer7", on); }

bool MainOperation::typingFieldFocused() const
{
    plat::win::WindowSystem* windows = plat::win::WindowSystem::current();
    return windows && windows->textInput() && windows->focus() && m_main.hwnd()
        && windows->topLevelOf(windows->focus()) == m_main.hwnd();
}

} // namespace scoreboard
