#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace scoreboard {

struct RosterPlayer {
    std::string name;
    std::string number;
    bool operator==(const RosterPlayer&) const = default;
};

// What a team file holds: coach, leader and the players in file order.
struct TeamRoster {
    std::string coach;
    std::string leader;
    std::vector<RosterPlayer> players;
    bool operator==(const TeamRoster&) const = default;
};

// Players the scoreboard has labels for, per side.
inline constexpr int kRosterRows = 12;

// The folder of the team files, binlist in the program folder, and the file of a team in it:
// binlist\<name>.ini. The board reads the rosters there, the teams dialog writes them.
std::filesystem::path teamsFolder();
std::filesystem::path teamFilePath(std::string_view teamName);
// Whether a team name can name a file of binlist: not empty, not only dots, and without the
// characters a file name there cannot hold (\ / : * ? " < > |) or control characters. A name
// from a hand-edited settings file that fails this must never reach a path.
bool teamNameFitsFileName(std::string_view teamName);

// Reads a team file by the value rules of the team files: comma-separated values; "教练:" and
// "领队:" with something after them give the coach and the leader (a later one replaces an
// earlier one); "队员:" with at least three more characters gives a player, split at the last
// "=" into name and number (a value without "=" is no player). Every other value is ignored.
// A missing or unreadable file reads as an empty roster.
TeamRoster readTeamRoster(const std::filesystem::path& file);

// Fills the roster labels of the scoreboard from the two teams' files: `bflab` 0-3 coach and
// leader of each side, `namelab1`/`numlab1` and `namelab2`/`numlab2` 0-11 the first twelve
// players, shown; labels without a player empty and hidden. A missing team file is created empty.
void LoadRosters();

} // namespace scoreboard
