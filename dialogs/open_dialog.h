#pragma once
#include "scoreboard/setup_dialogs.h"

namespace dialogs {

// Opens one of the six setup dialogs modally over the scoreboard and returns once it is closed:
// what the scoreboard's menu row and the double-clicks on its displays open (the openDialog hook
// of scoreboard::MainOperation).
void openDialog(scoreboard::SetupDialog dialog);

} // namespace dialogs
