#include "dialogs/clock_dialog.h"
#include "dialogs/number_box.h"

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

ClockDialog::ClockDialog()
    : SetupDialogForm("m2")
{
}

forms::TextBox& ClockDialog::minutesBox() const { return get<forms::TextBox>("T1", 0); }
forms::TextBox& ClockDialog::secondsBox() const { return get<forms::TextBox>("T1", 1); }

void ClockDialog::loadDialog()
{
    for (forms::TextBox* box : {&minutesBox(), &secondsBox()}) {
        box->onChange = [this] {
            if (!m_filling)
                m_edited = true;
            checkBoxes();
        };
        makeNumberBox(*box);
    }
    get<qel::qelCommand>("newtime").Click = [this] { cltime(); };
    get<qel::qelCommand>("motime").Click = [this] {
        showSeconds(user().periodLength);
        m_edited = true;
    };
    get<qel::qelCommand>("ok").Click = [this] { apply(); };
    get<qel::qelCommand>("qelCommand2").Click = [this] { unload(); };
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
