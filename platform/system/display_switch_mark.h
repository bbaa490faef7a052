#pragma once
#include <filesystem>
#include <string_view>

namespace plat::sys {

// The mark the launcher leaves beside config.ini while a display switch of its own has not been
// put back. It is written before the launcher switches the display and removed when the display
// is back at the recorded size (the board's end, or the launcher's own when no board could
// start). A board killed outright leaves it, and so the next launcher knows that a display it
// finds at 1024 x 768 is still switched and keeps the size recorded before.
inline constexpr std::string_view kDisplaySwitchMarkFile = "display-switched";

// The mark's place in the data folder.
std::filesystem::path displaySwitchMarkPath();
// Whether the mark is there (a file, or anything else of that name).
bool displaySwitchUnrestored();
// Writes the mark; false when the data folder cannot take it.
bool markDisplaySwitched();
// Removes the mark, when it is there.
void clearDisplaySwitchMark();

} // namespace plat::sys
