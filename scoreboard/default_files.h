#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace scoreboard {

// The data files a first run writes, line by line (each ended by CR LF when written).

// date\config.db: the match title is the year of the first run followed by "Mirelda".
std::vector<std::string> defaultConfigLines(int year);
// The score keys 1, F1, 2 and F2: add and take a point for side A, then for side B.
inline constexpr std::array<int16_t, 4> kDefaultScoreKeys{49, 112, 50, 113};
// The four lines of date\keyconfig.db for score keys in that order.
std::vector<std::string> keyConfigLines(const std::array<int16_t, 4>& keys);
// date\keyconfig.db: the default keys.
std::vector<std::string> defaultKeyConfigLines();
// date\system.db: seven switches; the eighth has no line and reads as on.
std::vector<std::string> defaultSystemLines();

// The two team files a new binlist folder starts with (empty).
std::vector<std::string> defaultTeamFileNames();

} // namespace scoreboard
