#pragma once
#include "scoreboard/match_state.h"

#include <filesystem>
#include <string>
#include <vector>

namespace scoreboard {

// Points of one period as the period table and the match archive write them: two digits at least
// ("07"), more in plain decimal; a negative value (a score lowered below the points already
// booked) in plain decimal ("-3").
std::string periodPointsText(int points);

// The eleven lines of the record of a finished match, from the state the period end left: the
// start time, title, teams, the four periods (overtimes in the fourth), the totals and the remark
// "加时赛" when the period that ended was an overtime.
std::vector<std::string> matchRecordLines(const MatchState& state);

// The match archive `date\balldate.db` in the program folder.
std::filesystem::path matchArchivePath();

// Appends the record whole, or nothing at all; false when it could not be written.
bool appendMatchRecord(const MatchState& state, const std::filesystem::path& archive = matchArchivePath());

} // namespace scoreboard
