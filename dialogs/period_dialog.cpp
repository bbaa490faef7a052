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

PeriodDialog::PeriodDialog()
    : SetupDialogForm("m5")
{
}

void PeriodDialog::loadDialog()
{
    auto& list = get<forms::ComboBox>("C1");
    for (std::string_view word : kPeriodWords)
        list.addItem(std::string(word));
    const int16_t period = user().periodNumber;
    get<qel::qelLabel>("v1").setCaption(std::to_string(period));
    // A period outside 1 to 3 shows the last word, and the digit keeps the period as it is.
    list.setText(std::string(kPeriodWords[period >= 1 && period <= 3 ? size_t(period - 1) : 3]));
    list.onClick = [this] { choose(); };
    get<qel::qelCommand>("qelCommand1").Click = [this] { apply(); };
    get<qel::qelCommand>("qelCommand2").Click = [this] { unload(); };
}

void PeriodDialog::choose()
{
    const std::string word = get<forms::ComboBox>("C1").text();
    for (size_t i = 0; i < kPeriodWords.size(); ++i)
        if (word == kPeriodWords[i])
            get<qel::qelLabel>("v1").setCaption(std::to_string(i + 1));
}

void PeriodDialog::apply()
{
    const std::optional<int32_t> period = wholeNumber(get<qel::qelLabel>("v1").Caption());
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
