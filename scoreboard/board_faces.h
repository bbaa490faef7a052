#pragma once

namespace scoreboard {

// The designed sizes (points) of the board's texts that come from the operator's data, as the
// stored layout of `main` gives them: shown at this size when they fit, smaller when not.
inline constexpr double kTitlePoints = 60;        // `titxt`
inline constexpr double kTeamNamePoints = 50.25;  // `ballname`
inline constexpr double kSheetNamePoints = 21.75; // `ballnum` of the score sheet
inline constexpr double kLeaderPoints = 14.25;    // `onename` of the period report
inline constexpr double kKeyHintPoints = 9;       // `keylab`

} // namespace scoreboard
