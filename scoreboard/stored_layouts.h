#pragma once
#include "platform/forms/layout_error.h"

#include <optional>
#include <string>

namespace scoreboard {

// Reads the stored layouts of the program's forms (the scoreboard main and the dialogs m1 to m6)
// and gives the first that cannot be read (missing, truncated, not a layout), or none. The
// program checks them all at start-up, so that a dialog never fails to open during a match.
std::optional<plat::forms::LayoutError> firstUnreadableLayout();

// What the operator is told before the program ends: the file and what is wrong with it.
std::string unreadableLayoutText(const plat::forms::LayoutError& error);

} // namespace scoreboard
