#pragma once
#include "scoreboard/match_state.h"

#include <filesystem>
#include <string>
#include <vector>

namespace scoreboard {

// The eleven lines of the record of a finished match, from the state the period end left: the
// start time, title, teams, the four periods (overtimes in the fourth) in the texts of the period
// table, the totals and the remark "加时赛" when the period that ended was an overtime.
std::vector<std::string> matchRecordLines(const MatchState& state);

// The match archive `date\balldate.db` in the program folder.
std::filesystem::path matchArchivePath();

// Appends the record whole, or nothing at all; false when it could not be written. A missing
// data folder is made first; an archive whose last line has no line end gets one first, so that
// the record starts on a line of its own.
bool appendMatchRecord(const MatchState& state, const std::filesystem::path& archive = matchArchivePath());

} // namespace scoreboard
