#pragma once
#include "platform/system/display_modes.h"

#include <filesystem>
#include <optional>

namespace plat::sys {

// The screen size config.ini holds, as the launcher writes it before it switches the display and
// the scoreboard reads it to go back: two values read with list input, each cut to its whole part
// as a 16-bit integer. nullopt when the file is missing or unreadable, or does not hold a width and
// a height above 0.
std::optional<DisplaySize> readScreenSizeFile(const std::filesystem::path& file);

// config.ini in the data folder, where the launcher writes that size and the scoreboard reads it.
std::filesystem::path screenSizeFilePath();

} // namespace plat::sys
