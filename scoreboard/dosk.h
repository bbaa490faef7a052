#pragma once
#include "platform/system/display_modes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scoreboard {

// The module `dosk`: the display-mode switch and the splitting of an open-file dialog's
// multiple selection.

// Switches the primary display to width x height pixels until it is changed again. A size the
// display does not offer leaves it as it is; nothing is reported.
void SetDisplayMode(int16_t width, int16_t height);

// The screen size the launcher saved in config.ini of the program folder before it switched the
// display: two values read with list input, each cut to its whole part as a 16-bit integer.
// nullopt when the file is missing or unreadable, or does not hold two sizes above 0.
std::optional<plat::sys::DisplaySize> readSavedDisplayMode();

// Puts the display back to the size of config.ini, and clears the launcher's mark of its switch
// once the display stands at that size. A missing file, or one without a usable size, leaves the
// display alone. True when a change was asked for.
bool restoreSavedDisplayMode();

// A multiple selection taken apart: the folder, ending in a separator, and the chosen names.
struct FileSelection {
    std::string folder;
    std::vector<std::string> names; // at least one
};

// Splits the file name text of the open-file dialog. Several files come as the folder, NUL and
// the names separated by NUL; a single file as its full path. The folder is read from the text
// itself, so it does not matter where the process's current folder is. "\" and "/" both
// separate; a folder without a trailing separator gets the one it uses ("/" when it has none).
// NUL characters after the text (the music player appends one) give an empty last name of a
// multiple selection, and stay at the end of a single name.
FileSelection ParseMultiSelect(std::string_view spec);

} // namespace scoreboard
