// A team file of binlist, read for the board's rosters, written back as the teams dialog writes
// it and read again: coach, leader and players come back as they were.
#include "dialogs/team_files.h"
#include "program_folder_file.h"
#include "round_trip.h"
#include "scoreboard/roster_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto path = fuzz::placeInput("binlist/Lions.ini", data, size);
    const scoreboard::TeamRoster roster = scoreboard::readTeamRoster(path);
    const std::string writtenBytes = fuzz::writeLines(path, dialogs::teamFileLines(roster));

    const scoreboard::TeamRoster again = scoreboard::readTeamRoster(path);
    fuzz::check(again == roster, "a team file reads back otherwise than it was written");
    fuzz::check(fuzz::writeLines(path, dialogs::teamFileLines(again)) == writtenBytes, "a team file is written otherwise the second time");
    return 0;
}
