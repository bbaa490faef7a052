#include "scoreboard/setup_dialogs.h"
#include "scoreboard/board_form.h"
#include "scoreboard/main_form.h"
#include "scoreboard/match_state.h"
#include "scoreboard/settings_store.h"

#include <utility>

namespace scoreboard {

namespace {

std::function<void(SetupDialog)>& opener()
{
    static std::function<void(SetupDialog)> theOpener;
    return theOpener;
}

} // namespace

void setSetupDialogOpener(std::function<void(SetupDialog)> dialogOpener) { opener() = std::move(dialogOpener); }

void openSetupDialog(SetupDialog dialog)
{
    if (!opener())
        return;
    opener()(dialog);
    // Whatever the dialog applied is kept at once, not only when the board closes: an end the
    // board never sees (power, a crash) then loses nothing.
    if (!saveSettings()) {
        if (auto* board = dynamic_cast<MainForm*>(boardForm()); board && board->isLoaded()) {
            user().noticeText = std::string(kSettingsNotSavedNotice);
            board->inshowfame();
        }
    }
}

} // namespace scoreboard
