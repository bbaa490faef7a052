#pragma once
#include "scoreboard/roster_loader.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace dialogs {

// The team files: binlist\<team name>.ini in the program folder, one a team, in the ANSI code
// page with CR LF: "教练:" and the coach, "领队:" and the leader, then "队员:", the player's name,
// "=" and the shirt number, a line each. They are read by the value rules of
// scoreboard::readTeamRoster. Their folder and the path of each are the board's.
using scoreboard::teamFilePath;
using scoreboard::teamsFolder;

// The teams: every file of binlist named <team>.ini whose team name has no problem (below), in
// the order of the listing. A missing binlist is made first, with the two default teams' empty
// files.
std::vector<std::string> listTeams();

// Why `name` (already trimmed) cannot name a team file, as the message the operator sees, or
// empty when it can. A team name is a file name in binlist: it must not hold a path separator,
// a character file names cannot hold, a control character, nor be made of dots only.
std::string teamNameProblem(std::string_view name);

// Why a text of the roster cannot be stored so that it reads back the same, or empty when it
// can: a comma would end the value, a double quote would start a quoted one, a line break would
// end the line; a shirt number must not be empty and must not hold "=" (the player's value is
// split at its last "=").
enum class RosterField { Coach, Leader, PlayerName, Number };
std::string rosterTextProblem(std::string_view text, RosterField field);

// The lines a team file holds for a roster: coach and leader (even when empty), then the players.
std::vector<std::string> teamFileLines(const scoreboard::TeamRoster& roster);

// Replaces the team's file whole (binlist is made when missing). False when the name has a
// problem or the file could not be written; an old file is then left as it was. An old file
// holding lines the team file reader does not take is first kept as <team>.ini.bak.
bool writeTeamFile(std::string_view name, const scoreboard::TeamRoster& roster);

// A team renamed: its roster written to the new name's file as writeTeamFile writes it, then the
// old file removed. The old file is first kept as <old>.ini.bak, as a save keeps it, when it holds
// lines the reader does not take. False, and the old file left, when either step fails.
bool renameTeamFile(std::string_view oldName, std::string_view newName, const scoreboard::TeamRoster& roster);

} // namespace dialogs
