#pragma once
#include <string_view>

namespace launcher {

// Files in the program folder, beside the launcher.
inline constexpr std::string_view kClockFontFile = "DS-DIGIB.ttf";
inline constexpr std::string_view kScoreboardProgram = "ball";
inline constexpr std::string_view kDataFolder = "date";

// The family the shipped clock font holds.
inline constexpr std::string_view kClockFontFamily = "DSEG7 Classic";

// The smallest screen the scoreboard is laid out for, and the mode the launcher switches to.
inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 768;

} // namespace launcher
