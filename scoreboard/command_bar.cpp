#include "scoreboard/command_bar.h"

#include "scoreboard/board_faces.h"
#include "scoreboard/fitted_caption.h"
#include "scoreboard/form_parts.h"
#include "scoreboard/match_state.h"
#include "scoreboard/record_view.h"

#include "controls/core/push_button_base.h"
#include "controls/core/qel_label.h"
#include "platform/forms/form.h"
#include "platform/forms/message_box.h"
#include "platform/window/api.h"

namespace scoreboard {

namespace forms = plat::forms;

CommandBar::CommandBar(forms::Form& main, CommandBarHooks hooks)
    : m_main(main)
    , m_hooks(std::move(hooks))
{
}

void CommandBar::connect()
{
    forEachItem(m_main, "on1", [this](forms::Control& item, int index) {
        if (auto* button = dynamic_cast<qel::PushButtonBase*>(&item))
            button->Click = [this, index] { click(index); };
        onMouseMoveOf(&item, [&item] { item.setToolTipText(captionOf(&item)); });
    });
}

void CommandBar::click(int index)
{
    setTimerOn(m_main, "Timer8", false);
    if (partVisible(m_main, "look") && !user().matchOver)
        return;
    switch (index) {
    case Options:
        showPart(m_main, "sysset", true);
        if (m_hooks.fillOptionsPanel)
            m_hooks.fillOptionsPanel();
        break;
    case MatchMode:
        matchMode();
        break;
    case Music:
        showPart(m_main, "frameplay", true);
        break;
    case ScoreSheet:
        scoreSheet();
        break;
    case Help:
        if (forms::Control* help = findPart(m_main, "helps")) {
            help->move(kHelpLeft, kHelpTop, kHelpWidth, kHelpHeight);
            help->zOrder(0);
            help->setVisible(true);
        }
        break;
    case Minimise:
        m_main.setWindowState(1);
        setTimerOn(m_main, "Timer6", false);
        break;
    case Exit:
        exitCommand(*this);
        return;
    default:
        return;
    }
    if (index != Help)
        hidePart(m_main, "helps");
    if (index == Options || index == MatchMode || index == Music)
        closeRecordList(m_main);
    if (index == Options || index == Music || index == ScoreSheet || index == Help)
        showPart(m_main, "ballnumfa");
    else
        hidePart(m_main, "ballnumfa");
    focusStartButton();
}

// The button pressed takes the focus once its Click is over, so the start button takes it
// again after that as well.
void CommandBar::focusStartButton()
{
    if (forms::Control* ok = findPart(m_main, "ok"))
        ok->setFocus();
    forms::Form* main = &m_main;
    plat::win::sys().postTask([main] {
        if (forms::Control* ok = findPart(*main, "ok"))
            ok->setFocus();
    });
}

void CommandBar::matchMode()
{
    if (user().matchOver) {
        setCaptionOf(findPart(m_main, "onename"), kMatchOverLeaderText);
        showPart(m_main, "look");
    } else {
        hidePart(m_main, "look");
    }
    showPart(m_main, "showtime");
    setTimerOn(m_main, "Timer6", true);
    showPart(m_main, "showtime", true);
    if (m_hooks.liveModeOn && m_hooks.liveModeOn() && user().optCloseVideoOnStart && m_hooks.leaveLiveMode)
        m_hooks.leaveLiveMode();
}

void CommandBar::scoreSheet()
{
    showFitted({dynamic_cast<qel::qelLabel*>(findPart(m_main, "ballnum", 0))}, user().teamNameA, kSheetNamePoints);
    showFitted({dynamic_cast<qel::qelLabel*>(findPart(m_main, "ballnum", 1))}, user().teamNameB, kSheetNamePoints);
    if (m_hooks.showPeriodTable)
        m_hooks.showPeriodTable();
    showPart(m_main, "lookdate");
    showPart(m_main, "balldate", true);
}

bool CommandBar::closeRequest() { return exitAllowed(*this); }

std::string_view CommandBar::startButtonCaption() const
{
    m_caption = captionOf(findPart(m_main, "ok"));
    return m_caption;
}

void CommandBar::notice(std::string_view text)
{
    user().noticeText = std::string(text);
    if (m_hooks.notice)
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
