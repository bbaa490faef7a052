#pragma once
#include "platform/system/display_modes.h"

#include <optional>

namespace launcher {

// Whether a run that finds the display at `screen` writes config.ini anew. While a board runs
// (`boardRuns`) on a display that stands at 1024 x 768 and the file holds another size the display
// offers, an earlier run switched it and its match has not ended: writing 1024 / 768 then would lose
// the size to go back to. Without a running board such a file is left from an earlier run and is
// replaced, so the exit never switches to a size the display did not have.
bool recordsScreenSize(plat::sys::DisplaySize screen, const std::optional<plat::sys::DisplaySize>& recorded,
    const plat::sys::DisplayModes& display, bool boardRuns);

} // namespace launcher
