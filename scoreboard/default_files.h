#pragma once
#include <string>
#include <vector>

namespace scoreboard {

// The data files a first run writes, line by line (each ended by CR LF when written).

// date\config.db: the match title is the year of the first run followed by "Mirelda".
std::vector<std::string> defaultConfigLines(int year);
// date\keyconfig.db: the score keys 1, F1, 2 and F2.
std::vector<std::string> defaultKeyConfigLines();
// date\system.db: seven switches; the eighth has no line and reads as on.
std::vector<std::string> defaultSystemLines();

// The two team files a new binlist folder starts with (empty).
std::vector<std::string> defaultTeamFileNames();

} // namespace scoreboard
