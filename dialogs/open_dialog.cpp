#include "dialogs/open_dialog.h"
#include "dialogs/clock_dialog.h"
#include "dialogs/key_dialog.h"
#include "dialogs/period_dialog.h"
#include "dialogs/score_dialog.h"
#include "dialogs/teams_dialog.h"
#include "dialogs/title_dialog.h"

namespace dialogs {

void openDialog(scoreboard::SetupDialog dialog)
{
    using scoreboard::SetupDialog;
    switch (dialog) {
    case SetupDialog::TitleAndReferees:
        showTitleDialog();
        break;
    case SetupDialog::Clock:
        showClockDialog();
        break;
    case SetupDialog::Teams:
        showTeamsDialog();
        break;
    case SetupDialog::Score:
        showScoreDialog();
        break;
    case SetupDialog::Period:
        showPeriodDialog();
        break;
    case SetupDialog::ShortcutKeys:
        showKeyDialog();
        break;
    }
}

} // namespace dialogs
