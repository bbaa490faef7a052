#pragma once
#include "scoreboard/match_state.h"

#include <array>
#include <string>
#include <string_view>

namespace scoreboard {

// date\system.db holds the eight display and sound switches, one "key=True" or "key=False" per
// line, read by position whatever key a line names.
inline constexpr std::array<std::string_view, 8> kOptionKeys{
    "sond10", "closesoud", "ballnumsound", "keynum", "commnum", "closemusic", "numback", "videclose"};

// The switch of a position (0 to 7).
bool& optionSwitch(MatchState& state, size_t position);

// Reads up to eight values of date\system.db with list input; a missing or unreadable file, or a
// file of fewer lines, leaves the rest empty.
std::array<std::string, 8> readOptionValues();

// Sets the switches from the values: each is on unless its value is exactly its key followed by
// "=False", except closemusic, which is on only for exactly "closemusic=True". The scoreboard's
// command bar follows the score-buttons switch and the score backlight its own.
void applyOptionValues(const std::array<std::string, 8>& values);

// Both of the above: what the scoreboard does with the option file when it opens.
void readOptionFile();

} // namespace scoreboard
