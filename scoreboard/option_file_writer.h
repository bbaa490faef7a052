#pragma once
#include "scoreboard/match_state.h"

#include <array>
#include <string>

namespace scoreboard {

// The eight lines of date\system.db for the switches as they stand, positions 0 to 7:
// the key, then "=True" or "=False".
std::array<std::string, 8> optionFileLines(const MatchState& state);

// The line of one position for a switch that is on or off.
std::string optionLine(size_t position, bool on);

// Writes date\system.db whole (through a temporary file, so a failed write leaves the old one);
// a missing data folder is made first. False when it could not be written. A file holding a line
// that is no switch as the rewrite writes it ("sond10=yes", a note) is first kept as
// date\system.db.bak.
bool writeOptionFile(const std::array<std::string, 8>& lines);

} // namespace scoreboard
