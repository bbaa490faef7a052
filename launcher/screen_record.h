#pragma once
#include "platform/system/display_modes.h"

#include <filesystem>
#include <optional>

namespace launcher {

// The size config.ini holds: two whole numbers read as list input; none when the file is missing,
// unreadable or holds no positive width and height.
std::optional<plat::sys::DisplaySize> readRecordedSize(const std::filesystem::path& file);

// Whether a run that finds the display at `screen` writes config.ini anew. A display that already
// stands at 1024 x 768 while the file holds another size the display offers was switched by an
// earlier run whose match has not ended: writing 1024 / 768 then would lose the size to go back to.
bool recordsScreenSize(plat::sys::DisplaySize screen, const std::optional<plat::sys::DisplaySize>& recorded,
    const plat::sys::DisplayModes& display);

} // namespace launcher
