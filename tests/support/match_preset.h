#pragma once
#include "scoreboard/match_state.h"

#include <string>
#include <utility>

namespace test_support {

// The match the tests of the clock and of the records start from: the title "2026Cup", periods
// of 12 minutes and overtimes of 5, the first period, between the two teams given.
inline void presetMatch(scoreboard::MatchState& s, std::string teamA, std::string teamB)
{
    s.matchTitle = "2026Cup";
    s.teamNameA = std::move(teamA);
    s.teamNameB = std::move(teamB);
    s.periodLength = 720;
    s.overtimeLength = 300;
    s.periodNumber = 1;
}

} // namespace test_support
