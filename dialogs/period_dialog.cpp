#include "dialogs/period_dialog.h"
#include "dialogs/number_box.h"

#include "scoreboard/display_routines.h"
#include "scoreboard/match_state.h"
#include "scoreboard/scoreboard_view.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_label.h"
#include "platform/forms/combo_box.h"

#include <string>

namespace dialogs {

namespace forms = plat::forms;
using scoreboard::user;

PeriodDialogControls bindPeriodDialogControls(const forms::Form& dialog)
{
    return PeriodDialogControls{
        .C1 = dialog.get<forms::ComboBox>("C1"),
        .v1 = dialog.get<qel::qelLabel>("v1"),
        .qelCommand1 = dialog.get<qel::qelCommand>("qelCommand1"),
        .qelCommand2 = dialog.get<qel::qelCommand>("qelCommand2"),
    };
}

PeriodDialog::PeriodDialog()
    : SetupDialogForm("m5")
{
}

void PeriodDialog::loadDialog()
{
    const PeriodDialogControls& c = m_bound.emplace(bindPeriodDialogControls(*this));
    forms::ComboBox& list = c.C1;
    for (std::string_view word : kPeriodWords)
        list.addItem(std::string(word));
    const int16_t period = user().periodNumber;
    c.v1.setCaption(std::to_string(period));
    // A period outside 1 to 3 shows the last word, and the digit keeps the period as it is.
    list.setText(std::string(kPeriodWords[period >= 1 && period <= 3 ? size_t(period - 1) : 3]));
    list.onClick = [this] { choose(); };
    c.qelCommand1.Click = [this] { apply(); };
    c.qelCommand2.Click = [this] { unload(); };
}

void PeriodDialog::choose()
{
    const std::string word = m_bound->C1.text();
    for (size_t i = 0; i < kPeriodWords.size(); ++i)
        if (word == kPeriodWords[i])
            m_bound->v1.setCaption(std::to_string(i + 1));
}

void PeriodDialog::apply()
{
    const std::optional<int32_t> period = wholeNumber(m_bound->v1.Caption());
    if (!period)
        return;
    hide();
    scoreboard::MatchState& s = user();
    s.periodNumber = int16_t(*period);
    if (s.periodNumber < 4) {
        s.inOvertime = false;
        if (scoreboard::ScoreboardView* view = scoreboard::scoreboardView())
            view->hideOvertimeLabels();
    }
    scoreboard::ShowPeriod();
    unload();
}

void showPeriodDialog()
{
    PeriodDialog dialog;
    dialog.showModal();
}

} // namespace dialogs
