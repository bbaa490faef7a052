#pragma once
#include "platform/system/display_modes.h"

#include <optional>

namespace launcher {

// Whether a run that finds the display at `screen` writes config.ini anew. When an earlier run's
// switch has not been put back (`switchUnrestored`: its board still runs, was killed, or has not
// started yet), the display stands at 1024 x 768 and the file holds another size the display
// offers, writing 1024 / 768 would lose the size to go back to. Without such a switch the file is
// left from a run that ended normally, and the display was set by hand since: it is replaced, so
// the exit never switches to a size the display did not have.
bool recordsScreenSize(plat::sys::DisplaySize screen, const std::optional<plat::sys::DisplaySize>& recorded,
    const plat::sys::DisplayModes& display, bool switchUnrestored);

} // namespace launcher
