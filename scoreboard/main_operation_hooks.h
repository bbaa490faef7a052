#pragma once
#include "scoreboard/main_operation.h"

namespace scoreboard {

class MainForm;

// What the operator's side of `main` asks of the rest of the form: the match clock's reset
// command, the notice box, and live mode (on while `videmode` is disabled; `MP3mode` leaves it).
// The setup dialogs and the filling of the options panel come with their own forms; until then
// those menu items and double-clicks do nothing.
MainOperation::Hooks mainFormOperationHooks(MainForm& form);

} // namespace scoreboard
