#pragma once

namespace scoreboard {

// Starts the match again: no match over, no points per period, the clock at the period length and
// stopped, no start time, 0:0 in period 1; the scoreboard shows it. Overtime flag, report
// countdown and settings are left as they are.
void ResetMatch();

// The running match as the scoreboard starts it when it loads, whatever the settings files held:
// the clock at the period length with no tenth shown, 0:0 in period 1, no points per period, a
// report countdown of 10, no start time, and Enter as the start/pause key.
void prepareMatchAtLoad();

} // namespace scoreboard
