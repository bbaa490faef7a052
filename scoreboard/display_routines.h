#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace scoreboard {

// The display routines of module user: they copy match-state fields into the controls of the
// scoreboard form `main` (when it is loaded), so how a value looks on the board is decided here
// only. They never change the match state, except that ResetClockDisplay sets the tenths counter.

// Minutes and seconds, two digits each at least: 720 gives "12:00", 65 "01:05", 6000 "100:00".
std::string clockText(int32_t seconds);
// An entry of the period table: "00" to "09" below ten, plain decimal otherwise; a negative
// entry (a score lowered by hand below the points already booked) shows with its sign, "-3".
std::string periodPointText(int32_t points);

// The clock `balltime` shows clockText(seconds); the text is returned.
std::string ShowClock(int32_t seconds);
// The clock shows the seconds, a point and the tenths counter ("59.9", "0.0"); returned too.
std::string ShowClockTenths(int32_t seconds);
// The clock after it was set or reset: minutes and seconds from 60 s up, else seconds and ".0"
// (the tenths counter then stands at 1, so the first tenths tick still shows that second);
// red at 9 s and less, green above.
void ResetClockDisplay();

void ShowMatchTitle();  // `titxt` 0 (shadow) and 1
void ShowTeamNames();   // `ballname` 0 and 2 team A, 1 and 3 team B
void ShowScores();      // `ballnumber` 0 and 2 score A, 1 and 3 score B
void ShowPeriod();      // `ballmakenum`
void ShowPeriodTable(); // `balldatenum` 0-7 the period points, 8 and 9 the totals
// `zailab` 0, 1, 2: one referee is the chief in the middle; with two or three the second is the
// chief in the middle and the first and third assistants either side.
void ShowReferees();
void ShowCommandBar(); // the score buttons `v1` 0-3 shown
void HideCommandBar();
// The chosen logo (logoPath), when it exists, in `mainlogo`, `logopng` and `testpng`.
void LoadLogo();

// Display width in half-width units: 2 for a double-byte character of the ANSI code page, 1 for
// any other.
int16_t TextWidthUnits(std::string_view text);

// The role words of the referee labels.
inline constexpr std::string_view kChiefRefereeWord = "主裁判:";
inline constexpr std::string_view kAssistantRefereeWord = "副裁判:";

} // namespace scoreboard
