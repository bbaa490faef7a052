#include "scoreboard/command_bar.h"

#include "scoreboard/board_faces.h"
#include "scoreboard/control_binding.h"
#include "scoreboard/fitted_caption.h"
#include "scoreboard/form_parts.h"
#include "scoreboard/match_state.h"
#include "scoreboard/record_view.h"
#include "scoreboard/required_hooks.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"
#include "controls/core/qel_label.h"
#include "platform/forms/form.h"
#include "platform/forms/message_box.h"
#include "platform/forms/timer.h"
#include "platform/window/api.h"

namespace scoreboard {

namespace forms = plat::forms;

CommandBarControls bindCommandBarControls(const forms::Form& form)
{
    return CommandBarControls{
        .on1 = bindItems<qel::qelCommand>(form, "on1", CommandBar::Options, CommandBar::Exit),
        .sysset = form.get<qel::qelFrame>("sysset"),
        .frameplay = form.get<qel::qelFrame>("frameplay"),
        .helps = form.get<qel::qelFrame>("helps"),
        .ballnumfa = form.get<qel::qelFrame>("ballnumfa"),
        .showtime = form.get<qel::qelFrame>("showtime"),
        .look = form.get<qel::qelFrame>("look"),
        .onename = form.get<qel::qelLabel>("onename"),
        .ok = form.get<qel::qelCommand>("ok"),
        .balldate = form.get<qel::qelFrame>("balldate"),
        .ballnum = bindItems<qel::qelLabel>(form, "ballnum", 0, 1),
        .lookdate = form.get<qel::qelCommand>("lookdate"),
        .Timer6 = form.get<forms::Timer>("Timer6"),
        .Timer8 = form.get<forms::Timer>("Timer8"),
        .recordList = bindRecordListControls(form),
    };
}

CommandBar::CommandBar(forms::Form& main, CommandBarHooks hooks)
    : m_main(main)
    , m_controls(bindCommandBarControls(main))
    , m_hooks(std::move(hooks))
{
    requireHooks("CommandBar",
        {{"fillOptionsPanel", m_hooks.fillOptionsPanel}, {"showPeriodTable", m_hooks.showPeriodTable},
            {"liveModeOn", m_hooks.liveModeOn}, {"leaveLiveMode", m_hooks.leaveLiveMode}, {"notice", m_hooks.notice}});
}

void CommandBar::connect()
{
    for (auto [index, item] : m_controls.on1) {
        item.Click = [this, index = index] { click(index); };
        onMouseMoveOf(&item, [&item = item] { item.setToolTipText(item.Caption()); });
    }
}

void CommandBar::click(int index)
{
    if (!commandTaken())
        return;
    const CommandBarControls& c = m_controls;
    switch (index) {
    case Options:
        showPart(c.sysset, true);
        m_hooks.fillOptionsPanel();
        break;
    case MatchMode:
        matchMode();
        break;
    case Music:
        showPart(c.frameplay, true);
        break;
    case ScoreSheet:
        scoreSheet();
        break;
    case Help:
        c.helps.move(kHelpLeft, kHelpTop, kHelpWidth, kHelpHeight);
        c.helps.zOrder(0);
        c.helps.setVisible(true);
        break;
    case Minimise:
        m_main.setWindowState(1);
        c.Timer6.setEnabled(false);
        break;
    case Exit:
        exitCommand(*this);
        return;
    default:
        return;
    }
    if (index != Help)
        c.helps.setVisible(false);
    if (index == Options || index == MatchMode || index == Music)
        closeRecordList(c.recordList);
    c.ballnumfa.setVisible(index == Options || index == Music || index == ScoreSheet || index == Help);
    focusStartButton();
}

// The button pressed takes the focus once its Click is over, so the start button takes it
// again after that as well.
void CommandBar::focusStartButton()
{
    m_controls.ok.setFocus();
    forms::Form* main = &m_main;
    plat::win::sys().postTask([main] {
        // By then the board may have been unloaded, and this bar with it.
        if (forms::Control* ok = findPart(*main, "ok"))
            ok->setFocus();
    });
}

void CommandBar::matchMode()
{
    const CommandBarControls& c = m_controls;
    if (user().matchOver) {
        c.onename.setCaption(std::string(kMatchOverLeaderText));
        c.look.setVisible(true);
    } else {
        c.look.setVisible(false);
    }
    c.showtime.setVisible(true);
    c.Timer6.setEnabled(true);
    showPart(c.showtime, true);
    if (m_hooks.liveModeOn() && user().optCloseVideoOnStart)
        m_hooks.leaveLiveMode();
}

void CommandBar::scoreSheet()
{
    const CommandBarControls& c = m_controls;
    showFitted({&c.ballnum[0]}, user().teamNameA, kSheetNamePoints);
    showFitted({&c.ballnum[1]}, user().teamNameB, kSheetNamePoints);
    m_hooks.showPeriodTable();
    c.lookdate.setVisible(true);
    showPart(c.balldate, true);
}

bool CommandBar::commandTaken()
{
    const CommandBarControls& c = m_controls;
    c.Timer8.setEnabled(false);
    return !(c.look.visible() && !user().matchOver);
}

// The close request goes the exit command's way from its first step: inert during the period
// report, refused while the clock runs, asked otherwise.
bool CommandBar::closeRequest() { return commandTaken() && exitAllowed(*this); }

std::string_view CommandBar::startButtonCaption() const
{
    m_caption = m_controls.ok.Caption();
    return m_caption;
}

void CommandBar::notice(std::string_view text)
{
    user().noticeText = std::string(text);
    m_hooks.notice(text);
}

bool CommandBar::confirm(std::string_view text, std::string_view title)
{
    if (m_hooks.confirm)
        return m_hooks.confirm(text, title);
    return forms::msgBox(std::string(text), forms::vbOKCancel, std::string(title)) == forms::vbOK;
}

void CommandBar::endProgram()
{
    if (m_hooks.endProgram) {
        m_hooks.endProgram();
        return;
    }
    if (m_main.unload())
        plat::win::PostQuitMessage(0);
}

} // namespace scoreboard
