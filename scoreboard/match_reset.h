#pragma once

namespace scoreboard {

// Starts the match again: no match over, no points per period, the clock at the period length and
// stopped, no start time, 0:0 in period 1; the scoreboard shows it. Overtime flag, report
// countdown and settings are left as they are.
void ResetMatch();

} // namespace scoreboard
