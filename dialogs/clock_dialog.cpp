#include "dialogs/clock_dialog.h"
#include "dialogs/number_box.h"

#include "scoreboard/control_binding.h"

#include "scoreboard/display_routines.h"
#include "scoreboard/match_state.h"

#include "controls/core/qel_command.h"
#include "platform/forms/text_box.h"

#include <string>

namespace dialogs {

namespace forms = plat::forms;
using scoreboard::user;

namespace {

constexpr int32_t kMaxField = 59;

bool holdsField(const forms::TextBox& box)
{
    const std::optional<int32_t> value = wholeNumber(box.text());
    return value && *value >= 0 && *value <= kMaxField;
}

} // namespace

ClockDialogControls bindClockDialogControls(const forms::Form& dialog)
{
    return ClockDialogControls{
        .T1 = scoreboard::bindItems<forms::TextBox>(dialog, "T1", 0, 1),
        .newtime = dialog.get<qel::qelCommand>("newtime"),
        .motime = dialog.get<qel::qelCommand>("motime"),
        .ok = dialog.get<qel::qelCommand>("ok"),
        .qelCommand2 = dialog.get<qel::qelCommand>("qelCommand2"),
    };
}

ClockDialog::ClockDialog()
    : SetupDialogForm("m2")
{
}

void ClockDialog::loadDialog()
{
    const ClockDialogControls& c = m_bound.emplace(bindClockDialogControls(*this));
    for (forms::TextBox* box : {&minutesBox(), &secondsBox()}) {
        box->onChange = [this] {
            if (!m_filling)
                m_edited = true;
            checkBoxes();
        };
        makeNumberBox(*box);
    }
    c.newtime.Click = [this] { cltime(); };
    c.motime.Click = [this] {
        showSeconds(user().periodLength);
        m_edited = true;
    };
    c.ok.Click = [this] { apply(); };
    c.qelCommand2.Click = [this] { unload(); };
    cltime();
}

void ClockDialog::cltime()
{
    showSeconds(user().clockSeconds);
    m_edited = false;
}

// Each assignment goes through the change rule, so a clock of an hour or more shows "00" minutes.
void ClockDialog::showSeconds(int32_t seconds)
{
    m_filling = true;
    if (seconds < 60) {
        minutesBox().setText("00");
        secondsBox().setText(seconds < 0 ? "00" : std::to_string(seconds));
    } else {
        minutesBox().setText(std::to_string(seconds / 60));
        secondsBox().setText(std::to_string(seconds % 60));
    }
    m_filling = false;
}

void ClockDialog::checkBoxes()
{
    for (forms::TextBox* box : {&minutesBox(), &secondsBox()}) {
        if (holdsField(*box))
            continue;
        box->setText("00");
        if (visible())
            focusWholeText(*box);
        return;
    }
}

void ClockDialog::apply()
{
    const std::optional<int32_t> minutes = wholeNumber(minutesBox().text());
    const std::optional<int32_t> seconds = wholeNumber(secondsBox().text());
    if (!minutes || !seconds || (*minutes == 0 && *seconds == 0))
        return;
    hide();
    // Boxes that still show the clock as it was read would put a running clock back by the
    // time the dialog stood open.
    if (m_edited) {
        user().clockSeconds = *minutes * 60 + *seconds;
        scoreboard::ResetClockDisplay();
    }
    unload();
}

void showClockDialog()
{
    ClockDialog dialog;
    dialog.showModal();
}

} // namespace dialogs
