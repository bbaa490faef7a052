#include "scoreboard/setup_dialogs.h"

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
    if (opener())
        opener()(dialog);
}

} // namespace scoreboard
